/** @file IniFile.h
 ** Reading INI settings with the rules settings files were written for: names compare
 ** without regard to case, values are trimmed and lose one pair of surrounding quotes. **/
#pragma once

#include "platform/core/Object.h"

/** The value of Key in Section of FileName, at most BufferSize - 1 characters; Default when
    the file, the section or the key is missing. A key with an empty value gives "". */
QString GetPrivateProfileString(const QString& Section, const QString& Key, const QString& Default,
                                const QString& FileName, int BufferSize = 2048);

class TIniFile : public TObject {
 public:
  explicit TIniFile(QString FileName) : FFileName(std::move(FileName)) {}
  QString ClassName() const override { return QStringLiteral("TIniFile"); }
  QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const {
    return GetPrivateProfileString(Section, Ident, Default, FFileName);
  }

 private:
  QString FFileName;
};
