/** @file FontTest.cpp
 ** Fonts, colours and the assignment protocol. **/
#include <gtest/gtest.h>

#include "platform/core/Graphics.h"
#include "platform/core/StringList.h"

TEST(Persistent, AssignmentErrorsNameBothClasses) {
  TFont Font;
  TStringList List;
  try {
    List.Assign(&Font);
    FAIL();
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a TFont to a TStringList");
  }
  try {
    Font.Assign(nullptr);
    FAIL();
  } catch (const EConvertError& Error) {
    EXPECT_EQ(Error.Message(), "Cannot assign a nil to a TFont");
  }
  EXPECT_THROW(Font.Assign(&List), EConvertError);
}

TEST(Font, SizeAndHeightAreOneValueAt96Dpi) {
  struct {
    int Size, Height;
  } Cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}};
  TFont Font;
  for (const auto& C : Cases) {
    Font.SetSize(C.Size);
    EXPECT_EQ(Font.Height(), C.Height) << C.Size;
    Font.SetHeight(C.Height);
    EXPECT_EQ(Font.Size(), C.Size) << C.Height;
  }
  Font.SetHeight(-15);  // 11.25 points
  EXPECT_EQ(Font.Size(), 11);
}

TEST(Font, DefaultsAndChangeEvents) {
  TFont Font;
  EXPECT_EQ(Font.Name(), "Courier New");
  EXPECT_EQ(Font.Size(), 10);
  EXPECT_EQ(Font.Color(), clWindowText);
  EXPECT_EQ(Font.Style(), TFontStyles());
  int Changes = 0;
  Font.SetOnChange([&](TObject* Sender) {
    EXPECT_EQ(Sender, &Font);
    ++Changes;
  });
  Font.SetName("Liberation Mono");
  Font.SetSize(10);  // unchanged
  Font.SetSize(12);
  Font.SetColor(clRed);
  Font.SetColor(clRed);
  Font.SetStyle({TFontStyle::fsBold});
  Font.SetStyle({TFontStyle::fsBold});
  EXPECT_EQ(Changes, 4);

  TFont Copy;
  int CopyChanges = 0;
  Copy.SetOnChange([&](TObject*) { ++CopyChanges; });
  Copy.Assign(&Font);
  EXPECT_EQ(CopyChanges, 1);
  EXPECT_EQ(Copy.Name(), "Liberation Mono");
  EXPECT_EQ(Copy.Height(), -16);
  EXPECT_EQ(Copy.Color(), clRed);
  EXPECT_EQ(Copy.Style(), TFontStyles{TFontStyle::fsBold});
  Copy.Assign(&Font);
  EXPECT_EQ(CopyChanges, 1);
}

TEST(Font, StyleSets) {
  TFontStyles Style{TFontStyle::fsBold, TFontStyle::fsUnderline};
  Style.Exclude(TFontStyle::fsBold);
  Style.Include(TFontStyle::fsStrikeOut);
  EXPECT_FALSE(Style.Contains(TFontStyle::fsBold));
  EXPECT_FALSE(Style.Contains(TFontStyle::fsItalic));
  EXPECT_EQ(Style, TFontStyles{TFontStyle::fsUnderline} | TFontStyles{TFontStyle::fsStrikeOut});
}

TEST(Colors, SystemColoursResolveThroughTheCurrentTable) {
  struct {
    TColor Color, Rgb;
  } Classic[] = {{clWindow, 0xFFFFFF},        {clWindowText, 0x000000}, {clHighlight, 0x6A240A},
                 {clHighlightText, 0xFFFFFF}, {clBtnFace, 0xC8D0D4},    {0x123456, 0x123456}};
  for (const auto& C : Classic)
    EXPECT_EQ(ColorToRGB(C.Color), C.Rgb) << std::hex << C.Color;
  SetSystemColorResolver([](int Number) { return static_cast<TColor>(Number); });
  EXPECT_EQ(ColorToRGB(clHighlight), 13u);
  EXPECT_EQ(ColorToRGB(clBlue), clBlue);
  SetSystemColorResolver(nullptr);
  EXPECT_EQ(ColorToRGB(clHighlight), 0x6A240Au);
}
