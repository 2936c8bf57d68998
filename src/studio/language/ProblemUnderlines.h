/** @file ProblemUnderlines.h
 ** Wavy underlines under the problems of one editor, drawn by a transparent layer over
 ** the editor's client area; the editor's own painting is not touched. **/
#pragma once

#include <QWidget>
#include <vector>

#include "language/LineFacts.h"

class TMemoComponent;

class TProblemUnderlines : public QWidget {
 public:
  TProblemUnderlines(TMemoComponent* Editor, QWidget* ClientArea);
  void SetProblems(const std::vector<TProblem>& Problems);
  static QColor ColorOf(TSeverity Severity);

 protected:
  void paintEvent(QPaintEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  TMemoComponent* FEditor;
  std::vector<TProblem> FProblems;
};
