/** @file Messages.h
 ** Window messages and their codes, with the window system's numbers, so that other
 ** windows can drive a control exactly as they would a native edit control. **/
#pragma once

#include <QtGlobal>

using WPARAM = quintptr;
using LPARAM = qintptr;
using LRESULT = qintptr;

struct TMessage {
  unsigned Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

constexpr unsigned WM_SIZE = 0x0005;
constexpr unsigned WM_SETFOCUS = 0x0007;
constexpr unsigned WM_KILLFOCUS = 0x0008;
constexpr unsigned WM_SETTEXT = 0x000C;
constexpr unsigned WM_GETTEXT = 0x000D;
constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
constexpr unsigned WM_ERASEBKGND = 0x0014;
constexpr unsigned EM_CANUNDO = 0x00C6;
constexpr unsigned EM_UNDO = 0x00C7;
constexpr unsigned WM_TIMER = 0x0113;
constexpr unsigned WM_HSCROLL = 0x0114;
constexpr unsigned WM_VSCROLL = 0x0115;
constexpr unsigned WM_MOUSEWHEEL = 0x020A;
constexpr unsigned WM_CUT = 0x0300;
constexpr unsigned WM_COPY = 0x0301;
constexpr unsigned WM_PASTE = 0x0302;
constexpr unsigned WM_CLEAR = 0x0303;
// The framework's own notifications.
constexpr unsigned CM_FONTCHANGED = 0xB000 + 15;
constexpr unsigned CM_WANTSPECIALKEY = 0xB000 + 22;

// Scroll codes of WM_HSCROLL / WM_VSCROLL (low word of WParam; the position is the high word).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;
