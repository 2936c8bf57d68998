/** @file YorelSubject.cpp
 ** Our editor as the studio's editor windows configure it, in its Qt window. **/
#include "BenchSubject.h"
#include "editor/SelectionRange.h"
#include "platform/core/TextFile.h"
#include "platform/qt/QtControlHost.h"
#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"

namespace {
class TYorelSubject : public TBenchSubject {
 public:
  TYorelSubject() {
    LoadStoredSettings(Editor, YorelEditorSettings);
    Editor.SetScrollBars(TScrollStyle::ssBoth);
    Editor.SetLeftMargin(50);
    Editor.SetTabSize(4);
    Editor.SetAlwaysShowCaret(true);
    Editor.Font()->SetName(QStringLiteral("Courier New"));
    Editor.Font()->SetHeight(-13);
    Host = std::make_unique<TQtControlHost>(&Editor);
    Host->resize(1000, 700);
    Host->show();
  }
  ~TYorelSubject() override { Host.reset(); }

  void Load(const QByteArray& Utf8) override {
    Editor.Lines()->SetText(DecodeText(Utf8));
    FinishColouring();
    Repaint();
  }
  // A big text is otherwise coloured in slices from the event loop after the first screen.
  void FinishColouring() override { Editor.FinishSyntaxScan(); }
  void GoToLine(int Line) override {
    Editor.SetSelStart(Editor.CellToCharIdx(TextCell(Line + 1, 1)) - 1);
  }
  QWidget* KeyTarget() override { return Host.get(); }
  void Repaint() override { Host->viewport()->repaint(); }
  void RepaintAll() override {
    Host->Invalidate();
    Host->viewport()->repaint();
  }
  int Length() override { return Editor.TextLength(); }
  void Undo() override { Editor.Undo(); }
  void InsertAtLine(int Line, const QString& Text) override {
    GoToLine(Line);
    Editor.Selection()->SetText(Text);
    Repaint();
  }
  void RemoveAtLine(int Line, int Count) override {
    GoToLine(Line);
    Editor.SetSelLength(Count);
    Editor.Selection()->SetText(QString());
    Repaint();
  }

 private:
  TSourceEdit Editor;
  std::unique_ptr<TQtControlHost> Host;
};
}  // namespace

std::unique_ptr<TBenchSubject> MakeYorelSubject() {
  return std::make_unique<TYorelSubject>();
}
