/** @file UnreadableBar.cpp
 ** A warning-coloured row: an icon, the message and "Edit anyway". **/
#include "studio/files/UnreadableBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TUnreadableBar::TUnreadableBar(const QString& Message, std::function<void()> OnEditAnyway,
                               QWidget* Parent)
    : QFrame(Parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
  setAutoFillBackground(true);
  QPalette Colours = palette();
  Colours.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
  Colours.setColor(QPalette::WindowText, Qt::black);
  setPalette(Colours);
  auto* Row = new QHBoxLayout(this);
  Row->setContentsMargins(6, 3, 6, 3);
  auto* Icon = new QLabel;
  Icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
  Row->addWidget(Icon);
  auto* Text = new QLabel(Message +
                          QStringLiteral(" The window stays read-only until you choose Edit anyway."));
  Text->setWordWrap(true);
  Row->addWidget(Text, 1);
  EditAnyway = new QPushButton(QStringLiteral("Edit anyway"));
  Row->addWidget(EditAnyway);
  connect(EditAnyway, &QPushButton::clicked, this, std::move(OnEditAnyway));
}
