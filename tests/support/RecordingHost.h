/** @file RecordingHost.h
 ** A window host for tests: a fixed-size client area with 8 x 13 pixel characters that
 ** records what was drawn, scrolled and shown, and keeps the caret's counted hide/show. **/
#pragma once

#include <QStringList>
#include <map>
#include <vector>

#include "platform/core/WindowHost.h"

struct TDrawCall {
  enum Kind { Fill, Text, TextAt, Frame, Image } What = Fill;
  TRect Rect;        ///< filled, clipped or outlined rectangle
  int X = 0, Y = 0;  ///< text origin
  QString Str;
  TColor Brush = 0;
  TColor FontColor = 0;
  bool Bold = false;
};

class TRecordingCanvas : public TCanvas {
 public:
  void FillRect(const TRect& R) override { Record(TDrawCall::Fill, R, 0, 0, QString()); }
  void TextRect(const TRect& Clip, int X, int Y, const QString& S) override {
    Record(TDrawCall::Text, Clip, X, Y, S);
  }
  void TextOut(int X, int Y, const QString& S) override {
    Record(TDrawCall::TextAt, TRect{}, X, Y, S);
  }
  void Rectangle(const TRect& R) override { Record(TDrawCall::Frame, R, 0, 0, QString()); }
  int TextHeight(const QString&) override { return 13; }
  int TextWidth(const QString& S) override { return 8 * static_cast<int>(S.size()); }
  void Draw(int X, int Y, TBitmap&) override { Record(TDrawCall::Image, TRect{}, X, Y, QString()); }

  /** The texts drawn with TextRect, in order. */
  QStringList Texts() const {
    QStringList Result;
    for (const TDrawCall& C : Calls)
      if (C.What == TDrawCall::Text) Result << C.Str;
    return Result;
  }
  std::vector<TDrawCall> Calls;

 private:
  void Record(TDrawCall::Kind What, const TRect& Rect, int X, int Y, const QString& Str) {
    TDrawCall Call;
    Call.What = What, Call.Rect = Rect, Call.X = X, Call.Y = Y, Call.Str = Str;
    Call.Brush = BrushColor();
    Call.FontColor = Font()->Color();
    Call.Bold = Font()->Style().Contains(TFontStyle::fsBold);
    Calls.push_back(Call);
  }
};

class TRecordingBitmap : public TBitmap {
 public:
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetSize(int W, int H) override { FWidth = W, FHeight = H; }
  TCanvas& Canvas() override { return FCanvas; }
  void CopyWithin(const TRect& Source, int DestX, int DestY) override {
    Copies.push_back({Source, DestX, DestY});
  }
  struct TCopy {
    TRect Source;
    int DestX, DestY;
  };
  std::vector<TCopy> Copies;
  TRecordingCanvas FCanvas;

 private:
  int FWidth = 0, FHeight = 0;
};

class TRecordingHost : public TWindowHost {
 public:
  explicit TRecordingHost(int Width = 400, int Height = 260) : Client{0, 0, Width, Height} {}

  TCanvas& Canvas() override { return Surface; }
  std::unique_ptr<TBitmap> CreateBitmap() override {
    auto Image = std::make_unique<TRecordingBitmap>();
    LastBitmap = Image.get();
    return Image;
  }
  TRect ClientRect() const override { return Client; }
  TRect ScrollWindow(int Dy, const TRect& Area) override {
    Scrolls.push_back({Dy, Area});
    if (Dy > 0) return TRect{Area.Left, Area.Top, Area.Right, std::min(Area.Top + Dy, Area.Bottom)};
    if (Dy < 0)
      return TRect{Area.Left, std::max(Area.Bottom + Dy, Area.Top), Area.Right, Area.Bottom};
    return TRect{};
  }
  void Invalidate() override { ++Invalidations; }
  void Update() override { ++Updates; }
  void SetWindowStyles(TScrollStyle Bars, bool Border, bool Sunken) override {
    ScrollBars = Bars, HasBorder = Border, SunkenEdge = Sunken;
  }
  void RecreateWindow() override { ++Recreations; }
  void SetIBeamCursor() override { IBeam = true; }
  void SetScrollInfo(TScrollBarKind Bar, int Min, int Max, int Page, int Position, bool) override {
    Bars[Bar] = {Min, Max, Page, Position};
  }
  void SetScrollPos(TScrollBarKind Bar, int Position, bool) override {
    Bars[Bar].Position = Position;
  }
  int GetScrollPos(TScrollBarKind Bar) const override {
    auto It = Bars.find(Bar);
    return It == Bars.end() ? 0 : It->second.Position;
  }
  void CreateCaret(int W, int H) override {
    CaretExists = true, CaretWidth = W, CaretHeight = H, CaretHideCount = 1;
  }
  void DestroyCaret() override { CaretExists = false; }
  void ShowCaret() override {
    ++ShowCalls;
    if (CaretHideCount > 0) --CaretHideCount;
  }
  void HideCaret() override {
    ++HideCalls;
    ++CaretHideCount;
  }
  void SetCaretPos(int X, int Y) override { CaretPos = TPoint{X, Y}; }
  bool CaretVisible() const { return CaretExists && CaretHideCount == 0; }
  void SetTimer(int Id, int Ms) override { Timers[Id] = Ms; }
  void KillTimer(int Id) override { Timers.erase(Id); }
  QString ClipboardText() const override { return Clipboard; }
  void SetClipboardText(const QString& Text) override { Clipboard = Text; }
  TPoint CursorClientPos() const override { return Cursor; }
  void SetCapture() override { Captured = true; }
  void ReleaseCapture() override { Captured = false; }
  void SetFocus() override { ++FocusRequests; }

  struct TBar {
    int Min = 0, Max = 0, Page = 0, Position = 0;
  };
  struct TScroll {
    int Dy;
    TRect Area;
  };

  TRect Client;
  TRecordingCanvas Surface;
  TRecordingBitmap* LastBitmap = nullptr;
  std::vector<TScroll> Scrolls;
  std::map<TScrollBarKind, TBar> Bars;
  std::map<int, int> Timers;
  int Invalidations = 0, Updates = 0, Recreations = 0, FocusRequests = 0;
  TScrollStyle ScrollBars = TScrollStyle::ssNone;
  bool HasBorder = false, SunkenEdge = false, IBeam = false, Captured = false;
  bool CaretExists = false;
  int CaretWidth = 0, CaretHeight = 0, CaretHideCount = 0, ShowCalls = 0, HideCalls = 0;
  TPoint CaretPos;
  TPoint Cursor;
  QString Clipboard;
};
