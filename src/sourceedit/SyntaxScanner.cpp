/** @file SyntaxScanner.cpp
 ** The incremental scanner: one left-to-right pass that groups characters into segments of
 ** one kind, turns each finished segment into syntax ranges in place of the old ones, and
 ** stops once, past the change, a new range ends exactly like an old one. **/
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/ScopeExit.h"
#include "sourceedit/SourceEdit.h"

#include <climits>
#include <utility>

namespace {
bool IsWordChar(QChar C) {
  const char16_t U = C.unicode();
  return (U >= u'0' && U <= u'9') || (U >= u'a' && U <= u'z') || (U >= u'A' && U <= u'Z') ||
         U == u'_';
}
bool IsTokenChar(QChar C) {
  return IsWordChar(C) || C == u'#' || C == u'$';
}
bool IsNumberStart(QChar C) {
  return (C >= u'0' && C <= u'9') || C == u'#' || C == u'$';
}
bool IsParenthesisChar(QChar C) {
  return C == u'(' || C == u')';
}
bool IsSymbolChar(QChar C) {
  return C.unicode() <= 255 && QStringView(u"!\"#%&'()*+,-./:;<=>?@[\\]^{|}~").contains(C);
}

/** The editor's text read in chunks, so that looking ahead at every position copies nothing.
    Most scans after an edit read a few dozen characters: the first chunk is small and each
    later one twice the last, so that a long scan still copies in large pieces. */
class TTextWindow {
 public:
  explicit TTextWindow(const TMemoComponent& Editor)
      : Editor(Editor), Length(Editor.TextLength()) {}

  /** Up to Count characters from the 1-based Pos, cut to the text. */
  QStringView Mid(int Pos, int Count) {
    if (Pos < 1) return QStringView();
    const int End = std::min(Pos + Count, Length + 1);
    if (Pos < Start || End > Start + Chunk.size()) {
      // Reading backwards (looking for a word boundary), the next reads stand before Pos.
      const int Before = Pos < Start ? std::min(Pos - 1, ChunkSize / 4) : 0;
      Start = Pos - Before;
      Chunk = Editor.TextRange(Start, std::max(Count + Before, ChunkSize));
      ChunkSize = std::min(ChunkSize * 2, LargestChunk);
    }
    return QStringView(Chunk).mid(Pos - Start, std::max(End - Pos, 0));
  }
  QChar At(int Pos) {
    const QStringView View = Mid(Pos, 1);
    return View.isEmpty() ? QChar() : View[0];
  }

 private:
  static constexpr int LargestChunk = 4096;
  const TMemoComponent& Editor;
  const int Length;
  int ChunkSize = 256;
  QString Chunk;
  int Start = 1;
};

enum class TSegmentKind { skNormal, skSymbol, skParenthesis, skCustomStyle };

// Custom styles are tried on this many characters from each position.
constexpr int StyleLookahead = 20;
// How far back a later start looks for a word boundary.
constexpr int WordBoundarySearch = 64;

class TSyntaxScan {
 public:
  /** Rescans around R, an edit, from the range before it until the new ranges meet the
      old ones again, or until it can stop at or after StopFrom past the old chain's end. */
  TSyntaxScan(TSourceEdit& Editor, TCustomRange& R, TSyntaxRange* Tip, int StopFrom)
      : E(Editor), R(R), Text(Editor), Length(Editor.TextLength()), StopFrom(StopFrom) {
    Cursor = E.SyntaxChain()->RangeAtPos(R.RStart() - 1, Tip);
    Ahead = Cursor;
    EditStart = R.RStart();
    if (const int Later = LaterStart(R.RStart())) {
      // The normal text before it needs no second look: it joins the first range.
      SegStart = Cursor->RStart();
      SegLength = Later - SegStart;
      R.SetRStart(Later);
      I = WordsFrom = Later;
      return;
    }
    if (Cursor && Cursor->RStart() < R.RStart()) R.SetRStart(Cursor->RStart());
    if (!Cursor) R.SetRStart(1);
    I = R.RStart();
    SegStart = WordsFrom = I;
  }

  /** Goes on after the chain's last range, which ends where a scan may stop, appending
      new ranges from R's start; it stops again at or after StopFrom. */
  struct TAppending {};
  TSyntaxScan(TSourceEdit& Editor, TCustomRange& R, TAppending, int StopFrom)
      : E(Editor), R(R), Text(Editor), Length(Editor.TextLength()), StopFrom(StopFrom) {
    I = SegStart = WordsFrom = EditStart = R.RStart();
  }

  /** Scans until the new ranges meet the old chain again, or until it may stop past
      StopFrom, or to the end of the text. */
  void Run() {
    const TCustomStyles& Styles = *E.SyntaxColoring()->CustomStyles();
    while (I <= Length) {
      if (I > R.REnd() + 2 && Resync && !Hold) break;
      if (StopsHere()) break;
      if (RejoinsOldNormalText()) break;
      Resync = false;
      Hold = false;
      TCustomStyle* F = Styles.FindStyle(Text.Mid(I, StyleLookahead));
      if (Kind == TSegmentKind::skCustomStyle && Style &&
          ((F == Style && Style->Switchable()) || F == Style->DontSwitchTo1() ||
           F == Style->DontSwitchTo2()))
        F = nullptr;
      if (InSwitchableStyle() && !F && !EndTextAt(I)) {
        Hold = true;
        Advance(1);
        continue;
      }
      if (F) {
        SwitchSegment(TSegmentKind::skCustomStyle);
        Style = F;
        if (F->Switchable()) {
          Hold = true;
          Advance(1);
          continue;
        }
        I = StyleEnd(*F);
        SegLength = I - SegStart;
        SwitchSegment(TSegmentKind::skNormal);
        continue;
      }
      if (InSwitchableStyle()) {
        // A line break ends the style together with its LF.
        Advance(Style->EndText() == u"\r" ? 2 : static_cast<int>(Style->EndText().size()));
        SwitchSegment(TSegmentKind::skNormal);
        continue;
      }
      const QChar C = Text.At(I);
      if (IsParenthesisChar(C))
        SwitchSegment(TSegmentKind::skParenthesis);
      else if (IsSymbolChar(C))
        SwitchSegment(TSegmentKind::skSymbol);
      else
        SwitchSegment(TSegmentKind::skNormal);
      Advance(1);
    }
    // A scan that stops before the end of R leaves the rest to later slices; R still tells
    // what the edit changed, to be drawn.
    R.SetREnd(std::max(I - 1, R.REnd()));
    // Stopped early, the pending characters are still covered by the old ranges after them.
    if (I > Length) FlushSegment();
  }

  TSyntaxRange* Position() const { return Cursor; }

 private:
  // With no old range left ahead and past StopFrom, the scan may stop right after a symbol
  // or a parenthesis when the next character cannot join it: a scan started afresh there
  // makes the same ranges as this one would. Symbols are common, so such places are near.
  bool StopsHere() {
    if (I < StopFrom || Cursor || Hold || SegLength == 0) return false;
    const QChar C = Text.At(I);
    const bool Joins = Kind == TSegmentKind::skSymbol && IsSymbolChar(C) && !IsParenthesisChar(C);
    if ((Kind != TSegmentKind::skSymbol && Kind != TSegmentKind::skParenthesis) || Joins)
      return false;
    FlushSegment();
    SegLength = 0;
    return true;
  }

  // Inside a long range of normal text the scan starts at a word boundary shortly before
  // the edit instead of at the range's start: the old scan was there in normal text with no
  // word pending, and no custom style begun before it reaches the edit. 0 when there is none.
  int LaterStart(int EditStart) {
    if (!dynamic_cast<const TNormalTextRange*>(Cursor)) return 0;
    const int Last = EditStart - StyleLookahead - 1;
    for (int P = Last; P > Cursor->RStart() && P > Last - WordBoundarySearch; --P)
      if (!IsTokenChar(Text.At(P - 1))) return P;
    return 0;
  }

  // Past the edit, at a word boundary inside an old range of normal text, the scan stands
  // where the old one stood, so all that follows would come out as before: the pending
  // normal text runs on to that old range's end, and the old chain after it stays.
  bool RejoinsOldNormalText() {
    if (Kind != TSegmentKind::skNormal || Hold || I <= R.REnd() + 2) return false;
    // The old ranges keep their places while the scan runs, even once freed.
    for (; Ahead && Ahead->RStart() <= I; Ahead = Ahead->ScannedNext()) {
      const bool Normal = dynamic_cast<const TNormalTextRange*>(Ahead);
      OldNormalStart = Normal ? Ahead->RStart() : 0;
      OldNormalEnd = Normal ? Ahead->REnd() : 0;
    }
    if (!(OldNormalStart < I && I <= OldNormalEnd) || IsTokenChar(Text.At(I - 1))) return false;
    NormalTo = OldNormalEnd;
    FlushSegment();
    NormalTo = 0;
    I = OldNormalEnd + 1;
    SegStart = WordsFrom = I;
    SegLength = 0;
    return true;
  }

  bool InSwitchableStyle() const {
    return Kind == TSegmentKind::skCustomStyle && Style && Style->Switchable();
  }

  void Advance(int Count) {
    SegLength += Count;
    I += Count;
  }

  // The style's end text stands at Pos and is not escaped.
  bool EndTextAt(int Pos) {
    const QString End = Style->EndText();
    const QString Ignore = Style->IgnoreChar();
    if (Text.Mid(Pos, static_cast<int>(End.size())) != End) return false;
    return Ignore.isEmpty() || Text.At(Pos - 1) != Ignore[0];
  }

  // The first position after a style that is not switchable, starting at I: the next end
  // text not right after the escape character, the LF of a CR end text included; the end
  // of the text when there is none. After an escaped end text the search goes on at the
  // next character, whatever the length of the begin text.
  int StyleEnd(const TCustomStyle& S) {
    if (const int Known = StyleEndAroundEdit(S)) return Known;
    const QString End = S.EndText();
    const QString Ignore = S.IgnoreChar();
    const int N = static_cast<int>(End.size());
    int From = I + static_cast<int>(S.BeginText().size());
    int Pos = I;
    int Found = 0;
    for (;;) {
      const int At = N > 0 ? E.FindText(End, From) : 0;
      Found = At > 0 ? At - From + 1 : 0;
      Pos = From + Found + N - 2;
      if (Found < 1 || Pos <= N) break;
      if (Ignore.isEmpty() || Text.At(Pos - N) != Ignore[0]) break;
      From = Pos + 1;
    }
    if (End == u"\r") ++Pos;
    if (Found < 1 || Pos <= N || Pos > Length) Pos = Length;
    return Pos + 1;
  }

  // The same, without searching the rest of the text, when the old chain has this style
  // beginning here and the edit lies inside it: an end text before the edit would have ended
  // the old style there, and the first one after it is the old style's own. Only an end
  // text touched by the edit (or by its escape character) is new. An end text that can
  // overlap itself is searched as usual, since an escaped one moves the next search. 0 when
  // the old chain does not tell.
  int StyleEndAroundEdit(const TCustomStyle& S) {
    const QString End = S.EndText();
    const int N = static_cast<int>(End.size());
    auto* Old = dynamic_cast<const TCustomStyleRange*>(Cursor);
    if (!Old || Old->Style() != &S || Old->RStart() != I || N == 0 || N > 2 ||
        (N == 2 && End[0] == End[1]))
      return 0;
    const int From = std::max(I + static_cast<int>(S.BeginText().size()), EditStart - N + 1);
    const int To = R.REnd() + 1;  // the last start whose escape character may be new
    if (From <= I + static_cast<int>(S.BeginText().size()) || Old->REnd() - N - 1 <= R.REnd())
      return 0;
    const QString Ignore = S.IgnoreChar();
    // A copy: looking at an escape character may move the text window.
    const QString Window = Text.Mid(From, To - From + N).toString();
    for (qsizetype At = Window.indexOf(End); At >= 0; At = Window.indexOf(End, At + N)) {
      const int Start = From + static_cast<int>(At);
      if (Start > To) break;
      if (!Ignore.isEmpty() && Text.At(Start - 1) == Ignore[0]) continue;
      const int Pos = Start + N - 1 + (End == u"\r" ? 1 : 0);
      return std::min(Pos, Length) + 1;
    }
    return Old->REnd() + 1;
  }

  void SwitchSegment(TSegmentKind NewKind) {
    if (NewKind == Kind && NewKind != TSegmentKind::skParenthesis &&
        NewKind != TSegmentKind::skCustomStyle)
      return;
    FlushSegment();
    SegStart = WordsFrom = I;
    SegLength = 0;
    Kind = NewKind;
  }

  template <class T>
  T* NewRange(int Start, int End) {
    T* Range = TSyntaxRange::NewRangeInsertedBefore<T>(Cursor, &E);
    Range->SetRStart(Start);
    Range->SetREnd(End);
    return Range;
  }

  void Place(TSyntaxRange* Range) {
    Resync = Range->RemoveOverlapped(Cursor);
    Ahead = Cursor;
  }

  void FlushSegment() {
    if (SegLength <= 0) return;
    const int End = SegStart + SegLength - 1;
    switch (Kind) {
      case TSegmentKind::skSymbol: {
        auto* Range = NewRange<TSymbolRange>(SegStart, End);
        Range->SetSymbol(E.SyntaxChain()->SharedText(Range->Text()));
        Place(Range);
        break;
      }
      case TSegmentKind::skParenthesis: {
        auto* Range = NewRange<TParenthesisRange>(SegStart, End);
        const QChar C = Text.At(SegStart);
        Range->SetStyle(C == u')' || C == u']' || C == u'}' ? TParenthesisStyle::psClosing
                                                            : TParenthesisStyle::psOpening);
        Place(Range);
        break;
      }
      case TSegmentKind::skCustomStyle: {
        auto* Range = NewRange<TCustomStyleRange>(SegStart, End);
        Range->SetStyle(Style);
        Place(Range);
        break;
      }
      case TSegmentKind::skNormal:
        FlushNormalText();
        break;
    }
  }

  // Normal text splits into words: numbers and words of a list get ranges of their own,
  // the rest stays normal text.
  void FlushNormalText() {
    const TWordLists& Lists = *E.SyntaxColoring()->WordLists();
    const int SegEnd = SegStart + SegLength;
    int Pending = SegStart;
    int WordStart = SegStart;
    int WordLength = 0;
    for (int J = WordsFrom; J <= SegEnd; ++J) {
      if (J < SegEnd && IsTokenChar(Text.At(J))) {
        if (WordLength == 0) WordStart = J;
        ++WordLength;
        continue;
      }
      if (WordLength > 0) {
        const QStringView Word = Text.Mid(WordStart, WordLength);
        if (IsNumberStart(Word[0])) {
          const QString Number = E.SyntaxChain()->SharedText(Word.toString());
          FlushNormal(Pending, WordStart - 1);
          auto* Range = NewRange<TNumberRange>(WordStart, J - 1);
          Range->SetNumber(Number);
          Place(Range);
          Pending = J;
        } else if (TWordList* List = Lists.FindList(Word)) {
          FlushNormal(Pending, WordStart - 1);
          auto* Range = NewRange<TWordListRange>(WordStart, J - 1);
          Range->SetWordList(List);
          Place(Range);
          Pending = J;
        }
        WordLength = 0;
      }
      if (J == SegEnd) FlushNormal(Pending, NormalTo > 0 ? NormalTo : J - 1);
    }
  }

  void FlushNormal(int Start, int End) {
    if (Start <= End) Place(NewRange<TNormalTextRange>(Start, End));
  }

  TSourceEdit& E;
  TCustomRange& R;
  int EditStart = 1;  ///< R's start before the scan moved it back
  TTextWindow Text;
  const int Length;
  const int StopFrom;
  int I = 1;
  int SegStart = 1;
  int SegLength = 0;
  int WordsFrom = 1;  ///< where the pending normal text is split into words
  int NormalTo = 0;   ///< when set, the end of the pending normal text's last range
  TSegmentKind Kind = TSegmentKind::skNormal;
  TCustomStyle* Style = nullptr;
  TSyntaxRange* Cursor = nullptr;
  // The next old range to look at, and the last old one starting at or before the scan,
  // when it is normal text.
  TSyntaxRange* Ahead = nullptr;
  int OldNormalStart = 0;
  int OldNormalEnd = 0;
  bool Resync = false;
  bool Hold = false;
};
}  // namespace

void TSourceEdit::ScanSyntaxRanges(TCustomRange* Range) {
  if (FSyntaxColoring->FUpdateDebth != 0) return;
  if (!FSyntaxColoring->Enabled() || TextLength() == 0) {
    ClearSyntaxRanges();
    return;
  }
  if (FSyntaxChain->ScanPending()) {
    // An edit in the text still to be scanned changes nothing scanned, unless it lies where
    // the last range's scan looked ahead; then the scan goes on from that range.
    const int Frontier = ScannedLength() + 1;
    if (Range->RStart() > Frontier + StyleLookahead) return;
    if (Range->RStart() > Frontier) Range->SetRStart(Frontier);
  }
  {
    ++FSyntaxColoring->FUpdateDebth;
    // A scan stopped by an error must not leave every later scan switched off.
    const TScopeExit Scanned([this] { --FSyntaxColoring->FUpdateDebth; });
    TSyntaxScan Scan(*this, *Range, SyntaxStartRange, SliceEnd(Range->RStart()));
    Scan.Run();
    LastPRange = FSyntaxChain->RangeAtPos(
        Range->RStart(), Scan.Position() ? Scan.Position() : FSyntaxChain->Last());
  }
  UpdateScanPending();
}

bool TSourceEdit::ContinueSyntaxScan() {
  if (!FSyntaxChain->ScanPending() || FSyntaxColoring->FUpdateDebth != 0) return false;
  TSyntaxRange* Before = FSyntaxChain->Last();
  TMCRange Slice;
  Slice.SetEditor(this);
  Slice.SetRStart(Before->REnd() + 1);
  Slice.SetRLength(0);
  {
    ++FSyntaxColoring->FUpdateDebth;
    const TScopeExit Scanned([this] { --FSyntaxColoring->FUpdateDebth; });
    TSyntaxScan Scan(*this, Slice, TSyntaxScan::TAppending{}, SliceEnd(Slice.RStart()));
    Scan.Run();
  }
  for (TSyntaxRange* R = Before->ScannedNext(); R; R = R->ScannedNext())
    R->CalcParenthesisLevel();
  Slice.DrawRange();
  UpdateScanPending();
  return true;
}

int TSourceEdit::SliceEnd(int Start) const {
  return static_cast<int>(std::min<qint64>(qint64{Start} + FScanSliceLength, INT_MAX));
}

void TSourceEdit::DoTextReplaced(int Start, int OldLength, int NewLength) {
  TMemoComponent::DoTextReplaced(Start, OldLength, NewLength);
  LastPRange = nullptr;
  auto Changed = std::make_unique<TMCRange>();
  Changed->SetEditor(this);
  Changed->SetRStart(Start);
  Changed->SetRLength(NewLength);
  LastCRange = std::move(Changed);
  ScanSyntaxRanges(LastCRange.get());
}

void TSourceEdit::DoReplaceFinished() {
  TMemoComponent::DoReplaceFinished();
  if (!LastCRange) return;
  UpdateParenthesisLevelsAfterEdit();
  LastCRange->DrawRange();
  LastCRange.reset();
}

void TSourceEdit::UpdateParenthesisLevelsAfterEdit() {
  const int ScannedEnd = LastCRange->REnd();
  for (; LastPRange && LastPRange->REnd() <= ScannedEnd; LastPRange = LastPRange->ScannedNext())
    LastPRange->CalcParenthesisLevel();
  TSyntaxRange* First = std::exchange(LastPRange, nullptr);
  if (!First) return;
  // Past the rescanned region every level changes by what the first one's does, as a walk
  // would find range by range: the later ranges owe it, and only the parentheses in view,
  // whose colour changes, are drawn again.
  const int Old = First->ParenthesisLevel();
  First->CalcParenthesisLevel();
  const int Delta = First->ParenthesisLevel() - Old;
  if (Delta == 0) return;
  First->SetParenthesisLevel(Old);
  FSyntaxChain->ShiftLevelsFrom(First, Delta);
  // Rows below the view draw nothing; the bound leaves a margin for a partly shown row.
  const int ViewStart = VisibleRange()->RStart();
  const int ViewEnd = CellToCharIdx(TextCell(VisibleRange()->FTopRow + PageHeight + 3, 1));
  TSyntaxRange* R =
      First->REnd() >= ViewStart
          ? First
          : FSyntaxChain->RangeAtPos(ViewStart, SyntaxStartRange ? SyntaxStartRange : First);
  for (; R && R->RStart() <= ViewEnd; R = R->ScannedNext())
    if (dynamic_cast<TParenthesisRange*>(R)) R->DrawRange();
}

void TSourceEdit::RebuildSyntaxRanges() {
  // Edits during an update may have emptied the text and left the old ranges empty there.
  if (TextLength() == 0) {
    ClearSyntaxRanges();
    return;
  }
  Selection()->HideCaret();
  ClearSyntaxRanges();
  ScanSyntaxRanges(WholeText());
  for (; LastPRange; LastPRange = LastPRange->ScannedNext())
    LastPRange->CalcParenthesisLevel();
  VisibleRange()->DrawRange();
  Selection()->UpdateCaretPos();
  Selection()->ShowCaret();
}
