/** @file RandomEdits.h
 ** Random edits of Yorel-like text, as a user makes them, from a seed. **/
#pragma once

#include <QStringList>
#include <random>

#include "editor/SelectionRange.h"
#include "platform/core/Keys.h"
#include "sourceedit/SourceEdit.h"

namespace {
const QStringList Fragments = {
    "/*",   "*/",    "//",  "'",        "\\'",     "#",       "(",  ")",   "\r\n", " ",
    "\t",   "mov",   "eax", "MOV",      "if",      "byte",    "st", "mm1", "nil",  "fadd",
    "emms", "12",    "$A",  "0FFh",     ",",       ";",       ":=", "[",   "]",    "{",
    "}",    ".",     "Ж",   "x",        "_a",      "\\",      "*",  "/",   "#x ",  "'a'",
    "1.5",  "while", "ecx", "// c\r\n", "/* b */", "push ebx"};

/** Long runs of normal text with a few tokens: where a rescan may start late and stop early. */
const QStringList ProseFragments = {"word", " ",    "    ", "\r\n", "text",     "a_b", "word", " ",
                                    "    ", "\r\n", "more", "x1",   "mov",      "12",  "(",    ")",
                                    "/*",   "*/",   "'",    ";",    "// c\r\n", "#d ", "Ж"};

class TRandomEdits {
 public:
  explicit TRandomEdits(unsigned Seed, const QStringList& Pieces = Fragments)
      : Random(Seed), Pieces(Pieces) {}

  int Below(int N) { return std::uniform_int_distribution<int>(0, N - 1)(Random); }
  const QString& Fragment() { return Pieces[Below(Pieces.size())]; }

  QString Source(int Pieces) {
    QString Text;
    for (int I = 0; I < Pieces; ++I)
      Text += Fragment() + (Below(3) == 0 ? QStringLiteral(" ") : QString());
    return Text;
  }

  /** One edit of the kind a user makes, anywhere in the text: typing, deleting, pasting,
      undo or redo; now and then the whole text set, or the colouring's update opened for a
      few steps, or closed. */
  void Edit(TSourceEdit& E) {
    if (StepsToClose > 0 && --StepsToClose == 0) {
      E.SyntaxColoring()->EndUpdate();
      return;
    }
    const int Length = E.TextLength();
    const int Start = Below(Length + 1);
    const int Kind = Below(24);
    if (Kind == 20 && StepsToClose == 0) {
      E.SyntaxColoring()->BeginUpdate();
      StepsToClose = 2 + Below(6);
      return;
    }
    if (Kind >= 20) {
      SetWholeText(E);
      return;
    }
    if (Kind == 0) {
      E.Undo();
      return;
    }
    if (Kind == 1) {
      E.Redo();
      return;
    }
    E.SetSelStart(Start);
    const int Removed = Kind < 8 || Length > 600 ? Below(std::min(6, Length - Start) + 1) : 0;
    E.SetSelLength(Removed);
    if (Kind < 5) {
      // The selection, or one character before or after the caret, through the keys.
      quint16 Code = Kind % 2 ? VK_BACK : VK_DELETE;
      E.HandleKeyDown(Code, TShiftState{});
    } else if (Kind < 16) {
      const QString& Typed = Fragment();
      if (Typed.size() == 1 || Typed == u"\r\n") {
        QChar Key = Typed[0];
        E.HandleKeyPress(Key);
      } else {
        E.Selection()->SetText(Typed);
      }
    } else {
      E.Selection()->SetText(Source(1 + Below(8)));
    }
  }

  /** True while Edit left the colouring's update open: the chain does not follow edits. */
  bool UpdateOpen() const { return StepsToClose > 0; }

 private:
  // Shorter, longer or empty, through the editor's Text.
  void SetWholeText(TSourceEdit& E) {
    const QString Text = E.Text();
    switch (Below(4)) {
      case 0:
        E.SetText(Text.mid(Below(Text.size() + 1), Below(Text.size() + 1)));
        break;
      case 1:
        E.SetText(Below(2) ? Text + Source(1 + Below(10)) : Source(1 + Below(10)) + Text);
        break;
      case 2:
        E.SetText(QString());
        break;
      default:
        E.SetText(Source(1 + Below(60)));
    }
  }

  std::mt19937 Random;
  const QStringList& Pieces;
  int StepsToClose = 0;
};
}  // namespace
