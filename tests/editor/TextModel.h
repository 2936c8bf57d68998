/** @file TextModel.h
 ** A plain reference model of the editor's text: a string with line starts recomputed from
 ** scratch, tracked ranges moved by the rules in their simplest form, and undo and redo as
 ** plain lists. The randomised test compares the editor with it after every step. **/
#pragma once

#include <QString>
#include <algorithm>
#include <vector>

struct TModelRange {
  int Start = 1;
  int End = 0;
  int Changes = 0;
  int Overwrites = 0;
};

class TTextModel {
 public:
  struct TRecord {
    int Start, End;
    QString Removed;
  };

  QString Text;
  int TabSize = 2;
  std::vector<TModelRange> Ranges;  ///< tracked ranges the test made
  TModelRange Selection;
  bool Backwards = false;
  std::vector<TRecord> UndoList, RedoList;

  int Length() const { return static_cast<int>(Text.size()); }
  QChar At(int Pos) const { return Pos >= 1 && Pos <= Length() ? Text[Pos - 1] : QChar(); }

  std::vector<int> LineStarts() const {
    std::vector<int> Starts{1};
    for (int I = 0; I + 1 < Length(); ++I)
      if (Text[I] == u'\r' && Text[I + 1] == u'\n') Starts.push_back(I + 3);
    return Starts;
  }

  int WidestRow() const {
    int Widest = 0, Position = 0;
    for (int I = 0; I <= Length(); ++I) {
      if (I == Length() || (Text[I] == u'\r' && I + 1 < Length() && Text[I + 1] == u'\n')) {
        Widest = std::max(Widest, Position);
        Position = 0;
        ++I;
        continue;
      }
      Position = Text[I] == u'\t' ? (Position / TabSize + 1) * TabSize : Position + 1;
    }
    return Widest;
  }

  // The stored-extent rules of a range with an editor.
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

  /** Replaces R's characters by NewText; IsSelection when R is the selection itself. */
  void Replace(TModelRange R, const QString& NewText, bool IsSelection, bool Recording = true,
               bool WholeText = false) {
    // A boundary inside a CR LF pair takes the whole pair.
    auto LfOfPair = [&](int P) { return At(P) == u'\n' && At(P - 1) == u'\r'; };
    if (R.End < R.Start) {
      if (LfOfPair(R.Start)) {
        --R.Start;
        R.End = R.Start - 1;
      }
    } else {
      if (LfOfPair(R.Start)) --R.Start;
      if (At(R.End) == u'\r' && At(R.End + 1) == u'\n') ++R.End;
    }
    QString N;
    for (int I = 0; I < NewText.size(); ++I) {
      if (NewText[I] == u'\r' || NewText[I] == u'\n') {
        N += u"\r\n";
        if (NewText[I] == u'\r' && I + 1 < NewText.size() && NewText[I + 1] == u'\n') ++I;
      } else {
        N += NewText[I];
      }
    }
    const int P = R.Start, B = R.End, n = static_cast<int>(N.size());
    const int OldLength = B - P + 1;
    const QString Removed = Text.mid(P - 1, OldLength);
    LastRemoved = Removed;
    if (Recording) Record(P, B, n, Removed);
    Text = Text.left(P - 1) + N + Text.mid(B);
    const int d = n - OldLength;
    // The whole-text range follows the text: its end is already the new length.
    const int MovedEnd = WholeText ? Length() : B;
    auto Move = [&](TModelRange& X) {
      bool Overwritten = false;
      auto MoveEnd = [&](int E) {
        if (P <= E && E <= MovedEnd) {
          if (X.Start > P) SetStart(X, P);
          SetEnd(X, P - 1);
          Overwritten = true;
        } else if (E > MovedEnd) {
          SetEnd(X, E + d);
        }
      };
      auto MoveStart = [&] {
        if (P <= X.Start && X.Start <= MovedEnd) {
          SetStart(X, P);
          Overwritten = true;
        } else if (X.Start > MovedEnd) {
          SetStart(X, X.Start + d);
        }
      };
      if (d > 0) {
        MoveEnd(X.End);
        MoveStart();
      } else {
        const int E = X.End;
        MoveStart();
        MoveEnd(E);
      }
      ++X.Changes;
      if (Overwritten && X.End < X.Start) ++X.Overwrites;
    };
    for (TModelRange& X : Ranges)
      Move(X);
    if (IsSelection) {
      Selection.Start = P + n;
      Selection.End = P + n - 1;
      Backwards = false;
    } else {
      Move(Selection);
    }
    LastStart = P;
    LastLength = n;
  }

  void Undo(bool Redoing) {
    auto& Source = Redoing ? RedoList : UndoList;
    auto& Target = Redoing ? UndoList : RedoList;
    if (Source.empty()) return;
    const TRecord Op = Source.back();
    Source.pop_back();
    const TModelRange T = Temporary(Op.Start, Op.End);
    Replace(T, Op.Removed, false, false);
    Target.push_back({LastStart, LastStart + LastLength - 1, LastRemoved});
    Selection.Start = LastStart;
    Selection.End = LastStart + LastLength - 1;
  }

 private:
  void Record(int P, int B, int n, const QString& Removed) {
    RedoList.clear();
    const bool Deleting = B >= P && n == 0;
    const bool Inserting = B < P && n >= 1;
    if (!UndoList.empty()) {
      TRecord& T = UndoList.back();
      if (Deleting && !T.Removed.isEmpty() && T.Start > T.End) {
        if (T.Start == P) {
          T.Removed += Removed;
          return;
        }
        if (B + 1 == T.Start) {
          T.Start -= B - P + 1;
          T.End -= B - P + 1;
          T.Removed.prepend(Removed);
          return;
        }
      }
      if (Inserting && T.Removed.isEmpty() && T.End >= T.Start && T.End + 1 == P) {
        T.End += n;
        return;
      }
    }
    UndoList.push_back({P, P + n - 1, Removed});
  }

  int LastStart = 0, LastLength = 0;
  QString LastRemoved;
};
