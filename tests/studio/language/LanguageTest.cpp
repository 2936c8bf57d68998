// The language in the studio's windows: hover, F1, outline, go to definition, completion
// and the Problems panel, driven through the offscreen main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDockWidget>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>

#include "../StudioFixture.h"
#include "editor/RowMarks.h"
#include "editor/SelectionRange.h"
#include "language/Reference.h"
#include "platform/qt/QtControlHost.h"
#include "studio/build/BuildOutput.h"
#include "studio/language/CompletionPopup.h"
#include "studio/language/EditorLanguage.h"
#include "studio/language/LanguageService.h"
#include "studio/language/OutlinePanel.h"
#include "studio/language/ProblemsPanel.h"
#include "studio/language/ReferencePanel.h"
#include "studio/language/SymbolChooser.h"
#include "studio/settings/UserSettings.h"

namespace {
struct LanguageFixture : StudioFixture {
  TLanguageService* Service() { return Form.Language(); }
  TEditorLanguage* Open(const QString& Name, const QByteArray& Text) {
    TCodeFRM* Code = Form.OpenSourceFile(Write(Name, Text), Name);
    TEditorLanguage* Language = TLanguageService::LanguageOf(Code);
    Language->Settle();
    return Language;
  }
  static void Caret(TEditorLanguage* L, int Line, int Column) { L->GoTo(Line, Column); }
  static QPoint PointOf(TEditorLanguage* L, int Line, int Column) {
    TMCRange Range;
    Range.SetEditor(L->Editor());
    Range.SetRStart(L->Editor()->CellToCharIdx(TextCell(Line, Column)));
    Range.SetREnd(Range.RStart());
    const TPoint P = Range.StartPoint();
    return QPoint(P.X + 2, P.Y + 3);
  }
  static QString Outline(const std::vector<TDeclaration>& Declarations) {
    QStringList Parts;
    for (const TDeclaration& D : Declarations) Parts << QStringLiteral("%1 %2 %3").arg(D.Kind, D.Name).arg(D.Line);
    return Parts.join(QStringLiteral(", "));
  }
};
}  // namespace

TEST(Language, HoverShowsTheReferenceAfterHalfASecond) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "  mov al, 300\r\n// div\r\n");
  EXPECT_TRUE(L->HoverTextAt(S.PointOf(L, 1, 4)).contains("mov (instruction): Copies"));
  EXPECT_TRUE(L->HoverTextAt(S.PointOf(L, 1, 11)).startsWith("Error: 300 does not fit in al (8 bits)"));
  EXPECT_EQ(L->HoverTextAt(S.PointOf(L, 2, 5)), QString());  // a comment has no entries
  QWidget* Client = L->Host()->viewport();
  QTest::mouseMove(Client, S.PointOf(L, 1, 4));
  QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 2000);
  EXPECT_TRUE(QToolTip::text().contains("Forms: mov r/m8, r8")) << QToolTip::text().toStdString();
  // The window's own tool tip event over the text, as Qt sends it a little later, leaves it be.
  QTest::qWait(800);
  const QPoint Over = S.PointOf(L, 1, 4);
  QHelpEvent Help(QEvent::ToolTip, Over, Client->mapToGlobal(Over));
  QApplication::sendEvent(Client, &Help);
  ASSERT_TRUE(QToolTip::isVisible());
  EXPECT_TRUE(QToolTip::text().contains("Forms: mov r/m8, r8"));
  QDir().mkpath(QCoreApplication::applicationDirPath() + "/screenshots");
  for (QWidget* Top : QApplication::topLevelWidgets())
    if (Top->inherits("QTipLabel") && Top->isVisible())
      Top->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/language-tooltip.png");
}

TEST(Language, F1OpensTheReferenceAtTheWordAndSearchesAllEntries) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "xor eax, eax\r\ndiv ecx\r\n");
  S.Caret(L, 2, 2);
  S.Service()->Reference1->trigger();
  EXPECT_TRUE(S.Service()->ReferenceDock->isVisible());
  TReferencePanel* Panel = S.Service()->ReferencePanel();
  EXPECT_EQ(Panel->SearchField()->text(), "div");
  EXPECT_TRUE(Panel->Details()->toPlainText().contains("Faults on a zero divisor"));
  Panel->SearchField()->setText("carry");
  EXPECT_GT(Panel->Matches()->count(), 5);
  EXPECT_EQ(S.Service()->Reference1->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST(Language, OutlineFollowsTypingAndMarksTheEnclosingDeclaration) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "program Demo;\r\nprocedure Draw {\r\n  nop\r\n}\r\n");
  S.Caret(L, 4, 2);
  auto* Host = L->Host();
  QTest::keyClicks(Host, "\rfunction Area\rdone:");
  QTest::keyClick(Host, Qt::Key_Return);
  S.Caret(L, 1, 1);
  QTest::keyClicks(Host, "/* ");  // the comment hides everything below it...
  L->Settle();
  EXPECT_EQ(S.Outline(L->Declarations()), "");
  QTest::keyClick(Host, Qt::Key_Backspace);
  QTest::keyClick(Host, Qt::Key_Backspace);
  QTest::keyClick(Host, Qt::Key_Backspace);  // ...until it goes again
  L->Settle();
  TSourceModel Fresh(TReference::Standard());
  Fresh.SetText(L->Editor()->Text());
  EXPECT_EQ(S.Outline(L->Declarations()), S.Outline(Fresh.Declarations()));
  EXPECT_EQ(S.Outline(L->Declarations()), "program Demo 1, procedure Draw 2, function Area 5, label done 6");
  S.Caret(L, 3, 3);
  QTRY_VERIFY(S.Service()->OutlinePanel()->Marked().startsWith("Draw"));
  S.Caret(L, 6, 1);
  QTRY_VERIFY(S.Service()->OutlinePanel()->Marked().startsWith("Area"));
  EXPECT_EQ(S.Service()->OutlinePanel()->topLevelItemCount(), 3);
  S.Form.resize(900, 560);
  S.Form.grab().save(QCoreApplication::applicationDirPath() + "/screenshots/language-outline.png");
}

TEST(Language, GoToDefinitionAcrossFilesWithAChooserForSeveral) {
  LanguageFixture S;
  S.Write("lib.yor", "// helpers\r\nprocedure Draw {\r\n}\r\nfunction Twice {\r\n}\r\n");
  S.Write("more.yor", "function twice {\r\n}\r\n");
  S.Dialogs.FileAnswers = {S.Write("p.ypr", "main.yor\r\nlib.yor\r\nmore.yor\r\n")};
  S.Write("main.yor", "call Draw\r\ncall Twice\r\n");
  S.Form.OpenProject1Click();
  TLanguageService* Service = S.Service();
  // The files not open are read in the background.
  QTRY_VERIFY_WITH_TIMEOUT(Service->Index().Declares("Draw") && Service->Index().Declares("twice"), 5000);
  TEditorLanguage* Main = TLanguageService::LanguageOf(S.Form.ActiveCodeForm());
  ASSERT_NE(Main, nullptr);
  S.Caret(Main, 1, 7);
  Service->GoToDefinition1->trigger();
  TEditorLanguage* Lib = TLanguageService::LanguageOf(S.Form.ActiveCodeForm());
  ASSERT_NE(Lib, Main);
  EXPECT_TRUE(Lib->File().endsWith("lib.yor"));
  EXPECT_EQ(Lib->CaretLine(), 2);
  // Ctrl+click on a name declared twice offers both.
  QTest::mouseClick(Main->Host()->viewport(), Qt::LeftButton, Qt::ControlModifier, S.PointOf(Main, 2, 7));
  ASSERT_NE(Service->Chooser(), nullptr);
  EXPECT_EQ(Service->Chooser()->List()->count(), 2);
  Service->Chooser()->List()->setCurrentRow(1);
  Service->Chooser()->ChooseCurrent();
  EXPECT_TRUE(S.Form.ActiveCodeForm()->strFile.endsWith("more.yor"));
  // Go to Symbol filters as the user types.
  Service->GoToSymbol1->trigger();
  ASSERT_NE(Service->Chooser(), nullptr);
  EXPECT_EQ(Service->Chooser()->List()->count(), 3);
  QTest::keyClicks(Service->Chooser()->Filter(), "dr");
  EXPECT_EQ(Service->Chooser()->List()->count(), 1);
  Service->Chooser()->close();
}

// Indenting a declaration moves only its column; the index must follow it too.
TEST(Language, GoToDefinitionFindsADeclarationMovedAlongItsLine) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "procedure Draw {\r\n}\r\ncall Draw\r\n");
  S.Caret(L, 1, 1);
  QTest::keyClicks(L->Host(), "  ");
  L->Settle();
  S.Caret(L, 3, 7);
  S.Service()->GoToDefinition1->trigger();
  EXPECT_EQ(L->Editor()->SelStart() + 1, L->Editor()->CellToCharIdx(TextCell(1, 13)));
}

// The index keys files by their clean path; a window opened by another spelling of it
// must still know its own declarations for its own.
TEST(Language, ARoutineIsNoDuplicateOfItselfWhateverThePathsSpelling) {
  LanguageFixture S;
  const QString Path = S.Write("a.yor", "procedure P {\r\n}\r\n");
  TCodeFRM* Code = S.Form.OpenSourceFile(QFileInfo(Path).path() + "/./a.yor", "a.yor");
  TEditorLanguage* L = TLanguageService::LanguageOf(Code);
  L->Settle();
  EXPECT_TRUE(L->Problems().empty()) << L->Problems()[0].Message.toStdString();
}

TEST(Language, CompletionAcceptsAsOneUndoStepAndLeavesKeysAloneOtherwise) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "procedure PushAll {\r\n}\r\n");
  auto* Host = L->Host();
  S.Caret(L, 2, 2);
  QTest::keyClick(Host, Qt::Key_Return);
  QTest::keyClicks(Host, "pu");
  QTRY_VERIFY(L->Popup()->isVisible());
  EXPECT_EQ(L->Popup()->CurrentWord(), "push");
  S.Form.resize(900, 560);
  S.Form.grab().save(QCoreApplication::applicationDirPath() + "/screenshots/language-completion-window.png");
  L->Popup()->grab().save(QCoreApplication::applicationDirPath() + "/screenshots/language-completion.png");
  QTest::keyClick(Host, Qt::Key_Down);
  QTest::keyClick(Host, Qt::Key_Down);  // push, pushad, PushAll
  QTest::keyClick(Host, Qt::Key_Return);
  EXPECT_FALSE(L->Popup()->isVisible());
  EXPECT_EQ(L->LineText(3), "PushAll");
  L->Editor()->Undo();
  EXPECT_EQ(L->LineText(3), "pu");
  // Esc closes; with no list, Tab indents as ever.
  L->Complete(false);
  ASSERT_TRUE(L->Popup()->isVisible());
  QTest::keyClick(Host, Qt::Key_Escape);
  EXPECT_FALSE(L->Popup()->isVisible());
  S.Caret(L, 3, 1);
  QTest::keyClick(Host, Qt::Key_Tab);
  EXPECT_EQ(L->LineText(3), "\tpu");
  // Switched off, typing opens nothing; Ctrl+Space still does.
  UserSettings()->setValue("editor/autoComplete", false);
  S.Caret(L, 3, 4);
  QTest::keyClicks(Host, "s");
  QTest::qWait(50);
  EXPECT_FALSE(L->Popup()->isVisible());
  S.Service()->CompleteWord1->trigger();
  EXPECT_TRUE(L->Popup()->isVisible());
  UserSettings()->remove("editor/autoComplete");
}

TEST(Language, ProblemsAreListedAndADoubleClickGoesThere) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "procedure P {\r\n  mov al, ebx\r\n  call Nowhere\r\n  mov al, 300\r\n");
  QTRY_COMPARE(S.Service()->ProblemsPanel()->topLevelItemCount(), 4);
  TProblemsPanel* Panel = S.Service()->ProblemsPanel();
  EXPECT_EQ(Panel->topLevelItem(0)->text(1), "\"{\" is never closed");
  EXPECT_EQ(Panel->topLevelItem(2)->text(0), "Warning");
  S.Caret(L, 1, 1);
  emit Panel->itemActivated(Panel->topLevelItem(3), 0);
  EXPECT_EQ(L->CaretLine(), 4);
  EXPECT_EQ(L->Editor()->SelStart() + 1, L->Editor()->CellToCharIdx(TextCell(4, 11)));
  // Fixing the text clears its problem after the pause.
  S.Caret(L, 4, 11);
  QTest::keyClick(L->Host(), Qt::Key_Delete);
  QTRY_COMPARE(Panel->topLevelItemCount(), 3);
  S.Form.resize(900, 560);
  S.Form.grab().save(QCoreApplication::applicationDirPath() + "/screenshots/language-problems.png");
}

// The work after a pause takes several turns of the event loop on a long text; typing again
// drops it, and only what the last text has is shown in the end.
TEST(Language, TypingDuringTheWorkAfterAPauseStartsItOver) {
  LanguageFixture S;
  QByteArray Text;
  for (int I = 0; I < 20000; ++I) Text += "  mov eax, ebx\r\n";
  TEditorLanguage* L = S.Open("a.yor", Text);
  ASSERT_TRUE(L->Problems().empty());
  S.Caret(L, 10000, 7);
  L->Editor()->Selection()->SetText("al, 300 //");  // no row comes or goes
  EXPECT_TRUE(L->Working());
  QTRY_VERIFY_WITH_TIMEOUT(!L->Working(), 20000);
  ASSERT_EQ(L->Problems().size(), 1u);
  L->Editor()->Undo();
  QTest::qWait(TEditorLanguage::SettleMilliseconds + 20);  // the work has begun...
  L->Editor()->Redo();  // ...and the text changes under it
  QTRY_VERIFY_WITH_TIMEOUT(!L->Working(), 20000);
  ASSERT_EQ(L->Problems().size(), 1u);
  EXPECT_EQ(L->Problems()[0].Line, 10000);
  L->Editor()->Undo();
  QTRY_VERIFY_WITH_TIMEOUT(!L->Working(), 20000);
  EXPECT_TRUE(L->Problems().empty()) << L->Problems()[0].Message.toStdString();
}

TEST(Language, ProblemsMarkTheirRowsInTheGutterAndLeaveTheBuildsMarks) {
  LanguageFixture S;
  TEditorLanguage* L = S.Open("a.yor", "  nop\r\n  mov eax, (ebx\r\n  nop\r\n");
  TSourceEdit* E = L->Editor();
  TRowMarks& Marks = *E->RowMarks();
  Marks.Add(TBuildOutput::MarkOwner, 3, TRowMarkKind::Warning, "warning: from the build");
  ASSERT_EQ(L->Problems().size(), 1u);
  const QString Message = L->Problems()[0].Message;
  EXPECT_EQ(Message, "\"(\" is never closed");
  EXPECT_EQ(Marks.MessagesAt(2), Message);
  TRowMarkKind Kind;
  ASSERT_TRUE(Marks.KindAt(2, Kind));
  EXPECT_EQ(Kind, TRowMarkKind::Error);

  // The row's tool tip, through the window's own tool tip handling.
  QWidget* Client = L->Host()->viewport();
  const QPoint Gutter(E->LeftMargin() / 2, E->TopMargin() + E->FontHeight + E->FontHeight / 2);
  QHelpEvent Help(QEvent::ToolTip, Gutter, Client->mapToGlobal(Gutter));
  QApplication::sendEvent(Client, &Help);
  EXPECT_TRUE(QToolTip::isVisible());
  EXPECT_EQ(QToolTip::text(), Message);
  QToolTip::hideText();
  S.Form.resize(900, 560);
  S.Form.grab().save(QCoreApplication::applicationDirPath() + "/screenshots/language-problem-marks.png");

  // Retyping the row takes its mark; the recheck puts it back though the problem is the same.
  E->SetSelStart(E->CellToCharIdx(TextCell(2, 1)) - 1);
  E->SetSelLength(E->LineLength(2));
  E->Selection()->SetText("  mov eax, (ebx");
  EXPECT_EQ(Marks.MessagesAt(2), "");
  L->Settle();
  EXPECT_EQ(Marks.MessagesAt(2), Message);

  // Fixed, the mark goes; the build's stays.
  S.Caret(L, 2, 16);
  QTest::keyClicks(L->Host(), ")");
  L->Settle();
  EXPECT_TRUE(L->Problems().empty());
  EXPECT_EQ(Marks.MessagesAt(2), "");
  EXPECT_EQ(Marks.MessagesAt(3), "warning: from the build");
  EXPECT_EQ(Marks.Count(), 1);
}
