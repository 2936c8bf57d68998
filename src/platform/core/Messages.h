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

/** WM_HSCROLL / WM_VSCROLL carry the scroll code in the low word of WParam and the thumb
    position as a full 32-bit value above it, so long texts scroll by thumb like short ones. */
constexpr WPARAM MakeScrollWParam(int Code, int Position) {
  return static_cast<WPARAM>(Code & 0xFFFF) |
         (static_cast<WPARAM>(static_cast<quint32>(Position)) << 16);
}
constexpr int ScrollCode(WPARAM WParam) {
  return static_cast<int>(WParam & 0xFFFF);
}
constexpr int ScrollPosition(WPARAM WParam) {
  return static_cast<int>(static_cast<quint32>(WParam >> 16));
}
/** WM_MOUSEWHEEL carries the signed wheel delta in the high word of its low 32 bits. */
constexpr WPARAM MakeWheelWParam(int Delta) {
  return static_cast<WPARAM>(static_cast<quint16>(Delta)) << 16;
}
constexpr int WheelDelta(WPARAM WParam) {
  return static_cast<qint16>(static_cast<quint16>(WParam >> 16));
}
