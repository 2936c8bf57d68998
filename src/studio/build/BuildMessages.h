/** @file BuildMessages.h
 ** Recognises the lines of a compiler's output that point at a place in a file:
 **   FILE(LINE): MESSAGE            FILE(LINE,COL): MESSAGE
 **   FILE:LINE:COL: KIND: MESSAGE   FILE:LINE: MESSAGE
 **   LINE: MESSAGE                  (after a line that names a file)
 ** "error", "warning" or "note" at the start of the message sets the kind; none is an error.
 ** A file that does not exist makes the line plain text. **/
#pragma once

#include <QHash>
#include <QString>
#include <optional>

#include "editor/RowMarks.h"

struct TBuildMessage {
  QString File;  ///< absolute path of an existing file
  int Line = 1;
  int Column = 1;
  TRowMarkKind Kind = TRowMarkKind::Error;
  QString Text;  ///< the message, as the compiler wrote it
};

class TBuildMessageParser {
 public:
  /** Relative file names resolve against Folder (where the compiler runs). */
  explicit TBuildMessageParser(const QString& Folder);

  /** The message on Line, if it is one; lines are given in order of arrival. */
  std::optional<TBuildMessage> Parse(const QString& Line);

 private:
  /** The absolute path of an existing file, or empty. */
  QString ExistingFile(const QString& Name);

  QString FFolder;
  QString FNamedFile;  ///< the file the previous lines named, for "LINE: MESSAGE"
  QHash<QString, QString> FKnown;
};
