// The text property and the row-by-row string list over it.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "editor/MemoComponent.h"
#include "editor/SelectionRange.h"
#include "platform/core/StringList.h"
#include "platform/core/TextFile.h"

TEST(Lines, SettingTextNormalisesLineBreaks) {
  TMemoComponent E;
  E.SetText("a\nb\rc");
  EXPECT_EQ(E.Text(), "a\r\nb\r\nc");
  EXPECT_EQ(E.LineCount(), 3);
  E.SetText("abc\r\n");
  EXPECT_EQ(E.LineCount(), 2);
  EXPECT_EQ(E.Lines()->Count(), 2);
  EXPECT_EQ(E.Lines()->Strings(1), "");
  EXPECT_EQ(E.LineLength(2), 0);
  const char16_t Message[] = u"x\ny";
  EXPECT_EQ(E.Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Message)), 1);
  EXPECT_EQ(E.Text(), "x\r\ny");
  E.Clear();
  EXPECT_EQ(E.Text(), "");
}

TEST(Lines, Operations) {
  struct {
    QString Text;
    void (*Operation)(TStrings&);
    QString Expected;
  } Cases[] = {
      {"abc", [](TStrings& L) { L.Add("x"); }, "abc\r\nx"},
      {"abc\r\n", [](TStrings& L) { L.Add("x"); }, "abc\r\n\r\nx"},
      {"", [](TStrings& L) { L.Insert(5, "x"); }, "x"},
      {"", [](TStrings& L) { L.Add(""); }, ""},
      {"ab", [](TStrings& L) { L.Add(""); }, "ab\r\n"},
      {"ab", [](TStrings& L) { L.SetStrings(3, "zz"); }, "abzz"},
      {"ab\r\ncd", [](TStrings& L) { L.SetStrings(1, "x"); }, "ab\r\nx"},
      {"a\r\nb", [](TStrings& L) { L.Delete(1); }, "a"},
      {"a\r\nb", [](TStrings& L) { L.Delete(0); }, "b"},
      {"ab", [](TStrings& L) { L.Delete(0); }, ""},
      {"ab", [](TStrings& L) { L.Delete(4); }, "ab"},
      {"a\r\nb", [](TStrings& L) { L.Insert(1, "x"); }, "a\r\nx\r\nb"},
      {"a\r\nb", [](TStrings& L) { L.Insert(-2, "x"); }, "x\r\na\r\nb"},
      {"a\r\nb", [](TStrings& L) { L.Insert(7, "x"); }, "a\r\nb\r\nx"},
  };
  for (const auto& C : Cases) {
    TMemoComponent E;
    E.SetText(C.Text);
    C.Operation(*E.Lines());
    EXPECT_EQ(E.Text(), C.Expected) << C.Text.toStdString() << " -> " << C.Expected.toStdString();
  }
}

TEST(Lines, ReadingRowsOutOfRange) {
  TMemoComponent E;
  E.SetText("ab\r\ncd");
  EXPECT_EQ(E.Lines()->Strings(0), "ab");
  EXPECT_EQ(E.Lines()->Strings(1), "cd");
  EXPECT_EQ(E.Lines()->Strings(7), "");
  EXPECT_EQ(E.Lines()->Strings(-1), "");
}

TEST(Lines, AssigningAListLosesLeadingEmptyRows) {
  TMemoComponent E;
  TStringList Source;
  for (const char* Row : {"", "", "a", "", "b"})
    Source.Add(Row);
  E.SetLines(&Source);
  EXPECT_EQ(E.Text(), "a\r\n\r\nb");
}

TEST(Lines, LoadIsOneUndoableReplacementAndSaveWritesTheStoredCharacters) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("file.yor");
  WriteTextFile(Path, "one\ntwo");
  TMemoComponent E;
  E.Lines()->LoadFromFile(Path);
  EXPECT_EQ(E.Text(), "one\r\ntwo");
  EXPECT_TRUE(E.CanUndo());
  E.Undo();
  EXPECT_EQ(E.Text(), "");
  E.Redo();
  EXPECT_EQ(E.Text(), "one\r\ntwo");
  E.Lines()->SaveToFile(Path);
  EXPECT_EQ(ReadTextFile(Path), "one\r\ntwo");  // no final line break added
}
