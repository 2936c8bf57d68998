/** @file Control.h
 ** A windowed, self-drawn control: window messages arrive through Perform, input through
 ** the Handle* steps (which raise the framework's events first), and every window-system
 ** service goes through the attached host. Without a host the control has no window. **/
#pragma once

#include <functional>
#include <memory>

#include "platform/core/Messages.h"
#include "platform/core/Persistent.h"
#include "platform/core/WindowHost.h"

/** Shift, Ctrl and Alt, and the mouse buttons held. */
struct TShiftState {
  enum : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
  unsigned Bits = 0;
  bool Contains(unsigned Flag) const { return (Bits & Flag) != 0; }
  /** Exactly these of Shift, Ctrl and Alt are down, and no other of the three. */
  bool ExactlyKeys(unsigned Flags) const { return (Bits & (ssShift | ssAlt | ssCtrl)) == Flags; }
  friend bool operator==(const TShiftState&, const TShiftState&) = default;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

using TKeyEvent = std::function<void(TObject* Sender, quint16& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TCustomControl : public TComponent {
 public:
  explicit TCustomControl(TComponent* AOwner);
  ~TCustomControl() override;
  QString ClassName() const override { return QStringLiteral("TCustomControl"); }

  LRESULT Perform(unsigned Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void WndProc(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  // The window. A host is attached when the window is created and detached before it goes.
  void CreateWindow(TWindowHost* Host);
  void DestroyWindow();
  bool HandleAllocated() const { return FHost != nullptr; }
  bool HasParent() const { return FHost != nullptr; }
  TWindowHost* Host() const { return FHost; }
  /** Has the host recreate the window so that changed window styles take effect. */
  void RecreateWnd();
  TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void Invalidate();
  void Update();

  virtual void Paint() {}

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value) { FFont->Assign(Value); }
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value) { FParentColor = Value; }
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value) { FCtl3D = Value; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetBounds(int Width, int Height);
  int MinWidth() const { return FMinWidth; }
  int MinHeight() const { return FMinHeight; }
  void SetConstraints(int MinWidth, int MinHeight);

  // Input, delivered by the host. Each step raises the framework's event first; a handler
  // that sets the key to zero cancels the control's own handling.
  /** Runs one input event's steps (a key press with its characters); a control may gather
      the drawing they ask for and do it once, at the end. */
  virtual void HandleInput(const std::function<void()>& Steps) { Steps(); }
  virtual void HandleKeyDown(quint16& Key, TShiftState Shift);
  virtual void HandleKeyUp(quint16& Key, TShiftState Shift);
  virtual void HandleKeyPress(QChar& Key);
  virtual void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void HandleMouseMove(TShiftState Shift, int X, int Y);
  virtual void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  /** The framework's notification that Font changed. */
  virtual void HandleFontChanged() {}
  /** Whether the control wants Key for itself rather than for focus or dialog navigation. */
  bool WantsKey(quint16 Key) { return Perform(CM_WANTSPECIALKEY, Key) != 0; }

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  struct TWindowStyles {
    TScrollStyle ScrollBars = TScrollStyle::ssNone;
    bool Border = false;
    bool SunkenEdge = false;
  };
  /** The window parameters; descendants add their styles after the framework's. */
  virtual void PrepareWindowStyles(TWindowStyles& Styles);
  /** Called after the window has been created. */
  virtual void WindowCreated() {}

 private:
  void ApplyWindowStyles();

  TWindowHost* FHost = nullptr;
  std::unique_ptr<TFont> FFont;
  TColor FColor = clWindow;
  bool FTabStop = false;
  bool FParentColor = true;
  bool FCtl3D = true;
  int FWidth = 0;
  int FHeight = 0;
  int FMinWidth = 0;
  int FMinHeight = 0;
};
