/** @file NoticeBar.cpp **/
#include "studio/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TNoticeBar::TNoticeBar(QWidget* Parent) : QFrame(Parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  setAutoFillBackground(true);
  QPalette Colours = palette();
  Colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
  Colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(Colours);
  Message = new QLabel;
  Message->setWordWrap(true);
  FRow = new QHBoxLayout(this);
  FRow->setContentsMargins(6, 3, 6, 3);
  FRow->addWidget(Message, 1);
}

QPushButton* TNoticeBar::AddButton(const QString& Caption) {
  auto* Button = new QPushButton(Caption);
  FRow->addWidget(Button);
  return Button;
}
