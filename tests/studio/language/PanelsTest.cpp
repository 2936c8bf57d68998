// The Outline and Problems panels change only the rows that must change (declarations and
// problems that moved keep theirs); whatever the change, they show what a panel filled
// afresh shows, down to the line a row goes to.
#include <gtest/gtest.h>

#include <QTreeWidgetItemIterator>

#include "studio/language/OutlinePanel.h"
#include "studio/language/ProblemsPanel.h"

namespace {
QStringList Rows(QTreeWidget& Tree) {
  QStringList Rows;
  for (QTreeWidgetItemIterator It(&Tree); *It; ++It) {
    QStringList Cells;
    for (int C = 0; C < Tree.columnCount(); ++C) Cells << (*It)->text(C) << (*It)->toolTip(C);
    const QTreeWidgetItem* Parent = (*It)->parent();
    Rows << QStringLiteral("%1%2 -> %3:%4")
                .arg(Parent ? QStringLiteral("  ") : QString(), Cells.join(u'|'))
                .arg((*It)->data(0, Qt::UserRole).toString(), (*It)->data(0, Qt::UserRole + 1).toString());
  }
  return Rows;
}

TDeclaration Declaration(const char* Kind, const char* Name, int Line) {
  return {QString::fromLatin1(Kind), QString::fromLatin1(Name), Line, 5};
}

TFileProblem Problem(const char* Message, int Line, TSeverity Severity = TSeverity::Error) {
  return {QStringLiteral("/p/a.yor"), {Severity, Line, 3, 1, QString::fromLatin1(Message)}};
}
}  // namespace

TEST(LanguagePanels, OutlineShowsWhatAFreshOutlineShows) {
  const std::vector<std::vector<TDeclaration>> Steps = {
      {Declaration("program", "P", 1), Declaration("procedure", "Q", 2), Declaration("label", "a", 3),
       Declaration("function", "F", 5)},
      {Declaration("program", "P", 1), Declaration("procedure", "Q", 3), Declaration("label", "a", 4),
       Declaration("function", "F", 6)},  // an Enter above
      {Declaration("program", "P", 1), Declaration("procedure", "Quick", 3), Declaration("label", "a", 4),
       Declaration("function", "F", 6)},  // a rename
      {Declaration("program", "P", 1), Declaration("procedure", "Quick", 3), Declaration("function", "F", 6)},
      {Declaration("label", "top", 1), Declaration("program", "P", 2), Declaration("procedure", "Quick", 4),
       Declaration("label", "b", 5), Declaration("function", "F", 7)},
      {},
  };
  TOutlinePanel Panel([](int, int) {});
  for (size_t I = 0; I < Steps.size(); ++I) {
    Panel.SetDeclarations(Steps[I]);
    TOutlinePanel Fresh([](int, int) {});
    Fresh.SetDeclarations(Steps[I]);
    EXPECT_EQ(Rows(Panel), Rows(Fresh)) << "step " << I;
  }
}

TEST(LanguagePanels, ProblemsShowWhatAFreshListShows) {
  const std::vector<std::vector<TFileProblem>> Steps = {
      {Problem("one", 1), Problem("two", 4), Problem("three", 9, TSeverity::Warning)},
      {Problem("one", 1), Problem("two", 5), Problem("three", 10, TSeverity::Warning)},  // an Enter above
      {Problem("one", 1), Problem("new", 2), Problem("two", 5), Problem("three", 10, TSeverity::Warning)},
      {Problem("one", 1), Problem("three", 10, TSeverity::Warning)},
      {Problem("zero", 1), Problem("one", 2), Problem("three", 10)},  // at both ends
      {Problem("three", 10)},
      {},
      {Problem("one", 1), Problem("one", 1)},
  };
  TProblemsPanel Panel([](const QString&, int, int) {});
  for (size_t I = 0; I < Steps.size(); ++I) {
    Panel.SetProblems(Steps[I]);
    TProblemsPanel Fresh([](const QString&, int, int) {});
    Fresh.SetProblems(Steps[I]);
    EXPECT_EQ(Rows(Panel), Rows(Fresh)) << "step " << I;
  }
}
