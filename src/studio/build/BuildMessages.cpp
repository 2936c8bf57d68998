/** @file BuildMessages.cpp **/
#include "studio/build/BuildMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "platform/core/Paths.h"

namespace {
constexpr int KnownFilesLimit = 4096;
constexpr int LongestFileName = 4096;

const QRegularExpression& ParenForm() {
  static const QRegularExpression Re(
      QStringLiteral(R"(^\s*(.+?)\((\d+)(?:\s*,\s*(\d+))?\)\s*:\s*(.*)$)"));
  return Re;
}

const QRegularExpression& ColonForm() {
  static const QRegularExpression Re(QStringLiteral(R"(^\s*(.+?):(\d+):(?:(\d+):)?\s*(.*)$)"));
  return Re;
}

const QRegularExpression& LineForm() {
  static const QRegularExpression Re(QStringLiteral(R"(^\s*(\d+)\s*:\s*(.*)$)"));
  return Re;
}

const QRegularExpression& KindWord() {
  static const QRegularExpression Re(QStringLiteral(R"(^(?:fatal\s+)?(error|warning|note)\b)"),
                                     QRegularExpression::CaseInsensitiveOption);
  return Re;
}

TRowMarkKind KindOf(const QString& Message) {
  const QRegularExpressionMatch Match = KindWord().match(Message);
  if (!Match.hasMatch()) return TRowMarkKind::Error;
  const QString Word = Match.captured(1).toLower();
  if (Word == u"warning") return TRowMarkKind::Warning;
  if (Word == u"note") return TRowMarkKind::Note;
  return TRowMarkKind::Error;
}

int Number(const QString& Digits) {
  bool Ok = false;
  const int Value = Digits.toInt(&Ok);
  return Ok && Value > 0 ? Value : 1;
}
}  // namespace

TBuildMessageParser::TBuildMessageParser(const QString& Folder) : FFolder(Folder) {}

QString TBuildMessageParser::ExistingFile(const QString& Name) {
  const QString Trimmed = Name.trimmed();
  if (Trimmed.isEmpty() || Trimmed.size() > LongestFileName) return QString();
  if (const auto It = FKnown.constFind(Trimmed); It != FKnown.constEnd()) return *It;
  const QString Native = NativePath(Trimmed);
  const QString Path =
      QDir::cleanPath(QDir::isRelativePath(Native) ? QDir(FFolder).filePath(Native) : Native);
  const QString Found = FileExists(Path) ? Path : QString();
  if (FKnown.size() >= KnownFilesLimit) FKnown.clear();
  FKnown.insert(Trimmed, Found);
  return Found;
}

std::optional<TBuildMessage> TBuildMessageParser::Parse(const QString& Line) {
  auto Make = [&](const QString& File, const QString& Row, const QString& Col,
                  const QString& Text) {
    TBuildMessage Message;
    Message.File = File;
    Message.Line = Number(Row);
    Message.Column = Col.isEmpty() ? 1 : Number(Col);
    Message.Text = Text.trimmed();
    Message.Kind = KindOf(Message.Text);
    return Message;
  };
  if (Line.contains(u':')) {
    for (const QRegularExpression* Form : {&ParenForm(), &ColonForm()}) {
      const QRegularExpressionMatch Match = Form->match(Line);
      if (!Match.hasMatch()) continue;
      const QString File = ExistingFile(Match.captured(1));
      if (File.isEmpty()) continue;
      FNamedFile.clear();
      return Make(File, Match.captured(2), Match.captured(3), Match.captured(4));
    }
    if (!FNamedFile.isEmpty()) {
      const QRegularExpressionMatch Match = LineForm().match(Line);
      if (Match.hasMatch()) return Make(FNamedFile, Match.captured(1), QString(), Match.captured(2));
    }
  }
  // A line that names a file on its own (a trailing colon allowed) starts a group of
  // "LINE: MESSAGE" lines; an indented line continues the group, anything else ends it.
  QString Name = Line.trimmed();
  if (Name.endsWith(u':')) Name.chop(1);
  if (!Name.isEmpty() && !Name.contains(u':') && (Name.contains(u'.') || Name.contains(u'/'))) {
    const QString File = ExistingFile(Name);
    if (!File.isEmpty()) {
      FNamedFile = File;
      return std::nullopt;
    }
  }
  if (!Line.startsWith(u' ') && !Line.startsWith(u'\t')) FNamedFile.clear();
  return std::nullopt;
}
