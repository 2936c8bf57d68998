// Text files with their marks, atomic saves, INI settings and paths.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/core/Exceptions.h"
#include "platform/core/IniFile.h"
#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"

namespace {
void WriteBytes(const QString& Path, const QByteArray& Bytes) {
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write(Bytes);
}
QByteArray ReadBytes(const QString& Path) {
  QFile File(Path);
  return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
}
}  // namespace

TEST(TextFile, ByteOrderMarksAndTheFallbacks) {
  struct {
    QByteArray Bytes;
    QString Text;
  } Cases[] = {
      {QByteArray("\xFF\xFE"
                  "a\0b\0",
                  6),
       "ab"},
      {QByteArray("\xFE\xFF"
                  "\0a\0b",
                  6),
       "ab"},
      {QByteArray("\xEF\xBB\xBF"
                  "a\xC3\xA9"),
       QString::fromUtf8("a\xC3\xA9")},
      {QByteArray("plain \xC3\xA9"), QString::fromUtf8("plain \xC3\xA9")},
      {QByteArray("caf\xE9 \x80 \x81"),
       QString("caf") + QChar(0xE9) + " " + QChar(0x20AC) + " " + QChar(0x81)},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(DecodeText(C.Bytes), C.Text);
}

TEST(TextFile, WritingEncodesWithoutAMarkUnlessTheTextNeedsOne) {
  EXPECT_EQ(EncodeAnsi(QString::fromUtf8("a\xC3\xA9")), QByteArray("a\xC3\xA9"));
  const QString LoneSurrogate = QString("x") + QChar(0xD800);
  EXPECT_TRUE(EncodeAnsi(LoneSurrogate).startsWith("\xEF\xBB\xBF"));
}

TEST(TextFile, FailedWritesKeepTheOldFile) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("keep.yor");
  WriteTextFile(Path, "old");
  WriteBytes(Dir.filePath("plainfile"), "x");
  struct {
    QString Target;
  } Cases[] = {{Dir.filePath("plainfile/inside.yor")}, {Dir.path()}};
  for (const auto& C : Cases) {
    try {
      WriteTextFile(C.Target, "new");
      FAIL() << C.Target.toStdString();
    } catch (const EFCreateError& Error) {
      EXPECT_TRUE(Error.Message().startsWith(
          QString("Cannot create file \"%1\". ").arg(QFileInfo(C.Target).absoluteFilePath())))
          << Error.Message().toStdString();
    }
  }
  EXPECT_EQ(ReadBytes(Path), "old");
  WriteTextFile(Path, "new\r\n");
  EXPECT_EQ(ReadBytes(Path), "new\r\n");
}

TEST(TextFile, ReadingAMissingFileFails) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("missing.yor");
  try {
    ReadTextFile(Path);
    FAIL();
  } catch (const EFOpenError& Error) {
    EXPECT_EQ(Error.Message(),
              QString("Cannot open file \"%1\". No such file or directory").arg(Path));
  }
}

TEST(IniFile, WindowsRules) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("config.ini");
  WriteBytes(Path,
             "; comment\r\n[Other]\r\nlocation=wrong\r\n[COMPILER]\r\n  Location =  "
             "\"c:\\y\\Yorel.exe\"  \r\n"
             "empty=\r\nlong=" +
                 QByteArray(3000, 'x') + "\r\n");
  struct {
    QString Section, Key, Expected;
  } Cases[] = {
      {"compiler", "location", "c:\\y\\Yorel.exe"},
      {"compiler", "empty", ""},
      {"compiler", "missing", "dflt"},
      {"nosection", "location", "dflt"},
      {"compiler", "long", QString(2047, u'x')},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(GetPrivateProfileString(C.Section, C.Key, "dflt", Path), C.Expected)
        << C.Key.toStdString();
  EXPECT_EQ(
      TIniFile(Dir.filePath("none.ini")).ReadString("compiler", "location", "compiler\\Yorel.exe"),
      "compiler\\Yorel.exe");
}

TEST(Paths, Names) {
  EXPECT_EQ(ExtractFileName("C:\\work\\Demo.ypr"), "Demo.ypr");
  EXPECT_EQ(ExtractFileName("/home/u/lib/util.yor"), "util.yor");
  EXPECT_EQ(ExtractFileName("C:Demo.ypr"), "Demo.ypr");
  EXPECT_EQ(ExtractFileName("plain"), "plain");
  EXPECT_EQ(ExtractFilePath("lib\\util.yor"), "lib\\");
  EXPECT_EQ(NativePath("lib\\util.yor"), "lib/util.yor");
  EXPECT_TRUE(ProgramDir().endsWith('/'));
}

TEST(Paths, RelativeToTheProjectFolder) {
  struct {
    QString Base, Dest, Expected;
  } Cases[] = {
      {"C:\\work\\Demo.ypr", "C:\\work\\Demo.yor", "Demo.yor"},
      {"C:\\work\\Demo.ypr", "c:\\WORK\\lib\\util.yor", "lib\\util.yor"},
      {"C:\\work\\p\\Demo.ypr", "C:\\work\\q\\a.yor", "..\\q\\a.yor"},
      {"C:\\work\\Demo.ypr", "D:\\other\\a.yor", "D:\\other\\a.yor"},
      {"/home/u/p/Demo.ypr", "/home/u/p/lib/a.yor", "lib/a.yor"},
      {"/home/u/p/Demo.ypr", "/home/u/q/a.yor", "../q/a.yor"},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(ExtractRelativePath(C.Base, C.Dest), C.Expected);
}

TEST(Paths, ExistenceIsForFilesOnly) {
  QTemporaryDir Dir;
  WriteBytes(Dir.filePath("a.yor"), "x");
  EXPECT_TRUE(FileExists(Dir.filePath("a.yor")));
  EXPECT_FALSE(FileExists(Dir.path()));
  EXPECT_FALSE(FileExists(Dir.filePath("b.yor")));
  EXPECT_FALSE(FileExists(""));
}
