/** @file FileSaving.h
 ** Writing a file's new bytes so that a failure at any moment, a crash or a power cut
 ** leaves the old content or the new one, and the file stays what it was (its mode, owner,
 ** group and hard links). **/
#pragma once

#include <QByteArray>
#include <QString>

/** Replaces FileName's content by Bytes. Where a new file renamed over the old one keeps
    the file's identity, that is done; otherwise (a file with several hard links, a folder
    the user cannot write, an owner the user cannot give) the old file is written in place
    after its content was copied to a backup beside it or in the user's data folder, and the
    backup is removed after success. A symbolic link is followed. EFCreateError naming
    FileName and the reason when this fails; the old content is then intact. */
void SaveFileBytes(const QString& FileName, const QByteArray& Bytes);
