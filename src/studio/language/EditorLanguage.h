/** @file EditorLanguage.h
 ** The language knowledge of one editor window: its source model, kept up to date from
 ** every replacement (only the replaced lines are re-read), the checks after a pause (shown
 ** underlined and as gutter marks), the hover tool tip, Ctrl+click and completion. **/
#pragma once

#include <QObject>
#include <QPointer>
#include <QPoint>
#include <QTimer>

#include "language/EditorSource.h"
#include "platform/core/Object.h"
#include "studio/language/ProblemMarks.h"

class TCodeFRM;
class TCompletionPopup;
class TLanguageService;
class TProblemUnderlines;
class TQtControlHost;
class TSourceEdit;

class TEditorLanguage : public QObject {
  Q_OBJECT  // found with findChild

 public:
  /** Pause after the last edit before declarations and checks are brought up to date. */
  static constexpr int SettleMilliseconds = 300;
  static constexpr int HoverMilliseconds = 500;

  TEditorLanguage(TCodeFRM* Form, TLanguageService* Service);
  ~TEditorLanguage() override;

  TCodeFRM* Form() const { return FForm; }
  TSourceEdit* Editor() const;
  TQtControlHost* Host() const { return FHost; }
  QString File() const;
  const TSourceModel& Model() const { return FSource.Model(); }
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
  /** Runs the checks against the project's index and shows their findings. */
  void Recheck();
  void GoTo(int Line, int Column);
  /** Opens the completion list for the word before the caret; Typed asks for at least
      two letters. */
  void Complete(bool Typed);
  TCompletionPopup* Popup() const { return FPopup; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  bool KeyPressed(int Key, const QString& Text);
  bool MousePressed(QPoint At, Qt::MouseButton Button, Qt::KeyboardModifiers Modifiers);
  void ShowHover();
  QStringList WordsNearCaret() const;
  bool AutoComplete() const;

  TCodeFRM* FForm;
  QPointer<TLanguageService> FService;
  TQtControlHost* FHost;
  TEditorSource FSource;
  std::vector<TDeclaration> FDeclarations;
  std::vector<TProblem> FProblems;
  TProblemUnderlines* FUnderlines;
  TProblemMarks FMarks;
  TCompletionPopup* FPopup;
  QTimer FSettleTimer;
  QTimer FHoverTimer;
  QTimer FCaretTimer;
  QPoint FHoverPoint;
  TNotifyEvent FPreviousSelectionChange;
};
