/** @file MainFormTools.cpp
 ** Tools > Options, and walking the result list used last. **/
#include "studio/Dialogs.h"
#include "studio/MainForm.h"
#include "studio/ResultList.h"
#include "studio/settings/AppearancePage.h"
#include "studio/settings/BuildPage.h"
#include "studio/settings/ColoursPage.h"
#include "studio/settings/EditorPage.h"
#include "studio/settings/FilesPage.h"
#include "studio/settings/OptionsDialog.h"
#include "studio/shell/StudioShell.h"

void TMainFRM::ShowOptions(const QString& PageTitle) {
  TOptionsDialog Dialog(this);
  Dialog.AddPage(new TEditorPage);
  Dialog.AddPage(new TColoursPage(Shell->DefinitionColourings()));
  Dialog.AddPage(new TBuildPage);
  Dialog.AddPage(new TFilesPage);
  Dialog.AddPage(new TAppearancePage);
  Dialog.OnApplied = [this] { Shell->ApplySettings(); };
  if (!PageTitle.isEmpty()) Dialog.ShowPage(PageTitle);
  TDialogs::Current().ShowModal(Dialog);
}

void TMainFRM::SetLastResultList(TResultList* List) {
  FLastResultList = dynamic_cast<QObject*>(List);
}

TResultList* TMainFRM::LastResultList() const {
  return dynamic_cast<TResultList*>(FLastResultList.data());
}

void TMainFRM::NextResult1Click() {
  if (TResultList* List = LastResultList()) List->GoToResult(1);
}

void TMainFRM::PreviousResult1Click() {
  if (TResultList* List = LastResultList()) List->GoToResult(-1);
}
