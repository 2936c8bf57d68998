/** @file OutlinePanel.h
 ** The Outline panel: the declarations of the file in front, labels under the routine
 ** before them, with the declaration around the caret marked. **/
#pragma once

#include <QTreeWidget>
#include <functional>

#include "language/LineFacts.h"

class TOutlinePanel : public QTreeWidget {
 public:
  explicit TOutlinePanel(std::function<void(int Line, int Column)> GoTo, QWidget* Parent = nullptr);
  void SetDeclarations(const std::vector<TDeclaration>& Declarations);
  /** Marks the declaration at Line (0 for none). */
  void MarkDeclarationAt(int Line);
  /** The text of the marked row, empty when none is marked. */
  QString Marked() const;

 private:
  class TItem;

  std::function<void(int, int)> FGoTo;
  std::vector<TDeclaration> FShown;
  QTreeWidgetItem* FMarked = nullptr;
};
