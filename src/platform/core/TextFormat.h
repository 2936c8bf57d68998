/** @file TextFormat.h
 ** What a text file is beyond its characters: its encoding, its mark and its line breaks,
 ** remembered from reading it so that writing it back changes no byte the user did not. **/
#pragma once

#include <QByteArray>
#include <QString>

enum class TTextEncoding { Utf8, Windows1252, Utf16LE, Utf16BE };
enum class TLineBreaks { CrLf, Lf, Cr, Mixed };

struct TTextFormat {
  TTextEncoding Encoding = TTextEncoding::Utf8;
  /** A byte-order mark before the text (always for UTF-16). */
  bool Mark = false;
  /** UTF-8 with bytes that are not UTF-8, each read as one Windows-1252 character. */
  bool StrayBytes = false;
  TLineBreaks LineBreaks = TLineBreaks::CrLf;
  /** The file's bytes after its mark and the editor's text as last read or written, kept
      only where a character alone does not decide its bytes (stray bytes, mixed line
      breaks), so that the parts the user did not edit are written back as they were. */
  QByteArray Body;
  QString BodyText;

  bool NeedsBody() const { return StrayBytes || LineBreaks == TLineBreaks::Mixed; }
  /** "UTF-8", "UTF-8 with BOM", "Windows-1252", "UTF-16 LE", ...: the encoding written. */
  QString EncodingName() const;
  /** "CR LF", "LF", "CR" or "Mixed". */
  QString LineBreakName() const;
};
