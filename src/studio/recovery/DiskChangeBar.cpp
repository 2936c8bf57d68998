/** @file DiskChangeBar.cpp **/
#include "studio/recovery/DiskChangeBar.h"

#include <QLabel>
#include <QPushButton>

#include "platform/core/Paths.h"

TDiskChangeBar::TDiskChangeBar(QWidget* Parent) : TNoticeBar(Parent) {
  Reload = AddButton(QStringLiteral("Reload"));
  KeepMine = AddButton(QStringLiteral("Keep Mine"));
  Dismiss = AddButton(QStringLiteral("OK"));
  hide();
}

void TDiskChangeBar::ShowChanged(const QString& FileName) {
  Message->setText(
      QStringLiteral("%1 has been changed on disk by another program. Reload it and lose "
                     "your changes, or keep your text?")
          .arg(ExtractFileName(FileName)));
  Reload->show();
  KeepMine->show();
  Dismiss->hide();
  show();
}

void TDiskChangeBar::ShowDeleted(const QString& FileName) {
  Message->setText(QStringLiteral("%1 has been deleted or renamed on disk. The text is kept; "
                                  "Save writes it back.")
                       .arg(ExtractFileName(FileName)));
  Reload->hide();
  KeepMine->hide();
  Dismiss->show();
  show();
}
