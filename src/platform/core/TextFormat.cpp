/** @file TextFormat.cpp
 ** The names the studio shows for a file's format. **/
#include "platform/core/TextFormat.h"

QString TTextFormat::EncodingName() const {
  switch (Encoding) {
    case TTextEncoding::Windows1252:
      return QStringLiteral("Windows-1252");
    case TTextEncoding::Utf16LE:
      return QStringLiteral("UTF-16 LE");
    case TTextEncoding::Utf16BE:
      return QStringLiteral("UTF-16 BE");
    case TTextEncoding::Utf8:
      break;
  }
  QString Name = QStringLiteral("UTF-8");
  if (Mark) Name += QStringLiteral(" with BOM");
  if (StrayBytes) Name += QStringLiteral(" + stray bytes");
  return Name;
}

QString TTextFormat::LineBreakName() const {
  switch (LineBreaks) {
    case TLineBreaks::Lf:
      return QStringLiteral("LF");
    case TLineBreaks::Cr:
      return QStringLiteral("CR");
    case TLineBreaks::Mixed:
      return QStringLiteral("Mixed");
    case TLineBreaks::CrLf:
      break;
  }
  return QStringLiteral("CR LF");
}
