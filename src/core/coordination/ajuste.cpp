#include "core/coordination/ajuste.h"

#include <algorithm>

#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

std::uint64_t novo_uid() {
  static std::uint64_t ultimo = 0;
  return ++ultimo;
}

}  // namespace

tAJUSTE::tAJUSTE(std::string classname) : caption(std::move(classname)), uid(novo_uid()) {}

void tAJUSTE::exportref(tSTRINGARQ& arq) const {
  const tREFAJUSTE r = referencia();
  if (!r.empty() && refnum != 0) arq.adds(std::string(r.chave) + " %d", refnum);
}

bool tAJUSTE::importref(const tSTRINGARQ& arq) {
  const tREFAJUSTE r = referencia();
  if (r.empty() || arq.cmd != r.chave) return false;
  refnum = arq.pi;
  return true;
}

void tAJUSTE::showprop(tPROPGRID& vl) {
  vl.setvalue(" Dados gerais", "");
  vl.setvalue("Nome", caption);
  vl.setvalue("Cor", cor2txt(color));
  vl.setbutton("Cor");
  vl.setvalue("Visível", visible ? "Sim" : "Não");
  vl_picklist(vl, "Visível", {"Sim", "Não"});
  vl.setvalue("Observações", obs);
  vl.setvalue(" Dados específicos", "");
}

void tAJUSTE::getprop(const tPROPGRID& vl) {
  caption = vl_gettexto(vl, "Nome", caption);
  color = vl_getint(vl, "Cor", color, 0, 0);
  visible = vl_getbool(vl, "Visível", visible);
  obs = vl_gettexto(vl, "Observações", obs);
}

void tAJUSTE::drawto(tCHARTX&) {}

void tAJUSTE::exportprop(tSTRINGARQ& arq) {
  arq.adds("header{");
  arq.adds("caption \"%s\"", caption);
  arq.adds("visible %d", bool2int(visible));
  arq.adds("color %d", color);
  arq.adds("obs \"%s\"", obs);
  arq.adds("}");
}

void tAJUSTE::importprop(tSTRINGARQ& arq) {
  while (arq.next({})) {
    if (arq.cmd == "caption") caption = arq.ps;
    if (arq.cmd == "visible") visible = arq.pi == 1;
    if (arq.cmd == "color") color = arq.pi;
    if (arq.cmd == "obs") obs = arq.ps;
  }
}

void tAJUSTE::assign(tAJUSTE& dest) const {
  dest.obsolete = obsolete;
  dest.caption = caption;
  dest.visible = visible;
  dest.color = color;
  dest.obs = obs;
  dest.ref = ref;
  dest.tensao_equip = tensao_equip;
}

void tAJUSTE::showtensao(tPROPGRID& vl) const {
  vl.setnum("Tensão do equipamento [kV]", tensao_equip, num2txt(tensao_equip));
}

void tAJUSTE::gettensao(const tPROPGRID& vl) {
  tensao_equip = vl_getreal(vl, "Tensão do equipamento [kV]", tensao_equip, 0, 1000);
}

void tAJUSTE::exporttensao(tSTRINGARQ& arq) const {
  if (tensao_equip != 0) arq.adds("tensao_equip %.3f", tensao_equip);
}

bool tAJUSTE::importtensao(const tSTRINGARQ& arq) {
  if (arq.cmd != "tensao_equip") return false;
  // A negative voltage (only a file can hold one) means nothing; the chart's.
  tensao_equip = arq.pf > 0 ? arq.pf : 0;
  return true;
}

std::unique_ptr<tAJUSTE> tAJUSTE::create() const {
  return std::make_unique<tAJUSTE>();
}

std::unique_ptr<tAJUSTE> tAJUSTE::copy() const {
  auto n = create();
  assign(*n);
  return n;
}

std::string tAJUSTE::gethint(const std::string& prop) const {
  if (prop == "Nome") return "Nome de identificação do ajuste";
  if (prop == "Visível") return "Indica se este ajuste deverá ou não aparecer no coordenograma.";
  if (prop == "Observações")
    return "Caso deseje, deixe suas observações/anotações a respeito do ajuste.";
  if (prop == "Tensão do equipamento [kV]")
    return "Tensão em que as correntes deste ajuste estão dadas; 0 = tensão do coordenograma. "
           "As correntes são desenhadas multiplicadas por esta tensão sobre a do coordenograma.";
  if (prop == "Cor")
    return "Clique no botão para selecionar uma cor ou digite a cor no formato $BBGGRR (azul, "
           "verde, vermelho).";
  if (prop == "Retaguarda")
    return "Proteção logo atrás desta (a montante): deve atuar depois desta, com o intervalo de "
           "coordenação da página \"Geral\", em toda a faixa de corrente verificada.";
  if (prop == "Proteção")
    return "Proteção do transformador: deve atuar antes do ponto ANSI e não atuar antes de "
           "0.1 s na corrente de inrush.";
  return "";
}

std::unique_ptr<tAJUSTE> tAJUSTE_LISTA::Setajustes(int i, std::unique_ptr<tAJUSTE> s) {
  auto& slot = itens_.at(static_cast<std::size_t>(i));
  std::swap(slot, s);
  return s;
}

tAJUSTE* tAJUSTE_LISTA::add(std::unique_ptr<tAJUSTE> s) {
  itens_.push_back(std::move(s));
  return itens_.back().get();
}

int tAJUSTE_LISTA::indexof(const tAJUSTE* s) const {
  for (std::size_t i = 0; i < itens_.size(); ++i)
    if (itens_[i].get() == s) return static_cast<int>(i);
  return -1;
}

std::unique_ptr<tAJUSTE> tAJUSTE_LISTA::remove(const tAJUSTE* s) {
  const int i = indexof(s);
  if (i < 0) return nullptr;
  auto out = std::move(itens_[static_cast<std::size_t>(i)]);
  itens_.erase(itens_.begin() + i);
  for (const auto& a : itens_)
    if (a->ref == out->uid) a->ref = 0;
  return out;
}

void tAJUSTE_LISTA::move(int from, int to) {
  const int n = count();
  if (n == 0) return;
  from = std::clamp(from, 0, n - 1);
  to = std::clamp(to, 0, n - 1);
  if (from == to) return;
  auto item = std::move(itens_[static_cast<std::size_t>(from)]);
  itens_.erase(itens_.begin() + from);
  itens_.insert(itens_.begin() + to, std::move(item));
}

}  // namespace tarvinel
