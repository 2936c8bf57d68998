/** @file TextFile.h
 ** Reading and writing text files: byte-order marks on reading, the ANSI code page (UTF-8
 ** on Linux) on writing, and saves that never destroy the old file when they fail. **/
#pragma once

#include <QByteArray>
#include <QString>

#include "platform/core/TextDecoding.h"  // DecodeText, for readers of bytes of their own

/** The largest file read: positions in a text are 32-bit, and far below that the memory
    of a text store would run out. */
constexpr qint64 MaxTextFileSize = qint64(1) << 30;

/** The text in the ANSI code page without a mark. A text the code page cannot hold (on Linux,
    one with a lone surrogate) comes back as UTF-16LE with its mark instead of losing any. */
QByteArray EncodeAnsi(const QString& Text);
/** The whole content of a file; EFOpenError when it cannot be opened or read, or when it
    is larger than MaxTextFileSize (refused before reading). */
QByteArray ReadFileBytes(const QString& FileName);
/** The decoded contents of a file; EFOpenError as ReadFileBytes. */
QString ReadTextFile(const QString& FileName);
/** Writes the file as SaveFileBytes does: EFCreateError when that fails, with the old file
    intact. */
void WriteTextFile(const QString& FileName, const QString& Text);
