/** @file RecoveryOffer.cpp **/
#include "studio/recovery/RecoveryOffer.h"

#include "studio/CodeForm.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/recovery/Autosave.h"
#include "studio/recovery/DiskSync.h"
#include "studio/recovery/RecoveryDialog.h"
#include "studio/recovery/RecoveryStore.h"

void OfferRecovery(TMainFRM& Main) {
  OfferRecovery(Main, TRecoveryStore::Instance());
}

void OfferRecovery(TMainFRM& Main, TRecoveryStore& Store) {
  const QStringList Files = Store.LeftBehind();
  if (Files.isEmpty()) {
    Store.Release();
    return;
  }
  std::vector<TRecoveryEntry> Entries;
  for (const QString& File : Files)
    Entries.push_back(TRecoveryEntry::Read(File));
  TRecoveryDialog Dialog(std::move(Entries), &Main);
  // The recovered text never goes over its file by itself: the window is marked as changed
  // and its recovery file becomes the window's own until the user saves or gives it up.
  Dialog.OnRecover = [&Main](const TRecoveryEntry& Entry) {
    const QString Path = Entry.Contents->Header.FilePath;
    TCodeFRM* Code = Main.NewCodeWindow(Path, Path.isEmpty() ? Entry.Title() : Path);
    Code->FillText(Entry.Contents->Text);
    Code->DiskSync->Loaded(Path);
    Code->MarkChanged();
    Code->Autosave->Adopt(Entry.FileName);
  };
  TDialogs::Current().ShowModal(Dialog);
  Store.Release();
}
