#include "core/foundation/codec.h"

#include <array>

namespace tarvinel {

namespace {

constexpr char32_t kREPLACEMENT = 0xFFFD;

// Bytes 0x80..0x9F of Windows-1252; the five holes keep their own value.
constexpr std::array<char32_t, 32> kCP1252HIGH = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool startswith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

const std::string_view kBOM8 = "\xEF\xBB\xBF";
const std::string_view kBOM16LE = "\xFF\xFE";
const std::string_view kBOM16BE = "\xFE\xFF";

std::string decodecp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80)
      out.push_back(ch);
    else
      pututf8(out, cp1252char(b));
  }
  return out;
}

std::string decodeutf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t i = 0;
  while (i < bytes.size()) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      out.push_back(bytes[i++]);
      continue;
    }
    char32_t c = 0;
    const std::size_t n = readutf8(bytes, i, c);
    if (n == 0) {
      pututf8(out, kREPLACEMENT);
      ++i;
    } else {
      out.append(bytes.substr(i, n));
      i += n;
    }
  }
  return out;
}

std::string decodeutf16(std::string_view bytes, bool bigendian) {
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unit = [&](std::size_t k) -> char32_t {
    const auto b0 = static_cast<unsigned char>(bytes[2 * k]);
    const auto b1 = static_cast<unsigned char>(bytes[2 * k + 1]);
    return bigendian ? (char32_t(b0) << 8 | b1) : (char32_t(b1) << 8 | b0);
  };
  std::size_t k = 0;
  while (k < units) {
    const char32_t u = unit(k++);
    if (u >= 0xD800 && u <= 0xDBFF) {
      // A high surrogate counts only when a low one follows; otherwise it is
      // replaced and the next unit is read on its own.
      if (k < units) {
        const char32_t v = unit(k);
        if (v >= 0xDC00 && v <= 0xDFFF) {
          ++k;
          pututf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
          continue;
        }
      }
      pututf8(out, kREPLACEMENT);
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      pututf8(out, kREPLACEMENT);
    } else {
      pututf8(out, u);
    }
  }
  if (bytes.size() % 2 != 0) pututf8(out, kREPLACEMENT);  // a half code unit at the end
  return out;
}

// Code point of the text at s[i] for writing: valid UTF-8 as such, any other
// byte as the Windows-1252 character of that byte.
std::size_t readlenient(std::string_view s, std::size_t i, char32_t& c) {
  const std::size_t n = readutf8(s, i, c);
  if (n > 0) return n;
  c = cp1252char(static_cast<unsigned char>(s[i]));
  return 1;
}

// Windows-1252 bytes of all lines; false when some character has no byte.
bool encodecp1252(const std::vector<std::string>& lines, std::string& out) {
  for (const std::string& line : lines) {
    std::size_t i = 0;
    while (i < line.size()) {
      const auto b = static_cast<unsigned char>(line[i]);
      if (b < 0x80) {
        out.push_back(line[i++]);
        continue;
      }
      char32_t c = 0;
      i += readlenient(line, i, c);
      const int cb = cp1252byte(c);
      if (cb < 0) return false;
      out.push_back(static_cast<char>(cb));
    }
    out.append("\r\n");
  }
  return true;
}

std::string encodeutf8(const std::vector<std::string>& lines) {
  std::string out(kBOM8);
  for (const std::string& line : lines) {
    std::size_t i = 0;
    while (i < line.size()) {
      if (static_cast<unsigned char>(line[i]) < 0x80) {
        out.push_back(line[i++]);
        continue;
      }
      char32_t c = 0;
      i += readlenient(line, i, c);
      pututf8(out, c);
    }
    out.append("\r\n");
  }
  return out;
}

}  // namespace

char32_t cp1252char(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kCP1252HIGH[b - 0x80];
  return b;
}

int cp1252byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (std::size_t k = 0; k < kCP1252HIGH.size(); ++k)
    if (kCP1252HIGH[k] == c) return static_cast<int>(0x80 + k);
  return -1;
}

void pututf8(std::string& out, char32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = kREPLACEMENT;
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::size_t readutf8(std::string_view s, std::size_t i, char32_t& c) {
  if (i >= s.size()) return 0;
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    c = b0;
    return 1;
  }
  std::size_t n = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;  // continuation byte, C0/C1 overlong lead or F5..FF
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  c = cp;
  return n;
}

bool utf8valido(std::string_view bytes) {
  char32_t c = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = readutf8(bytes, i, c);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool temnaoascii(std::string_view bytes) {
  for (const char ch : bytes)
    if (static_cast<unsigned char>(ch) >= 0x80) return true;
  return false;
}

tCODIF detectcodif(std::string_view bytes, std::size_t& bomsize) {
  if (startswith(bytes, kBOM8)) {
    bomsize = kBOM8.size();
    return tCODIF::utf8;
  }
  if (startswith(bytes, kBOM16LE)) {
    bomsize = kBOM16LE.size();
    return tCODIF::utf16le;
  }
  if (startswith(bytes, kBOM16BE)) {
    bomsize = kBOM16BE.size();
    return tCODIF::utf16be;
  }
  bomsize = 0;
  return tCODIF::cp1252;
}

std::string decodetext(std::string_view bytes) {
  std::size_t bom = 0;
  const tCODIF codif = detectcodif(bytes, bom);
  const std::string_view body = bytes.substr(bom);
  switch (codif) {
    case tCODIF::utf8:
      return decodeutf8(body);
    case tCODIF::utf16le:
      return decodeutf16(body, false);
    case tCODIF::utf16be:
      return decodeutf16(body, true);
    case tCODIF::cp1252:
      break;
  }
  if (temnaoascii(body) && utf8valido(body)) return std::string(body);
  return decodecp1252(body);
}

std::vector<std::string> splitlines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char ch = text[i];
    if (ch != '\r' && ch != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(text.substr(start, i - start));
    i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::vector<std::string> decodelines(std::string_view bytes) {
  return splitlines(decodetext(bytes));
}

std::string encodelines(const std::vector<std::string>& lines) {
  std::string out;
  std::size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  out.reserve(total);
  // A Windows-1252 file that happens to start with the bytes of a byte-order
  // mark ("ï»¿", "ÿþ", "þÿ"), or whose accented bytes happen to form valid
  // UTF-8 ("Ã©"), would be read back in the wrong encoding; such a document
  // goes out as UTF-8 like one with a character outside the code page.
  if (encodecp1252(lines, out)) {
    std::size_t bom = 0;
    detectcodif(out, bom);
    if (bom == 0 && !(temnaoascii(out) && utf8valido(out))) return out;
  }
  return encodeutf8(lines);
}

}  // namespace tarvinel
