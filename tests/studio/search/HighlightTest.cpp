// What is marked under the text: matches in view, the selected word's other occurrences,
// the parenthesis pair at the caret, drawn by the editor's own painting.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QImage>

#include "EditorWindowFixture.h"
#include "editor/SelectionRange.h"
#include "studio/search/EditorHighlights.h"

namespace {
struct HighlightFixture : EditorWindowFixture {
  // The background of the character at Pos, as drawn.
  QColor BackgroundAt(int Pos) const {
    const QImage Shot = EditorWidget(*Code)->grab().toImage();
    TMCRange Char;
    Char.SetEditor(E);
    Char.SetRStart(Pos);
    Char.SetREnd(Pos);
    const TPoint P = Char.StartPoint();
    QWidget* Host = EditorWidget(*Code);
    const QPoint InViewport = static_cast<QAbstractScrollArea*>(Host)->viewport()->mapTo(Host, QPoint(P.X + 1, P.Y + 1));
    return Shot.pixelColor(InViewport);
  }
  static QColor Rgb(TColor C) { return QColor(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF); }
};
}  // namespace

TEST(Highlight, MatchesInViewAreDrawnUnderTheTextAndGoWithTheBar) {
  HighlightFixture S;
  S.Open("mov ax, bx\r\nadd ax, 1\r\n");
  S.E->SetSelStart(0);
  TSearchHighlighter& Layer = S.Code->Highlights().Search();
  Layer.SetFindPattern(TSearchOptions{QStringLiteral("ax")});
  const QColor Match = HighlightFixture::Rgb(TSearchHighlighter::MatchColor);
  EXPECT_EQ(S.BackgroundAt(5), Match);
  EXPECT_EQ(S.BackgroundAt(17), Match);
  EXPECT_NE(S.BackgroundAt(1), Match);
  // Marks follow the text as it changes.
  S.E->SetSelStart(0);
  S.E->Selection()->SetText(QStringLiteral("  "));
  EXPECT_EQ(S.BackgroundAt(7), Match);
  EXPECT_NE(S.BackgroundAt(5), Match);
  Layer.SetFindPattern(std::nullopt);
  EXPECT_NE(S.BackgroundAt(7), Match);
  // On a dark background the marker keeps the light text readable: it stays dark.
  S.E->SetColor(0x221F1E);
  Layer.SetFindPattern(TSearchOptions{QStringLiteral("ax")});
  const QColor Dark = S.BackgroundAt(7);
  EXPECT_NE(Dark, HighlightFixture::Rgb(0x221F1E));
  EXPECT_LT(Dark.lightness(), 128);
}

TEST(Highlight, TheSelectedWordMarksItsOtherOccurrences) {
  HighlightFixture S;
  S.Open("ax eax ax\r\nax");
  const QColor Word = HighlightFixture::Rgb(TSearchHighlighter::WordColor);
  S.E->SetSelStart(0);
  S.E->SetSelLength(2);
  EXPECT_EQ(S.BackgroundAt(8), Word);
  EXPECT_EQ(S.BackgroundAt(12), Word);
  EXPECT_NE(S.BackgroundAt(5), Word);  // inside "eax": not a whole word
  S.E->SetSelLength(1);                // "a" is not a whole word
  EXPECT_NE(S.BackgroundAt(8), Word);
}

TEST(Highlight, ParenthesisPairs) {
  const struct {
    const char* Text;
    int Caret;
    TParenthesisPair Pair;
  } Cases[] = {
      {"a(b(c)d)e", 2, {2, 8}},  // before the outer opening one
      {"a(b(c)d)e", 9, {8, 2}},  // after the outer closing one
      {"a(b(c)d)e", 7, {6, 4}},  // after the inner closing one
      {"a(b(c)d)e", 5, {4, 6}},  // after the inner opening one
      {")x(", 1, {1, 0}},        // closes nothing
      {")x(", 3, {3, 0}},        // never closed
      {"(a\r\n(b)", 1, {1, 0}},
      {"abc", 2, {0, 0}},
  };
  for (const auto& C : Cases) {
    HighlightFixture S;
    S.Open(C.Text);
    S.E->SetSelStart(C.Caret - 1);
    EXPECT_EQ(S.Code->Highlights().Parentheses().Pair(), C.Pair) << C.Text << " at " << C.Caret;
  }
  HighlightFixture S;
  S.Open("x(a)) y");
  S.E->SetSelStart(1);
  EXPECT_EQ(S.BackgroundAt(2), HighlightFixture::Rgb(TParenthesisHighlighter::MatchColor));
  EXPECT_EQ(S.BackgroundAt(4), HighlightFixture::Rgb(TParenthesisHighlighter::MatchColor));
  S.E->SetSelStart(5);
  EXPECT_EQ(S.BackgroundAt(5), HighlightFixture::Rgb(TParenthesisHighlighter::ErrorColor));
  EXPECT_NE(S.BackgroundAt(2), HighlightFixture::Rgb(TParenthesisHighlighter::MatchColor));
}

TEST(Highlight, APartnerInTextNotScannedYetIsMarkedOnceScannedAndJumpedToAtOnce) {
  // Longer than one slice of the scan, which a window opening it leaves to the event loop.
  QByteArray Text = "(";
  for (int Row = 0; Row < 8000; ++Row)
    Text += "mov eax, 1\r\n";
  Text += ")";
  HighlightFixture S;
  S.Open(Text);
  ASSERT_TRUE(S.E->SyntaxChain()->ScanPending());
  const int Scanned = S.E->ScannedLength();
  S.E->SetSelStart(0);
  // Unknown rather than unmatched, and found without scanning on.
  EXPECT_EQ(S.Code->Highlights().Parentheses().Pair(), TParenthesisPair{});
  EXPECT_EQ(S.E->ScannedLength(), Scanned);
  // The command scans as far as it needs.
  EXPECT_TRUE(S.Code->Highlights().Parentheses().JumpToPartner());
  EXPECT_EQ(S.E->SelStart(), Text.size() - 1);
  S.E->SetSelStart(0);
  EXPECT_EQ(S.Code->Highlights().Parentheses().Pair(), (TParenthesisPair{1, int(Text.size())}));
}
