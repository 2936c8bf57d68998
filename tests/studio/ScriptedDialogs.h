/** @file ScriptedDialogs.h
 ** Dialogs that record what the studio asked and give queued answers. **/
#pragma once

#include <deque>
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

  std::deque<TModalResult> Answers;
  std::vector<TCall> Calls;
};
