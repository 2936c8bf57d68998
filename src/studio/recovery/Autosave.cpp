/** @file Autosave.cpp **/
#include "studio/recovery/Autosave.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>

#include "studio/CodeForm.h"
#include "studio/MainForm.h"
#include "studio/recovery/RecoveryFile.h"
#include "studio/recovery/RecoveryStore.h"
#include "studio/settings/UserSettings.h"

namespace {
constexpr int DefaultSeconds = 30;
constexpr int MaxSeconds = 3600;
/** A pause this long ends a typing burst. */
constexpr int PauseMs = 2000;

qint64 Clock() {
  static QElapsedTimer Started = [] {
    QElapsedTimer Timer;
    Timer.start();
    return Timer;
  }();
  return Started.elapsed() + 1;
}
}  // namespace

TAutosave::TAutosave(TCodeFRM* Form) : TAutosave(Form, TRecoveryStore::Instance()) {}

TAutosave::TAutosave(TCodeFRM* Form, TRecoveryStore& Store)
    : QObject(Form), FForm(Form), FStore(Store) {
  FTimer.setSingleShot(true);
  connect(&FTimer, &QTimer::timeout, this, &TAutosave::Tick);
  FSlicer.setInterval(0);
  connect(&FSlicer, &QTimer::timeout, this, &TAutosave::CopySlice);
}

TAutosave::~TAutosave() {
  Discard();
}

int TAutosave::IntervalMs() {
  return IntSetting(*UserSettings(), SettingsKey::AutosaveSeconds, DefaultSeconds, 0, MaxSeconds) *
         1000;
}

void TAutosave::TextChanged() {
  FLastChange = Clock();
  if (!FFirstUnwritten) FFirstUnwritten = FLastChange;
  if (FSlicer.isActive()) {
    // The copy no longer matches the text: it starts again after the next pause.
    FSlicer.stop();
    FCopy.clear();
  }
  if (FTimer.isActive()) return;
  FInterval = IntervalMs();
  // Never: the timer only spaces out the looks at the setting, which are not for every key.
  FTimer.start(FInterval > 0 ? FInterval : DefaultSeconds * 1000);
}

// Writes after the idle interval; while the user keeps typing, at the first short pause
// once the interval has passed, so a long session is not left unprotected.
void TAutosave::Tick() {
  if (FInterval == 0) return;
  const qint64 Now = Clock();
  const qint64 Idle = Now - FLastChange;
  const qint64 Age = Now - FFirstUnwritten;
  const int Pause = std::min(PauseMs, FInterval);
  if (Idle >= FInterval || (Age >= FInterval && Idle >= Pause)) {
    WriteNow();
    return;
  }
  const qint64 Wait = std::min(FInterval - Idle, std::max(FInterval - Age, Pause - Idle));
  FTimer.start(int(std::max<qint64>(1, Wait)));
}

void TAutosave::WriteNow() {
  FTimer.stop();
  if (!FForm->bFileChanged) {
    Discard();
    return;
  }
  FFirstUnwritten = 0;
  FCopy = QString();
  FCopy.reserve(FForm->tbCode->TextLength());
  CopySlice();
}

void TAutosave::CopySlice() {
  const TSourceEdit& Editor = *FForm->tbCode;
  FCopy += Editor.TextRange(int(FCopy.size()) + 1, SliceLength);
  if (FCopy.size() < Editor.TextLength()) {
    FSlicer.start();
    return;
  }
  FSlicer.stop();
  if (FFile.isEmpty()) FFile = FStore.NewFileName();
  const TRecoveryHeader Header{FForm->strFile, Project(), QDateTime::currentDateTime()};
  FStore.Queue([File = FFile, Header, Text = std::exchange(FCopy, QString())] {
    try {
      WriteRecoveryFile(File, Header, Text);
    } catch (const ERecoveryError& Error) {
      qWarning("Autosave to %s failed: %s", qPrintable(File), Error.what());
    }
  });
}

void TAutosave::Discard() {
  FTimer.stop();
  FSlicer.stop();
  FCopy.clear();
  FFirstUnwritten = 0;
  if (FFile.isEmpty()) return;
  FStore.Queue([File = FFile] { QFile::remove(File); });
}

void TAutosave::Adopt(const QString& RecoveryFile) {
  const QString Own = FStore.NewFileName();
  FStore.Flush();
  FFile = QFile::rename(RecoveryFile, Own) ? Own : RecoveryFile;
}

QString TAutosave::Project() const {
  const auto* Main = dynamic_cast<const TMainFRM*>(FForm->window());
  return Main ? Main->projectFilePath : QString();
}
