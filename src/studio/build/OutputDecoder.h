/** @file OutputDecoder.h
 ** Turns one output channel's bytes into lines as they arrive: LF or CR LF ends a line, a
 ** lone CR starts the line over (progress counters), each line is decoded on its own as
 ** UTF-8 with the Windows-1252 fallback, and very long lines are cut into pieces. **/
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TOutputDecoder {
 public:
  /** Lines no longer than this many bytes; longer ones continue on the next line. */
  static constexpr int LongestLine = 4096;

  /** Adds Bytes; the lines they complete are appended to Lines. */
  void Feed(QByteArrayView Bytes, QStringList& Lines);
  /** The line still open (no line break yet), decoded; empty when none. */
  QString OpenLine() const;
  /** Ends the open line, as the stream's end does; false when there is none. */
  bool Close(QString& Line);

 private:
  /** One line's bytes as text. */
  static QString DecodeLine(const QByteArray& Bytes);
  void CompleteLine(QStringList& Lines);

  QByteArray FLine;
  bool FPendingCr = false;
};
