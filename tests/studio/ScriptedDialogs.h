/** @file ScriptedDialogs.h
 ** Dialogs that record what the studio asked and give queued answers, file dialogs too. **/
#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "studio/Dialogs.h"

class TScriptedDialogs : public TDialogs {
 public:
  struct TCall {
    QWidget* Owner;
    QString Text, Caption;
    TMsgButtons Buttons;
    TMsgIcon Icon;
  };
  TScriptedDialogs() { SetCurrent(this); }
  ~TScriptedDialogs() override { SetCurrent(nullptr); }

  TModalResult MessageBox(QWidget* Owner, const QString& Text, const QString& Caption,
                          TMsgButtons Buttons, TMsgIcon Icon) override {
    Calls.push_back({Owner, Text, Caption, Buttons, Icon});
    if (Answers.empty()) return TModalResult::mrNone;
    const TModalResult Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }

  QString OpenFile(QWidget*, const QString& Filter, const QString& DefaultExt,
                   const QString& InitialFolder) override {
    return AnswerFile({Filter, DefaultExt, InitialFolder, QString(), false});
  }
  QString SaveFile(QWidget*, const QString& Filter, const QString& DefaultExt,
                   const QString& InitialFolder, const QString& FileName) override {
    return AnswerFile({Filter, DefaultExt, InitialFolder, FileName, true});
  }

  TModalResult ShowModal(QDialog& Dialog) override {
    if (ModalAnswers.empty()) return TModalResult::mrCancel;
    const auto Answer = ModalAnswers.front();
    ModalAnswers.pop_front();
    return Answer(Dialog);
  }

  std::deque<TModalResult> Answers;
  /** Each acts on the next modal dialog and gives its result; none left cancels. */
  std::deque<std::function<TModalResult(QDialog&)>> ModalAnswers;
  std::vector<TCall> Calls;

  struct TFileCall {
    QString Filter, DefaultExt, InitialFolder, FileName;
    bool Save;
  };
  /** Chosen paths in turn; an empty one, or none left, cancels. */
  std::deque<QString> FileAnswers;
  std::vector<TFileCall> FileCalls;

 private:
  QString AnswerFile(const TFileCall& Call) {
    FileCalls.push_back(Call);
    if (FileAnswers.empty()) return QString();
    const QString Answer = FileAnswers.front();
    FileAnswers.pop_front();
    return Answer;
  }
};
