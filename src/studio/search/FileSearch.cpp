/** @file FileSearch.cpp
 ** Listing, reading and searching the files. **/
#include "studio/search/FileSearch.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "platform/core/TextFile.h"

namespace {
// Enough of a file's start to tell binary data from text.
constexpr qsizetype BinaryProbe = 8000;
// A row longer than this is shown cut around the match.
constexpr int MaxShownRow = 400;

bool LooksBinary(const QByteArray& Bytes) {
  if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")) return false;
  return Bytes.left(BinaryProbe).contains('\0');
}

// The editor's store has CR LF line breaks; patterns are written for that. Equal numbers
// of CR and LF are not enough to leave a text as it is: "a\rb\nc" has one of each.
void UseStoreLineBreaks(QString& Text) {
  const qsizetype Pairs = Text.count(QStringLiteral("\r\n"));
  if (Text.count(u'\r') == Pairs && Text.count(u'\n') == Pairs) return;
  Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Text.replace(u'\r', u'\n');
  Text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}
}  // namespace

QStringList ListFolderFiles(const QString& Folder, const QString& Filter) {
  QStringList Patterns;
  for (const QString& Part : Filter.split(u';', Qt::SkipEmptyParts))
    Patterns << Part.trimmed();
  QStringList Files;
  QDirIterator It(Folder, Patterns, QDir::Files | QDir::Hidden,
                  QDirIterator::Subdirectories);
  while (It.hasNext())
    Files << It.next();
  std::sort(Files.begin(), Files.end());
  return Files;
}

std::vector<TLineMatch> FindLineMatches(const TSearchPattern& Pattern, QString Text) {
  UseStoreLineBreaks(Text);
  std::vector<TLineMatch> Result;
  int Row = 1;
  qsizetype RowStart = 0;
  qsizetype Counted = 0;
  Pattern.ForEachMatch(Text, 0, Text.size() + 1, [&](const TSearchMatch& M) {
    for (qsizetype I = Counted; I < M.Start; ++I) {
      if (Text[I] == u'\n') {
        ++Row;
        RowStart = I + 1;
      }
    }
    Counted = M.Start;
    qsizetype RowEnd = Text.indexOf(u'\r', M.Start);
    if (RowEnd < 0) RowEnd = Text.size();
    TLineMatch Line;
    Line.Row = Row;
    Line.Col = static_cast<int>(M.Start - RowStart) + 1;
    Line.Length = static_cast<int>(std::min(M.Length, RowEnd - M.Start));
    const qsizetype ShownStart = std::max(RowStart, M.Start - MaxShownRow / 2);
    Line.Line = Text.mid(ShownStart, std::min<qsizetype>(RowEnd - ShownStart, MaxShownRow));
    Line.Shown = static_cast<int>(M.Start - ShownStart);
    Result.push_back(std::move(Line));
    return true;
  });
  return Result;
}

TFileSearchSummary SearchFiles(const TFindInFilesRequest& Request, const std::atomic<bool>& Cancel,
                               const TFileSearchCallbacks& Callbacks) {
  TFileSearchSummary Summary;
  const TSearchPattern Pattern(Request.Options);
  if (!Pattern.IsValid()) return Summary;
  const QStringList Files =
      Request.Folder.isEmpty() ? Request.Files : ListFolderFiles(Request.Folder, Request.Filter);
  const int Total = static_cast<int>(Files.size());
  for (int I = 0; I < Total; ++I) {
    if (Cancel) {
      Summary.Cancelled = true;
      break;
    }
    if (Callbacks.Progress) Callbacks.Progress(I, Total);
    const QString Path = QFileInfo(Files[I]).absoluteFilePath();
    QString Text;
    if (auto Open = Request.OpenTexts.find(Path); Open != Request.OpenTexts.end()) {
      Text = *Open;
    } else {
      QFile File(Path);
      if (!File.open(QIODevice::ReadOnly)) {
        ++Summary.Unreadable;
        continue;
      }
      const QByteArray Bytes = File.readAll();
      if (LooksBinary(Bytes)) {
        ++Summary.Binary;
        continue;
      }
      Text = DecodeText(Bytes);
    }
    ++Summary.Files;
    TFileMatches Found{Path, FindLineMatches(Pattern, std::move(Text))};
    if (Found.Matches.empty()) continue;
    ++Summary.FilesWithMatches;
    Summary.Matches += static_cast<qsizetype>(Found.Matches.size());
    if (Callbacks.FileMatched) Callbacks.FileMatched(std::move(Found));
  }
  if (!Summary.Cancelled && Callbacks.Progress) Callbacks.Progress(Total, Total);
  return Summary;
}
