/** @file SymbolChooser.h
 ** A small list of declarations to pick from, filtered as the user types: Go to Symbol,
 ** and Go to Definition when a name is declared more than once. **/
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "language/ProjectIndex.h"

class QLineEdit;
class QListWidget;

class TSymbolChooser : public QDialog {
 public:
  using TSource = std::function<std::vector<TLocatedDeclaration>(const QString& Filter)>;
  using TChosen = std::function<void(const TLocatedDeclaration&)>;
  TSymbolChooser(const QString& Title, TSource Source, TChosen Chosen, QWidget* Parent);

  QLineEdit* Filter() const { return FFilter; }
  QListWidget* List() const { return FList; }
  /** Opens the selected row's declaration and closes. */
  void ChooseCurrent();

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void Refill();

  TSource FSource;
  TChosen FChosen;
  std::vector<TLocatedDeclaration> FShown;
  QLineEdit* FFilter;
  QListWidget* FList;
};
