/** @file FindInFilesDialog.h
 ** Asks what to search for and where: the open project's files, or a folder's files
 ** whose names match a filter. **/
#pragma once

#include <QDialog>

#include "studio/search/FileSearch.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

class TFindInFilesDialog : public QDialog {
 public:
  TFindInFilesDialog(QWidget* Parent, const TSearchOptions& Options, bool HasProject,
                     const QString& Folder);
  TSearchOptions Options() const;
  bool InProject() const;
  QString Folder() const;
  QString Filter() const;

 private:
  QLineEdit* FFind;
  QCheckBox* FMatchCase;
  QCheckBox* FWholeWord;
  QCheckBox* FRegularExpression;
  QRadioButton* FProject;
  QRadioButton* FInFolder;
  QLineEdit* FFolder;
  QLineEdit* FFilter;
};
