/** @file TextFile.h
 ** Reading and writing text files: byte-order marks on reading, the ANSI code page (UTF-8
 ** on Linux) on writing, and saves that never destroy the old file when they fail. **/
#pragma once

#include <QByteArray>
#include <QString>

/** FF FE UTF-16LE, FE FF UTF-16BE, EF BB BF UTF-8 (the mark skipped), else the ANSI code
    page; bytes that are not valid UTF-8 are read as Windows-1252 so that none is lost. */
QString DecodeText(const QByteArray& Bytes);
/** The text in the ANSI code page without a mark. A text the code page cannot hold (on Linux,
    one with a lone surrogate) comes back as UTF-16LE with its mark instead of losing any. */
QByteArray EncodeAnsi(const QString& Text);
/** The decoded contents of a file; EFOpenError when it cannot be read. */
QString ReadTextFile(const QString& FileName);
/** Writes the file through a temporary beside it, replacing the old one only when the new
    one is complete; EFCreateError when that fails, with the old file intact. */
void WriteTextFile(const QString& FileName, const QString& Text);
