#include "core/coordination/ajuste_trafo.h"

#include <fmt/printf.h>

#include <cmath>

#include "core/chart/chartx.h"
#include "core/coordination/ajuste_desenho.h"
#include "core/coordination/danos.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

// ---------------------------------------------------------------- ANSI point

tAJUSTE_TRAFO::tAJUSTE_TRAFO() : tAJUSTE("tAJUSTE_TRAFO") {
  caption = "Principal";
  paramname = "Ponto ANSI";
  color = clBlue;
}

const tNOMES& tAJUSTE_TRAFO::posicoes() {
  static const tNOMES nomes{"OFF", "Centro", "Cima", "Baixo", "Direta", "Esquerda"};
  return nomes;
}

const tNOMES& tAJUSTE_TRAFO::curvasdano() {
  static const tNOMES nomes{"Ponto ANSI",    "IEEE C57.109 (categoria pela potência)",
                            "Categoria I",   "Categoria II",
                            "Categoria III", "Categoria IV"};
  return nomes;
}

std::unique_ptr<tAJUSTE> tAJUSTE_TRAFO::create() const {
  return std::make_unique<tAJUSTE_TRAFO>();
}

void tAJUSTE_TRAFO::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setnum("Potência [kVA]", kva, num2txt(kva));
  vl_picklist(vl, "Potência [kVA]",
              {"75", "112.5", "150", "225", "300", "500", "750", "1000", "1500", "2000"});
  vl.setnum("Impedância [%]", zp, num2txt(zp));
  // A position outside the list (only a file can hold one) is drawn on the
  // point, which is what "Centro" draws: the grid shows what the chart shows.
  const auto& nomes = posicoes();
  const bool valida = postext >= 0 && postext < static_cast<int>(nomes.size());
  vl.setvalue("Posição do texto", nomes[static_cast<std::size_t>(valida ? postext : 1)]);
  vl_picklist(vl, "Posição do texto", nomes);
  const auto& curvas = curvasdano();
  const bool conhecida = dano >= 0 && dano < static_cast<int>(curvas.size());
  vl.setvalue("Curva de dano", curvas[static_cast<std::size_t>(conhecida ? dano : 0)]);
  vl_picklist(vl, "Curva de dano", curvas);
  vl.setvalue("Falhas frequentes", frequente ? "Sim" : "Não");
  vl_picklist(vl, "Falhas frequentes", {"Sim", "Não"});
}

void tAJUSTE_TRAFO::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  kva = vl_getreal(vl, "Potência [kVA]", kva, 1, 1000000);
  zp = vl_getreal(vl, "Impedância [%]", zp, 0.1, 100);
  postext = vl_getindex(vl, "Posição do texto", posicoes());
  if (vl.find("Curva de dano") != nullptr) dano = vl_getindex(vl, "Curva de dano", curvasdano());
  frequente = vl_getbool(vl, "Falhas frequentes", frequente);
}

bool tAJUSTE_TRAFO::pontoansi(double v, tPONTOANSI& p) const {
  // Only a file can hold a zero or negative rating, impedance or voltage; such
  // a transformer has no ANSI point, and a huge one would overflow.
  if (!noeixo(kva) || !noeixo(zp) || !noeixo(v)) return false;
  const double in = kva / (std::sqrt(3.0) * v);
  const double mult = 100 / zp;
  p.ifase = mult * in;
  p.ineutro = 0.58 * p.ifase;
  p.tempo = 1250 / (mult * mult);
  return noeixo(p.ifase) && noeixo(p.ineutro) && noeixo(p.tempo);
}

void tAJUSTE_TRAFO::drawto(tCHARTX& chart) {
  tPONTOANSI p;
  if (!pontoansi(tensao, p)) return;
  drawdano(chart);
  if (chart.show_fase) drawansi(chart, fmt::sprintf("%dF", trunca(kva)), p.ifase, p.tempo);
  if (chart.show_neutro) drawansi(chart, fmt::sprintf("%dN", trunca(kva)), p.ineutro, p.tempo);
}

void tAJUSTE_TRAFO::drawdano(tCHARTX& chart) {
  tCANVAS* cv = chart.canvas;
  if (dano == 0 || cv == nullptr) return;
  const tDANO_TRAFO d = dano_trafo(*this, tensao, iccmax);
  if (d.sem_fonte && !avisado_)
    xprintf(
        "#Ponto ANSI \"%s\": o coordenograma não tem ICC-máximo, de que a curva de dano da "
        "categoria %s tira a impedância da fonte; a curva é desenhada como de falhas pouco "
        "frequentes, sem essa impedância.",
        caption, d.categoria == 3 ? "III" : "IV");
  avisado_ = d.sem_fonte;
  cv->setpencolor(color);
  if (chart.show_fase) {
    cv->setpenwidth(chart.linhagrossa);
    cv->setpenstyle(tPENSTYLE::solid);
    desenha_curva(chart, d.fase);
  }
  if (chart.show_neutro) {
    cv->setpenwidth(1);
    cv->setpenstyle(tPENSTYLE::dash);
    desenha_curva(chart, d.neutro);
  }
  chart.defaultpen();
  cv->setfontcolor(color);
}

void tAJUSTE_TRAFO::drawansi(tCHARTX& chart, const std::string& label, double i, double t) const {
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  const int w = cv->textwidth("o");
  chart.marca({i, t});
  const tPOINTX p = chart.rl2px(i, t);
  const int x = tCHARTX::pix(p.x);
  const int y = tCHARTX::pix(p.y);

  // A triangle pointing upward, filled with the setting's colour.
  cv->setbrushstyle(tBRUSHSTYLE::solid);
  cv->setbrushcolor(color);
  const tPOINTI tri[3] = {{x, y - w}, {x + w, y + w}, {x - w, y + w}};
  cv->polygon(tri, 3);

  if (postext == 0 || !chart.showlegend) return;
  chart.defaultpen();
  cv->setfontcolor(color);
  const double tw = cv->textwidth("ANSI");
  const double th = cv->textheight("ANSI");
  int gx = 0;
  int gy = 0;
  switch (postext) {
    case 2:  // above
      gy = -2;
      break;
    case 3:  // below
      gy = 2;
      break;
    case 4:  // right
      gx = 1;
      break;
    case 5:  // left
      gx = -1;
      break;
    default:  // "Centro" and any position a file made up: on the point
      break;
  }
  const double cx = p.x + gx * tw;
  const double cy = p.y + gy * th;
  chart.textout(cx, cy - th / 2, "ANSI", 1, false);
  chart.textout(cx, cy + th / 2, label, 1, false);
}

void tAJUSTE_TRAFO::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-trafo{");
  tAJUSTE::exportprop(arq);
  arq.adds("kva %.3f", kva);
  arq.adds("zp %.3f", zp);
  arq.adds("postext %d", postext);
  exportref(arq);
  if (dano != 0) arq.adds("dano %d", dano);
  if (frequente) arq.adds("frequente 1");
  arq.adds("}");
}

void tAJUSTE_TRAFO::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "kva")
      kva = arq.pf;
    else if (arq.cmd == "zp")
      zp = arq.pf;
    else if (arq.cmd == "postext")
      postext = arq.pi;
    else if (arq.cmd == "dano")
      dano = arq.pi >= 0 && arq.pi <= 5 ? arq.pi : 0;  // a curve unknown here: the point alone
    else if (arq.cmd == "frequente")
      frequente = arq.pi != 0;
    else
      importref(arq);
  }
}

void tAJUSTE_TRAFO::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_TRAFO*>(&dest)) {
    d->kva = kva;
    d->zp = zp;
    d->postext = postext;
    d->dano = dano;
    d->frequente = frequente;
  }
}

std::string tAJUSTE_TRAFO::gethint(const std::string& prop) const {
  if (prop == "Potência [kVA]")
    return "Digite a potência do trafo em [kVA] ou selecione um valor da lista";
  if (prop == "Impedância [%]") return "Informe a impedância do trafo em [%]";
  if (prop == "Curva de dano")
    return "Curva de suportabilidade a curtos passantes (IEEE C57.109) desenhada com os pontos "
           "ANSI; a categoria vem da potência ou é escolhida";
  if (prop == "Falhas frequentes")
    return "Sim: curva de falhas frequentes (categorias II e III; a IV sempre a usa)";
  return tAJUSTE::gethint(prop);
}

// ------------------------------------------------------------ inrush marker

tAJUSTE_INRUSH::tAJUSTE_INRUSH() : tAJUSTE("tAJUSTE_INRUSH") {
  caption = "INRUSH";
  paramname = "Corrente InRush";
  color = clPurple;
}

std::unique_ptr<tAJUSTE> tAJUSTE_INRUSH::create() const {
  return std::make_unique<tAJUSTE_INRUSH>();
}

void tAJUSTE_INRUSH::showprop(tPROPGRID& vl) {
  tAJUSTE::showprop(vl);
  vl.setnum("I-Mag. (InRush) [A]", inrush, round2txt(inrush));
  vl.setnum("I-Mag. (InRush - neutro) [A]", inrusn, round2txt(inrusn));
  showtensao(vl);
}

void tAJUSTE_INRUSH::getprop(const tPROPGRID& vl) {
  tAJUSTE::getprop(vl);
  inrush = vl_getreal(vl, "I-Mag. (InRush) [A]", inrush, 0, 1000000);
  inrusn = vl_getreal(vl, "I-Mag. (InRush - neutro) [A]", inrusn, 0, 1000000);
  gettensao(vl);
}

void tAJUSTE_INRUSH::drawto(tCHARTX& chart) {
  if (chart.show_fase) drawmark(chart, inrush);
  if (chart.show_neutro) drawmark(chart, inrusn);
}

void tAJUSTE_INRUSH::drawmark(tCHARTX& chart, double i) const {
  // 0 means "no magnetising current given"; a negative current (only a file
  // can hold one) has no place either.
  if (!noeixo(i)) return;
  tCANVAS* cv = chart.canvas;
  if (cv == nullptr) return;
  chart.defaultpen();  // the texts are black whatever the setting's colour
  // At the chart's current; the texts say the setting's own.
  const double ic = i * fator_corrente(*this, chart.tensao);
  chart.marca({ic, 0.1});
  const tPOINTX p = chart.rl2px(ic, 0.1);
  const double w = cv->textwidth("o");
  if (chart.showlegend) {
    chart.textout(p.x, p.y - 2 * w, caption + sufixo_tensao(*this, chart.tensao), 1, false);
    chart.textout(p.x, p.y + 2 * w, fmt::sprintf("%dA", trunca(i)), 1, false);
  }
  cv->setbrushstyle(tBRUSHSTYLE::solid);
  cv->setbrushcolor(color);
  cv->ellipse(tCHARTX::pix(p.x - w), tCHARTX::pix(p.y - w), tCHARTX::pix(p.x + w),
              tCHARTX::pix(p.y + w));
}

void tAJUSTE_INRUSH::exportprop(tSTRINGARQ& arq) {
  arq.adds("ajuste-inrush{");
  tAJUSTE::exportprop(arq);
  arq.adds("inrush %.3f", inrush);
  arq.adds("inrusn %.3f", inrusn);
  exportref(arq);
  exporttensao(arq);
  arq.adds("}");
}

void tAJUSTE_INRUSH::importprop(tSTRINGARQ& arq) {
  while (arq.next({"header{"})) {
    if (arq.line == "header{")
      tAJUSTE::importprop(arq);
    else if (arq.cmd == "inrush")
      inrush = arq.pf;
    else if (arq.cmd == "inrusn")
      inrusn = arq.pf;
    else if (!importtensao(arq))
      importref(arq);
  }
}

void tAJUSTE_INRUSH::assign(tAJUSTE& dest) const {
  tAJUSTE::assign(dest);
  if (auto* d = dynamic_cast<tAJUSTE_INRUSH*>(&dest)) {
    d->inrush = inrush;
    d->inrusn = inrusn;
  }
}

std::string tAJUSTE_INRUSH::gethint(const std::string& prop) const {
  if (prop == "I-Mag. (InRush) [A]") return "Corrente de magnetização do transformador";
  if (prop == "I-Mag. (InRush - neutro) [A]")
    return "Corrente de magnetização de neutro do transformador";
  return tAJUSTE::gethint(prop);
}

}  // namespace tarvinel
