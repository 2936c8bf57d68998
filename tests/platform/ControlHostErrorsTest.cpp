// Errors a control raises while the host delivers an event are shown by the error display
// and go no further; the host keeps delivering afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "platform/core/ErrorDisplay.h"
#include "platform/core/Exceptions.h"
#include "platform/qt/QtControlHost.h"

namespace {
// Throws once at the step named Armed; records every step it was given.
class TFailingControl : public TCustomControl {
 public:
  TFailingControl() : TCustomControl(nullptr) {}
  void Paint() override { Step("paint"); }
  void WndProc(TMessage& Message) override {
    switch (Message.Msg) {
      case WM_SIZE:
        Step("size");
        break;
      case WM_MOUSEWHEEL:
        Step("wheel");
        break;
      case WM_TIMER:
        Step("timer");
        break;
      case WM_SETFOCUS:
        Step("focus");
        break;
      case WM_VSCROLL:
        Step("scroll");
        break;
    }
    TCustomControl::WndProc(Message);
  }
  void HandleKeyDown(quint16& Key, TShiftState Shift) override {
    Step("key");
    TCustomControl::HandleKeyDown(Key, Shift);
  }
  void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    Step("mouse");
    TCustomControl::HandleMouseDown(Button, Shift, X, Y);
  }

  QString Armed;
  QStringList Steps;

 private:
  void Step(const QString& Name) {
    Steps << Name;
    if (Armed != Name) return;
    Armed.clear();
    throw Exception(Name + QStringLiteral(" failed"));
  }
};

struct ShownErrors {
  ShownErrors()
      : Previous(SetErrorDisplay([this](const QString& Message) { Messages << Message; })) {}
  ~ShownErrors() { SetErrorDisplay(Previous); }
  QStringList Messages;
  TErrorDisplay Previous;
};
}  // namespace

TEST(ControlHostErrors, EveryEntryShowsTheErrorAndGoesOn) {
  const std::vector<std::pair<QString, std::function<void(TQtControlHost&)>>> Events = {
      {"key", [](TQtControlHost& H) { QTest::keyClick(&H, Qt::Key_A); }},
      {"mouse", [](TQtControlHost& H) { QTest::mouseClick(H.viewport(), Qt::LeftButton); }},
      {"wheel",
       [](TQtControlHost& H) {
         QWheelEvent Wheel(QPointF(5, 5), H.viewport()->mapToGlobal(QPointF(5, 5)), QPoint(),
                           QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                           false);
         QApplication::sendEvent(H.viewport(), &Wheel);
       }},
      {"size", [](TQtControlHost& H) { H.resize(H.size() + QSize(10, 10)); }},
      {"paint",
       [](TQtControlHost& H) {
         H.Invalidate();
         H.Update();
       }},
      {"focus",
       [](TQtControlHost& H) {
         QFocusEvent FocusIn(QEvent::FocusIn, Qt::OtherFocusReason);
         QApplication::sendEvent(&H, &FocusIn);
       }},
      {"timer",
       [](TQtControlHost& H) {
         H.SetTimer(1, 0);
         QTest::qWait(20);
       }},
      {"scroll",
       [](TQtControlHost& H) {
         H.SetScrollInfo(TScrollBarKind::sbVertical, 0, 100, 10, 0, true);
         H.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
       }},
  };
  for (const auto& [Name, Deliver] : Events) {
    ShownErrors Shown;
    TFailingControl Control;
    TQtControlHost Host(&Control);
    Host.resize(200, 100);
    Host.show();
    QApplication::processEvents();
    Control.Armed = Name;
    Deliver(Host);
    QApplication::processEvents();  // an error while painting is shown after the paint
    EXPECT_EQ(Shown.Messages, QStringList{Name + " failed"}) << Name.toStdString();
    Control.Steps.clear();
    Deliver(Host);
    QApplication::processEvents();
    EXPECT_TRUE(Control.Steps.contains(Name)) << Name.toStdString() << " not delivered again";
    EXPECT_EQ(Shown.Messages.size(), 1) << Name.toStdString();
  }
}

// A timer whose handler keeps failing stops, so the user sees its error once.
TEST(ControlHostErrors, AFailingTimerStops) {
  ShownErrors Shown;
  TFailingControl Control;
  TQtControlHost Host(&Control);
  Host.SetTimer(1, 0);
  Control.Armed = "timer";
  QTest::qWait(30);
  EXPECT_EQ(Shown.Messages, QStringList{"timer failed"});
  EXPECT_EQ(Control.Steps.count("timer"), 1);
}

// An error raised while another is being shown goes to the log, not into a second dialog.
TEST(ControlHostErrors, OneErrorShownAtATime) {
  QStringList Messages;
  const TErrorDisplay Previous = SetErrorDisplay([&](const QString& Message) {
    Messages << Message;
    DeliverShowingErrors([]() -> bool { throw Exception("under the dialog"); });
  });
  DeliverShowingErrors([]() -> bool { throw std::runtime_error("first"); });
  DeliverShowingErrors([]() -> bool { throw 42; });
  SetErrorDisplay(Previous);
  EXPECT_EQ(Messages, (QStringList{"first", "Unexpected error"}));
}
