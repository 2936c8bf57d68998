/** @file MainForm.cpp
 ** Layout, menus and the commands that act on the main window itself. **/
#include "studio/MainForm.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

#include "platform/core/IniFile.h"
#include "studio/Application.h"
#include "studio/Dialogs.h"
#include "studio/Icons.h"
#include "studio/shell/StudioShell.h"
#include "studio/recovery/ProjectWatch.h"
#include "studio/language/LanguageService.h"
#include "studio/search/SearchCommands.h"

namespace {
constexpr int ClientWidth = 730;
constexpr int ClientHeight = 500;
constexpr int CoolBarHeight = 59;
constexpr int FileBandWidth = 248;
constexpr int FilesPanelWidth = 185;
constexpr int StatusBarHeight = 19;
}  // namespace

TMainFRM::TMainFRM(QWidget* Parent) : QMainWindow(Parent) {
  setWindowTitle(ApplicationTitle);
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  ilMenu = MenuImages();
  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateClientArea();
  CreateBuildOutput();
  FormCreate();
  Shell = std::make_unique<TStudioShell>(*this);
  FLanguage = std::make_unique<TLanguageService>(this);
  SearchCommands = new TSearchCommands(*this);
  // The menu bar lies outside the client area.
  resize(ClientWidth, ClientHeight + MainMenu1->sizeHint().height());
}

TMainFRM::~TMainFRM() {
  FormDestroy();
}

void TMainFRM::FormCreate() {
  curFileList = std::make_unique<TStringList>();
  ProjectWatch = new TProjectWatch(*this, [this] { ShowProjectTree(); });
  compilerLoc = TIniFile(QStringLiteral(".\\config.ini"))
                    .ReadString(QStringLiteral("compiler"), QStringLiteral("location"),
                                QStringLiteral("compiler\\Yorel.exe"));
}

// Centred the first time only: later shows keep where the user put the window.
void TMainFRM::FormShow() {
  if (FCentred) return;
  FCentred = true;
  if (const QScreen* Screen = screen())
    move(Screen->availableGeometry().center() - rect().center());
}

void TMainFRM::FormDestroy() {
  wordLists.clear();
  curFileList.reset();
}

QAction* TMainFRM::Item(QMenu* Menu, const QString& Caption, void (TMainFRM::*Handler)(),
                        int Image) {
  QAction* Action = Menu->addAction(Caption);
  if (Image >= 0) Action->setIcon(ilMenu[Image]);
  connect(Action, &QAction::triggered, this,
          ShowingErrors([this, Handler] { (this->*Handler)(); }));
  return Action;
}

void TMainFRM::CreateActions() {
  MainMenu1 = menuBar();
  File1 = MainMenu1->addMenu(QStringLiteral("&File"));
  Edit1 = MainMenu1->addMenu(QStringLiteral("&Edit"));
  Search1 = MainMenu1->addMenu(QStringLiteral("&Search"));
  View1 = MainMenu1->addMenu(QStringLiteral("&View"));
  Project1 = MainMenu1->addMenu(QStringLiteral("&Project"));
  ools1 = MainMenu1->addMenu(QStringLiteral("&Tools"));
  Window1 = MainMenu1->addMenu(QStringLiteral("&Window"));
  Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
}

void TMainFRM::CreateMenus() {
  New1 = Item(File1, QStringLiteral("New"), &TMainFRM::New1Click, 4);
  open1 = Item(File1, QStringLiteral("Open"), &TMainFRM::open1Click);
  OpenProject1 = Item(File1, QStringLiteral("Open Project"), &TMainFRM::OpenProject1Click);
  N1 = File1->addSeparator();
  Save1 = Item(File1, QStringLiteral("Save"), &TMainFRM::Save1Click);
  SaveAs1 = Item(File1, QStringLiteral("Save As"), &TMainFRM::SaveAs1Click);
  SaveAll1 = Item(File1, QStringLiteral("Save All"), &TMainFRM::SaveAll1Click);
  Close1 = Item(File1, QStringLiteral("Close"), &TMainFRM::Close1Click);
  CloseAll1 = Item(File1, QStringLiteral("Close All"), &TMainFRM::CloseAll1Click);
  N2 = File1->addSeparator();
  Exit1 = Item(File1, QStringLiteral("Exit"), &TMainFRM::Exit1Click);

  Undo1 = Item(Edit1, QStringLiteral("Undo"), &TMainFRM::Undo1Click);
  Redo1 = Item(Edit1, QStringLiteral("Redo"), &TMainFRM::Redo1Click);
  N3 = Edit1->addSeparator();
  Cut1 = Item(Edit1, QStringLiteral("Cut"), &TMainFRM::Cut1Click);
  Copy1 = Item(Edit1, QStringLiteral("Copy"), &TMainFRM::Copy1Click);
  Paste1 = Item(Edit1, QStringLiteral("Paste"), &TMainFRM::Paste1Click);
  DElete1 = Item(Edit1, QStringLiteral("Delete"), &TMainFRM::Delete1Click);
  SelectAll1 = Item(Edit1, QStringLiteral("Select All"), &TMainFRM::SelectAll1Click);

  Run1 = Item(Project1, QStringLiteral("Build"), &TMainFRM::Run1Click, 1);
  BuildandRun1 = Item(Project1, QStringLiteral("Build && Run"), &TMainFRM::BuildandRun1Click, 0);

  Cascade1 = Item(Window1, QStringLiteral("Cascade"), &TMainFRM::Cascade1Click);
  ile1 = Item(Window1, QStringLiteral("Tile"), &TMainFRM::ile1Click);

  NextResult1 = Item(Search1, QStringLiteral("Next Result"), &TMainFRM::NextResult1Click);
  NextResult1->setShortcut(Qt::Key_F4);
  PreviousResult1 =
      Item(Search1, QStringLiteral("Previous Result"), &TMainFRM::PreviousResult1Click);
  PreviousResult1->setShortcut(Qt::SHIFT | Qt::Key_F4);

  Options1 = Item(ools1, QStringLiteral("Options..."), &TMainFRM::Options1Click);
}

void TMainFRM::CreateToolBars() {
  auto MakeBar = [this](const QString& Name) {
    auto* Bar = new QToolBar(Name);
    Bar->setMovable(false);
    Bar->setFloatable(false);
    Bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Bar->setIconSize(QSize(16, 16));
    return Bar;
  };
  auto Button = [this](QToolBar* Bar, int Image, void (TMainFRM::*Handler)()) {
    QAction* Action = Bar->addAction(ilMenu[Image], QString());
    Action->setToolTip(QString());
    connect(Action, &QAction::triggered, this,
            ShowingErrors([this, Handler] { (this->*Handler)(); }));
    return Action;
  };
  ToolBar2 = MakeBar(QStringLiteral("ToolBar2"));
  ToolButton3 = Button(ToolBar2, 2, &TMainFRM::ToolButton3Click);
  ToolButton4 = Button(ToolBar2, 3, &TMainFRM::ToolButton4Click);
  ToolBar1 = MakeBar(QStringLiteral("ToolBar1"));
  toolBuRun = Button(ToolBar1, 0, &TMainFRM::toolBuRunClick);
  toolBuBuild = Button(ToolBar1, 1, &TMainFRM::toolBuBuildClick);
}

void TMainFRM::CreateClientArea() {
  auto* Client = new QWidget;
  auto* Column = new QVBoxLayout(Client);
  Column->setContentsMargins(0, 0, 0, 0);
  Column->setSpacing(0);

  // The two tool bars side by side in one band across the top.
  CoolBar1 = new QFrame;
  CoolBar1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  CoolBar1->setFixedHeight(CoolBarHeight);
  auto* Bands = new QHBoxLayout(CoolBar1);
  Bands->setContentsMargins(2, 2, 2, 2);
  ToolBar2->setFixedWidth(FileBandWidth);
  Bands->addWidget(ToolBar2, 0, Qt::AlignTop);
  auto* BandEdge = new QFrame;
  BandEdge->setFrameStyle(QFrame::VLine | QFrame::Sunken);
  Bands->addWidget(BandEdge);
  Bands->addWidget(ToolBar1, 1, Qt::AlignTop);
  Column->addWidget(CoolBar1);

  panFiles = new QFrame;
  panFiles->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* PanelLayout = new QVBoxLayout(panFiles);
  PanelLayout->setContentsMargins(1, 1, 1, 1);
  tvFiles = new QTreeWidget;
  tvFiles->setHeaderHidden(true);
  tvFiles->setIndentation(19);
  tvFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tvFiles->setSelectionBehavior(QAbstractItemView::SelectRows);
  tvFiles->setAllColumnsShowFocus(true);
  connect(tvFiles, &QTreeWidget::currentItemChanged, this, [](QTreeWidgetItem* Current) {
    if (Current) Current->setExpanded(true);
  });
  connect(tvFiles, &QTreeWidget::itemClicked, this, ShowingErrors([this] { tvFilesClick(); }));
  tvFiles->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Project")}));
  PanelLayout->addWidget(tvFiles);

  FMdiArea = new QMdiArea;
  FMdiArea->setBackground(palette().brush(QPalette::Dark));
  // Windows tiled below the area, or wider than a narrow one, stay reachable.
  FMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  FMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  Splitter1 = new QSplitter(Qt::Horizontal);
  Splitter1->setHandleWidth(4);
  Splitter1->setChildrenCollapsible(false);
  Splitter1->addWidget(panFiles);
  Splitter1->addWidget(FMdiArea);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({FilesPanelWidth, ClientWidth - FilesPanelWidth});
  Column->addWidget(Splitter1, 1);
  setCentralWidget(Client);

  StatusBar1 = statusBar();
  StatusBar1->setFixedHeight(StatusBarHeight);
}

void TMainFRM::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  FormShow();
}

void TMainFRM::closeEvent(QCloseEvent* Event) {
  if (FormClose())
    Event->accept();
  else
    Event->ignore();
}

// Asked on every close; on Yes every editor window closes in turn, each asking about its
// own changes, and one that stays open keeps the main window open too.
// What was open is remembered only when everything closed.
bool TMainFRM::FormClose() {
  if (TDialogs::Current().MessageBox(this, QStringLiteral("Are you sure?"),
                                     QStringLiteral("Close"), TMsgButtons::mbYesNo,
                                     TMsgIcon::Question) != TModalResult::mrYes)
    return false;
  const TSession Session = Shell->CaptureSession();
  if (!CloseChildren()) return false;
  Shell->StoreSession(Session);
  return true;
}

// From the highest index down; stops at a child that stays open.
bool TMainFRM::CloseChildren() {
  const QList<QMdiSubWindow*> Children = FMdiArea->subWindowList();
  for (auto It = Children.rbegin(); It != Children.rend(); ++It)
    if (!(*It)->close()) return false;
  return true;
}

void TMainFRM::Exit1Click() {
  close();
}

void TMainFRM::Cascade1Click() {
  FMdiArea->cascadeSubWindows();
}

// Children stacked one above another, each as wide as the client area.
void TMainFRM::ile1Click() {
  QList<QMdiSubWindow*> Children;
  for (QMdiSubWindow* Child : FMdiArea->subWindowList())
    if (!Child->isMinimized()) Children << Child;
  if (Children.isEmpty()) return;
  // The whole area, its scroll bar included; a window is never lower than its minimum, and
  // windows too many to fit run on below the area, beside its scroll bar.
  const QRect Area = FMdiArea->contentsRect();
  const int Count = static_cast<int>(Children.size());
  int Height = Area.height() / Count;
  for (QMdiSubWindow* Child : Children)
    Height = std::max(Height, Child->minimumHeight());
  int Width = Area.width();
  if (Height * Count > Area.height())
    Width -= FMdiArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FMdiArea);
  for (int I = 0; I < Count; ++I) {
    Children[I]->showNormal();
    Children[I]->setGeometry(0, I * Height, Width, Height);
  }
}

void TMainFRM::Close1Click() {
  if (QMdiSubWindow* Active = FMdiArea->activeSubWindow()) Active->close();
}

void TMainFRM::CloseAll1Click() {
  CloseChildren();
}
