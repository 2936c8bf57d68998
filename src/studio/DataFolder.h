/** @file DataFolder.h
 ** Where the templates and the sample projects lie (beside the program, or in the
 ** install's share folder), and the file dialogs' filters. **/
#pragma once

#include <QString>

/** The folder holding "templates" and "projects", ending with a separator. */
QString StudioDataDir();
/** StudioDataDir() + "projects": where file dialogs start. */
QString ProjectsFolder();

extern const QString SourceFilter;
extern const QString ProjectFilter;
