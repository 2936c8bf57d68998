/** @file TextRoundTripTest.cpp
 ** Files read and written back: unedited they keep every byte; edited, only the edited part
 ** changes, in the file's own encoding and line breaks. **/
#include <gtest/gtest.h>

#include "platform/core/TextDecoding.h"
#include "platform/core/TextEncoding.h"

namespace {
QByteArray Bytes(const char* Data, qsizetype Size) {
  return QByteArray(Data, Size);
}

struct TEdit {
  int At = 0, Remove = 0;
  QString Insert;
};

QString Edited(QString Text, const TEdit& Edit) {
  return Text.replace(Edit.At, Edit.Remove, Edit.Insert);
}
}  // namespace

TEST(TextRoundTrip, UneditedKeepsEveryByteEditedChangesOnlyTheEdit) {
  const QChar E(0xE9);  // é
  const QString Feff(QChar(0xFEFF));
  struct {
    const char* Name;
    QByteArray File;
    QString Text;  // as an editor holds it
    QString Format;
    TEdit Edit;
    QByteArray EditedFile;
  } Cases[] = {
      {"UTF-8", "a\xC3\xA9\r\nb", QString("a%1\r\nb").arg(E), "UTF-8, CR LF", {5, 0, "\u20AC"},
       "a\xC3\xA9\r\nb\xE2\x82\xAC"},
      {"one stray byte in UTF-8", "caf\xC3\xA9 // \xE9t\xC3\xA9", QString("caf%1 // %1t%1").arg(E),
       "UTF-8 + stray bytes, CR LF", {0, 0, "x"}, "xcaf\xC3\xA9 // \xE9t\xC3\xA9"},
      {"stray byte, edit beside it", "\xC3\xA9\xE9", QString("%1%1").arg(E),
       "UTF-8 + stray bytes, CR LF", {2, 0, QString(E)}, "\xC3\xA9\xE9\xC3\xA9"},
      {"invalid byte after a UTF-8 mark", "\xEF\xBB\xBF\xE9", QString(E),
       "UTF-8 with BOM + stray bytes, CR LF", {1, 0, "\u00FC"}, "\xEF\xBB\xBF\xE9\xC3\xBC"},
      {"Windows-1252", "caf\xE9\r\nna\xEFve", QString("caf%1\r\nna\u00EFve").arg(E),
       "Windows-1252, CR LF", {0, 0, "\u20AC"}, "\x80" "caf\xE9\r\nna\xEFve"},
      {"encoded surrogate is no UTF-8", "\xED\xA0\x80", "\u00ED\u00A0\u20AC", "Windows-1252, CR LF",
       {3, 0, "!"}, "\xED\xA0\x80!"},
      {"overlong form is no UTF-8", "\xC0\xAF", "\u00C0\u00AF", "Windows-1252, CR LF", {0, 2, ""}, ""},
      {"LF", "a\nb\n", "a\r\nb\r\n", "UTF-8, LF", {3, 0, "x\r\n"}, "a\nx\nb\n"},
      {"CR", "a\rb", "a\r\nb", "UTF-8, CR", {4, 0, "\r\nc"}, "a\rb\rc"},
      {"mixed line breaks", "a\r\nb\nc\rd", "a\r\nb\r\nc\r\nd", "UTF-8, Mixed", {3, 1, "B"},
       "a\r\nB\nc\rd"},
      {"mixed line breaks, new ones CR LF", "a\nb\r\n", "a\r\nb\r\n", "UTF-8, Mixed",
       {6, 0, "c\r\n"}, "a\nb\r\nc\r\n"},
      {"UTF-16 LE", Bytes("\xFF\xFE" "a\0\n\0", 6), "a\r\n", "UTF-16 LE, LF", {3, 0, "\u03B1"},
       Bytes("\xFF\xFE" "a\0\n\0\xB1\x03", 8)},
      {"UTF-16 BE with a lone surrogate", Bytes("\xFE\xFF\xD8\x00\0a", 6), QString(QChar(0xD800)) + "a",
       "UTF-16 BE, CR LF", {2, 0, "b"}, Bytes("\xFE\xFF\xD8\x00\0a\0b", 8)},
      {"U+FEFF after the mark", "\xEF\xBB\xBF\xEF\xBB\xBF" "a", Feff + "a", "UTF-8 with BOM, CR LF",
       {1, 1, ""}, "\xEF\xBB\xBF\xEF\xBB\xBF"},
      {"empty file", "", "", "UTF-8, CR LF", {0, 0, Feff + "x"}, "\xEF\xBB\xBF\xEF\xBB\xBFx"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    const TDecodedText Decoded = DecodeTextFile(C.File);
    EXPECT_EQ(WithCrLf(Decoded.Text), C.Text);
    EXPECT_EQ(Decoded.Unreadable, "");
    EXPECT_EQ(Decoded.Format.EncodingName() + ", " + Decoded.Format.LineBreakName(), C.Format);
    const auto Unedited = EncodeTextFile(C.Text, Decoded.Format);
    ASSERT_TRUE(Unedited);
    EXPECT_EQ(Unedited->Bytes, C.File);
    const QString Changed = Edited(C.Text, C.Edit);
    const auto Written = EncodeTextFile(Changed, Decoded.Format);
    ASSERT_TRUE(Written);
    EXPECT_EQ(Written->Bytes, C.EditedFile);
    EXPECT_EQ(WithCrLf(DecodeTextFile(Written->Bytes).Text), Changed);
    // The format remembered after a write serves the next one as well.
    const auto Again = EncodeTextFile(Changed, Written->Format);
    ASSERT_TRUE(Again);
    EXPECT_EQ(Again->Bytes, C.EditedFile);
  }
}

// Where the file's own encoding cannot hold the text, nothing is written until the caller
// converts; the conversion holds every character.
TEST(TextRoundTrip, TextsTheFormatCannotHoldAreRefused) {
  struct {
    const char* Name;
    QByteArray File;
    TEdit Edit;
    QString Converted;
  } Cases[] = {
      {"Windows-1252 and a Greek letter", "caf\xE9", {0, 0, "\u03B1"}, "UTF-8"},
      {"Windows-1252 and what would read back as UTF-8", "caf\xE9", {4, 0, "\u00C3\u00A9"}, "UTF-8"},
      {"Windows-1252 and U+FEFF first", "caf\xE9", {0, 0, QString(QChar(0xFEFF))}, "UTF-8"},
      {"Windows-1252 bytes that would join into UTF-8", "\xE2\x82" "A\xAC", {2, 1, ""}, "UTF-8"},
      {"stray bytes that would join", "\xC3\xA9\xE2\x82" "A\xAC", {3, 1, ""}, "UTF-8"},
      {"UTF-8 and a lone surrogate", "a", {0, 0, QString(QChar(0xDC00))}, "UTF-16 LE"},
  };
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    const TDecodedText Decoded = DecodeTextFile(C.File);
    const QString Changed = Edited(WithCrLf(Decoded.Text), C.Edit);
    EXPECT_FALSE(EncodeTextFile(Changed, Decoded.Format));
    const TTextFormat Converted = ConvertedFormat(Decoded.Format, Changed);
    EXPECT_EQ(Converted.EncodingName(), C.Converted);
    const auto Written = EncodeTextFile(Changed, Converted);
    ASSERT_TRUE(Written);
    EXPECT_EQ(WithCrLf(DecodeTextFile(Written->Bytes).Text), Changed);
  }
}

TEST(TextRoundTrip, AnOddByteOfUtf16IsReportedNotHidden) {
  const TDecodedText Decoded = DecodeTextFile(Bytes("\xFF\xFE" "a\0\xE9", 5));
  EXPECT_EQ(Decoded.Text, "a");
  EXPECT_EQ(Decoded.Unreadable,
            "The last byte of this UTF-16 file (E9) is not part of any character and was not read.");
  EXPECT_EQ(EncodeTextFile("ab", Decoded.Format)->Bytes, Bytes("\xFF\xFE" "a\0b\0", 6));
}
