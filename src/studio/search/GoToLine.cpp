/** @file GoToLine.cpp
 ** Reading the place, going there, and the bar. **/
#include "studio/search/GoToLine.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include "editor/SelectionRange.h"
#include "studio/CodeForm.h"
#include "studio/search/EditorHighlights.h"

std::optional<TTextCell> ParseGoToLine(const QString& Text) {
  static const QRegularExpression Place(QStringLiteral("^\\s*(\\d{1,9})\\s*(?::\\s*(\\d{1,9})\\s*)?$"));
  const QRegularExpressionMatch M = Place.match(Text);
  if (!M.hasMatch()) return std::nullopt;
  const int Row = M.captured(1).toInt();
  const int Col = M.captured(2).isEmpty() ? 1 : M.captured(2).toInt();
  return TextCell(Row, Col);
}

int ClampedCellPos(const TMemoComponent& Editor, TTextCell Cell) {
  const int Row = std::clamp(Cell.Row, 1, Editor.LineCount());
  const int Col = std::clamp(Cell.Col, 1, Editor.LineLength(Row) + 1);
  return Editor.CellToCharIdx(TextCell(Row, Col));
}

void GoToCell(TMemoComponent& Editor, TTextCell Cell) {
  Editor.Selection()->NoSelAtPos(ClampedCellPos(Editor, Cell));
  Editor.ScrollCaret();
}

TGoToLineBar::TGoToLineBar(TCodeFRM& Form) : FForm(Form) {
  setObjectName(QStringLiteral("GoToLineBar"));
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  auto* Row = new QHBoxLayout(this);
  Row->setContentsMargins(4, 2, 4, 2);
  FPrompt = new QLabel;
  Row->addWidget(FPrompt);
  FField = new QLineEdit;
  FField->setPlaceholderText(QStringLiteral("ROW or ROW:COL"));
  Row->addWidget(FField, 1);
  FMessage = new QLabel;
  FMessage->setStyleSheet(QStringLiteral("color: #c00000"));
  Row->addWidget(FMessage);
  FField->installEventFilter(this);
  connect(FField, &QLineEdit::textEdited, FMessage, &QLabel::clear);
  hide();
}

void TGoToLineBar::Open() {
  FPrompt->setText(QStringLiteral("Go to line (1-%1):").arg(FForm.tbCode->LineCount()));
  FMessage->clear();
  show();
  FField->setFocus();
  FField->selectAll();
}

bool TGoToLineBar::Go() {
  const std::optional<TTextCell> Cell = ParseGoToLine(FField->text());
  if (!Cell) {
    FMessage->setText(QStringLiteral("Type a row, or a row and a column as ROW:COL"));
    return false;
  }
  GoToCell(*FForm.tbCode, *Cell);
  Close();
  return true;
}

void TGoToLineBar::Close() {
  hide();
  if (QWidget* Host = EditorWidget(FForm)) Host->setFocus();
}

QString TGoToLineBar::Message() const {
  return FMessage->text();
}

bool TGoToLineBar::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::KeyPress) {
    const int Key = static_cast<QKeyEvent*>(Event)->key();
    if (Key == Qt::Key_Escape) {
      Close();
      return true;
    }
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
      Go();
      return true;
    }
  }
  return QFrame::eventFilter(Watched, Event);
}
