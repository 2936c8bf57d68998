/** @file TextLayoutCache.h
 ** Fonts resolved once and texts laid out once. An editor draws the same words and line
 ** numbers over and over, and resolving a font and laying out a text are most of the cost
 ** of drawing it; a laid-out text draws the same pixels as drawing the text directly. **/
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <vector>

#include "platform/core/Graphics.h"

class TTextLayoutCache {
 public:
  struct TLaidOutText {
    QStaticText Text;
    int Width = 0;  ///< the horizontal advance
  };

  /** The process's cache; painting happens on one thread. */
  static TTextLayoutCache& Instance();

  /** A handle of the font, resolved on its first use. */
  int FontIndex(const TFont& Font);
  const QFont& Font(int Index) const { return FFonts[Index].Font; }
  const QFontMetrics& Metrics(int Index) const { return FFonts[Index].Metrics; }
  const TLaidOutText& LaidOut(int FontIndex, const QString& Text);

 private:
  struct TFontKey {
    QString Name;
    int Height = 0;
    TFontStyles Style;
    bool operator==(const TFontKey&) const = default;
    friend size_t qHash(const TFontKey& Key, size_t Seed = 0) {
      return qHashMulti(Seed, Key.Name, Key.Height, Key.Style.Bits());
    }
  };
  struct TFontEntry {
    QFont Font;
    QFontMetrics Metrics;
    QHash<QString, TLaidOutText> Texts;
  };
  // Bounds the memory: past this many texts the cache starts over.
  static constexpr int MaxTexts = 20000;

  std::vector<TFontEntry> FFonts;
  QHash<TFontKey, int> FFontIndexes;
  int FTextCount = 0;
};
