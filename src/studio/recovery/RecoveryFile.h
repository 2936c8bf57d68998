/** @file RecoveryFile.h
 ** A recovery file: a small header (the file it belongs to, the project, the time, a
 ** checksum) and the window's text as UTF-16LE, so every character comes back exactly. **/
#pragma once

#include <QDateTime>
#include <QString>

#include "platform/core/Exceptions.h"

/** A recovery file that cannot be used: truncated, damaged or from a newer studio. */
class ERecoveryError : public Exception {
 public:
  using Exception::Exception;
};

struct TRecoveryHeader {
  /** The window's file; empty for an untitled window. */
  QString FilePath;
  QString Project;
  QDateTime Time;
};

struct TRecoveryContents {
  TRecoveryHeader Header;
  QString Text;
};

constexpr int RecoveryFormatVersion = 1;

QByteArray EncodeRecovery(const TRecoveryHeader& Header, const QString& Text);
/** ERecoveryError with the reason when Bytes is not a whole recovery file of this format. */
TRecoveryContents DecodeRecovery(const QByteArray& Bytes);

/** Writes through a temporary beside FileName, so a crash leaves the old file or the new
    one, never half of one. ERecoveryError when that fails. Safe on any thread. */
void WriteRecoveryFile(const QString& FileName, const TRecoveryHeader& Header,
                       const QString& Text);
/** ERecoveryError when the file cannot be read or decoded. */
TRecoveryContents ReadRecoveryFile(const QString& FileName);
