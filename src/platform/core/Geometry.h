/** @file Geometry.h
 ** Points and rectangles in client pixels; a rectangle excludes its right and bottom edges. **/
#pragma once

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline bool EqualRect(const TRect& A, const TRect& B) {
  return A == B;
}
inline bool IsRectEmpty(const TRect& R) {
  return R.Right <= R.Left || R.Bottom <= R.Top;
}
