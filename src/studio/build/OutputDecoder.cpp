/** @file OutputDecoder.cpp **/
#include "studio/build/OutputDecoder.h"

#include "platform/core/TextFile.h"

QString TOutputDecoder::DecodeLine(const QByteArray& Bytes) {
  // The file decoder reads a leading FF FE or FE FF as a UTF-16 mark; in a stream such a
  // line is simply not UTF-8, and a stray byte in front keeps it from looking like a mark.
  const auto First = Bytes.isEmpty() ? 0 : static_cast<unsigned char>(Bytes[0]);
  if (First == 0xFF || First == 0xFE) return DecodeText(QByteArray("\x80") + Bytes).mid(1);
  return DecodeText(Bytes);
}

void TOutputDecoder::CompleteLine(QStringList& Lines) {
  Lines << DecodeLine(FLine);
  FLine.clear();
}

void TOutputDecoder::Feed(QByteArrayView Bytes, QStringList& Lines) {
  for (qsizetype I = 0; I < Bytes.size(); ++I) {
    const char C = Bytes[I];
    if (FPendingCr) {
      FPendingCr = false;
      if (C == '\n') {
        CompleteLine(Lines);
        continue;
      }
      FLine.clear();
    }
    if (C == '\n') {
      CompleteLine(Lines);
    } else if (C == '\r') {
      FPendingCr = true;
    } else {
      // Plain bytes up to the next line break are copied in one go.
      qsizetype End = I;
      while (End < Bytes.size() && Bytes[End] != '\n' && Bytes[End] != '\r' &&
             FLine.size() + (End - I) < LongestLine)
        ++End;
      FLine.append(Bytes.data() + I, End - I);
      I = End - 1;
      if (FLine.size() >= LongestLine) {
        // Cut before a UTF-8 sequence's continuation bytes, so that the character stays whole.
        qsizetype Cut = FLine.size();
        while (Cut > FLine.size() - 4 && (static_cast<unsigned char>(FLine[Cut - 1]) & 0xC0) == 0x80)
          --Cut;
        if (Cut > 0 && static_cast<unsigned char>(FLine[Cut - 1]) >= 0xC0) --Cut;
        if (Cut <= 0) Cut = FLine.size();
        const QByteArray Rest = FLine.mid(Cut);
        FLine.truncate(Cut);
        CompleteLine(Lines);
        FLine = Rest;
      }
    }
  }
}

QString TOutputDecoder::OpenLine() const {
  return DecodeLine(FLine);
}

bool TOutputDecoder::Close(QString& Line) {
  FPendingCr = false;
  if (FLine.isEmpty()) return false;
  Line = DecodeLine(FLine);
  FLine.clear();
  return true;
}
