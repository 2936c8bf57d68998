/** @file KeyMapping.h
 ** Qt key events as virtual-key codes and shift states, so that the editor's key tables
 ** behave the same on every platform. **/
#pragma once

#include <QKeyEvent>

#include "platform/core/Control.h"

/** The virtual-key code of a Qt key, or 0 for keys the controls do not know. */
quint16 VirtualKeyOf(int QtKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons = {});
