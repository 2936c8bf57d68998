/** @file FormattedRanges.h
 ** Ranges that carry a background colour and a font, as the painter draws them. **/
#pragma once

#include <memory>

#include "editor/Ranges.h"
#include "platform/core/Graphics.h"

class TCustomFormattedRange : public TMCRange {
 public:
  explicit TCustomFormattedRange(TCollection* Collection = nullptr) : TMCRange(Collection) {}
  QString ClassName() const override { return QStringLiteral("TCustomFormattedRange"); }
  void AssignTo(TPersistent* Dest) const override;

  virtual TColor Color() const = 0;
  virtual TFont* Font() const = 0;
  virtual void SetColor(TColor) {}
  virtual void SetFont(const TFont*) {}

  /** The painter frees the range after drawing it. */
  bool FreeWhenDone = false;
};

/** A formatted range with its own font and colour. */
class TFormattedRange : public TCustomFormattedRange {
 public:
  explicit TFormattedRange(TCollection* Collection = nullptr)
      : TCustomFormattedRange(Collection), FFont(std::make_unique<TFont>()) {}
  QString ClassName() const override { return QStringLiteral("TFormattedRange"); }
  TColor Color() const override { return FColor; }
  TFont* Font() const override { return FFont.get(); }
  void SetColor(TColor Value) override { FColor = Value; }
  void SetFont(const TFont* Value) override {
    if (Value) FFont->Assign(Value);
  }

 private:
  std::unique_ptr<TFont> FFont;
  TColor FColor = 0;
};

/** A formatted range in the editor's own font and colour. */
class TNormalFormattedRange : public TCustomFormattedRange {
 public:
  using TCustomFormattedRange::TCustomFormattedRange;
  QString ClassName() const override { return QStringLiteral("TNormalFormattedRange"); }
  TColor Color() const override;
  TFont* Font() const override;
};
