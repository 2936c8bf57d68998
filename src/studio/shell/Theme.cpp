/** @file Theme.cpp **/
#include "studio/shell/Theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <array>

namespace {
// The palette the platform gave, captured before the first change, for "follow the system".
const QPalette& SystemPalette() {
  static const QPalette Palette = QApplication::palette();
  return Palette;
}

QPalette DarkPalette() {
  QPalette P;
  const QColor Window(0x2b, 0x2d, 0x30), Base(0x1e, 0x1f, 0x22), Text(0xdf, 0xe1, 0xe5);
  const QColor Disabled(0x7f, 0x84, 0x8e);
  P.setColor(QPalette::Window, Window);
  P.setColor(QPalette::WindowText, Text);
  P.setColor(QPalette::Base, Base);
  P.setColor(QPalette::AlternateBase, Window);
  P.setColor(QPalette::ToolTipBase, Window);
  P.setColor(QPalette::ToolTipText, Text);
  P.setColor(QPalette::PlaceholderText, Disabled);
  P.setColor(QPalette::Text, Text);
  P.setColor(QPalette::Button, Window);
  P.setColor(QPalette::ButtonText, Text);
  P.setColor(QPalette::BrightText, Qt::white);
  P.setColor(QPalette::Light, Window.lighter(150));
  P.setColor(QPalette::Midlight, Window.lighter(125));
  P.setColor(QPalette::Mid, Window.darker(120));
  P.setColor(QPalette::Dark, Window.darker(150));
  P.setColor(QPalette::Shadow, Qt::black);
  P.setColor(QPalette::Highlight, QColor(0x2f, 0x5f, 0x9e));
  P.setColor(QPalette::HighlightedText, Qt::white);
  P.setColor(QPalette::Link, QColor(0x6c, 0xa8, 0xf0));
  for (auto Role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    P.setColor(QPalette::Disabled, Role, Disabled);
  return P;
}

// System colour numbers as the editor names them.
constexpr int ColorWindow = 5, ColorWindowText = 8, ColorHighlight = 13, ColorHighlightText = 14,
              ColorBtnFace = 15;
}  // namespace

TTheme ThemeFromName(const QString& Name) {
  if (Name == QStringLiteral("dark")) return TTheme::Dark;
  if (Name == QStringLiteral("system")) return TTheme::System;
  return TTheme::Light;
}

QString ThemeName(TTheme Theme) {
  switch (Theme) {
    case TTheme::Dark:
      return QStringLiteral("dark");
    case TTheme::System:
      return QStringLiteral("system");
    default:
      return QStringLiteral("light");
  }
}

void ApplyTheme(TTheme Theme) {
  const QPalette& System = SystemPalette();
  const bool SystemIsLight = System.color(QPalette::Base).lightness() >= 128;
  // Light is the system's own palette when that is light, so the desktop's look stays.
  const QPalette Palette = Theme == TTheme::Dark     ? DarkPalette()
                           : Theme == TTheme::System ? System
                           : SystemIsLight           ? System
                                                     : QApplication::style()->standardPalette();
  QApplication::setPalette(Palette);
  // The classic system colours serve the light look the editor was drawn for; any other
  // palette lends the editor its own.
  SetSystemColorResolver(nullptr);
  if (Theme == TTheme::Light) return;
  std::array<TColor, 32> Classic{};
  for (int I = 0; I < static_cast<int>(Classic.size()); ++I)
    Classic[I] = ColorToRGB(static_cast<TColor>(0xFF000000u | static_cast<unsigned>(I)));
  SetSystemColorResolver([Classic](int Number) -> TColor {
    const QPalette P = QApplication::palette();
    switch (Number) {
      case ColorWindow:
        return FromQColor(P.color(QPalette::Base));
      case ColorWindowText:
        return FromQColor(P.color(QPalette::Text));
      case ColorHighlight:
        return FromQColor(P.color(QPalette::Highlight));
      case ColorHighlightText:
        return FromQColor(P.color(QPalette::HighlightedText));
      case ColorBtnFace:
        return FromQColor(P.color(QPalette::Button));
      default:
        return Number >= 0 && Number < static_cast<int>(Classic.size()) ? Classic[Number] : 0;
    }
  });
}

bool IsDarkPalette() {
  return QApplication::palette().color(QPalette::Base).lightness() < 128;
}

TColourings ThemedColourings(TColourings Colourings) {
  if (!IsDarkPalette()) return Colourings;
  return ReadableOn(std::move(Colourings), ColorToRGB(clWindow));
}

TMemoComponent::TGutterColors ThemeGutterColors() {
  if (!IsDarkPalette()) return {};
  // Colours as the editor stores them: 0xBBGGRR.
  return {.Fill = 0x302D2B, .Outline = 0x443F3C, .LineNumber = 0xA8A09A, .EmptyRowMark = 0x8C8580};
}
