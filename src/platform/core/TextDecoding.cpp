/** @file TextDecoding.cpp
 ** Byte-order marks, UTF-8 with stray bytes, Windows-1252 and UTF-16 read losslessly. **/
#include "platform/core/TextDecoding.h"

#include <QStringDecoder>

#include "platform/core/HugePages.h"

namespace {
// Windows-1252 for 0x80..0x9F; the five bytes it leaves undefined keep their own value.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar Cp1252Char(unsigned char B) {
  return QChar(B >= 0x80 && B < 0xA0 ? Cp1252High[B - 0x80] : char16_t(B));
}

}  // namespace

int Utf8SequenceLength(QByteArrayView Bytes, qsizetype At) {
  const auto Byte = [&](qsizetype I) {
    return I < Bytes.size() ? static_cast<unsigned char>(Bytes[I]) : 0u;
  };
  const unsigned Lead = Byte(At);
  if (Lead < 0x80) return 1;
  const auto Continues = [&](qsizetype I, unsigned Low = 0x80, unsigned High = 0xBF) {
    const unsigned B = Byte(I);
    return B >= Low && B <= High;
  };
  if (Lead >= 0xC2 && Lead <= 0xDF) return Continues(At + 1) ? 2 : 0;
  if (Lead >= 0xE0 && Lead <= 0xEF) {
    const unsigned Low = Lead == 0xE0 ? 0xA0 : 0x80, High = Lead == 0xED ? 0x9F : 0xBF;
    return Continues(At + 1, Low, High) && Continues(At + 2) ? 3 : 0;
  }
  if (Lead >= 0xF0 && Lead <= 0xF4) {
    const unsigned Low = Lead == 0xF0 ? 0x90 : 0x80, High = Lead == 0xF4 ? 0x8F : 0xBF;
    return Continues(At + 1, Low, High) && Continues(At + 2) && Continues(At + 3) ? 4 : 0;
  }
  return 0;
}

namespace {
struct TMixedUtf8 {
  QString Text;
  bool MultiByte = false;
  bool Stray = false;
};

TMixedUtf8 DecodeMixedUtf8(QByteArrayView Bytes) {
  TMixedUtf8 Result;
  Result.Text.reserve(Bytes.size());
  for (qsizetype At = 0; At < Bytes.size();) {
    const int Length = Utf8SequenceLength(Bytes, At);
    if (Length == 0) {
      Result.Text += Cp1252Char(static_cast<unsigned char>(Bytes[At]));
      Result.Stray = true;
      ++At;
      continue;
    }
    char32_t Code = static_cast<unsigned char>(Bytes[At]);
    if (Length > 1) {
      Code &= 0x7F >> Length;
      for (int I = 1; I < Length; ++I)
        Code = Code << 6 | (static_cast<unsigned char>(Bytes[At + I]) & 0x3F);
      Result.MultiByte = true;
    }
    if (QChar::requiresSurrogates(Code)) {
      Result.Text += QChar(QChar::highSurrogate(Code));
      Result.Text += QChar(QChar::lowSurrogate(Code));
    } else {
      Result.Text += QChar(char16_t(Code));
    }
    At += Length;
  }
  return Result;
}

// Fast when the bytes are valid UTF-8, which nearly every file is.
TMixedUtf8 DecodeUtf8(QByteArrayView Bytes) {
  QStringDecoder Utf8(QStringDecoder::Utf8,
                      QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  // At most one UTF-16 unit per byte; decoded straight into a buffer in huge pages.
  QString Text(Bytes.size(), Qt::Uninitialized);
  AdviseHugePages(Text.data(), static_cast<std::size_t>(Text.size()) * sizeof(QChar));
  Text.truncate(Utf8.appendToBuffer(Text.data(), Bytes) - Text.data());
  if (!Utf8.hasError()) return {std::move(Text), true, false};
  return DecodeMixedUtf8(Bytes);
}

// Code units as they are, lone surrogates too, so that writing gives the same bytes.
QString DecodeUtf16(QByteArrayView Bytes, bool BigEndian) {
  QString Text(Bytes.size() / 2, Qt::Uninitialized);
  for (qsizetype I = 0; I < Text.size(); ++I) Text[I] = QChar(Utf16Unit(Bytes, 2 * I, BigEndian));
  return Text;
}

TLineBreaks LineBreaksOf(const QString& Text) {
  bool CrLf = false, Lf = false, Cr = false;
  for (qsizetype I = Text.indexOf(u'\r'); I >= 0; I = Text.indexOf(u'\r', I + 1))
    (I + 1 < Text.size() && Text[I + 1] == u'\n' ? CrLf : Cr) = true;
  for (qsizetype I = Text.indexOf(u'\n'); I >= 0; I = Text.indexOf(u'\n', I + 1))
    if (I == 0 || Text[I - 1] != u'\r') Lf = true;
  if (CrLf + Lf + Cr > 1) return TLineBreaks::Mixed;
  return Lf ? TLineBreaks::Lf : Cr ? TLineBreaks::Cr : TLineBreaks::CrLf;
}

// The characters, with the encoding and mark they were read by and what could not be read.
TDecodedText DecodeCharacters(const QByteArray& Bytes) {
  TDecodedText Result;
  TTextFormat& Format = Result.Format;
  qsizetype MarkSize = 0;
  if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")) {
    const bool BigEndian = Bytes[0] == '\xFE';
    Format.Encoding = BigEndian ? TTextEncoding::Utf16BE : TTextEncoding::Utf16LE;
    Format.Mark = true;
    MarkSize = 2;
    Result.Text = DecodeUtf16(QByteArrayView(Bytes).sliced(MarkSize), BigEndian);
    if ((Bytes.size() - MarkSize) % 2 != 0)
      Result.Unreadable =
          QStringLiteral("The last byte of this UTF-16 file (%1) is not part of any character and "
                         "was not read.")
              .arg(QString::fromLatin1(Bytes.right(1).toHex().toUpper()));
  } else {
    Format.Mark = Bytes.startsWith("\xEF\xBB\xBF");
    MarkSize = Format.Mark ? 3 : 0;
    TMixedUtf8 Decoded = DecodeUtf8(QByteArrayView(Bytes).sliced(MarkSize));
    Result.Text = std::move(Decoded.Text);
    if (Decoded.Stray && !Decoded.MultiByte && !Format.Mark)
      Format.Encoding = TTextEncoding::Windows1252;
    else
      Format.StrayBytes = Decoded.Stray;
  }
  return Result;
}
}  // namespace

TDecodedText DecodeTextFile(const QByteArray& Bytes) {
  TDecodedText Result = DecodeCharacters(Bytes);
  TTextFormat& Format = Result.Format;
  Format.LineBreaks = LineBreaksOf(Result.Text);
  if (Format.NeedsBody()) {
    const qsizetype MarkSize = !Format.Mark ? 0 : Format.Encoding == TTextEncoding::Utf8 ? 3 : 2;
    // An odd last byte of UTF-16 is no part of the text, so not of the body either.
    Format.Body = Bytes.mid(MarkSize, Result.Unreadable.isEmpty() ? -1 : Bytes.size() - MarkSize - 1);
    Format.BodyText = WithCrLf(Result.Text);
  }
  return Result;
}

QString DecodeText(const QByteArray& Bytes) {
  return DecodeCharacters(Bytes).Text;
}

namespace {
bool HasOnlyPairedLineBreaks(const QString& Text) {
  const qsizetype Size = Text.size();
  for (qsizetype I = 0; I < Size; ++I) {
    const QChar C = Text[I];
    if (C == u'\n') return false;
    if (C == u'\r') {
      if (I + 1 == Size || Text[I + 1] != u'\n') return false;
      ++I;
    }
  }
  return true;
}
}  // namespace

// A text that needs no change is shared, not copied: a loaded file or a typed character
// usually needs none.
QString WithCrLf(const QString& Text) {
  if (HasOnlyPairedLineBreaks(Text)) return Text;
  QString Result;
  Result.reserve(Text.size() + Text.size() / 8);
  for (qsizetype I = 0; I < Text.size(); ++I) {
    const QChar C = Text[I];
    if (C == u'\r' || C == u'\n') {
      Result += u"\r\n";
      if (C == u'\r' && I + 1 < Text.size() && Text[I + 1] == u'\n') ++I;
    } else {
      Result += C;
    }
  }
  return Result;
}

int Windows1252Byte(QChar C) {
  const char16_t U = C.unicode();
  if (U < 0x80 || (U >= 0xA0 && U <= 0xFF)) return U;
  for (int B = 0x80; B < 0xA0; ++B)
    if (Cp1252High[B - 0x80] == U) return B;
  return -1;
}
