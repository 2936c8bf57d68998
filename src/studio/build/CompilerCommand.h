/** @file CompilerCommand.h
 ** What Build and Build & Run start: the compiler found where the user, config.ini or the
 ** default says, its extra arguments, then the main file as one argument, then "-run".
 ** No shell is ever involved. **/
#pragma once

#include <QString>
#include <QStringList>

struct TCompilerCommand {
  /** The program as started: absolute when the location names a folder, else a bare name
      looked up on the search path. */
  QString Program;
  QStringList Arguments;
  QString WorkingDirectory;
};

/** The compiler's location: the user's own setting when set, else ConfigLocation (what
    config.ini says, or its default). */
QString CompilerLocation(const QString& ConfigLocation);

/** The command for MainEntry (as the project stores it) in ProjectFolder. Entries with "\"
    separators get native ones; an entry that looks like a switch is passed as "./-name". */
TCompilerCommand MakeCompilerCommand(const QString& Location, const QString& ExtraArguments,
                                     const QString& MainEntry, const QString& ProjectFolder,
                                     bool Run);

/** Program and arguments as one line, each quoted where it holds spaces or quotes. */
QString CommandLineText(const QString& Program, const QStringList& Arguments);
