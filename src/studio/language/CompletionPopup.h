/** @file CompletionPopup.h
 ** The list of completions below the caret. It never takes the focus: the editor keeps
 ** it and hands over Up, Down, Page keys, Enter, Tab and Esc only while the list shows. **/
#pragma once

#include <QListWidget>
#include <functional>
#include <vector>

#include "language/Completion.h"

class TCompletionPopup : public QListWidget {
 public:
  explicit TCompletionPopup(QWidget* Parent);
  /** Shows Items at the global point At; Accept gets the chosen word. */
  void Open(const std::vector<TCompletionItem>& Items, QPoint At, std::function<void(const QString&)> Accept);
  /** Handles a key while the list shows; false for keys the editor should have. */
  bool HandleKey(int Key);
  void Close();
  QString CurrentWord() const;

 private:
  std::function<void(const QString&)> FAccept;
};
