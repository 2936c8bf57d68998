// Replace All of many matches, its undo and its redo, against a plain model of the text:
// random Yorel-like texts, patterns and replacements, the seed printed on a failure.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QStringList>
#include <random>
#include <vector>

#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/qt/QtControlHost.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"
#include "studio/search/EditorSearch.h"

namespace {
const QStringList Pieces = {"mov", "eax", "ax",     "(",   ")",     "// c ax\r\n", "/* ax */",
                            "'ax'", " ",  "\t",     "\r\n", "\r\n", "nop",          "push ax",
                            "12",  ",",   "mov ax", ";",   "Ж",     "{ x }",        "ax1"};
const std::vector<TSearchOptions> Patterns = {
    {"ax", true, true, false},  {"ax", false, false, false}, {"mov", false, true, false},
    {"(", true, false, false},  {"a\\w*", true, false, true}, {"x )", true, false, false},
    {"/*", true, false, false}, {"(\\w+),", false, false, true}};
const QStringList Templates = {"eax",  "ax ax",  "",    "(", "/* ",    "\r\n",
                               "\t\t", "'",      "\\1", "x", "// n\r\n", "a\r\nb"};

// One signature per character: the kind of syntax range over it, its list or style, and
// its parenthesis level.
std::vector<QString> CharacterKinds(const TSourceEdit& E) {
  std::vector<QString> Kinds;
  for (const TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange()) {
    int Attribute = -1;
    if (auto* W = dynamic_cast<const TWordListRange*>(R)) Attribute = W->WordList()->Index();
    if (auto* S = dynamic_cast<const TCustomStyleRange*>(R)) Attribute = S->Style()->Index();
    const QString Kind =
        QStringLiteral("%1 %2 %3").arg(R->ClassName()).arg(Attribute).arg(R->ParenthesisLevel());
    for (int Pos = R->RStart(); Pos <= R->REnd(); ++Pos)
      Kinds.push_back(Kind);
  }
  return Kinds;
}

struct TModelReplacement {
  QString Text;
  int Count = 0;
  int Caret = 0;  ///< 0-based
};

// Built from the matches in text order; the caret goes with the text before it, and from
// inside a match to the end of its replacement.
TModelReplacement ReplaceInModel(const QString& Text, const TSearchPattern& Pattern,
                                 const QString& Template, int Caret) {
  TModelReplacement R;
  R.Caret = Caret;
  qsizetype Copied = 0;
  Pattern.ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch& M) {
    R.Text += Text.mid(Copied, M.Start - Copied);
    const QString New = Pattern.Replacement(Text, M, Template);
    if (Caret >= M.End())
      R.Caret += static_cast<int>(New.size() - M.Length);
    else if (Caret > M.Start)
      R.Caret = static_cast<int>(R.Text.size() + New.size());
    R.Text += New;
    Copied = M.End();
    ++R.Count;
    return true;
  });
  R.Text += Text.mid(Copied);
  return R;
}

int WidestRow(const QString& Text, int TabSize) {
  int Widest = 0;
  for (const QString& Row : Text.split(QStringLiteral("\r\n"))) {
    int Width = 0;
    for (QChar C : Row)
      Width = C == u'\t' ? (Width / TabSize + 1) * TabSize : Width + 1;
    Widest = std::max(Widest, Width);
  }
  return Widest;
}
}  // namespace

TEST(ReplaceAllRandom, TextCaretRowsColouringAndViewMatchTheModelThroughUndoAndRedo) {
  QApplication::setCursorFlashTime(0);
  for (unsigned Seed : {3u, 14u, 27u, 56u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 Random(Seed);
    const auto Below = [&](int N) { return std::uniform_int_distribution<int>(0, N - 1)(Random); };
    TSourceEdit E;
    TSourceEdit Rebuilt;
    LoadStoredSettings(E, YorelEditorSettings);
    LoadStoredSettings(Rebuilt, YorelEditorSettings);
    TQtControlHost Host(&E);
    Host.resize(420, 240);
    Host.show();
    QString Text;
    for (int I = 0; I < 600; ++I)
      Text += Pieces[Below(Pieces.size())];
    E.SetText(Text);
    E.ClearUndo();
    // The whole state the model tells, and a picture that equals a complete redraw.
    const auto Check = [&](const QString& Expected, const char* Step) {
      SCOPED_TRACE(Step);
      ASSERT_EQ(E.Text(), Expected);
      const QStringList Rows = Expected.split(QStringLiteral("\r\n"));
      ASSERT_EQ(E.LineCount(), Rows.size());
      for (int Row = 1, Start = 1; Row <= Rows.size(); Start += Rows[Row - 1].size() + 2, ++Row)
        ASSERT_EQ(E.CellToCharIdx(TextCell(Row, 1)), Start) << "row " << Row;
      ASSERT_EQ(E.LongestLineLength(), WidestRow(Expected, E.TabSize()));
      // The text arrives while an update is open; its end rebuilds the chain.
      Rebuilt.SyntaxColoring()->BeginUpdate();
      Rebuilt.SetText(Expected);
      Rebuilt.SyntaxColoring()->EndUpdate();
      ASSERT_EQ(CharacterKinds(E), CharacterKinds(Rebuilt));
      QApplication::processEvents();
      const QImage Incremental = Host.viewport()->grab().toImage();
      Host.Invalidate();
      ASSERT_TRUE(Incremental == Host.viewport()->grab().toImage());
    };
    int Steps = 0;  // on the undo stack
    for (int Round = 0; Round < 10; ++Round) {
      const QString Before = E.Text();
      const TSearchPattern Pattern(Patterns[Below(static_cast<int>(Patterns.size()))]);
      const QString Template = Templates[Below(Templates.size())];
      E.SetSelStart(Below(E.TextLength() + 1));
      const int Caret = E.SelStart();
      const TModelReplacement Model = ReplaceInModel(Before, Pattern, Template, Caret);
      ASSERT_EQ(ReplaceAllInEditor(E, Pattern, Template), Model.Count);
      ASSERT_NO_FATAL_FAILURE(Check(Model.Text, "replaced"));
      if (Model.Count == 0) continue;
      ASSERT_EQ(E.SelStart(), Model.Caret);
      ASSERT_EQ(E.SelLength(), 0);
      const int CaretRow = E.Selection()->StartRowCol().Row;
      const int TopRow = E.VisibleRange()->FTopRow;
      ASSERT_TRUE(TopRow <= CaretRow && CaretRow < TopRow + E.PageHeight) << "caret's row in view";
      E.Undo();
      ASSERT_NO_FATAL_FAILURE(Check(Before, "undone"));
      ASSERT_EQ(E.CanUndo(), Steps > 0) << "one undo step";
      E.Redo();
      ASSERT_NO_FATAL_FAILURE(Check(Model.Text, "redone"));
      ++Steps;
      // Now and then the text goes back to what it was, so that undo follows undo.
      if (Below(3) == 0) {
        E.Undo();
        --Steps;
        ASSERT_NO_FATAL_FAILURE(Check(Before, "undone again"));
      }
    }
  }
}
