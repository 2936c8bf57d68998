/** @file ProjectWatch.cpp **/
#include "studio/recovery/ProjectWatch.h"

#include "platform/core/Paths.h"
#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/ProjectFile.h"
#include "studio/recovery/DiskWatcher.h"

TProjectWatch::TProjectWatch(TMainFRM& Main, std::function<void()> ShowTree)
    : QObject(&Main), FMain(Main), FShowTree(std::move(ShowTree)) {
  FSettle.setSingleShot(true);
  FSettle.setInterval(100);
  connect(&FSettle, &QTimer::timeout, this, &TProjectWatch::Check);
  connect(&TDiskWatcher::Instance(), &TDiskWatcher::Changed, this,
          [this](const QString& FileName) {
            if (FileName == FPath) FSettle.start();
          });
}

TProjectWatch::~TProjectWatch() {
  TDiskWatcher::Instance().Unwatch(FPath);
}

void TProjectWatch::Follow(const QString& FileName) {
  if (FileName == FPath) return;
  TDiskWatcher::Instance().Unwatch(FPath);
  FPath = FileName;
  FDeclined.clear();
  TDiskWatcher::Instance().Watch(FPath);
}

QStringList TProjectWatch::Listed() const {
  QStringList Entries;
  for (int I = 0; I < FMain.curFileList->Count(); ++I)
    Entries << FMain.curFileList->Strings(I);
  return Entries;
}

void TProjectWatch::Check() {
  if (FAsking || !FileExists(FPath)) return;
  QStringList Entries;
  try {
    Entries = ReadProjectFile(FPath);
  } catch (const Exception&) {
    return;  // being written or unreadable: the next change looks again
  }
  if (Entries.isEmpty() || Entries == Listed() || Entries == FDeclined) return;
  FAsking = true;
  const bool Reload =
      TDialogs::Current().MessageBox(
          &FMain,
          QStringLiteral("The project file %1 has been changed on disk by another program. "
                         "Reload the project?")
              .arg(ExtractFileName(FPath)),
          ApplicationTitle, TMsgButtons::mbYesNo, TMsgIcon::Question) == TModalResult::mrYes;
  FAsking = false;
  if (!Reload) {
    FDeclined = Entries;
    return;
  }
  FMain.curFileList->Clear();
  for (const QString& Entry : Entries)
    FMain.curFileList->Add(Entry);
  FShowTree();
}
