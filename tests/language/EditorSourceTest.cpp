// A model following an editor's replacements, read after one or several of them, equals a
// model of the editor's text read afresh; its declarations, read from the syntax chain, equal
// those the line reader finds.
#include <gtest/gtest.h>

#include <QRandomGenerator>

#include "editor/SelectionRange.h"
#include "language/EditorSource.h"
#include "language/Reference.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

namespace {
QString Facts(const TSourceModel& Model) {
  QStringList Parts;
  for (const TDeclaration& D : Model.Declarations()) Parts << QStringLiteral("%1 %2 %3").arg(D.Kind, D.Name).arg(D.Line);
  for (const TProblem& P : Model.LineProblems()) Parts << QStringLiteral("E%1:%2").arg(P.Line).arg(P.Column);
  for (const TTargetUse& T : Model.Targets()) Parts << QStringLiteral("T%1 %2").arg(T.Name).arg(T.Line);
  Parts << QString::number(int(Model.StateAtEnd())) << QString::number(Model.LineCount());
  return Parts.join(QStringLiteral(", "));
}
}  // namespace

TEST(EditorSource, FollowsRandomReplacementsAndUndo) {
  const quint32 Seed = QRandomGenerator::global()->generate();
  SCOPED_TRACE(testing::Message() << "seed " << Seed);
  QRandomGenerator Random(Seed);
  TSourceEdit Editor;
  LoadStoredSettings(Editor, YorelEditorSettings);
  Editor.SetText(QStringLiteral("program P;\r\nprocedure Q {\r\n  mov al, 300\r\n}\r\n"));
  TEditorSource Source(&Editor, TReference::Standard());
  const QStringList Pieces = {QStringLiteral("\r\n"), QStringLiteral("procedure R"), QStringLiteral("/*"),
                              QStringLiteral("*/"), QStringLiteral("'"), QStringLiteral("x: "),
                              QStringLiteral("call y\r\nmov al, ebx"), QStringLiteral("#d"), QStringLiteral(" ")};
  for (int Step = 0; Step < 600; ++Step) {
    if (Random.bounded(8) == 0 && Editor.CanUndo()) {
      Editor.Undo();
    } else {
      const int Start = Random.bounded(Editor.TextLength() + 1);
      Editor.SetSelStart(Start);
      Editor.SetSelLength(std::min(static_cast<int>(Random.bounded(6)), Editor.TextLength() - Start));
      Editor.Selection()->SetText(Random.bounded(4) == 0 ? QString() : Pieces[Random.bounded(Pieces.size())]);
    }
    if (Random.bounded(3) != 0) {  // replacements pile up, some over a read left half done
      if (Random.bounded(4) == 0) Source.Read(1);
      continue;
    }
    if (Random.bounded(2)) {
      while (!Source.Read(1 + Random.bounded(3))) {
      }
    } else {
      Source.Sync();
    }
    ASSERT_FALSE(Source.Changed());
    TSourceModel Fresh(TReference::Standard());
    Fresh.SetText(Editor.Text());
    ASSERT_EQ(Facts(Source.Model()), Facts(Fresh)) << "step " << Step;
  }
}
