// Lines are read as the colouring reads them, declarations are found, and an edited model
// equals a model read afresh.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "language/Reference.h"
#include "language/SourceModel.h"

namespace {
QString Kinds(const QString& Line, TLexState Start = TLexState::Normal) {
  std::vector<TToken> Tokens;
  const TLexState End = LexLine(Line, Start, Tokens);
  QStringList Parts;
  static const char* Names[] = {"w", "n", "s", "o", "c", "comment", "string", "directive"};
  for (const TToken& T : Tokens)
    Parts.append(QStringLiteral("%1:%2").arg(QLatin1String(Names[int(T.Kind)]), Line.mid(T.Start, T.Length)));
  return Parts.join(u' ') + QStringLiteral(" |%1").arg(int(End));
}

QString Outline(const TSourceModel& Model) {
  QStringList Parts;
  for (const TDeclaration& D : Model.Declarations())
    Parts.append(QStringLiteral("%1 %2 %3:%4").arg(D.Kind, D.Name).arg(D.Line).arg(D.Column));
  return Parts.join(QStringLiteral(", "));
}
}  // namespace

TEST(LineLexer, SplitsLinesAsTheColouringDoes) {
  const struct {
    const char* Line;
    TLexState Start;
    const char* Expected;
  } Cases[] = {
      {"mov eax, 1", TLexState::Normal, "w:mov w:eax s:, n:1 |0"},
      {"x := $FF; // note", TLexState::Normal, "w:x s::= n:$FF s:; comment:// note |0"},
      {"call f(a[1]) {", TLexState::Normal, "w:call w:f o:( w:a o:[ n:1 c:] c:) o:{ |0"},
      {"a /* b", TLexState::Normal, "w:a comment:/* b |1"},
      {"still */ mov", TLexState::BlockComment, "comment:still */ w:mov |0"},
      {"s := 'it\\'s", TLexState::Normal, "w:s s::= string:'it\\'s |2"},
      {"end' x", TLexState::String, "string:end' w:x |0"},
      {"#include x", TLexState::Normal, "directive:#include  w:x |0"},
      {"#define", TLexState::Normal, "directive:#define |3"},
      {"+/*c*/", TLexState::Normal, "s:+ comment:/*c*/ |0"},
  };
  for (const auto& C : Cases) EXPECT_EQ(Kinds(QString::fromLatin1(C.Line), C.Start), QString::fromLatin1(C.Expected)) << C.Line;
}

TEST(SourceModel, FindsDeclarationsAndLabels) {
  TSourceModel Model(TReference::Standard());
  Model.SetText(QStringLiteral(
      "program Demo;\r\n"
      "procedure Draw(x) {\r\n"
      "again: dec ecx\r\n"
      "  x := 1\r\n"                       // an assignment is no label
      "// procedure Hidden\r\n"            // nor is anything in a comment
      "  'function Quoted'\r\n"
      "FUNCTION Area {\r\n"
      "class Shape { }\r\n"
      "macro M\r\n"
      "block B\r\n"
      "  done :\r\n"));                    // a label is written NAME:
  EXPECT_EQ(Outline(Model), QStringLiteral(
      "program Demo 1:9, procedure Draw 2:11, label again 3:1, function Area 7:10, "
      "class Shape 8:7, macro M 9:7, block B 10:7"));
  const auto Declarations = Model.Declarations();
  EXPECT_EQ(EnclosingDeclaration(Declarations, 4).Name, QStringLiteral("Draw"));
  EXPECT_EQ(EnclosingDeclaration(Declarations, 7).Name, QStringLiteral("Area"));
  EXPECT_EQ(EnclosingDeclaration({}, 7).Line, 0);
}

TEST(SourceModel, AnOpenedCommentRereadsTheLinesItCovers) {
  TSourceModel Model(TReference::Standard());
  QStringList Lines = {QStringLiteral("a"), QStringLiteral("procedure P"), QStringLiteral("b */ c"),
                       QStringLiteral("procedure Q")};
  const auto Text = [&](int L) { return Lines[L - 1]; };
  Model.Reset(4, Text);
  EXPECT_EQ(Outline(Model), QStringLiteral("procedure P 2:11, procedure Q 4:11"));
  Lines[0] = QStringLiteral("a /*");
  EXPECT_EQ(Model.ReplaceLines(1, 1, 1, Text), 3);  // stops where the states meet again
  EXPECT_EQ(Outline(Model), QStringLiteral("procedure Q 4:11"));
  Lines[0] = QStringLiteral("a");
  Model.ReplaceLines(1, 1, 1, Text);
  EXPECT_EQ(Outline(Model), QStringLiteral("procedure P 2:11, procedure Q 4:11"));
}

// Random line edits against a model read afresh after each one.
TEST(SourceModel, EditedModelEqualsAFreshRead) {
  const quint32 Seed = QRandomGenerator::global()->generate();
  SCOPED_TRACE(testing::Message() << "seed " << Seed);
  QRandomGenerator Random(Seed);
  const QStringList Pieces = {QStringLiteral("procedure P%1 {"), QStringLiteral("/* c%1"),
                              QStringLiteral("%1 */"), QStringLiteral("'s%1"),
                              QStringLiteral("x%1: mov al, 300"), QStringLiteral("call f%1"),
                              QStringLiteral("}"), QStringLiteral("#d%1"), QStringLiteral("mov al, ebx")};
  QStringList Lines;
  const auto Text = [&](int L) { return Lines[L - 1]; };
  TSourceModel Model(TReference::Standard());
  Model.Reset(0, Text);
  for (int Step = 0; Step < 400; ++Step) {
    const int First = Random.bounded(static_cast<int>(Lines.size()) + 1) + 1;
    const int Old = std::min(static_cast<int>(Random.bounded(3)), static_cast<int>(Lines.size()) - First + 1);
    const int New = Random.bounded(3);
    for (int I = 0; I < Old; ++I) Lines.removeAt(First - 1);
    for (int I = 0; I < New; ++I)
      Lines.insert(First - 1, QString(Pieces[Random.bounded(Pieces.size())]).replace(QStringLiteral("%1"), QString::number(Step)));
    Model.ReplaceLines(First, Old, New, Text);
    TSourceModel Fresh(TReference::Standard());
    Fresh.Reset(static_cast<int>(Lines.size()), Text);
    ASSERT_EQ(Outline(Model), Outline(Fresh)) << "step " << Step;
    ASSERT_EQ(Model.LineProblems().size(), Fresh.LineProblems().size()) << "step " << Step;
    ASSERT_EQ(Model.Targets().size(), Fresh.Targets().size()) << "step " << Step;
    ASSERT_EQ(Model.StateAtEnd(), Fresh.StateAtEnd()) << "step " << Step;
  }
}
