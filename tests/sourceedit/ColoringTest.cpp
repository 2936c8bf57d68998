// The colouring definition: its defaults, which changes reach the editor and how often,
// the word lookup, the custom styles' texts and references, and assignment.
#include <gtest/gtest.h>

#include "SourceEditFixture.h"

namespace {
TWordList* AddList(TSyntaxColoring& C, const QString& Caption, const QStringList& Words) {
  TWordList* List = C.WordLists()->Add();
  List->SetCaption(Caption);
  for (const QString& Word : Words)
    List->Words()->Add(Word);
  return List;
}
}  // namespace

TEST(Coloring, StartsWithTheDefaults) {
  TSyntaxColoring C(nullptr);
  EXPECT_TRUE(C.Enabled());
  EXPECT_EQ(C.NumberColor(), 0x008000u);
  EXPECT_EQ(C.SymbolColor(), 0x008080u);
  EXPECT_EQ(C.ParenthesisColors()->Text(), "$000000\r\n");
  EXPECT_EQ(C.WordLists()->Count(), 0);
  EXPECT_EQ(C.CustomStyles()->Count(), 0);
  EXPECT_EQ(C.GetParenthesisColor(5), C.SymbolColor());
  EXPECT_EQ(C.GetParenthesisColor(-1), C.SymbolColor());
  TWordList* List = C.WordLists()->Add();
  EXPECT_EQ(List->Color(), clBlue);
  EXPECT_TRUE(List->CustomColor());
  EXPECT_TRUE(List->CaseSensitive());
  EXPECT_EQ(List->DisplayName(), "TWordList");
  TCustomStyle* Style = C.CustomStyles()->Add();
  EXPECT_EQ(Style->Color(), clMaroon);
  EXPECT_EQ(Style->DontSwitchToIndex1(), -1);
}

TEST(Coloring, ChangesReachTheEditorOnlyWhenSomethingChanged) {
  TSpySourceEdit E;
  E.SetText("mov");
  TSyntaxColoring& C = *E.SyntaxColoring();
  TWordList* List = AddList(C, "L", {"mov"});
  TCustomStyle* Style = C.CustomStyles()->Add();
  struct {
    const char* What;
    std::function<void()> Change;
    int Rebuilds;
  } Cases[] = {
      {"same symbol colour", [&] { C.SetSymbolColor(C.SymbolColor()); }, 0},
      {"new symbol colour", [&] { C.SetSymbolColor(clRed); }, 1},
      {"number style", [&] { C.SetNumberStyle({TFontStyle::fsBold}); }, 1},
      {"same list colour", [&] { List->SetColor(List->Color()); }, 0},
      {"list case", [&] { List->SetCaseSensitive(false); }, 1},
      {"a word", [&] { List->Words()->Add("pop"); }, 1},
      {"a caption", [&] { List->SetCaption("M"); }, 0},
      {"begin text", [&] { Style->SetBeginText("'"); }, 1},
      {"same begin text", [&] { Style->SetBeginText("'"); }, 0},
      {"parenthesis colours", [&] { C.ParenthesisColors()->Add("$0000FF"); }, 1},
      {"a new list", [&] { C.WordLists()->Add(); }, 1},
      {"a style removed", [&] { delete C.CustomStyles()->Add(); }, 2},
      {"three setters in one update",
       [&] {
         C.BeginUpdate();
         C.BeginUpdate();
         C.SetNumberColor(clRed);
         C.EndUpdate();
         C.SetSymbolCustomStyle(true);
         List->SetColor(clGreen);
         C.EndUpdate();
       },
       1},
  };
  for (const auto& Case : Cases) {
    E.Rebuilds = 0;
    Case.Change();
    EXPECT_EQ(E.Rebuilds, Case.Rebuilds) << Case.What;
  }
}

TEST(Coloring, DerivesFontsFromTheEditorFont) {
  TSpySourceEdit E;
  TSyntaxColoring& C = *E.SyntaxColoring();
  TWordList* Plain = AddList(C, "plain", {"a"});
  Plain->SetCustomColor(false);
  TWordList* Bold = AddList(C, "bold", {"b"});
  Bold->SetCustomStyle(true);
  Bold->SetStyle({TFontStyle::fsBold});
  C.SetNumberCustomStyle(true);
  E.Font()->SetStyle({TFontStyle::fsItalic});
  E.Font()->SetColor(clPurple);
  E.Font()->SetName("Liberation Mono");
  EXPECT_EQ(Plain->Font()->Color(), clPurple);
  EXPECT_EQ(Plain->Font()->Style(), TFontStyles{TFontStyle::fsItalic});
  EXPECT_EQ(Bold->Font()->Color(), clBlue);
  EXPECT_EQ(Bold->Font()->Style(), TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(Bold->Font()->Name(), "Liberation Mono");
  EXPECT_EQ(C.NumberFont()->Style(), TFontStyles());  // its own, empty style
  EXPECT_EQ(C.SymbolFont()->Style(), TFontStyles{TFontStyle::fsItalic});
  EXPECT_EQ(C.SymbolFont()->Color(), C.SymbolColor());
}

TEST(Coloring, WordListsKeepWordsSortedAndFoldOnlyAsciiLetters) {
  TSyntaxColoring C(nullptr);
  TWordList* Folded = AddList(C, "folded", {"mov", "add", "MOV", "éa"});
  Folded->SetCaseSensitive(false);
  EXPECT_EQ(Folded->Words()->Text(), "add\r\nmov\r\néa\r\n");
  TWordList* Exact = AddList(C, "exact", {"mov", "pop"});
  struct {
    QString Word;
    bool InFolded, InExact;
  } Cases[] = {
      {"mov", true, true},  {"MOV", true, false}, {"Mov", true, false}, {"éa", true, false},
      {"ÉA", false, false}, {"", false, false},   {"pop", false, true},
  };
  for (const auto& Case : Cases) {
    EXPECT_EQ(Folded->WordInList(Case.Word), Case.InFolded) << Case.Word.toStdString();
    EXPECT_EQ(Exact->WordInList(Case.Word), Case.InExact) << Case.Word.toStdString();
  }
  EXPECT_EQ(C.WordLists()->FindList("mov"), Folded);  // the first in index order
  EXPECT_EQ(C.WordLists()->FindList("pop"), Exact);
  EXPECT_EQ(C.WordLists()->FindList("push"), nullptr);
  Exact->Words()->Delete(Exact->Words()->IndexOf("pop"));
  EXPECT_EQ(C.WordLists()->FindList("pop"), nullptr);
}

TEST(Coloring, CustomStyleTexts) {
  TSyntaxColoring C(nullptr);
  TCustomStyle* Slash = C.CustomStyles()->Add();
  Slash->SetBeginText("/");
  TCustomStyle* Comment = C.CustomStyles()->Add();
  Comment->SetBeginText("//");
  Comment->SetEndText("#13");
  Comment->SetIgnoreChar("\\\\");
  EXPECT_EQ(Comment->EndText(), "\r");
  EXPECT_EQ(Comment->IgnoreChar(), "\\");
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"// x"), Slash);  // first match, not the longest
  EXPECT_EQ(C.CustomStyles()->FindStyle(u""), nullptr);
  Slash->SetBeginText("/////");
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"///"), Comment);  // longer than the text
}

TEST(Coloring, StylesAreFoundByTheirBeginTextsAsTheyAreNow) {
  TSyntaxColoring C(nullptr);
  TCustomStyle* Hash = C.CustomStyles()->Add();
  Hash->SetBeginText("#");
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"#x"), Hash);
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"'x"), nullptr);
  Hash->SetBeginText("'");
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"#x"), nullptr);
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"'x"), Hash);
  TSyntaxColoring Other(nullptr);
  Other.CustomStyles()->Add()->SetBeginText("Ж");
  C.SetCustomStyles(Other.CustomStyles());
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"'x"), nullptr);
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"Жx"), C.CustomStyles()->Items(0));
  C.CustomStyles()->Delete(0);
  EXPECT_EQ(C.CustomStyles()->FindStyle(u"Жx"), nullptr);
  C.CustomStyles()->Add()->SetBeginText("Ж");
  EXPECT_NE(C.CustomStyles()->FindStyle(u"Жx"), nullptr);
}

TEST(Coloring, ReferencesBetweenStylesByIndexAndAfterRemoval) {
  TSyntaxColoring C(nullptr);
  TCustomStyle* A = C.CustomStyles()->Add();
  TCustomStyle* B = C.CustomStyles()->Add();
  A->SetDontSwitchToIndex1(1);
  A->SetDontSwitchToIndex2(2);
  EXPECT_EQ(A->DontSwitchTo1(), B);
  EXPECT_EQ(A->DontSwitchTo2(), nullptr);
  B->SetDontSwitchTo2(B);
  delete B;
  EXPECT_EQ(A->DontSwitchTo1(), nullptr);
  EXPECT_EQ(A->DontSwitchToIndex1(), -1);
  TCustomStyle Loose(nullptr);
  Loose.SetDontSwitchToIndex1(0);
  EXPECT_EQ(Loose.DontSwitchTo1(), nullptr);
}

TEST(Coloring, AssignCopiesEverythingAndResolvesReferencesInTheCopy) {
  TSyntaxColoring Source(nullptr);
  Source.SetSymbolColor(clRed);
  Source.SetParenthesisCustomStyle(true);
  AddList(Source, "L", {"mov"})->SetStyle({TFontStyle::fsBold});
  TCustomStyle* First = Source.CustomStyles()->Add();
  TCustomStyle* Second = Source.CustomStyles()->Add();
  First->SetEndText("#13");
  First->SetDontSwitchTo1(Second);  // a later style: not valid yet while copying
  Second->SetDontSwitchTo1(First);
  Source.ParenthesisColors()->Add("$00FF00");

  TSpySourceEdit E;
  E.SetText("mov");
  E.SetSyntaxColoring(&Source);
  EXPECT_EQ(E.Rebuilds, 1);
  TSyntaxColoring& C = *E.SyntaxColoring();
  EXPECT_EQ(C.SymbolColor(), clRed);
  EXPECT_TRUE(C.ParenthesisCustomStyle());
  EXPECT_EQ(C.WordLists()->Items(0)->Caption(), "L");
  EXPECT_EQ(C.WordLists()->Items(0)->Style(), TFontStyles{TFontStyle::fsBold});
  EXPECT_EQ(C.CustomStyles()->Items(0)->EndText(), "\r");
  EXPECT_EQ(C.CustomStyles()->Items(0)->DontSwitchTo1(), nullptr);
  EXPECT_EQ(C.CustomStyles()->Items(1)->DontSwitchTo1(), C.CustomStyles()->Items(0));
  EXPECT_EQ(C.ParenthesisColors()->Count(), 2);
  EXPECT_EQ(Chain(E), QStringList{"word L: mov"});
}

TEST(Coloring, AssigningAnotherClassFailsAndChangesNothing) {
  TSyntaxColoring C(nullptr);
  TFont Font;
  try {
    C.Assign(&Font);
    FAIL() << "no error";
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a TFont to a TSyntaxColoring");
  }
  TWordList* List = C.WordLists()->Add();
  EXPECT_THROW(List->Assign(C.CustomStyles()->Add()), EConvertError);
  EXPECT_THROW(C.CustomStyles()->Items(0)->Assign(List), EConvertError);
  EXPECT_TRUE(C.Enabled());
}

TEST(Coloring, RemovingAnItemInsideAnUpdateLeavesNoRangeNamingIt) {
  TYorelEdit E("mov eax // c");
  E.SyntaxColoring()->BeginUpdate();
  delete E.SyntaxColoring()->WordLists()->Items(0);
  delete E.SyntaxColoring()->CustomStyles()->Items(1);
  E.Paint();  // drawing now must not reach a freed list or style
  EXPECT_EQ(E.FirstSyntaxRange(), nullptr);
  E.SyntaxColoring()->EndUpdate();
  EXPECT_EQ(Chain(E), (QStringList{"normal: mov ", "word Registers: eax", "normal:  ", "symbol: //",
                                   "normal:  c"}));
}
