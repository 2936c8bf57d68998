/** @file TextFile.cpp
 ** Text decoding, encoding and atomic writing. **/
#include "platform/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>

#include "platform/core/Exceptions.h"

namespace {
// Windows-1252 for 0x80..0x9F; the five bytes it leaves undefined keep their own value.
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(QByteArrayView Bytes) {
  QString Result(Bytes.size(), Qt::Uninitialized);
  for (qsizetype I = 0; I < Bytes.size(); ++I) {
    const auto B = static_cast<unsigned char>(Bytes[I]);
    Result[I] = QChar(B >= 0x80 && B < 0xA0 ? Cp1252High[B - 0x80] : char16_t(B));
  }
  return Result;
}

QString DecodeAnsi(QByteArrayView Bytes) {
  QStringDecoder Utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString Text = Utf8(Bytes);
  return Utf8.hasError() ? DecodeCp1252(Bytes) : Text;
}

QString FullPath(const QString& FileName) {
  return QDir::cleanPath(QFileInfo(FileName).absoluteFilePath());
}

QString IsADirectory() {
  return QString::fromLocal8Bit(std::strerror(EISDIR));
}

// errno is cleared before each file call, so a set value is that call's own failure.
QString SystemReason(const QFileDevice& File) {
  const int Code = errno;
  if (Code != 0) return QString::fromLocal8Bit(std::strerror(Code));
  return File.errorString();
}
}  // namespace

QString DecodeText(const QByteArray& Bytes) {
  auto Starts = [&](std::initializer_list<unsigned char> Mark) {
    if (Bytes.size() < static_cast<qsizetype>(Mark.size())) return false;
    qsizetype I = 0;
    for (unsigned char B : Mark)
      if (static_cast<unsigned char>(Bytes[I++]) != B) return false;
    return true;
  };
  // The mark is skipped here; a second one after it is text and must stay.
  auto Decode = [&](QStringDecoder::Encoding Encoding, qsizetype MarkSize) -> QString {
    return QStringDecoder(Encoding, QStringDecoder::Flag::ConvertInitialBom)(Bytes.mid(MarkSize));
  };
  if (Starts({0xFF, 0xFE})) return Decode(QStringDecoder::Utf16LE, 2);
  if (Starts({0xFE, 0xFF})) return Decode(QStringDecoder::Utf16BE, 2);
  if (Starts({0xEF, 0xBB, 0xBF})) return Decode(QStringDecoder::Utf8, 3);
  return DecodeAnsi(Bytes);
}

QByteArray EncodeAnsi(const QString& Text) {
  QStringEncoder Utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
  QByteArray Bytes = Utf8(Text);
  if (!Utf8.hasError()) return Bytes;
  // Only a lone surrogate defeats UTF-8, and UTF-8 with a mark would turn it into U+FFFD too;
  // UTF-16 with its mark keeps every code unit and reads back unchanged.
  QStringEncoder Utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
  return Utf16(Text);
}

QString ReadTextFile(const QString& FileName) {
  // Qt opens no folder and says so in its own words; the system's are wanted.
  if (QFileInfo(FileName).isDir()) throw EFOpenError(FullPath(FileName), IsADirectory());
  QFile File(FileName);
  errno = 0;
  if (!File.open(QIODevice::ReadOnly)) throw EFOpenError(FullPath(FileName), SystemReason(File));
  return DecodeText(File.readAll());
}

void WriteTextFile(const QString& FileName, const QString& Text) {
  if (QFileInfo(FileName).isDir()) throw EFCreateError(FullPath(FileName), IsADirectory());
  QSaveFile File(FileName);
  errno = 0;
  if (!File.open(QIODevice::WriteOnly)) throw EFCreateError(FullPath(FileName), SystemReason(File));
  const QByteArray Bytes = EncodeAnsi(Text);
  errno = 0;
  if (File.write(Bytes) != Bytes.size() || !File.commit())
    throw EFCreateError(FullPath(FileName), SystemReason(File));
}
