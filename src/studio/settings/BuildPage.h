/** @file BuildPage.h
 ** Options > Build: where the compiler is and the arguments placed before the main file. **/
#pragma once

#include "studio/settings/OptionsDialog.h"

class QLineEdit;

class TBuildPage : public TOptionsPage {
 public:
  explicit TBuildPage(QWidget* Parent = nullptr);
  QString Title() const override { return QStringLiteral("Build"); }
  void Load(const QSettings& Settings) override;
  void Store(QSettings& Settings) const override;

  QLineEdit* CompilerLocation;
  QLineEdit* CompilerArguments;
};
