/** @file EditorLanguage.h
 ** The language knowledge of one editor window: its source model, which a keystroke only
 ** tells where the text changed; after a pause the changed rows are re-read, the
 ** declarations gathered and the checks run (shown underlined and as gutter marks), in
 ** short turns of the event loop that stop when the user types again; the hover tool tip,
 ** Ctrl+click and completion. **/
#pragma once

#include <QObject>
#include <QPointer>
#include <QPoint>
#include <QTimer>
#include <memory>

#include "language/EditorSource.h"
#include "platform/core/Object.h"
#include "studio/language/ProblemMarks.h"
#include "studio/language/QuietTimer.h"

class TCodeFRM;
class TCompletionPopup;
class TLanguageService;
class TProblemUnderlines;
class TQtControlHost;
class TSourceCheck;
class TSourceEdit;

class TEditorLanguage : public QObject {
  Q_OBJECT  // found with findChild

 public:
  /** Pause after the last edit before declarations and checks are brought up to date. */
  static constexpr int SettleMilliseconds = 300;
  static constexpr int HoverMilliseconds = 500;
  /** The longest the work after a pause holds the event loop at a time. */
  static constexpr int TurnMilliseconds = 5;

  TEditorLanguage(TCodeFRM* Form, TLanguageService* Service);
  ~TEditorLanguage() override;

  TCodeFRM* Form() const { return FForm; }
  TSourceEdit* Editor() const;
  TQtControlHost* Host() const { return FHost; }
  QString File() const;
  /** The model of the text as it is now (changed rows are read first). */
  const TSourceModel& Model() const;
  /** The declarations as of the last pause. */
  const std::vector<TDeclaration>& Declarations() const { return FDeclarations; }
  const std::vector<TProblem>& Problems() const { return FProblems; }
  QString LineText(int Line) const;
  int CaretLine() const;

  /** The word at a 1-based position, or ending just before it, when it is not in a
      comment, string or directive; its first position goes to Start. */
  QString WordAt(int Pos, int* Start = nullptr) const;
  QString WordAtCaret() const;
  /** The tool tip for a point of the client area: the problem there and the reference. */
  QString HoverTextAt(QPoint ClientPoint) const;

  /** Brings declarations and checks up to date now instead of after the pause. */
  void Settle();
  /** Runs the checks against the project's index again, once the user pauses, and shows
      their findings. */
  void Recheck();
  /** The work after a pause is waiting for the pause or under way. */
  bool Working() const { return FSettleTimer.Waiting() || FWorkTimer.isActive(); }
  void GoTo(int Line, int Column);
  /** Opens the completion list for the word before the caret; Typed asks for at least
      two letters. */
  void Complete(bool Typed);
  TCompletionPopup* Popup() const { return FPopup; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void TextChanged();
  /** Goes on with the work after a pause for about Milliseconds; true when some is left. */
  bool Work(qint64 Milliseconds);
  bool GatherDeclarations(const std::function<bool()>& TimeUp);
  bool RunChecks(const std::function<bool()>& TimeUp);
  bool PlaceMarks(const std::function<bool()>& TimeUp);
  bool KeyPressed(int Key, const QString& Text);
  bool MousePressed(QPoint At, Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers);
  void ShowHover();
  QStringList WordsNearCaret() const;
  bool AutoComplete() const;

  TCodeFRM* FForm;
  QPointer<TLanguageService> FService;
  TQtControlHost* FHost;
  // Reading the changed rows on demand does not change what the text says.
  mutable TEditorSource FSource;
  std::vector<TDeclaration> FDeclarations;
  std::vector<TProblem> FProblems;
  TProblemUnderlines* FUnderlines;
  TProblemMarks FMarks;
  TCompletionPopup* FPopup;
  TQuietTimer FSettleTimer;
  QTimer FWorkTimer;
  bool FEdited = false;  ///< since the work last started over
  bool FCheckWanted = true;
  bool FMarksWanted = false;  ///< FProblems are not marked in the gutter yet
  bool FMarking = false;  ///< the gutter marks of FProblems are being placed
  int FDeclaredRevision = -1;  ///< of the model, when FDeclarations were gathered
  int FGatherLine = 0;  ///< the next line to gather declarations from, 0 when not gathering
  std::vector<TDeclaration> FGathered;
  std::unique_ptr<TSourceCheck> FCheck;
  QTimer FHoverTimer;
  TQuietTimer FCaretTimer;
  QPoint FHoverPoint;
  TNotifyEvent FPreviousSelectionChange;
};
