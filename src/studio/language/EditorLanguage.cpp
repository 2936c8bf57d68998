/** @file EditorLanguage.cpp
 ** Following the editor's replacements, and the editor's mouse and keys that the
 ** language adds to. **/
#include "studio/language/EditorLanguage.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <QScrollBar>
#include <QToolTip>
#include <limits>

#include "editor/SelectionRange.h"
#include "language/Reference.h"
#include "language/SourceChecks.h"
#include "platform/qt/QtControlHost.h"
#include "studio/CodeForm.h"
#include "studio/language/CompletionPopup.h"
#include "studio/language/LanguageService.h"
#include "studio/language/ProblemUnderlines.h"
#include "studio/settings/UserSettings.h"

namespace {
// How far from the caret the words of the file are gathered for completion.
constexpr int NearbyLines = 1000;
// Lines handled between two looks at the clock in the work after a pause.
constexpr int LinesPerStep = 512;
// Gutter marks placed between two looks at the clock.
constexpr int MarksPerStep = 256;
}  // namespace

TEditorLanguage::TEditorLanguage(TCodeFRM* Form, TLanguageService* Service)
    : FForm(Form), FService(Service), FHost(Form->findChild<TQtControlHost*>()),
      FSource(Form->tbCode.get(), TReference::Standard()), FMarks(Form->tbCode.get()),
      FSettleTimer(SettleMilliseconds, [this] { FWorkTimer.start(); }),
      FCaretTimer(100, [this] {
        if (FService) FService->CaretMoved(this);
      }) {
  // A child of the editor's host, which the window frees while its editor still lives.
  setParent(FHost);
  setObjectName(QStringLiteral("EditorLanguage"));
  FSource.OnChanged = [this] { TextChanged(); };
  // The window's own handler stays first.
  FPreviousSelectionChange = Editor()->OnSelectionChange;
  Editor()->OnSelectionChange = [this](TObject* Sender) {
    RaiseEvent(FPreviousSelectionChange, Sender);
    FCaretTimer.Touch();
  };
  FUnderlines = new TProblemUnderlines(Editor(), FHost->viewport());
  FPopup = new TCompletionPopup(FHost);
  FWorkTimer.setSingleShot(true);
  FWorkTimer.setInterval(0);
  connect(&FWorkTimer, &QTimer::timeout, this, [this] {
    if (FSettleTimer.Waiting()) return;  // typing resumed: the pause starts it again
    if (Work(TurnMilliseconds)) FWorkTimer.start();
  });
  FHoverTimer.setSingleShot(true);
  FHoverTimer.setInterval(HoverMilliseconds);
  connect(&FHoverTimer, &QTimer::timeout, this, [this] { ShowHover(); });
  FHost->viewport()->setMouseTracking(true);
  FHost->viewport()->installEventFilter(this);
  FHost->installEventFilter(this);
  connect(FHost->verticalScrollBar(), &QScrollBar::valueChanged, FPopup, [this] { FPopup->Close(); });
  FSettleTimer.Touch();
}

TEditorLanguage::~TEditorLanguage() {
  Editor()->OnSelectionChange = FPreviousSelectionChange;
  if (FService) FService->EditorGone(this);
}

TSourceEdit* TEditorLanguage::Editor() const {
  return FForm->tbCode.get();
}

QString TEditorLanguage::File() const {
  return FForm->strFile;
}

QString TEditorLanguage::LineText(int Line) const {
  return FSource.LineText(Line);
}

int TEditorLanguage::CaretLine() const {
  return Editor()->CharIdxToCell(Editor()->SelStart() + 1).Row;
}

const TSourceModel& TEditorLanguage::Model() const {
  FSource.Sync();
  return FSource.Model();
}

void TEditorLanguage::TextChanged() {
  // Called for every keystroke: the work stops at its next turn and starts over after the pause.
  FEdited = true;
  FSettleTimer.Touch();
}

void TEditorLanguage::Settle() {
  FSettleTimer.Stop();
  FWorkTimer.stop();
  Work(std::numeric_limits<qint64>::max());
}

void TEditorLanguage::Recheck() {
  FCheck.reset();
  FCheckWanted = true;
  if (!FSettleTimer.Waiting()) FWorkTimer.start();  // else the pause starts the work
}

bool TEditorLanguage::Work(qint64 Milliseconds) {
  QElapsedTimer Turn;
  Turn.start();
  const std::function<bool()> TimeUp = [&] { return Turn.elapsed() >= Milliseconds; };
  if (std::exchange(FEdited, false)) {
    // What was gathered or checked before the edit may be wrong: start over.
    FGatherLine = 0;
    FCheck.reset();
    FCheckWanted = true;
  }
  while (!FSource.Read(LinesPerStep))
    if (TimeUp()) return true;
  return GatherDeclarations(TimeUp) || RunChecks(TimeUp);
}

bool TEditorLanguage::GatherDeclarations(const std::function<bool()>& TimeUp) {
  const TSourceModel& M = FSource.Model();
  if (FDeclaredRevision == M.DeclarationsRevision()) return false;
  if (FGatherLine == 0) {
    FGathered.clear();
    FGatherLine = 1;
  }
  for (; FGatherLine <= M.LineCount(); FGatherLine += LinesPerStep) {
    if (TimeUp()) return true;
    M.Declarations(FGatherLine, FGatherLine + LinesPerStep - 1, FGathered);
  }
  FGatherLine = 0;
  FDeclarations = std::move(FGathered);
  FGathered = {};
  FDeclaredRevision = M.DeclarationsRevision();
  if (FService) FService->EditorSettled(this);  // the index, and every window's checks against it
  return TimeUp();
}

bool TEditorLanguage::RunChecks(const std::function<bool()>& TimeUp) {
  if (!FCheckWanted || !FService) return PlaceMarks(TimeUp);
  // As the index spells the file, or its own routines count as declared twice.
  if (!FCheck)
    FCheck = std::make_unique<TSourceCheck>(FSource.Model(), IndexPath(File()), FService->Index(), FSource.LineReader());
  while (!FCheck->Step(LinesPerStep))
    if (TimeUp()) return true;
  FProblems = FCheck->Problems();
  FCheck.reset();
  FCheckWanted = false;
  FUnderlines->SetProblems(FProblems);
  FMarksWanted = true;
  FService->ProblemsChanged();
  return PlaceMarks(TimeUp);
}

bool TEditorLanguage::PlaceMarks(const std::function<bool()>& TimeUp) {
  if (FMarksWanted) {
    if (TimeUp()) return true;  // comparing with the marks standing, and taking them, takes a while
    FMarksWanted = false;
    FMarking = FMarks.Begin(FProblems);
  }
  while (FMarking) {
    if (TimeUp()) return true;
    FMarking = !FMarks.Step(MarksPerStep);
  }
  return false;
}

void TEditorLanguage::GoTo(int Line, int Column) {
  TSourceEdit* E = Editor();
  Line = std::clamp(Line, 1, E->LineCount());
  Column = std::clamp(Column, 1, E->LineLength(Line) + 1);
  E->SetSelStart(E->CellToCharIdx(TextCell(Line, Column)) - 1);
  E->ScrollCaret();
  if (QMdiArea* Area = FForm->mdiArea()) Area->setActiveSubWindow(FForm);
  FHost->setFocus();
}

QString TEditorLanguage::WordAt(int Pos, int* Start) const {
  const TSourceEdit* E = Editor();
  if (!IsIdentifierChar(E->CharAt(Pos))) --Pos;
  if (Pos < 1 || !IsIdentifierChar(E->CharAt(Pos))) return QString();
  const TTextCell Cell = E->CharIdxToCell(Pos);
  const QString Line = LineText(Cell.Row);
  std::vector<TToken> Tokens;
  LexLine(Line, Model().StateAtStart(Cell.Row), Tokens);
  for (const TToken& T : Tokens)
    if (T.Start < Cell.Col && Cell.Col <= T.Start + T.Length) {
      if (T.Kind != TTokenKind::Word) return QString();
      if (Start) *Start = Pos - (Cell.Col - 1 - T.Start);
      return Line.mid(T.Start, T.Length);
    }
  return QString();
}

QString TEditorLanguage::WordAtCaret() const {
  return WordAt(Editor()->SelStart() + 1);
}

QString TEditorLanguage::HoverTextAt(QPoint ClientPoint) const {
  const int Pos = Editor()->CharPosAt(ClientPoint.x(), ClientPoint.y());
  QStringList Parts;
  const TTextCell Cell = Editor()->CharIdxToCell(Pos);
  for (const TProblem& P : FProblems)
    if (P.Line == Cell.Row && P.Column <= Cell.Col && Cell.Col < P.Column + std::max(P.Length, 1))
      Parts.append((P.Severity == TSeverity::Error ? QStringLiteral("Error: ") : QStringLiteral("Warning: ")) + P.Message);
  const QString Word = WordAt(Pos);
  for (const TReferenceEntry* Entry : TReference::Standard().Find(Word))
    Parts.append(TReference::Describe(*Entry).join(u'\n'));
  return Parts.join(QStringLiteral("\n\n"));
}

void TEditorLanguage::ShowHover() {
  const QString Text = HoverTextAt(FHoverPoint);
  if (Text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(FHost->viewport()->mapToGlobal(FHoverPoint), Text, FHost->viewport());
}

bool TEditorLanguage::AutoComplete() const {
  return UserSettings()->value(SettingsKey::EditorAutoComplete, true).toBool();
}

QStringList TEditorLanguage::WordsNearCaret() const {
  const int Caret = CaretLine();
  const int From = std::max(1, Caret - NearbyLines);
  const int To = std::min(Model().LineCount(), Caret + NearbyLines);
  QStringList Words;
  std::vector<TToken> Tokens;
  for (int Line = From; Line <= To; ++Line) {
    const QString Text = LineText(Line);
    Tokens.clear();
    LexLine(Text, Model().StateAtStart(Line), Tokens);
    for (const TToken& T : Tokens)
      if (T.Kind == TTokenKind::Word && T.Length > 2) Words.append(Text.mid(T.Start, T.Length));
  }
  return Words;
}

void TEditorLanguage::Complete(bool Typed) {
  TSourceEdit* E = Editor();
  const int Caret = E->SelStart() + 1;
  int Start = Caret;
  if (E->SelLength() == 0)
    while (Start > 1 && IsIdentifierChar(E->CharAt(Start - 1))) --Start;
  const QString Prefix = E->TextRange(Start, Caret - Start);
  if ((Typed && Prefix.size() < 2) || (Start < Caret && WordAt(Start).isEmpty())) {
    FPopup->Close();
    return;
  }
  TCompletionSources Sources;
  Sources.DefinitionWords = FService->DefinitionWords(E);
  Sources.Index = &FService->Index();
  Sources.FileWords = WordsNearCaret();
  const auto Items = CompletionsFor(Prefix, Sources, TReference::Standard());
  if (Items.empty()) {
    FPopup->Close();
    return;
  }
  const QRect Caret_ = FHost->CaretRect();
  FPopup->Open(Items, FHost->viewport()->mapToGlobal(Caret_.bottomLeft() + QPoint(0, 2)),
               [this, Start](const QString& Word) {
                 TSourceEdit* Ed = Editor();
                 const int End = Ed->SelStart() + 1;
                 Ed->SetSelStart(Start - 1);
                 Ed->SetSelLength(End - Start);
                 Ed->Selection()->SetText(Word);
               });
}

bool TEditorLanguage::KeyPressed(int Key, const QString& Text) {
  if (FPopup->isVisible()) {
    if (FPopup->HandleKey(Key)) return true;
    // Typing on refines the list; anything else closes it.
    if (!Text.isEmpty() && (IsIdentifierChar(Text[0]) || Key == Qt::Key_Backspace))
      QTimer::singleShot(0, this, [this] { Complete(false); });
    else
      FPopup->Close();
    return false;
  }
  if (Text.size() == 1 && IsIdentifierChar(Text[0]) && !Text[0].isDigit())
    QTimer::singleShot(0, this, [this] {
      if (AutoComplete()) Complete(true);
    });
  return false;
}

bool TEditorLanguage::MousePressed(QPoint At, Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers) {
  FPopup->Close();
  if (Button != Qt::LeftButton || !(Modifiers & Qt::ControlModifier)) return false;
  const int Pos = Editor()->CharPosAt(At.x(), At.y());
  const QString Word = WordAt(Pos);
  if (Word.isEmpty()) return false;
  Editor()->SetSelStart(Pos - 1);
  FService->GoToDefinition(Word);
  return true;
}

bool TEditorLanguage::eventFilter(QObject* Watched, QEvent* Event) {
  switch (Event->type()) {
    case QEvent::KeyPress:
      if (Watched == FHost) {
        auto* Key = static_cast<QKeyEvent*>(Event);
        return KeyPressed(Key->key(), Key->text());
      }
      break;
    case QEvent::MouseMove:
      if (Watched != FHost) {
        FHoverPoint = static_cast<QMouseEvent*>(Event)->position().toPoint();
        FHoverTimer.start();
      }
      break;
    case QEvent::Leave:
      FHoverTimer.stop();
      break;
    case QEvent::MouseButtonPress:
      if (Watched != FHost) {
        auto* Mouse = static_cast<QMouseEvent*>(Event);
        FHoverTimer.stop();
        return MousePressed(Mouse->position().toPoint(), Mouse->button(), Mouse->modifiers());
      }
      break;
    case QEvent::FocusOut:
      if (Watched == FHost) FPopup->Close();
      break;
    default:
      break;
  }
  return false;
}
