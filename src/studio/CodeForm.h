/** @file CodeForm.h
 ** An editor window: one source file in a syntax editor, its change state in a status
 ** bar, a popup menu, saving, and the question about unsaved changes on close. **/
#pragma once

#include <QMdiSubWindow>
#include <memory>

#include "sourceedit/SourceEdit.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;
class QVBoxLayout;
class TQtControlHost;
class TEditorHighlights;

class TCodeFRM : public QMdiSubWindow {
 public:
  explicit TCodeFRM(QWidget* Parent = nullptr);
  ~TCodeFRM() override;

  /** Binds the window to FileName (used for every read and write) and captions it. */
  void SetFile(const QString& FileName, const QString& Caption);
  /** Fills the editor; the window starts unchanged. */
  void FillText(const QString& Text);
  void FillFromFile(const QString& FileName);
  /** Writes the text to strFile; on failure raises EFCreateError and stays changed. */
  void Save();
  /** Writes the text to FileName, then binds the window to it; on failure nothing changes. */
  void SaveAs(const QString& FileName, const QString& Caption);
  /** Panel I of the status bar. */
  QLabel* Panel(int I) const;
  /** Places Bar (find bar, notices) below the text, above the status bar; the window
      owns it. Later bars go below earlier ones. */
  void AddBar(QWidget* Bar);
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

 protected:
  void closeEvent(QCloseEvent* Event) override;

 private:
  void CreateEditor();
  void CreateStatusBar();
  void CreatePopupMenu();
  void tbCodeChange();
  void ShowChangeState();

  // Destroyed before tbCode: the host detaches the control when it goes.
  std::unique_ptr<TQtControlHost> FHost;
  QLabel* FPanels[3];
  QVBoxLayout* FBars;
  bool FFilling = false;
  // Search and navigation; declared last so it lets go of the editor's events first.
  std::unique_ptr<TEditorHighlights> FHighlights;
};
