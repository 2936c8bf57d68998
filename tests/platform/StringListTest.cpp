/** @file StringListTest.cpp
 ** String lists: sorted mode, duplicates, change events, the whole text and files. **/
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/core/StringList.h"

namespace {
template <class TError>
QString MessageOf(const std::function<void()>& Action) {
  try {
    Action();
  } catch (const TError& Error) {
    return Error.Message();
  }
  return QStringLiteral("(nothing raised)");
}
}  // namespace

TEST(StringList, SortedIgnoresDuplicatesWithoutRegardToCase) {
  TStringList List;
  int Changes = 0;
  List.SetOnChange([&](TObject*) { ++Changes; });
  List.SetSorted(true);
  for (const char* Word : {"mov", "Add", "MOV", "xor", "add", "Cmp"})
    List.Add(Word);
  EXPECT_EQ(List.Text(), "Add\r\nCmp\r\nmov\r\nxor\r\n");
  EXPECT_EQ(Changes, 4);
  EXPECT_EQ(List.Add("ADD"), 0);
  int Index = -1;
  EXPECT_TRUE(List.Find("XOR", Index));
  EXPECT_EQ(Index, 3);
  EXPECT_FALSE(List.Find("inc", Index));
  EXPECT_EQ(Index, 2);
  EXPECT_EQ(List.IndexOf("cmp"), 1);
  EXPECT_EQ(List.IndexOf("inc"), -1);
}

TEST(StringList, SortedListErrors) {
  TStringList List;
  List.SetSorted(true);
  List.Add("add");
  EXPECT_EQ(MessageOf<EListError>([&] { List.Insert(0, "x"); }),
            "Operation not allowed on sorted list");
  EXPECT_EQ(MessageOf<EListError>([&] { List.SetStrings(0, "x"); }),
            "Operation not allowed on sorted list");
  List.SetDuplicates(TStringList::dupError);
  EXPECT_EQ(MessageOf<EListError>([&] { List.Add("ADD"); }),
            "String list does not allow duplicates");
  List.SetDuplicates(TStringList::dupAccept);
  List.Add("ADD");
  EXPECT_EQ(List.Count(), 2);
  EXPECT_EQ(MessageOf<EListError>([&] { List.Strings(5); }), "List index out of bounds (5)");
  EXPECT_EQ(MessageOf<EListError>([&] { List.Delete(-1); }), "List index out of bounds (-1)");
}

TEST(StringList, CaseSensitiveListsKeepBothCases) {
  TStringList List;
  List.SetCaseSensitive(true);
  List.SetSorted(true);
  for (const char* Word : {"b", "B", "a", "b"})
    List.Add(Word);
  EXPECT_EQ(List.Text(), "B\r\na\r\nb\r\n");
  EXPECT_EQ(List.IndexOf("A"), -1);
  List.SetCaseSensitive(false);
  EXPECT_EQ(List.Text(), "a\r\nB\r\nb\r\n");
  EXPECT_EQ(List.IndexOf("A"), 0);
}

TEST(StringList, EveryChangeRaisesOneChangeEvent) {
  TStringList Other;
  Other.SetText("x\ny");
  struct {
    const char* Name;
    std::function<void(TStringList&)> Change;
    int Events;
  } Cases[] = {
      {"Add", [](TStringList& L) { L.Add("c"); }, 1},
      {"Insert", [](TStringList& L) { L.Insert(0, "c"); }, 1},
      {"SetStrings", [](TStringList& L) { L.SetStrings(1, "c"); }, 1},
      {"Delete", [](TStringList& L) { L.Delete(0); }, 1},
      {"Clear", [](TStringList& L) { L.Clear(); }, 1},
      {"Clear twice",
       [](TStringList& L) {
         L.Clear();
         L.Clear();
       },
       1},
      {"SetText", [](TStringList& L) { L.SetText("1\n2\n3"); }, 1},
      {"Assign", [&](TStringList& L) { L.Assign(&Other); }, 1},
      {"AddStrings", [&](TStringList& L) { L.AddStrings(&Other); }, 1},
      {"nested update",
       [](TStringList& L) {
         L.BeginUpdate();
         L.BeginUpdate();
         L.Add("c");
         L.EndUpdate();
         L.Delete(0);
         L.EndUpdate();
       },
       1},
  };
  for (const auto& C : Cases) {
    TStringList List;
    List.SetText("a\nb");
    int Changing = 0;
    int Changed = 0;
    List.SetOnChanging([&](TObject*) { ++Changing; });
    List.SetOnChange([&](TObject* Sender) {
      EXPECT_EQ(Sender, &List);
      ++Changed;
    });
    C.Change(List);
    EXPECT_EQ(Changed, C.Events) << C.Name;
    EXPECT_EQ(Changing, C.Events) << C.Name;
  }
}

TEST(StringList, AFailedAssignLeavesChangeEventsOn) {
  TStringList Source;
  Source.SetText("a\nA");
  TStringList List;
  List.SetSorted(true);
  List.SetDuplicates(TStringList::dupError);
  int Changes = 0;
  List.SetOnChange([&](TObject*) { ++Changes; });
  EXPECT_THROW(List.Assign(&Source), EListError);
  Changes = 0;
  List.Add("b");
  EXPECT_EQ(Changes, 1);
}

TEST(StringList, TextSplitsAtEveryLineBreak) {
  struct {
    QString Text;
    QStringList Lines;
  } Cases[] = {
      {"a\r\nb", {"a", "b"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r\n\r\nc", {"a", "b", "", "c"}},
      {"a\n\rb", {"a", "", "b"}},
      {"", {}},
      {"\r\n", {""}},
      {QString("a\nb") + QChar(0) + "c\n", {"a", "b"}},
  };
  TStringList List;
  for (const auto& C : Cases) {
    List.SetText(C.Text);
    QStringList Lines;
    for (int I = 0; I < List.Count(); ++I)
      Lines << List.Strings(I);
    EXPECT_EQ(Lines, C.Lines) << C.Text.toStdString();
  }
  List.SetText("x\ny");
  EXPECT_EQ(List.Text(), "x\r\ny\r\n");
}

TEST(StringList, FilesRoundTrip) {
  QTemporaryDir Dir;
  const QString Path = Dir.filePath("demo.ypr");
  QFile File(Path);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.write("\xEF\xBB\xBFmain.yor\nlib\\util.yor\n");
  File.close();
  TStringList List;
  List.Add("old");
  List.LoadFromFile(Path);
  EXPECT_EQ(List.Text(), "main.yor\r\nlib\\util.yor\r\n");
  List.SaveToFile(Path);
  ASSERT_TRUE(File.open(QIODevice::ReadOnly));
  EXPECT_EQ(File.readAll(), "main.yor\r\nlib\\util.yor\r\n");
}
