// The Search menu's shortcuts, pressed as real keys in the offscreen main window, and the
// find bar's own keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "EditorWindowFixture.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"
#include "platform/qt/QtControlHost.h"
#include "studio/search/EditorHighlights.h"
#include "studio/search/FindBar.h"
#include "studio/search/GoToLine.h"
#include "studio/search/SearchCommands.h"

namespace {
struct KeysFixture : EditorWindowFixture {
  void Open(const QByteArray& Text) {
    EditorWindowFixture::Open(Text);
    Form.activateWindow();
    QApplication::setActiveWindow(&Form);
    Host()->setFocus();
    QApplication::processEvents();
  }
  QWidget* Host() const { return EditorWidget(*Code); }
  void Key(int K, Qt::KeyboardModifiers M = Qt::NoModifier) {
    QWidget* Target = QApplication::focusWidget() ? QApplication::focusWidget() : Host();
    QTest::keyClick(Target, static_cast<Qt::Key>(K), M);
    QApplication::processEvents();
  }
  void Type(const QString& Text) {
    QTest::keyClicks(QApplication::focusWidget(), Text);
    QApplication::processEvents();
  }
  TFindBar* Bar() const { return Code->findChild<TFindBar*>(); }
  QString Status() const { return Bar()->findChild<QLabel*>(QStringLiteral("FindStatus"))->text(); }
};
}  // namespace

TEST(SearchKeys, FindBarSearchesAsYouTypeAndWalksWithEnterAndF3) {
  KeysFixture S;
  S.Open("mov ax, 1\r\nmov bx, 2\r\nadd ax, bx\r\nmov cx, 3");
  S.E->SetSelStart(0);
  S.Key(Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(S.Bar() && S.Bar()->isVisible());
  EXPECT_EQ(S.Bar()->FindField()->text(), "mov");  // the word at the caret
  EXPECT_EQ(QApplication::focusWidget(), S.Bar()->FindField());
  EXPECT_EQ(S.E->SelStart(), 0);
  EXPECT_EQ(S.Status(), "1 of 3");
  S.Key(Qt::Key_Backspace);
  S.Type(QStringLiteral("bx"));  // the field was all selected: "bx"
  EXPECT_EQ(S.Bar()->FindField()->text(), "bx");
  EXPECT_EQ(S.E->SelStart(), 15);
  EXPECT_EQ(S.Status(), "1 of 2");
  S.Key(Qt::Key_Return);
  EXPECT_EQ(S.E->SelStart(), 30);
  EXPECT_EQ(S.Status(), "2 of 2");
  S.Key(Qt::Key_Return);
  EXPECT_EQ(S.E->SelStart(), 15);
  EXPECT_EQ(S.Status(), "Wrapped to the top \u2014 1 of 2");
  S.Key(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(S.E->SelStart(), 30);
  EXPECT_EQ(S.Status(), "Wrapped to the bottom \u2014 2 of 2");
  S.Key(Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(S.E->SelStart(), 15);
  S.Key(Qt::Key_Escape);
  EXPECT_FALSE(S.Bar()->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), S.Host());
  // F3 with the bar closed searches for the same again, also in another window.
  S.Key(Qt::Key_F3);
  EXPECT_EQ(S.E->SelStart(), 30);
  S.Form.OpenPaths({S.Write("b.yor", "nop\r\nmov bx, 1")});
  S.Form.ActiveCodeForm()->tbCode->SetSelStart(0);
  S.Key(Qt::Key_F3);
  EXPECT_EQ(S.Form.ActiveCodeForm()->tbCode->SelStart(), 9);
}

TEST(SearchKeys, OptionsAndAnInvalidPattern) {
  KeysFixture S;
  S.Open("Mov mov MOVE");
  S.E->SetSelStart(4);
  S.Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(S.Status(), "2 of 3");
  S.Bar()->findChildren<QCheckBox*>()[0]->setChecked(true);  // match case
  EXPECT_EQ(S.Status(), "1 of 1");
  S.Bar()->findChildren<QCheckBox*>()[0]->setChecked(false);
  S.Bar()->findChildren<QCheckBox*>()[1]->setChecked(true);  // whole word
  EXPECT_EQ(S.Status(), "2 of 2");
  S.Bar()->findChildren<QCheckBox*>()[2]->setChecked(true);  // regular expression
  S.Key(Qt::Key_End);
  S.Type(QStringLiteral("("));
  EXPECT_TRUE(S.Status().contains("at position")) << S.Status().toStdString();
  EXPECT_EQ(S.E->Text(), "Mov mov MOVE");
  // Esc closes the bar from one of its boxes too.
  S.Bar()->findChildren<QCheckBox*>()[1]->setFocus();
  S.Key(Qt::Key_Escape);
  EXPECT_FALSE(S.Bar()->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), S.Host());
}

TEST(SearchKeys, ReplaceAllFromTheBarReportsTheCount) {
  KeysFixture S;
  QByteArray Text;
  for (int I = 0; I < 1204; ++I)
    Text += "mov ax, bx\r\n";
  S.Open(Text);
  S.E->SetSelStart(4);
  S.Key(Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(S.Bar()->ReplaceField()->isVisible());
  EXPECT_EQ(S.Bar()->FindField()->text(), "ax");
  S.Bar()->ReplaceField()->setFocus();
  S.Type(QStringLiteral("eax"));
  S.Bar()->ReplaceAll();
  EXPECT_EQ(S.Status(), "Replaced 1,204 \u2014 1,204 matches");  // "eax" holds "ax"
  EXPECT_TRUE(S.E->Text().startsWith("mov eax, bx\r\nmov eax, bx"));
  S.E->Undo();
  EXPECT_EQ(S.E->Text(), QString::fromLatin1(Text));
}

TEST(SearchKeys, GoToLineClampsAndScrolls) {
  KeysFixture S;
  QByteArray Text;
  for (int I = 1; I <= 500; ++I)
    Text += "row " + QByteArray::number(I) + "\r\n";
  S.Open(Text);
  const struct {
    const char* Typed;
    int Row;
    int Col;
  } Cases[] = {{"250", 250, 1}, {"250:3", 250, 3}, {"9999", 501, 1}, {"10:99", 10, 7}, {"0", 1, 1}};
  for (const auto& C : Cases) {
    S.Key(Qt::Key_G, Qt::ControlModifier);
    TGoToLineBar* Bar = S.Code->findChild<TGoToLineBar*>();
    ASSERT_TRUE(Bar && Bar->isVisible());
    S.Type(QString::fromLatin1(C.Typed));
    S.Key(Qt::Key_Return);
    EXPECT_FALSE(Bar->isVisible()) << C.Typed;
    const TTextCell Caret = S.E->CharIdxToCell(S.E->Selection()->CursorPos());
    EXPECT_EQ(Caret.Row, C.Row) << C.Typed;
    EXPECT_EQ(Caret.Col, C.Col) << C.Typed;
    const int Top = S.E->VisibleRange()->FTopRow;
    EXPECT_TRUE(Caret.Row >= Top && Caret.Row < Top + S.E->PageHeight) << C.Typed;
  }
  S.Key(Qt::Key_G, Qt::ControlModifier);
  S.Type(QStringLiteral("ten"));
  S.Key(Qt::Key_Return);
  EXPECT_TRUE(S.Code->findChild<TGoToLineBar*>()->isVisible());
  EXPECT_FALSE(S.Code->findChild<TGoToLineBar*>()->Message().isEmpty());
}

TEST(SearchKeys, CtrlBracketJumpsToTheMatchingParenthesis) {
  KeysFixture S;
  S.Open("x (a (b) c) y");
  S.E->SetSelStart(2);  // before the outer "("
  S.Key(Qt::Key_BracketRight, Qt::ControlModifier);
  EXPECT_EQ(S.E->SelStart(), 10);
  S.Key(Qt::Key_BracketRight, Qt::ControlModifier);
  EXPECT_EQ(S.E->SelStart(), 2);
}
