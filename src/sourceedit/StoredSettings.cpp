/** @file StoredSettings.cpp
 ** Stored properties of the editor, its colouring definition, word lists and custom
 ** styles, each applied through its setter. **/
#include "sourceedit/StoredSettings.h"

#include <QFile>
#include <limits>
#include <utility>

#include "sourceedit/SourceEdit.h"

namespace {
[[noreturn]] void Fail(const TStoredProperty& P, const QString& What) {
  throw EReadError(QStringLiteral("Line %1: %2").arg(P.Line).arg(What));
}

[[noreturn]] void NoSuchProperty(const TStoredProperty& P) {
  Fail(P, QStringLiteral("Property %1 does not exist").arg(P.Name));
}

const std::pair<const char16_t*, TColor> ColorNames[] = {
    {u"clBlack", clBlack},
    {u"clMaroon", clMaroon},
    {u"clGreen", clGreen},
    {u"clOlive", clOlive},
    {u"clNavy", clNavy},
    {u"clPurple", clPurple},
    {u"clTeal", clTeal},
    {u"clGray", clGray},
    {u"clSilver", clSilver},
    {u"clRed", clRed},
    {u"clLime", clLime},
    {u"clYellow", clYellow},
    {u"clBlue", clBlue},
    {u"clFuchsia", clFuchsia},
    {u"clAqua", clAqua},
    {u"clWhite", clWhite},
    {u"clNone", clNone},
    {u"clWindow", clWindow},
    {u"clWindowText", clWindowText},
    {u"clHighlight", clHighlight},
    {u"clHighlightText", clHighlightText},
    {u"clBtnFace", clBtnFace},
};

const std::pair<const char16_t*, TFontStyle> StyleNames[] = {
    {u"fsBold", TFontStyle::fsBold},
    {u"fsItalic", TFontStyle::fsItalic},
    {u"fsUnderline", TFontStyle::fsUnderline},
    {u"fsStrikeOut", TFontStyle::fsStrikeOut},
};

/** One stored value read as the kind its property needs. */
class TValue {
 public:
  explicit TValue(const TStoredProperty& P) : P(P), V(P.Value) {}

  bool Boolean() const {
    if (V.Kind == TStoredValue::vkIdent && V.Text == u"True") return true;
    if (V.Kind == TStoredValue::vkIdent && V.Text == u"False") return false;
    Invalid();
  }
  int Integer() const {
    if (V.Kind != TStoredValue::vkInteger || V.Integer < std::numeric_limits<int>::min() ||
        V.Integer > std::numeric_limits<int>::max())
      Invalid();
    return static_cast<int>(V.Integer);
  }
  TColor Color() const {
    if (V.Kind == TStoredValue::vkInteger) return static_cast<TColor>(V.Integer);
    if (V.Kind == TStoredValue::vkIdent)
      for (const auto& [Name, Color] : ColorNames)
        if (V.Text == Name) return Color;
    Invalid();
  }
  TFontStyles Styles() const {
    if (V.Kind != TStoredValue::vkSet) Invalid();
    TFontStyles Result;
    for (const QString& Member : V.List) {
      auto It = std::find_if(std::begin(StyleNames), std::end(StyleNames),
                             [&](const auto& Entry) { return Member == Entry.first; });
      if (It == std::end(StyleNames)) Invalid();
      Result.Include(It->second);
    }
    return Result;
  }
  QString String() const {
    if (V.Kind != TStoredValue::vkString) Invalid();
    return V.Text;
  }
  QChar Char() const {
    if (String().size() != 1) Invalid();
    return V.Text[0];
  }
  /** The lines of a string list, in a list that can be assigned from. */
  std::unique_ptr<TStringList> Strings() const {
    if (V.Kind != TStoredValue::vkStrings) Invalid();
    auto Result = std::make_unique<TStringList>();
    for (const QString& Line : V.List)
      Result->Add(Line);
    return Result;
  }
  const std::vector<TStoredProperties>& Items() const {
    if (V.Kind != TStoredValue::vkCollection) Invalid();
    return V.Items;
  }

 private:
  [[noreturn]] void Invalid() const { Fail(P, QStringLiteral("Invalid property value")); }

  const TStoredProperty& P;
  const TStoredValue& V;
};

void Apply(TWordList& L, const TStoredProperty& P) {
  const TValue V(P);
  if (P.Name == u"Caption")
    L.SetCaption(V.String());
  else if (P.Name == u"CustomColor")
    L.SetCustomColor(V.Boolean());
  else if (P.Name == u"Color")
    L.SetColor(V.Color());
  else if (P.Name == u"CustomStyle")
    L.SetCustomStyle(V.Boolean());
  else if (P.Name == u"Style")
    L.SetStyle(V.Styles());
  else if (P.Name == u"CaseSensitive")
    L.SetCaseSensitive(V.Boolean());
  else if (P.Name == u"Words.Strings")
    L.SetWords(V.Strings().get());
  else
    NoSuchProperty(P);
}

void Apply(TCustomStyle& S, const TStoredProperty& P) {
  const TValue V(P);
  if (P.Name == u"Caption")
    S.SetCaption(V.String());
  else if (P.Name == u"CustomColor")
    S.SetCustomColor(V.Boolean());
  else if (P.Name == u"Color")
    S.SetColor(V.Color());
  else if (P.Name == u"CustomStyle")
    S.SetCustomStyle(V.Boolean());
  else if (P.Name == u"Style")
    S.SetStyle(V.Styles());
  else if (P.Name == u"BeginText")
    S.SetBeginText(V.String());
  else if (P.Name == u"EndText")
    S.SetEndText(V.String());
  else if (P.Name == u"IgnoreChar")
    S.SetIgnoreChar(V.String());
  else if (P.Name == u"Switchable")
    S.SetSwitchable(V.Boolean());
  else if (P.Name == u"DontSwitchToIndex1")
    S.SetDontSwitchToIndex1(V.Integer());
  else if (P.Name == u"DontSwitchToIndex2")
    S.SetDontSwitchToIndex2(V.Integer());
  else
    NoSuchProperty(P);
}

// Items are read one after another into a collection of the same class, which the
// definition's setter then copies; a reference to a later item is not valid yet when read.
template <class TItems>
std::unique_ptr<TItems> ReadItems(const TValue& V) {
  auto Items = std::make_unique<TItems>(nullptr);
  for (const TStoredProperties& Stored : V.Items()) {
    auto* Item = Items->Add();
    for (const TStoredProperty& P : Stored)
      Apply(*Item, P);
  }
  return Items;
}

void Apply(TSyntaxColoring& C, const TStoredProperty& P, const QString& Name) {
  const TValue V(P);
  if (Name == u"Enabled")
    C.SetEnabled(V.Boolean());
  else if (Name == u"SymbolColor")
    C.SetSymbolColor(V.Color());
  else if (Name == u"SymbolStyle")
    C.SetSymbolStyle(V.Styles());
  else if (Name == u"SymbolCustomStyle")
    C.SetSymbolCustomStyle(V.Boolean());
  else if (Name == u"NumberColor")
    C.SetNumberColor(V.Color());
  else if (Name == u"NumberStyle")
    C.SetNumberStyle(V.Styles());
  else if (Name == u"NumberCustomStyle")
    C.SetNumberCustomStyle(V.Boolean());
  else if (Name == u"WordLists")
    C.SetWordLists(ReadItems<TWordLists>(V).get());
  else if (Name == u"CustomStyles")
    C.SetCustomStyles(ReadItems<TCustomStyles>(V).get());
  else if (Name == u"ParenthesisColors.Strings")
    C.SetParenthesisColors(V.Strings().get());
  else if (Name == u"ParenthesisStyle")
    C.SetParenthesisStyle(V.Styles());
  else if (Name == u"ParenthesisCustomStyle")
    C.SetParenthesisCustomStyle(V.Boolean());
  else
    NoSuchProperty(P);
}

void Apply(TSourceEdit& E, const TStoredProperty& P) {
  static const QString ColoringPrefix = QStringLiteral("SyntaxColoring.");
  const TValue V(P);
  if (P.Name.startsWith(ColoringPrefix))
    Apply(*E.SyntaxColoring(), P, P.Name.mid(ColoringPrefix.size()));
  else if (P.Name == u"AutoIndent")
    E.SetAutoIndent(V.Boolean());
  else if (P.Name == u"AutoIndentIncrease")
    E.SetAutoIndentIncrease(V.Boolean());
  else if (P.Name == u"AutoIndentIncreaseStart")
    E.SetAutoIndentIncreaseStart(V.Char());
  else if (P.Name == u"AutoIndentIncreaseEnd")
    E.SetAutoIndentIncreaseEnd(V.Char());
  else
    NoSuchProperty(P);
}
}  // namespace

void ApplyStoredSettings(TSourceEdit& Editor, const TStoredProperties& Properties) {
  for (const TStoredProperty& P : Properties)
    Apply(Editor, P);
}

void LoadStoredSettings(TSourceEdit& Editor, const QString& ResourcePath) {
  // The resources live in a static library; registering twice is harmless.
  Q_INIT_RESOURCE(language);
  QFile File(ResourcePath);
  if (!File.open(QIODevice::ReadOnly)) throw EFOpenError(ResourcePath, File.errorString());
  const QString Text = QString::fromUtf8(File.readAll());
  try {
    ApplyStoredSettings(Editor, ReadStoredForm(Text));
  } catch (const EReadError& Error) {
    throw EReadError(ResourcePath + QStringLiteral(": ") + Error.Message());
  }
}
