#include "core/calculation/calcgrade.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

constexpr double MILHAO = 1000000;

const tNOMES kTENSOES = {"13.8", "23", "34.5", "69"};
const tNOMES kPRECISAO = {"2.5", "5", "10"};
const tNOMES kREATANCIA = {"A", "B", "L", "H"};
const tNOMES kSIMNAO = {"Sim", "Não"};
const tNOMES kPOTENCIAS = {"75",  "112.5", "150",  "225",  "300",
                           "500", "750",   "1000", "1500", "2000"};
const char* const kAUTOMATICO = "(automatico)";

void linha(tPROPGRID& vl, const char* key, const std::string& value) {
  vl.setvalue(key, value);
}

void linha(tPROPGRID& vl, const char* key, const std::string& value, const tNOMES& lista) {
  vl.setvalue(key, value);
  vl_picklist(vl, key, lista);
}

void secao(tPROPGRID& vl, const char* titulo) {
  vl.setvalue(std::string(" ") + titulo, "");
}

std::string nome_em(const tNOMES& nomes, int v) {
  return v >= 0 && v < static_cast<int>(nomes.size()) ? nomes[static_cast<std::size_t>(v)]
                                                      : nomes.front();
}

using tMOSTRA = std::string (*)(double);
std::string mostra_num(double v) {
  return num2txt(v);
}
std::string mostra_2(double v) {
  return real2txt(v, 2);
}

// A real row into a field. A row whose text is still the one shown for the
// field's value keeps the value at full precision: the grid shows fewer
// decimals than the field holds, and reading the shown text back would round
// the user's value away at every Apply (a network impedance of 16.7438 would
// become 16.7). Such a value is only brought into range. Otherwise
// unreadable text keeps the field as it is and a number is brought into
// range. `escala` is what the grid shows per unit of the field (100 for the
// factors shown in percent).
void real(const tPROPGRID& vl, const char* key, double& campo, double min, double max,
          tMOSTRA mostra = mostra_num, double escala = 1) {
  const tPROPROW* r = vl.find(key);
  if (r == nullptr) return;
  if (r->value == mostra(campo * escala)) {
    if (campo * escala < min) campo = min / escala;
    if (campo * escala > max) campo = max / escala;
    return;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double v = txt2real(r->value, nan, 0, 0);  // bounds 0, 0: unbounded
  if (std::isnan(v)) return;
  campo = std::clamp(v, min, max) / escala;
}

void inteiro(const tPROPGRID& vl, const char* key, int& campo, int min, int max) {
  campo = vl_getint(vl, key, campo, min, max);
}

void texto(const tPROPGRID& vl, const char* key, std::string& campo) {
  campo = vl_gettexto(vl, key, campo);
}

// Position of the row's value among the names, exact text; -1 for none.
int posicao(const tPROPGRID& vl, const char* key, const tNOMES& nomes) {
  const tPROPROW* r = vl.find(key);
  if (r == nullptr) return -1;
  const auto it = std::find(nomes.begin(), nomes.end(), r->value);
  return it == nomes.end() ? -1 : static_cast<int>(it - nomes.begin());
}

// A pick-list row whose value is none of the names selects the first name;
// a missing row leaves the field.
void escolha(const tPROPGRID& vl, const char* key, int& campo, const tNOMES& nomes) {
  if (vl.find(key) == nullptr) return;
  campo = std::max(posicao(vl, key, nomes), 0);
}

void simnao(const tPROPGRID& vl, const char* key, bool& campo) {
  if (const tPROPROW* r = vl.find(key)) campo = r->value == "Sim";
}

std::string impedancia(const tPRJCALC& p, double v) {
  return p.red_inp_mod == RED_AUTOMATICO ? kAUTOMATICO : num2txt(v);
}

}  // namespace

void showprop_calc(const tPRJCALC& p, tPROPGRID& vl) {
  secao(vl, "Dados gerais");
  linha(vl, "Empresa", p.empresa);
  linha(vl, "Projetista", p.projetista);
  secao(vl, "Dados de base do cálculo");
  linha(vl, "Tensão nominal média tensão [kV]", num2txt(p.tensaomt), kTENSOES);
  linha(vl, "Fator de potência", num2txt(p.fatorp));
  secao(vl, "Ajustes de proteção");
  linha(vl, "Considerar potência...", lim_pot_name(p.lim_pot), lim_pot_names());
  linha(vl, "Fator IPF [%]", real2txt(p.fat_ipf * 100, 2));
  linha(vl, "Fator IIF [%]", real2txt(p.fat_iif * 100, 2));
  linha(vl, "Fator IPN [%]", real2txt(p.fat_ipn * 100, 2));
  linha(vl, "Fator IIN [%]", real2txt(p.fat_iin * 100, 2));
  linha(vl, "Função 27 [%]", int2txt(p.fun_27));
  linha(vl, "Função 27 [s]", real2txt(p.fun_27t, 2));
  linha(vl, "Função 59 [%]", int2txt(p.fun_59));
  linha(vl, "Função 59 [s]", real2txt(p.fun_59t, 2));
  secao(vl, "Dados do cliente");
  linha(vl, "Demanda contratada [kW]", num2txt(p.demanda));
  linha(vl, "Comprimento cabo de entrada [m]", num2txt(p.cabolen));
  linha(vl, "Impedância cabo (R1) [ohm/km]", num2txt(p.z1caboohm.r));
  linha(vl, "Impedância cabo (X1) [ohm/km]", num2txt(p.z1caboohm.x));
  linha(vl, "Impedância cabo (R0) [ohm/km]", num2txt(p.z0caboohm.r));
  linha(vl, "Impedância cabo (X0) [ohm/km]", num2txt(p.z0caboohm.x));
  secao(vl, "Transformador de corrente");
  linha(vl, "Precisão [%]", p.rtc_pre, kPRECISAO);
  linha(vl, "Reatância", p.rtc_rea, kREATANCIA);
  linha(vl, "Fator de serviço [%]", int2txt(p.rtc_fat));
  linha(vl, "Carga BURDEN [ohm]", num2txt(p.rtc_bur));
  linha(vl, "Saturação em 10kA", p.rtc_10k ? "Sim" : "Não", kSIMNAO);
  secao(vl, "Corrente magn. (inrush)");
  linha(vl, "Imag.Metodo", inr_met_name(p.inr_met), inr_met_names());
  linha(vl, "Imag.Neutro", real2txt(p.inr_neu, 2));
  secao(vl, "Dados conc. no ponto de entrega");
  linha(vl, "Impedância de rede", nome_em(red_inp_names(), p.red_inp_mod), red_inp_names());
  linha(vl, "Impedância rede (R0)", impedancia(p, p.z0r.r));
  linha(vl, "Impedância rede (X0)", impedancia(p, p.z0r.x));
  linha(vl, "Impedância rede (R1)", impedancia(p, p.z1r.r));
  linha(vl, "Impedância rede (X1)", impedancia(p, p.z1r.x));
  linha(vl, "Corrente ICCFT [A]", num2txt(p.icc_con.ICCFT));
  linha(vl, "Corrente ICCFTM [A]", num2txt(p.icc_con.ICCFTM));
  linha(vl, "Corrente ICCFTA [A]", num2txt(p.icc_con.ICCFTA));
  linha(vl, "Corrente ICC3F [A]", num2txt(p.icc_con.ICC3F));
  linha(vl, "Corrente ICC3FA [A]", num2txt(p.icc_con.ICC3FA));
  secao(vl, "Avançado...");
  linha(vl, "Resistencia de falta [ohm]", num2txt(p.rfalta));
}

void getprop_calc(tPRJCALC& p, const tPROPGRID& vl) {
  texto(vl, "Empresa", p.empresa);
  texto(vl, "Projetista", p.projetista);
  real(vl, "Tensão nominal média tensão [kV]", p.tensaomt, 0.1, MILHAO);
  real(vl, "Demanda contratada [kW]", p.demanda, 0.1, MILHAO);
  real(vl, "Fator de potência", p.fatorp, 0.1, 2);
  real(vl, "Fator IPF [%]", p.fat_ipf, 0, 100, mostra_2, 100);
  real(vl, "Fator IIF [%]", p.fat_iif, 0, 1000, mostra_2, 100);
  real(vl, "Fator IPN [%]", p.fat_ipn, 0, 100, mostra_2, 100);
  real(vl, "Fator IIN [%]", p.fat_iin, 0, 100, mostra_2, 100);
  inteiro(vl, "Função 27 [%]", p.fun_27, 0, 200);
  inteiro(vl, "Função 59 [%]", p.fun_59, 0, 200);
  real(vl, "Função 27 [s]", p.fun_27t, 0, 200, mostra_2);
  real(vl, "Função 59 [s]", p.fun_59t, 0, 200, mostra_2);
  escolha(vl, "Considerar potência...", p.lim_pot, lim_pot_names());
  real(vl, "Comprimento cabo de entrada [m]", p.cabolen, 0, MILHAO);
  real(vl, "Impedância cabo (R1) [ohm/km]", p.z1caboohm.r, 0, MILHAO);
  real(vl, "Impedância cabo (X1) [ohm/km]", p.z1caboohm.x, 0, MILHAO);
  real(vl, "Impedância cabo (R0) [ohm/km]", p.z0caboohm.r, 0, MILHAO);
  real(vl, "Impedância cabo (X0) [ohm/km]", p.z0caboohm.x, 0, MILHAO);
  escolha(vl, "Impedância de rede", p.red_inp_mod, red_inp_names());
  // "(automatico)" is no number: the stored impedances stay.
  real(vl, "Impedância rede (R0)", p.z0r.r, 0, MILHAO);
  real(vl, "Impedância rede (X0)", p.z0r.x, 0, MILHAO);
  real(vl, "Impedância rede (R1)", p.z1r.r, 0, MILHAO);
  real(vl, "Impedância rede (X1)", p.z1r.x, 0, MILHAO);
  texto(vl, "Precisão [%]", p.rtc_pre);
  texto(vl, "Reatância", p.rtc_rea);
  inteiro(vl, "Fator de serviço [%]", p.rtc_fat, 0, 1000);
  real(vl, "Carga BURDEN [ohm]", p.rtc_bur, 0, 100);
  simnao(vl, "Saturação em 10kA", p.rtc_10k);
  escolha(vl, "Imag.Metodo", p.inr_met, inr_met_names());
  real(vl, "Imag.Neutro", p.inr_neu, 0, 1, mostra_2);
  // An entered 0 becomes 1 A, which the calculation takes as "not given".
  real(vl, "Corrente ICC3F [A]", p.icc_con.ICC3F, 1, MILHAO);
  real(vl, "Corrente ICC3FA [A]", p.icc_con.ICC3FA, 1, MILHAO);
  real(vl, "Corrente ICCFT [A]", p.icc_con.ICCFT, 1, MILHAO);
  real(vl, "Corrente ICCFTM [A]", p.icc_con.ICCFTM, 1, MILHAO);
  real(vl, "Corrente ICCFTA [A]", p.icc_con.ICCFTA, 1, MILHAO);
  real(vl, "Resistencia de falta [ohm]", p.rfalta, 0, MILHAO);
}

void showprop_trafo(const tTRAFO& t, tPROPGRID& vl) {
  linha(vl, "Potência (kVA)", num2txt(t.kva), kPOTENCIAS);
  linha(vl, "Tensão BT (V)", int2txt(t.ten_sec));
  linha(vl, "Impedância (Z1%)", real2txt(t.zp, 2));
  linha(vl, "Ligação (AT-BT)", ligname(t.lig), lignames());
  linha(vl, "Imag (K*In)", num2txt(t.imag));
  linha(vl, "Relação X/R", num2txt(t.xr));
  linha(vl, "Paralelo", t.prll ? "Sim" : "Não", kSIMNAO);
  linha(vl, "Observações", t.obs);
}

void getprop_trafo(tTRAFO& t, const tPROPGRID& vl) {
  real(vl, "Potência (kVA)", t.kva, 0, MILHAO);
  real(vl, "Impedância (Z1%)", t.zp, 0, 200, mostra_2);
  if (const int lig = posicao(vl, "Ligação (AT-BT)", lignames()); lig >= 0) t.lig = lig;
  real(vl, "Imag (K*In)", t.imag, 0, 100);
  simnao(vl, "Paralelo", t.prll);
  texto(vl, "Observações", t.obs);
  real(vl, "Relação X/R", t.xr, 1, 100);
  if (vl.find("Tensão BT (V)") != nullptr)
    t.ten_sec = vl_getint(vl, "Tensão BT (V)", 380, 127, 100000);
}

std::string gethint_calc(const std::string& key) {
  static const std::string cabo =
      "Impedância do cabo em ohms por quilômetro. Consultar este valor na tabela do fabricante.";
  static const std::string rede =
      "Impedância da rede em pu. Este valor é fornecido pela concessionária.";
  static const std::string curto =
      "Valor da corrente de curto circuito em amper no ponto de entrega de energia.\n"
      "Se você não tiver os valores assimétricos coloque 0 para que o software calcule "
      "automaticamente.";
  static const std::map<std::string, std::string, std::less<>> hints = {
      {"Empresa", "Nome da empresa contratante."},
      {"Projetista", "Nome do projetista ou responsável."},
      {"Tensão nominal média tensão [kV]",
       "Tensão nominal na barra de média tensão. Selecione um dos valores ou informe manualmente."},
      {"Demanda contratada [kW]", "Demanda contratada pelo cliente."},
      {"Fator de potência", "Fator de potência de referência para os cálculos."},
      {"Comprimento cabo de entrada [m]",
       "Comprimento cabo de entrada que liga o ponto de entreaga de energia até a barra de média "
       "tensão do cliente."},
      {"Impedância cabo (X1) [ohm/km]", cabo},
      {"Impedância cabo (R1) [ohm/km]", cabo},
      {"Impedância rede (R0)", rede},
      {"Impedância rede (X0)", rede},
      {"Impedância rede (R1)", rede},
      {"Impedância rede (X1)", rede},
      {"Corrente ICC3F [A]", curto},
      {"Corrente ICC3FA [A]", curto},
      {"Corrente ICCFT [A]", curto},
      {"Corrente ICCFTM [A]", curto},
      {"Corrente ICCFTA [A]", curto},
      {"Resistencia de falta [ohm]",
       "Resistencia de falta para cálculo da corrente de falta fase para terra mínima."},
      {"Fator IPF [%]", "Corrente de partida de fase = FATOR * Inominal"},
      {"Fator IIF [%]", "Corrente inst. de fase = FATOR * INRUSH"},
      {"Fator IPN [%]", "Corretne de partida de neutro = FATOR * IPF"},
      {"Fator IIN [%]", "Corrente inst. de neutro = FATOR * IIF"},
  };
  const auto it = hints.find(key);
  return it == hints.end() ? std::string() : it->second;
}

std::string nome_trafo(int posicao, const tTRAFO& t) {
  // Truncated toward zero and kept inside the integer range, whatever a file held.
  const double kva = std::isnan(t.kva) ? 0 : std::clamp(t.kva, -2147483648.0, 2147483647.0);
  return fmt::sprintf("%d) Trafo %d kVA", posicao, static_cast<int>(kva));
}

}  // namespace tarvinel
