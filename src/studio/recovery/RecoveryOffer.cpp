/** @file RecoveryOffer.cpp **/
#include "studio/recovery/RecoveryOffer.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Paths.h"
#include "studio/CodeForm.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/recovery/Autosave.h"
#include "studio/recovery/DiskSync.h"
#include "studio/recovery/RecoveryDialog.h"
#include "studio/recovery/RecoveryStore.h"

namespace {
// The file's own window, when it is open or can be read, so that the recovered text keeps the
// file's encoding and line breaks and build marks reach one window; otherwise a new one.
TCodeFRM* WindowFor(TMainFRM& Main, const TRecoveryEntry& Entry) {
  const QString Path = Entry.Contents->Header.FilePath;
  if (Path.isEmpty()) return Main.NewCodeWindow(Path, Entry.Title());
  if (Main.CodeFormOf(Path) || FileExists(Path)) {
    try {
      return Main.ShowSourceFile(Path, Main.ProjectEntry(Path));
    } catch (const Exception&) {
      // Unreadable now: the recovered text still comes back, in a window of its own.
      if (TCodeFRM* Failed = Main.CodeFormOf(Path)) Failed->close();
    }
  }
  TCodeFRM* Code = Main.NewCodeWindow(Path, Main.ProjectEntry(Path));
  Code->DiskSync->Loaded(Path);
  return Code;
}
}  // namespace

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
    TCodeFRM* Code = WindowFor(Main, Entry);
    // One change over the whole text: Undo shows what the file holds.
    Code->tbCode->SetText(Entry.Contents->Text);
    Code->MarkChanged();
    Code->Autosave->Adopt(Entry.FileName);
  };
  TDialogs::Current().ShowModal(Dialog);
  Store.Release();
}
