// Matching on the store's text: plain and regular expressions, whole words and case in
// any script, CR LF line breaks, empty matches, replacements and invalid patterns.
#include <gtest/gtest.h>

#include <random>

#include "studio/search/SearchPattern.h"

namespace {
struct TCase {
  const char* Name;
  QString Text;
  TSearchOptions Options;
  std::vector<TSearchMatch> Expected;
};

std::vector<TSearchMatch> AllMatches(const TSearchPattern& Pattern, QStringView Text) {
  std::vector<TSearchMatch> Result;
  Pattern.ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch& M) {
    Result.push_back(M);
    return true;
  });
  return Result;
}

TSearchOptions Plain(const QString& P, bool Case = false, bool Word = false) {
  return {P, Case, Word, false};
}
TSearchOptions Regex(const QString& P, bool Case = false, bool Word = false) {
  return {P, Case, Word, true};
}
}  // namespace

TEST(SearchPattern, MatchTable) {
  const std::vector<TCase> Cases = {
      {"at the start and the end", "mov ax, mov", Plain("mov"), {{0, 3}, {8, 3}}},
      {"case folded by default", "Mov MOV mov", Plain("mov"), {{0, 3}, {4, 3}, {8, 3}}},
      {"match case", "Mov MOV mov", Plain("mov", true), {{8, 3}}},
      {"non-ASCII case folding", "Ärger ärger", Plain("ärger"), {{0, 5}, {6, 5}}},
      {"non-ASCII match case", "Ärger ärger", Plain("ärger", true), {{6, 5}}},
      {"whole word", "ax eax ax_ ax", Plain("ax", false, true), {{0, 2}, {11, 2}}},
      {"whole word with non-ASCII letters", "über überall süber über", Plain("über", false, true),
       {{0, 4}, {19, 4}}},
      {"plain text takes regex characters literally", "a.b axb", Plain("a.b"), {{0, 3}}},
      {"\\n stands for CR LF", "ab\r\ncd", Regex("b\\nc"), {{1, 4}}},
      {"\\r\\n written out", "ab\r\ncd", Regex("b\\r\\nc"), {{1, 4}}},
      {"$ before CR LF", "ab\r\ncd", Regex("\\w$"), {{1, 1}, {5, 1}}},
      {"^ after CR LF", "ab\r\ncd", Regex("^\\w"), {{0, 1}, {4, 1}}},
      {"dot stops at a line break", "ab\r\ncd", Regex("a.*"), {{0, 2}}},
      {"empty matches advance", "ab", Regex("x*"), {{0, 0}, {1, 0}, {2, 0}}},
      {"empty and non-empty", "axxb", Regex("x*"), {{0, 0}, {1, 2}, {3, 0}, {4, 0}}},
      {"regex whole word", "r1 r12 r1x", Regex("r\\d+", false, true), {{0, 2}, {3, 3}}},
      {"no match", "abc", Plain("z"), {}},
  };
  for (const TCase& C : Cases) {
    const TSearchPattern Pattern(C.Options);
    ASSERT_TRUE(Pattern.IsValid()) << C.Name;
    EXPECT_EQ(AllMatches(Pattern, C.Text), C.Expected) << C.Name;
  }
}

TEST(SearchPattern, ForwardAndBackward) {
  const QString Text = QStringLiteral("one two one two one");
  const TSearchPattern Pattern(Plain("one"));
  EXPECT_EQ(Pattern.FindForward(Text, 0), (TSearchMatch{0, 3}));
  EXPECT_EQ(Pattern.FindForward(Text, 1), (TSearchMatch{8, 3}));
  EXPECT_FALSE(Pattern.FindForward(Text, 17).Found());
  EXPECT_EQ(Pattern.FindBackward(Text, 16), (TSearchMatch{8, 3}));
  EXPECT_EQ(Pattern.FindBackward(Text, 17), (TSearchMatch{16, 3}));
  EXPECT_FALSE(Pattern.FindBackward(Text, 0).Found());
  EXPECT_EQ(Pattern.MatchStartingAt(Text, 8), (TSearchMatch{8, 3}));
  EXPECT_FALSE(Pattern.MatchStartingAt(Text, 7).Found());
  EXPECT_FALSE(TSearchPattern(Plain("on", false, true)).MatchStartingAt(Text, 0).Found());
  // Far back: the windows grow until they reach the match.
  const QString Long = QStringLiteral("needle") + QString(100000, u'x');
  EXPECT_EQ(TSearchPattern(Plain("needle")).FindBackward(Long, Long.size()), (TSearchMatch{0, 6}));
  EXPECT_EQ(TSearchPattern(Plain("needle")).CountMatches(Long), 1);
}

TEST(SearchPattern, InvalidPatternsSayWhy) {
  for (const char* Bad : {"(ab", "[a-", "a{2,1}", "*x", "\\"}) {
    const TSearchPattern Pattern(Regex(QString::fromUtf8(Bad)));
    EXPECT_FALSE(Pattern.IsValid()) << Bad;
    EXPECT_TRUE(Pattern.ErrorMessage().contains("at position")) << Bad << " " << Pattern.ErrorMessage().toStdString();
    EXPECT_FALSE(Pattern.FindForward(u"(ab [a- *x", 0).Found());
  }
  EXPECT_FALSE(TSearchPattern(Plain("")).IsValid());
  EXPECT_TRUE(TSearchPattern(Plain("(ab")).IsValid());
}

TEST(SearchPattern, ReplacementTemplates) {
  const QString Text = QStringLiteral("mov ax, bx");
  const TSearchPattern Pattern(Regex("(\\w+), (\\w+)"));
  const TSearchMatch M = Pattern.FindForward(Text, 0);
  EXPECT_EQ(Pattern.Replacement(Text, M, QStringLiteral("\\2, \\1")), "bx, ax");
  EXPECT_EQ(Pattern.Replacement(Text, M, QStringLiteral("[\\0]\\n\\t\\\\")), "[ax, bx]\r\n\t\\");
  // Plain text replaces literally.
  const TSearchPattern Literal(Plain("ax"));
  EXPECT_EQ(Literal.Replacement(Text, Literal.FindForward(Text, 0), QStringLiteral("\\1")), "\\1");
}

// Plain text matched with case is searched without the engine: random texts of letters in
// several scripts, pairs of surrogates, a lone one now and then, line breaks and the
// engine's own special characters; the same pattern escaped as a regular expression must
// find the same matches.
TEST(SearchPattern, PlainTextWithCaseFindsWhatTheEngineFinds) {
  const QStringList Pieces = {"a",  "b",  "ab", " ",      "_",    ".",      "*",     "(",
                              "\\", "Ж", "ж", "é",      "\r\n", u"\U0001F600"_qs, "a\u0301",
                              "$",  "^"};
  for (unsigned Seed : {1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 Random(Seed);
    const auto Below = [&](int N) { return std::uniform_int_distribution<int>(0, N - 1)(Random); };
    for (int Round = 0; Round < 40; ++Round) {
      QString Text;
      for (int I = 0; I < 200; ++I)
        Text += Pieces[Below(Pieces.size())];
      if (Below(8) == 0) Text.insert(Below(Text.size() + 1), QChar(0xD800));
      const int Start = Below(Text.size());
      const QString Pattern = Text.mid(Start, 1 + Below(4));
      const bool Word = Below(2);
      const auto Literal = AllMatches(TSearchPattern(Plain(Pattern, true, Word)), Text);
      const auto Engine =
          AllMatches(TSearchPattern(Regex(QRegularExpression::escape(Pattern), true, Word)), Text);
      ASSERT_EQ(Literal, Engine) << "pattern \"" << Pattern.toStdString() << "\", round " << Round;
    }
  }
}
