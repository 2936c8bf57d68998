/** @file PathsTest.cpp
 ** File names, folders, existence and paths relative to a project file. **/
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/core/Paths.h"

TEST(Paths, NamesAndFolders) {
  struct {
    QString Path, Folder, Name;
  } Cases[] = {
      {"C:\\work\\Demo.ypr", "C:\\work\\", "Demo.ypr"},
      {"/home/u/lib/util.yor", "/home/u/lib/", "util.yor"},
      {"lib\\util.yor", "lib\\", "util.yor"},
      {"C:Demo.ypr", "C:", "Demo.ypr"},
      {"plain", "", "plain"},
      {"/home/u/", "/home/u/", ""},
  };
  for (const auto& C : Cases) {
    EXPECT_EQ(ExtractFilePath(C.Path), C.Folder) << C.Path.toStdString();
    EXPECT_EQ(ExtractFileName(C.Path), C.Name) << C.Path.toStdString();
  }
  EXPECT_EQ(NativePath(".\\lib\\util.yor"), "./lib/util.yor");
  EXPECT_EQ(ExpandFileName("/home/u/p/../q\\.\\a.yor"), "/home/u/q/a.yor");
  EXPECT_EQ(ExpandFileName("a.yor"), QDir::currentPath() + "/a.yor");
  EXPECT_EQ(ProgramDir(), QCoreApplication::applicationDirPath() + "/");
}

TEST(Paths, RelativeToTheProjectFolder) {
  struct {
    QString Base, Dest, Expected;
  } Cases[] = {
      {"C:\\work\\Demo.ypr", "C:\\work\\Demo.yor", "Demo.yor"},
      {"C:\\work\\Demo.ypr", "c:\\WORK\\lib\\util.yor", "lib\\util.yor"},
      {"C:\\work\\p\\Demo.ypr", "C:\\work\\q\\a.yor", "..\\q\\a.yor"},
      {"C:\\work\\p\\r\\Demo.ypr", "C:\\a.yor", "..\\..\\..\\a.yor"},
      {"C:\\work\\Demo.ypr", "D:\\other\\a.yor", "D:\\other\\a.yor"},
      {"/home/u/p/Demo.ypr", "/home/u/p/Demo.yor", "Demo.yor"},
      {"/home/u/p/Demo.ypr", "/home/u/p/lib/a.yor", "lib/a.yor"},
      {"/home/u/p/Demo.ypr", "/home/u/q/a.yor", "../q/a.yor"},
      {"/home/u/p/r/Demo.ypr", "/a.yor", "../../../../a.yor"},
      // Linux folders differing in case are different folders.
      {"/home/u/Proj/Demo.ypr", "/home/u/proj/a.yor", "../proj/a.yor"},
  };
  for (const auto& C : Cases)
    EXPECT_EQ(ExtractRelativePath(C.Base, C.Dest), C.Expected)
        << C.Base.toStdString() << " -> " << C.Dest.toStdString();
}

TEST(Paths, ExistenceIsForFilesOnly) {
  QTemporaryDir Dir;
  QFile File(Dir.filePath("a.yor"));
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.close();
  EXPECT_TRUE(FileExists(Dir.filePath("a.yor")));
  EXPECT_TRUE(FileExists(Dir.path() + "\\a.yor"));
  EXPECT_FALSE(FileExists(Dir.path()));
  EXPECT_FALSE(FileExists(Dir.filePath("b.yor")));
  EXPECT_FALSE(FileExists(""));
}
