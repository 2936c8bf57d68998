/** @file UnreadableBar.cpp
 ** A warning icon, the message and "Edit anyway". **/
#include "studio/files/UnreadableBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TUnreadableBar::TUnreadableBar(const QString& Text, std::function<void()> OnEditAnyway,
                               QWidget* Parent)
    : TNoticeBar(Parent) {
  auto* Icon = new QLabel;
  Icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
  FRow->insertWidget(0, Icon);
  Message->setText(Text +
                   QStringLiteral(" The window stays read-only until you choose Edit anyway."));
  EditAnyway = AddButton(QStringLiteral("Edit anyway"));
  connect(EditAnyway, &QPushButton::clicked, this, std::move(OnEditAnyway));
}
