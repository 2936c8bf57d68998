/** @file Icons.cpp
 ** Loads the pictures from the resources compiled into the studio library. **/
#include "studio/Icons.h"

// The resources live in a static library, so they are registered by hand before first use.
// Outside any namespace: the macro declares the generated registration function.
static QIcon FromResource(const char* Name) {
  static const bool Registered = [] {
    Q_INIT_RESOURCE(resources);
    return true;
  }();
  Q_UNUSED(Registered);
  return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(Name)));
}

std::vector<QIcon> MenuImages() {
  std::vector<QIcon> Images;
  for (const char* Name : {"run", "build", "new-project", "open", "new"})
    Images.push_back(FromResource(Name));
  return Images;
}

QIcon ApplicationIcon() {
  return FromResource("yorel-studio");
}
