// A quarter of a mebibyte of Yorel source: the chain tiles it after loading, after opening a
// comment at the top that hides the rest, after closing it again, after loading over it and
// after typing in the middle. The times are printed for reading, never checked.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>

#include "SourceEditFixture.h"
#include "editor/SelectionRange.h"

namespace {
QString YorelSource(int Size) {
  const QStringList Lines = {
      "    mov eax, [ebx+4]        // load the count",
      "    push ebp",
      "    fadd st, st1",
      "function Sum(int a; int b) : int",
      "{",
      "    if (a > $FF) { a := 0FFh; }",
      "    emms",
      "}",
      "// no block comment, so that one opened at the top hides everything",
      "#include 'io.yor' ",
      "string s := 'it\\'s done';",
      "    while (x < 10) x := x + 1.5;",
  };
  std::mt19937 Random(7);
  QString Text;
  Text.reserve(Size + 100);
  while (Text.size() < Size)
    Text += Lines[std::uniform_int_distribution<int>(0, Lines.size() - 1)(Random)] + "\r\n";
  return Text;
}

int ChainLength(const TSourceEdit& E) {
  int Count = 0;
  for (TSyntaxRange* R = E.FirstSyntaxRange(); R; R = R->NextRange())
    ++Count;
  return Count;
}

template <class F>
qint64 Milliseconds(F Action) {
  QElapsedTimer Timer;
  Timer.start();
  Action();
  return Timer.elapsed();
}

void ExpectTiles(const TSourceEdit& E) {
  ASSERT_NE(E.FirstSyntaxRange(), nullptr);
  EXPECT_EQ(E.FirstBrokenSyntaxRange(), nullptr);
  EXPECT_EQ(E.FirstOverlappingSyntaxRange(), nullptr);
}
}  // namespace

TEST(LargeText, StaysTiledThroughLoadsRescansOfTheWholeAndTyping) {
  const QString Source = YorelSource(1 << 18);
  TYorelEdit E;
  const qint64 Load = Milliseconds([&] { E.Lines()->SetText(Source); });
  ExpectTiles(E);
  const int Ranges = ChainLength(E);

  E.SetSelStart(0);
  const qint64 Open = Milliseconds([&] { E.Selection()->SetText("/*"); });
  ExpectTiles(E);
  EXPECT_EQ(ChainLength(E), 1);
  E.SetSelStart(0);
  E.SetSelLength(2);
  const qint64 Close = Milliseconds([&] { E.Selection()->SetText(QString()); });
  ExpectTiles(E);
  EXPECT_EQ(ChainLength(E), Ranges);
  const qint64 Reload = Milliseconds([&] { E.Lines()->SetText(Source); });
  ExpectTiles(E);
  EXPECT_EQ(ChainLength(E), Ranges);

  const int Middle = E.TextLength() / 2;
  E.SetSelStart(Middle);
  const QString Typed = QStringLiteral("mov eax, (1)\r");
  const qint64 Typing = Milliseconds([&] {
    for (QChar Key : Typed)
      E.HandleKeyPress(Key);
  });
  ExpectTiles(E);

  std::cout << "256 KiB, " << Ranges << " ranges: load " << Load
            << " ms, open a comment at the top " << Open << " ms, close it " << Close
            << " ms, load over it " << Reload << " ms, type " << Typed.size()
            << " keys in the middle " << Typing << " ms\n";
}
