/** @file WindowHost.h
 ** The window-system services a self-drawn control uses. A control without a host has no
 ** window: it measures, lays out and draws nothing until a host is attached. **/
#pragma once

#include <QString>
#include <memory>

#include "platform/core/Canvas.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TBorderStyle { bsNone, bsSingle };

class TWindowHost {
 public:
  virtual ~TWindowHost() = default;

  // Drawing: the window's surface may be drawn on at any time, not only while painting.
  virtual TCanvas& Canvas() = 0;
  virtual std::unique_ptr<TBitmap> CreateBitmap() = 0;
  virtual TRect ClientRect() const = 0;
  /** Moves the pixels inside Area by Dy (clipped to Area), invalidates nothing, and
      answers the rectangle left uncovered. */
  virtual TRect ScrollWindow(int Dy, const TRect& Area) = 0;
  virtual void Invalidate() = 0;
  /** Paints pending areas now. */
  virtual void Update() = 0;

  // Window styles, applied when the window is (re)created.
  virtual void SetWindowStyles(TScrollStyle ScrollBars, bool Border, bool SunkenEdge) = 0;
  virtual void RecreateWindow() = 0;
  virtual void SetIBeamCursor() = 0;

  // Scroll bars: range, page and position in one call; disabled, not hidden, when the
  // page covers the range. Positions read back as last set.
  virtual void SetScrollInfo(TScrollBarKind Bar, int Min, int Max, int Page, int Position,
                             bool Redraw) = 0;
  virtual void SetScrollPos(TScrollBarKind Bar, int Position, bool Redraw) = 0;
  virtual int GetScrollPos(TScrollBarKind Bar) const = 0;

  // The caret: hiding is counted, so every hide needs its own show.
  virtual void CreateCaret(int Width, int Height) = 0;
  virtual void DestroyCaret() = 0;
  virtual void ShowCaret() = 0;
  virtual void HideCaret() = 0;
  virtual void SetCaretPos(int X, int Y) = 0;

  virtual void SetTimer(int Id, int Milliseconds) = 0;
  virtual void KillTimer(int Id) = 0;

  virtual QString ClipboardText() const = 0;
  virtual void SetClipboardText(const QString& Text) = 0;

  /** The pointer's current position in client coordinates (possibly outside the window). */
  virtual TPoint CursorClientPos() const = 0;
  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  /** Takes the keyboard focus; may throw when the window cannot be focused. */
  virtual void SetFocus() = 0;
};
