// Round trip of the document codec on arbitrary bytes.
//
// Whatever a file holds, the lines read from it are valid UTF-8, and writing
// them and reading the result gives the same lines again; writing those once
// more gives the same bytes. Text handed to the writer that is not UTF-8 (raw
// bytes) is also written without loss of stability.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/foundation/codec.h"

using namespace tarvinel;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool validutf8(const std::string& s) {
  std::size_t i = 0;
  while (i < s.size()) {
    char32_t c = 0;
    const std::size_t n = readutf8(s, i, c);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  const std::vector<std::string> lines = decodelines(bytes);
  for (const std::string& l : lines) {
    check(validutf8(l));
    check(l.find_first_of("\r\n") == std::string::npos);
  }
  const std::string encoded = encodelines(lines);
  const std::vector<std::string> again = decodelines(encoded);
  check(again == lines);
  check(encodelines(again) == encoded);

  // The same bytes given to the writer as they are, split at line ends only.
  const std::vector<std::string> rawlines = splitlines(bytes);
  const std::string rawencoded = encodelines(rawlines);
  const std::vector<std::string> rawback = decodelines(rawencoded);
  check(rawback.size() == rawlines.size());
  check(encodelines(rawback) == rawencoded);
  return 0;
}
