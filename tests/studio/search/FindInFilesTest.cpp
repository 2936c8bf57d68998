// Find in Files: which files, skipped ones counted, open windows searched in their
// current text, results streamed into the panel and walked with F4.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "../StudioFixture.h"
#include "editor/SelectionRange.h"
#include "studio/search/FileSearch.h"
#include "studio/search/SearchCommands.h"
#include "studio/search/SearchResultsPanel.h"

namespace {
struct FilesFixture : StudioFixture {
  FilesFixture() {
    Write("a.yor", "mov ax, 1\r\nmov bx, ax\r\n");
    Write("sub/b.yor", "add ax, bx\n");  // LF only
    Write("notes.txt", "ax everywhere");
    Write("c.ypr", "a.yor\r\n");
    Write("bin.yor", QByteArray("ax\0\0\0binary", 12));
    Write("wide.yor", QByteArray("\xFF\xFE" "a\0x\0", 6));  // UTF-16: NUL bytes, yet text
  }
  TSearchCommands& Commands() { return *Form.SearchCommands; }
  TSearchResultsPanel& Panel() { return *Commands().ResultsPanel(); }
  TFindInFilesRequest InFolder(const QString& Pattern) {
    TFindInFilesRequest R;
    R.Options.Pattern = Pattern;
    R.Folder = Dir.path();
    return R;
  }
  QStringList Rows() const {
    QStringList Result;
    QTreeWidget* Tree = Form.SearchCommands->ResultsPanel()->Tree();
    for (int F = 0; F < Tree->topLevelItemCount(); ++F) {
      Result << QFileInfo(Tree->topLevelItem(F)->text(0)).fileName();
      for (int I = 0; I < Tree->topLevelItem(F)->childCount(); ++I)
        Result << Tree->topLevelItem(F)->child(I)->text(0);
    }
    return Result;
  }
};
}  // namespace

TEST(FindInFiles, FolderWithFilterSkipsAndCountsBinaryFiles) {
  FilesFixture S;
  std::atomic<bool> Cancel = false;
  TFindInFilesRequest R = S.InFolder(QStringLiteral("ax"));
  R.Files = {S.Path("missing.yor")};
  std::vector<TFileMatches> Found;
  const TFileSearchSummary Summary =
      SearchFiles(R, Cancel, {[&](TFileMatches&& F) { Found.push_back(std::move(F)); }, nullptr});
  EXPECT_EQ(Summary.Files, 4);  // a, sub/b, c.ypr, wide; notes.txt is filtered out
  EXPECT_EQ(Summary.Binary, 1);
  EXPECT_EQ(Summary.Matches, 4);
  ASSERT_EQ(Found.size(), 3u);
  EXPECT_EQ(QFileInfo(Found[0].Path).fileName(), "a.yor");
  EXPECT_EQ(Found[0].Matches.size(), 2u);
  EXPECT_EQ(Found[0].Matches[1].Row, 2);
  EXPECT_EQ(Found[0].Matches[1].Col, 9);
  EXPECT_EQ(Found[0].Matches[1].Line, "mov bx, ax");
  EXPECT_EQ(QFileInfo(Found[2].Path).fileName(), "wide.yor");

  // A list of files: one that cannot be read is counted, not fatal.
  TFindInFilesRequest Listed;
  Listed.Options.Pattern = QStringLiteral("bx\\nadd");
  Listed.Options.RegularExpression = true;
  Listed.Files = {S.Path("missing.yor"), S.Path("sub/b.yor"), S.Path("a.yor")};
  const TFileSearchSummary ListedSummary = SearchFiles(Listed, Cancel, {});
  EXPECT_EQ(ListedSummary.Unreadable, 1);
  EXPECT_EQ(ListedSummary.Files, 2);
  EXPECT_EQ(ListedSummary.Matches, 0);

  Cancel = true;
  EXPECT_TRUE(SearchFiles(R, Cancel, {}).Cancelled);
}

TEST(FindInFiles, LineBreaksOfEveryKindAreRows) {
  const TSearchPattern Pattern({QStringLiteral("b\\nc"), false, false, true});
  for (const QString& Text : {QStringLiteral("a\nb\nc"), QStringLiteral("a\rb\rc"), QStringLiteral("a\r\nb\r\nc"),
                              QStringLiteral("a\rb\nc")}) {
    const std::vector<TLineMatch> M = FindLineMatches(Pattern, Text);
    ASSERT_EQ(M.size(), 1u) << Text.toStdString();
    EXPECT_EQ(M[0].Row, 2);
    EXPECT_EQ(M[0].Line, "b");
  }
}

TEST(FindInFiles, PanelShowsResultsAndOpensThemWithF4) {
  FilesFixture S;
  S.Form.OpenPaths({S.Path("a.yor")});
  TSourceEdit& Open = *S.Form.ActiveCodeForm()->tbCode;
  Open.SetSelStart(0);
  Open.Selection()->SetText(QStringLiteral("xor ax, ax\r\n"));  // not saved
  S.Commands().StartFindInFiles(S.InFolder(QStringLiteral("ax")));
  EXPECT_TRUE(S.Commands().ResultsDock()->isVisible());
  S.Panel().WaitUntilDone();
  EXPECT_EQ(S.Panel().Summary(), "6 matches of \u201c" "ax\u201d in 3 of 4 files; skipped 1 binary");
  EXPECT_EQ(S.Rows().mid(0, 5), (QStringList{"a.yor (4)", "1:5: xor ax, ax", "1:9: xor ax, ax",
                                             "2:5: mov ax, 1", "3:9: mov bx, ax"}));
  // F4 walks from the first result, opening its file at the match.
  S.Form.NextResult1Click();
  EXPECT_EQ(S.Form.ActiveCodeForm()->tbCode.get(), &Open);
  EXPECT_EQ(Open.SelStart(), 4);
  EXPECT_EQ(Open.SelLength(), 2);
  for (int I = 0; I < 4; ++I)
    S.Form.NextResult1Click();
  TCodeFRM* B = S.Form.ActiveCodeForm();
  EXPECT_EQ(QFileInfo(B->strFile).fileName(), "b.yor");
  EXPECT_EQ(B->tbCode->SelStart(), 4);
  S.Form.PreviousResult1Click();
  EXPECT_EQ(S.Form.ActiveCodeForm()->tbCode.get(), &Open);
  EXPECT_EQ(Open.SelStart(), 31);
}

TEST(FindInFiles, CancelStopsTheSearch) {
  FilesFixture S;
  for (int I = 0; I < 300; ++I)
    S.Write(QStringLiteral("many/f%1.yor").arg(I), QByteArray(20000, 'a') + "ax");
  S.Commands().StartFindInFiles(S.InFolder(QStringLiteral("a+x")));
  S.Panel().Cancel();
  S.Panel().WaitUntilDone();
  EXPECT_FALSE(S.Panel().Running());
  EXPECT_TRUE(S.Panel().LastSummary().Cancelled);
  EXPECT_TRUE(S.Panel().Summary().startsWith("Cancelled: "));
  EXPECT_LT(S.Panel().LastSummary().Files, 304);
  // The next search starts afresh.
  S.Commands().StartFindInFiles(S.InFolder(QStringLiteral("mov")));
  S.Panel().WaitUntilDone();
  EXPECT_FALSE(S.Panel().LastSummary().Cancelled);
  EXPECT_EQ(S.Panel().LastSummary().Matches, 2);
}

TEST(FindInFiles, CtrlShiftFOpensTheDialog) {
  FilesFixture S;
  S.Form.activateWindow();
  QApplication::setActiveWindow(&S.Form);
  bool Shown = false;
  QTimer::singleShot(0, [&] {
    if (QWidget* Dialog = QApplication::activeModalWidget()) {
      Shown = Dialog->windowTitle() == "Find in Files";
      Dialog->close();
    }
  });
  QTest::keyClick(&S.Form, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_TRUE(Shown);
}
