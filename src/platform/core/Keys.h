/** @file Keys.h
 ** Virtual-key codes, as keyboard input reaches controls on every platform. **/
#pragma once

#include <QtGlobal>

constexpr quint16 VK_BACK = 8;
constexpr quint16 VK_TAB = 9;
constexpr quint16 VK_CLEAR = 12;
constexpr quint16 VK_RETURN = 13;
constexpr quint16 VK_SHIFT = 16;
constexpr quint16 VK_CONTROL = 17;
constexpr quint16 VK_MENU = 18;
constexpr quint16 VK_ESCAPE = 27;
constexpr quint16 VK_PRIOR = 33;
constexpr quint16 VK_NEXT = 34;
constexpr quint16 VK_END = 35;
constexpr quint16 VK_HOME = 36;
constexpr quint16 VK_LEFT = 37;
constexpr quint16 VK_UP = 38;
constexpr quint16 VK_RIGHT = 39;
constexpr quint16 VK_DOWN = 40;
constexpr quint16 VK_INSERT = 45;
constexpr quint16 VK_DELETE = 46;
// Letters and digits use their upper-case ASCII codes ('A' = 65).
