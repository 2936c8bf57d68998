/** @file IniFileTest.cpp
 ** INI settings read with the rules settings files were written for. **/
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/core/IniFile.h"

TEST(IniFile, WindowsRules) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("config.ini");
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(
      "; location=commented\r\n"
      "[Other]\r\nlocation=wrong\r\n"
      "[COMPILER]\r\n"
      "  Location =  \"c:\\y\\Yorel.exe\"  \r\n"
      "empty=\r\n"
      "single='a b'\r\n"
      "mismatched=\"a'\r\n"
      "inner=\"a\" \"b\"\n"
      "long=" +
      QByteArray(3000, 'x') + "\r\n");
  File.close();
  struct {
    QString Section, Key, Expected;
  } Cases[] = {
      {"compiler", "location", "c:\\y\\Yorel.exe"},
      {"compiler", "empty", ""},
      {"compiler", "single", "a b"},
      {"compiler", "mismatched", "\"a'"},
      {"compiler", "inner", "a\" \"b"},
      {"compiler", "missing", "dflt"},
      {"nosection", "location", "dflt"},
      {"compiler", "long", QString(2047, u'x')},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(GetPrivateProfileString(C.Section, C.Key, "dflt", Path), C.Expected)
        << C.Key.toStdString();
  EXPECT_EQ(GetPrivateProfileString("compiler", "location", "dflt", Path, 4), "c:\\");
  EXPECT_EQ(GetPrivateProfileString("compiler", "location", "dflt", Path, 0), "");
  const QString BackslashPath = Dir.path() + "\\config.ini";
  EXPECT_EQ(TIniFile(BackslashPath).ReadString("Compiler", "LOCATION", ""), "c:\\y\\Yorel.exe");
}

TEST(IniFile, MissingFileGivesTheDefault) {
  QTemporaryDir Dir;
  EXPECT_EQ(
      TIniFile(Dir.filePath("none.ini")).ReadString("compiler", "location", "compiler\\Yorel.exe"),
      "compiler\\Yorel.exe");
}
