/** @file TextModel.h
 ** A plain reference model of the editor's text for the randomised test: a string whose
 ** rows are found from scratch, tracked ranges, the selection and the undo and redo lists,
 ** each moved by its rules in their simplest form, without any of the editor's code. **/
#pragma once

#include <algorithm>
#include <string>
#include <vector>

struct TModelRange {
  int Start = 1;
  int End = 0;
  int Length() const { return End - Start + 1; }
};

struct TModelTrackedRange : TModelRange {
  int Changes = 0;
  int Overwrites = 0;
};

struct TModelRecord {
  int Start, End;       ///< the text the edit inserted
  std::u16string Text;  ///< the text it removed
};

class TTextModel {
 public:
  std::u16string Text;
  int TabSize = 2;
  std::vector<TModelTrackedRange> Ranges;
  TModelRange Selection;
  bool Backwards = false;
  std::vector<TModelRecord> UndoList, RedoList;  ///< the top is the back

  int Length() const { return static_cast<int>(Text.size()); }
  char16_t At(int Pos) const { return Pos >= 1 && Pos <= Length() ? Text[Pos - 1] : u'\0'; }
  static bool IsBreak(char16_t C) { return C == u'\r' || C == u'\n'; }

  std::vector<int> LineStarts() const {
    std::vector<int> Starts{1};
    for (int Pos = 1; Pos < Length(); ++Pos)
      if (At(Pos) == u'\r' && At(Pos + 1) == u'\n') Starts.push_back(Pos + 2);
    return Starts;
  }

  /** Screen columns of every row: a tab runs to the next multiple of TabSize. */
  std::vector<int> RowWidths() const {
    std::vector<int> Widths;
    int Column = 0;
    for (int Pos = 1; Pos <= Length() + 1; ++Pos) {
      if (Pos > Length() || (At(Pos) == u'\r' && At(Pos + 1) == u'\n')) {
        Widths.push_back(Column);
        Column = 0;
        ++Pos;
      } else {
        Column = At(Pos) == u'\t' ? (Column / TabSize + 1) * TabSize : Column + 1;
      }
    }
    return Widths;
  }

  /** The screen column of position Pos, walked from the start of its row. */
  int ScreenColumn(int Pos) const {
    int Start = Pos;
    while (Start > 1 && !(At(Start - 2) == u'\r' && At(Start - 1) == u'\n'))
      --Start;
    int Column = 0;
    for (int I = Start; I < Pos; ++I)
      Column = At(I) == u'\t' ? (Column / TabSize + 1) * TabSize : Column + 1;
    return Column + 1;
  }

  int WidestRow() const {
    const std::vector<int> Widths = RowWidths();
    return *std::max_element(Widths.begin(), Widths.end());
  }

  void SetTabSize(int Value) { TabSize = std::max(Value, 1); }

  // A range's own setters keep it inside the text; the start re-applies the end.
  void SetStart(TModelRange& R, int Value) const {
    R.Start = std::clamp(Value, 1, Length() + 1);
    SetEnd(R, R.End);
  }
  void SetEnd(TModelRange& R, int Value) const {
    R.End = std::min(std::max(Value, R.Start - 1), Length());
  }
  TModelRange Temporary(int Start, int End) const {
    TModelRange R;
    SetStart(R, Start);
    SetEnd(R, End);
    return R;
  }

  enum class TTarget { Temporary, Selection, WholeText };

  /** Replaces Range's text as the editor does and returns Range as it ends up. */
  TModelRange Replace(TModelRange Range, const std::u16string& NewText, TTarget Target) {
    KeepLineBreaksWhole(Range);
    const int P = Range.Start;
    const std::u16string N = Normalized(NewText);
    const int n = static_cast<int>(N.size());
    const std::u16string Removed = Text.substr(P - 1, Range.Length());
    if (!Replaying) Record(Range, n, Removed);
    const int d = n - Range.Length();
    Text.replace(P - 1, Range.Length(), N);
    // The whole-text range already reports the new length as its end.
    const int B = Target == TTarget::WholeText ? Length() : Range.End;
    for (TModelTrackedRange& X : Ranges) {
      ++X.Changes;
      if (Move(X, P, B, d)) ++X.Overwrites;
    }
    if (Target == TTarget::Selection) {
      NoSelAtPos(P + n);
    } else {
      Move(Selection, P, B, d);
      SetEnd(Range, Range.Start + n - 1);
    }
    return Range;
  }

  void NoSelAtPos(int Pos) {
    Backwards = false;
    SetStart(Selection, Pos);
    SetEnd(Selection, Pos - 1);
  }

  void SetCursorPos(int Value) {
    TModelRange& S = Selection;
    if (Backwards && Value <= S.End) {
      SetStart(S, Value);
    } else if (Backwards) {
      Backwards = false;
      SetStart(S, S.End + 1);
      SetEnd(S, Value - 1);
    } else if (Value >= S.Start) {
      SetEnd(S, Value - 1);
    } else {
      Backwards = true;
      SetEnd(S, S.Start - 1);
      SetStart(S, Value);
    }
  }

  void DeleteBackward() {
    if (Selection.Length() <= 0) {
      SetStart(Selection, Selection.Start - 1);
      if (Selection.Length() == 1 && IsBreak(At(Selection.Start)))
        SetStart(Selection, Selection.Start - 1);
    }
    if (Selection.Length() > 0) Replace(Selection, u"", TTarget::Selection);
  }

  void DeleteForward() {
    if (Selection.Length() <= 0) {
      SetEnd(Selection, Selection.Start);
      if (Selection.Length() == 1 && IsBreak(At(Selection.Start)))
        SetEnd(Selection, Selection.Start + 1);
    }
    if (Selection.Length() > 0) Replace(Selection, u"", TTarget::Selection);
  }

  void Undo() { Replay(UndoList, RedoList); }
  void Redo() { Replay(RedoList, UndoList); }

 private:
  static std::u16string Normalized(const std::u16string& Text) {
    std::u16string Result;
    for (size_t I = 0; I < Text.size(); ++I) {
      if (!IsBreak(Text[I])) {
        Result += Text[I];
        continue;
      }
      Result += u"\r\n";
      if (Text[I] == u'\r' && I + 1 < Text.size() && Text[I + 1] == u'\n') ++I;
    }
    return Result;
  }

  // A boundary between a CR and its LF takes the whole pair.
  void KeepLineBreaksWhole(TModelRange& R) const {
    auto IsLfOfPair = [&](int Pos) { return At(Pos) == u'\n' && At(Pos - 1) == u'\r'; };
    if (R.Length() <= 0) {
      if (IsLfOfPair(R.Start)) R = {R.Start - 1, R.Start - 2};
      return;
    }
    if (IsLfOfPair(R.Start)) --R.Start;
    if (At(R.End) == u'\r' && At(R.End + 1) == u'\n') ++R.End;
  }

  void Record(const TModelRange& Range, int n, const std::u16string& Removed) {
    RedoList.clear();
    const int P = Range.Start;
    if (!UndoList.empty()) {
      TModelRecord& T = UndoList.back();
      const bool TInsertedNothing = T.Start > T.End;
      if (Range.Length() > 0 && n == 0 && !T.Text.empty() && TInsertedNothing) {
        if (T.Start == P) {
          T.Text += Removed;
          return;
        }
        if (Range.End + 1 == T.Start) {
          T.Start -= Range.Length();
          T.End -= Range.Length();
          T.Text = Removed + T.Text;
          return;
        }
      }
      if (Range.Length() <= 0 && n >= 1 && T.Text.empty() && !TInsertedNothing && T.End + 1 == P) {
        T.End += n;
        return;
      }
    }
    UndoList.push_back({P, P + n - 1, Removed});
  }

  /** Moves X over the replacement of A..B that changed the length by d; true when the edit
      overwrote X and left it empty. */
  bool Move(TModelRange& X, int A, int B, int d) const {
    bool Overwritten = false;
    auto MoveEnd = [&](int End) {
      if (A <= End && End <= B) {
        if (X.Start > A) SetStart(X, A);
        SetEnd(X, A - 1);
        Overwritten = true;
      } else if (End > B) {
        SetEnd(X, End + d);
      }
    };
    auto MoveStart = [&] {
      if (A <= X.Start && X.Start <= B) {
        SetStart(X, A);
        Overwritten = true;
      } else if (X.Start > B) {
        SetStart(X, X.Start + d);
      }
    };
    if (d > 0) {
      MoveEnd(X.End);
      MoveStart();
    } else {
      const int End = X.End;  // judged as it was before the start moved
      MoveStart();
      MoveEnd(End);
    }
    return Overwritten && X.Length() <= 0;
  }

  // Each replayed record leaves its inverse on the other list and selects what it put back.
  void Replay(std::vector<TModelRecord>& Source, std::vector<TModelRecord>& Target) {
    if (Source.empty()) return;
    const TModelRecord Op = Source.back();
    Source.pop_back();
    TModelRange T = Temporary(Op.Start, Op.End);
    const std::u16string Present = Text.substr(T.Start - 1, std::max(T.Length(), 0));
    Replaying = true;
    T = Replace(T, Op.Text, TTarget::Temporary);
    Replaying = false;
    Target.push_back({T.Start, T.End, Present});
    SetStart(Selection, T.Start);
    SetEnd(Selection, T.End);
  }

  bool Replaying = false;
};
