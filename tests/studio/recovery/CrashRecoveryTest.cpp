// The whole path a user relies on: a real studio process types into a project's file,
// autosaves, is killed, and the next start recovers the text exactly.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QProcess>
#include <QPushButton>
#include <QTreeWidget>
#include <csignal>

#include "studio/StudioFixture.h"
#include "studio/recovery/RecoveryDialog.h"
#include "studio/recovery/RecoveryFile.h"
#include "studio/recovery/RecoveryOffer.h"
#include "studio/recovery/RecoveryStore.h"

namespace {
/** The first recovery file under Folder holding Text, or an empty string. */
QString RecoveryFileWith(const QString& Folder, const QString& Text) {
  QDirIterator It(Folder, {QStringLiteral("*.yrec")}, QDir::Files, QDirIterator::Subdirectories);
  while (It.hasNext()) {
    const QString File = It.next();
    try {
      if (ReadRecoveryFile(File).Text == Text) return File;
    } catch (const ERecoveryError&) {
    }
  }
  return QString();
}
}  // namespace

TEST(CrashRecovery, TextTypedBeforeAKillComesBackExactly) {
  QTemporaryDir Home;
  const QByteArray Original = "start\r\nend\r\n";
  const QString Source = Home.filePath("project/a.yor");
  WriteBytes(Source, Original);
  WriteBytes(Home.filePath("project/p.ypr"), "a.yor\r\n");
  WriteBytes(Home.filePath("config/yorel-studio/yorel-studio.ini"),
             "[files]\nautosaveSeconds=1\n");
  const QString Typed = QStringLiteral("\u00DCn\u00EFcode \u20AC1 ok ");

  QProcess Studio;
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  Env.insert("XDG_CONFIG_HOME", Home.filePath("config"));
  Env.insert("XDG_DATA_HOME", Home.filePath("data"));
  Env.insert("XDG_CACHE_HOME", Home.filePath("cache"));
  Env.insert("QT_QPA_PLATFORM", "offscreen");
  Env.insert("ASAN_OPTIONS", "detect_leaks=0");
  Env.insert("YOREL_STUDIO_TYPE", Typed);
  Studio.setProcessEnvironment(Env);
  Studio.setProcessChannelMode(QProcess::SeparateChannels);
  Studio.start(YOREL_STUDIO_EXE, {Home.filePath("project/p.ypr")});
  ASSERT_TRUE(Studio.waitForStarted(30000));
  QByteArray Output;
  QDeadlineTimer Deadline(120000);
  while (!Output.contains("typed") && !Deadline.hasExpired() &&
         Studio.state() == QProcess::Running) {
    Studio.waitForReadyRead(500);
    Output += Studio.readAllStandardOutput();
  }
  ASSERT_TRUE(Output.contains("typed")) << Studio.readAllStandardError().toStdString();

  const QString Expected = Typed + QString::fromLatin1(Original);
  QString File;
  while (File.isEmpty() && !Deadline.hasExpired()) {
    QThread::msleep(200);
    File = RecoveryFileWith(Home.filePath("data"), Expected);
  }
  ASSERT_FALSE(File.isEmpty()) << "no autosave of the typed text";
  ::kill(pid_t(Studio.processId()), SIGKILL);
  Studio.waitForFinished(30000);

  // The next start, on the same data folder.
  StudioFixture S;
  S.Dialogs.ModalAnswers = {[](QDialog& Dialog) {
    auto& Offer = dynamic_cast<TRecoveryDialog&>(Dialog);
    EXPECT_EQ(Offer.lvFiles->topLevelItemCount(), 1);
    Offer.btRecover->click();
    return TModalResult::mrOk;
  }};
  TRecoveryStore Store(QFileInfo(QFileInfo(File).path()).path());
  OfferRecovery(S.Form, Store);
  ASSERT_EQ(S.Windows().size(), 1);
  const QString Recovered = S.Windows()[0]->tbCode->Text();
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(Recovered.utf16()), Recovered.size() * 2),
            QByteArray(reinterpret_cast<const char*>(Expected.utf16()), Expected.size() * 2));
  EXPECT_TRUE(S.Windows()[0]->bFileChanged);
  EXPECT_EQ(S.Windows()[0]->strFile, Source);
  EXPECT_EQ(ReadBytes(Source), Original);
}
