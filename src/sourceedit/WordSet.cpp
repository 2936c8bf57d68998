/** @file WordSet.cpp
 ** The folded hash, the open-addressing table and the comparison that folds as it goes. **/
#include "sourceedit/WordSet.h"

std::uint32_t TWordSet::Hash(QStringView Word) {
  // FNV-1a over the folded UTF-16 units.
  std::uint32_t Result = 2166136261u;
  for (QChar C : Word)
    Result = (Result ^ Fold(C.unicode())) * 16777619u;
  return Result;
}

void TWordSet::Clear(bool CaseSensitive) {
  FCaseSensitive = CaseSensitive;
  FEntries.clear();
  FSlots.clear();
}

void TWordSet::Add(const QString& Word) {
  if (Contains(Word)) return;
  QString Stored = Word;
  if (!FCaseSensitive)
    for (QChar& C : Stored)
      C = QChar(Fold(C.unicode()));
  FEntries.push_back({Stored, Hash(Word)});
  if (FEntries.size() * 2 > FSlots.size()) {
    FSlots.assign(std::max<std::size_t>(16, FSlots.size() * 2), -1);
    for (int I = 0; I < static_cast<int>(FEntries.size()); ++I)
      Place(I);
  } else {
    Place(static_cast<int>(FEntries.size()) - 1);
  }
}

void TWordSet::Place(int Entry) {
  const std::size_t Mask = FSlots.size() - 1;
  std::size_t Slot = FEntries[Entry].Hash & Mask;
  while (FSlots[Slot] >= 0)
    Slot = (Slot + 1) & Mask;
  FSlots[Slot] = Entry;
}

bool TWordSet::Matches(const TEntry& Entry, QStringView Word) const {
  if (Entry.Word.size() != Word.size()) return false;
  if (FCaseSensitive) return Entry.Word == Word;
  for (qsizetype I = 0; I < Word.size(); ++I)
    if (Entry.Word[I].unicode() != Fold(Word[I].unicode())) return false;
  return true;
}

bool TWordSet::Contains(QStringView Word, std::uint32_t WordHash) const {
  if (FSlots.empty()) return false;
  const std::size_t Mask = FSlots.size() - 1;
  for (std::size_t Slot = WordHash & Mask; FSlots[Slot] >= 0; Slot = (Slot + 1) & Mask) {
    const TEntry& Entry = FEntries[FSlots[Slot]];
    if (Entry.Hash == WordHash && Matches(Entry, Word)) return true;
  }
  return false;
}
