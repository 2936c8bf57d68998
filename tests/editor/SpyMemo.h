/** @file SpyMemo.h
 ** An editor attached to a recording host that also notes every stretch it draws. **/
#pragma once

#include <utility>
#include <vector>

#include "editor/MemoComponent.h"
#include "support/RecordingHost.h"

class TSpyMemo : public TMemoComponent {
 public:
  explicit TSpyMemo(int Width = 400, int Height = 260) : Host(Width, Height) {
    CreateWindow(&Host);
    UpdateFontMetrics();
  }
  ~TSpyMemo() override { DestroyWindow(); }

  void DrawLinePart(TCustomRange* Range, int X, int Y, int FirstTabWidth) override {
    Drawn.emplace_back(Range->RStart(), Range->REnd());
    TMemoComponent::DrawLinePart(Range, X, Y, FirstTabWidth);
  }
  void Forget() {
    Drawn.clear();
    Host.Surface.Calls.clear();
    Host.Scrolls.clear();
  }
  void Focus() { Perform(WM_SETFOCUS); }

  TRecordingHost Host;
  std::vector<std::pair<int, int>> Drawn;
};
