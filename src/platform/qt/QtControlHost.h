/** @file QtControlHost.h
 ** The Qt window of a self-drawn control: a scroll area whose viewport is the control's
 ** client area. Drawing goes to a backing image at any time; the paint event copies the
 ** image to the screen and draws the caret over it. **/
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QRect>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/core/Control.h"
#include "platform/qt/QtCanvas.h"

class TQtControlHost : public QAbstractScrollArea, public TWindowHost {
 public:
  /** Hosts Control as its window. Destroy the host before the control: the host detaches
      the control when it goes. */
  explicit TQtControlHost(TCustomControl* Control, QWidget* Parent = nullptr);
  ~TQtControlHost() override;

  TCustomControl* Control() const { return FControl; }

  // TWindowHost
  TCanvas& Canvas() override { return *FCanvas; }
  std::unique_ptr<TBitmap> CreateBitmap() override;
  TRect ClientRect() const override;
  TRect ScrollWindow(int Dy, const TRect& Area) override;
  void Invalidate() override;
  void Update() override;
  void SetWindowStyles(TScrollStyle ScrollBars, bool Border, bool SunkenEdge) override;
  void RecreateWindow() override {}
  void SetIBeamCursor() override;
  void SetScrollInfo(TScrollBarKind Bar, int Min, int Max, int Page, int Position,
                     bool Redraw) override;
  void SetScrollPos(TScrollBarKind Bar, int Position, bool Redraw) override;
  int GetScrollPos(TScrollBarKind Bar) const override;
  void CreateCaret(int Width, int Height) override;
  void DestroyCaret() override;
  void ShowCaret() override;
  void HideCaret() override;
  void SetCaretPos(int X, int Y) override;
  void SetTimer(int Id, int Milliseconds) override;
  void KillTimer(int Id) override;
  QString ClipboardText() const override;
  void SetClipboardText(const QString& Text) override;
  TPoint CursorClientPos() const override;
  void SetCapture() override {}
  void ReleaseCapture() override {}
  void SetFocus() override { setFocus(Qt::MouseFocusReason); }

  bool CaretVisible() const { return FCaretExists && FCaretHideCount == 0 && FCaretOn; }
  QRect CaretRect() const { return FCaretRect; }

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void keyReleaseEvent(QKeyEvent* Event) override;
  void inputMethodEvent(QInputMethodEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  void wheelEvent(QWheelEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  bool focusNextPrevChild(bool Next) override;
  bool event(QEvent* Event) override;
  bool viewportEvent(QEvent* Event) override;
  void scrollContentsBy(int, int) override {}

 private:
  bool HostEvent(QEvent* Event);
  void PressKey(QKeyEvent* Event);
  void ResizeImage();
  void ScrollBarAction(TScrollBarKind Bar, int Action);
  void UpdateCaretArea();
  QScrollBar* BarOf(TScrollBarKind Bar) const;

  TCustomControl* FControl;
  QImage FImage;
  std::unique_ptr<TQtCanvas> FCanvas;
  bool FNeedsPaint = true;
  bool FPainting = false;  ///< the control is painting: the whole viewport is copied anyway
  std::map<int, std::unique_ptr<QTimer>> FTimers;
  bool FCaretExists = false;
  int FCaretHideCount = 0;
  bool FCaretOn = true;
  QRect FCaretRect;
  QTimer FCaretBlink;
};
