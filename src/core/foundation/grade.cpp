#include "core/foundation/grade.h"

#include <algorithm>
#include <cmath>

#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"
#include "core/foundation/stringarq.h"

namespace tarvinel {

const tPROPROW* tPROPGRID::find(std::string_view key) const {
  for (const auto& r : rows_)
    if (r.key == key) return &r;
  return nullptr;
}

tPROPROW* tPROPGRID::find(std::string_view key) {
  for (auto& r : rows_)
    if (r.key == key) return &r;
  return nullptr;
}

int tPROPGRID::indexof(std::string_view key) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (rows_[i].key == key) return static_cast<int>(i);
  return -1;
}

void tPROPGRID::setvalue(std::string_view key, std::string_view value) {
  if (auto* r = find(key)) {
    if (r->value != value) r->exact = std::numeric_limits<double>::quiet_NaN();
    r->value = value;
  } else {
    tPROPROW row;
    row.key = key;
    row.value = value;
    rows_.push_back(std::move(row));
  }
  if (onchange) onchange();
}

void tPROPGRID::setnum(std::string_view key, double exact, std::string_view text) {
  setvalue(key, text);
  if (auto* r = find(key)) r->exact = exact;
}

std::string tPROPGRID::value(std::string_view key) const {
  const auto* r = find(key);
  return r ? r->value : std::string();
}

void tPROPGRID::setbutton(std::string_view key, bool on) {
  if (auto* r = find(key)) r->button = on;
}

void tPROPGRID::setreadonly(std::string_view key, bool on) {
  if (auto* r = find(key)) r->readonly = on;
}

std::string vl_getstr(const tPROPGRID& vl, std::string_view key, std::string_view fallback) {
  const auto* r = vl.find(key);
  return r ? r->value : std::string(fallback);
}

int vl_getint(const tPROPGRID& vl, std::string_view key, int fallback, int min, int max) {
  return txt2int(vl_getstr(vl, key, ""), fallback, min, max);
}

std::string vl_gettexto(const tPROPGRID& vl, std::string_view key, std::string_view fallback) {
  const auto* r = vl.find(key);
  if (r == nullptr) return std::string(fallback);
  std::string t = textoarq(r->value);
  if (t != r->value)
    xprintf(
        "# \"%s\": texto ajustado para o arquivo (aspas viram \xE2\x80\x9D, \xC2\xA8 vira ', "
        "tabulações e quebras de linha viram espaço)",
        std::string(key));
  return t;
}

std::optional<double> vl_exato(const tPROPGRID& vl, std::string_view key) {
  const auto* r = vl.find(key);
  if (r == nullptr || std::isnan(r->exact)) return std::nullopt;
  return r->exact;
}

double vl_getreal(const tPROPGRID& vl, std::string_view key, double fallback, double min,
                  double max) {
  if (auto e = vl_exato(vl, key)) return min == 0 && max == 0 ? *e : std::clamp(*e, min, max);
  return txt2real(vl_getstr(vl, key, ""), fallback, min, max);
}

bool vl_getbool(const tPROPGRID& vl, std::string_view key, bool fallback) {
  const auto* r = vl.find(key);
  if (!r) return fallback;
  std::string s = r->value;
  // Only A-Z are lower-cased: an accented capital stays as it is.
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (s == "false" || s == "no" || s == "0" || s == "não") return false;
  if (s == "true" || s == "yes" || s == "1" || s == "sim") return true;
  return fallback;
}

int vl_getindex(const tPROPGRID& vl, std::string_view key, const tNOMES& names) {
  const std::string v = vl.value(key);
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == v) return static_cast<int>(i);
  return 0;
}

void vl_picklist(tPROPGRID& vl, std::string_view key, const tNOMES& names) {
  auto* r = vl.find(key);
  if (r && r->picklist.empty()) r->picklist = names;
}

void tTABELA::setcolcount(int n) {
  if (n < 0) n = 0;
  std::vector<std::string> cells(static_cast<std::size_t>(n) * static_cast<std::size_t>(rows_));
  for (int r = 0; r < rows_; ++r)
    for (int c = 0; c < std::min(n, cols_); ++c)
      cells[static_cast<std::size_t>(r * n + c)] =
          std::move(cells_[static_cast<std::size_t>(r * cols_ + c)]);
  cells_ = std::move(cells);
  cols_ = n;
  widths_.resize(static_cast<std::size_t>(n), 64);
}

void tTABELA::setrowcount(int n) {
  if (n < 0) n = 0;
  rows_ = n;
  cells_.resize(static_cast<std::size_t>(cols_) * static_cast<std::size_t>(rows_));
}

std::string tTABELA::cell(int col, int row) const {
  if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return {};
  return cells_[static_cast<std::size_t>(row * cols_ + col)];
}

void tTABELA::setcell(int col, int row, std::string_view text) {
  if (col < 0 || row < 0) return;
  if (col >= cols_) setcolcount(col + 1);
  if (row >= rows_) setrowcount(row + 1);
  cells_[static_cast<std::size_t>(row * cols_ + col)] = text;
}

int tTABELA::colwidth(int col) const {
  if (col < 0 || col >= cols_) return 0;
  return widths_[static_cast<std::size_t>(col)];
}

void tTABELA::setcolwidth(int col, int w) {
  if (col >= 0 && col < cols_) widths_[static_cast<std::size_t>(col)] = w;
}

void sg_setrow(tTABELA& sg, int row, const tNOMES& texts) {
  for (std::size_t i = 0; i < texts.size(); ++i) sg.setcell(static_cast<int>(i), row, texts[i]);
}

void sg_titles(tTABELA& sg, const tNOMES& titles) {
  sg.setcolcount(static_cast<int>(titles.size()));
  if (sg.rowcount() < 1) sg.setrowcount(1);
  sg_setrow(sg, 0, titles);
  sg_autosize(sg, titles);
}

void sg_autosize(tTABELA& sg, const tNOMES& titles) {
  auto measure = [&](std::string_view t) {
    return sg.textwidth ? sg.textwidth(t) : static_cast<int>(t.size()) * 7;
  };
  for (std::size_t i = 0; i < titles.size(); ++i) {
    const int c = static_cast<int>(i);
    int w = std::max(measure(titles[i]), measure(sg.cell(c, 0))) + 10;
    w = txt2int(titles[i], w, 0, 1000);
    sg.setcolwidth(c, w);
  }
}

}  // namespace tarvinel
