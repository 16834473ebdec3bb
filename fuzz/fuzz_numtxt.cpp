// Number text read from files, grids and the command line: whatever the bytes,
// reading must not fail, must give a finite value, must keep to the bounds
// when bounds are set, and must read back what it writes.

#include <fmt/format.h>
#include <fmt/printf.h>
#include <fuzzer/FuzzedDataProvider.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/foundation/numtxt.h"

using namespace tarvinel;

namespace {

[[noreturn]] void falha(const char* o_que, const std::string& texto, double v) {
  std::fprintf(stderr, "%s: texto [%s] deu %.17g\n", o_que, texto.c_str(), v);
  std::abort();
}

// Bounds as the grids pass them: both 0 (unbounded) or an ordered pair.
void limites(FuzzedDataProvider& fdp, double& min, double& max) {
  if (fdp.ConsumeBool()) {
    min = max = 0;
    return;
  }
  min = fdp.ConsumeFloatingPointInRange<double>(-1e6, 1e6);
  max = fdp.ConsumeFloatingPointInRange<double>(min, 1e7);
}

void confere_real(const char* o_que, const std::string& s, double v, double def, double min,
                  double max) {
  if (!std::isfinite(v)) falha(o_que, s, v);
  if (min != 0 || max != 0) {
    if (v < min || v > max) falha(o_que, s, v);
  } else if (v != def) {
    // Unbounded: either the default or a number the text really holds, which
    // must read back from its own full-precision text.
    const std::string volta = fmt::sprintf("%.17g", v);
    if (txt2real(volta, def + 1, 0, 0) != v) falha(o_que, s, v);
  }
}

// The C library reads the same decimal grammar (the fuzzer runs in the "C"
// locale): on a text made only of digits, signs, points and exponent marks,
// the two readers must agree, and an overflow must read as unreadable.
void oraculo_real(const std::string& s) {
  std::string_view t = s;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  if (t.empty() || t.size() > 4096) return;
  std::string u(t);
  for (char& c : u) {
    if (c == ',') c = '.';
    if (!std::strchr("0123456789.eE+-", c)) return;
  }
  char* fim = nullptr;
  const double c = std::strtod(u.c_str(), &fim);
  const bool inteiro = fim == u.c_str() + u.size();
  const double a = txt2real(s, 1.5, 0, 0), b = txt2real(s, 2.5, 0, 0);
  const bool leu = a == b;
  if (inteiro && std::isfinite(c)) {
    if (!leu || a != c) falha("txt2real diverge de strtod", s, a);
  } else if (leu) {
    falha("txt2real leu o que strtod recusa", s, a);
  }
}

void oraculo_int(const std::string& s) {
  std::string_view t = s;
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  if (t.empty() || t.size() > 40) return;
  for (std::size_t k = 0; k < t.size(); ++k)
    if (!std::isdigit(static_cast<unsigned char>(t[k])) &&
        !(k == 0 && (t[k] == '-' || t[k] == '+')))
      return;
  if (t.size() == 1 && !std::isdigit(static_cast<unsigned char>(t[0]))) return;
  const std::string u(t);
  errno = 0;
  const long long c = std::strtoll(u.c_str(), nullptr, 10);
  const bool cabe = errno == 0 && c >= INT32_MIN && c <= INT32_MAX;
  const int a = txt2int(s, 11, 0, 0), b = txt2int(s, 12, 0, 0);
  if (cabe && (a != b || a != c)) falha("txt2int diverge de strtoll", s, a);
  if (!cabe && a == b) falha("txt2int leu um inteiro fora da faixa", s, a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider fdp(data, size);
  double min, max;
  limites(fdp, min, max);
  const double def = fdp.ConsumeFloatingPointInRange<double>(-1e9, 1e9);
  const int imin = fdp.ConsumeIntegralInRange<int>(-1000000, 1000000);
  const int imax = fdp.ConsumeIntegralInRange<int>(imin, 2000000);
  const bool ilimite = fdp.ConsumeBool();
  const std::string s = fdp.ConsumeRemainingBytesAsString();

  oraculo_real(s);
  oraculo_int(s);
  const double r = txt2real(s, def, min, max);
  confere_real("txt2real", s, r, def, min, max);
  // "," and "." are the same decimal mark.
  std::string pontos = s;
  for (char& c : pontos)
    if (c == ',') c = '.';
  if (txt2real(pontos, def, min, max) != r) falha("txt2real com virgula", s, r);

  const int a = ilimite ? imin : 0, b = ilimite ? imax : 0;
  const int n = txt2int(s, 7, a, b);
  if (ilimite && (n < a || n > b)) falha("txt2int", s, n);
  if (n != 7 && txt2int(int2txt(n), 7, a, b) != n) falha("txt2int volta", s, n);

  const double id = txt2idef(s, def, min, max);
  if (s == "OFF" || s == "MIN" || s == "MAX") {
    if (id != (s == "OFF" ? 0 : s == "MIN" ? 1 : 5000)) falha("txt2idef", s, id);
  } else {
    confere_real("txt2idef", s, id, def, min, max);
  }
  const double td = txt2tdef(s, def, min, max);
  if (s == "OFF" || s == "MIN" || s == "MAX") {
    if (td != (s == "OFF" ? 0 : s == "MIN" ? 0.01 : 240)) falha("txt2tdef", s, td);
  } else {
    confere_real("txt2tdef", s, td, def, min, max);
  }

  // The display form of a value read back lies within its rounding.
  const std::string t = num2txt(r);
  const double volta = txt2real(t, std::nan(""), 0, 0);
  if (!(std::abs(volta - r) <= 0.5 + std::abs(r) * 1e-15)) falha("num2txt", t, r);
  return 0;
}
