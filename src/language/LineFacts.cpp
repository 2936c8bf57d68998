/** @file LineFacts.cpp
 ** Declarations, jump targets and the operand checks of one line. **/
#include "language/LineFacts.h"

#include "language/Reference.h"

namespace {
// Instructions whose two operands must be of one width.
const QStringList SameWidthInstructions = {QStringLiteral("mov"), QStringLiteral("add"),
    QStringLiteral("adc"), QStringLiteral("sub"), QStringLiteral("sbb"), QStringLiteral("and"),
    QStringLiteral("or"), QStringLiteral("xor"), QStringLiteral("cmp"), QStringLiteral("test"),
    QStringLiteral("xchg")};

const QStringList DeclaringWords = {QStringLiteral("program"), QStringLiteral("procedure"),
    QStringLiteral("function"), QStringLiteral("class"), QStringLiteral("macro"),
    QStringLiteral("block")};

struct TLineTokens {
  QStringView Line;
  const std::vector<TToken>& Tokens;
  QStringView Text(size_t I) const { return Line.mid(Tokens[I].Start, Tokens[I].Length); }
  bool Is(size_t I, TTokenKind Kind) const { return I < Tokens.size() && Tokens[I].Kind == Kind; }
  /** Nothing but comments from I on. */
  bool EndsAt(size_t I) const {
    for (; I < Tokens.size(); ++I)
      if (Tokens[I].Kind != TTokenKind::Comment) return false;
    return true;
  }
};

bool IsJump(const QString& Word) {
  return Word == u"call" || Word == u"jmp" || Word.startsWith(u"loop") ||
         (Word.size() >= 2 && Word.size() <= 5 && Word[0] == u'j');
}

qint64 Limit(int Bits) {
  return qint64(1) << Bits;
}

// The statement starts after a label ("again: mov al, 1").
size_t StatementStart(const TLineTokens& T) {
  if (T.Is(0, TTokenKind::Word) && T.Is(1, TTokenKind::Symbol) && T.Text(1).startsWith(u':') &&
      !T.Text(1).startsWith(u":="))
    return 2;
  return 0;
}

void CheckOperands(const TLineTokens& T, size_t I, int LineNo, const TReference& R,
                   TLineFacts& Facts) {
  if (!T.Is(I + 1, TTokenKind::Word) || !T.Is(I + 2, TTokenKind::Symbol)) return;
  const QString Destination = T.Text(I + 1).toString().toLower();
  const int Width = R.RegisterWidth(Destination);
  const QStringView Comma = T.Text(I + 2);
  if (Width == 0 || (Comma != u"," && Comma != u",-")) return;
  bool Negative = Comma == u",-";
  size_t S = I + 3;
  if (!Negative && T.Is(S, TTokenKind::Symbol) && T.Text(S) == u"-") {
    Negative = true;
    ++S;
  }
  if (!T.EndsAt(S + 1)) return;
  const TToken& Source = T.Tokens[S];
  if (!Negative && Source.Kind == TTokenKind::Word) {
    const QString Name = T.Text(S).toString().toLower();
    const int SourceWidth = R.RegisterWidth(Name);
    if (SourceWidth != 0 && SourceWidth != Width)
      Facts.Problems.push_back({TSeverity::Error, LineNo, T.Tokens[I + 1].Start + 1,
                                Source.Start + Source.Length - T.Tokens[I + 1].Start,
                                QStringLiteral("Operands of different widths: %1 is %2 bits, %3 is %4 bits")
                                    .arg(Destination).arg(Width).arg(Name).arg(SourceWidth)});
    return;
  }
  qint64 Value = 0;
  if (Source.Kind != TTokenKind::Number || !ParseNumber(T.Text(S), Value)) return;
  if (Negative) Value = -Value;
  if (Value >= Limit(Width) || Value < -Limit(Width - 1))
    Facts.Problems.push_back({TSeverity::Error, LineNo, Source.Start + 1 - (Negative ? 1 : 0),
                              Source.Length + (Negative ? 1 : 0),
                              QStringLiteral("%1 does not fit in %2 (%3 bits)")
                                  .arg(Value).arg(Destination).arg(Width)});
}

void FindTarget(const TLineTokens& T, size_t I, int LineNo, const TReference& R, TLineFacts& Facts) {
  for (size_t J = I + 1; T.Is(J, TTokenKind::Word); ++J) {
    const QString Word = T.Text(J).toString();
    const TReferenceEntry* Entry = R.First(Word);
    if (Entry && (Entry->Kind == u"type" || Entry->Kind == u"keyword")) continue;  // short, dword ptr
    if (!Entry) Facts.Targets.push_back({Word, LineNo, T.Tokens[J].Start + 1});
    return;
  }
}
}  // namespace

bool IsDeclaringWord(const QString& Word) {
  return DeclaringWords.contains(Word, Qt::CaseInsensitive);
}

bool ParseNumber(QStringView Text, qint64& Value) {
  bool Ok = false;
  if (Text.startsWith(u'$')) {
    Value = Text.mid(1).toLongLong(&Ok, 16);
  } else if (Text.startsWith(u"0x", Qt::CaseInsensitive)) {
    Value = Text.mid(2).toLongLong(&Ok, 16);
  } else if (Text.endsWith(u'h', Qt::CaseInsensitive)) {
    Value = Text.chopped(1).toLongLong(&Ok, 16);
  } else if (Text.endsWith(u'b', Qt::CaseInsensitive)) {
    Value = Text.chopped(1).toLongLong(&Ok, 2);
  } else {
    Value = Text.toLongLong(&Ok, 10);
  }
  return Ok;
}

TLineFacts AnalyseLine(QStringView Line, int LineNo, const std::vector<TToken>& Tokens,
                       const TReference& Reference) {
  TLineFacts Facts;
  const TLineTokens T{Line, Tokens};
  FindDeclarations(Line, LineNo, Tokens, [&](size_t I) { return IsDeclaringWord(T.Text(I).toString()); },
                   Facts.Declarations);
  const size_t S = StatementStart(T);
  if (!T.Is(S, TTokenKind::Word)) return Facts;
  const QString First = T.Text(S).toString().toLower();
  if (SameWidthInstructions.contains(First)) CheckOperands(T, S, LineNo, Reference, Facts);
  const TReferenceEntry* Entry = Reference.First(First);
  if (Entry && Entry->Kind == u"instruction" && IsJump(First)) FindTarget(T, S, LineNo, Reference, Facts);
  return Facts;
}

void FindDeclarations(QStringView Line, int LineNo, const std::vector<TToken>& Tokens,
                      const std::function<bool(size_t)>& Declaring, std::vector<TDeclaration>& Out) {
  const TLineTokens T{Line, Tokens};
  if (T.Is(0, TTokenKind::Word) && T.Is(1, TTokenKind::Symbol) && T.Text(1).startsWith(u':') &&
      !T.Text(1).startsWith(u":=") && !T.Text(1).startsWith(u"::") &&
      Tokens[1].Start == Tokens[0].Start + Tokens[0].Length)
    Out.push_back({QStringLiteral("label"), T.Text(0).toString(), LineNo, Tokens[0].Start + 1});
  for (size_t I = 0; I + 1 < Tokens.size(); ++I)
    if (Tokens[I].Kind == TTokenKind::Word && Tokens[I + 1].Kind == TTokenKind::Word && Declaring(I))
      Out.push_back({T.Text(I).toString().toLower(), T.Text(I + 1).toString(), LineNo, Tokens[I + 1].Start + 1});
}

TBracketBalance BalanceOf(QStringView Line, const std::vector<TToken>& Tokens) {
  TBracketBalance B;
  for (const TToken& Token : Tokens) {
    if (Token.Kind != TTokenKind::Open && Token.Kind != TTokenKind::Close) continue;
    const int Kind = BracketKind(Line[Token.Start]);
    if (Token.Kind == TTokenKind::Open)
      ++B.Opens[Kind];
    else if (B.Opens[Kind] > 0)
      --B.Opens[Kind];
    else
      ++B.Closes[Kind];
  }
  return B;
}
