// Drawing through the chain: which pieces the painter gets for a stretch of text, in which
// fonts and colours, and what reaches the screen.
#include <gtest/gtest.h>

#include "SourceEditFixture.h"
#include "editor/SelectionRange.h"

namespace {
struct TPiece {
  int Start = 0, End = 0;
  bool Copy = false;  ///< a temporary piece the painter frees, not a syntax range
  TColor FontColor = 0, Background = 0;
  bool Bold = false;
  QString FontName;
  const TCustomFormattedRange* Range = nullptr;
};

std::vector<TPiece> Pieces(TSourceEdit& E, int Start, int End, bool Plain = false) {
  TMCRange Stretch;
  Stretch.SetEditor(&E);
  Stretch.SetRStart(Start);
  Stretch.SetREnd(End);
  TFormattedRangeArray Items;
  if (Plain)
    E.TMemoComponent::GetFormattedRanges(&Stretch, Items);
  else
    E.GetFormattedRanges(&Stretch, Items);
  std::vector<TPiece> Result;
  for (TCustomFormattedRange* Item : Items) {
    const TFont* Font = Item->Font();
    Result.push_back({Item->RStart(), Item->REnd(), Item->FreeWhenDone, Font->Color(),
                      Item->Color(), Font->Style().Contains(TFontStyle::fsBold), Font->Name(),
                      Item->FreeWhenDone ? nullptr : Item});
    if (Item->FreeWhenDone) delete Item;
  }
  return Result;
}

void Select(TSourceEdit& E, int Start, int Length) {
  E.SetSelStart(Start - 1);
  E.SetSelLength(Length);
}

constexpr TColor AsmColor = 16711936, HlColor = clBlack, BlockCommentColor = clGreen;
}  // namespace

TEST(Drawing, WholeRangesGoToThePainterThemselves) {
  TYorelEdit E("mov eax");
  const auto P = Pieces(E, 1, 7);
  ASSERT_EQ(P.size(), 3u);
  const TSyntaxRange* R = E.FirstSyntaxRange();
  for (const TPiece& Piece : P) {
    EXPECT_FALSE(Piece.Copy);
    EXPECT_EQ(Piece.Range, R);
    R = R->NextRange();
  }
  EXPECT_EQ(P[0].FontColor, AsmColor);
  EXPECT_EQ(P[1].FontColor, clWindowText);
  EXPECT_EQ(P[0].Background, clWindow);
}

TEST(Drawing, AStretchInsideOneLongRangeIsACopy) {
  TYorelEdit E("/* a\r\nbcd\r\ne */");
  const auto P = Pieces(E, 7, 9);
  ASSERT_EQ(P.size(), 1u);
  EXPECT_TRUE(P[0].Copy);
  EXPECT_EQ(P[0].Start, 7);
  EXPECT_EQ(P[0].End, 9);
  EXPECT_EQ(P[0].FontColor, BlockCommentColor);
  EXPECT_EQ(P[0].Background, clWindow);
}

TEST(Drawing, TheSelectionCutsRangesIntoCopies) {
  // "while 1": a bold keyword, a space, a number.
  const TColor W = clWindow, H = clHighlight, HT = clHighlightText, T = clWindowText;
  struct {
    const char* What;
    int SelStart, SelLength;
    bool Hidden;
    // start, end, copy, background, font colour
    std::vector<std::tuple<int, int, bool, TColor, TColor>> Pieces;
  } Cases[] = {
      {"middle of a keyword",
       2,
       3,
       false,
       {{1, 1, true, W, HlColor},
        {2, 4, true, H, HT},
        {5, 5, true, W, HlColor},
        {6, 6, false, W, T},
        {7, 7, false, W, clNavy}}},
      {"a whole range",
       7,
       1,
       false,
       {{1, 5, false, W, HlColor}, {6, 6, false, W, T}, {7, 7, true, H, HT}}},
      {"hidden",
       2,
       3,
       true,
       {{1, 5, false, W, HlColor}, {6, 6, false, W, T}, {7, 7, false, W, clNavy}}},
      {"empty",
       2,
       0,
       false,
       {{1, 5, false, W, HlColor}, {6, 6, false, W, T}, {7, 7, false, W, clNavy}}},
  };
  for (const auto& Case : Cases) {
    TYorelEdit E("while 1");
    Select(E, Case.SelStart, Case.SelLength);
    E.Selection()->SetHidden(Case.Hidden);
    const auto P = Pieces(E, 1, 7);
    ASSERT_EQ(P.size(), Case.Pieces.size()) << Case.What;
    for (size_t I = 0; I < P.size(); ++I) {
      const auto [Start, End, Copy, Background, FontColor] = Case.Pieces[I];
      EXPECT_EQ(P[I].Start, Start) << Case.What << " " << I;
      EXPECT_EQ(P[I].End, End) << Case.What << " " << I;
      EXPECT_EQ(P[I].Copy, Copy) << Case.What << " " << I;
      EXPECT_EQ(P[I].Background, Background) << Case.What << " " << I;
      EXPECT_EQ(P[I].FontColor, FontColor) << Case.What << " " << I;
    }
    EXPECT_TRUE(P[0].Bold) << Case.What;
    if (P[1].Background == clHighlight) {
      EXPECT_TRUE(P[1].Bold) << "the selected part keeps the keyword's font";
    }
  }
}

TEST(Drawing, DisabledColouringDrawsLikeThePlainEditor) {
  TYorelEdit E("mov eax, 1");
  Select(E, 3, 4);
  E.SyntaxColoring()->SetEnabled(false);
  const auto Got = Pieces(E, 1, 10);
  const auto Plain = Pieces(E, 1, 10, true);
  ASSERT_EQ(Got.size(), Plain.size());
  for (size_t I = 0; I < Got.size(); ++I) {
    EXPECT_EQ(Got[I].Start, Plain[I].Start);
    EXPECT_EQ(Got[I].End, Plain[I].End);
    EXPECT_EQ(Got[I].FontColor, Plain[I].FontColor);
    EXPECT_EQ(Got[I].Background, Plain[I].Background);
  }
}

TEST(Drawing, AFontChangeReachesEveryPiece) {
  TSpySourceEdit E;
  TWordList* List = E.SyntaxColoring()->WordLists()->Add();
  List->Words()->Add("mov");
  List->SetCustomColor(false);
  TCustomStyle* Comment = E.SyntaxColoring()->CustomStyles()->Add();
  Comment->SetBeginText("//");
  E.SetText("mov x // c");
  E.Font()->SetColor(clPurple);
  E.Font()->SetName("Liberation Mono");
  for (const TPiece& Piece : Pieces(E, 1, 10)) {
    EXPECT_EQ(Piece.FontName, "Liberation Mono") << Piece.Start;
    EXPECT_EQ(Piece.FontColor, Piece.Start == 7 ? Comment->Color() : clPurple) << Piece.Start;
  }
}

TEST(Drawing, TheHintFollowsRequestsAndForgetsAFreedRange) {
  TYorelEdit E("mov eax");
  Pieces(E, 1, 3);
  ASSERT_NE(E.SyntaxStartRange, nullptr);
  EXPECT_EQ(E.SyntaxStartRange->RStart(), 4);
  Pieces(E, 4, 7);
  EXPECT_EQ(E.SyntaxStartRange, nullptr);
  Pieces(E, 1, 3);
  delete E.SyntaxStartRange;
  EXPECT_EQ(E.SyntaxStartRange, nullptr);
  const auto P = Pieces(E, 1, 3);
  ASSERT_EQ(P.size(), 1u);
  EXPECT_EQ(P[0].Range, E.FirstSyntaxRange());
}

TEST(Drawing, PaintsEveryKindInItsColours) {
  TYorelEdit E("if (mov eax, 1) // c\r\n'a\\'b' #x y");
  E.Forget();
  E.Paint();
  QStringList Texts;
  std::vector<TColor> Colors;
  std::vector<bool> Bold;
  for (const TDrawCall& Call : E.Host.Surface.Calls)
    if (Call.What == TDrawCall::Text) {
      Texts << Call.Str;
      Colors.push_back(Call.FontColor);
      Bold.push_back(Call.Bold);
    }
  EXPECT_EQ(Texts, (QStringList{"if", " ", "(", "mov", " ", "eax", ",", " ", "1", ")", " ", "// c",
                                "'a\\'b'", " ", "#x ", "y"}));
  const TColor Registers = 511, LineComment = 32769, String = 8388609, Directive = 384;
  EXPECT_EQ(Colors,
            (std::vector<TColor>{HlColor, clWindowText, clNavy, AsmColor, clWindowText, Registers,
                                 clNavy, clWindowText, clNavy, clNavy, clWindowText, LineComment,
                                 String, clWindowText, Directive, clWindowText}));
  EXPECT_EQ(Bold, (std::vector<bool>{true, false, false, false, false, false, false, false, false,
                                     false, false, false, false, false, false, false}));
}

TEST(Drawing, TextNotScannedYetIsDrawnPlainWithItsSelectionAndScansNothing) {
  QString Text;
  for (int Row = 0; Row < 40; ++Row)
    Text += QStringLiteral("mov eax, 1\r\n");
  TYorelEdit E;
  E.SetScanSliceLength(30);
  E.SetText(Text);
  const int Scanned = E.ScannedLength();
  ASSERT_LT(Scanned, 60);
  // A stretch across the end of the scanned part, half selected.
  const int Start = Scanned - 5, End = Scanned + 40;
  Select(E, Scanned + 3, 10);
  const auto P = Pieces(E, Start, End);
  EXPECT_EQ(E.ScannedLength(), Scanned);
  std::vector<TPiece> Tail;
  for (const TPiece& Piece : P)
    if (Piece.Start > Scanned) Tail.push_back(Piece);
  const auto Plain = Pieces(E, Scanned + 1, End, true);
  ASSERT_EQ(Tail.size(), Plain.size());
  for (std::size_t I = 0; I < Tail.size(); ++I) {
    EXPECT_EQ(Tail[I].Start, Plain[I].Start);
    EXPECT_EQ(Tail[I].End, Plain[I].End);
    EXPECT_EQ(Tail[I].FontColor, Plain[I].FontColor);
    EXPECT_EQ(Tail[I].Background, Plain[I].Background);
  }
  EXPECT_EQ(P.front().Start, Start);
  EXPECT_EQ(P.back().End, End);
  // Once scanned, the same stretch is coloured.
  E.LastSyntaxRange();
  bool Coloured = false;
  for (const TPiece& Piece : Pieces(E, Scanned + 1, End))
    Coloured = Coloured || Piece.FontColor == AsmColor;
  EXPECT_TRUE(Coloured);
}
