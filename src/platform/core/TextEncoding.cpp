/** @file TextEncoding.cpp
 ** Encoding an editor's text for its file: the old bytes where nothing changed, the
 ** file's encoding and line breaks for the rest. **/
#include "platform/core/TextEncoding.h"

#include <QStringEncoder>
#include <algorithm>

#include "platform/core/TextDecoding.h"

namespace {
constexpr QChar ByteOrderMark(0xFEFF);

bool IsUtf16(TTextEncoding Encoding) {
  return Encoding == TTextEncoding::Utf16LE || Encoding == TTextEncoding::Utf16BE;
}

// Steps through a body one unit at a time (a line break, a character, a stray byte),
// counting the editor characters each stands for: a line break of any kind is two.
class TBodyWalker {
 public:
  TBodyWalker(const QByteArray& Body, TTextEncoding Encoding)
      : FBody(Body), FEncoding(Encoding), FUnit(IsUtf16(Encoding) ? 2 : 1) {}
  bool AtEnd() const { return Byte + FUnit > FBody.size(); }
  void Next() {
    const char16_t C = At(Byte);
    if (C == u'\r' || C == u'\n') {
      Byte += FUnit;
      if (C == u'\r' && !AtEnd() && At(Byte) == u'\n') Byte += FUnit;
      Char += 2;
    } else if (FEncoding == TTextEncoding::Utf8) {
      const int Length = std::max(1, Utf8SequenceLength(FBody, Byte));
      Byte += Length;
      Char += Length == 4 ? 2 : 1;
    } else {
      Byte += FUnit;
      Char += 1;
    }
  }
  qsizetype Byte = 0;
  qsizetype Char = 0;

 private:
  char16_t At(qsizetype I) const {
    if (FUnit == 2) return Utf16Unit(FBody, I, FEncoding == TTextEncoding::Utf16BE);
    return static_cast<unsigned char>(FBody[I]);
  }
  const QByteArray& FBody;
  TTextEncoding FEncoding;
  qsizetype FUnit;
};

// Text (CR LF line breaks) in Format's encoding and line breaks; no value when a character
// does not fit.
std::optional<QByteArray> Encode(QString Text, const TTextFormat& Format) {
  if (Format.LineBreaks == TLineBreaks::Lf) Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (Format.LineBreaks == TLineBreaks::Cr) Text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  switch (Format.Encoding) {
    case TTextEncoding::Utf8: {
      QStringEncoder Utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
      QByteArray Bytes = Utf8(Text);
      if (Utf8.hasError()) return std::nullopt;
      return Bytes;
    }
    case TTextEncoding::Windows1252: {
      QByteArray Bytes(Text.size(), Qt::Uninitialized);
      for (qsizetype I = 0; I < Text.size(); ++I) {
        const int B = Windows1252Byte(Text[I]);
        if (B < 0) return std::nullopt;
        Bytes[I] = static_cast<char>(B);
      }
      return Bytes;
    }
    case TTextEncoding::Utf16LE:
    case TTextEncoding::Utf16BE: {
      const bool Big = Format.Encoding == TTextEncoding::Utf16BE;
      QByteArray Bytes(Text.size() * 2, Qt::Uninitialized);
      for (qsizetype I = 0; I < Text.size(); ++I) {
        const char16_t U = Text[I].unicode();
        Bytes[2 * I + (Big ? 0 : 1)] = static_cast<char>(U >> 8);
        Bytes[2 * I + (Big ? 1 : 0)] = static_cast<char>(U & 0xFF);
      }
      return Bytes;
    }
  }
  return std::nullopt;
}

QByteArray MarkOf(const TTextFormat& Format) {
  switch (Format.Encoding) {
    case TTextEncoding::Utf16LE:
      return QByteArrayLiteral("\xFF\xFE");
    case TTextEncoding::Utf16BE:
      return QByteArrayLiteral("\xFE\xFF");
    case TTextEncoding::Utf8:
      return Format.Mark ? QByteArrayLiteral("\xEF\xBB\xBF") : QByteArray();
    case TTextEncoding::Windows1252:
      break;
  }
  return QByteArray();
}

// The body for Text: the old body's bytes before and after the part that differs from
// BodyText, the rest encoded anew. Cuts fall between whole units of the old body only.
std::optional<QByteArray> EncodeBody(const QString& Text, const TTextFormat& Format) {
  const QString& Old = Format.BodyText;
  const qsizetype Shorter = std::min(Old.size(), Text.size());
  const qsizetype Prefix =
      std::mismatch(Old.begin(), Old.begin() + Shorter, Text.begin()).first - Old.begin();
  qsizetype Suffix = 0;
  while (Suffix < Shorter - Prefix && Old[Old.size() - 1 - Suffix] == Text[Text.size() - 1 - Suffix])
    ++Suffix;
  TBodyWalker Walker(Format.Body, Format.Encoding);
  qsizetype HeadChars = 0, HeadBytes = 0;
  for (;;) {
    if (Walker.Char <= Prefix) {
      HeadChars = Walker.Char;
      HeadBytes = Walker.Byte;
    }
    if (Walker.Char >= Old.size() - Suffix || Walker.AtEnd()) break;
    Walker.Next();
  }
  // A body that does not match its text (never expected) is not trusted at all.
  if (Walker.Char < Old.size() - Suffix) return Encode(Text, Format);
  const qsizetype TailChars = Old.size() - Walker.Char;
  const std::optional<QByteArray> Middle =
      Encode(Text.mid(HeadChars, Text.size() - TailChars - HeadChars), Format);
  if (!Middle) return std::nullopt;
  return Format.Body.left(HeadBytes) + *Middle + Format.Body.mid(Walker.Byte);
}
}  // namespace

std::optional<TEncodedText> EncodeTextFile(const QString& Text, const TTextFormat& Format) {
  TEncodedText Result{QByteArray(), Format};
  TTextFormat& Next = Result.Format;
  if (Next.Encoding == TTextEncoding::Utf8 && Text.startsWith(ByteOrderMark)) Next.Mark = true;
  const std::optional<QByteArray> Body =
      Format.NeedsBody() ? EncodeBody(Text, Format) : Encode(Text, Format);
  if (!Body) return std::nullopt;
  Result.Bytes = MarkOf(Next) + *Body;
  // Stray bytes and Windows-1252 can meet written bytes and read back as other characters.
  if (Format.NeedsBody() || Format.Encoding == TTextEncoding::Windows1252) {
    if (WithCrLf(DecodeText(Result.Bytes)) != WithCrLf(Text)) return std::nullopt;
  }
  if (Next.NeedsBody()) {
    Next.Body = *Body;
    Next.BodyText = Text;
  }
  return Result;
}

TTextFormat ConvertedFormat(const TTextFormat& From, const QString& Text) {
  TTextFormat Result;
  Result.LineBreaks = From.LineBreaks == TLineBreaks::Mixed ? TLineBreaks::CrLf : From.LineBreaks;
  QStringEncoder Utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
  const QByteArray Encoded = Utf8(Text);
  if (Utf8.hasError()) {
    Result.Encoding = TTextEncoding::Utf16LE;
    Result.Mark = true;
  }
  return Result;
}
