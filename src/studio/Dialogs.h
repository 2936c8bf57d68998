/** @file Dialogs.h
 ** Message boxes and file dialogs go through one replaceable object, so that tests can answer them.
 ***/
#pragma once

#include <QString>

class QDialog;
class QWidget;

enum class TMsgButtons { mbOK, mbYesNo, mbYesNoCancel };
enum class TMsgIcon { None, Question, Error, Information };
enum class TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo };

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  virtual TModalResult MessageBox(QWidget* Owner, const QString& Text, const QString& Caption,
                                  TMsgButtons Buttons, TMsgIcon Icon);
  /** The chosen file's full path, or an empty string when cancelled. Filter is
      "Description (*.ext)|*.ext"; DefaultExt is added to a name typed without one. */
  virtual QString OpenFile(QWidget* Owner, const QString& Filter, const QString& DefaultExt,
                           const QString& InitialFolder);
  /** As OpenFile; FileName is offered first, and an existing file needs confirming. */
  virtual QString SaveFile(QWidget* Owner, const QString& Filter, const QString& DefaultExt,
                           const QString& InitialFolder, const QString& FileName);

  /** Shows Dialog modally; its result. */
  virtual TModalResult ShowModal(QDialog& Dialog);

  /** The dialogs in use: the platform's, unless a test put its own in place. */
  static TDialogs& Current();
  /** Puts Dialogs in place (not owned); nullptr restores the platform's. */
  static void SetCurrent(TDialogs* Dialogs);
};
