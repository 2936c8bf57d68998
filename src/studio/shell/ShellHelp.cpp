/** @file ShellHelp.cpp
 ** Help > Keyboard Shortcuts (read from the menus themselves, so the list cannot drift)
 ** and Help > About. **/
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/shell/StudioShell.h"

#ifndef YOREL_VERSION
#define YOREL_VERSION "unknown"
#endif

namespace {
QString Plain(QString Caption) {
  Caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  Caption.remove(u'&');
  return Caption.replace(u'\x01', u'&');
}

void AddCommands(QTreeWidgetItem* Parent, const QMenu* Menu) {
  for (QAction* Action : Menu->actions()) {
    if (Action->menu()) {
      AddCommands(Parent, Action->menu());
      continue;
    }
    if (Action->shortcuts().isEmpty()) continue;
    QStringList Keys;
    for (const QKeySequence& Key : Action->shortcuts())
      Keys << Key.toString(QKeySequence::NativeText);
    new QTreeWidgetItem(Parent, {Plain(Action->text()), Keys.join(QStringLiteral(", "))});
  }
}
}  // namespace

void TStudioShell::ShowKeyboardShortcuts() {
  QDialog Dialog(&FForm);
  Dialog.setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
  auto* List = new QTreeWidget;
  List->setHeaderLabels({QStringLiteral("Command"), QStringLiteral("Keys")});
  List->setRootIsDecorated(false);
  for (QAction* MenuItem : FForm.MainMenu1->actions()) {
    auto* Group = new QTreeWidgetItem(List, {Plain(MenuItem->text())});
    Group->setFirstColumnSpanned(true);
    AddCommands(Group, MenuItem->menu());
    if (Group->childCount() == 0) delete Group;
  }
  List->expandAll();
  List->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  QObject::connect(Buttons, &QDialogButtonBox::rejected, &Dialog, &QDialog::reject);
  auto* Column = new QVBoxLayout(&Dialog);
  Column->addWidget(List);
  Column->addWidget(Buttons);
  Dialog.resize(420, 520);
  TDialogs::Current().ShowModal(Dialog);
}

void TStudioShell::ShowAbout() {
  TDialogs::Current().MessageBox(
      &FForm,
      QStringLiteral("%1 %2\n\nA development studio for the Yorel language.\n"
                     "Built with Qt %3, running on Qt %4.\n\n"
                     "Free software: you may use, study, share and change it under the "
                     "terms of the licence that came with it.")
          .arg(ApplicationTitle, QStringLiteral(YOREL_VERSION), QStringLiteral(QT_VERSION_STR),
               QString::fromLatin1(qVersion())),
      QStringLiteral("About %1").arg(ApplicationTitle), TMsgButtons::mbOK, TMsgIcon::Information);
}
