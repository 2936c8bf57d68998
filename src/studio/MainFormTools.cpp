/** @file MainFormTools.cpp
 ** Tools > Options, and walking the result list used last. **/
#include "studio/MainForm.h"
#include "studio/ResultList.h"
#include "studio/language/LanguagePage.h"
#include "studio/settings/BuildPage.h"
#include "studio/settings/OptionsDialog.h"

void TMainFRM::ShowOptions(const QString& PageTitle) {
  TOptionsDialog Dialog(this);
  Dialog.AddPage(new TBuildPage);
  Dialog.AddPage(new TLanguagePage);
  if (!PageTitle.isEmpty()) Dialog.ShowPage(PageTitle);
  Dialog.exec();
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
