/** @file Session.h
 ** Where the user left off: the open project, the editor windows with their caret,
 ** selection and top row, the document mode, and the main window's geometry and layout.
 ** Plain data, read from and written to the user's settings. **/
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

class QSettings;

struct TSessionWindow {
  QString Path;
  QString Caption;
  int SelStart = 0;  ///< as the editor's SelStart: characters before the selection
  int SelLength = 0;
  bool CaretAtStart = false;  ///< the caret at the selection's start, not its end
  int TopRow = 1;
  bool Active = false;
  friend bool operator==(const TSessionWindow&, const TSessionWindow&) = default;
};

struct TSession {
  QString ProjectPath;
  std::vector<TSessionWindow> Windows;
  bool Tabbed = false;
  QByteArray Geometry;
  QByteArray State;
  friend bool operator==(const TSession&, const TSession&) = default;

  void Store(QSettings& Settings) const;
  /** What Store wrote; values of the wrong kind fall back to the defaults. */
  static TSession Load(QSettings& Settings);
};
