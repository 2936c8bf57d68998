/** @file ProblemUnderlines.cpp
 ** The layer follows the client area's size; whenever the editor repaints a part of its
 ** client area Qt repaints the layer over it, so scrolling and edits need nothing more. **/
#include "studio/language/ProblemUnderlines.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

#include "editor/MemoComponent.h"
#include "editor/VisibleRange.h"

TProblemUnderlines::TProblemUnderlines(TMemoComponent* Editor, QWidget* ClientArea)
    : QWidget(ClientArea), FEditor(Editor) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(ClientArea->rect());
  ClientArea->installEventFilter(this);
  show();
}

QColor TProblemUnderlines::ColorOf(TSeverity Severity) {
  return Severity == TSeverity::Error ? QColor(0xE0, 0x10, 0x10) : QColor(0xD0, 0x90, 0x00);
}

void TProblemUnderlines::SetProblems(const std::vector<TProblem>& Problems) {
  FProblems = Problems;
  update();
}

bool TProblemUnderlines::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::Resize) setGeometry(static_cast<QWidget*>(Watched)->rect());
  return false;
}

void TProblemUnderlines::paintEvent(QPaintEvent* Event) {
  if (FProblems.empty() || FEditor->FontHeight <= 0) return;
  const int Top = FEditor->VisibleRange()->StartRowCol().Row;
  const int Bottom = Top + FEditor->PageHeight + 1;
  QPainter Painter(this);
  Painter.setClipRect(Event->rect());
  Painter.setRenderHint(QPainter::Antialiasing);
  for (const TProblem& P : FProblems) {
    if (P.Line < Top || P.Line > Bottom || P.Line > FEditor->LineCount()) continue;
    const int Start = FEditor->CellToCharIdx(TextCell(P.Line, P.Column));
    TMCRange Range;
    Range.SetEditor(FEditor);
    Range.SetRStart(Start);
    Range.SetREnd(Start + std::max(P.Length, 1) - 1);
    const TPoint From = Range.StartPoint();
    const TPoint To = Range.EndPoint();
    const int Y = From.Y + FEditor->FontHeight - 2;
    const int Right = std::max(To.X, From.X + 4);
    QPainterPath Wave;
    Wave.moveTo(From.X, Y);
    for (int X = From.X; X < Right; X += 2) Wave.lineTo(X + 2, Y + ((X - From.X) / 2 % 2 ? -2 : 0) + 1);
    Painter.setPen(QPen(ColorOf(P.Severity), 1));
    Painter.drawPath(Wave);
  }
}
