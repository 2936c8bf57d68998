/** @file KeyMapping.cpp
 ** Qt keys to virtual-key codes. **/
#include "platform/qt/KeyMapping.h"

#include "platform/core/Keys.h"

quint16 VirtualKeyOf(int QtKey) {
  if (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z)
    return static_cast<quint16>('A' + QtKey - Qt::Key_A);
  if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9)
    return static_cast<quint16>('0' + QtKey - Qt::Key_0);
  switch (QtKey) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Clear:
      return VK_CLEAR;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
      return VK_MENU;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Space:
      return 32;
    default:
      return 0;
  }
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
  TShiftState State;
  if (Modifiers & Qt::ShiftModifier) State.Bits |= TShiftState::ssShift;
  if (Modifiers & Qt::ControlModifier) State.Bits |= TShiftState::ssCtrl;
  if (Modifiers & Qt::AltModifier) State.Bits |= TShiftState::ssAlt;
  if (Buttons & Qt::LeftButton) State.Bits |= TShiftState::ssLeft;
  if (Buttons & Qt::RightButton) State.Bits |= TShiftState::ssRight;
  if (Buttons & Qt::MiddleButton) State.Bits |= TShiftState::ssMiddle;
  return State;
}
