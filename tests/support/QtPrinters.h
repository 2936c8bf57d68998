/** @file QtPrinters.h
 ** Readable test failures for Qt values. **/
#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& Value, std::ostream* Out) {
  *Out << '"' << Value.toUtf8().replace("\r", "\\r").replace("\n", "\\n").toStdString() << '"';
}

inline void PrintTo(const QStringList& Value, std::ostream* Out) {
  *Out << '{';
  for (const QString& S : Value) {
    PrintTo(S, Out);
    *Out << ' ';
  }
  *Out << '}';
}
