#pragma once
// Hints (tool tips and the status bar): a "$" in a hint text stands for a
// line break, and a hint stays visible 5000 ms.

#include <QString>

namespace tarvinel {

inline constexpr int kHINTHIDE = 5000;

inline QString texto_hint(QString hint) {
  return hint.replace('$', '\n');
}

}  // namespace tarvinel
