#pragma once
// Process-wide state read by parts built long before the windows that set it:
// the print flag, the message sink and the version line. GUI thread only.

#include <fmt/printf.h>

#include <functional>
#include <string>

namespace tarvinel {

// True exactly while the active document prints.
extern bool printing;
// First line of the change history; "???" until the about window sets it.
extern std::string versionline;

using tSINK = std::function<void(const std::string&)>;
// Installed once by the main window (or by the CLI); no sink = messages lost.
void set_sink(tSINK sink);
bool has_sink();
void emit_message(const std::string& text);

// printf-style message; "#" in the text marks a warning (drawn in red).
template <class... Args>
void xprintf(const std::string& format, const Args&... args) {
  if (!has_sink()) return;
  emit_message(fmt::sprintf(format, args...));
}

void xprint(const std::string& text);

// Sets `printing` for a scope and puts back its previous value however the
// scope ends: the main window sets it around printexec, and the page
// composers set it again for the pages they compose.
class tPRINTSCOPE {
 public:
  tPRINTSCOPE() : antes_(printing) { printing = true; }
  ~tPRINTSCOPE() { printing = antes_; }
  tPRINTSCOPE(const tPRINTSCOPE&) = delete;
  tPRINTSCOPE& operator=(const tPRINTSCOPE&) = delete;

 private:
  bool antes_;
};

}  // namespace tarvinel
