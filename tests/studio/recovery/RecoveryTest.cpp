// Autosave and recovery: the file format and its damage, writing after a pause and
// removing on save or close, files left behind by a studio that is gone, and the dialog.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "platform/qt/QtControlHost.h"
#include "studio/StudioFixture.h"
#include "studio/recovery/Autosave.h"
#include "studio/recovery/DiffDialog.h"
#include "studio/recovery/LineDiff.h"
#include "studio/recovery/RecoveryDialog.h"
#include "studio/recovery/RecoveryFile.h"
#include "studio/recovery/RecoveryOffer.h"
#include "studio/recovery/RecoveryStore.h"
#include "studio/settings/UserSettings.h"

namespace {
constexpr int Patience = 10000;

/** The autosave interval for the test's life: a short one, or an odd stored value. */
struct AutosaveSetting {
  explicit AutosaveSetting(const QVariant& Seconds = 1) {
    UserSettings()->setValue(SettingsKey::AutosaveSeconds, Seconds);
  }
  ~AutosaveSetting() { UserSettings()->remove(SettingsKey::AutosaveSeconds); }
};

bool RecoveryFileHolds(const QString& Path, const QString& Text) {
  try {
    return ReadRecoveryFile(Path).Text == Text;
  } catch (const ERecoveryError&) {
    return false;
  }
}
}  // namespace

TEST(RecoveryFile, KeepsEveryCharacterAndRejectsDamage) {
  const QString Text = QStringLiteral("mov eax, 1\r\n\u00E9\u20AC\n") + QChar(0xD800) +
                       QStringLiteral("\U0001D11E\r");
  const TRecoveryHeader Header{QStringLiteral("/p/a b\n.yor"), QStringLiteral("/p/x.ypr"),
                               QDateTime::fromMSecsSinceEpoch(1'700'000'000'123, Qt::UTC)};
  const QByteArray Good = EncodeRecovery(Header, Text);
  const TRecoveryContents Back = DecodeRecovery(Good);
  EXPECT_EQ(Back.Text, Text);
  EXPECT_EQ(Back.Header.FilePath, Header.FilePath);
  EXPECT_EQ(Back.Header.Project, Header.Project);
  EXPECT_EQ(Back.Header.Time, Header.Time);

  QByteArray Flipped = Good;
  Flipped[Flipped.size() - 3] = Flipped[Flipped.size() - 3] ^ 1;
  QByteArray Newer = Good;
  Newer.replace("YorelRecovery 1", "YorelRecovery 7");
  const struct {
    const char* Name;
    QByteArray Bytes;
    const char* Reason;
  } Bad[] = {{"truncated body", Good.left(Good.size() - 4), "truncated"},
             {"truncated header", Good.left(20), "header"},
             {"bad checksum", Flipped, "checksum"},
             {"newer format", Newer, "newer version"},
             {"not ours", "hello\n\nworld", "not a recovery file"},
             {"empty", "", "not a recovery file"}};
  for (const auto& Case : Bad) {
    try {
      DecodeRecovery(Case.Bytes);
      ADD_FAILURE() << Case.Name << " was accepted";
    } catch (const ERecoveryError& Error) {
      EXPECT_TRUE(Error.Message().contains(Case.Reason)) << Case.Name << ": " << Error.what();
    }
  }
}

TEST(Autosave, WritesAfterAPauseAndGoesOnSaveAndOnCloseWithoutSaving) {
  AutosaveSetting Short;
  StudioFixture S;
  TCodeFRM* Code = S.Form.OpenSourceFile(S.Write("a.yor", "one\r\n"), "a.yor");
  auto* Host = Code->findChild<TQtControlHost*>();
  QTest::keyClicks(Host, "ab");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Code->Autosave->FileName().isEmpty(); }, Patience));
  const QString File = Code->Autosave->FileName();
  ASSERT_TRUE(QTest::qWaitFor([&] { return RecoveryFileHolds(File, "abone\r\n"); }, Patience));
  EXPECT_EQ(ReadRecoveryFile(File).Header.FilePath, S.Path("a.yor"));
  EXPECT_EQ(S.Read("a.yor"), "one\r\n") << "autosave never writes the file itself";

  Code->Save();
  TRecoveryStore::Instance().Flush();
  EXPECT_FALSE(QFile::exists(File));

  QTest::keyClicks(Host, "c");
  ASSERT_TRUE(QTest::qWaitFor([&] { return RecoveryFileHolds(File, "abcone\r\n"); }, Patience));
  S.Dialogs.Answers = {TModalResult::mrNo};  // close without saving
  Code->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  TRecoveryStore::Instance().Flush();
  EXPECT_FALSE(QFile::exists(File));
  EXPECT_EQ(S.Read("a.yor"), "abone\r\n");
}

TEST(Autosave, WaitsForAPauseInTyping) {
  AutosaveSetting Short(2);
  StudioFixture S;
  TCodeFRM* Code = S.Form.OpenSourceFile(S.Write("a.yor", "one\r\n"), "a.yor");
  auto* Host = Code->findChild<TQtControlHost*>();
  // Twice the interval of steady typing: nothing is written while the keys come.
  QElapsedTimer Burst;
  Burst.start();
  while (Burst.elapsed() < 4000) {
    QTest::keyClick(Host, 'k');
    QTest::qWait(100);
    ASSERT_TRUE(Code->Autosave->FileName().isEmpty()) << "written during typing";
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Code->Autosave->FileName().isEmpty(); }, Patience));
  const QString Typed = Code->tbCode->Text();
  EXPECT_TRUE(QTest::qWaitFor([&] { return RecoveryFileHolds(Code->Autosave->FileName(), Typed); },
                              Patience));
}

// The interval is read as the Options page shows it; 0 is its "Never".
TEST(Autosave, IntervalAsTheOptionsPageShowsIt) {
  const struct {
    QVariant Stored;
    int Ms;
  } Cases[] = {{5, 5000}, {3600, 3'600'000}, {0, 0}, {-3, 30000}, {99999, 30000}, {"abc", 30000}};
  for (const auto& C : Cases) {
    AutosaveSetting Setting(C.Stored);
    EXPECT_EQ(TAutosave::IntervalMs(), C.Ms) << C.Stored.toString().toStdString();
  }
  EXPECT_EQ(TAutosave::IntervalMs(), 30000) << "nothing stored";
}

TEST(Autosave, NeverWritesWhenTheUserChoseNever) {
  AutosaveSetting Never(0);
  StudioFixture S;
  TCodeFRM* Code = S.Form.OpenSourceFile(S.Write("a.yor", "one\r\n"), "a.yor");
  QTest::keyClicks(Code->findChild<TQtControlHost*>(), "ab");
  QTest::qWait(1500);
  EXPECT_TRUE(Code->Autosave->FileName().isEmpty());
}

TEST(RecoveryStore, TakesOnlyTheFilesOfStudiosThatAreGone) {
  QTemporaryDir Root;
  WriteBytes(Root.filePath("gone/window-1.yrec"), "x");
  WriteBytes(Root.filePath("alive/window-1.yrec"), "y");
  QLockFile Alive(Root.filePath("alive.lock"));  // a running studio's lock
  ASSERT_TRUE(Alive.tryLock(0));

  TRecoveryStore First(Root.path()), Second(Root.path());
  EXPECT_EQ(First.LeftBehind(), QStringList{Root.filePath("gone/window-1.yrec")});
  EXPECT_TRUE(Second.LeftBehind().isEmpty()) << "another studio is offering these already";
  First.Release();
  EXPECT_EQ(Second.LeftBehind(), QStringList{Root.filePath("gone/window-1.yrec")});
  Second.Release();

  // A normal quit leaves nothing behind.
  TRecoveryStore Own(Root.path());
  const QString Name = Own.NewFileName();
  Own.Queue([Name] { WriteRecoveryFile(Name, {}, "t"); });
  Own.Queue([Name] { QFile::remove(Name); });
  Own.Shutdown();
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(Name).path()));
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(Name).path() + ".lock"));
}

TEST(RecoveryOffer, RecoversIntoAChangedWindowAndKeepsWhatCannotBeRead) {
  StudioFixture S;
  QTemporaryDir Root;
  const QString Original = S.Write("a.yor", "on disk\r\n");
  const QString Good = Root.filePath("gone/window-1.yrec");
  WriteBytes(Good, EncodeRecovery({Original, QString(), QDateTime::currentDateTime()},
                                  "recovered\r\n"));
  QByteArray Damaged = EncodeRecovery({Original, QString(), QDateTime::currentDateTime()}, "z");
  Damaged.chop(1);
  WriteBytes(Root.filePath("gone/window-2.yrec"), Damaged);

  QStringList States;
  bool DiffShown = false;
  S.Dialogs.ModalAnswers = {[&](QDialog& Dialog) {
    auto& Offer = dynamic_cast<TRecoveryDialog&>(Dialog);
    for (int I = 0; I < Offer.lvFiles->topLevelItemCount(); ++I)
      States << Offer.lvFiles->topLevelItem(I)->text(2);
    S.Dialogs.ModalAnswers.push_back([&](QDialog& Diff) {
      DiffShown = dynamic_cast<TDiffDialog&>(Diff).edUnified->toPlainText().contains(
          "-on disk\n+recovered\n");
      return TModalResult::mrCancel;
    });
    for (int I = 0; I < Offer.lvFiles->topLevelItemCount(); ++I) {
      if (!Offer.lvFiles->topLevelItem(I)->text(2).startsWith("Differs")) continue;
      Offer.lvFiles->setCurrentItem(Offer.lvFiles->topLevelItem(I));
      Offer.btDifference->click();
      Offer.btRecover->click();
      break;
    }
    return TModalResult::mrCancel;  // decide about the rest later
  }};
  TRecoveryStore Store(Root.path());
  OfferRecovery(S.Form, Store);

  ASSERT_EQ(States.size(), 2);
  States.sort();
  EXPECT_TRUE(States[0].startsWith("Cannot be recovered: it is truncated")) << States[0].toStdString();
  EXPECT_EQ(States[1], "Differs from the file on disk");
  EXPECT_TRUE(DiffShown);
  ASSERT_EQ(S.Windows().size(), 1);
  TCodeFRM* Code = S.Windows()[0];
  EXPECT_EQ(Code->tbCode->Text(), "recovered\r\n");
  EXPECT_EQ(Code->strFile, Original);
  EXPECT_TRUE(Code->bFileChanged);
  EXPECT_EQ(S.Read("a.yor"), "on disk\r\n");
  EXPECT_FALSE(QFile::exists(Good)) << "taken over by the window";
  EXPECT_TRUE(RecoveryFileHolds(Code->Autosave->FileName(), "recovered\r\n"));
  EXPECT_EQ(ReadBytes(Root.filePath("gone/window-2.yrec")), Damaged) << "kept as it was";
  // Offered again at the next start.
  TRecoveryStore Next(Root.path());
  EXPECT_EQ(Next.LeftBehind(), QStringList{Root.filePath("gone/window-2.yrec")});
}

// The file's window is the one recovered into: its encoding and line breaks stay the file's,
// and Undo shows what the file holds.
TEST(RecoveryOffer, RecoversIntoTheFilesOwnWindowKeepingItsLineBreaks) {
  StudioFixture S;
  QTemporaryDir Root;
  const QString Path = S.Write("a.yor", "on disk\n");
  TCodeFRM* Open = S.Form.OpenSourceFile(Path, "a.yor");
  WriteBytes(Root.filePath("gone/window-1.yrec"),
             EncodeRecovery({Path, QString(), QDateTime::currentDateTime()}, "recovered\r\nmore\r\n"));
  S.Dialogs.ModalAnswers = {[](QDialog& Dialog) {
    dynamic_cast<TRecoveryDialog&>(Dialog).btRecover->click();
    return TModalResult::mrOk;
  }};
  TRecoveryStore Store(Root.path());
  OfferRecovery(S.Form, Store);

  ASSERT_EQ(S.Windows().size(), 1);
  ASSERT_EQ(S.Windows()[0], Open);
  EXPECT_EQ(Open->tbCode->Text(), "recovered\r\nmore\r\n");
  EXPECT_TRUE(Open->bFileChanged);
  Open->Save();
  EXPECT_EQ(S.Read("a.yor"), "recovered\nmore\n");
  Open->tbCode->Undo();
  EXPECT_EQ(Open->tbCode->Text(), "on disk\r\n");
}

TEST(LineDiff, MatchesSharedLinesAndMarksTheRest) {
  const struct {
    QStringList Old, New;
    QString Marks;
  } Cases[] = {
      {{"a", "b", "c"}, {"a", "b", "c"}, "   "},
      {{"a", "b", "c"}, {"a", "x", "c"}, " -+ "},
      {{"a", "c"}, {"a", "b", "c"}, " + "},
      {{"a", "b", "c", "d"}, {"b", "d", "e"}, "- - +"},
      {{}, {"n"}, "+"},
  };
  for (const auto& Case : Cases) {
    QString Marks;
    for (const TDiffLine& Line : DiffLines(Case.Old, Case.New))
      Marks += Line.Kind == TDiffLine::Same ? ' ' : Line.Kind == TDiffLine::Removed ? '-' : '+';
    EXPECT_EQ(Marks, Case.Marks) << Case.Old.join(',').toStdString() << " -> "
                                 << Case.New.join(',').toStdString();
  }
}
