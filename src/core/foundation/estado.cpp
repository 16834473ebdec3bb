#include "core/foundation/estado.h"

namespace tarvinel {

bool printing = false;
std::string versionline = "???";

namespace {
tSINK& sink() {
  static tSINK s;
  return s;
}
}  // namespace

void set_sink(tSINK s) {
  sink() = std::move(s);
}
bool has_sink() {
  return static_cast<bool>(sink());
}
void emit_message(const std::string& text) {
  if (sink()) sink()(text);
}

void xprint(const std::string& text) {
  if (!has_sink()) return;
  // The text is the format: "%%" becomes "%"; a stray directive without an
  // argument must not end the program, so it passes as it is.
  try {
    emit_message(fmt::sprintf(text));
  } catch (const fmt::format_error&) {
    emit_message(text);
  }
}

}  // namespace tarvinel
