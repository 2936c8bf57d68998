/** @file CodeForm.cpp
 ** The editor window's layout, change tracking, saving and popup commands. **/
#include "studio/CodeForm.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QVBoxLayout>

#include "editor/SelectionRange.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"
#include "platform/qt/QtControlHost.h"
#include "sourceedit/StoredSettings.h"
#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/files/ColouringProgress.h"
#include "studio/files/FormatSave.h"
#include "studio/files/UnreadableBar.h"
#include "studio/marks/RowMarkToolTip.h"
#include "studio/recovery/Autosave.h"
#include "studio/recovery/DiskSync.h"
#include "studio/search/EditorHighlights.h"

namespace {
constexpr int ClientWidth = 592;
constexpr int ClientHeight = 449;
constexpr int StatusBarHeight = 17;
constexpr int PanelWidths[3] = {50, 150, 180};
}  // namespace

TCodeFRM::TCodeFRM(QWidget* Parent) : QMdiSubWindow(Parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("CodeFRM"));
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  CreateEditor();
  CreateStatusBar();
  CreatePopupMenu();
  FHighlights = std::make_unique<TEditorHighlights>(*tbCode);
  auto* Client = new QWidget;
  auto* Column = new QVBoxLayout(Client);
  Column->setContentsMargins(0, 0, 0, 0);
  Column->setSpacing(0);
  Column->addWidget(FHost.get(), 1);
  FBars = new QVBoxLayout;
  FBars->setContentsMargins(0, 0, 0, 0);
  FBars->setSpacing(0);
  Column->addLayout(FBars);
  Column->addWidget(EdStatBar);
  setWidget(Client);
  // Never smaller than the editor's minimum above the status bar: a window squeezed below
  // that (by tiling, say) would lay the status bar over the text.
  layout()->setSizeConstraint(QLayout::SetMinimumSize);
  resize(ClientWidth, ClientHeight);
  DiskSync = new TDiskSync(this);
  Autosave = new TAutosave(this);
  ShowChangeState();
}

TCodeFRM::~TCodeFRM() {
  FHost.reset();
}

void TCodeFRM::CreateEditor() {
  tbCode = std::make_unique<TSourceEdit>();
  LoadStoredSettings(*tbCode, YorelEditorSettings);
  tbCode->SetScrollBars(TScrollStyle::ssBoth);
  tbCode->SetBitmapped(false);
  tbCode->SetAlwaysShowCaret(true);
  tbCode->SetLeftMargin(50);
  tbCode->SetTabSize(4);
  tbCode->SetColor(clWindow);
  tbCode->Font()->SetName(QStringLiteral("Courier New"));
  tbCode->Font()->SetHeight(-13);
  tbCode->Font()->SetColor(clWindowText);
  tbCode->OnChange = [this](TObject*) { tbCodeChange(); };
  tbCode->OnSelectionChange = [this](TObject*) { tbCodeSelectionChange(); };
  FHost = std::make_unique<TQtControlHost>(tbCode.get());
  FHost->setMinimumSize(64, 64);
  TRowMarkToolTip::Install(FHost.get(), tbCode.get());
  FHost->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(FHost.get(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { pmCodeBox->popup(FHost->viewport()->mapToGlobal(At)); });
}

void TCodeFRM::CreateStatusBar() {
  EdStatBar = new QStatusBar;
  EdStatBar->setSizeGripEnabled(false);
  // At least its stored height, and as high as its panels need, so that they are not cut.
  EdStatBar->setMinimumHeight(StatusBarHeight);
  for (int I = 0; I < 3; ++I) {
    FPanels[I] = new QLabel;
    FPanels[I]->setFixedWidth(PanelWidths[I]);
    FPanels[I]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    EdStatBar->addWidget(FPanels[I]);
  }
  FPanels[1]->setAlignment(Qt::AlignCenter);
  FFormatPanel = new QLabel;
  FFormatPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  EdStatBar->addWidget(FFormatPanel);
  EdStatBar->addPermanentWidget(new TColouringProgress(*tbCode));
  ShowFormat();
}

// The three items without an action are shown disabled so that they promise nothing.
void TCodeFRM::CreatePopupMenu() {
  pmCodeBox = new QMenu(this);
  auto Item = [this](const QString& Caption, void (TCodeFRM::*Handler)()) {
    QAction* Action = pmCodeBox->addAction(Caption);
    if (Handler)
      connect(Action, &QAction::triggered, this,
              ShowingErrors([this, Handler] { (this->*Handler)(); }));
    else
      Action->setEnabled(false);
    return Action;
  };
  Copy1 = Item(QStringLiteral("Close Page"), nullptr);
  OpenfileatCursor1 = Item(QStringLiteral("Open File at Cursor"), nullptr);
  N1 = pmCodeBox->addSeparator();
  Cut1 = Item(QStringLiteral("Cut"), &TCodeFRM::Cut1Click);
  Copy2 = Item(QStringLiteral("Copy"), &TCodeFRM::Copy2Click);
  Paste1 = Item(QStringLiteral("Paste"), &TCodeFRM::Paste1Click);
  Delete1 = Item(QStringLiteral("Delete"), &TCodeFRM::Delete1Click);
  N2 = pmCodeBox->addSeparator();
  Properties1 = Item(QStringLiteral("Properties"), nullptr);
}

QLabel* TCodeFRM::Panel(int I) const {
  return FPanels[I];
}

void TCodeFRM::AddBar(QWidget* Bar) {
  FBars->addWidget(Bar);
}

void TCodeFRM::MarkChanged() {
  bFileChanged = true;
  ShowChangeState();
}

void TCodeFRM::SetFile(const QString& FileName, const QString& Caption) {
  strFile = FileName;
  DiskSync->SetPath(FileName);
  setWindowTitle(Caption);
  ShowChangeState();
}

void TCodeFRM::FillText(const QString& Text) {
  Fill([&] { tbCode->Lines()->SetText(Text); });
  FFormat = TTextFormat();
  ShowFormat();
}

void TCodeFRM::FillFromFile(const QString& FileName) {
  FillFromDecoded(FileName, DecodeTextFile(ReadFileBytes(FileName)));
}

void TCodeFRM::FillFromDecoded(const QString& FileName, TDecodedText Decoded) {
  QString Unreadable;
  Fill([&] { FFormat = FileLines().LoadDecoded(std::move(Decoded), Unreadable); });
  ShowFormat();
  ShowUnreadable(Unreadable);
  DiskSync->Loaded(FileName);
}

void TCodeFRM::SetFileFormat(const TTextFormat& Format) {
  FFormat = Format;
  ShowFormat();
}

// A loaded text is where the user's history starts: an undo record of the load would let
// the first Undo after typing (merged into it) empty the window.
void TCodeFRM::Fill(const std::function<void()>& Load) {
  {
    const QScopedValueRollback Filling(FFilling, true);
    Load();
    tbCode->ClearUndo();
  }
  bFileChanged = false;
  ShowChangeState();
}

void TCodeFRM::Save() {
  DiskSync->ConfirmOverwrite();
  WriteFile(strFile);
  DiskSync->Saved();
  Autosave->Discard();
  bFileChanged = false;
  ShowChangeState();
}

void TCodeFRM::SaveAs(const QString& FileName, const QString& Caption) {
  WriteFile(FileName);
  bFileChanged = false;
  SetFile(FileName, Caption);
  DiskSync->Saved();
  Autosave->Discard();
}

// A window that shows only part of its file does not write it over the whole file.
void TCodeFRM::WriteFile(const QString& FileName) {
  if (FUnreadableBar && FileName == strFile)
    throw EFCreateError(ExpandFileName(FileName),
                        QStringLiteral("Part of the file could not be read; choose Edit anyway "
                                       "before saving it"));
  SaveInFormat(this, FileLines(), FileName, FFormat);
  ShowFormat();
}

TMemoComponentStrings& TCodeFRM::FileLines() const {
  return static_cast<TMemoComponentStrings&>(*tbCode->Lines());
}

void TCodeFRM::ShowFormat() {
  FFormatPanel->setText(FFormat.EncodingName() + QStringLiteral(", ") + FFormat.LineBreakName());
}

void TCodeFRM::ShowUnreadable(const QString& Message) {
  if (FUnreadableBar) {
    delete FUnreadableBar;
    FUnreadableBar = nullptr;
    tbCode->SetReadOnly(false);
  }
  if (Message.isEmpty()) return;
  tbCode->SetReadOnly(true);
  FUnreadableBar = new TUnreadableBar(Message, [this] { EditAnyway(); });
  AddBar(FUnreadableBar);
}

void TCodeFRM::EditAnyway() {
  tbCode->SetReadOnly(false);
  FUnreadableBar->deleteLater();
  FUnreadableBar = nullptr;
}

// Every change of the text counts, not only typed characters, so no edit is lost silently.
void TCodeFRM::tbCodeChange() {
  if (FFilling) return;
  if (Autosave) Autosave->TextChanged();  // not yet there while the window is made
  if (bFileChanged) return;
  bFileChanged = true;
  ShowChangeState();
}

void TCodeFRM::ShowChangeState() {
  const QFileInfo File(strFile);
  if (bFileChanged)
    FPanels[2]->setText(QStringLiteral("Modified"));
  else if (!strFile.isEmpty() && File.exists() && !File.isWritable())
    FPanels[2]->setText(QStringLiteral("Read-Only"));
  else
    FPanels[2]->clear();
}

// The question comes before anything else. Cancel, or a save that fails (its error shown),
// keeps the window open with its text.
void TCodeFRM::closeEvent(QCloseEvent* Event) {
  Event->ignore();
  if (bFileChanged) {
    const TModalResult Answer = TDialogs::Current().MessageBox(
        this, QStringLiteral("Save changes to %1?").arg(ExtractFileName(strFile)),
        QStringLiteral("Save"), TMsgButtons::mbYesNoCancel, TMsgIcon::Question);
    if (Answer == TModalResult::mrCancel) return;
    if (Answer == TModalResult::mrYes && !DeliverShowingErrors([this] {
          Save();
          return true;
        }))
      return;
  }
  QMdiSubWindow::closeEvent(Event);
}

void TCodeFRM::tbCodeSelectionChange() {
  if (!isVisible()) return;
  TSelectionRange* Selection = tbCode->Selection();
  FPanels[1]->setText(
      QStringLiteral("%1: %2").arg(Selection->StartRowCol().Row).arg(Selection->ScrCol()));
}

void TCodeFRM::Cut1Click() {
  tbCode->CutToClipboard();
}

void TCodeFRM::Copy2Click() {
  tbCode->CopyToClipboard();
}

void TCodeFRM::Paste1Click() {
  tbCode->PasteFromClipboard();
}

// Deletes only a selection that holds text.
void TCodeFRM::Delete1Click() {
  tbCode->Selection()->Clear();
}
