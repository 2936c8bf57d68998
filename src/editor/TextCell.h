/** @file TextCell.h
 ** A row and a column: characters in a text cell, tab-expanded columns in a screen cell. **/
#pragma once

struct TTextCell {
  int Row = 0;
  int Col = 0;
  friend bool operator==(const TTextCell&, const TTextCell&) = default;
};

inline TTextCell TextCell(int Row, int Col) {
  return TTextCell{Row, Col};
}
