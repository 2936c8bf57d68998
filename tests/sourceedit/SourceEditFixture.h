/** @file SourceEditFixture.h
 ** A syntax-colouring editor on a recording host, optionally with the Yorel language, and
 ** its chain written out as one line per range. **/
#pragma once

#include <QStringList>

#include "sourceedit/SourceEdit.h"
#include "sourceedit/StoredSettings.h"
#include "support/RecordingHost.h"

class TSpySourceEdit : public TSourceEdit {
 public:
  explicit TSpySourceEdit(int Width = 400, int Height = 260) : Host(Width, Height) {
    CreateWindow(&Host);
    UpdateFontMetrics();
  }
  ~TSpySourceEdit() override { DestroyWindow(); }

  void RebuildSyntaxRanges() override {
    ++Rebuilds;
    TSourceEdit::RebuildSyntaxRanges();
  }
  void Forget() {
    Host.Surface.Calls.clear();
    Rebuilds = 0;
  }

  TRecordingHost Host;
  int Rebuilds = 0;
};

/** An editor with the studio's Yorel settings. */
class TYorelEdit : public TSpySourceEdit {
 public:
  explicit TYorelEdit(const QString& Text = QString()) {
    LoadStoredSettings(*this, YorelEditorSettings);
    if (!Text.isEmpty()) SetText(Text);
  }
};

/** The same without a window: nothing is drawn, which keeps thousands of random steps quick. */
class TWindowlessYorelEdit : public TSourceEdit {
 public:
  TWindowlessYorelEdit() { LoadStoredSettings(*this, YorelEditorSettings); }
};

/** "kind: text", with the list or style caption for words and custom styles. */
inline QString Describe(const TSyntaxRange& R) {
  const QString Text = R.Text();
  if (auto* W = dynamic_cast<const TWordListRange*>(&R))
    return QStringLiteral("word %1: %2").arg(W->WordList()->Caption(), Text);
  if (auto* S = dynamic_cast<const TCustomStyleRange*>(&R))
    return QStringLiteral("style %1: %2").arg(S->Style()->Caption(), Text);
  if (dynamic_cast<const TSymbolRange*>(&R)) return QStringLiteral("symbol: ") + Text;
  if (dynamic_cast<const TNumberRange*>(&R)) return QStringLiteral("number: ") + Text;
  if (auto* P = dynamic_cast<const TParenthesisRange*>(&R))
    return (P->Style() == TParenthesisStyle::psOpening ? QStringLiteral("open: ")
                                                       : QStringLiteral("close: ")) +
           Text;
  return QStringLiteral("normal: ") + Text;
}

inline QStringList Chain(const TSourceEdit& E) {
  QStringList Result;
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
    Result << Describe(*R);
  return Result;
}

inline std::vector<int> Levels(const TSourceEdit& E) {
  std::vector<int> Result;
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
    Result.push_back(R->ParenthesisLevel());
  return Result;
}
