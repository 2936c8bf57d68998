/** @file SearchCommands.cpp
 ** Menu items, the bars of the window in front, and the results panel. **/
#include "studio/search/SearchCommands.h"

#include <QDockWidget>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/search/EditorHighlights.h"
#include "studio/search/EditorSearch.h"
#include "studio/search/FindBar.h"
#include "studio/search/FindInFilesDialog.h"
#include "studio/search/GoToLine.h"
#include "studio/search/SearchResultsPanel.h"

TSearchCommands::TSearchCommands(TMainFRM& Main) : QObject(&Main), FMain(Main) {
  setObjectName(QStringLiteral("SearchCommands"));
  QMenu& Menu = *Main.Search1;
  QAction* Before = Main.NextResult1;
  auto Item = [&](const QString& Caption, QKeySequence Keys, void (TSearchCommands::*Handler)()) {
    auto* Action = new QAction(Caption, &Main);
    Action->setShortcut(Keys);
    connect(Action, &QAction::triggered, this, [this, Handler] { (this->*Handler)(); });
    Menu.insertAction(Before, Action);
    return Action;
  };
  Find1 = Item(QStringLiteral("Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), &TSearchCommands::Find1Click);
  Replace1 = Item(QStringLiteral("Replace..."), QKeySequence(Qt::CTRL | Qt::Key_H),
                  &TSearchCommands::Replace1Click);
  FindNext1 = Item(QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3), &TSearchCommands::FindNext1Click);
  FindPrevious1 = Item(QStringLiteral("Find Previous"), QKeySequence(Qt::SHIFT | Qt::Key_F3),
                       &TSearchCommands::FindPrevious1Click);
  Menu.insertSeparator(Before);
  FindinFiles1 = Item(QStringLiteral("Find in Files..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F),
                      &TSearchCommands::FindinFiles1Click);
  Menu.insertSeparator(Before);
  GotoLine1 = Item(QStringLiteral("Go to Line..."), QKeySequence(Qt::CTRL | Qt::Key_G),
                   &TSearchCommands::GotoLine1Click);
  MatchingParenthesis1 = Item(QStringLiteral("Matching Parenthesis"),
                              QKeySequence(Qt::CTRL | Qt::Key_BracketRight),
                              &TSearchCommands::MatchingParenthesis1Click);
  Menu.insertSeparator(Before);
  CreateResultsPanel();
}

void TSearchCommands::CreateResultsPanel() {
  FDock = new QDockWidget(QStringLiteral("Search Results"), &FMain);
  FDock->setObjectName(QStringLiteral("SearchResultsDock"));
  FDock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
  FResults = new TSearchResultsPanel(FDock);
  FDock->setWidget(FResults);
  FMain.addDockWidget(Qt::BottomDockWidgetArea, FDock);
  FDock->hide();
  SearchResults1 = FDock->toggleViewAction();
  SearchResults1->setText(QStringLiteral("Search Results"));
  FMain.View1->addAction(SearchResults1);
  FResults->OnOpen = [this](const QString& Path, int Row, int Col, int Length) {
    OpenResult(Path, Row, Col, Length);
  };
  FResults->OnUsed = [this] { FMain.SetLastResultList(FResults); };
}

TFindBar& TSearchCommands::FindBar(TCodeFRM& Form) {
  if (auto* Bar = Form.findChild<TFindBar*>()) return *Bar;
  auto* Bar = new TFindBar(Form);
  Bar->OnSearched = [this](const TSearchOptions& Options) { FLastOptions = Options; };
  Form.AddBar(Bar);
  return *Bar;
}

TGoToLineBar& TSearchCommands::GoToLineBar(TCodeFRM& Form) {
  if (auto* Bar = Form.findChild<TGoToLineBar*>()) return *Bar;
  auto* Bar = new TGoToLineBar(Form);
  Form.AddBar(Bar);
  return *Bar;
}

void TSearchCommands::OpenFindBar(bool Replace) {
  TCodeFRM* Form = FMain.ActiveCodeForm();
  if (!Form) return;
  FindBar(*Form).Open(Replace, FLastOptions);
}

// F3 without a bar open searches for what was searched last, in any window.
void TSearchCommands::FindAgain(bool Forward) {
  TCodeFRM* Form = FMain.ActiveCodeForm();
  if (!Form) return;
  TFindBar& Bar = FindBar(*Form);
  if (!Bar.isVisible()) {
    if (FLastOptions.Pattern.isEmpty()) {
      Bar.Open(false, FLastOptions);
      return;
    }
    Bar.SetOptions(FLastOptions);
    Bar.show();
  }
  Bar.FindNext(Forward);
}

void TSearchCommands::GotoLine1Click() {
  if (TCodeFRM* Form = FMain.ActiveCodeForm()) GoToLineBar(*Form).Open();
}

void TSearchCommands::MatchingParenthesis1Click() {
  if (TCodeFRM* Form = FMain.ActiveCodeForm()) Form->Highlights().Parentheses().JumpToPartner();
}

void TSearchCommands::FindinFiles1Click() {
  TSearchOptions Options = FLastOptions;
  QString Folder = QFileInfo(FMain.projectFilePath).absolutePath();
  if (TCodeFRM* Form = FMain.ActiveCodeForm()) {
    const TFindBar& Bar = FindBar(*Form);
    if (Bar.isVisible()) Options = Bar.Options();
    if (FMain.projectFilePath.isEmpty()) Folder = QFileInfo(Form->strFile).absolutePath();
  }
  const bool HasProject = FMain.curFileList->Count() > 0;
  TFindInFilesDialog Dialog(&FMain, Options, HasProject, Folder);
  if (Dialog.exec() != QDialog::Accepted) return;
  TFindInFilesRequest Request;
  Request.Options = Dialog.Options();
  if (Dialog.InProject()) {
    for (int I = 0; I < FMain.curFileList->Count(); ++I)
      Request.Files << FMain.ResolvePath(FMain.curFileList->Strings(I));
  } else {
    Request.Folder = Dialog.Folder();
    Request.Filter = Dialog.Filter();
  }
  StartFindInFiles(std::move(Request));
}

TFindInFilesRequest TSearchCommands::RequestWithOpenTexts(TFindInFilesRequest Request) const {
  for (QMdiSubWindow* Child : FMain.MdiArea()->subWindowList())
    if (auto* Form = dynamic_cast<TCodeFRM*>(Child))
      Request.OpenTexts.insert(QFileInfo(Form->strFile).absoluteFilePath(), Form->tbCode->Text());
  return Request;
}

void TSearchCommands::StartFindInFiles(TFindInFilesRequest Request) {
  FLastOptions = Request.Options;
  FDock->show();
  FResults->Start(RequestWithOpenTexts(std::move(Request)));
  FMain.SetLastResultList(FResults);
}

void TSearchCommands::OpenResult(const QString& Path, int Row, int Col, int Length) {
  // A project file with a match opens as text, like any other: the match is what was asked for.
  TCodeFRM* Target = FMain.ShowSourceFile(Path, FMain.ProjectEntry(Path));
  TSourceEdit& E = *Target->tbCode;
  const int Start = ClampedCellPos(E, TextCell(Row, Col));
  SelectInEditor(E, Start, std::min(Length, E.TextLength() + 1 - Start));
  if (QWidget* Host = EditorWidget(*Target)) Host->setFocus();
}
