/** @file ColoursPage.h
 ** Options > Colours: the colour and font style of each word list and style of the
 ** language, with a live preview; stored as differences from the language definition. **/
#pragma once

#include <memory>

#include "studio/settings/Colouring.h"
#include "studio/settings/OptionsDialog.h"

class QCheckBox;
class QListWidget;
class QPushButton;
class TQtControlHost;
class TSourceEdit;

class TColoursPage : public TOptionsPage {
 public:
  /** Definition: the colourings of the stored language definition. */
  explicit TColoursPage(TColourings Definition, QWidget* Parent = nullptr);
  ~TColoursPage() override;
  QString Title() const override { return QStringLiteral("Colours"); }
  void Load(const QSettings& Settings) override;
  void Store(QSettings& Settings) const override;

  /** Changes the colour of the selected entry, as the colour button does. */
  void SetCurrentColor(TColor Color);
  void ResetToDefaults();
  const TColourings& Colourings() const { return FCurrent; }
  TSourceEdit* Preview() const { return FPreview.get(); }

  QListWidget* Entries;
  QPushButton* ColorButton;
  QCheckBox *Bold, *Italic, *Underline;
  QPushButton* Reset;

 private:
  void ShowEntry();
  void StyleChanged();
  void UpdatePreview();

  TColourings FDefinition;
  TColourings FCurrent;
  std::unique_ptr<TSourceEdit> FPreview;
  std::unique_ptr<TQtControlHost> FPreviewHost;  // destroyed before the editor it hosts
};
