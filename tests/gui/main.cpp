// Entry point of the GUI tests: Qt needs its application object before any
// font, image or widget is made. Runs on the offscreen platform unless the
// environment chooses another.
#include <gtest/gtest.h>

#if __has_include(<QApplication>)
#include <QApplication>
using tAPP = QApplication;  // the widget tests link Qt Widgets
#else
#include <QGuiApplication>
using tAPP = QGuiApplication;
#endif

#include <cstdlib>

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  testing::InitGoogleTest(&argc, argv);
  tAPP app(argc, argv);
  return RUN_ALL_TESTS();
}
