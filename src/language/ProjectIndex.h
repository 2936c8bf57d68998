/** @file ProjectIndex.h
 ** The declarations of every file of the open project, by file and by name. Names are
 ** compared without case, as the language's own words are. **/
#pragma once

#include <QHash>
#include <map>
#include <vector>

#include "language/LineFacts.h"

struct TLocatedDeclaration {
  QString File;
  TDeclaration Declaration;
  bool operator==(const TLocatedDeclaration&) const = default;
};

class TProjectIndex {
 public:
  void SetFile(const QString& File, std::vector<TDeclaration> Declarations);
  void RemoveFile(const QString& File);
  QStringList Files() const;
  const std::vector<TDeclaration>& DeclarationsOf(const QString& File) const;

  std::vector<TLocatedDeclaration> Find(const QString& Name) const;
  bool Declares(const QString& Name) const;
  /** Every declaration whose name contains Filter (all for an empty one); those starting
      with it first, each group by name. */
  std::vector<TLocatedDeclaration> Matching(const QString& Filter) const;

 private:
  /** Takes the names of File's declarations out of FByName. */
  void Unhash(const QString& File);

  /** A declaration as the index of it in its file's list. */
  struct TEntry {
    QString File;
    int Index;
    bool operator==(const TEntry&) const = default;
  };

  std::map<QString, std::vector<TDeclaration>> FFiles;
  QMultiHash<QString, TEntry> FByName;  ///< lower-case name
};
