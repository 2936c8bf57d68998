/** @file WordSet.h
 ** A set of words looked up without allocation: the scanner asks for every word of a text,
 ** and making a string per word cost more than the lookup. **/
#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

class TWordSet {
 public:
  /** Only the 26 ASCII letters fold; every other character stays as it is. */
  static char16_t Fold(char16_t C) { return C >= u'a' && C <= u'z' ? C - (u'a' - u'A') : C; }
  /** The hash of Word's folded text, the same for every set: a word hashed once can be
      looked up in several sets. */
  static std::uint32_t Hash(QStringView Word);

  /** Empties the set; CaseSensitive tells how it compares the words added later. */
  void Clear(bool CaseSensitive);
  void Add(const QString& Word);
  /** Whether the set holds Word, given Word's Hash. */
  bool Contains(QStringView Word, std::uint32_t WordHash) const;
  bool Contains(QStringView Word) const { return Contains(Word, Hash(Word)); }

 private:
  struct TEntry {
    QString Word;  ///< folded when the set ignores case
    std::uint32_t Hash;
  };
  bool Matches(const TEntry& Entry, QStringView Word) const;
  void Place(int Entry);

  bool FCaseSensitive = true;
  std::vector<TEntry> FEntries;
  // Open addressing over the entries, at most half full: an index into FEntries, or -1.
  std::vector<int> FSlots;
};
