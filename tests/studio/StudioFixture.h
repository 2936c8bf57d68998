/** @file StudioFixture.h
 ** A shown main window over a temporary folder, with scripted dialogs. **/
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "ScriptedDialogs.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"

/** Writes Bytes to Path, making its folder first. */
inline void WriteBytes(const QString& Path, const QByteArray& Bytes) {
  QDir().mkpath(QFileInfo(Path).path());
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Bytes);
}

/** The bytes of Path; empty when it cannot be read. */
inline QByteArray ReadBytes(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}

struct StudioFixture {
  StudioFixture() {
    Form.show();
    Form.compilerLoc = QString();
  }
  QString Path(const QString& Name) const { return Dir.filePath(Name); }
  QString Write(const QString& Name, const QByteArray& Bytes) const {
    WriteBytes(Path(Name), Bytes);
    return Path(Name);
  }
  QByteArray Read(const QString& Name) const { return ReadBytes(Path(Name)); }
  QList<TCodeFRM*> Windows() const {
    QList<TCodeFRM*> Result;
    for (QMdiSubWindow* Child : Form.MdiArea()->subWindowList())
      if (auto* Code = dynamic_cast<TCodeFRM*>(Child)) Result << Code;
    return Result;
  }
  QStringList TreeNames() const {
    QStringList Names;
    const QTreeWidgetItem* Root = Form.tvFiles->topLevelItem(0);
    for (int I = 0; I < Root->childCount(); ++I)
      Names << Root->child(I)->text(0);
    return Names;
  }
  QStringList Entries() const {
    QStringList Result;
    for (int I = 0; I < Form.curFileList->Count(); ++I)
      Result << Form.curFileList->Strings(I);
    return Result;
  }
  /** Closes every window without questions and lets them go. */
  ~StudioFixture() {
    for (TCodeFRM* Code : Windows())
      Code->bFileChanged = false;
    Form.CloseAll1Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QTemporaryDir Dir;
  TScriptedDialogs Dialogs;
  TMainFRM Form;
};
