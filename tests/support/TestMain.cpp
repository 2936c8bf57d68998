// Every test program gets a QApplication so that widget and clipboard tests can run;
// the offscreen platform is forced so the suite never needs a display.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The user's settings and data folders point into a folder of this run's own, so no
  // test reads or changes the real user's files.
  QTemporaryDir Home;
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toUtf8());
  qputenv("XDG_CACHE_HOME", Home.filePath(QStringLiteral("cache")).toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
