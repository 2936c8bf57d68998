/** @file QtCanvas.h
 ** The drawing surface and off-screen image over QPainter and QImage. **/
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <optional>

#include "platform/core/Canvas.h"

QColor ToQColor(TColor Color);
QFont ToQFont(const TFont& Font);

/** Paints on a QImage; calls Damaged with every rectangle it touches. */
class TQtCanvas : public TCanvas {
 public:
  explicit TQtCanvas(QImage* Target);
  ~TQtCanvas() override;

  void FillRect(const TRect& Rect) override;
  void TextRect(const TRect& Clip, int X, int Y, const QString& Text) override;
  void TextOut(int X, int Y, const QString& Text) override;
  void Rectangle(const TRect& Rect) override;
  int TextHeight(const QString& Text) override;
  int TextWidth(const QString& Text) override;
  void Draw(int X, int Y, TBitmap& Image) override;

  /** Ends painting, so that the image can be read or resized. */
  void Release();
  std::function<void(const QRect&)> Damaged;

 private:
  QPainter& Painter();
  /** The handle of Font() in the text layout cache. */
  int CurrentFont();
  void UseTextStyle(QPainter& P, int FontIndex);
  void Touch(const QRect& Rect);

  QImage* FTarget;
  QPainter FPainter;
  int FFontIndex = 0;
  bool FFontDirty = true;
  // What the active painter was last given for text.
  int FPainterFont = -1;
  std::optional<TColor> FPainterTextColor;
};

class TQtBitmap : public TBitmap {
 public:
  TQtBitmap();
  int Width() const override { return FImage.width(); }
  int Height() const override { return FImage.height(); }
  void SetSize(int Width, int Height) override;
  TCanvas& Canvas() override { return FCanvas; }
  void CopyWithin(const TRect& Source, int DestX, int DestY) override;
  const QImage& Image() {
    FCanvas.Release();
    return FImage;
  }

 private:
  QImage FImage;
  TQtCanvas FCanvas;
};

/** Moves the pixels of Source (clipped to the image) to (DestX, DestY) of the same image. */
void CopyImageArea(QImage& Image, QRect Source, int DestX, int DestY);
