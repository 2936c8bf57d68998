/** @file ReferencePanel.h
 ** The Reference panel: a search field over every entry of the reference, the matching
 ** words, and the chosen entry in full. **/
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class TReference;

class TReferencePanel : public QWidget {
 public:
  explicit TReferencePanel(const TReference& Reference, QWidget* Parent = nullptr);
  /** Searches for Word and shows its entry; false when the reference has none. */
  bool ShowWord(const QString& Word);

  QLineEdit* SearchField() const { return FSearch; }
  QListWidget* Matches() const { return FMatches; }
  QTextBrowser* Details() const { return FDetails; }

 private:
  void Search(const QString& Text);
  void ShowCurrent();

  const TReference& FReference;
  QLineEdit* FSearch;
  QListWidget* FMatches;
  QTextBrowser* FDetails;
};
