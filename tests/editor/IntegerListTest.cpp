// The integer list against a plain vector: its lazily applied shift must never show.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "editor/IntegerList.h"
#include "platform/core/Exceptions.h"

TEST(IntegerList, IndexErrorsCarryTheIndex) {
  TIntegerList List;
  List.Add(1);
  try {
    List.Items(5);
    FAIL();
  } catch (const EListError& Error) {
    EXPECT_EQ(Error.Message(), "List index out of bounds (5)");
  }
  EXPECT_THROW(List.Insert(3, 0), EListError);
  EXPECT_THROW(List.Delete(-1), EListError);
  List.Insert(1, 7);  // Index == Count appends
  EXPECT_EQ(List.Items(1), 7);
}

TEST(IntegerList, RandomEditsMatchAVector) {
  for (unsigned Seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 Random(Seed);
    TIntegerList List;
    std::vector<int> Model;
    for (int Step = 0; Step < 5000; ++Step) {
      const int Count = static_cast<int>(Model.size());
      const int Index = Count ? static_cast<int>(Random() % (Count + 1)) : 0;
      switch (Random() % 5) {
        case 0:
        case 1: {
          const int Value = static_cast<int>(Random() % 1000);
          List.Insert(Index, Value);
          Model.insert(Model.begin() + Index, Value);
          break;
        }
        case 2:
          if (Index < Count) {
            List.Delete(Index);
            Model.erase(Model.begin() + Index);
          }
          break;
        case 3: {
          const int Delta = static_cast<int>(Random() % 21) - 10;
          List.AddFrom(Index, Delta);
          for (int I = Index; I < Count; ++I)
            Model[I] += Delta;
          break;
        }
        case 4:
          if (Index < Count) {
            List.SetItems(Index, Step);
            Model[Index] = Step;
          }
          break;
      }
      ASSERT_EQ(List.Count(), static_cast<int>(Model.size()));
      for (int I = 0; I < List.Count(); ++I)
        ASSERT_EQ(List.Items(I), Model[I]) << "step " << Step;
    }
  }
}

TEST(IntegerList, FindLastAtMostBisects) {
  TIntegerList List;
  for (int V : {1, 4, 7, 9})
    List.Add(V);
  struct {
    int Value, Expected;
  } Cases[] = {{0, -1}, {1, 0}, {3, 0}, {4, 1}, {8, 2}, {9, 3}, {100, 3}};
  for (auto C : Cases)
    EXPECT_EQ(List.FindLastAtMost(C.Value), C.Expected) << C.Value;
}

// The search starts where the last shift left the step: wherever that is, and whatever the
// value, it finds what a search of a plain vector finds (values between, equal to, beyond).
TEST(IntegerList, FindLastAtMostFromEveryStepPositionMatchesAWalk) {
  for (unsigned Seed : {5u, 6u, 7u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    std::mt19937 Random(Seed);
    TIntegerList List;
    std::vector<int> Model;
    for (int V = 0, Count = 1 + static_cast<int>(Random() % 300); Count > 0; --Count) {
      V += 1 + static_cast<int>(Random() % 9);
      List.Add(V);
      Model.push_back(V);
    }
    for (int Step = 0; Step < 400; ++Step) {
      // A growing shift keeps the entries rising.
      const int From = static_cast<int>(Random() % Model.size());
      const int Delta = static_cast<int>(Random() % 4);
      List.AddFrom(From, Delta);
      for (size_t I = From; I < Model.size(); ++I)
        Model[I] += Delta;
      const int Value = static_cast<int>(Random() % (Model.back() + 20)) - 10;
      const int Expected = static_cast<int>(
          std::upper_bound(Model.begin(), Model.end(), Value) - Model.begin()) - 1;
      ASSERT_EQ(List.FindLastAtMost(Value), Expected) << "step " << Step << ", value " << Value;
    }
  }
}
