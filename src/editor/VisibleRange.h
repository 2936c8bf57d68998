/** @file VisibleRange.h
 ** The viewport: the first visible row and screen column. A finished change moves the
 ** pixels already drawn when only rows moved, and redraws the view otherwise. **/
#pragma once

#include "editor/Ranges.h"

class TVisibleRange : public TCustomRange {
 public:
  explicit TVisibleRange(TCollection* Collection = nullptr) : TCustomRange(Collection) {}
  QString ClassName() const override { return QStringLiteral("TVisibleRange"); }

  void SetRStart(int Value) override;
  void SetREnd(int) override {}
  void SetRLength(int) override {}
  int RStart() const override;
  int REnd() const override;
  TTextCell EndRowCol() const override;
  TTextCell StartRowCol() const override;
  void SetEndRowCol(TTextCell) override {}
  void SetStartRowCol(TTextCell Value) override;

  int LeftCol() const { return FLeftCol; }
  void SetLeftCol(int Value);
  int RightCol() const;
  void SetRightCol(int Value);
  /** Keeps the top row and left column in range and moves the scroll bars there. */
  void AdjustPosition();

  /** The first visible row; the text replacement and the scroll handlers write it directly. */
  int FTopRow = 1;
  int FLeftCol = 1;

 protected:
  void Changing() override;
  void Changed() override;

 private:
  TRect CurrentTextRect() const;
  void ScrollRows(const TRect& Old, const TRect& New);

  TRect VisibleTextRect;
};
