/** @file Session.cpp **/
#include "studio/settings/Session.h"

#include <QSettings>
#include <limits>

#include "studio/settings/UserSettings.h"

namespace {
constexpr int MaxInt = std::numeric_limits<int>::max();
}  // namespace

void TSession::Store(QSettings& Settings) const {
  Settings.remove(QStringLiteral("session"));
  Settings.beginGroup(QStringLiteral("session"));
  Settings.setValue(QStringLiteral("project"), ProjectPath);
  Settings.setValue(QStringLiteral("tabbed"), Tabbed);
  Settings.setValue(QStringLiteral("geometry"), Geometry);
  Settings.setValue(QStringLiteral("state"), State);
  Settings.beginWriteArray(QStringLiteral("windows"), static_cast<int>(Windows.size()));
  for (int I = 0; I < static_cast<int>(Windows.size()); ++I) {
    const TSessionWindow& W = Windows[I];
    Settings.setArrayIndex(I);
    Settings.setValue(QStringLiteral("path"), W.Path);
    Settings.setValue(QStringLiteral("caption"), W.Caption);
    Settings.setValue(QStringLiteral("selStart"), W.SelStart);
    Settings.setValue(QStringLiteral("selLength"), W.SelLength);
    Settings.setValue(QStringLiteral("caretAtStart"), W.CaretAtStart);
    Settings.setValue(QStringLiteral("topRow"), W.TopRow);
    Settings.setValue(QStringLiteral("active"), W.Active);
  }
  Settings.endArray();
  Settings.endGroup();
}

TSession TSession::Load(QSettings& Settings) {
  TSession Session;
  Settings.beginGroup(QStringLiteral("session"));
  Session.ProjectPath = Settings.value(QStringLiteral("project")).toString();
  Session.Tabbed = Settings.value(QStringLiteral("tabbed")).toBool();
  Session.Geometry = Settings.value(QStringLiteral("geometry")).toByteArray();
  Session.State = Settings.value(QStringLiteral("state")).toByteArray();
  const int Count = Settings.beginReadArray(QStringLiteral("windows"));
  for (int I = 0; I < Count; ++I) {
    Settings.setArrayIndex(I);
    TSessionWindow W;
    W.Path = Settings.value(QStringLiteral("path")).toString();
    W.Caption = Settings.value(QStringLiteral("caption"), W.Path).toString();
    W.SelStart = IntSetting(Settings, QStringLiteral("selStart"), 0, 0, MaxInt);
    W.SelLength = IntSetting(Settings, QStringLiteral("selLength"), 0, 0, MaxInt);
    W.CaretAtStart = Settings.value(QStringLiteral("caretAtStart")).toBool();
    W.TopRow = IntSetting(Settings, QStringLiteral("topRow"), 1, 1, MaxInt);
    W.Active = Settings.value(QStringLiteral("active")).toBool();
    if (!W.Path.isEmpty()) Session.Windows.push_back(W);
  }
  Settings.endArray();
  Settings.endGroup();
  return Session;
}
