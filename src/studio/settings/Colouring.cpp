/** @file Colouring.cpp **/
#include "studio/settings/Colouring.h"

#include <QColor>
#include <QSettings>
#include <QUrl>
#include <cmath>

#include "platform/qt/QtCanvas.h"
#include "sourceedit/SyntaxColoring.h"

namespace {
const QString Group = QStringLiteral("colours/");
const QString SymbolsKey = QStringLiteral("symbols");
const QString NumbersKey = QStringLiteral("numbers");
const QString WordsPrefix = QStringLiteral("words:");
const QString StylePrefix = QStringLiteral("style:");
constexpr std::pair<TFontStyle, char> StyleLetters[] = {{TFontStyle::fsBold, 'b'},
                                                         {TFontStyle::fsItalic, 'i'},
                                                         {TFontStyle::fsUnderline, 'u'},
                                                         {TFontStyle::fsStrikeOut, 's'}};

QString StyleText(TFontStyles Style) {
  QString Text;
  for (auto [S, Letter] : StyleLetters)
    if (Style.Contains(S)) Text += QLatin1Char(Letter);
  return Text;
}

TFontStyles StyleFrom(const QString& Text) {
  TFontStyles Style;
  for (auto [S, Letter] : StyleLetters)
    if (Text.contains(QLatin1Char(Letter))) Style.Include(S);
  return Style;
}

// Keys may hold any caption: encoded so that no "/" opens a group.
QString SettingsKeyOf(const TColouring& C) {
  return Group + QString::fromLatin1(QUrl::toPercentEncoding(C.Key));
}

double Luminance(const QColor& C) {
  auto Channel = [](double V) {
    return V <= 0.03928 ? V / 12.92 : std::pow((V + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * Channel(C.redF()) + 0.7152 * Channel(C.greenF()) + 0.0722 * Channel(C.blueF());
}

double Contrast(const QColor& A, const QColor& B) {
  const double La = Luminance(A), Lb = Luminance(B);
  return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

// Word lists and custom styles carry the same colour and style properties, each under its
// own type; an entry's key is its prefix and caption.
template <class TItems>
void AddEntries(TColourings& Result, const TItems& Items, const QString& Prefix) {
  for (int I = 0; I < Items.Count(); ++I) {
    const auto& Item = *Items.Items(I);
    Result.push_back({Prefix + Item.Caption(), Item.Caption(), Item.Color(), Item.CustomColor(),
                      Item.Style(), Item.CustomStyle()});
  }
}

template <class TItems>
void ApplyEntry(const TItems& Items, const QString& Prefix, const TColouring& C) {
  for (int I = 0; I < Items.Count(); ++I) {
    auto& Item = *Items.Items(I);
    if (C.Key != Prefix + Item.Caption()) continue;
    Item.SetColor(C.Color);
    Item.SetCustomColor(C.CustomColor);
    Item.SetStyle(C.Style);
    Item.SetCustomStyle(C.CustomStyle);
  }
}
}  // namespace

TColor FromQColor(const QColor& Color) {
  return static_cast<TColor>(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}

TColourings ColouringsOf(const TSyntaxColoring& Coloring) {
  TColourings Result;
  AddEntries(Result, *Coloring.WordLists(), WordsPrefix);
  AddEntries(Result, *Coloring.CustomStyles(), StylePrefix);
  Result.push_back({SymbolsKey, QStringLiteral("Symbols"), Coloring.SymbolColor(), true,
                    Coloring.SymbolStyle(), Coloring.SymbolCustomStyle()});
  Result.push_back({NumbersKey, QStringLiteral("Numbers"), Coloring.NumberColor(), true,
                    Coloring.NumberStyle(), Coloring.NumberCustomStyle()});
  return Result;
}

void ApplyColourings(TSyntaxColoring& Coloring, const TColourings& Colourings) {
  for (const TColouring& C : Colourings) {
    if (C.Key == SymbolsKey) {
      Coloring.SetSymbolColor(C.Color);
      Coloring.SetSymbolStyle(C.Style);
      Coloring.SetSymbolCustomStyle(C.CustomStyle);
    } else if (C.Key == NumbersKey) {
      Coloring.SetNumberColor(C.Color);
      Coloring.SetNumberStyle(C.Style);
      Coloring.SetNumberCustomStyle(C.CustomStyle);
    }
    ApplyEntry(*Coloring.WordLists(), WordsPrefix, C);
    ApplyEntry(*Coloring.CustomStyles(), StylePrefix, C);
  }
}

TColourings WithStoredChanges(const QSettings& Settings, TColourings Defaults) {
  for (TColouring& C : Defaults) {
    const QStringList Parts = Settings.value(SettingsKeyOf(C)).toString().split(u';');
    if (Parts.size() != 2) continue;
    const QColor Color = QColor::fromString(Parts[0]);
    if (!Color.isValid()) continue;
    const TColor Changed = FromQColor(Color);
    if (Changed != ColorToRGB(C.Color)) {
      C.Color = Changed;
      C.CustomColor = true;
    }
    const TFontStyles Style = StyleFrom(Parts[1]);
    if (!(Style == C.Style)) {
      C.Style = Style;
      C.CustomStyle = true;
    }
  }
  return Defaults;
}

void StoreChanges(QSettings& Settings, const TColourings& Defaults, const TColourings& Current) {
  Settings.remove(QStringLiteral("colours"));
  for (const TColouring& C : Current) {
    const auto Default = std::find_if(Defaults.begin(), Defaults.end(),
                                      [&](const TColouring& D) { return D.Key == C.Key; });
    if (Default == Defaults.end()) continue;
    if (ColorToRGB(Default->Color) == ColorToRGB(C.Color) && Default->Style == C.Style) continue;
    Settings.setValue(SettingsKeyOf(C),
                      ToQColor(C.Color).name() + QLatin1Char(';') + StyleText(C.Style));
  }
}

TColor ReadableOn(TColor Color, TColor Background) {
  const QColor Back = ToQColor(Background);
  QColor Fore = ToQColor(Color);
  if (Contrast(Fore, Back) >= 4.5) return ColorToRGB(Color);
  // On a dark background a dark colour takes the mirrored lightness of its hue (navy becomes
  // light blue, black light grey); then, either way, only as much change as contrast needs.
  const bool Lighten = Luminance(Back) < 0.5;
  float H = 0, S = 0, L = 0;
  Fore.getHslF(&H, &S, &L);
  if (Lighten) {
    L = std::max(L, std::min(1.0f - L, 0.85f));
    Fore = QColor::fromHslF(H, S, L);
  }
  for (int Step = 0; Step < 100 && Contrast(Fore, Back) < 4.5; ++Step) {
    L = std::clamp(L + (Lighten ? 0.02f : -0.02f), 0.0f, 1.0f);
    Fore = QColor::fromHslF(H, S, L);
  }
  return FromQColor(Fore);
}

TColourings ReadableOn(TColourings Colourings, TColor Background) {
  for (TColouring& C : Colourings)
    C.Color = ReadableOn(C.Color, Background);
  return Colourings;
}
