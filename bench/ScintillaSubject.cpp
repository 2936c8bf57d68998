/** @file ScintillaSubject.cpp
 ** QScintilla with its closest lexer given the language's word lists. **/
#include "BenchSubject.h"

#ifdef YOREL_BENCH_SCINTILLA
#include <Qsci/qscilexercpp.h>
#include <Qsci/qsciscintilla.h>

#include "YorelWords.h"

namespace {
class TYorelLexer : public QsciLexerCPP {
 public:
  TYorelLexer()
      : Words(YorelKeywords().join(u' ').toLatin1()),
        Registers(YorelRegisters().join(u' ').toLatin1()) {}
  const char* keywords(int Set) const override {
    if (Set == 1) return Words.constData();
    if (Set == 2) return Registers.constData();
    return nullptr;
  }

 private:
  QByteArray Words, Registers;
};

class TScintillaSubject : public TBenchSubject {
 public:
  TScintillaSubject() {
    Edit.setUtf8(true);
    Edit.setLexer(&Lexer);
    // Yorel has no C preprocessor and the studio does not fold.
    Edit.SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "lexer.cpp.track.preprocessor", "0");
    Edit.SendScintilla(QsciScintillaBase::SCI_SETPROPERTY, "fold", "0");
    Edit.setMarginType(0, QsciScintilla::NumberMargin);
    Edit.setMarginWidth(0, 50);
    Edit.resize(1000, 700);
    Edit.show();
  }
  ~TScintillaSubject() override { Edit.setLexer(nullptr); }
  // The file's bytes go in as they are: a UTF-8 editor needs no round trip through UTF-16.
  void Load(const QByteArray& Utf8) override {
    Edit.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, Utf8.constData());
    FinishColouring();
    Repaint();
  }
  void FinishColouring() override { Edit.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1); }
  void GoToLine(int Line) override { Edit.setCursorPosition(Line, 0); }
  QWidget* KeyTarget() override { return &Edit; }
  void Repaint() override { Edit.viewport()->repaint(); }
  int Length() override { return Edit.length(); }
  void Undo() override { Edit.undo(); }
  // As the editor works: it restyles what it paints, the rest when it is scrolled to.
  void InsertAtLine(int Line, const QString& Text) override {
    Edit.insertAt(Text, Line, 0);
    Repaint();
  }
  void RemoveAtLine(int Line, int Count) override {
    Edit.setSelection(Line, 0, Line, Count);
    Edit.removeSelectedText();
    Repaint();
  }

 private:
  QsciScintilla Edit;
  TYorelLexer Lexer;
};
}  // namespace

std::unique_ptr<TBenchSubject> MakeScintillaSubject() {
  return std::make_unique<TScintillaSubject>();
}
#else
std::unique_ptr<TBenchSubject> MakeScintillaSubject() {
  return nullptr;
}
#endif
