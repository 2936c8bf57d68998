/** @file LineDiff.h
 ** The difference between two texts, line by line: what both share, what only the first
 ** and what only the second has, in order. **/
#pragma once

#include <QStringList>
#include <vector>

struct TDiffLine {
  enum TKind { Same, Removed, Added };
  TKind Kind;
  QString Text;
};

/** Lines shared at the start and end are matched directly; the middle by the longest
    common subsequence when it is small enough, else as one block removed and added. */
std::vector<TDiffLine> DiffLines(const QStringList& Old, const QStringList& New);
/** "--- / +++" headers, and every line marked " ", "-" or "+". */
QString UnifiedDiff(const QString& OldName, const QString& NewName,
                    const std::vector<TDiffLine>& Lines);
