// The Edit menu acts on the window in front and does nothing without one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "StudioFixture.h"
#include "editor/SelectionRange.h"

TEST(EditMenu, CommandsActOnTheActiveWindow) {
  StudioFixture S;
  S.Form.OpenPaths({S.Write("a.yor", "one two")});
  TSourceEdit& Editor = *S.Form.ActiveCodeForm()->tbCode;
  S.Form.SelectAll1Click();
  EXPECT_EQ(Editor.SelLength(), 7);
  S.Form.Copy1Click();
  EXPECT_EQ(QApplication::clipboard()->text(), "one two");
  S.Form.Cut1Click();
  EXPECT_EQ(Editor.Lines()->Text(), "");
  S.Form.Undo1Click();
  EXPECT_EQ(Editor.Lines()->Text(), "one two");
  S.Form.Redo1Click();
  EXPECT_EQ(Editor.Lines()->Text(), "");
  S.Form.Paste1Click();
  EXPECT_EQ(Editor.Lines()->Text(), "one two");
  Editor.SetSelStart(3);
  Editor.SetSelLength(4);
  S.Form.Delete1Click();
  EXPECT_EQ(Editor.Lines()->Text(), "one");
}

// The menu's Delete replaces even an empty selection, so undo has a step to take back.
TEST(EditMenu, DeleteWithEmptySelectionIsAnEmptyReplacement) {
  StudioFixture S;
  S.Form.OpenPaths({S.Write("a.yor", "abc")});
  TSourceEdit& Editor = *S.Form.ActiveCodeForm()->tbCode;
  Editor.SetSelStart(1);
  const TUndoOperation* Before = Editor.UndoStack();
  S.Form.Delete1Click();
  EXPECT_EQ(Editor.Lines()->Text(), "abc");
  EXPECT_NE(Editor.UndoStack(), Before);
}

TEST(EditMenu, NothingWithoutAnEditorWindow) {
  StudioFixture S;
  QApplication::clipboard()->setText("kept");
  for (void (TMainFRM::*Command)() :
       {&TMainFRM::Undo1Click, &TMainFRM::Redo1Click, &TMainFRM::Cut1Click, &TMainFRM::Copy1Click,
        &TMainFRM::Paste1Click, &TMainFRM::Delete1Click, &TMainFRM::SelectAll1Click})
    (S.Form.*Command)();
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");
}
