// The declarations an open window reads from its editor's syntax chain equal those the line
// reader finds in the same text, which files that are not open are read with.
#include <gtest/gtest.h>

#include "language/ChainDeclarations.h"
#include "language/Reference.h"
#include "language/SourceModel.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

namespace {
QString Outline(const std::vector<TDeclaration>& Declarations) {
  QStringList Parts;
  for (const TDeclaration& D : Declarations)
    Parts << QStringLiteral("%1 %2 %3:%4").arg(D.Kind, D.Name).arg(D.Line).arg(D.Column);
  return Parts.join(QStringLiteral(", "));
}

QString FromChain(const QString& Text) {
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  Editor.SetText(Text);
  std::vector<TDeclaration> All;
  TChainDeclarations Chain(Editor);
  for (int Row = 1; Row <= Editor.LineCount(); ++Row) {
    const QString Line = Editor.TextRange(Editor.CellToCharIdx(TextCell(Row, 1)), Editor.LineLength(Row));
    for (const TDeclaration& D : Chain.Of(Row, Line)) All.push_back(D);
  }
  return Outline(All);
}

QString FromReader(const QString& Text) {
  TSourceModel Model(TReference::Standard());
  Model.SetText(Text);
  return Outline(Model.Declarations());
}
}  // namespace

TEST(ChainDeclarations, EqualWhatTheLineReaderFinds) {
  const struct {
    const char* Text;
    const char* Expected;
  } Cases[] = {
      {"program Demo;\r\nprocedure Draw(x: int32) {\r\n", "program Demo 1:9, procedure Draw 2:11"},
      {"function Area; class Shape\r\nmacro M\r\nblock B\r\n",
       "function Area 1:10, class Shape 1:22, macro M 2:7, block B 3:7"},
      {"PROCEDURE Upper\r\n\tprocedure  \t Tabbed\r\n", "procedure Upper 1:11, procedure Tabbed 2:15"},
      {"procedure mov\r\nprocedure P procedure Q\r\n", "procedure mov 1:11, procedure P 2:11, procedure Q 2:23"},
      {"again: mov al, 1\r\n  done:\r\nmov: nop\r\nx:[ebx]\r\n",
       "label again 1:1, label done 2:3, label mov 3:1, label x 4:1"},
      {"x := 1\r\na::b\r\nx :\r\n  mov eax, y: \r\n", ""},
      {"procedure\r\nFoo\r\nprocedure(P)\r\nprocedure.P\r\nprocedure $x\r\nprocedure 1x\r\n", ""},
      {"// procedure P\r\ns := 'procedure Q'\r\n#procedure R\r\n", ""},
      {"/* procedure P\r\nprocedure Q */ procedure R\r\nstart: // c\r\n", "procedure R 2:26, label start 3:1"},
      {"s := 'open\r\nprocedure Q'\r\nprocedure /*c*/ S\r\nprocedure #d T\r\n", ""},
      {"proc\xc3\xa9" "dure X\r\nprocedure \xc3\xa9 Y\r\nl\xc3\xa9: nop\r\n", "procedure Y 2:13"},
      {"x://c\r\ny:/*c*/\r\nz:'s'\r\nprocedure P // tail\r\n",
       "label x 1:1, label y 2:1, label z 3:1, procedure P 4:11"},
  };
  for (const auto& Case : Cases) {
    const QString Text = QString::fromUtf8(Case.Text);
    SCOPED_TRACE(Case.Text);
    EXPECT_EQ(FromChain(Text), FromReader(Text));
    EXPECT_EQ(FromChain(Text), QString::fromUtf8(Case.Expected));
  }
}
