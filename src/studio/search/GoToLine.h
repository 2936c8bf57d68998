/** @file GoToLine.h
 ** Go to line: "ROW" or "ROW:COL", clamped to the text, and the bar that asks for it. **/
#pragma once

#include <QFrame>
#include <optional>

#include "editor/TextCell.h"

class QLabel;
class QLineEdit;
class TCodeFRM;
class TMemoComponent;

/** Row and character column of "ROW" or "ROW:COL" (column 1 when missing); nothing when
    the text is neither. Values are not clamped here. */
std::optional<TTextCell> ParseGoToLine(const QString& Text);

/** The position of Cell, clamped to the rows of the text and the characters of the row. */
int ClampedCellPos(const TMemoComponent& Editor, TTextCell Cell);

/** Puts the caret at Cell, clamped, and scrolls it into view as the caret is scrolled. */
void GoToCell(TMemoComponent& Editor, TTextCell Cell);

class TGoToLineBar : public QFrame {
  Q_OBJECT

 public:
  explicit TGoToLineBar(TCodeFRM& Form);
  void Open();
  /** Goes to the place typed; false (with a message) when it cannot be read. */
  bool Go();
  void Close();
  QLineEdit* Field() const { return FField; }
  QString Message() const;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TCodeFRM& FForm;
  QLabel* FPrompt;
  QLineEdit* FField;
  QLabel* FMessage;
};
