/** @file SelectionRange.h
 ** The editor's one selection: its caret end, its anchor, the platform caret it keeps
 ** paired, and the redraw of exactly the characters whose highlight changed. **/
#pragma once

#include <memory>

#include "editor/Ranges.h"

class TSelectionRange : public TMCRange {
 public:
  explicit TSelectionRange(TCollection* Collection = nullptr) : TMCRange(Collection) {}
  ~TSelectionRange() override;
  QString ClassName() const override { return QStringLiteral("TSelectionRange"); }
  void AssignTo(TPersistent* Dest) const override;

  bool Backwards() const { return FBackwards; }
  void SetBackwards(bool Value) { FBackwards = Value; }
  bool Hidden() const { return FHidden; }
  void SetHidden(bool Value);
  /** Where the caret stands: RStart when backwards, else just after REnd. */
  int CursorPos() const { return FBackwards ? RStart() : REnd() + 1; }
  /** Moves the caret end and keeps the anchor. */
  void SetCursorPos(int Value);
  /** The remembered screen column of the caret, worked out when none is remembered. */
  int ScrCol();
  void SetScrCol(int Value) { FScrCol = Value; }
  int ScrColToCol(int Row);
  /** An empty selection with the caret at Pos. */
  void NoSelAtPos(int Pos);
  void UpdateCaretPos();
  void ShowCaret();
  void HideCaret();
  bool CaretShowing() const { return FCaretShowing; }
  /** Forgets the old extent, so that closing the current change redraws nothing. */
  void ReleaseOldSel() { FOldSel.reset(); }

 protected:
  void Changing() override;
  void Changed() override;
  void ChangesDiscarded() override;

 private:
  std::unique_ptr<TCustomRange> FOldSel;
  bool FBackwards = false;
  bool FHidden = false;
  bool FCaretShowing = false;
  int FScrCol = 0;
};
