/** @file Control.cpp
 ** Message dispatch, window attachment and the framework's input steps. **/
#include "platform/core/Control.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->SetOnChange([this](TObject*) { Perform(CM_FONTCHANGED); });
}

TCustomControl::~TCustomControl() {
  FFont->SetOnChange(nullptr);
}

LRESULT TCustomControl::Perform(unsigned Msg, WPARAM WParam, LPARAM LParam) {
  TMessage Message{Msg, WParam, LParam, 0};
  WndProc(Message);
  return Message.Result;
}

void TCustomControl::WndProc(TMessage& Message) {
  if (Message.Msg == CM_FONTCHANGED) {
    HandleFontChanged();
    return;
  }
  DefaultHandler(Message);
}

void TCustomControl::DefaultHandler(TMessage& Message) {
  Message.Result = 0;
}

void TCustomControl::CreateWindow(TWindowHost* Host) {
  FHost = Host;
  ApplyWindowStyles();
  WindowCreated();
}

void TCustomControl::DestroyWindow() {
  FHost = nullptr;
}

void TCustomControl::RecreateWnd() {
  if (!FHost) return;
  ApplyWindowStyles();
  FHost->RecreateWindow();
  WindowCreated();
}

void TCustomControl::ApplyWindowStyles() {
  TWindowStyles Styles;
  PrepareWindowStyles(Styles);
  FHost->SetWindowStyles(Styles.ScrollBars, Styles.Border, Styles.SunkenEdge);
}

void TCustomControl::PrepareWindowStyles(TWindowStyles&) {}

TRect TCustomControl::ClientRect() const {
  return FHost ? FHost->ClientRect() : TRect{0, 0, FWidth, FHeight};
}

void TCustomControl::Invalidate() {
  if (FHost) FHost->Invalidate();
}

void TCustomControl::Update() {
  if (FHost) FHost->Update();
}

void TCustomControl::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  FParentColor = false;
  Invalidate();
}

void TCustomControl::SetBounds(int Width, int Height) {
  FWidth = std::max(Width, FMinWidth);
  FHeight = std::max(Height, FMinHeight);
}

void TCustomControl::SetConstraints(int MinWidth, int MinHeight) {
  FMinWidth = MinWidth;
  FMinHeight = MinHeight;
  SetBounds(FWidth, FHeight);
}

void TCustomControl::HandleKeyDown(quint16& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TCustomControl::HandleKeyUp(quint16& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TCustomControl::HandleKeyPress(QChar& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TCustomControl::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TCustomControl::HandleMouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TCustomControl::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}
