/** @file Dialogs.h
 ** Message boxes go through one replaceable object, so that tests can answer them. **/
#pragma once

#include <QString>

class QWidget;

enum class TMsgButtons { mbOK, mbYesNo };
enum class TMsgIcon { None, Question, Error, Information };
enum class TModalResult { mrNone, mrOk, mrCancel, mrYes, mrNo };

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  virtual TModalResult MessageBox(QWidget* Owner, const QString& Text, const QString& Caption,
                                  TMsgButtons Buttons, TMsgIcon Icon);

  /** The dialogs in use: the platform's, unless a test put its own in place. */
  static TDialogs& Current();
  /** Puts Dialogs in place (not owned); nullptr restores the platform's. */
  static void SetCurrent(TDialogs* Dialogs);
};
