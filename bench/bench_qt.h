#pragma once
// The one Qt application the benchmarks that draw through QPainter share:
// made on first use, offscreen unless the environment chooses a platform, and
// kept for the whole run (a second one cannot be made in the same process).

#include <QGuiApplication>
#include <cstdlib>

namespace tarvinel::bench {

inline void qt() {
  static int argc = 1;
  static char nome[] = "tarvinel_bench";
  static char* argv[] = {nome, nullptr};
  if (QGuiApplication::instance() != nullptr) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(argc, argv);
}

}  // namespace tarvinel::bench
