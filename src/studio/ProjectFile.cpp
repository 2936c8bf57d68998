/** @file ProjectFile.cpp
 ** Reading and writing project files. **/
#include "studio/ProjectFile.h"

#include "platform/core/TextFile.h"

QStringList ReadProjectFile(const QString& FileName) {
  QString Text = ReadTextFile(FileName);
  if (const qsizetype Nul = Text.indexOf(QChar(0)); Nul >= 0) Text.truncate(Nul);
  Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  if (Text.isEmpty()) return {};
  if (Text.endsWith(u'\n')) Text.chop(1);
  return Text.split(u'\n');
}

void WriteProjectFile(const QString& FileName, const QStringList& Entries) {
  QString Text;
  for (const QString& Entry : Entries)
    Text += Entry + QStringLiteral("\r\n");
  WriteTextFile(FileName, Text);
}
