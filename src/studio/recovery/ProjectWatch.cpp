/** @file ProjectWatch.cpp **/
#include "studio/recovery/ProjectWatch.h"

#include "platform/core/Paths.h"
#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/ProjectFile.h"

TProjectWatch::TProjectWatch(TMainFRM& Main, std::function<void()> ShowTree)
    : QObject(&Main), FMain(Main), FShowTree(std::move(ShowTree)), FWatch([this] { Check(); }) {}

void TProjectWatch::Follow(const QString& FileName) {
  if (FWatch.SetPath(FileName)) FDeclined.clear();
}

void TProjectWatch::Check() {
  if (FAsking) return;
  QStringList Entries;
  try {
    Entries = ReadProjectFile(FWatch.Path());
  } catch (const Exception&) {
    return;  // gone, being written or unreadable: the next change looks again
  }
  if (Entries.isEmpty() || Entries == FMain.ProjectEntries() || Entries == FDeclined) return;
  FAsking = true;
  const bool Reload =
      TDialogs::Current().MessageBox(
          &FMain,
          QStringLiteral("The project file %1 has been changed on disk by another program. "
                         "Reload the project?")
              .arg(ExtractFileName(FWatch.Path())),
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
