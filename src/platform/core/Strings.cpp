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
  BeginUpdate();
  for (int I = 0; I < Source->Count(); ++I)
    Add(Source->Strings(I));
  EndUpdate();
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
  BeginUpdate();
  Clear();
  AddStrings(Other);
  EndUpdate();
}

void TStrings::Put(int Index, const QString& S) {
  BeginUpdate();
  Delete(Index);
  Insert(Index, S);
  EndUpdate();
}

QString TStrings::GetTextStr() const {
  QString Result;
  for (int I = 0; I < Count(); ++I)
    Result += Get(I) + QStringLiteral("\r\n");
  return Result;
}

void TStrings::SetTextStr(const QString& Value) {
  BeginUpdate();
  Clear();
  qsizetype Start = 0;
  const qsizetype Length = Value.size();
  while (Start < Length) {
    qsizetype End = Start;
    while (End < Length && Value[End] != u'\r' && Value[End] != u'\n')
      ++End;
    Add(Value.mid(Start, End - Start));
    if (End < Length && Value[End] == u'\r') ++End;
    if (End < Length && Value[End] == u'\n') ++End;
    Start = End;
  }
  EndUpdate();
}

void TStrings::LoadFromFile(const QString& FileName) {
  SetTextStr(ReadTextFile(FileName));
}

void TStrings::SaveToFile(const QString& FileName) const {
  WriteTextFile(FileName, GetTextStr());
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (--FUpdateCount == 0) SetUpdateState(false);
}
