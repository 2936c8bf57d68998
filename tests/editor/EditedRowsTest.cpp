// The shapes of the rows an edit leaves, against rows measured from scratch.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "editor/EditedRows.h"

namespace {
std::vector<QString> RowsOf(const QString& Text) {
  std::vector<QString> Rows;
  for (const QString& Row : Text.split(QStringLiteral("\r\n")))
    Rows.push_back(Row);
  return Rows;
}

TRowShape Plain(const QString& Row, int TabSize) {
  TRowShape Shape;
  for (QChar C : Row)
    Shape.Width = C == u'\t' ? (Shape.Width / TabSize + 1) * TabSize : Shape.Width + 1;
  Shape.FirstTab = static_cast<int>(Row.indexOf(u'\t'));
  Shape.LastTab = static_cast<int>(Row.lastIndexOf(u'\t'));
  return Shape;
}

/** Replaces Count characters of Old from the 0-based Start by Inserted, as the editor does,
    and works out the touched rows' shapes; Reads counts the unchanged characters read. */
struct TEditCase {
  QString Old;
  int Start;
  int Count;
  QString Inserted;
  int TabSize;
  int Reads = 0;

  std::vector<TRowShape> Worked() {
    const QString New = QString(Old).replace(Start, Count, Inserted);
    const int First = static_cast<int>(Old.left(Start).count(QStringLiteral("\r\n")));
    const int Last = First + static_cast<int>(Old.mid(Start, Count).count(QStringLiteral("\r\n")));
    const std::vector<QString> Rows = RowsOf(Old);
    const int StartOfA = static_cast<int>(Old.lastIndexOf(QStringLiteral("\r\n"), Start - 1)) + 2;
    const int RowStart = Start == 0 || StartOfA < 2 ? 0 : StartOfA;
    TRowsEdit Edit;
    Edit.TabSize = TabSize;
    Edit.OldFirst = Plain(Rows[First], TabSize);
    Edit.OldLast = Plain(Rows[Last], TabSize);
    Edit.OldFirstLength = static_cast<int>(Rows[First].size());
    Edit.OldLastLength = static_cast<int>(Rows[Last].size());
    Edit.Offset = Start - RowStart;
    const QString Removed = Old.mid(Start, Count);
    Edit.Removed = Removed;
    Edit.Inserted = Inserted;
    const int StartOfB = Start + static_cast<int>(Inserted.size());
    Edit.CharOfA = [&](int I) {
      ++Reads;
      EXPECT_TRUE(I >= 0 && I < Edit.Offset) << "A read at " << I;
      return New[RowStart + I];
    };
    Edit.CharOfB = [&](int I) {
      ++Reads;
      EXPECT_TRUE(StartOfB + I < New.size() && New[StartOfB + I] != u'\r') << "B read at " << I;
      return New[StartOfB + I];
    };
    const TRowShapes Shapes = ShapesAfterEdit(Edit);
    return {Shapes.begin(), Shapes.end()};
  }

  std::vector<TRowShape> Measured() const {
    const QString New = QString(Old).replace(Start, Count, Inserted);
    const int First = static_cast<int>(Old.left(Start).count(QStringLiteral("\r\n")));
    const std::vector<QString> Rows = RowsOf(New);
    std::vector<TRowShape> Shapes;
    for (int Row = First; Row <= First + Inserted.count(QStringLiteral("\r\n")); ++Row)
      Shapes.push_back(Plain(Rows[Row], TabSize));
    return Shapes;
  }
};

std::string Describe(const TEditCase& C) {
  QString Text = C.Old + QStringLiteral(" | ") + QString::number(C.Start) + QStringLiteral("+") +
                 QString::number(C.Count) + QStringLiteral(" by ") + C.Inserted +
                 QStringLiteral(" | tab ") + QString::number(C.TabSize);
  return Text.replace(u'\t', QStringLiteral("\\t"))
      .replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n"))
      .toStdString();
}

void ExpectShapes(const std::vector<TRowShape>& Got, const std::vector<TRowShape>& Want,
                  const std::string& What) {
  ASSERT_EQ(Got.size(), Want.size()) << What;
  for (size_t I = 0; I < Got.size(); ++I) {
    EXPECT_EQ(Got[I].Width, Want[I].Width) << What << " row " << I;
    EXPECT_EQ(Got[I].FirstTab, Want[I].FirstTab) << What << " row " << I;
    EXPECT_EQ(Got[I].LastTab, Want[I].LastTab) << What << " row " << I;
  }
}
}  // namespace

TEST(EditedRows, TabsBeforeInAndAfterTheEdit) {
  TEditCase Cases[] = {
      {"abc", 3, 0, "d", 4},                  // typing at the end, no tabs
      {"\tabc", 4, 0, "d", 4},                // after an indent: the old width tells where
      {"ab\tcd", 1, 0, "x", 4},               // a tab after the edit absorbs it
      {"abc\tcd", 1, 0, "x", 4},              // ... until the text before it reaches the stop
      {"\tab\tcd", 2, 1, "", 4},              // tabs on both sides
      {"\tab\tcd", 3, 1, "xyzw\t", 4},        // the removed tab replaced by text and a tab
      {"a\tb\r\nc\td", 2, 3, "", 4},          // joining two rows with tabs
      {"a\tb\r\nc\td", 2, 0, "x\r\ny\t", 3},  // splitting a row into three
      {"a\tb\r\n\r\nc\td\te", 1, 7, "\t", 8},
      {"ab", 1, 0, "\t", 1},  // tab size 1: a tab is one column
  };
  for (TEditCase& C : Cases)
    ExpectShapes(C.Worked(), C.Measured(), Describe(C));
}

TEST(EditedRows, RandomEditsMatchRowsMeasuredAgain) {
  const unsigned Seed = std::random_device{}();
  std::printf("seed %u\n", Seed);
  SCOPED_TRACE(testing::Message() << "seed " << Seed);
  std::mt19937 Random(Seed);
  auto Pick = [&](int Low, int High) {
    return std::uniform_int_distribution<int>(Low, High)(Random);
  };
  static const QString Pieces[] = {"a", "bc", "\t", " ", "\r\n", "defgh"};
  auto Pieced = [&](int Count, std::vector<int>* Boundaries) {
    QString Text;
    for (int I = 0; I < Count; ++I) {
      if (Boundaries) Boundaries->push_back(static_cast<int>(Text.size()));
      Text += Pieces[Pick(0, 5)];
    }
    if (Boundaries) Boundaries->push_back(static_cast<int>(Text.size()));
    return Text;
  };
  for (int Round = 0; Round < 20000; ++Round) {
    std::vector<int> Boundaries;
    TEditCase C;
    C.Old = Pieced(Pick(0, 14), &Boundaries);
    const int From = Pick(0, static_cast<int>(Boundaries.size()) - 1);
    const int To = Pick(From, std::min<int>(From + 5, static_cast<int>(Boundaries.size()) - 1));
    C.Start = Boundaries[From];
    C.Count = Boundaries[To] - C.Start;
    C.Inserted = Pieced(Pick(0, 4), nullptr);
    C.TabSize = Pick(1, 5);
    ExpectShapes(C.Worked(), C.Measured(), Describe(C));
    if (testing::Test::HasFailure()) return;
  }
}

// A keystroke in a long row reads none of it, or between two tabs only up to them.
TEST(EditedRows, AnEditReadsOnlyTheTextNearItInALongRow) {
  const QString Long(1'000'000, u'x');
  struct {
    QString Old;
    int Start;
    int Count;
    QString Inserted;
    int MostReads;
  } Cases[] = {
      {Long, 1'000'000, 0, "y", 0},                     // typing at the end
      {Long, 500'000, 0, "y", 0},                       // in the middle
      {Long, 500'000, 1, "", 0},                        // a deletion
      {Long, 500'000, 0, "\r\n", 0},                    // Enter
      {"\t" + Long, 1'000'001, 0, "y", 0},              // at the end of an indented row
      {"\t" + Long, 1'000'001, 0, "\t", 0},             // a tab typed there
      {Long + "\tz", 999'990, 0, "y", 0},               // before the row's only tab
      {Long + "\tz", 1'000'000, 1, "", 0},              // the only tab deleted
      {Long + "\tab\t" + Long, 1'000'002, 0, "y", 10},  // between two tabs near each other
      {Long + "\tab\t" + Long, 1'000'002, 1, "\t", 10},
  };
  for (const auto& Case : Cases) {
    TEditCase C{Case.Old, Case.Start, Case.Count, Case.Inserted, 4};
    ExpectShapes(C.Worked(), C.Measured(), std::to_string(Case.Start));
    EXPECT_LE(C.Reads, Case.MostReads) << Case.Start << " in a row of " << Case.Old.size();
  }
}
