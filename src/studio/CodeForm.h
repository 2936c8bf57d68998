/** @file CodeForm.h
 ** An editor window: one source file in a syntax editor, its change state in a status
 ** bar, a popup menu, saving, and the question about unsaved changes on close. **/
#pragma once

#include <QMdiSubWindow>
#include <functional>
#include <memory>

#include "platform/core/TextDecoding.h"
#include "platform/core/TextFormat.h"
#include "sourceedit/SourceEdit.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QVBoxLayout;
class TAutosave;
class TDiskSync;
class TQtControlHost;
class TEditorHighlights;

class TCodeFRM : public QMdiSubWindow {
 public:
  explicit TCodeFRM(QWidget* Parent = nullptr);
  ~TCodeFRM() override;

  /** Binds the window to FileName (used for every read and write) and captions it. */
  void SetFile(const QString& FileName, const QString& Caption);
  /** Fills the editor; the window starts unchanged, with no undo or redo history. */
  void FillText(const QString& Text);
  void FillFromFile(const QString& FileName);
  /** As FillFromFile, for FileName's contents read and decoded elsewhere. */
  void FillFromDecoded(const QString& FileName, TDecodedText Decoded);
  /** Writes the text to strFile; on failure raises EFCreateError and stays changed. */
  void Save();
  /** What the file is (encoding, line breaks), as read and written back. */
  const TTextFormat& FileFormat() const { return FFormat; }
  /** The format the next save writes, for a text that has no file of its own yet. */
  void SetFileFormat(const TTextFormat& Format);
  /** The status panel after the three: the encoding the window writes and its line breaks. */
  QLabel* FileFormatPanel() const { return FFormatPanel; }
  /** Writes the text to FileName, then binds the window to it; on failure nothing changes. */
  void SaveAs(const QString& FileName, const QString& Caption);
  /** Panel I of the status bar. */
  QLabel* Panel(int I) const;
  /** Places Bar (find bar, notices) below the text, above the status bar; the window
      owns it. Later bars go below earlier ones. */
  void AddBar(QWidget* Bar);
  /** Marks the text as changed, as an edit would. */
  void MarkChanged();
  /** Search matches, the selected word and the parenthesis pair marked under the text. */
  TEditorHighlights& Highlights() const { return *FHighlights; }

  std::unique_ptr<TSourceEdit> tbCode;
  QStatusBar* EdStatBar;
  QMenu* pmCodeBox;
  QAction *Copy1, *OpenfileatCursor1, *N1, *Cut1, *Copy2, *Paste1, *Delete1, *N2, *Properties1;
  bool bFileChanged = false;
  QString strFile;

  void tbCodeSelectionChange();
  void Cut1Click();
  void Copy2Click();
  void Paste1Click();
  void Delete1Click();

  // Recovery: the file on disk and the autosave, children of the window.
  TDiskSync* DiskSync = nullptr;
  TAutosave* Autosave = nullptr;

 protected:
  void closeEvent(QCloseEvent* Event) override;

 private:
  void CreateEditor();
  void CreateStatusBar();
  void CreatePopupMenu();
  void Fill(const std::function<void()>& Load);
  void tbCodeChange();
  void ShowChangeState();

  // Destroyed before tbCode: the host detaches the control when it goes.
  std::unique_ptr<TQtControlHost> FHost;
  QLabel* FPanels[3];
  QVBoxLayout* FBars;
  bool FFilling = false;

  // Files: the file's format, and the bar that keeps a file read only partly read-only.
  void WriteFile(const QString& FileName);
  TMemoComponentStrings& FileLines() const;
  void ShowFormat();
  void ShowUnreadable(const QString& Message);
  void EditAnyway();
  TTextFormat FFormat;
  QLabel* FFormatPanel;
  QWidget* FUnreadableBar = nullptr;
  // Search and navigation; declared last so it lets go of the editor's events first.
  std::unique_ptr<TEditorHighlights> FHighlights;
};
