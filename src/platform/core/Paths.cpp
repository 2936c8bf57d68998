/** @file Paths.cpp
 ** Path helpers. **/
#include "platform/core/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {
bool IsSeparator(QChar C) {
  return C == u'\\' || C == u'/';
}

qsizetype LastSeparator(const QString& Path) {
  for (qsizetype I = Path.size() - 1; I >= 0; --I)
    if (IsSeparator(Path[I]) || (I == 1 && Path[I] == u':')) return I;
  return -1;
}

QString Drive(const QString& Path) {
  return Path.size() >= 2 && Path[1] == u':' ? Path.left(2).toUpper() : QString();
}

// The folders of a path's folder part, without the drive and without empty parts.
QStringList Folders(const QString& Path) {
  QString Folder = ExtractFilePath(Path);
  if (!Drive(Folder).isEmpty()) Folder = Folder.mid(2);
  QStringList Parts;
  for (const QString& Part : Folder.split(QRegularExpression(QStringLiteral("[\\\\/]"))))
    if (!Part.isEmpty()) Parts << Part;
  return Parts;
}
}  // namespace

QString ProgramDir() {
  const QString Dir =
      QCoreApplication::instance()
          ? QCoreApplication::applicationDirPath()
          : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath())
                .absolutePath();
  return Dir.endsWith(u'/') ? Dir : Dir + u'/';
}

QString ExtractFileName(const QString& Path) {
  return Path.mid(LastSeparator(Path) + 1);
}

QString ExtractFilePath(const QString& Path) {
  return Path.left(LastSeparator(Path) + 1);
}

QString NativePath(const QString& Path) {
#ifdef Q_OS_WIN
  return Path;
#else
  QString Result = Path;
  return Result.replace(u'\\', u'/');
#endif
}

bool FileExists(const QString& Path) {
  return !Path.isEmpty() && QFileInfo(NativePath(Path)).isFile();
}

QString ExpandFileName(const QString& Path) {
  return QDir::cleanPath(QFileInfo(NativePath(Path)).absoluteFilePath());
}

QString ExtractRelativePath(const QString& BaseName, const QString& DestName) {
  if (Drive(BaseName).compare(Drive(DestName), Qt::CaseInsensitive) != 0) return DestName;
  const bool Backslashes = BaseName.contains(u'\\') || DestName.contains(u'\\');
  // Windows names folders without regard to case; on Linux "Lib" and "lib" are two folders,
  // and treating them as one would point the result at a file that is not Dest.
  const Qt::CaseSensitivity FolderCase =
      Backslashes || !Drive(BaseName).isEmpty() ? Qt::CaseInsensitive : Qt::CaseSensitive;
  const QChar Separator = Backslashes ? u'\\' : u'/';
  const QStringList Base = Folders(BaseName);
  const QStringList Dest = Folders(DestName);
  qsizetype Common = 0;
  while (Common < Base.size() && Common < Dest.size() &&
         Base[Common].compare(Dest[Common], FolderCase) == 0)
    ++Common;
  QString Result;
  for (qsizetype I = Common; I < Base.size(); ++I)
    Result += QStringLiteral("..") + Separator;
  for (qsizetype I = Common; I < Dest.size(); ++I)
    Result += Dest[I] + Separator;
  return Result + ExtractFileName(DestName);
}

bool SameFile(const QString& A, const QString& B) {
  if (QDir::cleanPath(QFileInfo(A).absoluteFilePath()) == QDir::cleanPath(QFileInfo(B).absoluteFilePath()))
    return true;
  const QString Canonical = QFileInfo(A).canonicalFilePath();
  return !Canonical.isEmpty() && Canonical == QFileInfo(B).canonicalFilePath();
}
