// The scanner over the Yorel definition: how texts are cut into ranges, how edits are
// followed, and the switchable styles that the Yorel definition does not use.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "SourceEditFixture.h"

namespace {
void Replace(TSourceEdit& E, int Start, int Length, const QString& Text) {
  TMCRange Range;
  Range.SetEditor(&E);
  Range.SetRStart(Start);
  Range.SetRLength(Length);
  Range.SetText(Text);
}

void ExpectTiles(const TSourceEdit& E) {
  EXPECT_EQ(E.FirstBrokenSyntaxRange(), nullptr);
  EXPECT_EQ(E.FirstOverlappingSyntaxRange(), nullptr);
}

TCustomStyle* AddStyle(TSourceEdit& E, const QString& Begin, const QString& End,
                       const QString& Ignore = QString(), bool Switchable = false) {
  TCustomStyle* Style = E.SyntaxColoring()->CustomStyles()->Add();
  Style->SetCaption(Begin);
  Style->SetBeginText(Begin);
  Style->SetEndText(End);
  Style->SetIgnoreChar(Ignore);
  Style->SetSwitchable(Switchable);
  return Style;
}
}  // namespace

TEST(Scanner, CutsYorelTextIntoRanges) {
  struct {
    QString Text;
    QStringList Ranges;
  } Cases[] = {
      {"mov eax, 1",
       {"word ASM Standard: mov", "normal:  ", "word Registers: eax", "symbol: ,",
        "normal:  ", "number: 1"}},
      {"MOV", {"word ASM Standard: MOV"}},
      {"eax2", {"normal: eax2"}},
      {"_start", {"normal: _start"}},
      {"x := $FF;", {"normal: x ", "symbol: :=", "normal:  ", "number: $FF", "symbol: ;"}},
      {"$", {"number: $"}},
      {"0FFh", {"number: 0FFh"}},
      {"1e10", {"number: 1e10"}},
      {"1.5", {"number: 1", "symbol: .", "number: 5"}},
      {"[x]{}", {"symbol: [", "normal: x", "symbol: ]{}"}},
      {"((", {"open: (", "open: ("}},
      {"f(a)", {"normal: f", "open: (", "normal: a", "close: )"}},
      {"a // c\r\nb", {"normal: a ", "style Line Comment: // c\r\n", "normal: b"}},
      {"a // c", {"normal: a ", "style Line Comment: // c"}},
      {"#a\r\nb c", {"style Directive: #a\r\nb ", "normal: c"}},
      {"#a", {"style Directive: #a"}},
      {"#define x", {"style Directive: #define ", "normal: x"}},
      {"'a\\'b'", {"style string: 'a\\'b'"}},
      {"'a\\\\'b", {"style string: 'a\\\\'b"}},
      {"'ab\\'c'd", {"style string: 'ab\\'c'", "normal: d"}},
      {"/* a", {"style Block Comment: /* a"}},
      {"// x */ y", {"style Line Comment: // x */ y"}},
      {"/* // */x", {"style Block Comment: /* // */", "normal: x"}},
      {"movЖmov", {"word ASM Standard: mov", "normal: Ж", "word ASM Standard: mov"}},
      {"If while", {"word HL: If", "normal:  ", "word HL: while"}},
      {"mm0 mm1 cmp", {"normal: mm0 ", "word MMX/FPU registers: mm1", "normal:  cmp"}},
  };
  for (const auto& C : Cases) {
    TYorelEdit E(C.Text);
    EXPECT_EQ(Chain(E), C.Ranges) << C.Text.toStdString();
    ExpectTiles(E);
  }
}

TEST(Scanner, ParenthesisLevelsNestAndMayGoBelowZero) {
  TYorelEdit Nested("a(b(c)d)e");
  EXPECT_EQ(Levels(Nested), (std::vector<int>{0, 1, 1, 2, 2, 2, 1, 1, 0}));
  TYorelEdit Unbalanced(")x(");
  EXPECT_EQ(Levels(Unbalanced), (std::vector<int>{0, -1, 0}));
}

TEST(Scanner, FollowsEditsThatChangeTheMeaningOfWhatFollows) {
  struct {
    QString Text;
    int Start, Length;
    QString Insert;
    QStringList Ranges;
  } Cases[] = {
      // Deleting the opening of a comment brings back what it hid.
      {"/* a */ b", 1, 2, "", {"normal:  a ", "symbol: */", "normal:  b"}},
      // A lone slash becomes the start of a comment.
      {"a / b", 4, 0, "*", {"normal: a ", "style Block Comment: /* b"}},
      // Closing an open comment ends it there and scans the rest again.
      {"/* x y", 5, 0, "*/", {"style Block Comment: /* x*/", "normal:  y"}},
      // Opening a string turns the rest into it.
      {"a mov b", 2, 0, "'", {"normal: a", "style string: ' mov b"}},
      {"a ' mov b", 3, 1, "", {"normal: a  ", "word ASM Standard: mov", "normal:  b"}},
      // A line break ends a line comment.
      {"// a mov",
       5,
       0,
       "\r\n",
       {"style Line Comment: // a\r\n", "normal:  ", "word ASM Standard: mov"}},
      {"mo eax", 3, 0, "v", {"word ASM Standard: mov", "normal:  ", "word Registers: eax"}},
  };
  for (const auto& C : Cases) {
    TYorelEdit E(C.Text);
    Replace(E, C.Start, C.Length, C.Insert);
    EXPECT_EQ(Chain(E), C.Ranges) << C.Text.toStdString() << " + " << C.Insert.toStdString();
    ExpectTiles(E);
  }
}

TEST(Scanner, EditsDeepInsideAStyleEndItWhereARebuildWould) {
  const QString Comment = "/* aaaa bbbb cccc dddd */ mov";
  const QString Star = "/* aaaa * bbbb cccc dddd */ mov";
  const QString Open = "/* aaaa bbbb cccc dddd eeee";
  const QString String = "'aaaa bbbb cccc dddd' mov";
  const QString Line = "// aaaa bbbb cccc dddd\r\nmov";
  struct {
    QString Text;
    int Start, Length;
    QString Insert;
  } Cases[] = {
      {Comment, 9, 0, "*/"}, {Comment, 9, 0, "x"},  {Comment, 9, 0, "*"},
      {Star, 10, 0, "/"},    {Comment, 9, 3, "*/"}, {Open, 12, 0, "*/"},
      {Open, 12, 0, "x"},    {String, 8, 0, "'"},   {String, 8, 0, "\\'"},
      {String, 8, 0, "\\"},  {String, 9, 0, "\\"},  {Line, 9, 0, "\r\n"},
      {Line, 9, 0, "\r"},    {Line, 9, 0, "x"},     {"'aaaa bbbb \\' cccc dddd' x", 12, 1, ""},
  };
  for (const auto& C : Cases) {
    TYorelEdit E(C.Text);
    Replace(E, C.Start, C.Length, C.Insert);
    EXPECT_EQ(Chain(E), Chain(TYorelEdit(E.Text())))
        << C.Text.toStdString() << " + " << C.Insert.toStdString() << " at " << C.Start;
  }
}

TEST(Scanner, KeepsTheOldChainBehindTheEdit) {
  TYorelEdit E("mov eax, 1\r\npush ebx\r\npop ecx");
  TSyntaxRange* Pop = E.LastSyntaxRange()->PrevRange()->PrevRange();
  ASSERT_EQ(Describe(*Pop), "word ASM Standard: pop");
  Replace(E, 2, 0, "o");
  EXPECT_EQ(E.LastSyntaxRange()->PrevRange()->PrevRange(), Pop);
  EXPECT_EQ(Chain(E).first(), "normal: moov ");
  ExpectTiles(E);
}

TEST(Scanner, RunsOfTheSameKindMayStaySplitAfterAnEdit) {
  TYorelEdit E(" ax");
  Replace(E, 3, 1, "");
  EXPECT_EQ(Chain(E), (QStringList{"normal:  ", "normal: a"}));
  ExpectTiles(E);
}

TEST(Scanner, DisabledColouringKeepsNoRanges) {
  TYorelEdit E("mov eax, 1");
  E.SyntaxColoring()->SetEnabled(false);
  EXPECT_EQ(E.FirstSyntaxRange(), nullptr);
  Replace(E, 1, 0, "x");
  EXPECT_EQ(E.FirstSyntaxRange(), nullptr);
  E.SyntaxColoring()->SetEnabled(true);
  EXPECT_EQ(Chain(E).first(), "normal: xmov ");
}

TEST(Scanner, EmptyTextKeepsNoRanges) {
  TYorelEdit E("mov");
  Replace(E, 1, 3, "");
  EXPECT_EQ(E.FirstSyntaxRange(), nullptr);
  EXPECT_EQ(E.LastSyntaxRange(), nullptr);
}

TEST(Scanner, AnOpenUpdateHoldsScansUntilItsEnd) {
  TYorelEdit E("mov eax");
  E.SyntaxColoring()->BeginUpdate();
  Replace(E, 3, 0, "x");
  EXPECT_EQ(Chain(E).first(), "word ASM Standard: moxv");  // the old range took the character
  E.SyntaxColoring()->EndUpdate();
  EXPECT_EQ(Chain(E), (QStringList{"normal: moxv ", "word Registers: eax"}));
}

TEST(Scanner, ACustomStyleWithAnEmptyBeginTextNeverMatches) {
  TSpySourceEdit E;
  // With an escaped one-character end text, a style that began everywhere would find its
  // own end again and again.
  AddStyle(E, "", "x", "x");
  E.SetText("axxb c");
  EXPECT_EQ(Chain(E), QStringList{"normal: axxb c"});
  EXPECT_EQ(E.SyntaxColoring()->CustomStyles()->FindStyle(u"abc"), nullptr);
}

TEST(Scanner, SwitchableStyles) {
  struct {
    QString Text;
    bool Exclude;  // the switchable style may not switch to the string style
    QStringList Ranges;
  } Cases[] = {
      {"<a 'b' c>d",
       false,
       {"style <: <a ", "style ': 'b'", "normal:  c", "symbol: >", "normal: d"}},
      {"<a 'b' c>d", true, {"style <: <a 'b' c>", "normal: d"}},
      {"<a\\>b>c", false, {"style <: <a\\>b>", "normal: c"}},
      {"<a <b>c", false, {"style <: <a <b>", "normal: c"}},
      {"<a", false, {"style <: <a"}},
  };
  for (const auto& C : Cases) {
    TSpySourceEdit E;
    TCustomStyle* Angle = AddStyle(E, "<", ">", "\\", true);
    TCustomStyle* Quote = AddStyle(E, "'", "'");
    if (C.Exclude) Angle->SetDontSwitchTo1(Quote);
    E.SetText(C.Text);
    EXPECT_EQ(Chain(E), C.Ranges) << C.Text.toStdString() << " exclude " << C.Exclude;
    ExpectTiles(E);
  }
}

TEST(Scanner, ASwitchableStyleEndingWithTheLineTakesTheLineBreak) {
  TSpySourceEdit E;
  AddStyle(E, "--", "#13", QString(), true);
  E.SetText("--a\r\nb");
  EXPECT_EQ(Chain(E), (QStringList{"style --: --a\r\n", "normal: b"}));
}

TEST(Scanner, AShorterWholeTextLeavesNoStaleRanges) {
  struct {
    QString Before, After;
    QStringList Ranges;
    std::vector<int> Levels;
  } Cases[] = {
      {"(a", "x", {"normal: x"}, {0}},
      {"mov eax", "x", {"normal: x"}, {0}},
      {"(a)))", ")b", {"close: )", "normal: b"}, {0, -1}},
      {"mov eax", "", {}, {}},
      {"x",
       "eax, (1)",
       {"word Registers: eax", "symbol: ,", "normal:  ", "open: (", "number: 1", "close: )"},
       {0, 0, 0, 1, 1, 1}},
  };
  for (const auto& C : Cases) {
    TYorelEdit E(C.Before);
    E.SetText(C.After);
    EXPECT_EQ(Chain(E), C.Ranges) << C.Before.toStdString() << " -> " << C.After.toStdString();
    EXPECT_EQ(Levels(E), C.Levels) << C.Before.toStdString() << " -> " << C.After.toStdString();
    ExpectTiles(E);
  }
}

TEST(Scanner, InsideAnUpdateAnEmptyRangeAtAReplacedTextIsOverwritten) {
  TYorelEdit E("(a)))");
  E.SyntaxColoring()->BeginUpdate();
  E.SetText(")b");
  // The ranges follow as tracked ranges do: those past the new end are cut to its start.
  auto Extents = [&] {
    std::vector<std::pair<int, int>> Result;
    for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
      Result.emplace_back(R->RStart(), R->REnd());
    return Result;
  };
  EXPECT_EQ(Extents(), (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}, {2, 2}}));
  Replace(E, 1, 1, "z");
  EXPECT_EQ(Extents(), (std::vector<std::pair<int, int>>{{2, 2}}));
  E.SyntaxColoring()->EndUpdate();
  EXPECT_EQ(Chain(E), QStringList{"normal: zb"});
}

TEST(Scanner, TheSearchGoesOnRightAfterAnEscapedEndText) {
  TSpySourceEdit E;
  AddStyle(E, "/*", "*/", "\\");
  E.SetText("/* a \\*/*/ b");
  EXPECT_EQ(Chain(E), (QStringList{"style /*: /* a \\*/*/", "normal:  b"}));
  E.SetText("/* a \\*/ b");
  EXPECT_EQ(Chain(E), QStringList{"style /*: /* a \\*/ b"});
}

TEST(Scanner, AScanStoppedByAnErrorLeavesColouringOn) {
  class TFailingOnce : public TYorelEdit {
   public:
    using TYorelEdit::TYorelEdit;
    bool RemoveOverlappedRanges(TSyntaxRange* NewRange, TSyntaxRange*& Cursor) override {
      if (std::exchange(Fail, false)) throw std::runtime_error("no memory");
      return TYorelEdit::RemoveOverlappedRanges(NewRange, Cursor);
    }
    bool Fail = false;
  } E("mov eax");
  E.Fail = true;
  EXPECT_THROW(Replace(E, 1, 0, "x"), std::runtime_error);
  EXPECT_EQ(E.SyntaxColoring()->UpdateDebth(), 0);
  E.SyntaxColoring()->ColoringChange();
  EXPECT_EQ(Chain(E), (QStringList{"normal: xmov ", "word Registers: eax"}));
  Replace(E, 1, 1, "");
  EXPECT_EQ(Chain(E), (QStringList{"word ASM Standard: mov", "normal:  ", "word Registers: eax"}));
  ExpectTiles(E);
}

TEST(Scanner, ABigTextIsScannedInSlicesFromTheEventLoopAndOnEveryRead) {
  QString Text;
  for (int Row = 0; Row < 200; ++Row)
    Text += QStringLiteral("mov eax, (ebx) ; %1\r\n").arg(Row);
  TYorelEdit Whole(Text);
  TYorelEdit E;
  int Progress = 0;
  bool PendingWhenTold = false;
  E.OnScanProgress = [&](TObject*) {
    ++Progress;
    PendingWhenTold = E.SyntaxChain()->ScanPending();
  };
  E.SetScanSliceLength(500);
  E.SetText(Text);
  // The first slice and no more, with the rest left to the event loop's timer.
  EXPECT_TRUE(E.SyntaxChain()->ScanPending());
  EXPECT_GT(E.ScannedLength(), 500);
  EXPECT_LT(E.ScannedLength(), 600);
  EXPECT_EQ(E.Host.Timers.count(2), 1u);
  EXPECT_EQ(Progress, 1);
  EXPECT_EQ(E.SyntaxChain()->CheckInvariants(), QString());
  // A read goes on as far as it reads.
  const int Row50 = E.CellToCharIdx(TextCell(50, 1));
  ASSERT_NE(E.SyntaxRangeAtPos(Row50), nullptr);
  EXPECT_GE(E.ScannedLength(), Row50);
  EXPECT_LT(E.ScannedLength(), Row50 + 600);
  // While the colouring's update is open the timer stops, and its end scans again.
  E.SyntaxColoring()->BeginUpdate();
  E.Perform(WM_TIMER, 2);
  EXPECT_EQ(E.Host.Timers.count(2), 0u);
  E.SyntaxColoring()->EndUpdate();
  EXPECT_EQ(E.Host.Timers.count(2), 1u);
  // Each turn of the timer scans one slice; the last one stops the timer.
  int Turns = 0;
  while (E.Host.Timers.count(2) && Turns < 100) {
    E.Perform(WM_TIMER, 2);
    ++Turns;
  }
  EXPECT_FALSE(E.SyntaxChain()->ScanPending());
  EXPECT_EQ(E.ScannedLength(), E.TextLength());
  EXPECT_GT(Turns, 5);
  // Told of the load, of every slice, and last that nothing is left.
  EXPECT_GT(Progress, 1 + Turns);
  EXPECT_FALSE(PendingWhenTold);
  EXPECT_EQ(Chain(E), Chain(Whole));
  EXPECT_EQ(Levels(E), Levels(Whole));
  EXPECT_EQ(E.SyntaxChain()->CheckInvariants(), QString());
}
