/** @file IniFile.cpp
 ** A small INI reader. **/
#include "platform/core/IniFile.h"

#include <QFile>
#include <algorithm>

#include "platform/core/Paths.h"
#include "platform/core/TextFile.h"

namespace {
QString Unquote(QString Value) {
  Value = Value.trimmed();
  if (Value.size() >= 2 && (Value.front() == u'"' || Value.front() == u'\'') &&
      Value.back() == Value.front())
    Value = Value.mid(1, Value.size() - 2);
  return Value;
}
}  // namespace

QString GetPrivateProfileString(const QString& Section, const QString& Key, const QString& Default,
                                const QString& FileName, int BufferSize) {
  // QString::left takes a negative length as "everything"; a buffer of 0 holds nothing.
  const qsizetype MaxLength = std::max(BufferSize - 1, 0);
  QFile File(NativePath(FileName));
  if (!File.open(QIODevice::ReadOnly)) return Default.left(MaxLength);
  const QString Text = DecodeText(File.readAll());
  bool InSection = false;
  for (QStringView Line : QStringView(Text).split(u'\n')) {
    Line = Line.trimmed();
    if (Line.isEmpty() || Line.front() == u';') continue;
    if (Line.front() == u'[') {
      const qsizetype Close = Line.indexOf(u']');
      InSection =
          Close > 0 && Line.mid(1, Close - 1).trimmed().compare(Section, Qt::CaseInsensitive) == 0;
      continue;
    }
    const qsizetype Equals = Line.indexOf(u'=');
    if (!InSection || Equals < 0) continue;
    if (Line.left(Equals).trimmed().compare(Key, Qt::CaseInsensitive) == 0)
      return Unquote(Line.mid(Equals + 1).toString()).left(MaxLength);
  }
  return Default.left(MaxLength);
}
