// Automatic indentation through the control's key step: Enter keeps the indentation, the
// block-opening character inserts a block, both before the control's own typing.
#include <gtest/gtest.h>

#include "SourceEditFixture.h"
#include "editor/SelectionRange.h"

TEST(AutoIndent, KeysThroughTheRules) {
  struct {
    const char* What;
    QString Text;
    int Caret, SelLength;
    QChar Key;
    bool Indent, Block, ReadOnly;
    QString After;
    int CaretAfter;
    QChar Seen;  // what the editor's OnKeyPress handler receives
  } Cases[] = {
      {"Enter after an indented instruction", "    mov eax", 12, 0, u'\r', true, false, false,
       "    mov eax\r\n    ", 18, QChar()},
      {"Enter inside the indentation", "    mov", 3, 0, u'\r', true, false, false, "  \r\n    mov",
       7, QChar()},
      {"Enter at the start of a row", "a\r\n  b", 4, 0, u'\r', true, false, false, "a\r\n\r\n  b",
       6, QChar()},
      {"a tab and a space pass on as they are", "\t mov", 6, 0, u'\r', true, false, false,
       "\t mov\r\n\t ", 10, QChar()},
      {"Enter over a selection", "  ab cd", 4, 3, u'\r', true, false, false, "  a\r\n  d", 8,
       QChar()},
      {"Enter without the rule", "    mov", 8, 0, u'\r', false, false, false, "    mov\r\n", 10,
       u'\r'},
      {"the block rule", "    if x", 9, 0, u'{', true, true, false, "    if x{\r\n\r\n    }", 12,
       QChar()},
      {"a brace without the block rule", "    if x", 9, 0, u'{', true, false, false, "    if x{",
       10, u'{'},
      {"a closing brace is typed", "  x", 4, 0, u'}', true, true, false, "  x}", 5, u'}'},
      {"other keys are typed", "  x", 4, 0, u'y', true, true, false, "  xy", 5, u'y'},
      {"Enter ignores read-only", "  x", 4, 0, u'\r', true, true, true, "  x\r\n  ", 8, QChar()},
      {"the block ignores read-only", "  x", 4, 0, u'{', true, true, true, "  x{\r\n\r\n  }", 7,
       QChar()},
      {"read-only refuses other keys", "  x", 4, 0, u'y', true, true, true, "  x", 4, u'y'},
  };
  for (const auto& Case : Cases) {
    TYorelEdit E(Case.Text);
    E.SetAutoIndent(Case.Indent);
    E.SetAutoIndentIncrease(Case.Block);
    E.SetSelStart(Case.Caret - 1);
    E.SetSelLength(Case.SelLength);
    E.SetReadOnly(Case.ReadOnly);
    QChar Seen = u'?';
    E.OnKeyPress = [&](TObject*, QChar& Key) { Seen = Key; };
    QChar Key = Case.Key;
    E.HandleKeyPress(Key);
    EXPECT_EQ(E.Text(), Case.After) << Case.What;
    EXPECT_EQ(E.Selection()->CursorPos(), Case.CaretAfter) << Case.What;
    EXPECT_EQ(E.SelLength(), 0) << Case.What;
    EXPECT_EQ(Seen, Case.Seen) << Case.What;
  }
}

TEST(AutoIndent, EachRuleIsOneUndoableReplacementThatIsRescanned) {
  TYorelEdit E("  ab cd");
  E.SetAutoIndentIncrease(true);
  E.SetSelStart(3);
  E.SetSelLength(3);
  QChar Enter = u'\r';
  E.HandleKeyPress(Enter);
  E.Undo();
  EXPECT_EQ(E.Text(), "  ab cd");
  E.SetSelStart(2);
  QChar Brace = u'{';
  E.HandleKeyPress(Brace);
  EXPECT_EQ(Chain(E).mid(0, 3), (QStringList{"normal:   ", "symbol: {", "normal: \r\n\r\n  "}));
  EXPECT_EQ(E.FirstBrokenSyntaxRange(), nullptr);
  E.Undo();
  EXPECT_EQ(E.Text(), "  ab cd");
}

TEST(AutoIndent, OtherBlockCharacters) {
  TYorelEdit E("x");
  E.SetAutoIndentIncreaseStart(u'[');
  E.SetAutoIndentIncreaseEnd(u']');
  E.SetSelStart(1);
  QChar Key = u'[';
  E.HandleKeyPress(Key);
  EXPECT_EQ(E.Text(), "x[\r\n\r\n]");
  QChar Brace = u'{';
  E.HandleKeyPress(Brace);
  EXPECT_EQ(E.Text(), "x[\r\n{\r\n]");
  // A key that the Enter rule consumed never opens a block, whatever the block character.
  E.SetAutoIndentIncreaseStart(QChar());
  QChar Enter = u'\r';
  E.HandleKeyPress(Enter);
  EXPECT_EQ(E.Text(), "x[\r\n{\r\n\r\n]");
}
