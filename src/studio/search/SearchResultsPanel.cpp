/** @file SearchResultsPanel.cpp
 ** The worker, the streaming of its results into the tree, and opening a result. **/
#include "studio/search/SearchResultsPanel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QThread>
#include <QTreeWidget>

namespace {
enum TRole { PathRole = Qt::UserRole, RowRole, ColRole, LengthRole, MarkStartRole };
// A search that finds more than this shows only the first ones; the count stays right.
constexpr int MaxShownMatches = 20000;
// The worker reports its progress no more often than this.
constexpr int ProgressIntervalMs = 50;

QString Thousands(qsizetype N) {
  return QLocale(QLocale::English).toString(static_cast<qlonglong>(N));
}

const QColor MarkerColour(255, 230, 120);
const QColor MarkedTextColour(Qt::black);

// Draws a result row with its match on the find bar's highlight colour.
class TMatchDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* Painter, const QStyleOptionViewItem& Option,
             const QModelIndex& Index) const override {
    const QVariant Mark = Index.data(MarkStartRole);
    if (!Mark.isValid()) {
      QStyledItemDelegate::paint(Painter, Option, Index);
      return;
    }
    QStyleOptionViewItem Opt = Option;
    initStyleOption(&Opt, Index);
    const QString Text = Opt.text;
    Opt.text.clear();
    Opt.widget->style()->drawControl(QStyle::CE_ItemViewItem, &Opt, Painter, Opt.widget);
    const QRect Area = Opt.widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &Opt, Opt.widget)
                           .adjusted(2, 0, -2, 0);
    const int Start = Mark.toInt();
    const int Length = Index.data(LengthRole).toInt();
    const QFontMetrics Metrics(Opt.font);
    const int X = Area.left() + Metrics.horizontalAdvance(Text.left(Start));
    const int W = Metrics.horizontalAdvance(Text.mid(Start, Length));
    const QRect Marker(X, Area.top() + 1, W, Area.height() - 2);
    const int Flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine;
    Painter->save();
    Painter->setPen(Opt.state & QStyle::State_Selected
                        ? Opt.palette.color(QPalette::HighlightedText)
                        : Opt.palette.color(QPalette::Text));
    Painter->drawText(Area, Flags, Text);
    // The theme's text colour may be light: on the pale marker the match is drawn dark.
    Painter->setClipRect(Marker, Qt::IntersectClip);
    Painter->fillRect(Marker, MarkerColour);
    Painter->setPen(MarkedTextColour);
    Painter->drawText(Area, Flags, Text);
    Painter->restore();
  }
};
}  // namespace

TSearchResultsPanel::TSearchResultsPanel(QWidget* Parent) : QWidget(Parent) {
  setObjectName(QStringLiteral("SearchResultsPanel"));
  auto* Column = new QVBoxLayout(this);
  Column->setContentsMargins(2, 2, 2, 2);
  Column->setSpacing(2);
  auto* Header = new QHBoxLayout;
  FSummary = new QLabel;
  FProgress = new QProgressBar;
  FProgress->setMaximumWidth(160);
  FProgress->setTextVisible(false);
  FProgress->hide();
  FCancelButton = new QPushButton(QStringLiteral("Cancel"));
  FCancelButton->hide();
  connect(FCancelButton, &QPushButton::clicked, this, [this] { Cancel(); });
  Header->addWidget(FSummary, 1);
  Header->addWidget(FProgress);
  Header->addWidget(FCancelButton);
  Column->addLayout(Header);
  FTree = new QTreeWidget;
  FTree->setHeaderHidden(true);
  FTree->setUniformRowHeights(true);
  FTree->setItemDelegate(new TMatchDelegate(FTree));
  FTree->setFont(QFont(QStringLiteral("Courier New"), 9));
  connect(FTree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) {
    if (OnUsed) OnUsed();
    Open(Item);
  });
  Column->addWidget(FTree, 1);
}

TSearchResultsPanel::~TSearchResultsPanel() {
  if (FCancel) *FCancel = true;
  if (FThread) FThread->wait();
}

bool TSearchResultsPanel::Running() const {
  return !FFinished;
}

void TSearchResultsPanel::Cancel() {
  if (FCancel) *FCancel = true;
}

void TSearchResultsPanel::Start(TFindInFilesRequest Request) {
  Cancel();
  if (FThread) FThread->wait();
  const int Generation = ++FGeneration;
  FCancel = std::make_shared<std::atomic<bool>>(false);
  FTree->clear();
  FShownMatches = 0;
  FFinished = false;
  FPatternText = Request.Options.Pattern;
  FSummary->setText(QStringLiteral("Searching for \u201c%1\u201d\u2026").arg(FPatternText));
  FProgress->setRange(0, 0);
  FProgress->show();
  FCancelButton->show();
  // Each report carries its search's number, so reports of a cancelled search still
  // queued are dropped.
  auto Post = [this, Generation](auto Function) {
    QMetaObject::invokeMethod(
        this,
        [this, Generation, Function = std::move(Function)]() mutable {
          if (Generation == FGeneration) Function();
        },
        Qt::QueuedConnection);
  };
  FThread.reset(QThread::create([this, Request = std::move(Request), Cancel = FCancel, Post] {
    QElapsedTimer SinceReport;
    SinceReport.start();
    TFileSearchCallbacks Callbacks;
    Callbacks.FileMatched = [&](TFileMatches&& File) {
      Post([File = std::move(File), this]() mutable { AddFile(std::move(File)); });
    };
    Callbacks.Progress = [&](int Done, int Total) {
      if (Done != Total && SinceReport.elapsed() < ProgressIntervalMs) return;
      SinceReport.restart();
      Post([this, Done, Total] {
        FProgress->setRange(0, Total);
        FProgress->setValue(Done);
      });
    };
    const TFileSearchSummary Summary = SearchFiles(Request, *Cancel, Callbacks);
    Post([this, Summary] { Finish(Summary); });
  }));
  FThread->start();
}

void TSearchResultsPanel::AddFile(TFileMatches&& File) {
  if (FShownMatches >= MaxShownMatches) return;
  auto* FileItem = new QTreeWidgetItem(FTree);
  FileItem->setText(0, QStringLiteral("%1 (%2)")
                           .arg(QDir::toNativeSeparators(File.Path), Thousands(File.Matches.size())));
  QFont Bold = FTree->font();
  Bold.setBold(true);
  FileItem->setFont(0, Bold);
  for (const TLineMatch& M : File.Matches) {
    if (FShownMatches++ >= MaxShownMatches) break;
    const QString Place = QStringLiteral("%1:%2: ").arg(M.Row).arg(M.Col);
    QString Line = M.Line;
    Line.replace(u'\t', u' ');
    auto* Item = new QTreeWidgetItem(FileItem, QStringList{Place + Line});
    Item->setData(0, PathRole, File.Path);
    Item->setData(0, RowRole, M.Row);
    Item->setData(0, ColRole, M.Col);
    Item->setData(0, LengthRole, M.Length);
    Item->setData(0, MarkStartRole, static_cast<int>(Place.size()) + M.Shown);
  }
  FileItem->setExpanded(true);
}

void TSearchResultsPanel::Finish(const TFileSearchSummary& Summary) {
  FLastSummary = Summary;
  FFinished = true;
  FProgress->hide();
  FCancelButton->hide();
  FSummary->setText(this->Summary());
}

QString TSearchResultsPanel::Summary() const {
  if (!FFinished) return FSummary->text();
  const TFileSearchSummary& S = FLastSummary;
  QString Text = QStringLiteral("%1 matches of \u201c%2\u201d in %3 of %4 files")
                     .arg(Thousands(S.Matches), FPatternText, Thousands(S.FilesWithMatches),
                          Thousands(S.Files));
  if (S.Matches == 1) Text.replace(QStringLiteral("1 matches"), QStringLiteral("1 match"));
  QStringList Skipped;
  if (S.Unreadable > 0) Skipped << QStringLiteral("%1 unreadable").arg(S.Unreadable);
  if (S.Binary > 0) Skipped << QStringLiteral("%1 binary").arg(S.Binary);
  if (!Skipped.isEmpty()) Text += QStringLiteral("; skipped %1").arg(Skipped.join(QStringLiteral(", ")));
  if (FShownMatches > MaxShownMatches)
    Text += QStringLiteral("; the first %1 shown").arg(Thousands(MaxShownMatches));
  if (S.Cancelled) Text = QStringLiteral("Cancelled: ") + Text;
  return Text;
}

void TSearchResultsPanel::WaitUntilDone() {
  if (FThread) FThread->wait();
  QCoreApplication::sendPostedEvents(this);
}

void TSearchResultsPanel::Open(QTreeWidgetItem* Item) {
  if (!Item || !Item->data(0, PathRole).isValid() || !OnOpen) return;
  OnOpen(Item->data(0, PathRole).toString(), Item->data(0, RowRole).toInt(),
         Item->data(0, ColRole).toInt(), Item->data(0, LengthRole).toInt());
}

bool TSearchResultsPanel::GoToResult(int Step) {
  std::vector<QTreeWidgetItem*> Leaves;
  for (int F = 0; F < FTree->topLevelItemCount(); ++F) {
    QTreeWidgetItem* File = FTree->topLevelItem(F);
    for (int I = 0; I < File->childCount(); ++I)
      Leaves.push_back(File->child(I));
  }
  if (Leaves.empty()) return false;
  const auto Current = std::find(Leaves.begin(), Leaves.end(), FTree->currentItem());
  const int Count = static_cast<int>(Leaves.size());
  int Next;
  if (Current == Leaves.end())
    Next = Step > 0 ? 0 : Count - 1;
  else
    Next = ((static_cast<int>(Current - Leaves.begin()) + Step) % Count + Count) % Count;
  FTree->setCurrentItem(Leaves[Next]);
  Open(Leaves[Next]);
  return true;
}
