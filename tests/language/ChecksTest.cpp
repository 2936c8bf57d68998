// Each live check flags what it must and nothing in comments, strings or directives.
#include <gtest/gtest.h>

#include "language/Reference.h"
#include "language/SourceChecks.h"

namespace {
std::vector<TProblem> Check(const QString& Source, TProjectIndex* Shared = nullptr,
                            const QString& File = QStringLiteral("main.yor")) {
  TSourceModel Model(TReference::Standard());
  Model.SetText(Source);
  TProjectIndex Own;
  TProjectIndex& Index = Shared ? *Shared : Own;
  Index.SetFile(File, Model.Declarations());
  QStringList Lines = Source.split(QStringLiteral("\n"));
  return CheckSource(Model, File, Index, [&](int L) { return Lines[L - 1]; });
}

QString Describe(const std::vector<TProblem>& Problems) {
  QStringList Parts;
  for (const TProblem& P : Problems)
    Parts.append(QStringLiteral("%1%2:%3+%4 %5")
                     .arg(P.Severity == TSeverity::Error ? QStringLiteral("E") : QStringLiteral("W"))
                     .arg(P.Line).arg(P.Column).arg(P.Length).arg(P.Message));
  return Parts.join(QStringLiteral(" / "));
}

struct TCase {
  const char* Source;
  const char* Expected;  ///< "" when nothing may be flagged
};

void ExpectTable(const std::vector<TCase>& Cases) {
  for (const TCase& C : Cases)
    EXPECT_EQ(Describe(Check(QString::fromUtf8(C.Source))), QString::fromUtf8(C.Expected)) << C.Source;
}
}  // namespace

TEST(Checks, OperandWidths) {
  ExpectTable({
      {"mov al, ebx", "E1:5+7 Operands of different widths: al is 8 bits, ebx is 32 bits"},
      {"  ADD AX, BL", "E1:7+6 Operands of different widths: ax is 16 bits, bl is 8 bits"},
      {"l: cmp ecx, dx", "E1:8+7 Operands of different widths: ecx is 32 bits, dx is 16 bits"},
      {"mov eax, ebx", ""},
      {"movzx eax, bl", ""},          // widening moves take mixed widths
      {"mov ax, ds", ""},             // segment registers are not general registers
      {"mov al, [ebx]", ""},
      {"// mov al, ebx", ""},
      {"'mov al, ebx'", ""},
      {"#mov al, ebx", ""},
      {"/* mov al,\nebx */", ""},
  });
}

TEST(Checks, ImmediatesThatDoNotFit) {
  ExpectTable({
      {"mov al, 300", "E1:9+3 300 does not fit in al (8 bits)"},
      {"mov ax, $10000", "E1:9+6 65536 does not fit in ax (16 bits)"},
      {"sub al, -129", "E1:9+4 -129 does not fit in al (8 bits)"},
      {"mov al,-200", "E1:8+4 -200 does not fit in al (8 bits)"},
      {"mov eax, 100000000h", "E1:10+10 4294967296 does not fit in eax (32 bits)"},
      {"mov al, 255", ""},
      {"mov al, -128", ""},
      {"mov al, 0FFh", ""},
      {"mov eax, 0FFFFFFFFh", ""},
      {"mov al, 300 + x", ""},        // an expression is not judged
      {"mov al, 1.5", ""},
      {"mov al, 300 // comment", "E1:9+3 300 does not fit in al (8 bits)"},
      {"// mov al, 300", ""},
      {"#mov al, 300", ""},
      {"x := 'mov al, 300'", ""},
  });
}

TEST(Checks, Brackets) {
  ExpectTable({
      {"if (a {\n}", "E1:4+1 \"(\" is never closed"},
      {"x)", "E1:2+1 \")\" without a matching \"(\""},
      {"a[1]]", "E1:5+1 \"]\" without a matching \"[\""},
      {"procedure P {\n  f(a, (b))\n}", ""},
      {"{\n{\n}", "E1:1+1 \"{\" is never closed"},
      {"} {", "E1:1+1 \"}\" without a matching \"{\" / E1:3+1 \"{\" is never closed"},
      {"// (", ""},
      {"')'", ""},
      {"#( x", ""},
      {"/* { */", ""},
  });
}

TEST(Checks, UnterminatedCommentOrStringAtTheEnd) {
  ExpectTable({
      {"a\nb /* c\nd", "E2:3+2 Block comment not closed at the end of the text"},
      {"s := 'abc", "E1:6+1 String not terminated at the end of the text"},
      {"/* a */ b", ""},
      {"// /*", ""},
      {"'/*'", ""},
      {"#/*", ""},
  });
}

TEST(Checks, UnknownJumpTargetsAreWarnings) {
  ExpectTable({
      {"call Missing", "W1:6+7 No file of the project declares \"Missing\""},
      {"jne nowhere", "W1:5+7 No file of the project declares \"nowhere\""},
      {"procedure Draw {\n}\ncall draw", ""},       // names are compared without case
      {"again: dec ecx\njnz again", ""},
      {"call eax", ""},
      {"call dword ptr [eax]", ""},
      {"jmp short done\ndone:", ""},
      {"call malloc", ""},                          // built-in functions are known
      {"// call Missing", ""},
      {"'call Missing'", ""},
      {"#call Missing", ""},
  });
}

TEST(Checks, RoutinesDeclaredTwiceInTheProject) {
  ExpectTable({
      {"procedure P\nfunction P", "E1:11+1 \"P\" is also declared at main.yor:2 / E2:10+1 \"P\" is also declared at main.yor:1"},
      {"procedure P\nP:", ""},                      // a label may share a routine's name
      {"procedure P\n// procedure P", ""},
  });
  TProjectIndex Index;
  Check(QStringLiteral("procedure Shared"), &Index, QStringLiteral("a.yor"));
  EXPECT_EQ(Describe(Check(QStringLiteral("function Shared"), &Index, QStringLiteral("b.yor"))),
            QStringLiteral("E1:10+6 \"Shared\" is also declared at a.yor:1"));
}
