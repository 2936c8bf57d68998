/** @file TextBuffer.h
 ** The editor's text: 16-bit characters in a gap buffer, so that an edit costs the
 ** distance from the previous edit rather than a copy of the whole text. **/
#pragma once

#include <QString>
#include <QStringView>

#include "editor/SplitVector.h"
#include "platform/core/Exceptions.h"

/** A text longer than the store holds. */
class ETextTooLong : public Exception {
 public:
  using Exception::Exception;
};

class TTextBuffer {
 public:
  /** The most characters the store holds: positions are int, and far below their limit
      every sum of a position and a length still fits. */
  static constexpr int MaxLength = 1 << 30;

  int Length() const { return FChars.Length(); }
  /** The character at a 0-based index; 0 outside the text. */
  char16_t At(int Index) const {
    return Index >= 0 && Index < FChars.Length() ? FChars.At(Index) : u'\0';
  }
  /** Count characters from a 0-based Start, cut to the text. */
  QString Mid(int Start, int Count) const;
  QString ToString() const { return Mid(0, Length()); }
  /** The whole text in one piece, in place: the gap moves to the end. */
  QStringView Contiguous() {
    return QStringView(FChars.RangePointer(0, Length()), Length());
  }

  /** Raises ETextTooLong when replacing DeleteCount characters by InsertCount would make
      the text longer than MaxLength. */
  void CheckReplace(int DeleteCount, qsizetype InsertCount) const;
  void Replace(int Start, int DeleteCount, QStringView Inserted);

  /** 0-based index of the first occurrence of Needle at or after From, or -1. */
  int IndexOf(QStringView Needle, int From) const;

 private:
  TSplitVector<char16_t> FChars;
};
