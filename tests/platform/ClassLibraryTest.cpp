// Collections, string lists, fonts and the assignment protocol.
#include <gtest/gtest.h>

#include <random>

#include "platform/core/Collection.h"
#include "platform/core/Graphics.h"
#include "platform/core/StringList.h"

namespace {
class TNamedItem : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  QString ClassName() const override { return QStringLiteral("TNamedItem"); }
  void Assign(const TPersistent* Source) override {
    if (auto* Other = dynamic_cast<const TNamedItem*>(Source))
      Name = Other->Name;
    else
      TCollectionItem::Assign(Source);
  }
  void Rename(const QString& Value) {
    Name = Value;
    Changed(false);
  }
  QString Name;
};

class TSpyCollection : public TCollection {
 public:
  TSpyCollection() : TCollection([](TCollection* C) { return new TNamedItem(C); }) {}
  void Update(TCollectionItem* Item) override { Updates.push_back(Item); }
  std::vector<TCollectionItem*> Updates;
};
}  // namespace

TEST(Collection, NotificationsAndOrder) {
  TSpyCollection C;
  auto* A = static_cast<TNamedItem*>(C.Add());
  auto* B = static_cast<TNamedItem*>(C.Add());
  EXPECT_EQ(C.Updates, (std::vector<TCollectionItem*>{nullptr, nullptr}));
  B->Rename("b");
  EXPECT_EQ(C.Updates.back(), B);
  B->SetIndex(0);
  EXPECT_EQ(C.Items(0), B);
  EXPECT_EQ(A->Index(), 1);
  C.Updates.clear();
  C.BeginUpdate();
  C.Add();
  delete A;
  C.EndUpdate();
  EXPECT_EQ(C.Updates, std::vector<TCollectionItem*>{nullptr});
  EXPECT_EQ(C.Count(), 2);
  EXPECT_THROW(C.Items(2), EListError);

  TSpyCollection Copy;
  Copy.Add();
  Copy.Updates.clear();
  Copy.Assign(&C);
  EXPECT_EQ(Copy.Count(), 2);
  EXPECT_EQ(static_cast<TNamedItem*>(Copy.Items(0))->Name, "b");
  EXPECT_EQ(Copy.Updates.size(), 1u);
}

TEST(StringList, SortedIgnoresDuplicatesWithoutRegardToCase) {
  TStringList List;
  int Changes = 0;
  List.SetOnChange([&](TObject*) { ++Changes; });
  List.SetSorted(true);
  for (const char* Word : {"mov", "Add", "MOV", "xor", "add", "Cmp"})
    List.Add(Word);
  EXPECT_EQ(List.Text(), "Add\r\nCmp\r\nmov\r\nxor\r\n");
  EXPECT_EQ(Changes, 4);
  int Index = -1;
  EXPECT_TRUE(List.Find("XOR", Index));
  EXPECT_EQ(Index, 3);
  EXPECT_EQ(List.IndexOf("cmp"), 1);
  EXPECT_THROW(List.Insert(0, "x"), EListError);
  List.Delete(0);
  EXPECT_EQ(Changes, 5);
}

TEST(StringList, TextSplitsAtEveryLineBreak) {
  TStringList List;
  struct {
    QString Text;
    int Count;
  } Cases[] = {{"a\r\nb", 2}, {"a\nb\n", 2}, {"a\rb\r\n\r\nc", 4}, {"", 0}, {"\r\n", 1}};
  for (const auto& C : Cases) {
    List.SetText(C.Text);
    EXPECT_EQ(List.Count(), C.Count) << C.Text.toStdString();
  }
  List.SetText("x\ny");
  EXPECT_EQ(List.Text(), "x\r\ny\r\n");
  try {
    List.Strings(5);
    FAIL();
  } catch (const EListError& Error) {
    EXPECT_EQ(Error.Message(), "List index out of bounds (5)");
  }
}

TEST(Persistent, AssignmentErrorsNameBothClasses) {
  TFont Font;
  TStringList List;
  try {
    List.Assign(&Font);
    FAIL();
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a TFont to a TStringList");
  }
  try {
    Font.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a nil to a TFont");
  }
}

TEST(Font, SizeAndHeightAndChangeEvents) {
  TFont Font;
  int Changes = 0;
  Font.SetOnChange([&](TObject*) { ++Changes; });
  Font.SetSize(8);
  EXPECT_EQ(Font.Height(), -11);
  Font.SetHeight(-13);
  EXPECT_EQ(Font.Size(), 10);
  Font.SetStyle({TFontStyle::fsBold});
  Font.SetStyle({TFontStyle::fsBold});
  EXPECT_EQ(Changes, 3);
  TFont Copy;
  Copy.Assign(&Font);
  EXPECT_TRUE(Copy.Style().Contains(TFontStyle::fsBold));
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
}

TEST(Collection, RandomMembershipMatchesAVector) {
  for (unsigned Seed : {3u, 5u, 8u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 Random(Seed);
    TSpyCollection C;
    std::vector<TCollectionItem*> Model;
    for (int Step = 0; Step < 4000; ++Step) {
      const int Count = static_cast<int>(Model.size());
      const int Pick = Count ? static_cast<int>(Random() % Count) : 0;
      switch (Count ? Random() % 6 : 0) {
        case 0:
        case 1:
          Model.push_back(C.Add());
          break;
        case 2:  // freed in the middle, as a scan frees overwritten ranges
          delete Model[Pick];
          Model.erase(Model.begin() + Pick);
          break;
        case 3:  // a visit from the last index down, freeing some as it goes
          for (int I = C.Count() - 1; I >= std::max(0, C.Count() - 5); --I) {
            ASSERT_EQ(C.Items(I), Model[I]);
            if (Random() % 2) {
              delete C.Items(I);
              Model.erase(Model.begin() + I);
            }
          }
          break;
        case 4: {
          const int To = static_cast<int>(Random() % Count);
          Model[Pick]->SetIndex(To);
          TCollectionItem* Moved = Model[Pick];
          Model.erase(Model.begin() + Pick);
          Model.insert(Model.begin() + To, Moved);
          break;
        }
        case 5:
          ASSERT_EQ(Model[Pick]->Index(), Pick);
          break;
      }
      ASSERT_EQ(C.Count(), static_cast<int>(Model.size())) << "step " << Step;
    }
    for (int I = 0; I < C.Count(); ++I)
      ASSERT_EQ(C.Items(I), Model[I]);
  }
}
