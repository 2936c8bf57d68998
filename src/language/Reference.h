/** @file Reference.h
 ** The offline reference: one entry per instruction, register, type, keyword and built-in
 ** function, read once from the JSON file in resources/reference. **/
#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <vector>

#include "platform/core/Exceptions.h"

struct TReferenceEntry {
  QString Word;
  QString Kind;   ///< instruction, register, segment, type, keyword, function
  QString Group;  ///< general, fpu, mmx (instructions and registers)
  QString Summary;
  QStringList Forms;
  QString Reads;
  QString Writes;
  QString Note;
  int Width = 0;  ///< bits, for registers and types
  QStringList Parts;
};

/** A reference file that cannot be read. */
class EReferenceError : public Exception {
 public:
  using Exception::Exception;
};

class TReference {
 public:
  /** Reads the entries of a reference file; raises EReferenceError on malformed data. */
  static TReference FromJson(const QByteArray& Json);
  /** The studio's own reference, read on first use. */
  static const TReference& Standard();

  const std::vector<TReferenceEntry>& Entries() const { return FEntries; }
  /** Every entry of Word, compared without case (a word may be an instruction and a type). */
  std::vector<const TReferenceEntry*> Find(const QString& Word) const;
  const TReferenceEntry* First(const QString& Word) const;
  /** Entries whose word starts with Text first, then those whose word or summary contains it. */
  std::vector<const TReferenceEntry*> Search(const QString& Text) const;
  /** Width in bits of a general-purpose register; 0 for anything else. */
  int RegisterWidth(const QString& Word) const;

  /** The lines of a tool tip: word and summary, forms, flags, note. */
  static QStringList Describe(const TReferenceEntry& Entry);

 private:
  std::vector<TReferenceEntry> FEntries;
  QMultiHash<QString, int> FByWord;  ///< lower-case word to entry index
};
