#include "core/calculation/trafo.h"

#include <fmt/printf.h>

#include <numbers>

#include "core/foundation/numtxt.h"

namespace tarvinel {

const std::vector<std::string>& lignames() {
  static const std::vector<std::string> nomes = {"Ya-Ya", "\u2206-Ya", "Ya-Yi", "\u2206-\u2206"};
  return nomes;
}

std::string ligname(int lig) {
  const auto& nomes = lignames();
  if (lig < 0 || lig >= static_cast<int>(nomes.size())) return "";
  return nomes[static_cast<std::size_t>(lig)];
}

void tTRAFO::init(double kva_, double zp_, double imag_, int lig_, bool prll_) {
  kva = kva_;
  zp = zp_;
  imag = imag_;
  lig = lig_;
  prll = prll_;
  ten_sec = 380;
}

void tTRAFO::exportprop(tSTRINGARQ& arq) const {
  arq.adds("config-trafo{");
  arq.adds("kva %s", real2arq(kva));
  arq.adds("zp %s", real2arq(zp));
  arq.adds("imag %s", real2arq(imag));
  arq.adds("lig %d", lig);
  arq.adds("prll %d", bool2int(prll));
  arq.adds("obs \"%s\"", obs);
  arq.adds("xr %s", real2arq(xr));
  arq.adds("ten %d", ten_sec);
  arq.adds("}");
}

void tTRAFO::importprop(tSTRINGARQ& arq) {
  while (arq.next({})) {
    const std::string& k = arq.cmd;
    if (k == "kva")
      kva = arq.pf;
    else if (k == "zp")
      zp = arq.pf;
    else if (k == "imag")
      imag = arq.pf;
    else if (k == "xr")
      xr = arq.pf;
    else if (k == "lig")
      lig = arq.pi;
    else if (k == "ten")
      ten_sec = arq.pi;
    else if (k == "prll")
      prll = arq.pi == 1;
    else if (k == "obs")
      obs = arq.ps;
  }
}

std::string tTRAFO::gethint(const std::string& prop) const {
  static const struct {
    const char* row;
    const char* hint;
  } hints[] = {
      {"Potência (kVA)", "Digite a potência do trafo ou selecione uma da lista"},
      {"Impedância (Z1%)", "Informe o valor percentual da impedância do trafo"},
      {"Ligação (AT-BT)", "Tipo de ligação na Alta Tensão (AT) e na Baixa Tensão (BT)"},
      {"Imag (K*In)", "Corrente de magnetização, informe o valor do K."},
      {"Paralelo", "Ligue esta opção para indicar os transformadores que estão em paralelo"},
      {"Observações", "Anotações/observações sobre o trafo"},
      {"Relação X/R", "Relação X/R do transformador"},
      {"Tensão BT (V)", "Tensão no secundário"},
  };
  for (const auto& h : hints)
    if (prop == h.row) return h.hint;
  return "";
}

tCURTO tTRAFO::curto_bt(double tensaomt) const {
  const double k = 1000 * tensaomt / ten_sec;
  const double kft = lig == LIG_DYA ? std::numbers::sqrt3 * k : k;
  tCURTO b;
  b.ICC3F = curto.ICC3F * k;
  b.ICC3FA = curto.ICC3FA * k;
  b.ICCFT = curto.ICCFT * kft;
  b.ICCFTA = curto.ICCFTA * kft;
  return b;
}

std::string tTRAFO::resumo() const {
  return fmt::sprintf("S=%skVA, In=%.1fA, Z1%%=%.2f pu, Lig=%s, Imag=%sxIn, V(bt)=%dV",
                      round2txt(kva), inom, zp, ligname(lig), round2txt(imag), ten_sec);
}

void tTRAFO_LISTA::SetTrafos(int i, std::unique_ptr<tTRAFO> t) {
  if (!t) return;
  itens_.at(static_cast<std::size_t>(i)) = std::move(t);
}

tTRAFO* tTRAFO_LISTA::novotrafo() {
  itens_.push_back(std::make_unique<tTRAFO>());
  return itens_.back().get();
}

void tTRAFO_LISTA::remove(int i) {
  if (i < 0 || i >= count()) return;
  itens_.erase(itens_.begin() + i);
}

double tTRAFO_LISTA::pot_tot() const {
  double s = 0;
  for (const auto& t : itens_) s += t->kva;
  return s;
}

double tTRAFO_LISTA::inrush_total() const {
  double s = 0;
  for (const auto& t : itens_) s += t->inom * t->imag;
  return s;
}

double tTRAFO_LISTA::inrush_parcial() const {
  if (itens_.empty()) return 0;
  std::size_t maior = 0;
  for (std::size_t i = 1; i < itens_.size(); ++i)
    if (itens_[i]->imag * itens_[i]->kva > itens_[maior]->imag * itens_[maior]->kva) maior = i;
  double s = 0;
  for (std::size_t i = 0; i < itens_.size(); ++i)
    s += i == maior ? itens_[i]->imag * itens_[i]->inom : itens_[i]->inom;
  return s;
}

}  // namespace tarvinel
