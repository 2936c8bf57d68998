/** @file Colouring.h
 ** The colours and font styles of a language definition as a flat list (each word list,
 ** each custom style, symbols, numbers), the user's changes kept as differences from the
 ** stored definition, and the variant of a list that stays readable on a dark background. **/
#pragma once

#include <QString>
#include <vector>

#include "platform/core/Graphics.h"

class QColor;
class QSettings;
class TSyntaxColoring;

struct TColouring {
  QString Key;  ///< stable name in the settings: "words:Caption", "style:Caption", ...
  QString Caption;
  TColor Color = clBlack;
  bool CustomColor = false;
  TFontStyles Style;
  bool CustomStyle = false;
  friend bool operator==(const TColouring&, const TColouring&) = default;
};
using TColourings = std::vector<TColouring>;

TColourings ColouringsOf(const TSyntaxColoring& Coloring);
/** Sets every entry through the definition's own setters; unknown keys are ignored. */
void ApplyColourings(TSyntaxColoring& Coloring, const TColourings& Colourings);

/** Defaults with the user's changes stored under "colours/" applied; a malformed value is
    ignored. */
TColourings WithStoredChanges(const QSettings& Settings, TColourings Defaults);
/** Writes only the entries of Current that differ from Defaults; the rest is removed. */
void StoreChanges(QSettings& Settings, const TColourings& Defaults, const TColourings& Current);

/** A colour as the editor stores it (0xBBGGRR); ToQColor is the way back. */
TColor FromQColor(const QColor& Color);

/** Color with a contrast of at least 4.5:1 against Background: unchanged when it has it;
    on a dark background a dark colour first takes the mirrored lightness of its hue. */
TColor ReadableOn(TColor Color, TColor Background);
/** Every entry's colour made readable on Background. */
TColourings ReadableOn(TColourings Colourings, TColor Background);
