/** @file Autosave.h
 ** Writes an editor window's unsaved text to its recovery file once the user pauses, so a
 ** crash or a killed studio loses nothing. The text is copied on the user-interface
 ** thread in slices between events (an edit meanwhile starts the copy over at the next
 ** pause), then encoded and written on the store's worker, so a huge text never stalls
 ** typing. **/
#pragma once

#include <QObject>
#include <QTimer>

class TCodeFRM;
class TRecoveryStore;

class TAutosave : public QObject {
 public:
  explicit TAutosave(TCodeFRM* Form);
  TAutosave(TCodeFRM* Form, TRecoveryStore& Store);
  /** The window is gone: the user saved or chose not to, so its recovery file goes too. */
  ~TAutosave() override;

  /** Every change of the text; cheap, as it comes with every keystroke. */
  void TextChanged();
  /** The text is saved or given up: the recovery file is removed. */
  void Discard();
  /** A recovered file becomes this window's own, without being copied. */
  void Adopt(const QString& RecoveryFile);
  /** Starts writing the text when it has unsaved changes; removes the file otherwise. */
  void WriteNow();
  /** Characters copied per turn of the event loop: half a megabyte, so that even where
      touching fresh memory is slow a slice stays within a few milliseconds. */
  static constexpr int SliceLength = 1 << 18;
  /** Empty until the first write. */
  QString FileName() const { return FFile; }

  /** The user's idle interval in milliseconds (files/autosaveSeconds, 30 s by default);
      0 when the user chose never to autosave. */
  static int IntervalMs();

 private:
  void Tick();
  void CopySlice();
  QString Project() const;

  TCodeFRM* FForm;
  TRecoveryStore& FStore;
  QString FFile;
  QTimer FTimer;
  int FInterval = 0;
  qint64 FLastChange = 0;
  /** When the oldest change not yet in the recovery file was made; 0 when there is none. */
  qint64 FFirstUnwritten = 0;
  /** Active while the text is being copied. */
  QTimer FSlicer;
  QString FCopy;
};
