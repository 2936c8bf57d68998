/** @file EditorPage.h
 ** Options > Editor: font, tab size, automatic indentation, the line-number gutter and
 ** word completion. **/
#pragma once

#include "studio/settings/OptionsDialog.h"

class QCheckBox;
class QFontComboBox;
class QSpinBox;

class TEditorPage : public TOptionsPage {
 public:
  explicit TEditorPage(QWidget* Parent = nullptr);
  QString Title() const override { return QStringLiteral("Editor"); }
  void Load(const QSettings& Settings) override;
  void Store(QSettings& Settings) const override;

  QFontComboBox* FontFamily;
  QSpinBox* FontSize;
  QSpinBox* TabSize;
  QCheckBox* AutoIndent;
  QCheckBox* Gutter;
  QCheckBox* AutoComplete;
};
