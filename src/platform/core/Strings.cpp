/** @file Strings.cpp
 ** String list operations built on the basic ones. **/
#include "platform/core/Strings.h"

#include "platform/core/TextFile.h"

int TStrings::Add(const QString& S) {
  const int Index = Count();
  Insert(Index, S);
  return Index;
}

void TStrings::AddStrings(const TStrings* Source) {
  WithinUpdate(*this, [&] {
    for (int I = 0; I < Source->Count(); ++I)
      Add(Source->Strings(I));
  });
}

int TStrings::IndexOf(const QString& S) const {
  for (int I = 0; I < Count(); ++I)
    if (Get(I).compare(S, Qt::CaseInsensitive) == 0) return I;
  return -1;
}

void TStrings::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TStrings*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  WithinUpdate(*this, [&] {
    Clear();
    AddStrings(Other);
  });
}

void TStrings::Put(int Index, const QString& S) {
  Delete(Index);
  Insert(Index, S);
}

QString TStrings::GetTextStr() const {
  QString Result;
  for (int I = 0; I < Count(); ++I)
    Result += Get(I) + QStringLiteral("\r\n");
  return Result;
}

void TStrings::SetTextStr(const QString& Value) {
  // A NUL ends the text; what follows it in a file is not part of the list.
  const qsizetype Nul = Value.indexOf(QChar(u'\0'));
  const qsizetype Length = Nul < 0 ? Value.size() : Nul;
  WithinUpdate(*this, [&] {
    Clear();
    qsizetype Start = 0;
    while (Start < Length) {
      qsizetype End = Start;
      while (End < Length && Value[End] != u'\r' && Value[End] != u'\n')
        ++End;
      Add(Value.mid(Start, End - Start));
      if (End < Length && Value[End] == u'\r') ++End;
      if (End < Length && Value[End] == u'\n') ++End;
      Start = End;
    }
  });
}

void TStrings::LoadFromFile(const QString& FileName) {
  SetTextStr(ReadTextFile(FileName));
}

void TStrings::SaveToFile(const QString& FileName) const {
  WriteTextFile(FileName, GetTextStr());
}

void TStrings::BeginUpdate() {
  // The state changes before the count, so that a descendant can still announce the change.
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (--FUpdateCount == 0) SetUpdateState(false);
}
