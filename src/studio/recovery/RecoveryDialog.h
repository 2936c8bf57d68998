/** @file RecoveryDialog.h
 ** The texts earlier studios left unsaved, offered at start in one list: recover, compare
 ** with the file on disk, or discard. Nothing is removed until the user says so; a file
 ** that cannot be read is listed with the reason and kept. **/
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "studio/recovery/RecoveryFile.h"

class QPushButton;
class QTreeWidget;

struct TRecoveryEntry {
  QString FileName;
  /** Empty when the file cannot be used; Problem says why. */
  std::optional<TRecoveryContents> Contents;
  QString Problem;
  /** The file on disk as it is now; empty when it is gone or the text was untitled. */
  std::optional<QString> DiskText;

  static TRecoveryEntry Read(const QString& FileName);
  /** "untitled" for a text that never had a file. */
  QString Title() const;
  QString State() const;
};

class TRecoveryDialog : public QDialog {
 public:
  explicit TRecoveryDialog(std::vector<TRecoveryEntry> Entries, QWidget* Parent = nullptr);

  /** Opens a recovered text in an editor window; the entry leaves the list after it. */
  std::function<void(const TRecoveryEntry&)> OnRecover;

  QTreeWidget* lvFiles;
  QPushButton *btRecover, *btDifference, *btDiscard, *btLater;

  void RecoverClick();
  void DifferenceClick();
  void DiscardClick();
  int Remaining() const { return int(FEntries.size()); }

 private:
  int Current() const;
  void Drop(int Index);
  void UpdateButtons();

  std::vector<TRecoveryEntry> FEntries;
};
