#pragma once
// Hints (tool tips and the status bar): a "$" in a hint text stands for a
// line break, and a hint stays visible 5000 ms.

#include <QString>
#include <string>

namespace tarvinel {

inline constexpr int kHINTHIDE = 5000;

inline QString texto_hint(QString hint) {
  return hint.replace('$', '\n');
}

// The hint area of the document windows (mmHINT) before a row is selected.
inline constexpr const char* kDICAINICIAL =
    "Selecione uma das propriedades para ver aqui uma \ndescrição breve da sua função.";

// What the hint area shows for the selected grid row `key` with its hint:
// the row name, ":", a line break and the hint (nothing after the break for a
// row without a hint of its own); the initial text when no row is selected
// or the row is a section title. Never what an earlier row showed.
inline QString texto_dica(const std::string& key, const std::string& hint) {
  if (key.empty() || key.front() == ' ') return QString::fromUtf8(kDICAINICIAL);
  return QString::fromStdString(key + ":\n" + (hint == key ? std::string() : hint));
}

}  // namespace tarvinel
