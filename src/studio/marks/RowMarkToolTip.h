/** @file RowMarkToolTip.h
 ** Shows the messages of a marked row (build errors, checks) as a tool tip over the gutter. **/
#pragma once

#include <QObject>

class QAbstractScrollArea;
class TMemoComponent;

class TRowMarkToolTip : public QObject {
 public:
  /** Watches Host's viewport, in which Editor is drawn; Host owns the watcher. */
  static void Install(QAbstractScrollArea* Host, TMemoComponent* Editor);

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TRowMarkToolTip(QObject* Parent, TMemoComponent* Editor) : QObject(Parent), FEditor(Editor) {}
  TMemoComponent* FEditor;
};
