/** @file FindBar.h
 ** The find bar below an editor window's text: searches as the user types, marks every
 ** match in view, counts them ("3 of 118") a slice at a time, replaces one or all. **/
#pragma once

#include <QFrame>
#include <QTimer>
#include <functional>
#include <memory>

#include "studio/search/EditorSearch.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class TCodeFRM;

class TFindBar : public QFrame {
  Q_OBJECT

 public:
  explicit TFindBar(TCodeFRM& Form);

  /** Shows the bar (with the replacement row when Replace), prefilled with the selection
      or the word at the caret, or with Options when the editor offers neither. */
  void Open(bool Replace, const TSearchOptions& Options);
  /** Hides the bar, drops its marks and gives the focus back to the text. */
  void Close();
  TSearchOptions Options() const;
  void SetOptions(const TSearchOptions& Options);
  void FindNext(bool Forward);
  void ReplaceCurrent();
  void ReplaceAll();
  /** The status line: the count, a wrap notice, a replacement count or an error. */
  QString Status() const;

  QLineEdit* FindField() const { return FFind; }
  /** Every search the bar makes reports its options here (F3 in other windows uses them). */
  std::function<void(const TSearchOptions&)> OnSearched;
  QLineEdit* ReplaceField() const { return FReplace; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  /** Sets the fields without searching. */
  void ShowOptions(const TSearchOptions& Options);
  void PatternChanged();
  /** False for an empty or invalid pattern. */
  bool CompilePattern();
  void StartCount();
  void CountSlice();
  void ShowStatus();
  void ShowResult(const TFindResult& Result, bool Forward);
  QString Prefill() const;

  TCodeFRM& FForm;
  QLineEdit* FFind;
  QLineEdit* FReplace;
  QCheckBox* FMatchCase;
  QCheckBox* FWholeWord;
  QCheckBox* FRegularExpression;
  QWidget* FReplaceRow;
  QLabel* FStatus;
  std::unique_ptr<TSearchPattern> FPattern;  ///< null while the pattern is empty or invalid
  QString FError;                            ///< why the pattern is invalid
  std::unique_ptr<TMatchCounter> FCounter;
  int FCountedEdit = -1;
  QTimer FCountTimer;
  QString FNotice;  ///< wrap notice or replacement count, shown beside the count
  int FSearchStart = 1;
  bool FUpdating = false;
};
