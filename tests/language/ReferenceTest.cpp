// The reference covers the language definition and reads its file strictly.
#include <gtest/gtest.h>

#include "language/Reference.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

TEST(Reference, EveryWordOfEveryWordListHasAnEntry) {
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  const TWordLists* Lists = Editor.SyntaxColoring()->WordLists();
  ASSERT_GT(Lists->Count(), 0);
  int Words = 0;
  for (int L = 0; L < Lists->Count(); ++L) {
    const TWordList* List = Lists->Items(L);
    for (int I = 0; I < List->Words()->Count(); ++I, ++Words)
      EXPECT_NE(TReference::Standard().First(List->Words()->Strings(I)), nullptr)
          << List->Caption().toStdString() << ": " << List->Words()->Strings(I).toStdString();
  }
  EXPECT_GT(Words, 200);
}

TEST(Reference, EveryEntryHasASummaryAndInstructionsHaveForms) {
  for (const TReferenceEntry& E : TReference::Standard().Entries()) {
    EXPECT_FALSE(E.Summary.isEmpty()) << E.Word.toStdString();
    if (E.Kind == u"instruction") {
      EXPECT_FALSE(E.Forms.isEmpty()) << E.Word.toStdString();
    }
    if (E.Kind == u"register") {
      EXPECT_GT(E.Width, 0) << E.Word.toStdString();
    }
  }
}

TEST(Reference, CommonInstructionsMissingFromTheListsAreThere) {
  for (const char* Word : {"cmp", "jmp", "jne", "call", "test", "shl", "shr", "mul", "imul", "movzx",
                           "movsx", "loop", "nop", "xchg"})
    EXPECT_NE(TReference::Standard().First(QString::fromLatin1(Word)), nullptr) << Word;
}

TEST(Reference, LookupIgnoresCaseAndKeepsEveryMeaningOfAWord) {
  const auto Int = TReference::Standard().Find(QStringLiteral("INT"));
  ASSERT_EQ(Int.size(), 2u);
  EXPECT_EQ(Int[0]->Kind, QStringLiteral("instruction"));
  EXPECT_EQ(Int[1]->Kind, QStringLiteral("type"));
  EXPECT_EQ(TReference::Standard().RegisterWidth(QStringLiteral("AL")), 8);
  EXPECT_EQ(TReference::Standard().RegisterWidth(QStringLiteral("ds")), 0);
}

TEST(Reference, DescriptionShowsFormsFlagsAndNote) {
  const QString Text = TReference::Standard().Describe(*TReference::Standard().First(QStringLiteral("div"))).join(u'\n');
  EXPECT_TRUE(Text.startsWith(QStringLiteral("div (instruction): "))) << Text.toStdString();
  EXPECT_TRUE(Text.contains(QStringLiteral("div r/m32"))) << Text.toStdString();
  EXPECT_TRUE(Text.contains(QStringLiteral("Flags read: none; written: undefined"))) << Text.toStdString();
  EXPECT_TRUE(Text.contains(QStringLiteral("Note: Faults on a zero divisor"))) << Text.toStdString();
  const QString Eax = TReference::Describe(*TReference::Standard().First(QStringLiteral("eax"))).join(u'\n');
  EXPECT_TRUE(Eax.contains(QStringLiteral("Width: 32 bits; parts: ax, ah, al"))) << Eax.toStdString();
}

TEST(Reference, SearchPutsWordsStartingWithTheTextFirst) {
  const auto Found = TReference::Standard().Search(QStringLiteral("push"));
  ASSERT_GE(Found.size(), 3u);
  EXPECT_EQ(Found[0]->Word, QStringLiteral("push"));
  EXPECT_TRUE(Found[1]->Word.startsWith(QStringLiteral("push")));
}

TEST(Reference, MalformedFilesAreRefused) {
  EXPECT_THROW(TReference::FromJson("{ not json"), EReferenceError);
  EXPECT_THROW(TReference::FromJson(R"({"entries": [{"word": "mov"}]})"), EReferenceError);
  EXPECT_EQ(TReference::FromJson(R"({"entries": []})").Entries().size(), 0u);
}
