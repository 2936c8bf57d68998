/** @file DiffDialog.cpp **/
#include "studio/recovery/DiffDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
QStringList LinesOf(const QString& Text) {
  QString Unified = Text;
  Unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  return Unified.split(u'\n');
}

QPlainTextEdit* Viewer() {
  auto* Edit = new QPlainTextEdit;
  Edit->setReadOnly(true);
  Edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  Edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return Edit;
}

/** Tints the given rows; the rest stay plain. */
void Tint(QPlainTextEdit* Edit, const std::vector<std::pair<int, QColor>>& Rows) {
  QList<QTextEdit::ExtraSelection> Selections;
  for (const auto& [Row, Colour] : Rows) {
    QTextEdit::ExtraSelection Selection;
    Selection.cursor = QTextCursor(Edit->document()->findBlockByNumber(Row));
    Selection.format.setBackground(Colour);
    Selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    Selections << Selection;
  }
  Edit->setExtraSelections(Selections);
}

const QColor RemovedColour(0xFF, 0xDD, 0xDD);
const QColor AddedColour(0xDD, 0xFF, 0xDD);
}  // namespace

TDiffDialog::TDiffDialog(const QString& OldName, const QString& OldText, const QString& NewName,
                         const QString& NewText, QWidget* Parent)
    : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Differences"));
  const std::vector<TDiffLine> Lines = DiffLines(LinesOf(OldText), LinesOf(NewText));
  cbLayout = new QComboBox;
  cbLayout->addItems({QStringLiteral("Unified"), QStringLiteral("Side by Side")});
  edUnified = Viewer();
  edUnified->setPlainText(UnifiedDiff(OldName, NewName, Lines));
  std::vector<std::pair<int, QColor>> Tinted;
  for (size_t I = 0; I < Lines.size(); ++I)
    if (Lines[I].Kind != TDiffLine::Same)
      Tinted.emplace_back(int(I) + 2, Lines[I].Kind == TDiffLine::Added ? AddedColour : RemovedColour);
  Tint(edUnified, Tinted);

  edLeft = Viewer();
  edRight = Viewer();
  FillSideBySide(Lines);
  auto* Pair = new QWidget;
  auto* Columns = new QHBoxLayout(Pair);
  Columns->setContentsMargins(0, 0, 0, 0);
  auto Column = [](const QString& Title, QPlainTextEdit* Edit) {
    auto* Box = new QVBoxLayout;
    Box->addWidget(new QLabel(Title));
    Box->addWidget(Edit);
    return Box;
  };
  Columns->addLayout(Column(OldName, edLeft));
  Columns->addLayout(Column(NewName, edRight));
  // Both sides scroll together, row for row.
  connect(edLeft->verticalScrollBar(), &QScrollBar::valueChanged, edRight->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(edRight->verticalScrollBar(), &QScrollBar::valueChanged, edLeft->verticalScrollBar(),
          &QScrollBar::setValue);

  FPages = new QStackedWidget;
  FPages->addWidget(edUnified);
  FPages->addWidget(Pair);
  connect(cbLayout, &QComboBox::currentIndexChanged, FPages, &QStackedWidget::setCurrentIndex);
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* Top = new QHBoxLayout;
  Top->addWidget(new QLabel(QStringLiteral("Show:")));
  Top->addWidget(cbLayout);
  Top->addStretch();
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Top);
  Layout->addWidget(FPages, 1);
  Layout->addWidget(Buttons);
  resize(900, 560);
}

// A run of removed lines faces the added lines that follow it; blank rows fill the gaps.
void TDiffDialog::FillSideBySide(const std::vector<TDiffLine>& Lines) {
  QStringList Left, Right;
  std::vector<std::pair<int, QColor>> LeftTint, RightTint;
  for (size_t I = 0; I < Lines.size();) {
    if (Lines[I].Kind == TDiffLine::Same) {
      Left << Lines[I].Text;
      Right << Lines[I].Text;
      ++I;
      continue;
    }
    QStringList Removed, Added;
    for (; I < Lines.size() && Lines[I].Kind == TDiffLine::Removed; ++I)
      Removed << Lines[I].Text;
    for (; I < Lines.size() && Lines[I].Kind == TDiffLine::Added; ++I)
      Added << Lines[I].Text;
    const qsizetype Rows = std::max(Removed.size(), Added.size());
    for (qsizetype R = 0; R < Rows; ++R) {
      if (R < Removed.size()) LeftTint.emplace_back(int(Left.size()), RemovedColour);
      if (R < Added.size()) RightTint.emplace_back(int(Right.size()), AddedColour);
      Left << Removed.value(R);
      Right << Added.value(R);
    }
  }
  edLeft->setPlainText(Left.join(u'\n'));
  edRight->setPlainText(Right.join(u'\n'));
  Tint(edLeft, LeftTint);
  Tint(edRight, RightTint);
}
