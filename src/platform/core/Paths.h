/** @file Paths.h
 ** File paths: separators, the program's folder, existence, and relative paths. Paths from
 ** settings and project files may use "\" or "/"; both separate on every platform. **/
#pragma once

#include <QString>

/** The folder of the running program, ending with a separator. */
QString ProgramDir();
/** The text after the last separator (and, for drive paths, after the drive's colon). */
QString ExtractFileName(const QString& Path);
/** Everything up to and including the last separator. */
QString ExtractFilePath(const QString& Path);
/** Path with "\" separators turned into the platform's own. */
QString NativePath(const QString& Path);
/** True for an existing file; false for a folder or for nothing. */
bool FileExists(const QString& Path);
/** The absolute, cleaned form of Path. */
QString ExpandFileName(const QString& Path);
/** DestName relative to the folder of the file BaseName; on another drive DestName comes back
    unchanged. Windows-style inputs (a drive or "\" separators) compare folders without regard
    to case and give "\" separators; Linux paths compare folders exactly and give "/". */
QString ExtractRelativePath(const QString& BaseName, const QString& DestName);
/** True when A and B name the same file: equal once cleaned, or the same file behind links. */
bool SameFile(const QString& A, const QString& B);
