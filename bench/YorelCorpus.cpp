/** @file YorelCorpus.cpp
 ** Procedures with blocks, instructions and registers, numbers in every form, strings with
 ** escaped quotes, line and block comments, directives and nested parentheses. **/
#include "YorelCorpus.h"

#include <QStringList>
#include <random>

namespace {
const QStringList Instructions = {"mov", "add", "sub", "xor",  "and",  "inc",  "dec",  "push",
                                  "pop", "lea", "fld", "fadd", "fstp", "movq", "paddd"};
const QStringList Registers = {"eax", "ebx", "ecx", "edx", "esi", "edi", "ebp", "esp", "al", "mm1"};
const QStringList Numbers = {"10", "$FF", "0FFh", "1e10", "1.5", "#13", "255", "$1000"};
const QStringList Types = {"int32", "dword", "byte", "pointer", "string", "real8"};

class TGenerator {
 public:
  explicit TGenerator(unsigned Seed) : Random(Seed) {}

  QString Pick(const QStringList& List) {
    return List[static_cast<int>(Random() % static_cast<unsigned>(List.size()))];
  }
  int Chance(int Count) { return static_cast<int>(Random() % static_cast<unsigned>(Count)); }

  QString Operand() {
    switch (Chance(3)) {
      case 0:
        return Pick(Numbers);
      case 1:
        return Pick(Registers);
      default:
        return QStringLiteral("[%1 + %2]").arg(Pick(Registers), Pick(Numbers));
    }
  }

  QString TrailingComment() {
    return QStringLiteral("    // %1 holds the %2 of this step").arg(Pick(Registers), Pick(Types));
  }

  void Line(QString& Out, int Indent, const QString& Text) {
    Out += QString(Indent, u'\t') + Text + QStringLiteral("\r\n");
  }

  void Statement(QString& Out, int Indent) {
    switch (Chance(10)) {
      case 0:
        Line(Out, Indent,
             QStringLiteral("// %1 %2 into %3")
                 .arg(Pick(Instructions), Pick(Numbers), Pick(Registers)));
        break;
      case 1:
        Line(Out, Indent,
             QStringLiteral("if ((%1 > %2) && (%3 < 0)) then")
                 .arg(Pick(Registers), Pick(Numbers), Pick(Registers)));
        break;
      case 2:
        Line(Out, Indent, QStringLiteral("s := 'it\\'s %1';").arg(Pick(Registers)));
        break;
      case 3:
        Line(Out, Indent, QStringLiteral("/* %1 keeps %2").arg(Pick(Registers), Pick(Numbers)));
        Line(Out, Indent, QStringLiteral("   across a few lines */"));
        break;
      case 4:
        Line(Out, Indent,
             QStringLiteral("static x%1: %2 := %3;")
                 .arg(Chance(100))
                 .arg(Pick(Types), Pick(Numbers)));
        break;
      default:
        Line(Out, Indent,
             QStringLiteral("%1 %2, %3%4")
                 .arg(Pick(Instructions), Pick(Registers), Operand(),
                      Chance(5) ? TrailingComment() : QString()));
    }
  }

  void Procedure(QString& Out) {
    const int Id = Counter++;
    if (Id % 7 == 0) Line(Out, 0, QStringLiteral("#include units%1.yor").arg(Id % 5));
    Line(Out, 0, QStringLiteral("procedure Work%1(x: int32; y: dword);").arg(Id));
    Line(Out, 0, QStringLiteral("{"));
    for (int I = 0, Count = 8 + Chance(9); I < Count; ++I)
      Statement(Out, 1);
    Line(Out, 1, QStringLiteral("while (ecx > 0)"));
    Line(Out, 1, QStringLiteral("{"));
    for (int I = 0, Count = 4 + Chance(7); I < Count; ++I)
      Statement(Out, 2);
    Line(Out, 1, QStringLiteral("}"));
    Line(Out, 0, QStringLiteral("}"));
    Line(Out, 0, QString());
  }

 private:
  std::mt19937 Random;
  int Counter = 0;
};
}  // namespace

QString GenerateYorelSource(qint64 Bytes, unsigned Seed) {
  TGenerator Generator(Seed);
  QString Out;
  Out.reserve(Bytes + 1024);
  Out += QStringLiteral("program Bench;\r\n\r\n");
  while (Out.size() < Bytes)
    Generator.Procedure(Out);
  return Out;
}
