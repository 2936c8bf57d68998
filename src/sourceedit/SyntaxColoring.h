/** @file SyntaxColoring.h
 ** A language described to the syntax-colouring editor: word lists, custom styles, and the
 ** colours and styles of numbers, symbols and parentheses. Every change ends in
 ** ColoringChange, which derives the fonts from the editor's and has the editor rescan. **/
#pragma once

#include <memory>

#include "editor/ObjList.h"
#include "platform/core/Graphics.h"
#include "platform/core/StringList.h"
#include "sourceedit/CustomStyles.h"
#include "sourceedit/WordLists.h"

class TSourceEdit;

class TSyntaxColoring : public TOwnedPersistent {
 public:
  explicit TSyntaxColoring(TPersistent* AOwner);
  ~TSyntaxColoring() override;
  QString ClassName() const override { return QStringLiteral("TSyntaxColoring"); }
  void Assign(const TPersistent* Source) override;

  virtual void ColoringChange();
  virtual void BeginUpdate() { ++FUpdateDebth; }
  virtual void EndUpdate();
  /** The colour of parentheses at a nesting level; every level takes the symbol colour. */
  TColor GetParenthesisColor(int Index) const;
  /** Called by a word list or custom style as it goes: the editor's syntax ranges name it. */
  void ItemDestroying();
  /** Above 0 while an update is open or a scan runs: nothing rescans then. */
  int UpdateDebth() const { return FUpdateDebth; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  TColor SymbolColor() const { return FSymbolColor; }
  void SetSymbolColor(TColor Value);
  TFontStyles SymbolStyle() const { return FSymbolStyle; }
  void SetSymbolStyle(TFontStyles Value);
  bool SymbolCustomStyle() const { return FSymbolCustomStyle; }
  void SetSymbolCustomStyle(bool Value);
  TColor NumberColor() const { return FNumberColor; }
  void SetNumberColor(TColor Value);
  TFontStyles NumberStyle() const { return FNumberStyle; }
  void SetNumberStyle(TFontStyles Value);
  bool NumberCustomStyle() const { return FNumberCustomStyle; }
  void SetNumberCustomStyle(bool Value);
  TWordLists* WordLists() const { return FWordLists.get(); }
  void SetWordLists(const TWordLists* Value);
  TCustomStyles* CustomStyles() const { return FCustomStyles.get(); }
  void SetCustomStyles(const TCustomStyles* Value);
  TStringList* ParenthesisColors() const { return FParenthesisColors.get(); }
  void SetParenthesisColors(const TStrings* Value) { FParenthesisColors->Assign(Value); }
  TFontStyles ParenthesisStyle() const { return FParenthesisStyle; }
  void SetParenthesisStyle(TFontStyles Value);
  bool ParenthesisCustomStyle() const { return FParenthesisCustomStyle; }
  void SetParenthesisCustomStyle(bool Value);

  // Fonts derived from the editor's font by ColoringChange.
  TFont* SymbolFont() const { return FSymbolFont.get(); }
  TFont* NumberFont() const { return FNumberFont.get(); }
  TFont* ParenthesisFont() const { return FParenthesisFont.get(); }

 private:
  friend class TSourceEdit;  // raises the depth for the length of a scan and at destruction

  TSourceEdit* Editor() const;
  /** Stores Value in Field and runs ColoringChange, when it differs. */
  template <class T>
  void Change(T& Field, T Value);

  TColor FNumberColor = clGreen;
  TColor FSymbolColor = clOlive;
  std::unique_ptr<TCustomStyles> FCustomStyles;
  std::unique_ptr<TWordLists> FWordLists;
  bool FEnabled = true;
  int FUpdateDebth = 0;
  std::unique_ptr<TStringList> FParenthesisColors;
  bool FSymbolCustomStyle = false;
  bool FNumberCustomStyle = false;
  TFontStyles FNumberStyle;
  TFontStyles FSymbolStyle;
  bool FParenthesisCustomStyle = false;
  TFontStyles FParenthesisStyle;
  std::unique_ptr<TFont> FSymbolFont;
  std::unique_ptr<TFont> FNumberFont;
  std::unique_ptr<TFont> FParenthesisFont;
};
