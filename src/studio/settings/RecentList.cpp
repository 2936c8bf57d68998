/** @file RecentList.cpp **/
#include "studio/settings/RecentList.h"

#include <QSettings>

void TRecentList::Add(const QString& Path) {
  if (Path.isEmpty()) return;
  FItems.removeAll(Path);
  FItems.prepend(Path);
  while (FItems.size() > MaxCount)
    FItems.removeLast();
}

void TRecentList::Remove(const QString& Path) {
  FItems.removeAll(Path);
}

void TRecentList::Load(const QSettings& Settings) {
  FItems.clear();
  const QVariant Value = Settings.value(FKey);
  if (!Value.canConvert<QStringList>()) return;
  for (const QString& Path : Value.toStringList())
    if (!Path.isEmpty() && !FItems.contains(Path) && FItems.size() < MaxCount) FItems << Path;
}

void TRecentList::Store(QSettings& Settings) const {
  Settings.setValue(FKey, FItems);
}
