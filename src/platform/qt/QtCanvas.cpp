/** @file QtCanvas.cpp
 ** QPainter drawing with the class library's fonts and colours. **/
#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <cstring>

#include "platform/qt/TextLayoutCache.h"

QColor ToQColor(TColor Color) {
  const TColor Rgb = ColorToRGB(Color);
  return QColor(Rgb & 0xFF, (Rgb >> 8) & 0xFF, (Rgb >> 16) & 0xFF);
}

QFont ToQFont(const TFont& Font) {
  QFont Result(Font.Name());
  // A negative height is the character (em) height in pixels.
  Result.setPixelSize(std::max(std::abs(Font.Height()), 1));
  Result.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
  const TFontStyles Style = Font.Style();
  Result.setBold(Style.Contains(TFontStyle::fsBold));
  Result.setItalic(Style.Contains(TFontStyle::fsItalic));
  Result.setUnderline(Style.Contains(TFontStyle::fsUnderline));
  Result.setStrikeOut(Style.Contains(TFontStyle::fsStrikeOut));
  return Result;
}

TQtCanvas::TQtCanvas(QImage* Target) : FTarget(Target) {
  Font()->SetOnChange([this](TObject*) { FFontDirty = true; });
}

TQtCanvas::~TQtCanvas() {
  Font()->SetOnChange(nullptr);
  Release();
}

QPainter& TQtCanvas::Painter() {
  if (!FPainter.isActive()) {
    FPainter.begin(FTarget);
    FPainterFont = -1;
    FPainterTextColor.reset();
  }
  return FPainter;
}

void TQtCanvas::Release() {
  if (FPainter.isActive()) FPainter.end();
}

int TQtCanvas::CurrentFont() {
  if (FFontDirty) {
    FFontIndex = TTextLayoutCache::Instance().FontIndex(*Font());
    FFontDirty = false;
  }
  return FFontIndex;
}

// Setting a painter's font or pen costs even when it does not change, and drawing text
// sets them once per piece.
void TQtCanvas::UseTextStyle(QPainter& P, int FontIndex) {
  if (FontIndex != FPainterFont) {
    P.setFont(TTextLayoutCache::Instance().Font(FontIndex));
    FPainterFont = FontIndex;
  }
  const TColor Color = Font()->Color();
  if (FPainterTextColor != Color) {
    P.setPen(ToQColor(Color));
    FPainterTextColor = Color;
  }
}

void TQtCanvas::Touch(const QRect& Rect) {
  if (Damaged) Damaged(Rect);
}

void TQtCanvas::FillRect(const TRect& R) {
  const QRect Rect(R.Left, R.Top, R.Width(), R.Height());
  if (Rect.isEmpty()) return;
  Painter().fillRect(Rect, ToQColor(BrushColor()));
  Touch(Rect);
}

void TQtCanvas::TextRect(const TRect& Clip, int X, int Y, const QString& Text) {
  const QRect Rect(Clip.Left, Clip.Top, Clip.Width(), Clip.Height());
  if (Rect.isEmpty()) return;
  QPainter& P = Painter();
  P.fillRect(Rect, ToQColor(BrushColor()));
  if (!Text.isEmpty()) {
    TTextLayoutCache& Cache = TTextLayoutCache::Instance();
    const int Index = CurrentFont();
    P.setClipRect(Rect);
    UseTextStyle(P, Index);
    P.drawStaticText(X, Y, Cache.LaidOut(Index, Text).Text);
    P.setClipping(false);
  }
  Touch(Rect);
}

void TQtCanvas::TextOut(int X, int Y, const QString& Text) {
  QPainter& P = Painter();
  TTextLayoutCache& Cache = TTextLayoutCache::Instance();
  const int Index = CurrentFont();
  const TTextLayoutCache::TLaidOutText& LaidOut = Cache.LaidOut(Index, Text);
  const QRect Rect(X, Y, LaidOut.Width, Cache.Metrics(Index).height());
  P.fillRect(Rect, ToQColor(BrushColor()));
  UseTextStyle(P, Index);
  P.drawStaticText(X, Y, LaidOut.Text);
  Touch(Rect);
}

void TQtCanvas::Rectangle(const TRect& R) {
  QPainter& P = Painter();
  P.save();
  QPen Pen(ToQColor(PenColor()));
  Pen.setWidth(PenWidth());
  P.setPen(Pen);
  P.setBrush(ToQColor(BrushColor()));
  P.drawRect(QRect(R.Left, R.Top, R.Width() - 1, R.Height() - 1));
  P.restore();
  Touch(QRect(R.Left, R.Top, R.Width(), R.Height())
            .adjusted(-PenWidth(), -PenWidth(), PenWidth(), PenWidth()));
}

int TQtCanvas::TextHeight(const QString&) {
  return TTextLayoutCache::Instance().Metrics(CurrentFont()).height();
}

int TQtCanvas::TextWidth(const QString& Text) {
  return TTextLayoutCache::Instance().LaidOut(CurrentFont(), Text).Width;
}

void TQtCanvas::Draw(int X, int Y, TBitmap& Image) {
  auto& Source = static_cast<TQtBitmap&>(Image);
  const QImage& Pixels = Source.Image();
  Painter().drawImage(X, Y, Pixels);
  Touch(QRect(X, Y, Pixels.width(), Pixels.height()));
}

TQtBitmap::TQtBitmap() : FCanvas(&FImage) {}

void TQtBitmap::SetSize(int Width, int Height) {
  FCanvas.Release();
  FImage = QImage(std::max(Width, 1), std::max(Height, 1), QImage::Format_RGB32);
  FImage.fill(Qt::white);
}

void TQtBitmap::CopyWithin(const TRect& Source, int DestX, int DestY) {
  FCanvas.Release();
  CopyImageArea(FImage, QRect(Source.Left, Source.Top, Source.Width(), Source.Height()), DestX,
                DestY);
}

void CopyImageArea(QImage& Image, QRect Source, int DestX, int DestY) {
  // Callers speak in logical pixels; a high-density image has more of them per pixel.
  const qreal Scale = Image.devicePixelRatio();
  if (Scale != 1.0) {
    Source = QRect(qRound(Source.x() * Scale), qRound(Source.y() * Scale),
                   qRound(Source.width() * Scale), qRound(Source.height() * Scale));
    DestX = qRound(DestX * Scale);
    DestY = qRound(DestY * Scale);
  }
  const QRect Bounds = Image.rect();
  QRect Dest(DestX, DestY, Source.width(), Source.height());
  // Clip both rectangles so that every copied pixel lies inside the image.
  Dest &= Bounds;
  Source = QRect(Source.topLeft() + (Dest.topLeft() - QPoint(DestX, DestY)), Dest.size()) & Bounds;
  Dest.setSize(Source.size());
  if (Source.isEmpty()) return;
  const int Bytes = Source.width() * 4;
  auto CopyRow = [&](int Row) {
    std::memmove(Image.scanLine(Dest.top() + Row) + Dest.left() * 4,
                 Image.constScanLine(Source.top() + Row) + Source.left() * 4, Bytes);
  };
  if (Dest.top() > Source.top())
    for (int Row = Source.height() - 1; Row >= 0; --Row)
      CopyRow(Row);
  else
    for (int Row = 0; Row < Source.height(); ++Row)
      CopyRow(Row);
}
