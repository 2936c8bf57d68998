// Handlers that throw: the editor finishes what it was doing, hands the error on, and goes
// on painting, editing, notifying and undoing as before.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "KeyPresses.h"
#include "SpyMemo.h"
#include "editor/SelectionRange.h"
#include "editor/VisibleRange.h"

namespace {
/** An editor with a tracked range over "b" and a switch that makes one handler throw. */
struct TThrowingHandlers {
  TThrowingHandlers() {
    E.SetText("ab\r\ncd");
    E.ClearUndo();
    E.Focus();
    Watched = E.TrackedRanges()->Add(2, 1);
    E.OnChange = [this](TObject*) {
      ++Changes;
      Throw("OnChange");
    };
    E.OnSelectionChange = [this](TObject*) { Throw("OnSelectionChange"); };
    Watched->OnChange = [this](TObject*) { Throw("range OnChange"); };
    Watched->OnOverwrite = [this](TObject*) { Throw("range OnOverwrite"); };
  }
  void Throw(const char* Handler) {
    if (Thrower == Handler) throw std::runtime_error(Handler);
  }

  TSpyMemo E;
  TCustomRange* Watched;
  std::string Thrower;
  int Changes = 0;
};
}  // namespace

TEST(HandlerErrors, AThrowingHandlerLeavesNothingHalfDone) {
  // What comes before the last step, and the last step, during which the handler throws.
  struct {
    const char* What;
    std::function<void(TSpyMemo&)> Prepare, Act;
  } Actions[] = {
      {"typing", [](TSpyMemo&) {}, [](TSpyMemo& E) { Type(E, "x"); }},
      {"deleting the range's text", [](TSpyMemo& E) { E.SetSelStart(2); },
       [](TSpyMemo& E) { Key(E, VK_BACK); }},
      {"indenting", [](TSpyMemo& E) { E.SelectAll(); }, [](TSpyMemo& E) { E.ChangeIndent(1); }},
      {"undoing an indentation",
       [](TSpyMemo& E) {
         E.SelectAll();
         E.ChangeIndent(1);
       },
       [](TSpyMemo& E) { E.Undo(); }},
  };
  int Thrown = 0;
  for (const char* Thrower :
       {"OnChange", "OnSelectionChange", "range OnChange", "range OnOverwrite"}) {
    for (const auto& A : Actions) {
      SCOPED_TRACE(testing::Message() << A.What << ", " << Thrower << " throws");
      TThrowingHandlers H;
      TSpyMemo& E = H.E;
      A.Prepare(E);
      H.Thrower = Thrower;
      const int ChangesBefore = H.Changes;
      try {
        A.Act(E);
      } catch (const std::runtime_error& Error) {
        EXPECT_EQ(std::string(Error.what()), Thrower);
        ++Thrown;
      }
      H.Thrower.clear();
      // The change was told, and no bracket is left open.
      EXPECT_GT(H.Changes, ChangesBefore);
      EXPECT_FALSE(E.DontNotify);
      EXPECT_FALSE(E.VisibleRange()->IsChanging());
      EXPECT_FALSE(E.Selection()->IsChanging());
      // The editor still edits, tells, paints and undoes exactly the last step.
      const QString Before = E.Text();
      const int Changes = H.Changes;
      E.SetSelStart(E.TextLength());
      E.Forget();
      Type(E, "yz");
      EXPECT_EQ(E.Text(), Before + "yz");
      EXPECT_EQ(H.Changes, Changes + 2);
      EXPECT_FALSE(E.Drawn.empty());
      E.Undo();
      EXPECT_EQ(E.Text(), Before);
      E.Forget();
      E.Paint();
      EXPECT_FALSE(E.Drawn.empty());
    }
  }
  EXPECT_GE(Thrown, 12);  // each handler is raised by most of the actions
}

TEST(HandlerErrors, AThrowingMouseUpHandlerStillEndsTheDrag) {
  TSpyMemo E;
  E.SetText("abc");
  E.OnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) {
    throw std::runtime_error("OnMouseUp");
  };
  E.HandleMouseDown(TMouseButton::mbLeft, TShiftState{}, 5, 5);
  ASSERT_TRUE(E.Host.Captured);
  EXPECT_THROW(E.HandleMouseUp(TMouseButton::mbLeft, TShiftState{}, 5, 5), std::runtime_error);
  EXPECT_FALSE(E.Selecting());
  EXPECT_FALSE(E.Host.Captured);
  EXPECT_TRUE(E.Host.Timers.empty());
}

TEST(HandlerErrors, AnEditorWithoutAMeasuredFontDividesByNothing) {
  TMemoComponent E;
  E.SetText("ab\r\ncd");
  ASSERT_EQ(E.FontHeight, 0);
  E.HandleMouseDown(TMouseButton::mbLeft, TShiftState{}, 30, 30);
  E.HandleMouseMove(TShiftState{}, 40, 20);
  E.HandleMouseUp(TMouseButton::mbLeft, TShiftState{}, 40, 20);
  EXPECT_EQ(E.CharPosAt(0, 0), 1);
}
