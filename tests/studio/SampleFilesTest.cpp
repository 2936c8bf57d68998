// The sample project and the templates, as the studio's editor colours them.
#include <gtest/gtest.h>

#include <QDirIterator>

#include "sourceedit/CustomStyles.h"
#include "studio/CodeForm.h"

namespace {
QString StyleOf(const TSyntaxRange* Range) {
  const auto* Styled = dynamic_cast<const TCustomStyleRange*>(Range);
  return Styled ? Styled->Style()->Caption() : QString();
}
}  // namespace

// Every quotation mark outside comments belongs to a string: the files write their strings
// in the language's own quotes, so they look as the user's own code will.
TEST(SampleFiles, StringsAreColouredAsStrings) {
  QDirIterator Files(QStringLiteral(YOREL_SOURCE_DIR "/resources"),
                     {"*.yor", "*.ytf"}, QDir::Files, QDirIterator::Subdirectories);
  int Count = 0;
  while (Files.hasNext()) {
    const QString File = Files.next();
    TCodeFRM Form;
    Form.FillFromFile(File);
    int Strings = 0;
    for (const TSyntaxRange* R = Form.tbCode->FirstSyntaxRange(); R; R = R->NextRange()) {
      const QString Style = StyleOf(R);
      if (Style == "string") {
        ++Strings;
        EXPECT_TRUE(R->Text().startsWith(u'\'') && R->Text().endsWith(u'\''))
            << File.toStdString() << ": " << R->Text().toStdString();
      } else if (Style != "Line Comment" && Style != "Block Comment") {
        EXPECT_FALSE(R->Text().contains(u'"') || R->Text().contains(u'\''))
            << File.toStdString() << ": " << R->Text().toStdString();
      }
    }
    EXPECT_GT(Strings, 0) << File.toStdString();
    ++Count;
  }
  EXPECT_EQ(Count, 4);
}
