/** @file TextDecoding.h
 ** Reading a text file's bytes without losing any: the byte-order mark chooses the
 ** encoding; otherwise valid UTF-8 is read as UTF-8 and every other byte as one
 ** Windows-1252 character, so that a stray byte spoils nothing around it. **/
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/core/TextFormat.h"

struct TDecodedText {
  /** The characters, line breaks as in the file. */
  QString Text;
  /** What the file is, with its body kept where writing it back needs it. */
  TTextFormat Format;
  /** What could not be read, in words; empty when every byte was. */
  QString Unreadable;
};

TDecodedText DecodeTextFile(const QByteArray& Bytes);
/** The characters of DecodeTextFile alone, for readers that need not know the format: FF FE
    UTF-16LE, FE FF UTF-16BE, EF BB BF UTF-8 (the mark skipped), else UTF-8 as the ANSI code
    page with every byte that is not part of valid UTF-8 read as one Windows-1252 character. */
QString DecodeText(const QByteArray& Bytes);
/** Text with every line break (CR LF, CR, LF) as CR LF, as an editor stores it. */
QString WithCrLf(const QString& Text);
/** The length of the valid UTF-8 sequence at Bytes[At], or 0 when the byte starts none
    (overlong forms, encoded surrogates and values past U+10FFFF are not valid). */
int Utf8SequenceLength(QByteArrayView Bytes, qsizetype At);
/** The Windows-1252 byte of C; -1 when the code page has none. */
int Windows1252Byte(QChar C);
/** The UTF-16 code unit in the two bytes at Bytes[At]. */
inline char16_t Utf16Unit(QByteArrayView Bytes, qsizetype At, bool BigEndian) {
  const auto First = static_cast<unsigned char>(Bytes[At]);
  const auto Second = static_cast<unsigned char>(Bytes[At + 1]);
  return BigEndian ? char16_t(First << 8 | Second) : char16_t(Second << 8 | First);
}
