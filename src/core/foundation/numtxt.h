#pragma once
// Number text of the whole program: decimal point ".", no thousands grouping,
// never dependent on the machine's locale. Reading never fails: unreadable text
// gives the caller's default, and values are clipped to the bounds unless both
// bounds are 0.

#include <string>
#include <string_view>
#include <vector>

namespace tarvinel {

// < 10: "%.3f"; < 1000: "%.1f"; otherwise the integer, halves to even.
std::string num2txt(double x);
std::string real2txt(double x, int dec);
// A real for a document file: two decimals when they read back (txt2real) as
// exactly x, otherwise the fewest decimals that do ("16.7438"). Not finite:
// "%.2f".
std::string real2arq(double x);
std::string int2txt(long long n);
std::string round2txt(double x);
inline int bool2int(bool b) {
  return b ? 1 : 0;
}

double txt2real(std::string_view s, double def, double min, double max);
int txt2int(std::string_view s, int def, int min, int max);

inline bool nearly(double tol, double a, double b) {
  const double d = b - a;
  return (d < 0 ? -d : d) <= tol;
}
template <class T>
T iif(bool cond, T a, T b) {
  return cond ? a : b;
}
inline std::string iif(bool cond, const char* a, const char* b) {
  return cond ? a : b;
}
bool inlist(std::string_view s, const std::vector<std::string>& names);
std::string replchar(std::string s, char from, char to);
std::string delchar(std::string s, char ch);

// Definite current: 0 = "OFF", 1 A = "MIN", 5000 A = "MAX".
std::string idef2txt(double x);
// Definite time: 0 = "OFF", 0.01 s = "MIN", 240 s = "MAX".
std::string tdef2txt(double x);
double txt2idef(std::string_view s, double def, double min, double max);
double txt2tdef(std::string_view s, double def, double min, double max);

// Rounds to the nearest integer, halves to even (banker's rounding).
double roundeven(double x);

// Integer part of a value for a "%d" text, truncated toward zero; NaN gives 0
// and the value is clamped to +-9e18, so that a huge value read from a
// damaged file never overflows the conversion.
long long trunca(double v);

}  // namespace tarvinel
