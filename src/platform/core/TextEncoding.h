/** @file TextEncoding.h
 ** Writing a text back in the format its file had, and converting it only when asked. **/
#pragma once

#include <QString>
#include <optional>

#include "platform/core/TextFormat.h"

struct TEncodedText {
  QByteArray Bytes;
  /** The format to remember for the next write of the same file. */
  TTextFormat Format;
};

/** The bytes of a file holding Text (line breaks as CR LF) in Format. Outside the part that
    differs from Format.BodyText, the old body's bytes are kept as they were. No value when
    a character does not fit the encoding or the bytes would not read back as Text. A text
    beginning with U+FEFF gets a mark, so that the character is not taken for one. */
std::optional<TEncodedText> EncodeTextFile(const QString& Text, const TTextFormat& Format);
/** What a text goes to when its own format cannot hold it: UTF-8, or UTF-16 LE when the
    text has a lone surrogate; line breaks as before. */
TTextFormat ConvertedFormat(const TTextFormat& From, const QString& Text);
