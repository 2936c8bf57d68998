/** @file OutputModel.h
 ** The lines of the output panel. The first lines (the command and its folder) stay; of the
 ** rest only the last MaxLines are kept, with a note of how many earlier ones were dropped.
 ** Changes are gathered and shown to views in one step per Commit, so that a flood of
 ** output costs the view one update per slice, not one per line. **/
#pragma once

#include <QAbstractListModel>
#include <QFont>
#include <deque>

enum class TOutputKind {
  Command,      ///< what was started, and where
  Output,       ///< the program's standard output
  ErrorOutput,  ///< its standard error, and errors the compiler wrote anywhere
  Warning,      ///< warnings the compiler wrote
  Input,        ///< what the user sent to its standard input
  Info,         ///< the studio's own notes
  Failure,      ///< the studio could not do what was asked
  Summary,
};

class TOutputModel : public QAbstractListModel {
 public:
  static constexpr int DefaultMaxLines = 100000;

  explicit TOutputModel(QObject* Parent = nullptr);

  void SetMaxLines(int Value) { FMaxLines = Value; }
  /** The font the view shows lines in; summaries are shown in its bold form. */
  void SetFont(const QFont& Value) { FFont = Value; }
  /** Empties the panel; the lines added next up to FixHeader stay at the top. */
  void Clear();
  /** Makes the lines added so far stay at the top. */
  void FixHeader();

  /** Adds a line; answers its serial number, which never changes. */
  qint64 Append(const QString& Text, TOutputKind Kind, int Message = -1);
  /** Changes the line of that serial number; false when it is no longer kept. */
  bool Replace(qint64 Serial, const QString& Text, TOutputKind Kind, int Message = -1);
  /** Shows the changes since the last Commit to the views. */
  void Commit();
  /** Counts lines that were let go of before they reached the panel. */
  void AddDropped(qint64 Lines);

  /** The row of a serial number, or -1 when the line is no longer kept (or not shown yet). */
  int RowOf(qint64 Serial) const;
  QString Text(int Row) const;
  TOutputKind Kind(int Row) const;
  int Message(int Row) const;

  int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& Index, int Role) const override;

 private:
  struct TLine {
    QString Text;
    TOutputKind Kind;
    int Message;
  };
  QString DroppedNote() const;
  int NoteRows() const { return FHasNote ? 1 : 0; }
  const TLine* Line(int Row) const;

  std::deque<TLine> FHeader;  ///< the fixed lines, then the note about dropped lines
  std::deque<TLine> FBody;
  qint64 FFirstSerial = 0;  ///< serial number of FBody's first line
  qint64 FDropped = 0;
  int FMaxLines = DefaultMaxLines;
  int FShownRows = 0;
  bool FHasNote = false;
  bool FNoteChanged = false;
  QFont FFont;
  qint64 FNextSerial = 0;
  qint64 FChangedFirst = -1;  ///< serial numbers of the first and last line replaced
  qint64 FChangedLast = -1;
};
