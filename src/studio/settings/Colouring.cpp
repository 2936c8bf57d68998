/** @file Colouring.cpp **/
#include "studio/settings/Colouring.h"

#include <QColor>
#include <QSettings>
#include <QUrl>
#include <cmath>

#include "sourceedit/SyntaxColoring.h"

namespace {
const QString Group = QStringLiteral("colours/");
const QString SymbolsKey = QStringLiteral("symbols");
const QString NumbersKey = QStringLiteral("numbers");
constexpr std::pair<TFontStyle, char> StyleLetters[] = {{TFontStyle::fsBold, 'b'},
                                                         {TFontStyle::fsItalic, 'i'},
                                                         {TFontStyle::fsUnderline, 'u'},
                                                         {TFontStyle::fsStrikeOut, 's'}};

QColor ToColor(TColor Color) {
  const TColor Rgb = ColorToRGB(Color);
  return QColor(Rgb & 0xFF, (Rgb >> 8) & 0xFF, (Rgb >> 16) & 0xFF);
}

TColor FromColor(const QColor& Color) {
  return static_cast<TColor>(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}

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
}  // namespace

TColourings ColouringsOf(const TSyntaxColoring& Coloring) {
  TColourings Result;
  const TWordLists& Lists = *Coloring.WordLists();
  for (int I = 0; I < Lists.Count(); ++I) {
    const TWordList& L = *Lists.Items(I);
    Result.push_back({QStringLiteral("words:") + L.Caption(), L.Caption(), L.Color(),
                      L.CustomColor(), L.Style(), L.CustomStyle()});
  }
  const TCustomStyles& Styles = *Coloring.CustomStyles();
  for (int I = 0; I < Styles.Count(); ++I) {
    const TCustomStyle& S = *Styles.Items(I);
    Result.push_back({QStringLiteral("style:") + S.Caption(), S.Caption(), S.Color(),
                      S.CustomColor(), S.Style(), S.CustomStyle()});
  }
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
    const TWordLists& Lists = *Coloring.WordLists();
    for (int I = 0; I < Lists.Count(); ++I) {
      TWordList& L = *Lists.Items(I);
      if (C.Key != QStringLiteral("words:") + L.Caption()) continue;
      L.SetColor(C.Color);
      L.SetCustomColor(C.CustomColor);
      L.SetStyle(C.Style);
      L.SetCustomStyle(C.CustomStyle);
    }
    const TCustomStyles& Styles = *Coloring.CustomStyles();
    for (int I = 0; I < Styles.Count(); ++I) {
      TCustomStyle& S = *Styles.Items(I);
      if (C.Key != QStringLiteral("style:") + S.Caption()) continue;
      S.SetColor(C.Color);
      S.SetCustomColor(C.CustomColor);
      S.SetStyle(C.Style);
      S.SetCustomStyle(C.CustomStyle);
    }
  }
}

TColourings WithStoredChanges(const QSettings& Settings, TColourings Defaults) {
  for (TColouring& C : Defaults) {
    const QStringList Parts = Settings.value(SettingsKeyOf(C)).toString().split(u';');
    if (Parts.size() != 2) continue;
    const QColor Color = QColor::fromString(Parts[0]);
    if (!Color.isValid()) continue;
    const TColor Changed = FromColor(Color);
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
                      ToColor(C.Color).name() + QLatin1Char(';') + StyleText(C.Style));
  }
}

TColor ReadableOn(TColor Color, TColor Background) {
  const QColor Back = ToColor(Background);
  QColor Fore = ToColor(Color);
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
  return FromColor(Fore);
}

TColourings ReadableOn(TColourings Colourings, TColor Background) {
  for (TColouring& C : Colourings)
    C.Color = ReadableOn(C.Color, Background);
  return Colourings;
}
