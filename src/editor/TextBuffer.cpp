/** @file TextBuffer.cpp
 ** Reading and replacing the stored characters. **/
#include "editor/TextBuffer.h"

#include <algorithm>

QString TTextBuffer::Mid(int Start, int Count) const {
  Start = std::max(Start, 0);
  Count = std::min(Count, Length() - Start);
  if (Count <= 0) return QString();
  QString Result(Count, Qt::Uninitialized);
  FChars.Copy(Start, Count, reinterpret_cast<char16_t*>(Result.data()));
  return Result;
}

void TTextBuffer::CheckReplace(int DeleteCount, qsizetype InsertCount) const {
  const qint64 NewLength = qint64(Length()) - DeleteCount + InsertCount;
  if (NewLength > MaxLength)
    throw ETextTooLong(
        QStringLiteral("The text would have %1 characters; an editor holds at most %2")
            .arg(NewLength)
            .arg(MaxLength));
}

void TTextBuffer::Replace(int Start, int DeleteCount, QStringView Inserted) {
  CheckReplace(DeleteCount, Inserted.size());
  FChars.Delete(Start, DeleteCount);
  FChars.Insert(Start, reinterpret_cast<const char16_t*>(Inserted.data()),
                static_cast<int>(Inserted.size()));
}

int TTextBuffer::IndexOf(QStringView Needle, int From) const {
  const int N = static_cast<int>(Needle.size());
  if (N == 0) return -1;
  const char16_t First = Needle[0].unicode();
  for (int I = std::max(From, 0); I + N <= Length(); ++I) {
    if (FChars.At(I) != First) continue;
    int K = 1;
    while (K < N && FChars.At(I + K) == Needle[K].unicode())
      ++K;
    if (K == N) return I;
  }
  return -1;
}
