/** @file DiskSync.cpp **/
#include "studio/recovery/DiskSync.h"

#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>

#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/core/Paths.h"
#include "studio/Application.h"
#include "studio/CodeForm.h"
#include "studio/Dialogs.h"
#include "studio/recovery/DiskChangeBar.h"

TDiskSync::TDiskSync(TCodeFRM* Form)
    : QObject(Form), FForm(Form), FWatch([this] { Check(); }), FBar(new TDiskChangeBar) {
  FForm->AddBar(FBar);
  connect(FBar->Reload, &QPushButton::clicked, this, &TDiskSync::AskReload);
  connect(FBar->KeepMine, &QPushButton::clicked, this, &TDiskSync::KeepMine);
  connect(FBar->Dismiss, &QPushButton::clicked, FBar, &QWidget::hide);
}

void TDiskSync::SetPath(const QString& FileName) {
  if (!FWatch.SetPath(FileName)) return;
  FKnown.reset();
  FMissing = false;
  FBar->hide();
}

void TDiskSync::Loaded(const QString& FileName) {
  if (FileName == FWatch.Path())
    FKnown = TFileStamp::Of(FWatch.Path());
  else
    FKnown.reset();
  FMissing = false;
  FBar->hide();
}

void TDiskSync::Saved() {
  FKnown = TFileStamp::Of(FWatch.Path());
  FMissing = false;
  FBar->hide();
}

void TDiskSync::ConfirmOverwrite() {
  if (!FKnown) return;
  const TFileStamp Now = TFileStamp::Of(FWatch.Path());
  if (!Now.Exists || Now == *FKnown) return;
  const QString Name = ExtractFileName(FWatch.Path());
  if (TDialogs::Current().MessageBox(
          FForm,
          QStringLiteral("%1 has been changed on disk by another program since it was opened "
                         "or saved. Overwrite it with your text?")
              .arg(Name),
          ApplicationTitle, TMsgButtons::mbYesNo, TMsgIcon::Question) != TModalResult::mrYes)
    throw ESaveDeclined(
        QStringLiteral("%1 was not saved; the version on disk is kept.").arg(Name));
}

void TDiskSync::Check() {
  if (!FKnown) return;
  const TFileStamp Now = TFileStamp::Of(FWatch.Path());
  if (Now == *FKnown) return;
  if (!Now.Exists) {
    if (FMissing) return;
    FMissing = true;
    FForm->MarkChanged();
    FBar->ShowDeleted(FWatch.Path());
    return;
  }
  FMissing = false;
  if (FForm->bFileChanged) {
    FBar->ShowChanged(FWatch.Path());
    return;
  }
  try {
    ReloadKeepingView();
    Note(QStringLiteral("%1 was changed on disk and has been reloaded.").arg(ExtractFileName(FWatch.Path())));
  } catch (const Exception&) {
    // Unreadable for now (still being written, no permission): the text stays as it is.
    FBar->ShowChanged(FWatch.Path());
  }
}

// One whole-text replacement; the caret and the first visible row stay where they were
// as far as the new text reaches.
void TDiskSync::ReloadKeepingView() {
  TSourceEdit& Editor = *FForm->tbCode;
  const TTextCell Caret = Editor.Selection()->StartRowCol();
  const int TopRow = Editor.VisibleRange()->FTopRow;
  const int LeftCol = Editor.VisibleRange()->LeftCol();
  FForm->FillFromFile(FWatch.Path());
  const int Row = std::clamp(Caret.Row, 1, std::max(1, Editor.LineCount()));
  const int Col = std::clamp(Caret.Col, 1, Editor.LineLength(Row) + 1);
  Editor.SetSelStart(Editor.CellToCharIdx(TextCell(Row, Col)) - 1);
  Editor.VisibleRange()->SetStartRowCol(TextCell(TopRow, 1));
  Editor.VisibleRange()->SetLeftCol(LeftCol);
}

void TDiskSync::AskReload() {
  if (TDialogs::Current().MessageBox(
          FForm,
          QStringLiteral("Reload %1 from disk? Your changes in this window will be lost.")
              .arg(ExtractFileName(FWatch.Path())),
          ApplicationTitle, TMsgButtons::mbYesNo, TMsgIcon::Question) != TModalResult::mrYes)
    return;
  DeliverShowingErrors([this] {
    ReloadKeepingView();
    return true;
  });
}

// The user has seen the file on disk and chose their text: Save overwrites it unasked.
void TDiskSync::KeepMine() {
  FKnown = TFileStamp::Of(FWatch.Path());
  FBar->hide();
}

void TDiskSync::Note(const QString& Text) {
  if (auto* Main = qobject_cast<QMainWindow*>(FForm->window()))
    Main->statusBar()->showMessage(Text, 5000);
}
