/** @file FileSearch.h
 ** Find in Files without widgets: which files, and their matches row by row. Runs on any
 ** thread; files open in editor windows are searched in the text handed over for them. **/
#pragma once

#include <QHash>
#include <QStringList>
#include <atomic>
#include <functional>
#include <vector>

#include "studio/search/SearchPattern.h"

struct TFindInFilesRequest {
  TSearchOptions Options;
  /** The files to search; when Folder is set, its files that match Filter instead. */
  QStringList Files;
  QString Folder;
  QString Filter = QStringLiteral("*.yor;*.ypr");
  /** The current texts of files open in editor windows, by absolute path. */
  QHash<QString, QString> OpenTexts;
};

/** One match as the results list shows it: its row and character column (1-based), and
    its row's text with the match's place in it. */
struct TLineMatch {
  int Row = 0;
  int Col = 0;
  int Length = 0;
  QString Line;  ///< the row, cut around the match when it is long
  int Shown = 0;  ///< where the match starts in Line
};

struct TFileMatches {
  QString Path;
  std::vector<TLineMatch> Matches;
};

struct TFileSearchSummary {
  int Files = 0;
  int FilesWithMatches = 0;
  qsizetype Matches = 0;
  int Unreadable = 0;
  int Binary = 0;
  bool Cancelled = false;
};

/** The files of Folder and its subfolders whose names match one of Filter's patterns
    ("*.yor;*.ypr"), sorted. */
QStringList ListFolderFiles(const QString& Folder, const QString& Filter);

/** The matches of Pattern in Text (any line breaks), row by row. */
std::vector<TLineMatch> FindLineMatches(const TSearchPattern& Pattern, QString Text);

struct TFileSearchCallbacks {
  std::function<void(TFileMatches&&)> FileMatched;
  std::function<void(int Done, int Total)> Progress;
};

/** Searches every file of Request in turn until Cancel is set. A file that cannot be read
    or holds binary data (a NUL byte without a UTF-16 mark) is skipped and counted. */
TFileSearchSummary SearchFiles(const TFindInFilesRequest& Request, const std::atomic<bool>& Cancel,
                               const TFileSearchCallbacks& Callbacks);
