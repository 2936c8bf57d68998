/** @file MemoComponent.h
 ** The self-drawn multi-line text editor control. Every change of its text goes through
 ** ReplaceRangeText, which keeps the line index, the widest row, the tracked ranges, the
 ** viewport, undo and the screen up to date in one pass. **/
#pragma once

#include <exception>
#include <memory>
#include <vector>

#include "editor/IntegerList.h"
#include "editor/MemoLines.h"
#include "editor/Ranges.h"
#include "editor/RowWidths.h"
#include "editor/TextBuffer.h"
#include "editor/TextCell.h"
#include "editor/UndoOperation.h"
#include "platform/core/Control.h"

class TRowMarks;
class TBackgroundLayer;
class TSelectionRange;
class TVisibleRange;
class TCustomFormattedRange;
using TFormattedRangeArray = std::vector<TCustomFormattedRange*>;

class TMemoComponent : public TCustomControl {
 public:
  explicit TMemoComponent(TComponent* AOwner = nullptr);
  ~TMemoComponent() override;
  QString ClassName() const override { return QStringLiteral("TMemoComponent"); }
  void WndProc(TMessage& Message) override;

  // Text store and line index; writing goes through the one replacement.
  QString Text() const { return FText.ToString(); }
  void SetText(const QString& Value) { FWholeText->SetText(Value); }
  virtual void Clear() { SetText(QString()); }
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(const TStrings* Value) { FLines->Assign(Value); }
  int TextLength() const { return FText.Length(); }
  /** The character at a 1-based position; 0 outside the text. */
  QChar CharAt(int CharIdx) const { return QChar(FText.At(CharIdx - 1)); }
  /** Count characters from a 1-based Start, cut to the text. */
  QString TextRange(int Start, int Count) const { return FText.Mid(Start - 1, Count); }
  int LineCount() const { return FLineStarts->Count(); }
  int LineLength(int Row) const;
  int LongestLineLength() const { return FLongestLineLength; }
  /** 1-based position of Needle's first occurrence at or after From, or 0. */
  int FindText(QStringView Needle, int From) const { return FText.IndexOf(Needle, From - 1) + 1; }
  /** The whole text in one piece, read in place (index 0 is position 1); valid until the
      next edit. Moves the store's gap to the end, once per edit. */
  QStringView ContiguousText() { return FText.Contiguous(); }
  /** Counts the replacements made so far: what was computed from the text is stale when
      it changed. */
  int EditCount() const { return FEditCount; }

  // Cells and screen columns.
  virtual TTextCell CharIdxToCell(int CharIdx) const;
  virtual int CellToCharIdx(TTextCell Cell) const;
  virtual int TabSpacesAtPos(int P) const;
  virtual int CellToScrCol(TTextCell Cell) const;
  virtual void CellFromScrCol(TTextCell& Cell) const;
  virtual int CellFromScrColToScrCol(TTextCell& Cell) const;
  int LineScrLength(int Row) const;
  int TabSize() const { return FTabSize; }
  void SetTabSize(int Value);

  // Ranges.
  TMCRanges* TrackedRanges() const { return FTrackedRanges.get(); }
  TCustomRange* WholeText() const { return FWholeText.get(); }
  TVisibleRange* VisibleRange() const { return FVisibleRange; }
  TSelectionRange* Selection() const { return FSelection; }
  /** Marks on rows (errors, warnings), painted in the gutter. */
  TRowMarks* RowMarks() const { return FRowMarks.get(); }

  // Replacement, notification, undo and redo.
  /** Replaces Range's text. Refused with EInvalidOperation while another replacement moves
      the ranges, from a handler it raised; refused with ETextTooLong beyond the store's limit,
      before anything changes. */
  virtual void ReplaceRangeText(TCustomRange* Range, const QString& NewText);
  virtual void DoTextReplaced(int Start, int OldLength, int NewLength);
  virtual void DoReplaceFinished() {}
  virtual void NotifyChange();
  virtual void PopUndo(TUndoOperation& Operation);
  virtual void PopRedo(TUndoOperation& Operation);
  virtual PUndoOperation NewGroupMarker();
  virtual bool IsGroupMarker(const TUndoOperation& Operation) const;
  virtual void PushUndo(PUndoOperation Operation);
  virtual void PushRedo(PUndoOperation Operation);
  bool CanUndo() { return Perform(EM_CANUNDO, 0) != 0; }
  bool CanRedo() { return Perform(EM_CANUNDO, 1) != 0; }
  void Undo() { Perform(EM_UNDO, 0); }
  void Redo() { Perform(EM_UNDO, 1); }
  void ClearUndo();
  void ClearRedo();
  const TUndoOperation* UndoStack() const { return FUndoStack; }
  const TUndoOperation* RedoStack() const { return FRedoStack; }

  // Selection and caret.
  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  void SelectAll();
  bool AlwaysShowCaret() const { return FAlwaysShowCaret; }
  void SetAlwaysShowCaret(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool HasFocus() const { return FHasFocus; }
  bool CaretCreated() const { return FCaretCreated; }
  virtual void NotifySelectionChange();
  virtual void CreateEditorCaret();
  virtual void DestroyEditorCaret();

  // Keyboard, mouse, clipboard and window settings.
  void HandleKeyDown(quint16& Key, TShiftState Shift) override;
  void HandleKeyPress(QChar& Key) override;
  void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void HandleMouseMove(TShiftState Shift, int X, int Y) override;
  void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();
  /** Inserts Change tabs into, or removes up to -Change from, the indentation of every row
      the selection touches, as one undo step. */
  virtual void ChangeIndent(int Change);
  /** The character position under a client point, limited to the text. */
  int CharPosAt(int X, int Y) const;
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool Selecting() const { return FSelecting; }

  // Viewport and painting.
  int LeftMargin() const { return FLeftMargin; }
  void SetLeftMargin(int Value) { FLeftMargin = Value; }
  int TopMargin() const { return FTopMargin; }
  void SetTopMargin(int Value) { FTopMargin = Value; }
  bool Bitmapped() const { return FBitmapped; }
  void SetBitmapped(bool Value);
  /** The line-number gutter's colours: its fill, the edge beside the text, the numbers and
      the mark of an empty row. A theme replaces them, then redraws. */
  struct TGutterColors {
    TColor Fill = 0xDBCFC1;
    TColor Outline = 0xCBBAA5;
    TColor LineNumber = 0x646362;
    TColor EmptyRowMark = 0x808080;
    friend bool operator==(const TGutterColors&, const TGutterColors&) = default;
  };
  TGutterColors GutterColors;
  TBitmap* DrawBitmap() const { return DrawBmp.get(); }
  virtual void UpdateFontMetrics();
  virtual void UpdateLayout();
  virtual TTextCell ScrPointToScrCell(TPoint P) const;
  virtual TPoint ScrCellToScrPoint(TTextCell Cell) const;
  virtual void ScrollCaret();
  virtual void DrawLinePart(TCustomRange* Range, int X, int Y, int FirstTabWidth);
  virtual void GetFormattedRanges(TCustomRange* Range, TFormattedRangeArray& Items);
  virtual void FillMargins(const TRect& LeftRect, const TRect& TopRect, TCanvas& Canvas);
  virtual void UpdateDrawBitmap();
  void Paint() override;
  /** The painter behind every range's DrawRange. While drawing is gathered (an input
      event, a replacement) it only notes the rows; they are drawn once when it ends. */
  void DrawTextRange(TCustomRange& Range);
  /** Gathers the drawing of an input event's steps: each row they ask for is drawn once,
      with the gutter once, however many edits, rescans and scrolls asked for it. */
  void HandleInput(const std::function<void()>& Steps) override;
  /** Moves the text area's pixels from client y Top down to the bottom by Dy (up when
      negative); returns the band left to draw. */
  TRect MoveTextPixels(int Top, int Dy);
  /** Draws the rows that cross the client band Band. */
  void DrawRowsIn(const TRect& Band);
  /** Layers of marks drawn under the selection, in the order given; the editor owns none. */
  void AddBackgroundLayer(TBackgroundLayer* Layer);
  void RemoveBackgroundLayer(TBackgroundLayer* Layer);

  TNotifyEvent OnChange;
  TNotifyEvent OnChangePrivate;
  TNotifyEvent OnSelectionChange;
  /** Raises a handler of the editor or of one of its ranges. While the editor carries out a
      change of its own, an exception from the handler is held until the change is complete
      and then thrown on, so that no handler leaves the text, its ranges or the view half
      changed. */
  void RaiseHandler(const TNotifyEvent& Event, TObject* Sender);
  /** Raised by every replacement once the text and the tracked ranges have changed, before
      any redraw: Start is the first replaced position, then the old and the new length. */
  std::function<void(int Start, int OldLength, int NewLength)> OnTextReplaced;

  // Cell size and page size in pixels and cells (0 until the font is first measured).
  int FontHeight = 0;
  int FontWidth = 0;
  int PageHeight = 0;
  int PageWidth = 0;
  /** The cell size to divide by: the measured one, or a default while no font is measured. */
  int CellHeight() const { return FontHeight > 0 ? FontHeight : 13; }
  int CellWidth() const { return FontWidth > 0 ? FontWidth : 8; }
  /** While set, change and selection notifications are held back. */
  bool DontNotify = false;

 protected:
  void HandleFontChanged() override;
  void PrepareWindowStyles(TWindowStyles& Styles) override;
  void WindowCreated() override;
  /** Moves the tracked ranges handed over with TMCRanges::MoveByEditor, as every other
      tracked range is moved by a replacement of A..B that changed the length by Delta;
      Replaced itself stays. Nothing by default. */
  virtual void MoveRangesByEditor(TCustomRange& Replaced, int A, int B, int Delta);

 private:
  friend class TMemoReplacement;

  /** Holds the exceptions of the handlers raised while it lives (see RaiseHandler); the
      outermost one throws the first of them on when it ends. */
  class THeldHandlerErrors {
   public:
    explicit THeldHandlerErrors(TMemoComponent& Editor) : E(Editor) { ++E.FHeldLevels; }
    THeldHandlerErrors(const THeldHandlerErrors&) = delete;
    THeldHandlerErrors& operator=(const THeldHandlerErrors&) = delete;
    ~THeldHandlerErrors() noexcept(false) {
      if (--E.FHeldLevels > 0 || !E.FHeldError) return;
      std::exception_ptr Error = std::exchange(E.FHeldError, nullptr);
      // Unwinding already, the exception under way is the one reported.
      if (std::uncaught_exceptions() == Uncaught) std::rethrow_exception(Error);
    }

   private:
    TMemoComponent& E;
    // Only the outermost one throws: the inner ones, one per edit of a group, skip the count.
    const int Uncaught = E.FHeldLevels == 0 ? std::uncaught_exceptions() : 0;
  };

  static bool IsClaimedKey(quint16 Key);
  void ReadOnlyKeyDown(quint16 Key, TShiftState Shift);
  void EditingKeyDown(quint16 Key, TShiftState Shift);
  void LetterShortcut(quint16 Key, TShiftState Shift);
  int WordLeft(int Pos) const;
  int WordRight(int Pos) const;
  void DeleteBackward();
  void DeleteForward();
  void HandleDragTimer();
  void HandleClipboardMessage(unsigned Msg);
  void HandleScroll(TMessage& Message, TScrollBarKind Bar);
  void HandleMouseWheel(TMessage& Message);
  void ReplayUndo(WPARAM Redo);
  void DrawGutter(TCanvas& Canvas);
  void DrawRows(TCustomRange& R, bool WithGutter);
  void DrawGatheredRows();
  /** Rows gathered before a replacement follow it: those after its last row L move by D,
      those it joined into row F stay there. */
  void MoveGatheredRows(int F, int L, int D);
  TCanvas& DrawingCanvas();

  /** Drawing is gathered while one of these lives; the outermost draws it. */
  class TGatheredDrawing {
   public:
    explicit TGatheredDrawing(TMemoComponent& Editor) : E(Editor) { ++E.FGathering; }
    TGatheredDrawing(const TGatheredDrawing&) = delete;
    TGatheredDrawing& operator=(const TGatheredDrawing&) = delete;
    ~TGatheredDrawing() {
      if (--E.FGathering == 0) E.DrawGatheredRows();
    }

   private:
    TMemoComponent& E;
  };
  static void FreeStack(PUndoOperation& Top);
  void MeasureAllRows();

  bool FHasFocus = false;
  bool FCaretCreated = false;
  bool FSelecting = false;
  std::unique_ptr<TIntegerList> FLineStarts;
  TScrollStyle FScrollBars = TScrollStyle::ssBoth;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FReadOnly = false;
  TTextBuffer FText;
  std::unique_ptr<TMCRanges> FTrackedRanges;
  std::unique_ptr<TCustomRange> FWholeText;
  std::unique_ptr<TMemoComponentStrings> FLines;
  TVisibleRange* FVisibleRange = nullptr;  // owned by FTrackedRanges
  TSelectionRange* FSelection = nullptr;   // owned by FTrackedRanges
  std::unique_ptr<TRowMarks> FRowMarks;    // holds ranges of FTrackedRanges
  int FLongestLineLength = 0;
  TRowWidths FRowWidths;  ///< the width of every row, kept by the replacement
  bool FAlwaysShowCaret = false;
  int FLeftMargin = 2;
  int FTopMargin = 0;
  int FTabSize = 2;
  bool FBitmapped = false;
  std::unique_ptr<TBitmap> DrawBmp;
  PUndoOperation FUndoStack = nullptr;
  PUndoOperation FRedoStack = nullptr;
  bool FInUndo = false;
  /** Where the replacement a replay makes puts the text it removes (its inverse record's);
      taken by that replacement, so that an edit a handler makes meanwhile leaves it alone. */
  QString* FReplayedRemoved = nullptr;
  bool FReplacing = false;  ///< a replacement moves the ranges; another may not start
  int FHeldLevels = 0;
  std::exception_ptr FHeldError;
  int FEditCount = 0;
  std::vector<TBackgroundLayer*> FBackgroundLayers;
  int FGathering = 0;
  bool FGatheredWholeView = false;
  std::vector<std::pair<int, int>> FGatheredRows;  ///< first and last row asked for
};
