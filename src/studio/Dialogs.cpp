/** @file Dialogs.cpp
 ** The platform's message boxes and file dialogs. **/
#include "studio/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {
TDialogs* Installed = nullptr;

QString RunFileDialog(QWidget* Owner, QFileDialog::AcceptMode Mode, const QString& Filter,
                      const QString& DefaultExt, const QString& InitialFolder,
                      const QString& FileName) {
  // Only the description is shown: it names its pattern already.
  QFileDialog Dialog(Owner, QString(), InitialFolder, Filter.section(u'|', 0, 0));
  Dialog.setAcceptMode(Mode);
  Dialog.setFileMode(Mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                     : QFileDialog::ExistingFile);
  Dialog.setDefaultSuffix(DefaultExt.startsWith(u'.') ? DefaultExt.mid(1) : DefaultExt);
  if (!FileName.isEmpty()) Dialog.selectFile(FileName);
  if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return QString();
  return QDir::toNativeSeparators(Dialog.selectedFiles().constFirst());
}
}  // namespace

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
  switch (Buttons) {
    case TMsgButtons::mbYesNo:
      Box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      return Box.exec() == QMessageBox::Yes ? TModalResult::mrYes : TModalResult::mrNo;
    case TMsgButtons::mbYesNoCancel:
      // Escape and the close button cancel.
      Box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      switch (Box.exec()) {
        case QMessageBox::Yes:
          return TModalResult::mrYes;
        case QMessageBox::No:
          return TModalResult::mrNo;
        default:
          return TModalResult::mrCancel;
      }
    case TMsgButtons::mbOK:
      break;
  }
  Box.setStandardButtons(QMessageBox::Ok);
  Box.exec();
  return TModalResult::mrOk;
}

QString TDialogs::OpenFile(QWidget* Owner, const QString& Filter, const QString& DefaultExt,
                           const QString& InitialFolder) {
  return RunFileDialog(Owner, QFileDialog::AcceptOpen, Filter, DefaultExt, InitialFolder,
                       QString());
}

QString TDialogs::SaveFile(QWidget* Owner, const QString& Filter, const QString& DefaultExt,
                           const QString& InitialFolder, const QString& FileName) {
  return RunFileDialog(Owner, QFileDialog::AcceptSave, Filter, DefaultExt, InitialFolder, FileName);
}

TModalResult TDialogs::ShowModal(QDialog& Dialog) {
  return Dialog.exec() == QDialog::Accepted ? TModalResult::mrOk : TModalResult::mrCancel;
}
