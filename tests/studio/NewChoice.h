/** @file NewChoice.h
 ** A scripted answer to the New dialog. **/
#pragma once

#include <functional>

#include "studio/Dialogs.h"
#include "studio/NewForm.h"

/** Answers the New dialog by selecting Item and pressing OK. */
inline std::function<TModalResult(QDialog&)> Choose(int Item) {
  return [Item](QDialog& Dialog) {
    auto& New = static_cast<TNewFRM&>(Dialog);
    New.lvNew->setCurrentRow(Item);
    New.buOKClick();
    return New.result() == QDialog::Accepted ? TModalResult::mrOk : TModalResult::mrCancel;
  };
}
