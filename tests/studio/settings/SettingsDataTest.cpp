// The shell's settings as plain data: recent lists, the session, colour differences and
// colours made readable on a dark background.
#include <gtest/gtest.h>

#include <QColor>
#include <QSettings>
#include <QTemporaryDir>

#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"
#include "studio/settings/Colouring.h"
#include "studio/settings/RecentList.h"
#include "studio/settings/Session.h"

namespace {
struct IniFile {
  QTemporaryDir Dir;
  QSettings Settings{Dir.filePath("test.ini"), QSettings::IniFormat};
};

double Contrast(TColor A, TColor B) {
  auto L = [](TColor C) {
    auto Ch = [](double V) { return V <= 0.03928 ? V / 12.92 : std::pow((V + 0.055) / 1.055, 2.4); };
    return 0.2126 * Ch((C & 0xFF) / 255.0) + 0.7152 * Ch(((C >> 8) & 0xFF) / 255.0) +
           0.0722 * Ch(((C >> 16) & 0xFF) / 255.0);
  };
  const double La = L(A), Lb = L(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}
}  // namespace

TEST(RecentList, NewestFirstWithoutDuplicatesAndAtMostTen) {
  IniFile Ini;
  TRecentList List("recent/files");
  for (int I = 0; I < 12; ++I)
    List.Add(QStringLiteral("/f%1").arg(I));
  List.Add("/f5");
  EXPECT_EQ(List.Items().size(), TRecentList::MaxCount);
  EXPECT_EQ(List.Items().first(), "/f5");
  EXPECT_EQ(List.Items().count("/f5"), 1);
  EXPECT_FALSE(List.Items().contains("/f0"));  // the oldest fell off
  List.Remove("/f11");
  List.Store(Ini.Settings);
  TRecentList Again("recent/files");
  Again.Load(Ini.Settings);
  EXPECT_EQ(Again.Items(), List.Items());
  Ini.Settings.setValue("recent/files", 42);
  Again.Load(Ini.Settings);
  EXPECT_LE(Again.Items().size(), 1);  // a single value reads as at most one path
}

TEST(Session, RoundTripsAndRejectsNonsense) {
  IniFile Ini;
  TSession Session;
  Session.ProjectPath = "/p/Sample.ypr";
  Session.Tabbed = true;
  Session.Geometry = QByteArray("\x01\x02geometry", 10);
  Session.State = "state";
  Session.Windows = {{"/p/a.yor", "a.yor", 5, 3, true, 7, false},
                     {"/p/b c.yor", "lib/b c.yor", 0, 0, false, 1, true}};
  Session.Store(Ini.Settings);
  EXPECT_EQ(TSession::Load(Ini.Settings), Session);

  Ini.Settings.setValue("session/windows/1/selStart", "many");
  Ini.Settings.setValue("session/windows/1/topRow", -4);
  const TSession Loaded = TSession::Load(Ini.Settings);
  ASSERT_EQ(Loaded.Windows.size(), 2u);
  EXPECT_EQ(Loaded.Windows[0].SelStart, 0);
  EXPECT_EQ(Loaded.Windows[0].TopRow, 1);
}

TEST(Colouring, ChangesAreStoredAsDifferencesAndReadBack) {
  IniFile Ini;
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  const TColourings Definition = ColouringsOf(*Editor.SyntaxColoring());
  ASSERT_GE(Definition.size(), 4u);
  TColourings Changed = Definition;
  Changed[0].Color = clRed;
  Changed[0].CustomColor = true;
  Changed.back().Style = TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic};
  StoreChanges(Ini.Settings, Definition, Changed);
  Ini.Settings.beginGroup("colours");
  EXPECT_EQ(Ini.Settings.childKeys().size(), 2);  // only what differs
  Ini.Settings.endGroup();
  const TColourings Loaded = WithStoredChanges(Ini.Settings, Definition);
  EXPECT_EQ(Loaded[0].Color, clRed);
  EXPECT_TRUE(Loaded.back().CustomStyle);
  EXPECT_EQ(Loaded.back().Style, Changed.back().Style);
  for (size_t I = 1; I + 1 < Loaded.size(); ++I)
    EXPECT_EQ(Loaded[I], Definition[I]) << Loaded[I].Caption.toStdString();

  // Applied through the definition's setters, read back the same.
  ApplyColourings(*Editor.SyntaxColoring(), Loaded);
  EXPECT_EQ(ColouringsOf(*Editor.SyntaxColoring()), Loaded);

  Ini.Settings.setValue(Ini.Settings.allKeys().first(), "not a colour");
  EXPECT_EQ(WithStoredChanges(Ini.Settings, Definition).size(), Definition.size());
}

TEST(Colouring, EveryColourBecomesReadableOnBothBackgrounds) {
  const TColor Dark = 0x221F1E, Light = 0xFFFFFF;
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  for (const TColouring& C : ColouringsOf(*Editor.SyntaxColoring()))
    for (TColor Background : {Dark, Light})
      EXPECT_GE(Contrast(ReadableOn(C.Color, Background), Background), 4.5)
          << C.Caption.toStdString() << " on " << std::hex << Background;
  // A colour that is readable already stays as it is.
  EXPECT_EQ(ReadableOn(clBlack, Light), clBlack);
  EXPECT_NE(ReadableOn(clNavy, Dark), clNavy);
}
