#include "foundation/stringarq.h"

#include <algorithm>

#include "foundation/arquivo.h"
#include "foundation/numtxt.h"

namespace tarvinel {

void tSTRINGARQ::loadfromfile(const std::string& path) {
  lines_ = lerlinhas(path);
}

void tSTRINGARQ::savetofile(const std::string& path) const {
  gravarlinhas(path, lines_);
}

void tSTRINGARQ::adds(std::string_view format) {
  std::string text;
  try {
    text = fmt::sprintf(format);
  } catch (const fmt::format_error&) {
    text = std::string(format);
  }
  put(format, std::move(text));
}

void tSTRINGARQ::put(std::string_view format, std::string text) {
  level -= static_cast<std::int32_t>(std::count(format.begin(), format.end(), '}'));
  std::string s;
  if (level > 0) s.assign(static_cast<std::size_t>(level), '\t');
  s += text;
  lines_.push_back(std::move(s));
  level += static_cast<std::int32_t>(std::count(format.begin(), format.end(), '{'));
}

bool tSTRINGARQ::next() {
  if (linenumber < 0 || linenumber >= count()) return false;
  const std::string& raw = lines_[static_cast<std::size_t>(linenumber)];
  line.clear();
  std::copy_if(raw.begin(), raw.end(), std::back_inserter(line), [](char c) { return c != '\t'; });
  ++linenumber;
  cmd = getword(line, 0);
  ps = getword(line, 1);
  pi = txt2int(ps, 0, 0, 0);
  pf = txt2real(ps, 0, 0, 0);
  return line != "}";
}

std::string getword(std::string_view s, int n) {
  std::string result;
  bool quoted = false;
  bool prevblank = true;  // so leading blanks are skipped
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    bool quote = c == '"';
    std::size_t len = 1;
    // "¨" (U+00A8) is two bytes in UTF-8 and one character here. Any other
    // multi-byte character passes byte by byte: none of its bytes is a blank,
    // separator or quote, so it is copied whole or skipped whole.
    if (c == '\xC2' && i + 1 < s.size() && s[i + 1] == '\xA8') {
      quote = true;
      len = 2;
    }
    const bool blank = c == ' ';
    const bool afterblank = prevblank;
    prevblank = blank;
    i += len;

    if (c == '\t') continue;
    if (blank && afterblank && !quoted) continue;
    if (n < 0) break;
    if (quote)
      quoted = !quoted;
    else if ((blank || c == '\r' || c == '\n') && !quoted)
      --n;
    else if (n == 0)
      result.push_back(c);
  }
  return result;
}

std::string textoarq(std::string_view s) {
  std::string t;
  t.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"')
      t += "\xE2\x80\x9D";  // ”
    else if (c == '\xC2' && i + 1 < s.size() && s[i + 1] == '\xA8') {
      t += '\'';
      ++i;
    } else if (c == '\t' || c == '\r' || c == '\n') {
      t += ' ';
      if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;  // CR LF is one break
    } else
      t += c;
  }
  return t;
}

double getwordf(std::string_view s, int n) {
  return txt2real(getword(s, n), 0, 0, 0);
}

}  // namespace tarvinel
