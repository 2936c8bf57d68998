/** @file RowMarkToolTip.cpp **/
#include "studio/marks/RowMarkToolTip.h"

#include <QAbstractScrollArea>
#include <QHelpEvent>
#include <QToolTip>

#include "editor/MemoComponent.h"
#include "editor/RowMarks.h"

void TRowMarkToolTip::Install(QAbstractScrollArea* Host, TMemoComponent* Editor) {
  Host->viewport()->installEventFilter(new TRowMarkToolTip(Host, Editor));
}

bool TRowMarkToolTip::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() != QEvent::ToolTip) return QObject::eventFilter(Watched, Event);
  const auto* Help = static_cast<QHelpEvent*>(Event);
  // Over the text the tool tip is another's (the language's hover): leave it standing.
  if (Help->pos().x() < 0 || Help->pos().x() >= FEditor->LeftMargin()) return QObject::eventFilter(Watched, Event);
  const QString Text = FEditor->RowMarks()->ToolTipAt(Help->pos().x(), Help->pos().y());
  if (Text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(Help->globalPos(), Text, static_cast<QWidget*>(Watched));
  return true;
}
