/** @file RecentList.h
 ** The most recently used files or projects: newest first, no duplicates, at most ten,
 ** kept in the user's settings under a key of their own. **/
#pragma once

#include <QStringList>

class QSettings;

class TRecentList {
 public:
  static constexpr int MaxCount = 10;
  explicit TRecentList(QString Key) : FKey(std::move(Key)) {}

  const QStringList& Items() const { return FItems; }
  /** Puts Path first; an older entry of the same path goes. */
  void Add(const QString& Path);
  void Remove(const QString& Path);
  void Clear() { FItems.clear(); }

  /** Reads the list; anything that is not a list of paths reads as an empty list. */
  void Load(const QSettings& Settings);
  void Store(QSettings& Settings) const;

 private:
  QString FKey;
  QStringList FItems;
};
