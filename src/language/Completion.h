/** @file Completion.h
 ** The words offered for a prefix: the definition's words, the project's declarations and
 ** the words of the file, each once, with the reference's summary beside it. **/
#pragma once

#include <QStringList>
#include <vector>

class TProjectIndex;
class TReference;

struct TCompletionItem {
  QString Word;
  QString Detail;  ///< the reference's summary, or where a declaration stands
};

struct TCompletionSources {
  QStringList DefinitionWords;
  const TProjectIndex* Index = nullptr;
  QStringList FileWords;
};

/** The words starting with Prefix (without case), Prefix itself left out, in alphabetical
    order, at most Limit of them. */
std::vector<TCompletionItem> CompletionsFor(const QString& Prefix, const TCompletionSources& Sources,
                                            const TReference& Reference, int Limit = 200);
