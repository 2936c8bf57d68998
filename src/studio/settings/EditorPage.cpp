/** @file EditorPage.cpp **/
#include "studio/settings/EditorPage.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QSpinBox>

#include "studio/settings/UserSettings.h"

TEditorPage::TEditorPage(QWidget* Parent) : TOptionsPage(Parent) {
  FontFamily = new QFontComboBox;
  FontFamily->setFontFilters(QFontComboBox::MonospacedFonts);
  FontSize = new QSpinBox;
  FontSize->setRange(6, 72);
  FontSize->setSuffix(QStringLiteral(" px"));
  TabSize = new QSpinBox;
  TabSize->setRange(1, 16);
  AutoIndent = new QCheckBox(QStringLiteral("Indent new lines like the line above"));
  Gutter = new QCheckBox(QStringLiteral("Show line numbers"));
  AutoComplete = new QCheckBox(QStringLiteral("Complete words automatically"));
  auto* Form = new QFormLayout(this);
  Form->addRow(QStringLiteral("Font:"), FontFamily);
  Form->addRow(QStringLiteral("Size:"), FontSize);
  Form->addRow(QStringLiteral("Tab size:"), TabSize);
  Form->addRow(AutoIndent);
  Form->addRow(Gutter);
  Form->addRow(AutoComplete);
}

void TEditorPage::Load(const QSettings& Settings) {
  const TEditorSettings S = TEditorSettings::Load(Settings);
  FontFamily->setCurrentFont(QFont(S.FontFamily));
  FontSize->setValue(S.FontSize);
  TabSize->setValue(S.TabSize);
  AutoIndent->setChecked(S.AutoIndent);
  Gutter->setChecked(S.Gutter);
  AutoComplete->setChecked(S.AutoComplete);
}

void TEditorPage::Store(QSettings& Settings) const {
  TEditorSettings S;
  S.FontFamily = FontFamily->currentFont().family();
  S.FontSize = FontSize->value();
  S.TabSize = TabSize->value();
  S.AutoIndent = AutoIndent->isChecked();
  S.Gutter = Gutter->isChecked();
  S.AutoComplete = AutoComplete->isChecked();
  S.Store(Settings);
}
