/** @file NewForm.cpp
 ** The New dialog's layout and choice. **/
#include "studio/NewForm.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr TProjType Kinds[] = {ptApplication, ptEmptyFile, ptDLLProject};
}  // namespace

TNewFRM::TNewFRM(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("New Project or File"));
  setFont(QFont(QStringLiteral("Tahoma"), 8));
  setFixedSize(471, 269);

  PageControl1 = new QTabWidget(this);
  PageControl1->setGeometry(8, 8, 457, 225);
  TabSheet1 = new QWidget;
  PageControl1->addTab(TabSheet1, QStringLiteral("New"));
  lvNew = new QListWidget;
  lvNew->setViewMode(QListView::IconMode);
  lvNew->setIconSize(QSize(45, 41));
  lvNew->setGridSize(QSize(90, 70));
  lvNew->setMovement(QListView::Static);
  lvNew->setResizeMode(QListView::Adjust);
  lvNew->setWordWrap(true);
  const QIcon Application(QStringLiteral(":/icons/new-application.svg"));
  const QIcon Dll(QStringLiteral(":/icons/new-dll.svg"));
  lvNew->addItem(new QListWidgetItem(Application, QStringLiteral("Application")));
  lvNew->addItem(new QListWidgetItem(Application, QStringLiteral("Empty File")));
  lvNew->addItem(new QListWidgetItem(Dll, QStringLiteral("DLL Project")));
  auto* Page = new QVBoxLayout(TabSheet1);
  Page->setContentsMargins(0, 0, 0, 0);
  Page->addWidget(lvNew);
  connect(lvNew->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& Selected, const QItemSelection& Deselected) {
            for (const QModelIndex& Index : Deselected.indexes())
              lvNewSelectItem(Index.row(), false);
            for (const QModelIndex& Index : Selected.indexes())
              lvNewSelectItem(Index.row(), true);
          });

  connect(lvNew, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* Item) {
    lvNew->setCurrentItem(Item);
    buOKClick();
  });

  buOK = new QPushButton(QIcon(QStringLiteral(":/icons/ok.svg")), QStringLiteral("OK"), this);
  buOK->setGeometry(262, 239, 97, 25);
  buOK->setIconSize(QSize(18, 18));
  buOK->setDefault(true);
  connect(buOK, &QPushButton::clicked, this, [this] { buOKClick(); });
  buCancel = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                             QStringLiteral("Cancel"), this);
  buCancel->setGeometry(366, 239, 97, 25);
  connect(buCancel, &QPushButton::clicked, this, &QDialog::reject);
  FormCreate();
}

void TNewFRM::FormCreate() {
  ptType = ptNone;
  buOK->setEnabled(false);
}

void TNewFRM::lvNewSelectItem(int Item, bool) {
  buOK->setEnabled(true);
  ptType = Kinds[Item];
}

void TNewFRM::buOKClick() {
  if (ptType != ptNone) accept();
}
