/** @file EditorWindowFixture.h
 ** The main window with one editor window open on a file of a given text. **/
#pragma once

#include "../StudioFixture.h"

struct EditorWindowFixture : StudioFixture {
  TCodeFRM* Code = nullptr;
  TSourceEdit* E = nullptr;
  TSourceEdit& Open(const QByteArray& Text) {
    Form.OpenPaths({Write("a.yor", Text)});
    Code = Form.ActiveCodeForm();
    E = Code->tbCode.get();
    return *E;
  }
};
