/** @file FormatSave.h
 ** Saving an editor's text in its file's own format, converting only when the user agrees. **/
#pragma once

#include <QString>

#include "platform/core/TextFormat.h"

class QWidget;
class TMemoComponentStrings;

/** Writes Lines to FileName in Format. When the format cannot hold the text, asks (owned by
    Owner) whether to convert; on Yes writes the converted format, on No writes nothing and
    raises EAbort. Format becomes the written file's. EFCreateError when writing fails. */
void SaveInFormat(QWidget* Owner, const TMemoComponentStrings& Lines, const QString& FileName,
                  TTextFormat& Format);
