/** @file SourceChecks.h
 ** The live checks of one source: its line problems, brackets left open or closed too
 ** often, a comment or string left open at the end, jump targets no file of the project
 ** declares, and procedures or functions declared more than once in the project. **/
#pragma once

#include "language/ProjectIndex.h"
#include "language/SourceModel.h"

/** Every problem of the source File held by Model, in line order. Text gives a line's text
    for the few lines a problem must be placed in. */
std::vector<TProblem> CheckSource(const TSourceModel& Model, const QString& File,
                                  const TProjectIndex& Index, const TSourceModel::TLineText& Text);
