// The chain of syntax ranges: linking and unlinking, lookups, equal endings per class,
// replacing old ranges by a new one, and the checks that it tiles the text.
#include <gtest/gtest.h>

#include <functional>

#include "SourceEditFixture.h"

namespace {
/** An editor whose chain the test builds by hand: colouring stays off, so no scan runs. */
class TManualChain : public TSpySourceEdit {
 public:
  explicit TManualChain(const QString& Text) {
    SyntaxColoring()->SetEnabled(false);
    SetText(Text);
  }
  template <class T = TNormalTextRange>
  T* Append(int Start, int End) {
    T* Range = TSyntaxRange::NewRangeInsertedBefore<T>(nullptr, this);
    Range->SetRStart(Start);
    Range->SetREnd(End);
    return Range;
  }
};

template <class T>
std::unique_ptr<T> Loose(int End) {
  auto Range = std::make_unique<T>(nullptr);
  Range->SetRStart(1);
  Range->SetREnd(End);
  return Range;
}
}  // namespace

TEST(Chain, LinksNewRangesAndKeepsBothEnds) {
  TManualChain E("abcdef");
  EXPECT_EQ(TSyntaxRange::NewRangeInsertedBefore<TNormalTextRange>(nullptr, nullptr), nullptr);
  EXPECT_EQ(TSyntaxRange::NewRangeInsertedAfter<TNormalTextRange>(nullptr, &E), nullptr);
  TNormalTextRange* B = E.Append(3, 4);
  EXPECT_EQ(E.FirstSyntaxRange(), B);
  EXPECT_EQ(E.LastSyntaxRange(), B);
  EXPECT_EQ(B->Editor(), &E);
  EXPECT_EQ(E.TrackedRanges()->Items(E.TrackedRanges()->Count() - 1), B);
  TSyntaxRange* A = B->InsertBefore(&TSyntaxRange::Create<TSymbolRange>);
  TSyntaxRange* C = TSyntaxRange::NewRangeInsertedAfter<TNumberRange>(B, &E);
  TSyntaxRange* D = C->InsertAfter(&TSyntaxRange::Create<TNormalTextRange>);
  EXPECT_EQ(A->ClassName(), "TSymbolRange");
  EXPECT_EQ(C->ClassName(), "TNumberRange");
  EXPECT_EQ(E.FirstSyntaxRange(), A);
  EXPECT_EQ(E.LastSyntaxRange(), D);
  const std::vector<TSyntaxRange*> Order{A, B, C, D};
  for (size_t I = 0; I < Order.size(); ++I) {
    EXPECT_EQ(Order[I]->PrevRange(), I > 0 ? Order[I - 1] : nullptr);
    EXPECT_EQ(Order[I]->NextRange(), I + 1 < Order.size() ? Order[I + 1] : nullptr);
  }
  EXPECT_FALSE(A->FreeWhenDone);
}

TEST(Chain, AFreedRangeUnlinksItself) {
  TManualChain E("abcdef");
  TSyntaxRange* A = E.Append(1, 2);
  TSyntaxRange* B = E.Append(3, 4);
  TSyntaxRange* C = E.Append(5, 6);
  E.SyntaxStartRange = B;
  delete B;
  EXPECT_EQ(E.SyntaxStartRange, nullptr);
  EXPECT_EQ(A->NextRange(), C);
  EXPECT_EQ(C->PrevRange(), A);
  delete A;
  EXPECT_EQ(E.FirstSyntaxRange(), C);
  EXPECT_EQ(C->PrevRange(), nullptr);
  delete C;
  EXPECT_EQ(E.FirstSyntaxRange(), nullptr);
  EXPECT_EQ(E.LastSyntaxRange(), nullptr);
}

TEST(Chain, LookupFromAnyTipFindsTheRangeAtAPosition) {
  TYorelEdit E("mov eax, 1");
  std::vector<TSyntaxRange*> Tips{nullptr};
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
    Tips.push_back(R);
  EXPECT_EQ(E.SyntaxRangeAtPos(0), E.FirstSyntaxRange());
  EXPECT_EQ(E.SyntaxRangeAtPos(E.TextLength() + 1), nullptr);
  for (int Pos = 0; Pos <= E.TextLength() + 1; ++Pos) {
    TSyntaxRange* Expected = E.SyntaxRangeAtPos(Pos);
    EXPECT_TRUE(!Expected || Pos < 1 || Expected->CharInRange(Pos)) << Pos;
    for (TSyntaxRange* Tip : Tips)
      EXPECT_EQ(E.SyntaxRangeAtPosWithTip(Pos, Tip), Expected) << Pos;
  }
  TManualChain Empty("abc");
  EXPECT_EQ(Empty.SyntaxRangeAtPos(0), nullptr);
  EXPECT_EQ(Empty.SyntaxRangeAtPosWithTip(1, nullptr), nullptr);
}

TEST(Chain, EqualEndingsNeedTheSameEndKindAndAttribute) {
  TSyntaxColoring C(nullptr);
  TWordList* L1 = C.WordLists()->Add();
  TWordList* L2 = C.WordLists()->Add();
  TCustomStyle* S1 = C.CustomStyles()->Add();
  TCustomStyle* S2 = C.CustomStyles()->Add();
  auto Word = [](int End, TWordList* L) {
    auto R = Loose<TWordListRange>(End);
    R->SetWordList(L);
    return R;
  };
  auto Style = [](int End, TCustomStyle* S) {
    auto R = Loose<TCustomStyleRange>(End);
    R->SetStyle(S);
    return R;
  };
  auto Symbol = [](int End, const QString& Text) {
    auto R = Loose<TSymbolRange>(End);
    R->SetSymbol(Text);
    return R;
  };
  auto Number = [](int End, const QString& Text) {
    auto R = Loose<TNumberRange>(End);
    R->SetNumber(Text);
    return R;
  };
  auto Parenthesis = [](int End, TParenthesisStyle S) {
    auto R = Loose<TParenthesisRange>(End);
    R->SetStyle(S);
    return R;
  };
  const auto Open = TParenthesisStyle::psOpening, Close = TParenthesisStyle::psClosing;
  struct {
    const char* What;
    std::unique_ptr<TSyntaxRange> A, B;
    bool Equal;
  } Cases[] = {
      {"normal", Loose<TNormalTextRange>(4), Loose<TNormalTextRange>(4), true},
      {"normal, other end", Loose<TNormalTextRange>(4), Loose<TNormalTextRange>(5), false},
      {"normal and symbol", Loose<TNormalTextRange>(4), Symbol(4, "+"), false},
      {"same list, other words", Word(4, L1), Word(4, L1), true},
      {"other list", Word(4, L1), Word(4, L2), false},
      {"same style", Style(4, S1), Style(4, S1), true},
      {"other style", Style(4, S1), Style(4, S2), false},
      {"same symbol", Symbol(4, "+"), Symbol(4, "+"), true},
      {"other symbol", Symbol(4, "+"), Symbol(4, "-"), false},
      {"same number", Number(4, "12"), Number(4, "12"), true},
      {"other number", Number(4, "12"), Number(4, "13"), false},
      {"number and normal", Number(4, "12"), Loose<TNormalTextRange>(4), false},
      {"both opening", Parenthesis(4, Open), Parenthesis(4, Open), true},
      {"opening and closing", Parenthesis(4, Open), Parenthesis(4, Close), false},
      {"parenthesis, other end", Parenthesis(4, Open), Parenthesis(3, Open), false},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(Case.A->EqualEndingsWith(Case.B.get()), Case.Equal) << Case.What;
    EXPECT_EQ(TSyntaxRange::EqualEndings(Case.A.get(), Case.B.get()), Case.Equal) << Case.What;
  }
  EXPECT_FALSE(TSyntaxRange::EqualEndings(nullptr, Cases[0].A.get()));
  EXPECT_FALSE(TSyntaxRange::EqualEndings(Cases[0].A.get(), nullptr));
}

TEST(Chain, ANewRangeFreesTheOldRangesItCovers) {
  TManualChain E("abcdefgh");
  TSyntaxRange* A = E.Append(1, 2);
  E.Append(3, 4);
  E.Append(5, 6);
  TSyntaxRange* D = E.Append(7, 8);
  TSyntaxRange* Cursor = A->NextRange();
  auto* New = TSyntaxRange::NewRangeInsertedBefore<TNormalTextRange>(Cursor, &E);
  New->SetRStart(3);
  New->SetREnd(6);
  EXPECT_TRUE(New->RemoveOverlapped(Cursor));  // the last one freed ended at 6, like it
  EXPECT_EQ(Cursor, D);
  EXPECT_EQ(A->NextRange(), New);
  EXPECT_EQ(New->NextRange(), D);
  EXPECT_EQ(E.FirstBrokenSyntaxRange(), nullptr);

  // Past the last range nothing is left to free.
  TSyntaxRange* None = nullptr;
  auto* Tail = TSyntaxRange::NewRangeInsertedBefore<TSymbolRange>(nullptr, &E);
  Tail->SetRStart(9);
  EXPECT_FALSE(Tail->RemoveOverlapped(None));
  EXPECT_EQ(None, nullptr);
  EXPECT_EQ(E.LastSyntaxRange(), Tail);
}

TEST(Chain, ACoveredRangeEndingElsewhereGivesNoResync) {
  TManualChain E("abcdef");
  E.Append(1, 4);
  TSyntaxRange* After = E.Append(5, 6);
  TSyntaxRange* Cursor = E.FirstSyntaxRange();
  auto* New = TSyntaxRange::NewRangeInsertedBefore<TNormalTextRange>(Cursor, &E);
  New->SetRStart(1);
  New->SetREnd(2);
  EXPECT_FALSE(New->RemoveOverlapped(Cursor));
  EXPECT_EQ(Cursor, After);
  EXPECT_EQ(E.FirstSyntaxRange(), New);
}

TEST(Chain, DeletingAWordFreesItsRangeBeforeTheRescan) {
  class TWatched : public TYorelEdit {
   public:
    using TYorelEdit::TYorelEdit;
    void DoTextReplaced(int Start, int OldLength, int NewLength) override {
      SeenByRescan = Chain(*this);
      TYorelEdit::DoTextReplaced(Start, OldLength, NewLength);
    }
    QStringList SeenByRescan;
  } E("mov eax");
  TMCRange Word;
  Word.SetEditor(&E);
  Word.SetRStart(1);
  Word.SetREnd(3);
  Word.SetText(QString());
  EXPECT_EQ(E.SeenByRescan, (QStringList{"normal:  ", "word Registers: eax"}));
}

TEST(Chain, ChecksFindTheFirstRangeThatBreaksTheTiling) {
  struct {
    const char* What;
    std::vector<std::pair<int, int>> Extents;
    int Broken, Overlapping;  // index of the range found, -1 for none
  } Cases[] = {
      {"tiles", {{1, 2}, {3, 6}}, -1, -1},
      {"starts late", {{2, 2}, {3, 6}}, 0, -1},
      {"ends early", {{1, 2}, {3, 5}}, 1, -1},
      {"a gap", {{1, 2}, {4, 4}, {5, 6}}, 0, -1},
      {"an overlap", {{1, 3}, {3, 6}}, 0, 0},
      {"the second overlaps", {{1, 1}, {2, 4}, {4, 6}}, 1, 1},
  };
  for (const auto& Case : Cases) {
    TManualChain E("abcdef");
    std::vector<TSyntaxRange*> Ranges;
    for (auto [Start, End] : Case.Extents)
      Ranges.push_back(E.Append(Start, End));
    auto Found = [&](int Index) { return Index < 0 ? nullptr : Ranges[Index]; };
    EXPECT_EQ(E.FirstBrokenSyntaxRange(), Found(Case.Broken)) << Case.What;
    EXPECT_EQ(E.FirstOverlappingSyntaxRange(), Found(Case.Overlapping)) << Case.What;
  }
  TManualChain Empty("abc");
  EXPECT_EQ(Empty.FirstBrokenSyntaxRange(), nullptr);
}

TEST(Chain, TheInvariantCheckNamesWhatIsWrong) {
  struct {
    const char* What;
    std::function<void(TManualChain&)> Build;
    const char* Fault;  // the start of the description, empty for a sound chain
  } Cases[] = {
      {"sound",
       [](TManualChain& E) {
         E.Append<TParenthesisRange>(1, 1)->SetParenthesisLevel(1);
         E.Append(2, 6)->SetParenthesisLevel(1);
       },
       ""},
      {"a gap", [](TManualChain& E) { E.Append(1, 2), E.Append(4, 6); }, "a gap"},
      {"an empty range", [](TManualChain& E) { E.Append(1, 6), E.Append(7, 6); }, "an empty"},
      {"ends early", [](TManualChain& E) { E.Append(1, 5); }, "the last range ends"},
      {"a level that is no count", [](TManualChain& E) { E.Append<TParenthesisRange>(1, 6); },
       "level 0 instead of 1"},
  };
  for (const auto& Case : Cases) {
    TManualChain E("abcdef");
    Case.Build(E);
    const QString Fault = E.SyntaxChain()->CheckInvariants();
    EXPECT_TRUE(*Case.Fault ? Fault.startsWith(Case.Fault) : Fault.isEmpty())
        << Case.What << ": " << Fault.toStdString();
  }
}

TEST(Chain, DebuggableRangesAreAppended) {
  TYorelEdit E("mov 1");
  TDebuggableRanges Ranges{{7, 8, "kept", "TFirst"}};
  E.GetDebuggableRanges(Ranges);
  ASSERT_EQ(Ranges.size(), 4u);
  EXPECT_EQ(Ranges[0].ClassName, "TFirst");
  EXPECT_EQ(Ranges[1].ClassName, "TWordListRange");
  EXPECT_EQ(Ranges[2].Text, " ");
  EXPECT_EQ(Ranges[3].RStart, 5);
  EXPECT_EQ(Ranges[3].REnd, 5);
  EXPECT_EQ(Ranges[3].ClassName, "TNumberRange");
}
