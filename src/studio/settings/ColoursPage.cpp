/** @file ColoursPage.cpp **/
#include "studio/settings/ColoursPage.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtControlHost.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"
#include "studio/shell/Theme.h"

namespace {
const QString PreviewText = QStringLiteral(
    "// A line comment\r\n"
    "#include 'system.yor'\r\n"
    "/* A block comment */\r\n"
    "program Sample;\r\n"
    "\r\n"
    "procedure Add(int a, dword b) {\r\n"
    "  mov eax, 42\r\n"
    "  push ds\r\n"
    "  fld st\r\n"
    "  movq mm1, mm2\r\n"
    "  if a == 1 { p = malloc(16); }\r\n"
    "  PrintLine('Lift off!');\r\n"
    "}\r\n");
}  // namespace

TColoursPage::TColoursPage(TColourings Definition, QWidget* Parent)
    : TOptionsPage(Parent), FDefinition(std::move(Definition)), FCurrent(FDefinition) {
  Entries = new QListWidget;
  for (const TColouring& C : FDefinition)
    Entries->addItem(C.Caption);
  ColorButton = new QPushButton(QStringLiteral("Colour…"));
  Bold = new QCheckBox(QStringLiteral("Bold"));
  Italic = new QCheckBox(QStringLiteral("Italic"));
  Underline = new QCheckBox(QStringLiteral("Underline"));
  Reset = new QPushButton(QStringLiteral("Reset to Defaults"));
  connect(Entries, &QListWidget::currentRowChanged, this, [this] { ShowEntry(); });
  connect(ColorButton, &QPushButton::clicked, this, [this] {
    const int Row = Entries->currentRow();
    if (Row < 0) return;
    const QColor Chosen = QColorDialog::getColor(ToQColor(FCurrent[Row].Color), this);
    if (Chosen.isValid()) SetCurrentColor(FromQColor(Chosen));
  });
  for (QCheckBox* Box : {Bold, Italic, Underline})
    connect(Box, &QCheckBox::clicked, this, [this] { StyleChanged(); });
  connect(Reset, &QPushButton::clicked, this, [this] { ResetToDefaults(); });

  FPreview = std::make_unique<TSourceEdit>();
  LoadStoredSettings(*FPreview, YorelEditorSettings);
  FPreview->SetScrollBars(TScrollStyle::ssNone);
  FPreview->SetColor(clWindow);
  FPreview->Font()->SetName(QStringLiteral("Courier New"));
  FPreview->Font()->SetColor(clWindowText);
  FPreviewHost = std::make_unique<TQtControlHost>(FPreview.get());
  FPreviewHost->setMinimumSize(320, 200);
  FPreview->Lines()->SetText(PreviewText);
  FPreview->SetReadOnly(true);

  auto* Controls = new QVBoxLayout;
  Controls->addWidget(ColorButton);
  Controls->addWidget(Bold);
  Controls->addWidget(Italic);
  Controls->addWidget(Underline);
  Controls->addStretch(1);
  Controls->addWidget(Reset);
  auto* Grid = new QGridLayout(this);
  Grid->addWidget(Entries, 0, 0);
  Grid->addLayout(Controls, 0, 1);
  Grid->addWidget(FPreviewHost.get(), 1, 0, 1, 2);
  Grid->setRowStretch(1, 1);
  Entries->setCurrentRow(0);
}

TColoursPage::~TColoursPage() {
  FPreviewHost.reset();
}

void TColoursPage::Load(const QSettings& Settings) {
  FCurrent = WithStoredChanges(Settings, FDefinition);
  ShowEntry();
  UpdatePreview();
}

void TColoursPage::Store(QSettings& Settings) const {
  StoreChanges(Settings, FDefinition, FCurrent);
}

void TColoursPage::SetCurrentColor(TColor Color) {
  const int Row = Entries->currentRow();
  if (Row < 0) return;
  FCurrent[Row].Color = Color;
  FCurrent[Row].CustomColor = true;
  ShowEntry();
  UpdatePreview();
}

void TColoursPage::ResetToDefaults() {
  FCurrent = FDefinition;
  ShowEntry();
  UpdatePreview();
}

void TColoursPage::ShowEntry() {
  const int Row = Entries->currentRow();
  if (Row < 0) return;
  const TColouring& C = FCurrent[Row];
  QPixmap Swatch(16, 16);
  Swatch.fill(ToQColor(C.Color));
  ColorButton->setIcon(QIcon(Swatch));
  Bold->setChecked(C.Style.Contains(TFontStyle::fsBold));
  Italic->setChecked(C.Style.Contains(TFontStyle::fsItalic));
  Underline->setChecked(C.Style.Contains(TFontStyle::fsUnderline));
}

void TColoursPage::StyleChanged() {
  const int Row = Entries->currentRow();
  if (Row < 0) return;
  TFontStyles Style;
  if (Bold->isChecked()) Style.Include(TFontStyle::fsBold);
  if (Italic->isChecked()) Style.Include(TFontStyle::fsItalic);
  if (Underline->isChecked()) Style.Include(TFontStyle::fsUnderline);
  FCurrent[Row].Style = Style;
  FCurrent[Row].CustomStyle = true;
  UpdatePreview();
}

// As the editors will show it: on a dark palette the colours are made readable there.
void TColoursPage::UpdatePreview() {
  ApplyColourings(*FPreview->SyntaxColoring(), ThemedColourings(FCurrent));
  FPreview->GutterColors = ThemeGutterColors();
  FPreview->Invalidate();
}
