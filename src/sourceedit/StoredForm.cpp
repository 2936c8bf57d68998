/** @file StoredForm.cpp
 ** Tokenising and parsing stored form data. **/
#include "sourceedit/StoredForm.h"

namespace {
// Collections are read recursively; real settings nest one or two deep, and a deeper
// nesting must end in an error, not in an exhausted stack.
constexpr int MaxCollectionNesting = 64;

class TFormParser {
 public:
  explicit TFormParser(const QString& Text) : Text(Text) {}

  TStoredProperties ReadAll() {
    TStoredProperties Result;
    while (SkipBlanks(), Pos < Text.size())
      Result.push_back(ReadProperty(ReadName()));
    return Result;
  }

 private:
  [[noreturn]] void Fail(const QString& What) const {
    throw EReadError(QStringLiteral("Line %1: %2").arg(Line).arg(What));
  }

  void SkipBlanks() {
    while (Pos < Text.size()) {
      const QChar C = Text[Pos];
      if (C == u'\n') {
        ++Line;
        ++Pos;
      } else if (C.isSpace()) {
        ++Pos;
      } else if (Text.mid(Pos, 2) == u"//") {
        while (Pos < Text.size() && Text[Pos] != u'\n')
          ++Pos;
      } else {
        return;
      }
    }
  }

  bool IsNameChar(QChar C) const { return C.isLetterOrNumber() || C == u'_' || C == u'.'; }

  QString ReadName() {
    SkipBlanks();
    const qsizetype Start = Pos;
    while (Pos < Text.size() && IsNameChar(Text[Pos]))
      ++Pos;
    if (Pos == Start) Fail(QStringLiteral("A name was expected"));
    return Text.mid(Start, Pos - Start);
  }

  void Expect(QChar C) {
    SkipBlanks();
    if (Pos >= Text.size() || Text[Pos] != C) Fail(QStringLiteral("'%1' was expected").arg(C));
    ++Pos;
  }

  bool Peek(QChar C) {
    SkipBlanks();
    return Pos < Text.size() && Text[Pos] == C;
  }

  TStoredProperty ReadProperty(const QString& Name) {
    TStoredProperty Property;
    Property.Name = Name;
    Property.Line = Line;
    Expect(u'=');
    Property.Value = ReadValue();
    return Property;
  }

  TStoredValue ReadValue() {
    SkipBlanks();
    if (Pos >= Text.size()) Fail(QStringLiteral("A value was expected"));
    TStoredValue Value;
    const QChar C = Text[Pos];
    if (C == u'\'' || C == u'#') {
      Value.Kind = TStoredValue::vkString;
      Value.Text = ReadString();
    } else if (C == u'[') {
      Value.Kind = TStoredValue::vkSet;
      Value.List = ReadSet();
    } else if (C == u'(') {
      Value.Kind = TStoredValue::vkStrings;
      Value.List = ReadStrings();
    } else if (C == u'<') {
      Value.Kind = TStoredValue::vkCollection;
      Value.Items = ReadCollection();
    } else if (C == u'-' || C.isDigit()) {
      Value.Kind = TStoredValue::vkInteger;
      Value.Integer = ReadInteger();
    } else {
      Value.Kind = TStoredValue::vkIdent;
      Value.Text = ReadName();
    }
    return Value;
  }

  qint64 ReadInteger() {
    const qsizetype Start = Pos;
    if (Text[Pos] == u'-') ++Pos;
    while (Pos < Text.size() && Text[Pos].isDigit())
      ++Pos;
    bool Ok = false;
    const qint64 Result = Text.mid(Start, Pos - Start).toLongLong(&Ok);
    if (!Ok) Fail(QStringLiteral("A number was expected"));
    return Result;
  }

  // Quoted parts ('' stands for one quote) and character codes (#13), run together.
  QString ReadString() {
    QString Result;
    while (Pos < Text.size()) {
      if (Text[Pos] == u'\'') {
        for (++Pos;; ++Pos) {
          if (Pos >= Text.size() || Text[Pos] == u'\n') Fail(QStringLiteral("Unterminated string"));
          if (Text[Pos] == u'\'') {
            if (Pos + 1 < Text.size() && Text[Pos + 1] == u'\'') {
              Result += u'\'';
              ++Pos;
              continue;
            }
            ++Pos;
            break;
          }
          Result += Text[Pos];
        }
      } else if (Text[Pos] == u'#') {
        ++Pos;
        const qsizetype Start = Pos;
        while (Pos < Text.size() && Text[Pos].isDigit())
          ++Pos;
        bool Ok = false;
        const uint Code = Text.mid(Start, Pos - Start).toUInt(&Ok);
        if (!Ok || Code > 0xFFFF) Fail(QStringLiteral("A character code was expected"));
        Result += QChar(static_cast<char16_t>(Code));
      } else {
        break;
      }
    }
    return Result;
  }

  QStringList ReadSet() {
    Expect(u'[');
    QStringList Result;
    if (Peek(u']')) {
      ++Pos;
      return Result;
    }
    for (;;) {
      Result << ReadName();
      if (Peek(u']')) {
        ++Pos;
        return Result;
      }
      Expect(u',');
    }
  }

  QStringList ReadStrings() {
    Expect(u'(');
    QStringList Result;
    while (!Peek(u')')) {
      if (Pos >= Text.size() || (Text[Pos] != u'\'' && Text[Pos] != u'#'))
        Fail(QStringLiteral("A string was expected"));
      Result << ReadString();
    }
    ++Pos;
    return Result;
  }

  std::vector<TStoredProperties> ReadCollection() {
    Expect(u'<');
    if (++Nesting > MaxCollectionNesting)
      Fail(QStringLiteral("Collections are nested more than %1 deep").arg(MaxCollectionNesting));
    std::vector<TStoredProperties> Items;
    while (!Peek(u'>')) {
      if (ReadName() != u"item") Fail(QStringLiteral("'item' was expected"));
      TStoredProperties Item;
      for (;;) {
        const QString Name = ReadName();
        if (Name == u"end") break;
        Item.push_back(ReadProperty(Name));
      }
      Items.push_back(std::move(Item));
    }
    ++Pos;
    --Nesting;
    return Items;
  }

  const QString& Text;
  qsizetype Pos = 0;
  int Line = 1;
  int Nesting = 0;
};
}  // namespace

TStoredProperties ReadStoredForm(const QString& Text) {
  return TFormParser(Text).ReadAll();
}
