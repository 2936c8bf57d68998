/** @file PlainTextSubject.cpp
 ** QPlainTextEdit with a QSyntaxHighlighter that colours the same kinds of text. **/
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>

#include "BenchSubject.h"
#include "YorelWords.h"

namespace {
class TYorelHighlighter : public QSyntaxHighlighter {
 public:
  explicit TYorelHighlighter(QTextDocument* Document) : QSyntaxHighlighter(Document) {
    auto Rule = [this](const QString& Pattern, QColor Color, bool Bold = false) {
      QTextCharFormat Format;
      Format.setForeground(Color);
      if (Bold) Format.setFontWeight(QFont::Bold);
      Rules.push_back(
          {QRegularExpression(Pattern, QRegularExpression::CaseInsensitiveOption), Format});
    };
    Rule(QStringLiteral("[!\"%&'*+,\\-./:;<=>?@\\[\\\\\\]^{|}~]+"), QColor(0, 0, 128));
    Rule(QStringLiteral("[()]"), QColor(0, 0, 128));
    Rule(QStringLiteral("(?<![\\w$#])[0-9$#][\\w$#]*"), QColor(0, 0, 128));
    Rule(QStringLiteral("\\b(") + YorelKeywords().join(u'|') + QStringLiteral(")\\b"),
         QColor(0, 1, 255));
    Rule(QStringLiteral("\\b(") + YorelRegisters().join(u'|') + QStringLiteral(")\\b"),
         QColor(255, 1, 0));
    Rule(QStringLiteral("#\\S*\\s?"), QColor(128, 1, 0));
    Rule(QStringLiteral("'(\\\\.|[^'])*'"), QColor(1, 0, 128));
    Rule(QStringLiteral("//.*"), QColor(1, 128, 0));
    Comment.setForeground(QColor(0, 128, 0));
  }

 protected:
  void highlightBlock(const QString& Text) override {
    for (const auto& [Pattern, Format] : Rules)
      for (auto It = Pattern.globalMatch(Text); It.hasNext();) {
        const auto Match = It.next();
        setFormat(static_cast<int>(Match.capturedStart()), static_cast<int>(Match.capturedLength()),
                  Format);
      }
    // Block comments span rows: the block state says whether a row starts inside one.
    setCurrentBlockState(0);
    qsizetype Start = previousBlockState() == 1 ? 0 : Text.indexOf(QStringLiteral("/*"));
    while (Start >= 0) {
      const qsizetype End = Text.indexOf(QStringLiteral("*/"), Start);
      const qsizetype Length = End < 0 ? Text.size() - Start : End - Start + 2;
      if (End < 0) setCurrentBlockState(1);
      setFormat(static_cast<int>(Start), static_cast<int>(Length), Comment);
      Start = End < 0 ? -1 : Text.indexOf(QStringLiteral("/*"), Start + Length);
    }
  }

 private:
  std::vector<std::pair<QRegularExpression, QTextCharFormat>> Rules;
  QTextCharFormat Comment;
};

class TPlainTextSubject : public TBenchSubject {
 public:
  TPlainTextSubject() {
    Edit.setFont(QFont(QStringLiteral("Courier New"), 10));
    Edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    Edit.resize(1000, 700);
    Edit.show();
  }
  void Load(const QByteArray& Utf8) override {
    Edit.setPlainText(QString::fromUtf8(Utf8));
    Highlighter = std::make_unique<TYorelHighlighter>(Edit.document());
    Highlighter->rehighlight();
    Repaint();
  }
  void GoToLine(int Line) override {
    QTextCursor Cursor(Edit.document()->findBlockByNumber(Line));
    Edit.setTextCursor(Cursor);
  }
  QWidget* KeyTarget() override { return &Edit; }
  void Repaint() override { Edit.viewport()->repaint(); }
  int Length() override { return Edit.document()->characterCount(); }
  void Undo() override { Edit.undo(); }
  void InsertAtLine(int Line, const QString& Text) override {
    GoToLine(Line);
    Edit.textCursor().insertText(Text);
    Repaint();
  }
  void RemoveAtLine(int Line, int Count) override {
    GoToLine(Line);
    QTextCursor Cursor = Edit.textCursor();
    Cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, Count);
    Cursor.removeSelectedText();
    Repaint();
  }

 private:
  QPlainTextEdit Edit;
  std::unique_ptr<TYorelHighlighter> Highlighter;
};
}  // namespace

std::unique_ptr<TBenchSubject> MakePlainTextSubject() {
  return std::make_unique<TPlainTextSubject>();
}
