/** @file NewForm.h
 ** The New dialog: choose a new application project, an empty source file or a DLL
 ** project. **/
#pragma once

#include <QDialog>
#include <cstdint>

class QListWidget;
class QPushButton;
class QTabWidget;

enum TProjType : std::uint8_t { ptNone = 0, ptApplication = 1, ptEmptyFile = 2, ptDLLProject = 3 };

class TNewFRM : public QDialog {
 public:
  explicit TNewFRM(QWidget* Parent = nullptr);

  /** Runs whenever an item gains or loses its selection; which of the two is not looked
      at, so clicking empty space keeps the kind of the item that lost it. */
  void lvNewSelectItem(int Item, bool Selected);
  void buOKClick();

  QPushButton* buOK;
  QPushButton* buCancel;
  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QListWidget* lvNew;
  TProjType ptType = ptNone;

 private:
  void FormCreate();
};
