/** @file TextFile.cpp
 ** Reading files whole, with every failure reported, and writing them safely. **/
#include "platform/core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <cerrno>
#include <cstring>

#include "platform/core/Exceptions.h"
#include "platform/core/FileSaving.h"
#include "platform/core/HugePages.h"

namespace {
QString FullPath(const QString& FileName) {
  return QDir::cleanPath(QFileInfo(FileName).absoluteFilePath());
}

// errno is cleared before each file call, so a set value is that call's own failure.
QString SystemReason(const QFileDevice& File) {
  const int Code = errno;
  if (Code != 0) return QString::fromLocal8Bit(std::strerror(Code));
  return File.errorString();
}

EFOpenError TooLarge(const QString& FileName, const QString& Size) {
  return EFOpenError(FullPath(FileName),
                     QStringLiteral("The file is %1 long; the studio opens files of up to 1 GiB")
                         .arg(Size));
}
}  // namespace

QByteArray EncodeAnsi(const QString& Text) {
  QStringEncoder Utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
  QByteArray Bytes = Utf8(Text);
  if (!Utf8.hasError()) return Bytes;
  // Only a lone surrogate defeats UTF-8, and UTF-8 with a mark would turn it into U+FFFD too;
  // UTF-16 with its mark keeps every code unit and reads back unchanged.
  QStringEncoder Utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
  return Utf16(Text);
}

QByteArray ReadFileBytes(const QString& FileName) {
  // Qt opens no folder and says so in its own words; the system's are wanted.
  if (QFileInfo(FileName).isDir())
    throw EFOpenError(FullPath(FileName), QString::fromLocal8Bit(std::strerror(EISDIR)));
  QFile File(FileName);
  errno = 0;
  if (!File.open(QIODevice::ReadOnly)) throw EFOpenError(FullPath(FileName), SystemReason(File));
  if (File.size() > MaxTextFileSize)
    throw TooLarge(FileName, QStringLiteral("%1 bytes").arg(File.size()));
  // Read in pieces: a device or a file in /proc tells no size and may never end. Each piece
  // goes straight into the buffer.
  QByteArray Bytes;
  Bytes.reserve(File.size() + 1);
  AdviseHugePages(Bytes.data(), static_cast<std::size_t>(Bytes.capacity()));
  for (;;) {
    errno = 0;
    const qsizetype Had = Bytes.size();
    // Within the room reserved for a file that told its size; the last read finds its end.
    const qint64 Room = Bytes.capacity() - Had;
    const qint64 Wanted = qMin<qint64>(Room > 0 ? qMin<qint64>(Room, 1 << 24) : 1 << 24,
                                       MaxTextFileSize + 1 - Had);
    Bytes.resize(Had + Wanted);
    const qint64 Got = File.read(Bytes.data() + Had, Wanted);
    Bytes.resize(Had + qMax<qint64>(Got, 0));
    if (File.error() != QFileDevice::NoError || Got < 0)
      throw EFOpenError(FullPath(FileName), SystemReason(File));
    if (Got == 0) return Bytes;
    if (Bytes.size() > MaxTextFileSize) throw TooLarge(FileName, QStringLiteral("over 1 GiB"));
  }
}

QString ReadTextFile(const QString& FileName) {
  return DecodeText(ReadFileBytes(FileName));
}

void WriteTextFile(const QString& FileName, const QString& Text) {
  SaveFileBytes(FileName, EncodeAnsi(Text));
}
