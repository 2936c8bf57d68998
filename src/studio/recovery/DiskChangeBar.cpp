/** @file DiskChangeBar.cpp **/
#include "studio/recovery/DiskChangeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "platform/core/Paths.h"

TDiskChangeBar::TDiskChangeBar(QWidget* Parent) : QFrame(Parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  setAutoFillBackground(true);
  QPalette Colours = palette();
  Colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
  Colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(Colours);
  Message = new QLabel;
  Message->setWordWrap(true);
  Reload = new QPushButton(QStringLiteral("Reload"));
  KeepMine = new QPushButton(QStringLiteral("Keep Mine"));
  Dismiss = new QPushButton(QStringLiteral("OK"));
  auto* Row = new QHBoxLayout(this);
  Row->setContentsMargins(6, 3, 6, 3);
  Row->addWidget(Message, 1);
  Row->addWidget(Reload);
  Row->addWidget(KeepMine);
  Row->addWidget(Dismiss);
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
