/** @file Graphics.cpp
 ** System colour resolution and font attributes. **/
#include "platform/core/Graphics.h"

#include <cmath>

namespace {
constexpr int PixelsPerInch = 96;

TColor ClassicSystemColor(int Number) {
  switch (Number) {
    case 5:
      return 0xFFFFFF;  // window
    case 8:
      return 0x000000;  // window text
    case 13:
      return 0x6A240A;  // highlight
    case 14:
      return 0xFFFFFF;  // highlight text
    case 15:
      return 0xC8D0D4;  // button face
    default:
      return 0x000000;
  }
}

std::function<TColor(int)>& Resolver() {
  static std::function<TColor(int)> Current = ClassicSystemColor;
  return Current;
}
}  // namespace

TColor MixColors(TColor Base, TColor Tint, int TintPercent) {
  TColor Result = 0;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    const int A = (Base >> Shift) & 0xFF;
    const int B = (Tint >> Shift) & 0xFF;
    Result |= TColor((A * (100 - TintPercent) + B * TintPercent) / 100) << Shift;
  }
  return Result;
}

int Lightness(TColor Color) {
  return int((Color & 0xFF) + ((Color >> 8) & 0xFF) + ((Color >> 16) & 0xFF)) / 3;
}

TColor ColorToRGB(TColor Color) {
  if ((Color & 0xFF000000u) == 0xFF000000u) return Resolver()(static_cast<int>(Color & 0xFF));
  return Color & 0xFFFFFF;
}

void SetSystemColorResolver(std::function<TColor(int)> NewResolver) {
  Resolver() = NewResolver ? std::move(NewResolver) : ClassicSystemColor;
}

void TFont::Assign(const TPersistent* Source) {
  auto* Other = dynamic_cast<const TFont*>(Source);
  if (!Other) {
    TPersistent::Assign(Source);
    return;
  }
  if (FName == Other->FName && FHeight == Other->FHeight && FColor == Other->FColor &&
      FStyle == Other->FStyle)
    return;
  FName = Other->FName;
  FHeight = Other->FHeight;
  FColor = Other->FColor;
  FStyle = Other->FStyle;
  Changed();
}

void TFont::SetName(const QString& Value) {
  if (Value == FName) return;
  FName = Value;
  Changed();
}

int TFont::Size() const {
  return static_cast<int>(std::lround(-FHeight * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int Value) {
  SetHeight(-static_cast<int>(std::lround(Value * static_cast<double>(PixelsPerInch) / 72.0)));
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}
