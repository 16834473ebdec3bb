#include "core/curves/inifile.h"

#include <fmt/format.h>

#include <cmath>
#include <stdexcept>
#include <string_view>

namespace tarvinel {

// ---- in-memory store ----

bool tMEMSTORE::hassection(const std::string& section) const {
  auto it = secoes.find(section);
  return it != secoes.end() && !it->second.empty();
}

namespace {
const tMEMSTORE::tVALOR* lookup(const std::map<std::string, tMEMSTORE::tSECAO>& s,
                                const std::string& section, const std::string& name) {
  auto it = s.find(section);
  if (it == s.end()) return nullptr;
  auto v = it->second.find(name);
  return v == it->second.end() ? nullptr : &v->second;
}
}  // namespace

std::optional<std::string> tMEMSTORE::readtext(const std::string& section,
                                               const std::string& name) const {
  const auto* v = lookup(secoes, section, name);
  if (!v || v->kind != tVALOR::texto) return std::nullopt;
  return v->txt;
}

std::optional<double> tMEMSTORE::readreal(const std::string& section,
                                          const std::string& name) const {
  const auto* v = lookup(secoes, section, name);
  if (!v || v->kind != tVALOR::real) return std::nullopt;
  return v->real_;
}

std::optional<int> tMEMSTORE::readint(const std::string& section, const std::string& name) const {
  const auto* v = lookup(secoes, section, name);
  if (!v || v->kind != tVALOR::inteiro) return std::nullopt;
  return v->int_;
}

void tMEMSTORE::writetext(const std::string& section, const std::string& name,
                          const std::string& value) {
  auto& v = secoes[section][name];
  v = {};
  v.kind = tVALOR::texto;
  v.txt = value;
}

void tMEMSTORE::writereal(const std::string& section, const std::string& name, double value) {
  auto& v = secoes[section][name];
  v = {};
  v.kind = tVALOR::real;
  v.real_ = value;
}

void tMEMSTORE::writeint(const std::string& section, const std::string& name, int value) {
  auto& v = secoes[section][name];
  v = {};
  v.kind = tVALOR::inteiro;
  v.int_ = value;
}

void tMEMSTORE::removesection(const std::string& section) {
  secoes.erase(section);
}

std::vector<std::string> tMEMSTORE::sectionnames() const {
  std::vector<std::string> r;
  for (const auto& [name, values] : secoes)
    if (!values.empty()) r.push_back(name);
  return r;
}

// ---- the settings store of the program ----

tINIFILEx::tINIFILEx(std::unique_ptr<tSTORE> store) : store_(std::move(store)) {
  if (!store_) store_ = std::make_unique<tMEMSTORE>();
}

std::string tINIFILEx::curvesection(int position) {
  return fmt::format("curvas/curva{}", position);
}

void tINIFILEx::loadcurve(const std::string& section, int position, tUSERCURVE& rec) const {
  rec.init();
  // A value that is missing, of another kind or not a finite number keeps
  // the default of a new curve.
  auto real = [&](const std::string& name, double def) {
    auto v = store_->readreal(section, name);
    return v && std::isfinite(*v) ? *v : def;
  };
  rec.nom = store_->readtext(section, "name").value_or(fmt::format("CURVA {}", position + 1));
  rec.ip = real("ip", 1.0);
  rec.dt = real("dt", 1.0);
  rec.adj = store_->readint(section, "adj").value_or(1) != 0;
  for (int k = 0; k < 16; ++k) {
    rec.tim[static_cast<std::size_t>(k)] =
        real(fmt::format("t{}", k), rec.tim[static_cast<std::size_t>(k)]);
    rec.amp[static_cast<std::size_t>(k)] =
        real(fmt::format("i{}", k), rec.amp[static_cast<std::size_t>(k)]);
  }
}

void tINIFILEx::savecurve(const std::string& section, const tUSERCURVE& rec) {
  store_->writetext(section, "name", rec.nom);
  store_->writereal(section, "ip", rec.ip);
  store_->writereal(section, "dt", rec.dt);
  store_->writeint(section, "adj", rec.adj ? 1 : 0);
  for (int k = 0; k < 16; ++k) {
    store_->writereal(section, fmt::format("t{}", k), rec.tim[static_cast<std::size_t>(k)]);
    store_->writereal(section, fmt::format("i{}", k), rec.amp[static_cast<std::size_t>(k)]);
  }
}

void tINIFILEx::loadcurves() {
  auto& list = usercurves();
  list.clear();
  for (int i = 0;; ++i) {
    const std::string sec = curvesection(i);
    if (!store_->hassection(sec)) break;
    tUSERCURVE rec;
    loadcurve(sec, i, rec);
    list.push_back(std::move(rec));
  }
}

void tINIFILEx::savecurves() {
  const auto& list = usercurves();
  const int n = static_cast<int>(list.size());
  for (int k = 0; k < n; ++k) savecurve(curvesection(k), list[static_cast<std::size_t>(k)]);
  // Remove every curve section past the end, also those behind a gap, so the
  // next start reloads exactly this list.
  for (const auto& sec : store_->sectionnames()) {
    constexpr std::string_view prefix = "curvas/curva";
    if (sec.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string_view num = std::string_view(sec).substr(prefix.size());
    if (num.empty() || num.find_first_not_of("0123456789") != std::string_view::npos) continue;
    if (num.size() > 6 || std::stoi(std::string(num)) >= n) store_->removesection(sec);
  }
  store_->flush();
}

std::string tINIFILEx::readstr(const std::string& section, const std::string& name,
                               const std::string& def) const {
  return store_->readtext(section, name).value_or(def);
}

void tINIFILEx::writestr(const std::string& section, const std::string& name,
                         const std::string& value) {
  store_->writetext(section, name, value);
  store_->flush();
}

namespace {
std::unique_ptr<tINIFILEx>& instance() {
  static std::unique_ptr<tINIFILEx> p;
  return p;
}
}  // namespace

void inifile_open(std::unique_ptr<tSTORE> store) {
  instance() = std::make_unique<tINIFILEx>(std::move(store));
  instance()->loadcurves();
}

bool inifile_isopen() {
  return static_cast<bool>(instance());
}

tINIFILEx& inifile() {
  // Before the program opens its store, work on an empty one in memory so
  // that nothing is ever written to the user's settings by accident.
  if (!instance()) instance() = std::make_unique<tINIFILEx>(std::make_unique<tMEMSTORE>());
  return *instance();
}

void inifile_close() {
  instance().reset();
}

}  // namespace tarvinel
