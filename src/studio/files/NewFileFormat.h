/** @file NewFileFormat.h
 ** The format a new file is written in: the encoding chosen in Options > Files. **/
#pragma once

#include <QSettings>
#include <QStringList>

#include "platform/core/TextFormat.h"

/** The encodings offered for new files, by the names the settings store. */
QStringList NewFileEncodingNames();
/** The chosen encoding (UTF-8 when none or an unknown one is stored) with LineBreaks;
    mixed line breaks, which only a read file can have, become CR LF. */
TTextFormat NewFileFormat(const QSettings& Settings, TLineBreaks LineBreaks = TLineBreaks::CrLf);
