// Random edits of Yorel-like text: after every edit the chain tiles the text, and every
// character has the same kind, list or style and parenthesis level as after a rebuild.
#include <gtest/gtest.h>

#include <random>
#include <typeinfo>

#include "RandomEdits.h"
#include "SourceEditFixture.h"
#include "editor/SelectionRange.h"

namespace {
int AttributeOf(const TSyntaxRange& R) {
  if (auto* W = dynamic_cast<const TWordListRange*>(&R)) return W->WordList()->Index();
  if (auto* S = dynamic_cast<const TCustomStyleRange*>(&R)) return S->Style()->Index();
  return -1;
}

bool SameKind(const TSyntaxRange& A, const TSyntaxRange& B) {
  return typeid(A) == typeid(B) && AttributeOf(A) == AttributeOf(B) &&
         A.ParenthesisLevel() == B.ParenthesisLevel();
}

std::string KindOf(const TSyntaxRange& R) {
  return QStringLiteral("%1 %2 level %3")
      .arg(R.ClassName())
      .arg(AttributeOf(R))
      .arg(R.ParenthesisLevel())
      .toStdString();
}

/** Every character lies in ranges of the same kind in both chains, which tile one text;
    walked a run of characters at a time, since boundaries within a run may differ. */
testing::AssertionResult SameCharacterKinds(const TSourceEdit& Got, const TSourceEdit& Expected) {
  const TSyntaxRange* A = Got.FirstSyntaxRange();
  const TSyntaxRange* B = Expected.FirstSyntaxRange();
  for (int Pos = 1; A && B;) {
    if (!SameKind(*A, *B))
      return testing::AssertionFailure()
             << "at " << Pos << ": " << KindOf(*A) << ", rebuilt " << KindOf(*B) << " near \""
             << Got.TextRange(std::max(Pos - 20, 1), 40).toStdString() << "\"";
    Pos = std::min(A->REnd(), B->REnd()) + 1;
    if (A->REnd() < Pos) A = A->NextRange();
    if (B->REnd() < Pos) B = B->NextRange();
  }
  if (A || B) return testing::AssertionFailure() << "the chains end at different places";
  return testing::AssertionSuccess();
}

TSyntaxRange* FirstEmptyRange(const TSourceEdit& E) {
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
    if (R->RLength() <= 0) return R;
  return nullptr;
}

}  // namespace

TEST(ScannerRandom, EditsLeaveTheChainARebuildWouldGiveCharacterByCharacter) {
  for (unsigned Seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(testing::Message() << "seed " << Seed);
    TRandomEdits Edits(Seed);
    TWindowlessYorelEdit E;
    TWindowlessYorelEdit Rebuilt;
    E.SetText(Edits.Source(60));
    for (int Step = 1; Step <= 2000; ++Step) {
      Edits.Edit(E);
      if (Edits.UpdateOpen()) continue;
      ASSERT_EQ(E.FirstBrokenSyntaxRange(), nullptr) << "step " << Step;
      ASSERT_EQ(E.FirstOverlappingSyntaxRange(), nullptr) << "step " << Step;
      ASSERT_EQ(FirstEmptyRange(E), nullptr) << "step " << Step;
      ASSERT_EQ(E.SyntaxChain()->CheckInvariants(), QString()) << "step " << Step;
      // The text arrives while an update is open; its end rebuilds the chain.
      Rebuilt.SyntaxColoring()->BeginUpdate();
      Rebuilt.SetText(E.Text());
      Rebuilt.SyntaxColoring()->EndUpdate();
      ASSERT_TRUE(SameCharacterKinds(E, Rebuilt)) << "step " << Step;
    }
  }
}
