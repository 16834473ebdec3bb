// The curve catalogue and the trip time of a protection function. Every time
// the program shows for a curve (chart, report, relay test) comes from
// tFRELIGA::calc.

#include "core/curves/freliga.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/curves/f6.h"

namespace tarvinel {

// Form of a catalogue equation; M is the multiple of pickup, results already
// multiplied by the dial.
enum class tFORMA : std::uint8_t {
  I,  // IEC: A / (M^p - 1)
  U,  // IEEE, ANSI C37.112: A / (M^p - 1) + B
  P,  // ANSI C37.90 polynomial in d = M - C: A + B/d + D/d^2 + E/d^3
  R,  // RI: 1 / (A - B/M)
  T,  // IT, I2T: A / M^p from M = 1 on
  F,  // F6 table
};

struct tEQUACAO {
  tFORMA forma;
  double a = 0, b = 0, p = 0, c = 0, d = 0, e = 0;
  const tUSERCURVE* tab = nullptr;
};

namespace {

struct tCURVA {
  std::string nome;
  tEQUACAO eq;
};

// The catalogue in the order the names are tested.
const std::vector<tCURVA>& catalogo() {
  static const std::vector<tCURVA> lista = [] {
    using F = tFORMA;
    std::vector<tCURVA> v = {
        {"IEC-NI", {F::I, 0.14, 0, 0.02}},
        {"IEC-SI", {F::I, 0.14, 0, 0.02}},
        {"IEC-MI", {F::I, 13.5, 0, 1}},
        {"IEC-VI", {F::I, 13.5, 0, 1}},
        {"IEC-LI", {F::I, 120, 0, 1}},
        {"IEC-LTI", {F::I, 120, 0, 1}},
        {"IEC-EI", {F::I, 80, 0, 2}},
        {"IEEE-MI", {F::U, 0.01, 0.023, 0.02}},
        {"IEEE-VI", {F::U, 3.922, 0.098, 2}},
        {"IEEE-EI", {F::U, 5.64, 0.024, 2}},
        {"ANSI-MI", {F::U, 0.0515, 0.114, 0.02}},
        {"ANSI-VI", {F::U, 19.61, 0.491, 2}},
        {"ANSI-EI", {F::U, 28.2, 0.1217, 2}},
        {"ANSI90-EI", {F::P, 0.0399, 0.2294, 0, 0.5, 3.0094, 0.7222}},
        {"ANSI90-VI", {F::P, 0.0615, 0.7989, 0, 0.34, -0.284, 4.0505}},
        {"ANSI90-NI", {F::P, 0.0274, 2.2614, 0, 0.3, -4.1899, 9.1272}},
        {"ANSI90-MI", {F::P, 0.1735, 0.6791, 0, 0.8, -0.08, 0.1271}},
        {"RI", {F::R, 0.339, 0.236}},
        {"IT", {F::T, 60, 0, 1}},
        {"I2T", {F::T, 540, 0, 2}},
    };
    for (const tUSERCURVE& t : f6tables()) {
      tEQUACAO eq{F::F};
      eq.tab = &t;
      v.push_back({"F6-" + t.nom, eq});
    }
    return v;
  }();
  return lista;
}

// Open-addressing hash table from name to equation, filled once in catalogue
// order. A name already present is not inserted again, so were a name listed
// twice its first entry would win, as in a search down the list.
class tINDICE {
 public:
  tINDICE() {
    for (const tCURVA& c : catalogo()) {
      std::size_t k = hash(c.nome) & MASCARA;
      while (slot_[k].eq && slot_[k].nome != c.nome) k = (k + 1) & MASCARA;
      if (!slot_[k].eq) slot_[k] = {c.nome, &c.eq};
    }
  }

  const tEQUACAO* procura(std::string_view nome) const {
    std::size_t k = hash(nome) & MASCARA;
    while (slot_[k].eq) {
      if (slot_[k].nome == nome) return slot_[k].eq;
      k = (k + 1) & MASCARA;
    }
    return nullptr;
  }

 private:
  // Well above twice the catalogue's size, so probes stay short and a free
  // slot always ends a search.
  static constexpr std::size_t TAMANHO = 128;
  static constexpr std::size_t MASCARA = TAMANHO - 1;

  static std::size_t hash(std::string_view s) {
    std::uint32_t h = 2166136261u;  // FNV-1a
    for (unsigned char ch : s) h = (h ^ ch) * 16777619u;
    return h;
  }

  struct tSLOT {
    std::string_view nome;
    const tEQUACAO* eq = nullptr;
  };
  std::array<tSLOT, TAMANHO> slot_{};
};

const tEQUACAO* builtin(std::string_view nome) {
  static const tINDICE indice;
  return indice.procura(nome);
}

// M^p. The catalogue's integer exponents are plain products: exact, and much
// cheaper than pow.
inline double potencia(double m, double p) {
  if (p == 1) return m;
  if (p == 2) return m * m;
  return std::pow(m, p);
}

double avalia(const tEQUACAO& q, double m, double dt) {
  switch (q.forma) {
    case tFORMA::I:
    case tFORMA::U: {
      // Callers pass positive currents; an even exponent would otherwise
      // give a negative multiple a time.
      if (!(m > 0)) return 0;
      // With the catalogue's positive exponents M^p - 1 <= 0 for M <= 1:
      // below pickup there is nothing to compute.
      if (m <= 1 && q.p > 0) return 0;
      const double den = potencia(m, q.p) - 1;
      if (!(den > 0)) return 0;  // M <= 1
      return dt * (q.a / den + q.b);
    }
    case tFORMA::P: {
      // No test against M = 1: these curves run down to C.
      const double d = m - q.c;
      if (!(d > 0)) return 0;
      const double d2 = d * d;
      return dt * (q.a + q.b / d + q.d / d2 + q.e / (d2 * d));
    }
    case tFORMA::R: {
      if (!(m > 0)) return 0;
      const double s = q.a - q.b / m;
      if (!(s > 0)) return 0;  // M <= 0.236 / 0.339
      return dt / s;
    }
    case tFORMA::T: {
      if (!(m >= 1)) return 0;
      const double mp = potencia(m, q.p);
      if (!(mp > 0)) return 0;
      return dt * q.a / mp;
    }
    case tFORMA::F: {
      // -1 marks a multiple outside the table; the plotting skips it.
      const double t = q.tab->calc(m) * dt;
      return t == 0 ? -1 : t;
    }
  }
  return 0;
}

}  // namespace

const std::vector<std::string>& curvenames() {
  static const std::vector<std::string> nomes = [] {
    std::vector<std::string> v;
    for (const tCURVA& c : catalogo()) v.push_back(c.nome);
    return v;
  }();
  return nomes;
}

std::optional<tEQUACAO_CURVA> equacao_curva(std::string_view nome) {
  const tEQUACAO* q = builtin(nome);
  if (q == nullptr) return std::nullopt;
  tEQUACAO_CURVA r;
  switch (q->forma) {
    case tFORMA::I:
      r.forma = 'I';
      break;
    case tFORMA::U:
      r.forma = 'U';
      break;
    case tFORMA::P:
      r.forma = 'P';
      break;
    case tFORMA::R:
      r.forma = 'R';
      break;
    case tFORMA::T:
      r.forma = 'T';
      break;
    case tFORMA::F:
      r.forma = 'F';
      break;
  }
  r.a = q->a;
  r.b = q->b;
  r.p = q->p;
  r.c = q->c;
  r.d = q->d;
  r.e = q->e;
  r.tab = q->tab;
  return r;
}

const std::vector<tGRUPO_CURVAS>& curvegroups() {
  static const std::vector<tGRUPO_CURVAS> g = {
      {"IEC (português)", {"IEC-NI", "IEC-MI", "IEC-LI", "IEC-EI"}},
      {"IEC (inglês)", {"IEC-SI", "IEC-VI", "IEC-LTI", "IEC-EI"}},
      {"IEEE", {"IEEE-MI", "IEEE-VI", "IEEE-EI"}},
      {"ANSI-C37.90", {"ANSI90-EI", "ANSI90-VI", "ANSI90-NI", "ANSI90-MI"}},
      {"ANSI-C37.112", {"ANSI-MI", "ANSI-VI", "ANSI-EI"}},
      {"COOPER-F6",
       {"F6-112", "F6-113", "F6-114", "F6-115", "F6-116", "F6-117", "F6-118", "F6-120", "F6-131",
        "F6-141", "F6-133", "F6-136", "F6-140", "F6-161", "F6-165", "F6-201", "F6-202"}},
      {"OUTRAS", {"IT", "I2T", "RI", "OFF"}},
  };
  return g;
}

tCURVA_DE curva_de(const std::string& nom) {
  // Built-in names first: a user curve named like a built-in one is never
  // reached.
  if (const tEQUACAO* q = builtin(nom)) return {q, nullptr};
  // The first user curve of the name wins.
  for (const tUSERCURVE& u : usercurves())
    if (u.nom == nom) return {nullptr, &u};
  return {};
}

double tFRELIGA::calc(double ic, bool lim) const {
  return calc(ic, lim, curva_de(nom_cur));
}

double tFRELIGA::calc(double ic, bool lim, const tCURVA_DE& c) const {
  if (lim && cor_ins > 0 && ic > cor_ins) return 0;
  if (cor_par == 0) return 0;
  const double m = ic / cor_par;
  double t = 0;
  if (c.eq != nullptr)
    t = avalia(*c.eq, m, dt);
  else if (c.user != nullptr)
    t = c.user->calc(m) * dt;
  // An arithmetic fault anywhere above (overflow, 0/0, a NaN setting) means
  // no time.
  return std::isfinite(t) ? t : 0;
}

}  // namespace tarvinel
