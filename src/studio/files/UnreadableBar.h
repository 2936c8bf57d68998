/** @file UnreadableBar.h
 ** The bar inside an editor window that says what of its file could not be read; the
 ** window stays read-only until the user chooses to edit anyway. **/
#pragma once

#include <functional>

#include "studio/NoticeBar.h"

class TUnreadableBar : public TNoticeBar {
  Q_OBJECT

 public:
  TUnreadableBar(const QString& Text, std::function<void()> OnEditAnyway,
                 QWidget* Parent = nullptr);

  QPushButton* EditAnyway;
};
