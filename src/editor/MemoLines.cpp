/** @file MemoLines.cpp
 ** Rows read and written through temporary ranges of the editor. **/
#include "editor/MemoLines.h"

#include "editor/MemoComponent.h"
#include "platform/core/FileSaving.h"
#include "platform/core/TextDecoding.h"
#include "platform/core/TextEncoding.h"
#include "platform/core/TextFile.h"

namespace {
// A temporary range over Start..End of the editor's text, clamped like any range.
void ReplaceCells(TMemoComponent& Memo, TTextCell Start, TTextCell End, const QString& Text) {
  TMCRange Range;
  Range.SetEditor(&Memo);
  Range.SetRStart(Memo.CellToCharIdx(Start));
  Range.SetREnd(Memo.CellToCharIdx(End));
  Range.SetText(Text);
}
}  // namespace

int TMemoComponentStrings::GetCount() const {
  return Memo->TextLength() == 0 ? 0 : Memo->LineCount();
}

QString TMemoComponentStrings::Get(int Index) const {
  if (Index < 0 || Index >= Memo->LineCount()) return QString();
  const int Start = Memo->CellToCharIdx(TextCell(Index + 1, 1));
  return Memo->TextRange(Start, Memo->CellToCharIdx(TextCell(Index + 2, -2)) - Start + 1);
}

void TMemoComponentStrings::Put(int Index, const QString& S) {
  if (Index >= Memo->LineCount()) {
    const int End = Memo->TextLength() + 1;
    ReplaceCells(*Memo, TextCell(0, End), TextCell(0, End - 1), S);
  } else {
    ReplaceCells(*Memo, TextCell(Index + 1, 1), TextCell(Index + 2, -2), S);
  }
}

void TMemoComponentStrings::Insert(int Index, const QString& S) {
  if (Memo->TextLength() == 0) {
    Memo->SetText(S);
  } else if (Index < Memo->LineCount()) {
    const int At = Index < 0 ? 1 : Memo->CellToCharIdx(TextCell(Index + 1, 1));
    ReplaceCells(*Memo, TextCell(0, At), TextCell(0, At - 1), S + QStringLiteral("\r\n"));
  } else {
    const int End = Memo->TextLength() + 1;
    ReplaceCells(*Memo, TextCell(0, End), TextCell(0, End - 1), QStringLiteral("\r\n") + S);
  }
}

void TMemoComponentStrings::Delete(int Index) {
  TMCRange Range;
  Range.SetEditor(Memo);
  if (Index < Memo->LineCount() - 1) {
    Range.SetRStart(Memo->CellToCharIdx(TextCell(Index + 1, 1)));
    Range.SetREnd(Memo->CellToCharIdx(TextCell(Index + 2, 0)));
  } else {
    Range.SetRStart(Memo->CellToCharIdx(TextCell(Index + 1, -1)));
    Range.SetREnd(Memo->CellToCharIdx(TextCell(Index + 2, -2)));
  }
  Range.Clear();
}

void TMemoComponentStrings::Clear() {
  Memo->Clear();
}

QString TMemoComponentStrings::GetTextStr() const {
  return Memo->Text();
}

void TMemoComponentStrings::SetTextStr(const QString& Value) {
  Memo->SetText(Value);
}

TTextFormat TMemoComponentStrings::LoadFromFile(const QString& FileName, QString& Unreadable) {
  return LoadDecoded(DecodeTextFile(ReadFileBytes(FileName)), Unreadable);
}

TTextFormat TMemoComponentStrings::LoadDecoded(TDecodedText Decoded, QString& Unreadable) {
  SetTextStr(Decoded.Text);
  // The body is compared with the text as the editor holds it.
  if (Decoded.Format.NeedsBody()) Decoded.Format.BodyText = GetTextStr();
  Unreadable = Decoded.Unreadable;
  return std::move(Decoded.Format);
}

bool TMemoComponentStrings::SaveToFile(const QString& FileName, TTextFormat& Format) const {
  std::optional<TEncodedText> Encoded = EncodeTextFile(GetTextStr(), Format);
  if (!Encoded) return false;
  SaveFileBytes(FileName, Encoded->Bytes);
  Format = std::move(Encoded->Format);
  return true;
}
