/** @file OutputModel.cpp **/
#include "studio/build/OutputModel.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLocale>
#include <QPalette>

namespace {
bool DarkTheme() {
  return QGuiApplication::palette().color(QPalette::Base).lightness() < 128;
}

QVariant ColorOf(TOutputKind Kind) {
  const bool Dark = DarkTheme();
  switch (Kind) {
    case TOutputKind::ErrorOutput:
    case TOutputKind::Failure:
      return Dark ? QColor(0xFF, 0x6B, 0x6B) : QColor(0xC0, 0x1C, 0x28);
    case TOutputKind::Warning:
      return Dark ? QColor(0xF0, 0xB0, 0x40) : QColor(0xA0, 0x5A, 0x00);
    case TOutputKind::Input:
      return Dark ? QColor(0x6C, 0xC0, 0xFF) : QColor(0x1A, 0x5F, 0xB4);
    case TOutputKind::Command:
    case TOutputKind::Info:
      return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    case TOutputKind::Output:
    case TOutputKind::Summary:
      break;
  }
  return QVariant();
}
}  // namespace

TOutputModel::TOutputModel(QObject* Parent) : QAbstractListModel(Parent) {}

void TOutputModel::Clear() {
  beginResetModel();
  FHeader.clear();
  FBody.clear();
  FFirstSerial = 0;
  FNextSerial = 0;
  FDropped = 0;
  FShownRows = 0;
  FHasNote = false;
  FNoteChanged = false;
  FChangedFirst = FChangedLast = -1;
  endResetModel();
}

void TOutputModel::FixHeader() {
  while (!FBody.empty() && !FHasNote) {
    FHeader.push_back(std::move(FBody.front()));
    FBody.pop_front();
    ++FFirstSerial;
  }
}

qint64 TOutputModel::Append(const QString& Text, TOutputKind Kind, int Message) {
  FBody.push_back(TLine{Text, Kind, Message});
  return FNextSerial++;
}

bool TOutputModel::Replace(qint64 Serial, const QString& Text, TOutputKind Kind, int Message) {
  if (Serial < FFirstSerial || Serial >= FNextSerial) return false;
  TLine& Line = FBody[static_cast<std::size_t>(Serial - FFirstSerial)];
  Line = TLine{Text, Kind, Message};
  FChangedFirst = FChangedFirst < 0 ? Serial : std::min(FChangedFirst, Serial);
  FChangedLast = std::max(FChangedLast, Serial);
  return true;
}

void TOutputModel::Commit() {
  const int HeaderRows = static_cast<int>(FHeader.size());
  const qint64 Excess = static_cast<qint64>(FBody.size()) - FMaxLines;
  if (Excess > 0) {
    const int ShownBody = FShownRows - HeaderRows - NoteRows();
    const int RemovedShown = static_cast<int>(std::min<qint64>(Excess, ShownBody));
    const int FirstBodyRow = HeaderRows + NoteRows();
    if (RemovedShown > 0) beginRemoveRows(QModelIndex(), FirstBodyRow, FirstBodyRow + RemovedShown - 1);
    FBody.erase(FBody.begin(), FBody.begin() + static_cast<std::ptrdiff_t>(Excess));
    FFirstSerial += Excess;
    FDropped += Excess;
    FShownRows -= RemovedShown;
    if (RemovedShown > 0) endRemoveRows();
    FNoteChanged = true;
  }
  if (FNoteChanged) {
    FNoteChanged = false;
    if (!FHasNote) {
      beginInsertRows(QModelIndex(), HeaderRows, HeaderRows);
      FHasNote = true;
      ++FShownRows;
      endInsertRows();
    } else {
      emit dataChanged(index(HeaderRows), index(HeaderRows));
    }
  }
  const int Rows = HeaderRows + NoteRows() + static_cast<int>(FBody.size());
  if (Rows > FShownRows) {
    beginInsertRows(QModelIndex(), FShownRows, Rows - 1);
    FShownRows = Rows;
    endInsertRows();
  }
  if (FChangedLast >= 0) {
    const int First = RowOf(std::max(FChangedFirst, FFirstSerial));
    const int Last = RowOf(FChangedLast);
    if (First >= 0 && Last >= First) emit dataChanged(index(First), index(Last));
    FChangedFirst = FChangedLast = -1;
  }
}

void TOutputModel::AddDropped(qint64 Lines) {
  FDropped += Lines;
  FNoteChanged = true;
}

int TOutputModel::RowOf(qint64 Serial) const {
  int Row = -1;
  if (Serial >= 0 && Serial < static_cast<qint64>(FHeader.size()))
    Row = static_cast<int>(Serial);
  else if (Serial >= FFirstSerial && Serial < FNextSerial)
    Row = static_cast<int>(FHeader.size()) + NoteRows() + static_cast<int>(Serial - FFirstSerial);
  return Row < FShownRows ? Row : -1;
}

const TOutputModel::TLine* TOutputModel::Line(int Row) const {
  if (Row < 0 || Row >= FShownRows) return nullptr;
  const int HeaderRows = static_cast<int>(FHeader.size());
  if (Row < HeaderRows) return &FHeader[static_cast<std::size_t>(Row)];
  if (Row < HeaderRows + NoteRows()) return nullptr;
  return &FBody[static_cast<std::size_t>(Row - HeaderRows - NoteRows())];
}

QString TOutputModel::DroppedNote() const {
  return QStringLiteral("(%1 earlier lines dropped)").arg(QLocale(QLocale::English).toString(FDropped));
}

QString TOutputModel::Text(int Row) const {
  if (const TLine* L = Line(Row)) return L->Text;
  return Row >= 0 && Row < FShownRows ? DroppedNote() : QString();
}

TOutputKind TOutputModel::Kind(int Row) const {
  const TLine* L = Line(Row);
  return L ? L->Kind : TOutputKind::Info;
}

int TOutputModel::Message(int Row) const {
  const TLine* L = Line(Row);
  return L ? L->Message : -1;
}

int TOutputModel::rowCount(const QModelIndex& Parent) const {
  return Parent.isValid() ? 0 : FShownRows;
}

QVariant TOutputModel::data(const QModelIndex& Index, int Role) const {
  const int Row = Index.row();
  if (!Index.isValid() || Row >= FShownRows) return QVariant();
  switch (Role) {
    case Qt::DisplayRole:
      return Text(Row);
    case Qt::ForegroundRole:
      return ColorOf(Kind(Row));
    case Qt::FontRole:
      if (Kind(Row) == TOutputKind::Summary || Kind(Row) == TOutputKind::Failure) {
        QFont Bold = FFont;
        Bold.setBold(true);
        return Bold;
      }
      return QVariant();
    default:
      return QVariant();
  }
}
