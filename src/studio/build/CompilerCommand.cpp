/** @file CompilerCommand.cpp **/
#include "studio/build/CompilerCommand.h"

#include <QFileInfo>
#include <QProcess>

#include "platform/core/Paths.h"
#include "studio/settings/UserSettings.h"

namespace {
// A bare name is looked up on the search path; anything with a folder is taken from the
// folder the studio was started in, not from the project's folder the compiler starts in.
QString ProgramPath(const QString& Location) {
  const QString Path = NativePath(Location);
  if (Path.isEmpty() || !Path.contains(u'/')) return Path;
  return QFileInfo(Path).absoluteFilePath();
}

QString QuotedIfNeeded(const QString& Argument) {
  if (!Argument.isEmpty() && !Argument.contains(u' ') && !Argument.contains(u'"') &&
      !Argument.contains(u'\t'))
    return Argument;
  QString Escaped = Argument;
  Escaped.replace(u'"', QStringLiteral("\\\""));
  return u'"' + Escaped + u'"';
}
}  // namespace

QString CompilerLocation(const QString& ConfigLocation) {
  const QString Own = UserSettings()->value(SettingsKey::CompilerLocation).toString().trimmed();
  return Own.isEmpty() ? ConfigLocation : Own;
}

TCompilerCommand MakeCompilerCommand(const QString& Location, const QString& ExtraArguments,
                                     const QString& MainEntry, const QString& ProjectFolder,
                                     bool Run) {
  TCompilerCommand Command;
  Command.Program = ProgramPath(Location);
  Command.Arguments = QProcess::splitCommand(ExtraArguments);
  QString Entry = NativePath(MainEntry);
  if (Entry.startsWith(u'-')) Entry.prepend(QStringLiteral("./"));
  Command.Arguments << Entry;
  if (Run) Command.Arguments << QStringLiteral("-run");
  Command.WorkingDirectory = ProjectFolder;
  return Command;
}

QString CommandLineText(const QString& Program, const QStringList& Arguments) {
  QStringList Parts{QuotedIfNeeded(Program)};
  for (const QString& Argument : Arguments)
    Parts << QuotedIfNeeded(Argument);
  return Parts.join(u' ');
}
