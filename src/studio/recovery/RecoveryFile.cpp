/** @file RecoveryFile.cpp **/
#include "studio/recovery/RecoveryFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace {
const QByteArray Magic = QByteArrayLiteral("YorelRecovery ");

QByteArray TextBytes(const QString& Text) {
  QByteArray Bytes(Text.size() * 2, Qt::Uninitialized);
  char* Out = Bytes.data();
  for (const QChar C : Text) {
    *Out++ = char(C.unicode() & 0xFF);
    *Out++ = char(C.unicode() >> 8);
  }
  return Bytes;
}

QString TextOf(QByteArrayView Bytes) {
  QString Text(Bytes.size() / 2, Qt::Uninitialized);
  QChar* Out = Text.data();
  for (qsizetype I = 0; I + 1 < Bytes.size(); I += 2)
    *Out++ = QChar(char16_t(quint8(Bytes[I]) | (quint8(Bytes[I + 1]) << 8)));
  return Text;
}

QByteArray Checksum(QByteArrayView Body) {
  return QCryptographicHash::hash(Body, QCryptographicHash::Sha256).toHex();
}

QByteArray Field(const QByteArray& Name, const QString& Value) {
  return Name + '=' + QUrl::toPercentEncoding(Value) + '\n';
}

QByteArray HeaderBytes(const TRecoveryHeader& Header, const QByteArray& Body) {
  QByteArray Bytes = Magic + QByteArray::number(RecoveryFormatVersion) + '\n';
  Bytes += Field("path", Header.FilePath);
  Bytes += Field("project", Header.Project);
  Bytes += Field("time", Header.Time.toUTC().toString(Qt::ISODateWithMs));
  Bytes += "length=" + QByteArray::number(Body.size()) + '\n';
  Bytes += "sha256=" + Checksum(Body) + '\n';
  Bytes += '\n';
  return Bytes;
}
}  // namespace

QByteArray EncodeRecovery(const TRecoveryHeader& Header, const QString& Text) {
  const QByteArray Body = TextBytes(Text);
  return HeaderBytes(Header, Body) + Body;
}

TRecoveryContents DecodeRecovery(const QByteArray& Bytes) {
  const qsizetype HeaderEnd = Bytes.indexOf("\n\n");
  if (!Bytes.startsWith(Magic) || HeaderEnd < 0)
    throw ERecoveryError(QStringLiteral("not a recovery file, or its header is cut off"));
  const QList<QByteArray> Lines = Bytes.left(HeaderEnd).split('\n');
  bool Ok = false;
  const int Version = Lines[0].mid(Magic.size()).toInt(&Ok);
  if (!Ok) throw ERecoveryError(QStringLiteral("its header is damaged"));
  if (Version > RecoveryFormatVersion)
    throw ERecoveryError(QStringLiteral("written by a newer version of the studio"));
  QHash<QByteArray, QByteArray> Fields;
  for (qsizetype I = 1; I < Lines.size(); ++I) {
    const qsizetype Equals = Lines[I].indexOf('=');
    if (Equals > 0) Fields.insert(Lines[I].left(Equals), Lines[I].mid(Equals + 1));
  }
  const qint64 Length = Fields.value("length").toLongLong(&Ok);
  if (!Ok || !Fields.contains("sha256") || !Fields.contains("time"))
    throw ERecoveryError(QStringLiteral("its header is damaged"));
  const QByteArrayView Body = QByteArrayView(Bytes).sliced(HeaderEnd + 2);
  if (Body.size() < Length) throw ERecoveryError(QStringLiteral("it is truncated"));
  if (Body.size() > Length || Length % 2 != 0 || Checksum(Body) != Fields.value("sha256"))
    throw ERecoveryError(QStringLiteral("its checksum does not match: the text is damaged"));
  TRecoveryContents Contents;
  Contents.Header.FilePath = QUrl::fromPercentEncoding(Fields.value("path"));
  Contents.Header.Project = QUrl::fromPercentEncoding(Fields.value("project"));
  Contents.Header.Time =
      QDateTime::fromString(QUrl::fromPercentEncoding(Fields.value("time")), Qt::ISODateWithMs);
  Contents.Text = TextOf(Body);
  return Contents;
}

void WriteRecoveryFile(const QString& FileName, const TRecoveryHeader& Header,
                       const QString& Text) {
  // Header and body go out apart, so a huge text is not copied once more to join them.
  const QByteArray Body = TextBytes(Text);
  QSaveFile File(FileName);
  if (!File.open(QIODevice::WriteOnly) || File.write(HeaderBytes(Header, Body)) < 0 ||
      File.write(Body) < 0 || !File.commit())
    throw ERecoveryError(File.errorString());
}

TRecoveryContents ReadRecoveryFile(const QString& FileName) {
  QFile File(FileName);
  if (!File.open(QIODevice::ReadOnly)) throw ERecoveryError(File.errorString());
  return DecodeRecovery(File.readAll());
}
