/** @file ProjectFile.h
 ** The project file: one source path per line, the main file first. **/
#pragma once

#include <QStringList>

/** The entries of the project file; breaks are CR, LF or CR LF, a NUL ends the text, a
    break at the very end adds no entry. EFOpenError when it cannot be read. */
QStringList ReadProjectFile(const QString& FileName);
/** Writes every entry followed by CR LF; EFCreateError when that fails. */
void WriteProjectFile(const QString& FileName, const QStringList& Entries);
