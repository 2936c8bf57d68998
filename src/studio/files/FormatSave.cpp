/** @file FormatSave.cpp
 ** The question before a conversion, and the conversion. **/
#include "studio/files/FormatSave.h"

#include "editor/MemoLines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Paths.h"
#include "platform/core/TextEncoding.h"
#include "studio/Dialogs.h"

void SaveInFormat(QWidget* Owner, const TMemoComponentStrings& Lines, const QString& FileName,
                  TTextFormat& Format) {
  if (Lines.SaveToFile(FileName, Format)) return;
  TTextFormat Converted = ConvertedFormat(Format, Lines.Text());
  const QString Question =
      QStringLiteral("%1 cannot be saved as %2 without changing some of its characters. Save it "
                     "as %3 instead?")
          .arg(ExtractFileName(FileName), Format.EncodingName(), Converted.EncodingName());
  if (TDialogs::Current().MessageBox(Owner, Question, QStringLiteral("Save"), TMsgButtons::mbYesNo,
                                     TMsgIcon::Question) != TModalResult::mrYes)
    throw EAbort();
  if (!Lines.SaveToFile(FileName, Converted))  // a converted format holds every text
    throw EFCreateError(ExpandFileName(FileName), QStringLiteral("The text cannot be encoded"));
  Format = std::move(Converted);
}
