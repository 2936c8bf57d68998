// The studio's Yorel settings as stored, how they make Yorel look, and the reader of
// stored settings with its errors.
#include <gtest/gtest.h>

#include <QSet>
#include <QTemporaryFile>

#include "SourceEditFixture.h"

namespace {
QStringList WordsOf(const TWordList& L) {
  QStringList Words;
  for (int I = 0; I < L.Words()->Count(); ++I)
    Words << L.Words()->Strings(I);
  return Words;
}

void Apply(TSourceEdit& E, const QString& Stored) {
  ApplyStoredSettings(E, ReadStoredForm(Stored));
}

QString ErrorOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const Exception& Error) {
    return Error.Message();
  }
  return QString();
}
}  // namespace

TEST(Language, WordListsAsStored) {
  TYorelEdit E;
  const TWordLists& Lists = *E.SyntaxColoring()->WordLists();
  struct {
    QString Caption;
    TColor Color;
    bool Bold;
    int Words;
  } Expected[] = {
      {"ASM Standard", 16711936, false, 62},
      {"Standard Types", 16713222, false, 21},
      {"HL", clBlack, true, 26},
      {"Registers", 511, false, 24},
      {"Segments", clRed, false, 6},
      {"MMX/FPU registers", clRed, false, 8},
      {"internal_functions", clBlue, false, 10},
      {"FPU opcodes", 16711936, false, 90},
      {"MMX opcodes", clBlue, false, 17},
  };
  ASSERT_EQ(Lists.Count(), 9);
  QSet<QString> Seen;
  for (int I = 0; I < Lists.Count(); ++I) {
    const TWordList& L = *Lists.Items(I);
    EXPECT_EQ(L.Caption(), Expected[I].Caption);
    EXPECT_EQ(L.Color(), Expected[I].Color) << I;
    EXPECT_TRUE(L.CustomColor()) << I;
    EXPECT_FALSE(L.CaseSensitive()) << I;
    EXPECT_EQ(L.CustomStyle(), Expected[I].Bold) << I;
    EXPECT_EQ(L.Style(), Expected[I].Bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles()) << I;
    const QStringList Words = WordsOf(L);
    EXPECT_EQ(Words.size(), Expected[I].Words) << I;
    for (const QString& Word : Words) {
      EXPECT_FALSE(Seen.contains(Word)) << Word.toStdString() << " in two lists";
      Seen.insert(Word);
    }
  }
  EXPECT_EQ(WordsOf(*Lists.Items(0)).mid(44, 4), (QStringList{"pushad", "pushfd", "repe", "repn"}));
  EXPECT_EQ(WordsOf(*Lists.Items(5)).first(), "mm1");
  EXPECT_EQ(WordsOf(*Lists.Items(7)).last(), "fyl2xp1");
  for (const char* Absent : {"cmp", "jmp", "call", "rep", "mm0", "repne"})
    EXPECT_EQ(Lists.FindList(Absent), nullptr) << Absent;
}

TEST(Language, CustomStylesAndTheRestAsStored) {
  TYorelEdit E;
  const TSyntaxColoring& C = *E.SyntaxColoring();
  struct {
    QString Caption;
    TColor Color;
    QString Begin, End, Ignore;
  } Expected[] = {
      {"Directive", 384, "#", " ", ""},
      {"Line Comment", 32769, "//", "\r", ""},
      {"Block Comment", clGreen, "/*", "*/", ""},
      {"string", 8388609, "'", "'", "\\"},
  };
  ASSERT_EQ(C.CustomStyles()->Count(), 4);
  for (int I = 0; I < 4; ++I) {
    const TCustomStyle& S = *C.CustomStyles()->Items(I);
    EXPECT_EQ(S.Caption(), Expected[I].Caption);
    EXPECT_EQ(S.Color(), Expected[I].Color) << I;
    EXPECT_EQ(S.BeginText(), Expected[I].Begin) << I;
    EXPECT_EQ(S.EndText(), Expected[I].End) << I;
    EXPECT_EQ(S.IgnoreChar(), Expected[I].Ignore) << I;
    EXPECT_TRUE(S.CustomColor()) << I;
    EXPECT_FALSE(S.CustomStyle()) << I;
    EXPECT_FALSE(S.Switchable()) << I;
    EXPECT_EQ(S.DontSwitchToIndex1(), -1) << I;
    EXPECT_EQ(S.DontSwitchToIndex2(), -1) << I;
  }
  EXPECT_TRUE(C.Enabled());
  EXPECT_EQ(C.SymbolColor(), clNavy);
  EXPECT_EQ(C.NumberColor(), clNavy);
  EXPECT_FALSE(C.SymbolCustomStyle());
  EXPECT_TRUE(C.NumberCustomStyle());
  EXPECT_TRUE(C.NumberStyle().IsEmpty());
  EXPECT_FALSE(C.ParenthesisCustomStyle());
  EXPECT_EQ(C.ParenthesisColors()->Text(), "$000000\r\n");
  EXPECT_TRUE(E.AutoIndent());
  EXPECT_TRUE(E.AutoIndentIncrease());
  EXPECT_EQ(E.AutoIndentIncreaseStart(), u'{');
  EXPECT_EQ(E.AutoIndentIncreaseEnd(), u'}');
}

TEST(Language, HowEachKindLooksWithABoldEditorFont) {
  TYorelEdit E("Mov eAX if 10, (x)");
  E.Font()->SetStyle({TFontStyle::fsBold});
  struct {
    QString Range;
    TColor Color;
    bool Bold;
  } Expected[] = {
      {"word ASM Standard: Mov", 16711936, true},
      {"normal:  ", clWindowText, true},
      {"word Registers: eAX", 511, true},
      {"normal:  ", clWindowText, true},
      {"word HL: if", clBlack, true},
      {"normal:  ", clWindowText, true},
      {"number: 10", clNavy, false},
      {"symbol: ,", clNavy, true},
      {"normal:  ", clWindowText, true},
      {"open: (", clNavy, true},
      {"normal: x", clWindowText, true},
      {"close: )", clNavy, true},
  };
  int I = 0;
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange(), ++I) {
    ASSERT_LT(I, 12);
    EXPECT_EQ(Describe(*R), Expected[I].Range);
    EXPECT_EQ(R->Font()->Color(), Expected[I].Color) << I;
    EXPECT_EQ(R->Font()->Style().Contains(TFontStyle::fsBold), Expected[I].Bold) << I;
    EXPECT_EQ(R->Color(), clWindow) << I;
  }
  EXPECT_EQ(I, 12);
}

TEST(Language, ReadsStoredValuesOfEveryKind) {
  TSpySourceEdit E;
  Apply(E,
        "// a comment line\n"
        "AutoIndent = False\n"
        "AutoIndentIncreaseStart = #91\n"
        "SyntaxColoring.SymbolColor = -16777208\n"
        "SyntaxColoring.SymbolStyle = [fsBold, fsStrikeOut]\n"
        "SyntaxColoring.CustomStyles = <\n"
        "  item\n"
        "    Caption = 'it''s'#13'two'\n"
        "    EndText = '#13'\n"
        "    DontSwitchToIndex1 = 1\n"
        "  end\n"
        "  item\n"
        "    DontSwitchToIndex1 = 0\n"
        "  end>\n"
        "SyntaxColoring.ParenthesisColors.Strings = ( 'a' 'b'\n 'c' )\n");
  const TSyntaxColoring& C = *E.SyntaxColoring();
  EXPECT_FALSE(E.AutoIndent());
  EXPECT_EQ(E.AutoIndentIncreaseStart(), u'[');
  EXPECT_EQ(C.SymbolColor(), clWindowText);
  EXPECT_EQ(C.SymbolStyle(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsStrikeOut}));
  ASSERT_EQ(C.CustomStyles()->Count(), 2);
  EXPECT_EQ(C.CustomStyles()->Items(0)->Caption(), "it's\rtwo");
  EXPECT_EQ(C.CustomStyles()->Items(0)->EndText(), "\r");
  // Items are read one after another: a reference to a later one is not valid yet.
  EXPECT_EQ(C.CustomStyles()->Items(0)->DontSwitchTo1(), nullptr);
  EXPECT_EQ(C.CustomStyles()->Items(1)->DontSwitchTo1(), C.CustomStyles()->Items(0));
  EXPECT_EQ(C.ParenthesisColors()->Text(), "a\r\nb\r\nc\r\n");
}

TEST(Language, StoredSettingsThatCannotBeRead) {
  struct {
    QString Stored;
    QString Error;
  } Cases[] = {
      {"AutoIndent = True\nColour = clRed", "Line 2: Property Colour does not exist"},
      {"SyntaxColoring.Colour = clRed", "Line 1: Property SyntaxColoring.Colour does not exist"},
      {"AutoIndent = Yes", "Line 1: Invalid property value"},
      {"SyntaxColoring.SymbolColor = clRose", "Line 1: Invalid property value"},
      {"SyntaxColoring.SymbolStyle = [fsHeavy]", "Line 1: Invalid property value"},
      {"AutoIndentIncreaseStart = '{{'", "Line 1: Invalid property value"},
      {"SyntaxColoring.WordLists = <\nitem\n  Words = ('a')\nend>",
       "Line 3: Property Words does not exist"},
      {"AutoIndent True", "Line 1: '=' was expected"},
      {"SyntaxColoring.WordLists = <\nthing", "Line 2: 'item' was expected"},
      {"SyntaxColoring.SymbolStyle = [fsBold", "Line 1: ',' was expected"},
      {"AutoIndentIncreaseStart = '{", "Line 1: Unterminated string"},
      {"AutoIndent =", "Line 1: A value was expected"},
      {"SyntaxColoring.CustomStyles = <item DontSwitchToIndex1 = 4294967296 end>",
       "Line 1: Invalid property value"},
  };
  for (const auto& Case : Cases) {
    TSpySourceEdit E;
    EXPECT_EQ(ErrorOf([&] { Apply(E, Case.Stored); }), Case.Error) << Case.Stored.toStdString();
  }
}

TEST(Language, DeeplyNestedCollectionsAreRefusedWithTheirLine) {
  auto Nested = [](int Depth) {
    QString Text = "AutoIndent = True\nSyntaxColoring.WordLists = ";
    for (int I = 0; I < Depth; ++I)
      Text += "<item\nA = ";
    Text += "1";
    for (int I = 0; I < Depth; ++I)
      Text += " end>";
    return Text;
  };
  EXPECT_EQ(ReadStoredForm(Nested(64)).size(), 2u);
  for (int Depth : {65, 100000}) {
    QTemporaryFile File;
    ASSERT_TRUE(File.open());
    File.write(Nested(Depth).toUtf8());
    File.close();
    TSpySourceEdit E;
    EXPECT_EQ(ErrorOf([&] { LoadStoredSettings(E, File.fileName()); }),
              File.fileName() + ": Line 66: Collections are nested more than 64 deep");
  }
}

TEST(Language, LoadingFromAFile) {
  QTemporaryFile File;
  ASSERT_TRUE(File.open());
  File.write("AutoIndentIncrease = True\nAutoIndent = Maybe\n");
  File.close();
  TSpySourceEdit E;
  EXPECT_EQ(ErrorOf([&] { LoadStoredSettings(E, File.fileName()); }),
            File.fileName() + ": Line 2: Invalid property value");
  EXPECT_TRUE(E.AutoIndentIncrease());  // what came before the fault stays applied
  const QString Missing = File.fileName() + ".missing";
  EXPECT_TRUE(ErrorOf([&] {
                LoadStoredSettings(E, Missing);
              }).startsWith("Cannot open file \"" + Missing + "\"."));
}
