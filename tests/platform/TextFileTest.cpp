/** @file TextFileTest.cpp
 ** Text files: byte-order marks, the code page fallbacks, and saves that keep the old file. **/
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "platform/core/Exceptions.h"
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
  const QString Eacute = QString::fromUtf8("\xC3\xA9");
  struct {
    QByteArray Bytes;
    QString Text;
  } Cases[] = {
      {QByteArray("\xFF\xFE"
                  "a\0\xE9\0",
                  6),
       "a" + Eacute},
      {QByteArray("\xFE\xFF"
                  "\0a\0\xE9",
                  6),
       "a" + Eacute},
      {QByteArray("\xEF\xBB\xBF"
                  "a\xC3\xA9"),
       "a" + Eacute},
      {QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                  "a"),
       QChar(0xFEFF) + QString("a")},
      {QByteArray("plain \xC3\xA9"), "plain " + Eacute},
      {QByteArray("caf\xE9 \x80 \x81"), "caf" + Eacute + " " + QChar(0x20AC) + " " + QChar(0x81)},
      {QByteArray("\xFF"), QString(QChar(0xFF))},
      {QByteArray(), QString()},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(DecodeText(C.Bytes), C.Text) << C.Bytes.toHex(' ').toStdString();
}

TEST(TextFile, InvalidUtf8KeepsEveryByte) {
  QByteArray AllBytes;
  for (int B = 1; B < 256; ++B)
    AllBytes += static_cast<char>(B);
  const QString Text = DecodeText(AllBytes);
  ASSERT_EQ(Text.size(), AllBytes.size());
  const QSet<QChar> Distinct(Text.begin(), Text.end());
  EXPECT_EQ(Distinct.size(), Text.size());
  for (int Undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    EXPECT_EQ(Text[Undefined - 1], QChar(Undefined));
}

TEST(TextFile, WritingEncodesWithoutAMarkUnlessTheTextNeedsOne) {
  const QString Accented = QString::fromUtf8("a\xC3\xA9\r\n\xE2\x82\xAC");
  EXPECT_EQ(EncodeAnsi(Accented), Accented.toUtf8());
  const QString LoneSurrogate = QString("x") + QChar(0xD800) + "y";
  const QByteArray Bytes = EncodeAnsi(LoneSurrogate);
  EXPECT_TRUE(Bytes.startsWith("\xFF\xFE"));
  EXPECT_EQ(DecodeText(Bytes), LoneSurrogate);
}

TEST(TextFile, FailedWritesRaiseAndKeepTheOldFile) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("keep.yor");
  WriteTextFile(Path, "old");
  WriteBytes(Dir.filePath("plainfile"), "x");
  struct {
    QString Target, Reason;
  } Cases[] = {
      {Dir.filePath("plainfile/inside.yor"), "Not a directory"},
      {Dir.path(), "Is a directory"},
      {Dir.filePath("missing/a.yor"), "No such file or directory"},
  };
  for (const auto& C : Cases) {
    try {
      WriteTextFile(C.Target, "new");
      ADD_FAILURE() << C.Target.toStdString();
    } catch (const EFCreateError& Error) {
      EXPECT_EQ(Error.Message(), QString("Cannot create file \"%1\". %2").arg(C.Target, C.Reason));
    }
  }
  EXPECT_EQ(ReadBytes(Path), "old");
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files), QStringList({"keep.yor", "plainfile"}));
  WriteTextFile(Path, "new\r\n");
  EXPECT_EQ(ReadBytes(Path), "new\r\n");
}

TEST(TextFile, FailedReadsNameTheFullPath) {
  QTemporaryDir Dir;
  struct {
    QString Target, FullPath, Reason;
  } Cases[] = {
      {Dir.filePath("missing.yor"), Dir.filePath("missing.yor"), "No such file or directory"},
      {Dir.path() + "/x/../missing.yor", Dir.filePath("missing.yor"), "No such file or directory"},
      {Dir.path(), Dir.path(), "Is a directory"},
      // Opens, then fails to read: nothing of it may pass for the file's text.
      {"/proc/self/mem", "/proc/self/mem", "Input/output error"},
  };
  for (const auto& C : Cases) {
    try {
      ReadTextFile(C.Target);
      ADD_FAILURE() << C.Target.toStdString();
    } catch (const EFOpenError& Error) {
      EXPECT_EQ(Error.Message(), QString("Cannot open file \"%1\". %2").arg(C.FullPath, C.Reason));
    }
  }
}

// Refused before a byte is read: the file here is sparse and would take no time to read.
TEST(TextFile, FilesOverOneGibibyteAreRefused) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("big.yor");
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  ASSERT_TRUE(File.resize(MaxTextFileSize + 1));
  File.close();
  try {
    ReadTextFile(Path);
    ADD_FAILURE() << "read";
  } catch (const EFOpenError& Error) {
    EXPECT_EQ(Error.Message(), QString("Cannot open file \"%1\". The file is 1073741825 bytes long; "
                                       "the studio opens files of up to 1 GiB")
                                   .arg(Path));
  }
}

// Read in pieces straight into one buffer: empty, small, across a piece's end, and a file
// that tells no size.
TEST(TextFile, ReadsEveryByteWhateverItsSize) {
  QTemporaryDir Dir;
  for (const qsizetype Size : {qsizetype{0}, qsizetype{1}, qsizetype{(1 << 24) + 3}}) {
    QByteArray Bytes(Size, Qt::Uninitialized);
    for (qsizetype I = 0; I < Size; ++I)
      Bytes[I] = static_cast<char>('a' + I % 23);
    const QString Path = Dir.filePath(QStringLiteral("f%1.yor").arg(Size));
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly));
    File.write(Bytes);
    File.close();
    EXPECT_TRUE(ReadFileBytes(Path) == Bytes) << Size;
  }
  EXPECT_TRUE(ReadFileBytes(QStringLiteral("/proc/self/status")).startsWith("Name:"));
}
