/** @file Completion.cpp
 ** Gathering the candidates; the first source to offer a word gives its detail. **/
#include "language/Completion.h"

#include <QSet>
#include <algorithm>

#include "language/ProjectIndex.h"
#include "language/Reference.h"

std::vector<TCompletionItem> CompletionsFor(const QString& Prefix, const TCompletionSources& Sources,
                                            const TReference& Reference, int Limit) {
  std::vector<TCompletionItem> Items;
  QSet<QString> Seen;
  const auto Offer = [&](const QString& Word, const QString& Detail) {
    if (!Word.startsWith(Prefix, Qt::CaseInsensitive) || Word.compare(Prefix, Qt::CaseInsensitive) == 0)
      return;
    const QString Key = Word.toLower();
    if (Seen.contains(Key)) return;
    Seen.insert(Key);
    Items.push_back({Word, Detail});
  };
  for (const QString& Word : Sources.DefinitionWords) {
    const TReferenceEntry* Entry = Reference.First(Word);
    Offer(Word, Entry ? Entry->Summary : QString());
  }
  if (Sources.Index)
    for (const TLocatedDeclaration& D : Sources.Index->Matching(Prefix))
      Offer(D.Declaration.Name, QStringLiteral("%1, %2:%3")
                                    .arg(D.Declaration.Kind, D.File.section(u'/', -1))
                                    .arg(D.Declaration.Line));
  for (const QString& Word : Sources.FileWords) Offer(Word, QString());
  std::sort(Items.begin(), Items.end(), [](const TCompletionItem& A, const TCompletionItem& B) {
    return A.Word.compare(B.Word, Qt::CaseInsensitive) < 0;
  });
  if (static_cast<int>(Items.size()) > Limit) Items.resize(Limit);
  return Items;
}
