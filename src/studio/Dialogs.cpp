/** @file Dialogs.cpp
 ** The platform's message boxes. **/
#include "studio/Dialogs.h"

#include <QMessageBox>

namespace {
TDialogs* Installed = nullptr;
}

TDialogs& TDialogs::Current() {
  static TDialogs Platform;
  return Installed ? *Installed : Platform;
}

void TDialogs::SetCurrent(TDialogs* Dialogs) {
  Installed = Dialogs;
}

TModalResult TDialogs::MessageBox(QWidget* Owner, const QString& Text, const QString& Caption,
                                  TMsgButtons Buttons, TMsgIcon Icon) {
  QMessageBox Box(Owner);
  Box.setWindowTitle(Caption);
  Box.setText(Text);
  switch (Icon) {
    case TMsgIcon::Question:
      Box.setIcon(QMessageBox::Question);
      break;
    case TMsgIcon::Error:
      Box.setIcon(QMessageBox::Critical);
      break;
    case TMsgIcon::Information:
      Box.setIcon(QMessageBox::Information);
      break;
    case TMsgIcon::None:
      break;
  }
  if (Buttons == TMsgButtons::mbYesNo) {
    Box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return Box.exec() == QMessageBox::Yes ? TModalResult::mrYes : TModalResult::mrNo;
  }
  Box.setStandardButtons(QMessageBox::Ok);
  Box.exec();
  return TModalResult::mrOk;
}
