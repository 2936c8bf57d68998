/** @file NewFileFormat.cpp **/
#include "studio/files/NewFileFormat.h"

#include <vector>

#include "studio/settings/UserSettings.h"

namespace {
const std::vector<TTextFormat>& Offered() {
  static const std::vector<TTextFormat> Formats = {
      {TTextEncoding::Utf8, false},        {TTextEncoding::Utf8, true},
      {TTextEncoding::Windows1252, false}, {TTextEncoding::Utf16LE, true},
      {TTextEncoding::Utf16BE, true},
  };
  return Formats;
}

// Earlier versions stored "UTF-16LE"; spaces and case do not tell names apart.
QString Folded(const QString& Name) {
  return QString(Name).remove(QLatin1Char(' ')).toCaseFolded();
}
}  // namespace

QStringList NewFileEncodingNames() {
  QStringList Names;
  for (const TTextFormat& Format : Offered())
    Names << Format.EncodingName();
  return Names;
}

TTextFormat NewFileFormat(const QSettings& Settings, TLineBreaks LineBreaks) {
  const QString Stored = Folded(Settings.value(SettingsKey::FilesDefaultEncoding).toString());
  TTextFormat Result;
  for (const TTextFormat& Format : Offered())
    if (Folded(Format.EncodingName()) == Stored) Result = Format;
  Result.LineBreaks = LineBreaks == TLineBreaks::Mixed ? TLineBreaks::CrLf : LineBreaks;
  return Result;
}
