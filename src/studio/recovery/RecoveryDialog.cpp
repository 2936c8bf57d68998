/** @file RecoveryDialog.cpp **/
#include "studio/recovery/RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"
#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/recovery/DiffDialog.h"

TRecoveryEntry TRecoveryEntry::Read(const QString& FileName) {
  TRecoveryEntry Entry;
  Entry.FileName = FileName;
  try {
    Entry.Contents = ReadRecoveryFile(FileName);
  } catch (const ERecoveryError& Error) {
    Entry.Problem = Error.Message();
    return Entry;
  }
  const QString Path = Entry.Contents->Header.FilePath;
  if (!Path.isEmpty() && FileExists(Path)) {
    try {
      Entry.DiskText = ReadTextFile(Path);
    } catch (const Exception&) {
    }
  }
  return Entry;
}

QString TRecoveryEntry::Title() const {
  if (!Contents) return FileName;
  const TRecoveryHeader& Header = Contents->Header;
  if (!Header.FilePath.isEmpty()) return Header.FilePath;
  return Header.Project.isEmpty()
             ? QStringLiteral("untitled")
             : QStringLiteral("untitled (project %1)").arg(ExtractFileName(Header.Project));
}

QString TRecoveryEntry::State() const {
  if (!Contents) return QStringLiteral("Cannot be recovered: %1. The file is kept.").arg(Problem);
  if (Contents->Header.FilePath.isEmpty()) return QStringLiteral("Never saved");
  if (!DiskText) return QStringLiteral("The file on disk is gone");
  return *DiskText == Contents->Text ? QStringLiteral("Same as the file on disk")
                                     : QStringLiteral("Differs from the file on disk");
}

TRecoveryDialog::TRecoveryDialog(std::vector<TRecoveryEntry> Entries, QWidget* Parent)
    : QDialog(Parent), FEntries(std::move(Entries)) {
  setWindowTitle(QStringLiteral("Recover Unsaved Work"));
  auto* Intro = new QLabel(QStringLiteral(
      "The studio did not close normally last time. These texts were not saved. Recover "
      "opens one in an editor window, marked as changed; its file is written only when you "
      "save it."));
  Intro->setWordWrap(true);
  lvFiles = new QTreeWidget;
  lvFiles->setRootIsDecorated(false);
  lvFiles->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Autosaved"),
                            QStringLiteral("State")});
  for (const TRecoveryEntry& Entry : FEntries) {
    const QString Time = Entry.Contents ? QLocale().toString(Entry.Contents->Header.Time.toLocalTime(),
                                                             QLocale::ShortFormat)
                                        : QString();
    auto* Item = new QTreeWidgetItem({Entry.Title(), Time, Entry.State()});
    for (int Column = 0; Column < 3; ++Column)
      Item->setToolTip(Column, Item->text(Column));
    lvFiles->addTopLevelItem(Item);
  }
  // Paths lose their middle, not the file name, when the column is narrow.
  lvFiles->setTextElideMode(Qt::ElideMiddle);
  lvFiles->setColumnWidth(0, 300);
  lvFiles->setColumnWidth(1, 170);
  lvFiles->setCurrentItem(lvFiles->topLevelItem(0));

  auto* Buttons = new QDialogButtonBox;
  btRecover = Buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::ActionRole);
  btDifference = Buttons->addButton(QStringLiteral("Show Difference"), QDialogButtonBox::ActionRole);
  btDiscard = Buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::ActionRole);
  btLater = Buttons->addButton(QStringLiteral("Decide Later"), QDialogButtonBox::RejectRole);
  connect(btRecover, &QPushButton::clicked, this, &TRecoveryDialog::RecoverClick);
  connect(btDifference, &QPushButton::clicked, this, &TRecoveryDialog::DifferenceClick);
  connect(btDiscard, &QPushButton::clicked, this, &TRecoveryDialog::DiscardClick);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(lvFiles, &QTreeWidget::currentItemChanged, this, &TRecoveryDialog::UpdateButtons);

  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Intro);
  Layout->addWidget(lvFiles, 1);
  Layout->addWidget(Buttons);
  resize(720, 320);
  UpdateButtons();
}

int TRecoveryDialog::Current() const {
  return lvFiles->currentItem() ? lvFiles->indexOfTopLevelItem(lvFiles->currentItem()) : -1;
}

void TRecoveryDialog::UpdateButtons() {
  const int Index = Current();
  const bool Usable = Index >= 0 && FEntries[Index].Contents;
  btRecover->setEnabled(Usable);
  btDifference->setEnabled(Usable && FEntries[Index].DiskText);
  btDiscard->setEnabled(Index >= 0);
}

void TRecoveryDialog::Drop(int Index) {
  FEntries.erase(FEntries.begin() + Index);
  delete lvFiles->takeTopLevelItem(Index);
  if (FEntries.empty()) accept();
  UpdateButtons();
}

void TRecoveryDialog::RecoverClick() {
  const int Index = Current();
  if (Index < 0 || !FEntries[Index].Contents) return;
  if (OnRecover) OnRecover(FEntries[Index]);
  Drop(Index);
}

void TRecoveryDialog::DifferenceClick() {
  const int Index = Current();
  if (Index < 0 || !FEntries[Index].DiskText) return;
  const TRecoveryEntry& Entry = FEntries[Index];
  TDiffDialog Diff(QStringLiteral("On disk"), *Entry.DiskText, QStringLiteral("Recovered"),
                   Entry.Contents->Text, this);
  Diff.setWindowTitle(QStringLiteral("Differences: %1").arg(Entry.Title()));
  TDialogs::Current().ShowModal(Diff);
}

void TRecoveryDialog::DiscardClick() {
  const int Index = Current();
  if (Index < 0) return;
  if (TDialogs::Current().MessageBox(
          this,
          QStringLiteral("Discard the unsaved text of %1? It cannot be recovered afterwards.")
              .arg(FEntries[Index].Title()),
          ApplicationTitle, TMsgButtons::mbYesNo, TMsgIcon::Question) != TModalResult::mrYes)
    return;
  QFile::remove(FEntries[Index].FileName);
  Drop(Index);
}
