#include "core/foundation/numtxt.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace tarvinel {

double roundeven(double x) {
  double r = std::round(x);
  if (std::abs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
  return r + 0.0;  // no "-0"
}

long long trunca(double v) {
  constexpr double lim = 9.0e18;
  if (std::isnan(v)) return 0;
  return static_cast<long long>(std::clamp(v, -lim, lim));
}

std::string num2txt(double x) {
  if (x < 10) return fmt::sprintf("%.3f", x);
  if (x < 1000) return fmt::sprintf("%.1f", x);
  return fmt::sprintf("%.0f", roundeven(x));
}

std::string real2txt(double x, int dec) {
  if (dec < 0) dec = 0;
  if (dec > 30) dec = 30;
  return fmt::sprintf("%.*f", dec, x);
}

std::string real2arq(double x) {
  std::string s = fmt::sprintf("%.2f", x);
  if (!std::isfinite(x) || txt2real(s, 0, 0, 0) == x) return s;
  // The shortest fixed form that reads back gives the count of decimals;
  // printf then rounds the same digits correctly.
  char buf[1200];
  int dec = 3;
  if (auto [p, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed);
      ec == std::errc()) {
    const std::string_view t(buf, static_cast<std::size_t>(p - buf));
    const std::size_t ponto = t.find('.');
    if (ponto != std::string_view::npos)
      dec = std::max(dec, static_cast<int>(t.size() - ponto - 1));
  }
  // Every double is exact with 1074 decimals.
  for (; dec <= 1074; ++dec) {
    s = fmt::sprintf("%.*f", dec, x);
    if (txt2real(s, 0, 0, 0) == x) break;
  }
  return s;
}

std::string int2txt(long long n) {
  return fmt::format("{}", n);
}

std::string round2txt(double x) {
  return fmt::sprintf("%.0f", roundeven(x));
}

namespace {

std::string_view trim_blanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

template <class T>
T bounded(T v, T min, T max) {
  if (min != 0 || max != 0) {
    if (v < min) v = min;
    if (v > max) v = max;
  }
  return v;
}

// Order of magnitude of a decimal text already checked by parse_real: true
// when it lies above 1 (so out of range means overflow, not underflow).
bool decimal_exponent_positive(std::string_view t) {
  long long e = 0;
  std::size_t k = 0;
  bool seen = false;  // a nonzero digit
  long long intdigits = 0, leadzeros = 0;
  for (; k < t.size() && std::isdigit(static_cast<unsigned char>(t[k])); ++k) {
    if (t[k] != '0') seen = true;
    if (seen) ++intdigits;
  }
  if (k < t.size() && t[k] == '.') {
    for (++k; k < t.size() && std::isdigit(static_cast<unsigned char>(t[k])); ++k) {
      if (!seen && t[k] == '0') ++leadzeros;
      if (t[k] != '0') seen = true;
    }
  }
  if (k < t.size() && (t[k] == 'e' || t[k] == 'E')) {
    ++k;
    bool neg = false;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) neg = t[k++] == '-';
    for (; k < t.size(); ++k)
      if (e < 100000) e = e * 10 + (t[k] - '0');
    if (neg) e = -e;
  }
  const long long mag = intdigits > 0 ? intdigits + e : e - leadzeros;
  return mag > 0;
}

// Strict decimal real: optional sign, digits with an optional fraction, an
// optional exponent; nothing else. Non-finite results are unreadable.
bool parse_real(std::string_view s, double& out) {
  s = trim_blanks(s);
  if (s.empty() || s.size() > 4096) return false;
  std::string buf(s);
  for (char& c : buf)
    if (c == ',') c = '.';
  std::size_t i = 0;
  bool neg = false;
  if (buf[0] == '+' || buf[0] == '-') {
    neg = buf[0] == '-';
    i = 1;
  }
  // from_chars would also take "inf", "nan" and hexadecimal floats: refuse
  // anything but the decimal grammar before handing it over.
  std::size_t digits = 0, j = i;
  while (j < buf.size() && std::isdigit(static_cast<unsigned char>(buf[j]))) ++j, ++digits;
  if (j < buf.size() && buf[j] == '.') {
    ++j;
    while (j < buf.size() && std::isdigit(static_cast<unsigned char>(buf[j]))) ++j, ++digits;
  }
  if (digits == 0) return false;
  if (j < buf.size() && (buf[j] == 'e' || buf[j] == 'E')) {
    ++j;
    if (j < buf.size() && (buf[j] == '+' || buf[j] == '-')) ++j;
    std::size_t ed = 0;
    while (j < buf.size() && std::isdigit(static_cast<unsigned char>(buf[j]))) ++j, ++ed;
    if (ed == 0) return false;
  }
  if (j != buf.size()) return false;
  double v = 0;
  const char* first = buf.data() + i;
  const char* last = buf.data() + buf.size();
  auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
  if (ec == std::errc::result_out_of_range && !decimal_exponent_positive(buf.substr(i))) {
    // Underflow reads as 0; overflow is no usable number.
    v = 0;
    ec = std::errc();
    ptr = last;
  }
  if (ec != std::errc() || ptr != last || !std::isfinite(v)) return false;
  out = neg ? -v : v;
  return true;
}

int hexval(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool parse_int(std::string_view s, int& out) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  if (s.empty()) return false;
  bool neg = false;
  if (s.front() == '+' || s.front() == '-') {
    neg = s.front() == '-';
    s.remove_prefix(1);
  }
  bool hex = false;
  if (!s.empty() && s.front() == '$') {
    hex = true;
    s.remove_prefix(1);
  } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    hex = true;
    s.remove_prefix(2);
  } else if (!s.empty() && (s.front() == 'x' || s.front() == 'X')) {
    hex = true;
    s.remove_prefix(1);
  }
  if (s.empty()) return false;
  std::uint64_t v = 0;
  if (hex) {
    // Up to 32 bits; "$FFFFFFFF" is -1, as colours and masks are written.
    for (char c : s) {
      const int h = hexval(c);
      if (h < 0) return false;
      v = v * 16 + static_cast<unsigned>(h);
      if (v > 0xFFFFFFFFull) return false;
    }
    std::int32_t r = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    out = neg ? static_cast<int>(-static_cast<std::int64_t>(r)) : r;
    if (neg && r == INT32_MIN) return false;
    return true;
  }
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<unsigned>(c - '0');
    if (v > 2147483648ull) return false;
  }
  if (!neg && v > 2147483647ull) return false;
  out = neg ? static_cast<int>(-static_cast<std::int64_t>(v)) : static_cast<int>(v);
  return true;
}

}  // namespace

double txt2real(std::string_view s, double def, double min, double max) {
  double v = def;
  if (!parse_real(s, v)) v = def;
  return bounded(v, min, max);
}

int txt2int(std::string_view s, int def, int min, int max) {
  int v = def;
  if (!parse_int(s, v)) v = def;
  return bounded(v, min, max);
}

bool inlist(std::string_view s, const std::vector<std::string>& names) {
  for (const auto& n : names)
    if (n == s) return true;
  return false;
}

std::string replchar(std::string s, char from, char to) {
  for (char& c : s)
    if (c == from) c = to;
  return s;
}

std::string delchar(std::string s, char ch) {
  std::erase(s, ch);
  return s;
}

std::string idef2txt(double x) {
  if (nearly(1e-6, x, 0)) return "OFF";
  if (nearly(1e-6, x, 1)) return "MIN";
  if (nearly(1e-6, x, 5000)) return "MAX";
  return num2txt(x);
}

std::string tdef2txt(double x) {
  if (nearly(1e-6, x, 0)) return "OFF";
  if (nearly(1e-6, x, 0.01)) return "MIN";
  if (nearly(1e-6, x, 240)) return "MAX";
  return num2txt(x);
}

double txt2idef(std::string_view s, double def, double min, double max) {
  if (s == "OFF") return 0;
  if (s == "MIN") return 1;
  if (s == "MAX") return 5000;
  return txt2real(s, def, min, max);
}

double txt2tdef(std::string_view s, double def, double min, double max) {
  if (s == "OFF") return 0;
  if (s == "MIN") return 0.01;
  if (s == "MAX") return 240;
  return txt2real(s, def, min, max);
}

}  // namespace tarvinel
