/** @file BuildFixture.h
 ** A studio with a project and stand-in compilers: small shell scripts each test writes. **/
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QThread>

#include "studio/StudioFixture.h"
#include "studio/build/BuildOutput.h"
#include "studio/settings/UserSettings.h"

struct BuildFixture : StudioFixture {
  BuildFixture() { ForgetUserSettings(); }
  ~BuildFixture() {
    if (Output().Running()) {
      Output().Stop();
      WaitForEnd();
    }
    ForgetUserSettings();
  }
  static void ForgetUserSettings() {
    auto Settings = UserSettings();
    Settings->remove(SettingsKey::CompilerLocation);
    Settings->remove(SettingsKey::CompilerArguments);
  }

  /** An executable script in bin/ that stands in for the compiler; it becomes the compiler. */
  QString Compiler(const QByteArray& Body, const QString& Name = QStringLiteral("compiler.sh")) {
    const QString Program = Write("bin/" + Name, "#!/bin/sh\n" + Body);
    QFile::setPermissions(Program, QFile::permissions(Program) | QFile::ExeOwner);
    Form.compilerLoc = Program;
    return Program;
  }
  /** A project Demo.ypr in proj/ whose main file holds Text; the main file's window opens. */
  void Project(const QByteArray& Text = "program Demo;\r\n", const QByteArray& Entry = "main.yor") {
    Write("proj/" + QString::fromUtf8(Entry), Text);
    Form.OpenProjectFile(Write("proj/Demo.ypr", Entry + "\r\n"));
  }

  TBuildOutput& Output() const { return *Form.BuildOutput(); }
  TOutputPanel& Panel() const { return *Output().Panel(); }

  template <typename Condition>
  bool WaitFor(Condition Done, int Ms = 30000) {
    QElapsedTimer Timer;
    Timer.start();
    while (!Done() && Timer.elapsed() < Ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(1);
    }
    return Done();
  }
  bool WaitForEnd(int Ms = 30000) {
    return WaitFor([this] { return !Output().Running(); }, Ms);
  }
  /** Build or Build & Run to the end. */
  void Build(bool Run = false) {
    Run ? Form.toolBuRunClick() : Form.toolBuBuildClick();
    ASSERT_TRUE(WaitForEnd());
  }
  QStringList Lines() const {
    QStringList Result;
    for (int Row = 0; Row < Panel().Model()->rowCount(); ++Row)
      Result << Panel().Model()->Text(Row);
    return Result;
  }
  QString LastLine() const { return Lines().isEmpty() ? QString() : Lines().last(); }
  int RowOfText(const QString& Text) const { return static_cast<int>(Lines().indexOf(Text)); }
};
