/** @file ScriptedTyping.cpp **/
#include "studio/recovery/ScriptedTyping.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

#include "platform/qt/QtControlHost.h"
#include "studio/CodeForm.h"
#include "studio/MainForm.h"

namespace {
int KeyOf(QChar C) {
  const QChar Upper = C.toUpper();
  if ((Upper >= u'A' && Upper <= u'Z') || (C >= u'0' && C <= u'9') || C == u' ')
    return Upper.unicode();
  return 0;
}
}  // namespace

void TypeFromEnvironment(TMainFRM& Main) {
  if (!qEnvironmentVariableIsSet("YOREL_STUDIO_TYPE")) return;
  const QString Text = qEnvironmentVariable("YOREL_STUDIO_TYPE");
  QTimer::singleShot(0, &Main, [&Main, Text] {
    TCodeFRM* Code = Main.ActiveCodeForm();
    auto* Host = Code ? Code->findChild<TQtControlHost*>() : nullptr;
    if (!Host) return;
    for (const QChar C : Text) {
      QKeyEvent Press(QEvent::KeyPress, KeyOf(C), Qt::NoModifier, QString(C));
      QKeyEvent Release(QEvent::KeyRelease, KeyOf(C), Qt::NoModifier, QString(C));
      QCoreApplication::sendEvent(Host, &Press);
      QCoreApplication::sendEvent(Host, &Release);
    }
    std::fputs("typed\n", stdout);
    std::fflush(stdout);
  });
}
