/** @file FilesPage.h
 ** Options > Files: how often unsaved text is put aside, and the encoding of new files. **/
#pragma once

#include "studio/settings/OptionsDialog.h"

class QComboBox;
class QSpinBox;

class TFilesPage : public TOptionsPage {
 public:
  explicit TFilesPage(QWidget* Parent = nullptr);
  QString Title() const override { return QStringLiteral("Files"); }
  void Load(const QSettings& Settings) override;
  void Store(QSettings& Settings) const override;

  QSpinBox* AutosaveSeconds;
  QComboBox* DefaultEncoding;
};
