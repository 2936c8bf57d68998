/** @file Graphics.h
 ** Colours (0x00BBGGRR, or a system colour), font styles and fonts. **/
#pragma once

#include <functional>

#include "platform/core/Persistent.h"

using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
// System colours: 0xFF000000 plus the system colour number.
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;

/** The RGB value of a colour, system colours resolved through the current resolver. */
TColor ColorToRGB(TColor Color);
/** Base moved TintPercent of the way towards Tint, channel by channel (both RGB values). */
TColor MixColors(TColor Base, TColor Tint, int TintPercent);
/** The mean of the three channels of an RGB value, 0 to 255. */
int Lightness(TColor Color);
/** Lets the window system supply the system colours; the default is the classic palette. */
void SetSystemColorResolver(std::function<TColor(int SystemColorNumber)> Resolver);

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

class TFontStyles {
 public:
  TFontStyles() = default;
  TFontStyles(std::initializer_list<TFontStyle> Styles) {
    for (TFontStyle S : Styles)
      Include(S);
  }
  bool Contains(TFontStyle S) const { return (FBits & Bit(S)) != 0; }
  void Include(TFontStyle S) { FBits |= Bit(S); }
  void Exclude(TFontStyle S) { FBits &= ~Bit(S); }
  bool IsEmpty() const { return FBits == 0; }
  /** One bit per style, for hashing. */
  unsigned Bits() const { return FBits; }
  friend TFontStyles operator|(TFontStyles A, TFontStyles B) {
    A.FBits |= B.FBits;
    return A;
  }
  friend bool operator==(const TFontStyles&, const TFontStyles&) = default;

 private:
  static unsigned Bit(TFontStyle S) { return 1u << static_cast<unsigned>(S); }
  unsigned FBits = 0;
};

/** A font: typeface, size, colour and style. Size in points and Height in pixels (negative:
    the character height) are two views of one value at 96 dots per inch. */
class TFont : public TPersistent {
 public:
  QString ClassName() const override { return QStringLiteral("TFont"); }
  void Assign(const TPersistent* Source) override;

  const QString& Name() const { return FName; }
  void SetName(const QString& Value);
  int Size() const;
  void SetSize(int Value);
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

 private:
  void Changed() { RaiseEvent(FOnChange, this); }

  QString FName = QStringLiteral("Courier New");
  int FHeight = -13;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  TNotifyEvent FOnChange;
};
