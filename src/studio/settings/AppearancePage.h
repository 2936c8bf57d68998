/** @file AppearancePage.h
 ** Options > Appearance: light, dark, or the system's look. **/
#pragma once

#include "studio/settings/OptionsDialog.h"

class QRadioButton;

class TAppearancePage : public TOptionsPage {
 public:
  explicit TAppearancePage(QWidget* Parent = nullptr);
  QString Title() const override { return QStringLiteral("Appearance"); }
  void Load(const QSettings& Settings) override;
  void Store(QSettings& Settings) const override;

  QRadioButton* Light;
  QRadioButton* Dark;
  QRadioButton* System;
};
