/** @file BenchSubject.h
 ** One editor under measurement: each operation runs to completion, coloured and painted,
 ** before it returns. **/
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>

class TBenchSubject {
 public:
  virtual ~TBenchSubject() = default;
  /** Decodes the bytes, shows the text, colours all of it and paints once. */
  virtual void Load(const QByteArray& Utf8) = 0;
  /** Puts the caret at the start of Line (0-based). */
  virtual void GoToLine(int Line) = 0;
  /** The widget that receives key events. */
  virtual QWidget* KeyTarget() = 0;
  /** Brings the window up to date now, as after a keystroke. */
  virtual void Repaint() = 0;
  /** Draws every pixel of the view again now: the floor a keystroke is compared with. */
  virtual void RepaintAll() { Repaint(); }
  /** Colouring is brought up to date for the whole text, where an editor defers it. */
  virtual void FinishColouring() {}
  virtual int Length() = 0;
  virtual void Undo() = 0;
  /** Inserts Text at the start of Line, or removes Count characters there, coloured and
      painted as the editor itself does it (a peer may leave unseen text for later). */
  virtual void InsertAtLine(int Line, const QString& Text) = 0;
  virtual void RemoveAtLine(int Line, int Count) = 0;
};

std::unique_ptr<TBenchSubject> MakeYorelSubject();
std::unique_ptr<TBenchSubject> MakePlainTextSubject();
std::unique_ptr<TBenchSubject> MakeScintillaSubject();  ///< nullptr when not built in
