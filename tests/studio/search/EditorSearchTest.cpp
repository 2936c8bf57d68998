// Find, replace and count in an editor window's editor, through the store read in place.
#include <gtest/gtest.h>

#include <stdexcept>

#include "EditorWindowFixture.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "studio/search/EditorSearch.h"

namespace {
struct SearchFixture : EditorWindowFixture {
  static QString Selected(TSourceEdit& E) { return E.TextRange(E.Selection()->RStart(), E.SelLength()); }
};
}  // namespace

TEST(EditorSearch, FindWrapsBothWays) {
  SearchFixture S;
  TSourceEdit& E = S.Open("mov ax\r\nadd ax\r\nmov bx");
  const TSearchPattern Mov({QStringLiteral("mov"), false, false, false});
  E.SetSelStart(3);
  TFindResult R = FindInEditor(E, Mov, true);
  EXPECT_TRUE(R.Found && !R.Wrapped);
  EXPECT_EQ(E.SelStart(), 16);
  R = FindInEditor(E, Mov, true);
  EXPECT_TRUE(R.Found && R.Wrapped);
  EXPECT_EQ(E.SelStart(), 0);
  R = FindInEditor(E, Mov, false);
  EXPECT_TRUE(R.Found && R.Wrapped);
  EXPECT_EQ(E.SelStart(), 16);
  R = FindInEditor(E, Mov, false);
  EXPECT_TRUE(R.Found && !R.Wrapped);
  EXPECT_EQ(E.SelStart(), 0);
  EXPECT_FALSE(FindInEditor(E, TSearchPattern(TSearchOptions{QStringLiteral("zz")}), true).Found);
  EXPECT_EQ(E.SelStart(), 0);
}

TEST(EditorSearch, EmptyMatchesDoNotStall) {
  SearchFixture S;
  TSourceEdit& E = S.Open("ab\r\ncd");
  const TSearchPattern RowStart({QStringLiteral("^"), false, false, true});
  E.SetSelStart(0);
  std::vector<int> Stops;
  for (int I = 0; I < 4; ++I) {
    FindInEditor(E, RowStart, true);
    Stops.push_back(E.SelStart());
  }
  EXPECT_EQ(Stops, (std::vector<int>{4, 0, 4, 0}));
}

TEST(EditorSearch, ReplaceAllIsOneUndoStepAndKeepsTheCaret) {
  SearchFixture S;
  TSourceEdit& E = S.Open("mov ax, bx\r\nmov cx, dx\r\nnop\r\nmov ax, ax");
  E.SetSelStart(E.TextLength() - 3);  // in the last row
  const int CaretRow = E.Selection()->StartRowCol().Row;
  const TSearchPattern Swap({QStringLiteral("(\\w+), (\\w+)"), false, false, true});
  EXPECT_EQ(ReplaceAllInEditor(E, Swap, QStringLiteral("\\2, \\1")), 3);
  EXPECT_EQ(E.Text(), "mov bx, ax\r\nmov dx, cx\r\nnop\r\nmov ax, ax");
  EXPECT_EQ(E.Selection()->StartRowCol().Row, CaretRow);
  E.Undo();
  EXPECT_EQ(E.Text(), "mov ax, bx\r\nmov cx, dx\r\nnop\r\nmov ax, ax");
  E.Redo();
  EXPECT_EQ(E.Text(), "mov bx, ax\r\nmov dx, cx\r\nnop\r\nmov ax, ax");
}

TEST(EditorSearch, ReplacementThatContainsThePattern) {
  SearchFixture S;
  TSourceEdit& E = S.Open("ax ax\r\nax");
  const TSearchPattern Ax({QStringLiteral("ax"), true, true, false});
  EXPECT_EQ(ReplaceAllInEditor(E, Ax, QStringLiteral("eax ax")), 3);
  EXPECT_EQ(E.Text(), "eax ax eax ax\r\neax ax");
  // Replacing one at a time moves past what it put in.
  E.Undo();
  E.SetSelStart(0);
  FindInEditor(E, Ax, true);
  ReplaceInEditor(E, Ax, QStringLiteral("ax ax"));
  EXPECT_EQ(E.Text(), "ax ax ax\r\nax");
  EXPECT_EQ(E.SelStart(), 6);
  EXPECT_EQ(SearchFixture::Selected(E), "ax");
  // A selection that is not a match is left as it is; the next match is selected.
  E.SetSelStart(1);
  E.SetSelLength(3);
  ReplaceInEditor(E, Ax, QStringLiteral("zz"));
  EXPECT_EQ(E.Text(), "ax ax ax\r\nax");
  EXPECT_EQ(E.SelStart(), 6);
}

TEST(EditorSearch, ReplaceAllEndedByAHandlerErrorStillDrawsAndTells) {
  SearchFixture S;
  TSourceEdit& E = S.Open("ax ax\r\nend");
  TCustomRange* After = E.TrackedRanges()->Add(E.TextLength() - 2, 3);  // moved by the replacement
  After->OnChange = [](TObject*) { throw std::runtime_error("handler"); };
  const TSearchPattern Ax(TSearchOptions{QStringLiteral("ax")});
  EXPECT_THROW(ReplaceAllInEditor(E, Ax, QStringLiteral("eax")), std::runtime_error);
  After->OnChange = nullptr;
  EXPECT_EQ(E.Text(), "eax eax\r\nend");
  EXPECT_FALSE(E.DontNotify);
  EXPECT_FALSE(E.VisibleRange()->IsChanging());
  EXPECT_TRUE(S.Code->bFileChanged);  // the change was told
}

TEST(EditorSearch, ReplaceAcrossLineBreaks) {
  SearchFixture S;
  TSourceEdit& E = S.Open("a\r\nb\r\nc");
  const TSearchPattern Break({QStringLiteral("\\n"), false, false, true});
  EXPECT_EQ(ReplaceAllInEditor(E, Break, QStringLiteral(";")), 2);
  EXPECT_EQ(E.Text(), "a;b;c");
  EXPECT_EQ(E.LineCount(), 1);
  const TSearchPattern Semicolon({QStringLiteral(";"), false, false, false});
  EXPECT_EQ(ReplaceAllInEditor(E, Semicolon, QStringLiteral("\r\n")), 2);
  EXPECT_EQ(E.LineCount(), 3);
}

TEST(EditorSearch, CounterCountsInSlicesAndFindsTheCurrentMatch) {
  QString Text;
  for (int I = 0; I < 1000; ++I)
    Text += QStringLiteral("mov ax, bx\r\n");
  const TSearchPattern Ax(TSearchOptions{QStringLiteral("ax")});
  TMatchCounter Counter(Ax, Text.indexOf(u"ax", 12 * 500));
  int Slices = 0;
  while (!Counter.Step(Text, 100))
    ++Slices;
  EXPECT_GT(Slices, 50);
  EXPECT_EQ(Counter.Count(), 1000);
  EXPECT_EQ(Counter.CurrentIndex(), 501);
  // Matches across a slice's end are counted once.
  const QString Long = QString(1000, u'a');
  const TSearchPattern Sevens({QStringLiteral("a{7}"), false, false, true});
  TMatchCounter Runs(Sevens, -1);
  while (!Runs.Step(Long, 10)) {
  }
  EXPECT_EQ(Runs.Count(), 142);
}
