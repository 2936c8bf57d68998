/** @file LanguagePage.h
 ** Options > Language: whether two typed letters open the completion list. **/
#pragma once

#include "studio/settings/OptionsDialog.h"

class QCheckBox;

/** The user's setting: two typed letters of a word open the completion list (default on). */
inline const QString AutoCompleteKey = QStringLiteral("editor/autoComplete");

class TLanguagePage : public TOptionsPage {
 public:
  explicit TLanguagePage(QWidget* Parent = nullptr);
  QString Title() const override { return QStringLiteral("Language"); }
  void Load(const QSettings& Settings) override;
  void Store(QSettings& Settings) const override;

  QCheckBox* AutoComplete;
};
