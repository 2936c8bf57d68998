/** @file NoticeBar.h
 ** A warning-coloured row inside an editor window: a message and the buttons that answer
 ** it. The bars of the files and recovery capabilities are made of it. **/
#pragma once

#include <QFrame>

class QHBoxLayout;
class QLabel;
class QPushButton;

class TNoticeBar : public QFrame {
 public:
  explicit TNoticeBar(QWidget* Parent = nullptr);
  /** A button at the end of the row. */
  QPushButton* AddButton(const QString& Caption);

  QLabel* Message;

 protected:
  QHBoxLayout* FRow;
};
