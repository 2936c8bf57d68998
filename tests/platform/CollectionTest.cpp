/** @file CollectionTest.cpp
 ** Collections: membership, order, notifications, copying and ownership of items. **/
#include <gtest/gtest.h>

#include <random>

#include "platform/core/Collection.h"

namespace {
int LiveItems = 0;

class TNamedItem : public TCollectionItem {
 public:
  explicit TNamedItem(TCollection* Collection) : TCollectionItem(Collection) { ++LiveItems; }
  ~TNamedItem() override { --LiveItems; }
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
  TNamedItem* Named(int Index) const { return static_cast<TNamedItem*>(Items(Index)); }
  std::vector<TCollectionItem*> Updates;
};

using UpdateList = std::vector<TCollectionItem*>;
}  // namespace

TEST(Collection, NotificationsAndOrder) {
  TSpyCollection C;
  auto* A = C.Add();
  auto* B = static_cast<TNamedItem*>(C.Add());
  EXPECT_EQ(C.Updates, (UpdateList{nullptr, nullptr}));
  B->Rename("b");
  EXPECT_EQ(C.Updates.back(), B);
  B->SetIndex(0);
  EXPECT_EQ(C.Updates.back(), nullptr);
  EXPECT_EQ(C.Items(0), B);
  EXPECT_EQ(A->Index(), 1);
  C.Updates.clear();
  C.BeginUpdate();
  C.BeginUpdate();
  C.Add();
  delete A;
  C.EndUpdate();
  EXPECT_TRUE(C.Updates.empty());
  C.EndUpdate();
  EXPECT_EQ(C.Updates, UpdateList{nullptr});
  EXPECT_EQ(C.Count(), 2);
  C.Updates.clear();
  C.Delete(1);
  EXPECT_EQ(C.Updates, UpdateList{nullptr});
  EXPECT_EQ(C.Count(), 1);
}

TEST(Collection, IndexErrors) {
  TSpyCollection C;
  C.Add();
  auto* Last = C.Add();
  for (int Bad : {-1, 2, 5}) {
    try {
      C.Items(Bad);
      FAIL() << Bad;
    } catch (const EListError& Error) {
      EXPECT_EQ(Error.Message(), QString("List index out of bounds (%1)").arg(Bad));
    }
    EXPECT_THROW(Last->SetIndex(Bad), EListError) << Bad;
    EXPECT_THROW(C.Delete(Bad), EListError) << Bad;
  }
  EXPECT_EQ(Last->Index(), 1);
}

TEST(Collection, ClearFreesEveryItemWithOneNotification) {
  const int Before = LiveItems;
  TSpyCollection C;
  for (int I = 0; I < 3; ++I)
    C.Add();
  C.Updates.clear();
  C.Clear();
  EXPECT_EQ(C.Updates, UpdateList{nullptr});
  EXPECT_EQ(LiveItems, Before);
  C.Clear();
  EXPECT_EQ(C.Updates.size(), 1u);
}

TEST(Collection, DestroyingTheCollectionFreesItsItems) {
  const int Before = LiveItems;
  {
    TSpyCollection C;
    C.Add();
    C.Add();
    EXPECT_EQ(LiveItems, Before + 2);
  }
  EXPECT_EQ(LiveItems, Before);
}

TEST(Collection, ItemsMoveBetweenCollections) {
  TSpyCollection From;
  TSpyCollection To;
  auto* Moving = From.Add();
  auto* Staying = From.Add();
  To.Add();
  From.Updates.clear();
  To.Updates.clear();
  Moving->SetCollection(&To);
  EXPECT_EQ(From.Updates, UpdateList{nullptr});
  EXPECT_EQ(To.Updates, UpdateList{nullptr});
  EXPECT_EQ(Moving->Collection(), &To);
  EXPECT_EQ(Moving->Index(), 1);
  EXPECT_EQ(Staying->Index(), 0);
  EXPECT_EQ(Moving->DisplayName(), "TNamedItem");
}

TEST(Collection, AssignCopiesEveryItemWithOneNotification) {
  TSpyCollection Source;
  for (const char* Name : {"b", "a"})
    static_cast<TNamedItem*>(Source.Add())->Rename(Name);
  TSpyCollection Copy;
  Copy.Add();
  Copy.Updates.clear();
  Copy.Assign(&Source);
  ASSERT_EQ(Copy.Count(), 2);
  EXPECT_EQ(Copy.Named(0)->Name, "b");
  EXPECT_EQ(Copy.Named(1)->Name, "a");
  EXPECT_EQ(Copy.Updates, UpdateList{nullptr});
}

TEST(Collection, AFailedAssignLeavesNotificationsOn) {
  TCollection Plain([](TCollection* C) { return new TCollectionItem(C); });
  Plain.Add();
  TSpyCollection Copy;
  try {
    Copy.Assign(&Plain);
    FAIL();
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a TCollectionItem to a TNamedItem");
  }
  Copy.Updates.clear();
  Copy.Add();
  EXPECT_EQ(Copy.Updates, UpdateList{nullptr});
}

TEST(Collection, OwnedCollectionAnswersItsOwner) {
  TPersistent Owner;
  TOwnedCollection C(&Owner, [](TCollection* Self) { return new TCollectionItem(Self); });
  EXPECT_EQ(C.GetOwner(), &Owner);
  EXPECT_EQ(TSpyCollection().GetOwner(), nullptr);
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
