/** @file SourceEdit.h
 ** The syntax-colouring editor: the editor control with a chain of syntax ranges over its
 ** whole text, rescanned around every edit, drawn through, and automatic indentation. **/
#pragma once

#include <algorithm>
#include <memory>
#include <vector>

#include "editor/MemoComponent.h"
#include "sourceedit/SyntaxChain.h"
#include "sourceedit/SyntaxColoring.h"
#include "sourceedit/SyntaxRanges.h"

/** A syntax range as a test or a debugger sees it. */
struct TDebuggableRange {
  int RStart = 0;
  int REnd = 0;
  QString Text;
  QString ClassName;
};
using TDebuggableRanges = std::vector<TDebuggableRange>;

class TSourceEdit : public TMemoComponent {
 public:
  explicit TSourceEdit(TComponent* AOwner = nullptr);
  ~TSourceEdit() override;
  QString ClassName() const override { return QStringLiteral("TSourceEdit"); }

  TSyntaxColoring* SyntaxColoring() const { return FSyntaxColoring.get(); }
  /** Copies Value into the editor's own definition. */
  void SetSyntaxColoring(const TSyntaxColoring* Value) { FSyntaxColoring->Assign(Value); }
  bool AutoIndent() const { return FAutoIndent; }
  void SetAutoIndent(bool Value) { FAutoIndent = Value; }
  bool AutoIndentIncrease() const { return FAutoIndentIncrease; }
  void SetAutoIndentIncrease(bool Value) { FAutoIndentIncrease = Value; }
  QChar AutoIndentIncreaseStart() const { return FAutoIndentIncreaseStart; }
  void SetAutoIndentIncreaseStart(QChar Value) { FAutoIndentIncreaseStart = Value; }
  QChar AutoIndentIncreaseEnd() const { return FAutoIndentIncreaseEnd; }
  void SetAutoIndentIncreaseEnd(QChar Value) { FAutoIndentIncreaseEnd = Value; }
  /** The chain of syntax ranges, which owns their linking and their lazy shift. */
  TSyntaxChain* SyntaxChain() const { return FSyntaxChain.get(); }
  TSyntaxRange* FirstSyntaxRange() const { return FSyntaxChain->First(); }
  /** The last range, once the whole text is scanned. */
  TSyntaxRange* LastSyntaxRange() const;

  // The scanner.
  virtual void RebuildSyntaxRanges();
  virtual void ScanSyntaxRanges(TCustomRange* Range);
  /** Scans the next slice of the text that a big load or edit left to be scanned later,
      and draws what of it is in view; false when no scan can go on now. */
  bool ContinueSyntaxScan();
  /** Scans all the text that is left to scan, now. */
  void FinishSyntaxScan() const;
  /** How much of the text the syntax ranges cover so far, in characters. */
  int ScannedLength() const;
  /** About how many characters a scan covers past its edit, or one slice covers, before
      it stops and leaves the rest for later. */
  int ScanSliceLength() const { return FScanSliceLength; }
  void SetScanSliceLength(int Value) { FScanSliceLength = std::max(Value, 1); }
  /** Runs whenever a scan leaves text to scan later, after each slice, and once more when
      the text is all scanned or the ranges are cleared. */
  TNotifyEvent OnScanProgress;
  void DoTextReplaced(int Start, int OldLength, int NewLength) override;
  void DoReplaceFinished() override;

  // The chain.
  virtual void ClearSyntaxRanges();
  /** Frees the old ranges that NewRange covers, from Cursor on; Cursor is left on the first
      old range wholly after NewRange. True when the last one freed ended like NewRange. */
  virtual bool RemoveOverlappedRanges(TSyntaxRange* NewRange, TSyntaxRange*& Cursor);
  virtual TSyntaxRange* FirstBrokenSyntaxRange() const;
  virtual TSyntaxRange* FirstOverlappingSyntaxRange() const;
  virtual void GetDebuggableRanges(TDebuggableRanges& Ranges) const;
  /** The first range that ends at or after RangePos. */
  virtual TSyntaxRange* SyntaxRangeAtPos(int RangePos) const;
  /** The same range, looked for from Tip. */
  virtual TSyntaxRange* SyntaxRangeAtPosWithTip(int RangePos, TSyntaxRange* Tip) const;

  void GetFormattedRanges(TCustomRange* Range, TFormattedRangeArray& Items) override;
  void HandleKeyPress(QChar& Key) override;

  /** Where the last formatted-range request stopped: the next one starts looking there. */
  TSyntaxRange* SyntaxStartRange = nullptr;
  /** After a scan, the first range whose parenthesis level is recomputed. */
  TSyntaxRange* LastPRange = nullptr;
  /** During an edit, the region that is rescanned and then redrawn. */
  std::unique_ptr<TCustomRange> LastCRange;

 protected:
  void HandleFontChanged() override;
  void WndProc(TMessage& Message) override;
  void WindowCreated() override;
  void MoveRangesByEditor(TCustomRange& Replaced, int A, int B, int Delta) override;
  /** The levels of the rescanned ranges, and the change they bring to every later level. */
  virtual void UpdateParenthesisLevelsAfterEdit();

 private:
  QString IndentationAtSelection() const;
  /** Notes whether text is left to scan, and tells it while some is or was. */
  void UpdateScanPending();
  /** Starts or stops the slices' timer and tells OnScanProgress. */
  void ScanStateChanged();
  /** Keeps the scan going in slices from the event loop while one is pending. */
  void ScheduleScan();
  /** Where a scan that begins at Start may stop. */
  int SliceEnd(int Start) const;

  bool FAutoIndent = true;
  // About 7 ms of scanning in a release build.
  int FScanSliceLength = 64 * 1024;
  std::unique_ptr<TSyntaxColoring> FSyntaxColoring;
  std::unique_ptr<TSyntaxChain> FSyntaxChain;
  bool FAutoIndentIncrease = false;
  QChar FAutoIndentIncreaseStart = u'{';
  QChar FAutoIndentIncreaseEnd = u'}';
};
