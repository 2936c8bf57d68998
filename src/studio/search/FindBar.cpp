/** @file FindBar.cpp
 ** The find bar's widgets, keys and status. **/
#include "studio/search/FindBar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

#include "editor/SelectionRange.h"
#include "studio/CodeForm.h"
#include "studio/search/EditorHighlights.h"

namespace {
// About 4 MiB of text per slice: a few milliseconds of matching.
constexpr qsizetype CountSliceChars = 2 * 1024 * 1024;
// Counting again waits for a pause in typing.
constexpr int RecountDelayMs = 250;

QString Thousands(qsizetype N) {
  return QLocale(QLocale::English).toString(static_cast<qlonglong>(N));
}
}  // namespace

TFindBar::TFindBar(TCodeFRM& Form) : FForm(Form) {
  setObjectName(QStringLiteral("FindBar"));
  setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
  auto* Rows = new QVBoxLayout(this);
  Rows->setContentsMargins(4, 2, 4, 2);
  Rows->setSpacing(2);

  auto* FindRow = new QHBoxLayout;
  FindRow->addWidget(new QLabel(QStringLiteral("Find:")));
  FFind = new QLineEdit;
  FFind->setClearButtonEnabled(true);
  FindRow->addWidget(FFind, 1);
  FMatchCase = new QCheckBox(QStringLiteral("Match case"));
  FWholeWord = new QCheckBox(QStringLiteral("Whole word"));
  FRegularExpression = new QCheckBox(QStringLiteral("Regular expression"));
  for (QCheckBox* Box : {FMatchCase, FWholeWord, FRegularExpression}) {
    FindRow->addWidget(Box);
    connect(Box, &QCheckBox::toggled, this, [this] { PatternChanged(); });
  }
  auto* Previous = new QPushButton(QStringLiteral("Previous"));
  auto* Next = new QPushButton(QStringLiteral("Next"));
  connect(Previous, &QPushButton::clicked, this, [this] { FindNext(false); });
  connect(Next, &QPushButton::clicked, this, [this] { FindNext(true); });
  FindRow->addWidget(Previous);
  FindRow->addWidget(Next);
  auto* CloseButton = new QToolButton;
  CloseButton->setText(QStringLiteral("\u2715"));
  CloseButton->setAutoRaise(true);
  connect(CloseButton, &QToolButton::clicked, this, [this] { Close(); });
  FindRow->addWidget(CloseButton);
  Rows->addLayout(FindRow);

  FReplaceRow = new QWidget;
  auto* ReplaceRow = new QHBoxLayout(FReplaceRow);
  ReplaceRow->setContentsMargins(0, 0, 0, 0);
  ReplaceRow->addWidget(new QLabel(QStringLiteral("Replace:")));
  FReplace = new QLineEdit;
  ReplaceRow->addWidget(FReplace, 1);
  auto* ReplaceButton = new QPushButton(QStringLiteral("Replace"));
  auto* ReplaceAllButton = new QPushButton(QStringLiteral("Replace All"));
  connect(ReplaceButton, &QPushButton::clicked, this, [this] { ReplaceCurrent(); });
  connect(ReplaceAllButton, &QPushButton::clicked, this, [this] { ReplaceAll(); });
  ReplaceRow->addWidget(ReplaceButton);
  ReplaceRow->addWidget(ReplaceAllButton);
  Rows->addWidget(FReplaceRow);

  FStatus = new QLabel;
  FStatus->setObjectName(QStringLiteral("FindStatus"));
  Rows->addWidget(FStatus);

  connect(FFind, &QLineEdit::textEdited, this, [this] {
    FNotice.clear();
    PatternChanged();
  });
  FFind->installEventFilter(this);
  FReplace->installEventFilter(this);
  FCountTimer.setSingleShot(true);
  connect(&FCountTimer, &QTimer::timeout, this, [this] { CountSlice(); });
  // The bar is destroyed with the window, after the window's own members.
  FForm.Highlights().OnEdited = [Bar = QPointer<TFindBar>(this)] {
    if (Bar && Bar->isVisible() && Bar->FPattern) Bar->FCountTimer.start(RecountDelayMs);
  };
  hide();
}

TSearchOptions TFindBar::Options() const {
  return {FFind->text(), FMatchCase->isChecked(), FWholeWord->isChecked(),
          FRegularExpression->isChecked()};
}

void TFindBar::ShowOptions(const TSearchOptions& Options) {
  FUpdating = true;
  FFind->setText(Options.Pattern);
  FMatchCase->setChecked(Options.MatchCase);
  FWholeWord->setChecked(Options.WholeWord);
  FRegularExpression->setChecked(Options.RegularExpression);
  FUpdating = false;
}

void TFindBar::SetOptions(const TSearchOptions& Options) {
  ShowOptions(Options);
  CompilePattern();
  ShowStatus();
}

bool TFindBar::CompilePattern() {
  const TSearchOptions Current = Options();
  FPattern = std::make_unique<TSearchPattern>(Current);
  FCounter.reset();
  FCountTimer.stop();
  FForm.Highlights().Search().SetFindPattern(Current);
  FError = FPattern->ErrorMessage();
  if (FPattern->IsValid()) return true;
  FPattern.reset();
  return false;
}

// A one-row selection, or else the word at the caret.
QString TFindBar::Prefill() const {
  TSourceEdit& E = *FForm.tbCode;
  const TSelectionRange& Sel = *E.Selection();
  if (Sel.RLength() > 0 && Sel.RLength() <= 1000) {
    const QString Selected = E.TextRange(Sel.RStart(), Sel.RLength());
    if (!Selected.contains(u'\r') && !Selected.contains(u'\n')) return Selected;
    return QString();
  }
  int A = Sel.CursorPos();
  int B = A;
  while (A > 1 && B - A < 100 && IsSearchWordChar(E.CharAt(A - 1)))
    --A;
  while (B <= E.TextLength() && B - A < 100 && IsSearchWordChar(E.CharAt(B)))
    ++B;
  return E.TextRange(A, B - A);
}

void TFindBar::Open(bool Replace, const TSearchOptions& Options) {
  const QString Text = Prefill();
  TSearchOptions Wanted = isVisible() ? this->Options() : Options;
  if (!Text.isEmpty()) Wanted.Pattern = Text;
  ShowOptions(Wanted);
  FReplaceRow->setVisible(Replace);
  show();
  FSearchStart = FForm.tbCode->Selection()->RStart();
  FNotice.clear();
  PatternChanged();
  FFind->setFocus();
  FFind->selectAll();
}

void TFindBar::Close() {
  FCountTimer.stop();
  FCounter.reset();
  FForm.Highlights().Search().SetFindPattern(std::nullopt);
  hide();
  if (QWidget* Host = EditorWidget(FForm)) Host->setFocus();
}

void TFindBar::PatternChanged() {
  if (FUpdating) return;
  if (!CompilePattern()) {
    ShowStatus();
    return;
  }
  // Searching as the user types starts where the bar was opened, each time afresh.
  TSourceEdit& E = *FForm.tbCode;
  const QStringView Text = E.ContiguousText();
  TSearchMatch M = FPattern->FindForward(Text, FSearchStart - 1);
  bool Wrapped = false;
  if (!M.Found()) {
    M = FPattern->FindForward(Text, 0);
    Wrapped = M.Found();
  }
  if (M.Found())
    SelectInEditor(E, static_cast<int>(M.Start) + 1, static_cast<int>(M.Length));
  ShowResult({M.Found(), Wrapped}, true);
}

void TFindBar::FindNext(bool Forward) {
  if (!FPattern) {
    PatternChanged();
    if (!FPattern) return;
  }
  const TFindResult Result = FindInEditor(*FForm.tbCode, *FPattern, Forward);
  FSearchStart = FForm.tbCode->Selection()->RStart();
  ShowResult(Result, Forward);
}

void TFindBar::ReplaceCurrent() {
  if (!FPattern) return;
  const TFindResult Result = ReplaceInEditor(*FForm.tbCode, *FPattern, FReplace->text());
  FSearchStart = FForm.tbCode->Selection()->RStart();
  ShowResult(Result, true);
}

void TFindBar::ReplaceAll() {
  if (!FPattern) return;
  const int Count = ReplaceAllInEditor(*FForm.tbCode, *FPattern, FReplace->text());
  FNotice = QStringLiteral("Replaced %1").arg(Thousands(Count));
  StartCount();
}

void TFindBar::ShowResult(const TFindResult& Result, bool Forward) {
  if (OnSearched) OnSearched(Options());
  if (Result.Wrapped)
    FNotice = Forward ? QStringLiteral("Wrapped to the top") : QStringLiteral("Wrapped to the bottom");
  else
    FNotice.clear();
  StartCount();
}

void TFindBar::StartCount() {
  FCountTimer.stop();
  FCounter.reset();
  if (FPattern) {
    const TSelectionRange& Sel = *FForm.tbCode->Selection();
    FCounter = std::make_unique<TMatchCounter>(*FPattern, Sel.RStart() - 1);
    FCountedEdit = FForm.tbCode->EditCount();
    CountSlice();
  }
  ShowStatus();
}

void TFindBar::CountSlice() {
  if (!FPattern) return;
  if (!FCounter || FCountedEdit != FForm.tbCode->EditCount()) {
    StartCount();
    return;
  }
  if (!FCounter->Step(FForm.tbCode->ContiguousText(), CountSliceChars))
    FCountTimer.start(0);
  ShowStatus();
}

QString TFindBar::Status() const {
  if (FFind->text().isEmpty()) return FNotice;
  if (!FPattern) return FError;
  QString Count;
  if (!FCounter)
    Count = QString();
  else if (!FCounter->Done())
    Count = QStringLiteral("Counting\u2026");
  else if (FCounter->Count() == 0)
    Count = QStringLiteral("No matches");
  else if (FCounter->CurrentIndex() > 0)
    Count = QStringLiteral("%1 of %2").arg(Thousands(FCounter->CurrentIndex()),
                                           Thousands(FCounter->Count()));
  else
    Count = FCounter->Count() == 1 ? QStringLiteral("1 match")
                                   : QStringLiteral("%1 matches").arg(Thousands(FCounter->Count()));
  if (FNotice.isEmpty()) return Count;
  return Count.isEmpty() ? FNotice : FNotice + QStringLiteral(" \u2014 ") + Count;
}

void TFindBar::ShowStatus() {
  FStatus->setStyleSheet(FError.isEmpty() ? QString() : QStringLiteral("color: #c00000"));
  FStatus->setText(Status());
}

// Esc reaches the bar from whichever of its fields, boxes or buttons has the focus.
void TFindBar::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape)
    Close();
  else
    QFrame::keyPressEvent(Event);
}

bool TFindBar::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() != QEvent::KeyPress) return QFrame::eventFilter(Watched, Event);
  auto* Key = static_cast<QKeyEvent*>(Event);
  if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
    if (Watched == FReplace)
      ReplaceCurrent();
    else
      FindNext(!Key->modifiers().testFlag(Qt::ShiftModifier));
    return true;
  }
  return QFrame::eventFilter(Watched, Event);
}
