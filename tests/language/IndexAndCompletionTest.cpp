// The project index finds declarations across files; completion offers each word once.
#include <gtest/gtest.h>

#include "language/Completion.h"
#include "language/ProjectIndex.h"
#include "language/Reference.h"
#include "language/SourceModel.h"

namespace {
std::vector<TDeclaration> DeclarationsOf(const QString& Text) {
  TSourceModel Model(TReference::Standard());
  Model.SetText(Text);
  return Model.Declarations();
}
}  // namespace

TEST(ProjectIndex, FindsDeclarationsAcrossFilesAndForgetsRemovedOnes) {
  TProjectIndex Index;
  Index.SetFile(QStringLiteral("/p/b.yor"), DeclarationsOf(QStringLiteral("\nprocedure Draw {")));
  Index.SetFile(QStringLiteral("/p/a.yor"), DeclarationsOf(QStringLiteral("function draw\nStart:")));
  const auto Found = Index.Find(QStringLiteral("DRAW"));
  ASSERT_EQ(Found.size(), 2u);
  EXPECT_EQ(Found[0].File, QStringLiteral("/p/a.yor"));
  EXPECT_EQ(Found[1].File, QStringLiteral("/p/b.yor"));
  EXPECT_EQ(Found[1].Declaration.Line, 2);
  EXPECT_EQ(Found[1].Declaration.Column, 11);
  const auto Matching = Index.Matching(QStringLiteral("ar"));
  ASSERT_EQ(Matching.size(), 1u);
  EXPECT_EQ(Matching[0].Declaration.Name, QStringLiteral("Start"));
  EXPECT_EQ(Index.Matching(QString()).size(), 3u);
  Index.SetFile(QStringLiteral("/p/a.yor"), {});
  EXPECT_EQ(Index.Find(QStringLiteral("draw")).size(), 1u);
  Index.RemoveFile(QStringLiteral("/p/b.yor"));
  EXPECT_FALSE(Index.Declares(QStringLiteral("draw")));
}

// While the user types, a file keeps its count of declarations: moved or renamed ones must
// be found where and as they are now, the old names no more.
TEST(ProjectIndex, FollowsDeclarationsMovedOrRenamedInPlace) {
  TProjectIndex Index;
  const QString File = QStringLiteral("/p/a.yor");
  Index.SetFile(File, DeclarationsOf(QStringLiteral("procedure Draw\nprocedure Fill\nagain:")));
  Index.SetFile(File, DeclarationsOf(QStringLiteral("\nprocedure Draw\nprocedure Paint\nagain:")));
  const auto Draw = Index.Find(QStringLiteral("draw"));
  ASSERT_EQ(Draw.size(), 1u);
  EXPECT_EQ(Draw[0].Declaration.Line, 2);
  EXPECT_FALSE(Index.Declares(QStringLiteral("Fill")));
  ASSERT_EQ(Index.Find(QStringLiteral("paint")).size(), 1u);
  EXPECT_EQ(Index.Find(QStringLiteral("paint"))[0].Declaration.Line, 3);
  Index.SetFile(File, DeclarationsOf(QStringLiteral("procedure draw\nprocedure Draw\nagain:")));
  EXPECT_EQ(Index.Find(QStringLiteral("DRAW")).size(), 2u);
  EXPECT_FALSE(Index.Declares(QStringLiteral("paint")));
}

TEST(Completion, OffersDefinitionWordsDeclarationsAndFileWordsOnce) {
  TProjectIndex Index;
  Index.SetFile(QStringLiteral("/p/a.yor"), DeclarationsOf(QStringLiteral("procedure PushAll")));
  TCompletionSources Sources;
  Sources.DefinitionWords = {QStringLiteral("push"), QStringLiteral("pushad"), QStringLiteral("pop")};
  Sources.Index = &Index;
  Sources.FileWords = {QStringLiteral("pushed"), QStringLiteral("PUSHAD"), QStringLiteral("pu")};
  const auto Items = CompletionsFor(QStringLiteral("pu"), Sources, TReference::Standard());
  QStringList Words;
  for (const auto& Item : Items) Words.append(Item.Word);
  EXPECT_EQ(Words.join(u' '), QStringLiteral("push pushad PushAll pushed"));
  EXPECT_EQ(Items[0].Detail, TReference::Standard().First(QStringLiteral("push"))->Summary);
  EXPECT_EQ(Items[2].Detail, QStringLiteral("procedure, a.yor:1"));
  EXPECT_TRUE(CompletionsFor(QStringLiteral("push"), Sources, TReference::Standard(), 1).size() == 1);
}
