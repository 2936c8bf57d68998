/** @file ColouringProgress.cpp
 ** The share of the text coloured so far, as a small bar in the status bar. **/
#include "studio/files/ColouringProgress.h"

#include "sourceedit/SourceEdit.h"

namespace {
// The bar's range: text lengths do not fit QProgressBar's int range once scaled.
constexpr int Steps = 1000;
}  // namespace

TColouringProgress::TColouringProgress(TSourceEdit& Editor, QWidget* Parent)
    : QProgressBar(Parent), FEditor(Editor) {
  setRange(0, Steps);
  setFormat(QStringLiteral("Colouring %p%"));
  setMaximumWidth(140);
  setMaximumHeight(16);
  setToolTip(QStringLiteral("A big text is coloured in the background; you can edit meanwhile."));
  hide();
  FEditor.OnScanProgress = [this](TObject*) { Follow(); };
  Follow();
}

void TColouringProgress::Follow() {
  const bool Pending = FEditor.SyntaxChain()->ScanPending();
  if (Pending) {
    const double Share = FEditor.TextLength() > 0
                             ? static_cast<double>(FEditor.ScannedLength()) / FEditor.TextLength()
                             : 0;
    setValue(static_cast<int>(Share * Steps));
  }
  setVisible(Pending);
}
