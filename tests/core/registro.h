#pragma once
// The message log collected for the scope of a test.

#include <string>
#include <vector>

#include "core/foundation/estado.h"

namespace tarvinel {

class tLOG {
 public:
  tLOG() {
    set_sink([this](const std::string& s) { linhas.push_back(s); });
  }
  ~tLOG() { set_sink(nullptr); }
  tLOG(const tLOG&) = delete;
  tLOG& operator=(const tLOG&) = delete;
  // Every line, each followed by "\n".
  std::string tudo() const {
    std::string t;
    for (const std::string& l : linhas) t += l + "\n";
    return t;
  }
  std::vector<std::string> linhas;
};

}  // namespace tarvinel
