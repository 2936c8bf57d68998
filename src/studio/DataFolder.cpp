/** @file DataFolder.cpp
 ** Finding the studio's data beside the program or in the install's share folder. **/
#include "studio/DataFolder.h"

#include <QDir>

#include "platform/core/Paths.h"

QString StudioDataDir() {
  const QString Beside = ProgramDir();
  const QString Shared = QDir::cleanPath(Beside + QStringLiteral("../share/yorel-studio")) + u'/';
  if (!QDir(Beside + QStringLiteral("templates")).exists() &&
      QDir(Shared + QStringLiteral("templates")).exists())
    return Shared;
  return Beside;
}

QString ProjectsFolder() {
  return StudioDataDir() + QStringLiteral("projects");
}

const QString SourceFilter = QStringLiteral("Yorel Source File (*.yor)|*.yor");
const QString ProjectFilter = QStringLiteral("Yorel Project File (*.ypr)|*.ypr");
