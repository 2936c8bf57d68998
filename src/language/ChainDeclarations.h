/** @file ChainDeclarations.h
 ** The declarations of an editor's rows read from its syntax chain, where the scanner has
 ** already told words of the lists, numbers, symbols, comments, strings and directives
 ** apart: a word of the "HL" list that declares (program, procedure, ...) followed by a
 ** name, and a label NAME: at a row's start. **/
#pragma once

#include "language/LineFacts.h"

class TSourceEdit;
class TSyntaxRange;

class TChainDeclarations {
 public:
  /** Reads Editor's chain; rows are best asked for in order, as the walk goes on from the
      last one. Nothing may edit the text while this lives. */
  explicit TChainDeclarations(TSourceEdit& Editor);
  /** Leaves the editor's lookup hint where the walk ended. */
  ~TChainDeclarations();
  TChainDeclarations(const TChainDeclarations&) = delete;
  TChainDeclarations& operator=(const TChainDeclarations&) = delete;

  /** The declarations of Row, whose text (without its line break) is Text. */
  std::vector<TDeclaration> Of(int Row, const QString& Text);

 private:
  TSourceEdit& FEditor;
  TSyntaxRange* FTip;
  std::vector<TToken> FTokens;  ///< reused for every row
  std::vector<bool> FDeclaring;
};
