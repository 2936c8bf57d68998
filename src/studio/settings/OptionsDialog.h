/** @file OptionsDialog.h
 ** Tools > Options: one dialog, a page per concern. Pages read the user's settings when
 ** shown and write them on OK or Apply; the studio then applies them to what is open. **/
#pragma once

#include <QDialog>
#include <functional>

class QListWidget;
class QSettings;
class QStackedWidget;

/** One page of the dialog. */
class TOptionsPage : public QWidget {
 public:
  using QWidget::QWidget;
  /** The name in the page list; also the name TOptionsDialog::ShowPage takes. */
  virtual QString Title() const = 0;
  virtual void Load(const QSettings& Settings) = 0;
  virtual void Store(QSettings& Settings) const = 0;
};

class TOptionsDialog : public QDialog {
 public:
  explicit TOptionsDialog(QWidget* Parent = nullptr);

  /** Adds Page (owned by the dialog) and fills it from the user's settings. */
  void AddPage(TOptionsPage* Page);
  /** Brings the page of that title to the front; false when there is none. */
  bool ShowPage(const QString& Title);
  TOptionsPage* CurrentPage() const;
  /** Writes every page to the user's settings, then calls OnApplied. */
  void Apply();

  /** Called after every Apply (OK or Apply), so the studio updates what is open. */
  std::function<void()> OnApplied;

 private:
  QListWidget* FList;
  QStackedWidget* FPages;
};
