/** @file Canvas.h
 ** A drawing surface and an off-screen image, as the editor control draws on them.
 ** The Qt layer paints with QPainter; tests use a surface that records every call. **/
#pragma once

#include <memory>

#include "platform/core/Geometry.h"
#include "platform/core/Graphics.h"

class TBitmap;

class TCanvas : public TObject {
 public:
  QString ClassName() const override { return QStringLiteral("TCanvas"); }

  TFont* Font() const { return FFont.get(); }
  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor Value) { FBrushColor = Value; }
  TColor PenColor() const { return FPenColor; }
  void SetPenColor(TColor Value) { FPenColor = Value; }
  int PenWidth() const { return FPenWidth; }
  void SetPenWidth(int Value) { FPenWidth = Value; }

  /** Fills Rect with the brush colour. */
  virtual void FillRect(const TRect& Rect) = 0;
  /** Draws Text from (X, Y) in the font, filling Clip with the brush colour behind it and
      clipping the text to Clip: one opaque, clipped text output. */
  virtual void TextRect(const TRect& Clip, int X, int Y, const QString& Text) = 0;
  /** Draws Text at (X, Y) on the brush colour. */
  virtual void TextOut(int X, int Y, const QString& Text) = 0;
  /** A rectangle outlined with the pen and filled with the brush. */
  virtual void Rectangle(const TRect& Rect) = 0;
  virtual int TextHeight(const QString& Text) = 0;
  virtual int TextWidth(const QString& Text) = 0;
  /** Copies Image onto this surface with its top-left corner at (X, Y). */
  virtual void Draw(int X, int Y, TBitmap& Image) = 0;

 private:
  std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
  TColor FBrushColor = clWhite;
  TColor FPenColor = clBlack;
  int FPenWidth = 1;
};

class TBitmap : public TObject {
 public:
  QString ClassName() const override { return QStringLiteral("TBitmap"); }
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetSize(int Width, int Height) = 0;
  virtual TCanvas& Canvas() = 0;
  /** Copies Source onto (DestX, DestY) of the same image; the areas may overlap. */
  virtual void CopyWithin(const TRect& Source, int DestX, int DestY) = 0;
};
