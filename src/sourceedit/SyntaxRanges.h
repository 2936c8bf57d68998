/** @file SyntaxRanges.h
 ** Syntax ranges: tracked, formatted ranges that each say what kind of text a run of
 ** characters is, doubly linked in text order into the editor's chain. **/
#pragma once

#include "editor/FormattedRanges.h"
#include "sourceedit/ChainBlock.h"

class TSourceEdit;
class TSyntaxChain;
class TSyntaxRange;
class TCustomStyle;
class TWordList;

/** A class of syntax range, as the scanner chooses one. */
using TSyntaxRangeClass = TSyntaxRange* (*)(TCollection* Collection);

class TSyntaxRange : public TCustomFormattedRange {
 public:
  explicit TSyntaxRange(TCollection* Collection);
  /** Unlinks the range from its editor's chain. */
  ~TSyntaxRange() override;
  QString ClassName() const override { return QStringLiteral("TSyntaxRange"); }
  TColor Color() const override;
  static void* operator new(std::size_t Size);
  static void operator delete(void* Block, std::size_t Size);

  virtual void CalcParenthesisLevel();
  /** The level that the range leaves for the one after it. */
  virtual int NextParenthesisLevel() const { return ParenthesisLevel(); }
  /** Frees the old ranges this new one covers; true when the last freed one ended like it. */
  virtual bool RemoveOverlapped(TSyntaxRange*& Cursor);
  /** Same end, same kind and the same attribute: where a rescan meets the old chain again. */
  virtual bool EqualEndingsWith(const TSyntaxRange* Range) const;
  virtual void UpdateParenthesisLevel() { CalcParenthesisLevel(); }

  static bool EqualEndings(const TSyntaxRange* Range1, const TSyntaxRange* Range2);
  /** A new tracked range of RangeClass linked before Range, or after the last one when Range
      is nullptr; nothing without an editor. The caller sets its extent. */
  static TSyntaxRange* InsertRangeBefore(TSyntaxRange* Range, TSyntaxRangeClass RangeClass,
                                         TSourceEdit* Editor);
  template <class T>
  static T* NewRangeInsertedBefore(TSyntaxRange* Range, TSourceEdit* Editor) {
    return static_cast<T*>(InsertRangeBefore(Range, &Create<T>, Editor));
  }
  template <class T>
  static T* NewRangeInsertedAfter(TSyntaxRange* Range, TSourceEdit* Editor) {
    return Range ? NewRangeInsertedBefore<T>(Range->NextRange(), Editor) : nullptr;
  }
  TSyntaxRange* InsertBefore(TSyntaxRangeClass RangeClass);
  TSyntaxRange* InsertAfter(TSyntaxRangeClass RangeClass);
  template <class T>
  static TSyntaxRange* Create(TCollection* Collection) {
    return new T(Collection);
  }

  TSyntaxRange* PrevRange() const { return FPrevRange; }
  /** The range after this one. At the end of a chain whose text is not all scanned yet
      (a big text is scanned in slices), the scan first goes on until there is one. */
  TSyntaxRange* NextRange() const { return FNextRange ? FNextRange : NextAfterScanning(); }
  /** The range after this one as far as the text is scanned, scanning nothing: for the
      scanner itself, the chain's own walks and the painting. */
  TSyntaxRange* ScannedNext() const { return FNextRange; }
  int ParenthesisLevel() const { return FParenthesisLevel + OwedLevel(); }
  void SetParenthesisLevel(int Value) { FParenthesisLevel = Value - OwedLevel(); }
  /** The editor when it is a syntax-colouring one. */
  TSourceEdit* SourceEdit() const;
  /** The block the chain keeps the range in; nullptr outside a source editor's chain. */
  TChainBlock* Block() const { return static_cast<TChainBlock*>(Offset()); }

 protected:
  int LevelAfterPrevious() const { return FPrevRange ? FPrevRange->NextParenthesisLevel() : 0; }

 private:
  friend class TSyntaxChain;  // links and unlinks
  /** Levels count the parentheses before a range, so an edit moves every later level by
      the same amount, which the blocks owe like the positions. */
  int OwedLevel() const { return Block() ? Block()->OwedLevel() : 0; }
  TSyntaxRange* NextAfterScanning() const;

  // Small members first: they fill the space the base classes leave at their ends.
  bool FInSourceEdit;  ///< the editor is a syntax-colouring one
  int FParenthesisLevel = 0;
  TSyntaxRange* FNextRange = nullptr;
  TSyntaxRange* FPrevRange = nullptr;
};

class TNormalTextRange : public TSyntaxRange {
 public:
  using TSyntaxRange::TSyntaxRange;
  QString ClassName() const override { return QStringLiteral("TNormalTextRange"); }
  TFont* Font() const override;
  bool EqualEndingsWith(const TSyntaxRange* Range) const override;
};

class TCustomStyleRange : public TSyntaxRange {
 public:
  using TSyntaxRange::TSyntaxRange;
  QString ClassName() const override { return QStringLiteral("TCustomStyleRange"); }
  TFont* Font() const override;
  bool EqualEndingsWith(const TSyntaxRange* Range) const override;
  TCustomStyle* Style() const { return FStyle; }
  void SetStyle(TCustomStyle* Value) { FStyle = Value; }

 private:
  TCustomStyle* FStyle = nullptr;
};

class TWordListRange : public TSyntaxRange {
 public:
  using TSyntaxRange::TSyntaxRange;
  QString ClassName() const override { return QStringLiteral("TWordListRange"); }
  TFont* Font() const override;
  bool EqualEndingsWith(const TSyntaxRange* Range) const override;
  TWordList* WordList() const { return FWordList; }
  void SetWordList(TWordList* Value) { FWordList = Value; }

 private:
  TWordList* FWordList = nullptr;
};

class TSymbolRange : public TSyntaxRange {
 public:
  using TSyntaxRange::TSyntaxRange;
  QString ClassName() const override { return QStringLiteral("TSymbolRange"); }
  TFont* Font() const override;
  bool EqualEndingsWith(const TSyntaxRange* Range) const override;
  /** The text as the scanner found it. */
  QString Symbol() const { return FSymbol; }
  void SetSymbol(const QString& Value) { FSymbol = Value; }

 private:
  QString FSymbol;
};

class TNumberRange : public TSyntaxRange {
 public:
  using TSyntaxRange::TSyntaxRange;
  QString ClassName() const override { return QStringLiteral("TNumberRange"); }
  TFont* Font() const override;
  bool EqualEndingsWith(const TSyntaxRange* Range) const override;
  /** The text as the scanner found it. */
  QString Number() const { return FNumber; }
  void SetNumber(const QString& Value) { FNumber = Value; }

 private:
  QString FNumber;
};

enum class TParenthesisStyle { psOpening, psClosing };

/** One parenthesis: an opening one carries the depth inside it, a closing one the same
    level as the opening one it closes. */
class TParenthesisRange : public TSyntaxRange {
 public:
  using TSyntaxRange::TSyntaxRange;
  QString ClassName() const override { return QStringLiteral("TParenthesisRange"); }
  TFont* Font() const override;
  bool EqualEndingsWith(const TSyntaxRange* Range) const override;
  void CalcParenthesisLevel() override;
  int NextParenthesisLevel() const override;
  /** Redraws the parenthesis when its level changed. */
  void UpdateParenthesisLevel() override;
  TParenthesisStyle Style() const { return FStyle; }
  void SetStyle(TParenthesisStyle Value) { FStyle = Value; }

 private:
  TParenthesisStyle FStyle = TParenthesisStyle::psOpening;
};
