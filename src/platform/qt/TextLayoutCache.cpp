/** @file TextLayoutCache.cpp
 ** The font and text-layout cache. **/
#include "platform/qt/TextLayoutCache.h"

#include "platform/qt/QtCanvas.h"

TTextLayoutCache& TTextLayoutCache::Instance() {
  static TTextLayoutCache Cache;
  return Cache;
}

int TTextLayoutCache::FontIndex(const TFont& Font) {
  const TFontKey Key{Font.Name(), Font.Height(), Font.Style()};
  const auto Found = FFontIndexes.constFind(Key);
  if (Found != FFontIndexes.constEnd()) return *Found;
  const QFont Resolved = ToQFont(Font);
  FFonts.push_back(TFontEntry{Resolved, QFontMetrics(Resolved), {}});
  const int Index = static_cast<int>(FFonts.size()) - 1;
  FFontIndexes.insert(Key, Index);
  return Index;
}

const TTextLayoutCache::TLaidOutText& TTextLayoutCache::LaidOut(int FontIndex,
                                                                const QString& Text) {
  TFontEntry& Entry = FFonts[FontIndex];
  const auto Found = Entry.Texts.constFind(Text);
  if (Found != Entry.Texts.constEnd()) return *Found;
  if (FTextCount >= MaxTexts) {
    for (TFontEntry& Each : FFonts)
      Each.Texts.clear();
    FTextCount = 0;
  }
  TLaidOutText LaidOut;
  LaidOut.Text.setText(Text);
  LaidOut.Text.setTextFormat(Qt::PlainText);
  LaidOut.Text.prepare(QTransform(), Entry.Font);
  LaidOut.Width = Entry.Metrics.horizontalAdvance(Text);
  ++FTextCount;
  return *Entry.Texts.insert(Text, LaidOut);
}
