/** @file ChainDeclarations.cpp
 ** A row's ranges turned into the tokens the line rules read: words of normal text and of
 ** the lists, numbers and symbols; parentheses and styled text (comments, strings,
 ** directives) only keep two words from meeting. **/
#include "language/ChainDeclarations.h"

#include "sourceedit/SourceEdit.h"

namespace {
bool IsTokenChar(QChar C) {
  return IsIdentifierChar(C) || C == u'#';
}

const QString DeclaringList = QStringLiteral("HL");
}  // namespace

TChainDeclarations::TChainDeclarations(TSourceEdit& Editor)
    : FEditor(Editor), FTip(Editor.SyntaxStartRange) {}

TChainDeclarations::~TChainDeclarations() {
  // The editor forgets the hint when that range goes, so it never points at a freed one.
  if (FTip) FEditor.SyntaxStartRange = FTip;
}

std::vector<TDeclaration> TChainDeclarations::Of(int Row, const QString& Text) {
  std::vector<TDeclaration> Result;
  if (Text.isEmpty() || !FEditor.FirstSyntaxRange()) return Result;
  const int RowStart = FEditor.CellToCharIdx(TextCell(Row, 1));
  const int RowEnd = RowStart + static_cast<int>(Text.size()) - 1;
  FTokens.clear();
  FDeclaring.clear();
  const auto Add = [&](TTokenKind Kind, int Start, int Length, bool Declaring = false) {
    FTokens.push_back({Kind, Start, Length});
    FDeclaring.push_back(Declaring);
  };
  TSyntaxRange* Range = FEditor.SyntaxRangeAtPosWithTip(RowStart, FTip);
  for (; Range && Range->RStart() <= RowEnd; Range = Range->NextRange()) {
    FTip = Range;
    const int From = std::max(Range->RStart(), RowStart) - RowStart;
    const int To = std::min(Range->REnd(), RowEnd) - RowStart + 1;
    if (auto* Words = dynamic_cast<TWordListRange*>(Range)) {
      Add(TTokenKind::Word, From, To - From, Words->WordList() && Words->WordList()->Caption() == DeclaringList);
    } else if (dynamic_cast<TNormalTextRange*>(Range)) {
      for (int I = From; I < To;) {
        if (!IsTokenChar(Text[I])) {
          ++I;
          continue;
        }
        const int Start = I;
        while (I < To && IsTokenChar(Text[I])) ++I;
        Add(TTokenKind::Word, Start, I - Start);
      }
    } else if (dynamic_cast<TNumberRange*>(Range)) {
      Add(TTokenKind::Number, From, To - From);
    } else if (dynamic_cast<TSymbolRange*>(Range)) {
      Add(TTokenKind::Symbol, From, To - From);
    } else {
      Add(TTokenKind::Comment, From, To - From);
    }
  }
  FindDeclarations(Text, Row, FTokens, [&](size_t I) {
    return FDeclaring[I] && IsDeclaringWord(Text.mid(FTokens[I].Start, FTokens[I].Length));
  }, Result);
  return Result;
}
