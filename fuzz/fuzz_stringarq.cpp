// The block reader and writer on arbitrary file contents: decoding, a full
// next() loop with the deeper words of every line, and every line written back
// through adds, both as a value and as a format without arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/foundation/codec.h"
#include "core/foundation/stringarq.h"

using namespace tarvinel;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  tSTRINGARQ r;
  for (std::string& l : decodelines(bytes)) r.add(std::move(l));
  // Raw, undecoded lines too: the tokenizer must cope with any bytes.
  for (std::string& l : splitlines(bytes)) r.add(std::move(l));

  tSTRINGARQ w;
  int steps = 0;
  while (r.linenumber < r.count()) {
    const int before = r.linenumber;
    const bool more = r.next();
    check(r.linenumber == before + 1);
    check(more == (r.line != "}"));
    check(r.line.find('\t') == std::string::npos);
    check(r.cmd == getword(r.line, 0) && r.ps == getword(r.line, 1));
    const std::string& raw = r[before];
    for (int n = -1; n <= 6; ++n) {
      check(getword(r.line, n).find('"') == std::string::npos);
      check(getword(raw, n).find('"') == std::string::npos);
      (void)getwordf(r.line, n);
    }

    const int level = w.level;
    w.adds("%s", r.line);
    check(w.level == level);
    check(w[w.count() - 1] == std::string(level > 0 ? level : 0, '\t') + r.line);
    w.adds(raw);  // may hold "%", braces, anything
    ++steps;
  }
  check(steps == r.count());
  check(!r.next());
  return 0;
}
