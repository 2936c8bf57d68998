/** @file QtControlHost.cpp
 ** Qt events turned into the control's messages and input steps, and the window services
 ** the control calls. **/
#include "platform/qt/QtControlHost.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>

#include "platform/core/ErrorDisplay.h"
#include "platform/core/Keys.h"
#include "platform/qt/KeyMapping.h"

namespace {
int ScrollCodeOf(int Action) {
  switch (Action) {
    case QAbstractSlider::SliderSingleStepAdd:
      return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
      return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
      return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
      return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
      return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
      return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
      return SB_THUMBTRACK;
    default:
      return SB_ENDSCROLL;
  }
}

TMouseButton ButtonOf(Qt::MouseButton Button) {
  if (Button == Qt::RightButton) return TMouseButton::mbRight;
  if (Button == Qt::MiddleButton) return TMouseButton::mbMiddle;
  return TMouseButton::mbLeft;
}

// An event that raised an error counts as handled, so that it goes to no other widget.
bool DeliverEvent(QEvent* Event, const std::function<bool()>& Deliver) {
  bool Handled = true;
  const auto Run = [&] {
    Handled = Deliver();
    return true;
  };
  if (Event->type() == QEvent::Paint)
    DeliverShowingErrorsLater(Run);
  else
    DeliverShowingErrors(Run);
  return Handled;
}
}  // namespace

TQtControlHost::TQtControlHost(TCustomControl* Control, QWidget* Parent)
    : QAbstractScrollArea(Parent), FControl(Control) {
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_NoSystemBackground);
  setAttribute(Qt::WA_InputMethodEnabled);
  setFocusPolicy(Qt::StrongFocus);
  FCanvas = std::make_unique<TQtCanvas>(&FImage);
  FCanvas->Damaged = [this](const QRect& Rect) {
    if (!FPainting) viewport()->update(Rect);
  };
  ResizeImage();
  for (TScrollBarKind Bar : {TScrollBarKind::sbHorizontal, TScrollBarKind::sbVertical}) {
    connect(BarOf(Bar), &QAbstractSlider::actionTriggered, this,
            ShowingErrors([this, Bar](int Action) { ScrollBarAction(Bar, Action); }));
  }
  connect(&FCaretBlink, &QTimer::timeout, this, [this] {
    FCaretOn = !FCaretOn;
    UpdateCaretArea();
  });
  FControl->CreateWindow(this);
}

TQtControlHost::~TQtControlHost() {
  FTimers.clear();
  FControl->DestroyWindow();
  FCanvas->Release();
}

QScrollBar* TQtControlHost::BarOf(TScrollBarKind Bar) const {
  return Bar == TScrollBarKind::sbVertical ? verticalScrollBar() : horizontalScrollBar();
}

std::unique_ptr<TBitmap> TQtControlHost::CreateBitmap() {
  return std::make_unique<TQtBitmap>();
}

TRect TQtControlHost::ClientRect() const {
  const QRect R = viewport()->rect();
  return TRect{0, 0, R.width(), R.height()};
}

void TQtControlHost::ResizeImage() {
  FCanvas->Release();
  const qreal Ratio = devicePixelRatioF();
  const QSize Size = viewport()->size().expandedTo(QSize(1, 1));
  QImage Image(Size * Ratio, QImage::Format_RGB32);
  Image.setDevicePixelRatio(Ratio);
  Image.fill(ToQColor(FControl->Color()));
  FImage = std::move(Image);
  FNeedsPaint = true;
}

TRect TQtControlHost::ScrollWindow(int Dy, const TRect& Area) {
  FCanvas->Release();
  const QRect Rect(Area.Left, Area.Top, Area.Width(), Area.Height());
  CopyImageArea(FImage, Rect, Rect.left(), Rect.top() + Dy);
  viewport()->update(Rect);
  if (Dy > 0) return TRect{Area.Left, Area.Top, Area.Right, std::min(Area.Top + Dy, Area.Bottom)};
  if (Dy < 0)
    return TRect{Area.Left, std::max(Area.Bottom + Dy, Area.Top), Area.Right, Area.Bottom};
  return TRect{};
}

void TQtControlHost::Invalidate() {
  FNeedsPaint = true;
  viewport()->update();
}

void TQtControlHost::Update() {
  viewport()->repaint();
}

void TQtControlHost::paintEvent(QPaintEvent* Event) {
  if (FNeedsPaint) {
    FNeedsPaint = false;
    const QScopedValueRollback Painting(FPainting, true);
    FControl->Paint();
  }
  FCanvas->Release();
  QPainter Screen(viewport());
  Screen.drawImage(Event->rect(), FImage,
                   QRectF(QPointF(Event->rect().topLeft()) * FImage.devicePixelRatio(),
                          QSizeF(Event->rect().size()) * FImage.devicePixelRatio()));
  if (CaretVisible()) Screen.fillRect(FCaretRect, ToQColor(FControl->Font()->Color()));
}

void TQtControlHost::resizeEvent(QResizeEvent* Event) {
  QAbstractScrollArea::resizeEvent(Event);
  ResizeImage();
  FControl->Perform(WM_SIZE);
}

void TQtControlHost::SetWindowStyles(TScrollStyle ScrollBars, bool Border, bool SunkenEdge) {
  const bool Horizontal =
      ScrollBars == TScrollStyle::ssHorizontal || ScrollBars == TScrollStyle::ssBoth;
  const bool Vertical =
      ScrollBars == TScrollStyle::ssVertical || ScrollBars == TScrollStyle::ssBoth;
  setHorizontalScrollBarPolicy(Horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  if (SunkenEdge)
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  else if (Border)
    setFrameStyle(QFrame::Box | QFrame::Plain);
  else
    setFrameStyle(QFrame::NoFrame);
}

void TQtControlHost::SetIBeamCursor() {
  viewport()->setCursor(Qt::IBeamCursor);
}

// The window system's range Min..Max with a page is Qt's Min..Max - Page + 1 with the same
// page step: the thumb then has the same size and the same end position.
void TQtControlHost::SetScrollInfo(TScrollBarKind Bar, int Min, int Max, int Page, int Position,
                                   bool) {
  QScrollBar* ScrollBar = BarOf(Bar);
  const QSignalBlocker Blocker(ScrollBar);
  const int Top = std::max(Max - std::max(Page, 1) + 1, Min);
  ScrollBar->setRange(Min, Top);
  ScrollBar->setPageStep(std::max(Page, 1));
  ScrollBar->setSingleStep(1);
  ScrollBar->setValue(Position);
  ScrollBar->setEnabled(Max - Min + 1 > Page);
}

void TQtControlHost::SetScrollPos(TScrollBarKind Bar, int Position, bool) {
  const QSignalBlocker Blocker(BarOf(Bar));
  BarOf(Bar)->setValue(Position);
}

int TQtControlHost::GetScrollPos(TScrollBarKind Bar) const {
  return BarOf(Bar)->value();
}

// The control decides where the view goes; the bar only reports what the user asked for.
void TQtControlHost::ScrollBarAction(TScrollBarKind Bar, int Action) {
  QScrollBar* ScrollBar = BarOf(Bar);
  const int Requested = ScrollBar->sliderPosition();
  ScrollBar->setSliderPosition(ScrollBar->value());
  FControl->Perform(Bar == TScrollBarKind::sbVertical ? WM_VSCROLL : WM_HSCROLL,
                    MakeScrollWParam(ScrollCodeOf(Action), Requested));
  ScrollBar->setSliderPosition(ScrollBar->value());
}

void TQtControlHost::CreateCaret(int Width, int Height) {
  UpdateCaretArea();
  FCaretExists = true;
  FCaretHideCount = 1;
  FCaretRect = QRect(FCaretRect.topLeft(), QSize(Width, Height));
  const int Flash = QApplication::cursorFlashTime();
  if (Flash > 0) FCaretBlink.start(Flash / 2);
}

void TQtControlHost::DestroyCaret() {
  UpdateCaretArea();
  FCaretExists = false;
  FCaretBlink.stop();
}

void TQtControlHost::ShowCaret() {
  if (FCaretHideCount > 0 && --FCaretHideCount == 0) {
    FCaretOn = true;
    UpdateCaretArea();
  }
}

void TQtControlHost::HideCaret() {
  if (FCaretHideCount++ == 0) UpdateCaretArea();
}

void TQtControlHost::SetCaretPos(int X, int Y) {
  UpdateCaretArea();
  FCaretRect.moveTo(X, Y);
  FCaretOn = true;
  UpdateCaretArea();
}

void TQtControlHost::UpdateCaretArea() {
  viewport()->update(FCaretRect);
}

void TQtControlHost::SetTimer(int Id, int Milliseconds) {
  auto& Timer = FTimers[Id];
  if (!Timer) {
    Timer = std::make_unique<QTimer>();
    // A timer whose handler fails stops, so that its error is shown once.
    connect(Timer.get(), &QTimer::timeout, this, [this, Id] {
      if (!DeliverShowingErrors([&] {
            FControl->Perform(WM_TIMER, static_cast<WPARAM>(Id));
            return true;
          }))
        KillTimer(Id);
    });
  }
  Timer->start(Milliseconds);
}

void TQtControlHost::KillTimer(int Id) {
  if (auto It = FTimers.find(Id); It != FTimers.end()) It->second->stop();
}

QString TQtControlHost::ClipboardText() const {
  return QApplication::clipboard()->text();
}

void TQtControlHost::SetClipboardText(const QString& Text) {
  QApplication::clipboard()->setText(Text);
}

TPoint TQtControlHost::CursorClientPos() const {
  const QPoint P = viewport()->mapFromGlobal(QCursor::pos());
  return TPoint{P.x(), P.y()};
}

void TQtControlHost::keyPressEvent(QKeyEvent* Event) {
  FControl->HandleInput([&] { PressKey(Event); });
  Event->accept();
}

void TQtControlHost::PressKey(QKeyEvent* Event) {
  quint16 Key = VirtualKeyOf(Event->key());
  const TShiftState Shift = ShiftStateOf(Event->modifiers());
  if (Key != 0) FControl->HandleKeyDown(Key, Shift);
  // As on the desktop the editor was made for, Alt combinations type nothing; Enter,
  // Tab and Backspace arrive as the characters CR, TAB and 8.
  if (Shift.Contains(TShiftState::ssAlt) && !Shift.Contains(TShiftState::ssCtrl)) return;
  QString Text = Event->text();
  if (Text.isEmpty()) {
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter)
      Text = QStringLiteral("\r");
    if (Event->key() == Qt::Key_Backspace) Text = QString(QChar(8));
    if (Event->key() == Qt::Key_Backtab) Text = QStringLiteral("\t");
  }
  const bool CtrlOnly = Shift.Contains(TShiftState::ssCtrl) && !Shift.Contains(TShiftState::ssAlt);
  for (QChar C : Text) {
    // Ctrl with a letter types its control character, whatever the platform reported.
    if (CtrlOnly && C.unicode() < 128 && C.isLetter()) C = QChar(C.unicode() & 0x1F);
    if (CtrlOnly && C.unicode() >= 32) continue;
    FControl->HandleKeyPress(C);
  }
}

void TQtControlHost::keyReleaseEvent(QKeyEvent* Event) {
  quint16 Key = VirtualKeyOf(Event->key());
  if (Key != 0) FControl->HandleKeyUp(Key, ShiftStateOf(Event->modifiers()));
}

void TQtControlHost::inputMethodEvent(QInputMethodEvent* Event) {
  FControl->HandleInput([&] {
    for (QChar C : Event->commitString())
      FControl->HandleKeyPress(C);
  });
  Event->accept();
}

void TQtControlHost::mousePressEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  FControl->HandleMouseDown(ButtonOf(Event->button()),
                            ShiftStateOf(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TQtControlHost::mouseDoubleClickEvent(QMouseEvent* Event) {
  mousePressEvent(Event);
}

void TQtControlHost::mouseMoveEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  FControl->HandleMouseMove(ShiftStateOf(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TQtControlHost::mouseReleaseEvent(QMouseEvent* Event) {
  const QPoint P = Event->position().toPoint();
  FControl->HandleMouseUp(ButtonOf(Event->button()),
                          ShiftStateOf(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TQtControlHost::wheelEvent(QWheelEvent* Event) {
  const int Delta = Event->angleDelta().y();
  if (Delta == 0 && Event->angleDelta().x() != 0) return;
  FControl->Perform(WM_MOUSEWHEEL, MakeWheelWParam(Delta));
  Event->accept();
}

void TQtControlHost::focusInEvent(QFocusEvent* Event) {
  QAbstractScrollArea::focusInEvent(Event);
  FControl->Perform(WM_SETFOCUS);
}

void TQtControlHost::focusOutEvent(QFocusEvent* Event) {
  QAbstractScrollArea::focusOutEvent(Event);
  FControl->Perform(WM_KILLFOCUS);
}

// Tab belongs to the control when it claims it, never to focus navigation.
bool TQtControlHost::focusNextPrevChild(bool Next) {
  if (FControl->WantsKey(VK_TAB)) return false;
  return QAbstractScrollArea::focusNextPrevChild(Next);
}

// Every event reaches the control through these two; nothing it raises may cross into Qt's
// dispatch. An error during painting is shown after the paint event.
bool TQtControlHost::event(QEvent* Event) {
  return DeliverEvent(Event, [&] { return HostEvent(Event); });
}

bool TQtControlHost::viewportEvent(QEvent* Event) {
  return DeliverEvent(Event, [&] { return QAbstractScrollArea::viewportEvent(Event); });
}

bool TQtControlHost::HostEvent(QEvent* Event) {
  if (Event->type() == QEvent::ShortcutOverride) {
    auto* Key = static_cast<QKeyEvent*>(Event);
    if (const quint16 Code = VirtualKeyOf(Key->key()); Code != 0 && FControl->WantsKey(Code)) {
      Event->accept();
      return true;
    }
  }
  if (Event->type() == QEvent::KeyPress) {
    auto* Key = static_cast<QKeyEvent*>(Event);
    if (Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab) {
      keyPressEvent(Key);
      return true;
    }
  }
  return QAbstractScrollArea::event(Event);
}
