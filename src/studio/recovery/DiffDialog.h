/** @file DiffDialog.h
 ** Two texts compared line by line, unified or side by side. **/
#pragma once

#include <QDialog>
#include <vector>

#include "studio/recovery/LineDiff.h"

class QPlainTextEdit;
class QStackedWidget;
class QComboBox;

class TDiffDialog : public QDialog {
 public:
  TDiffDialog(const QString& OldName, const QString& OldText, const QString& NewName,
              const QString& NewText, QWidget* Parent = nullptr);

  QComboBox* cbLayout;
  QPlainTextEdit* edUnified;
  QPlainTextEdit *edLeft, *edRight;

 private:
  void FillSideBySide(const std::vector<TDiffLine>& Lines);
  QStackedWidget* FPages;
};
