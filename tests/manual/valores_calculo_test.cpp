// The calculation chapter of the manual against the program: every number it
// quotes is found in the example report where the report prints it, is
// recomputed here from the example's input by the formulas the chapter
// states, and every placeholder the chapter names exists.

#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <numbers>
#include <regex>
#include <set>
#include <sstream>

#include "core/calculation/calcexec.h"
#include "core/calculation/calcgrade.h"
#include "core/calculation/prjcalc.h"
#include "core/calculation/relatorio.h"
#include "core/coordination/ajuste_religa.h"
#include "core/foundation/estado.h"
#include "core/foundation/grade.h"
#include "core/foundation/numtxt.h"
#include "manual/conteudo.h"

namespace tarvinel {
namespace {

using manual::tTEXTOS;
using cx = std::complex<double>;
constexpr double R3 = std::numbers::sqrt3;
constexpr double PI = std::numbers::pi;

const tTEXTOS& valores() {
  static const tTEXTOS m = manual::valores_calculo();
  return m;
}
const tTEXTOS& tabelas() {
  static const tTEXTOS m = manual::tabelas_calculo();
  return m;
}

std::string val(const std::string& chave) {
  const auto it = valores().find(chave);
  if (it == valores().end()) {
    ADD_FAILURE() << "valor ausente: " << chave;
    return "<" + chave + ">";
  }
  return it->second;
}

std::vector<std::string> linhas(const std::string& texto) {
  std::vector<std::string> v;
  std::istringstream in(texto);
  for (std::string l; std::getline(in, l);) v.push_back(l);
  return v;
}

// The example report, without the fence around it.
std::vector<std::string> relatorio() {
  const std::string& t = tabelas().at("relatorio-exemplo");
  std::vector<std::string> v = linhas(t);
  if (v.size() >= 2) v = std::vector<std::string>(v.begin() + 1, v.end() - 1);
  return v;
}

// The report of a variant of the example, calculated here.
template <class AJUSTA>
std::vector<std::string> relatorio_de(AJUSTA&& ajusta) {
  religacount_reset();
  tPRJCALC p;
  ajusta(p);
  tPRJCALCVAR c;
  calcexec(p, c);
  tRELATORIO r;
  r.data = "01/01/27, 08:00";
  r.reportexec(p, c);
  return r.linhas;
}

// The lines from the first one containing `de` (included) up to the next one
// containing `ate` (excluded; the end when `ate` is empty or never found).
std::vector<std::string> trecho(const std::vector<std::string>& l, const std::string& de,
                                const std::string& ate) {
  std::size_t i = 0;
  while (i < l.size() && l[i].find(de) == std::string::npos) ++i;
  if (i == l.size()) {
    ADD_FAILURE() << "trecho não encontrado: " << de;
    return {};
  }
  std::size_t f = i + 1;
  while (f < l.size() && (ate.empty() || l[f].find(ate) == std::string::npos)) ++f;
  return std::vector<std::string>(l.begin() + static_cast<long>(i),
                                  l.begin() + static_cast<long>(f));
}

// "{chave}" replaced by the chapter's value; the keys met are collected.
std::string expande(const std::string& modelo, std::set<std::string>* usadas = nullptr) {
  std::string r;
  std::size_t i = 0;
  while (i < modelo.size()) {
    const std::size_t a = modelo.find('{', i);
    const std::size_t b = a == std::string::npos ? a : modelo.find('}', a);
    if (b == std::string::npos) {
      r += modelo.substr(i);
      break;
    }
    r += modelo.substr(i, a - i);
    const std::string chave = modelo.substr(a + 1, b - a - 1);
    if (usadas) usadas->insert(chave);
    r += val(chave);
    i = b + 1;
  }
  return r;
}

// A line matches a pattern when they are equal; "…" in the pattern stands
// for any text (the parts between must appear in order, the first at the
// start of the line and the last at its end).
bool casa(const std::string& linha, const std::string& padrao) {
  static const std::string reticencias = "…";
  std::vector<std::string> partes;
  std::size_t i = 0;
  for (std::size_t j; (j = padrao.find(reticencias, i)) != std::string::npos;
       i = j + reticencias.size())
    partes.push_back(padrao.substr(i, j - i));
  partes.push_back(padrao.substr(i));
  if (partes.size() == 1) return linha == padrao;
  if (linha.compare(0, partes.front().size(), partes.front()) != 0) return false;
  std::size_t pos = partes.front().size();
  for (std::size_t k = 1; k + 1 < partes.size(); ++k) {
    pos = linha.find(partes[k], pos);
    if (pos == std::string::npos) return false;
    pos += partes[k].size();
  }
  const std::string& ult = partes.back();
  return linha.size() >= pos + ult.size() &&
         linha.compare(linha.size() - ult.size(), ult.size(), ult) == 0;
}

::testing::AssertionResult tem(const std::vector<std::string>& l, const std::string& padrao) {
  for (const std::string& x : l)
    if (casa(x, padrao)) return ::testing::AssertionSuccess();
  std::string s;
  for (const std::string& x : l) s += "\n  | " + x;
  return ::testing::AssertionFailure() << "linha \"" << padrao << "\" ausente do trecho:" << s;
}

// Where each value of the chapter is printed: the report section (first
// line containing `de`, up to the line containing `ate`) and the line
// pattern, "{chave}" standing for the value.
struct tCONTEXTO {
  std::string de;
  std::string ate;
  std::vector<std::string> padroes;
};

std::vector<tCONTEXTO> contextos() {
  std::vector<tCONTEXTO> v = {
      {"Estudo de proteção",
       "Resumo do estudo de proteção",
       {"Empresa: {empresa}", "Projetista: {projetista}", "Tensão nominal MT: {tensao} kV",
        "    Z0={z0-rede} pu", "    Z1={z1-rede} pu", "Resitência de falta: {rfalta} ohm",
        "Curto(A): 3Ø={icc3f-con} 3ØA={icc3fa-con} ØT={iccft-con} ØTA={iccfta-con} "
        "ØTM={iccftm-con}",
        "Demanda contratada: {demanda} kW", "Fator de potência: {fatorp} ",
        "Transformadores: {n-trafos}",
        "Potência instalada: {pot-instalada} kVA (In={in-instalada}A)",
        "\tComprimento: {cabo-comprimento} metros", "\tZ1: {cabo-z1-ohmkm} ohm/km",
        "\tZ0: {cabo-z0-ohmkm} ohm/km",
        "1  {t1-kva}…{t1-inom}…{t1-ten-bt}…{t1-zp}…{t1-lig}…{t1-imag}…",
        "2  {t2-kva}…{t2-inom}…{t2-ten-bt}…{t2-zp}…{t2-lig}…{t2-imag}…"}},
      {"Rele do cliente",
       "Transformador de corrente",
       {"FASE      {ipf}…{iif}…{dtf}…{curva-fase}…{tdef-fase}…{idef-fase}…",
        "NEUTRO    …{curva-neutro}…{tdef-neutro}…{idef-neutro}…", "MODELO    {modelo}",
        "FASE,   {curva-fase}({icc3f-con}/{ipf})={tempo-fase}s",
        "NEUTRO, {curva-neutro}({iccftm-con}/…)={tempo-neutro}s"}},
      {"Transformador de corrente",
       "Corrente de magnetização",
       {"ANSI         : {tc-ansi}", "NBR-6856/2015: {tc-nbr}"}},
      {"Método #1: PARCIAL", "Método #2", {"INRUSH: {inrush-parcial} A"}},
      {"Método #2: TOTAL", "Método #3", {"INRUSH = {inrush-total}"}},
      {"Método #3: REAL",
       "Método #4",
       {"INRUSH = 1/(1/{icc3f-mt} + 1/{inrush-total})", "INRUSH = {inrush-real} A"}},
      {"Método #4: ENERGISA",
       "Metodo selecionado",
       {"INRUSH = 1/(1/{icc3f-mt} + 1/{inrush-parcial})", "INRUSH = {inrush-energisa} A"}},
      {"Metodo selecionado",
       "ANSI dos transformadores",
       {"Metodo selecionado: {inrush-metodo}", "INRUSH final (fase) = {inrush-fase} A",
        "INRUSH final (neutro) = {inrush-neutro} A"}},
      {"ANSI dos transformadores + ELO",
       "Correntes de curto circuito",
       {"1    {t1-kva}kVA…{t1-inom}…{t1-elo}…{t1-ansi-f}A…{t1-ansi-n}A…{t1-ansi-t}s…",
        "2    {t2-kva}kVA…{t2-inom}…{t2-elo}…{t2-ansi-f}A…{t2-ansi-n}A…{t2-ansi-t}s…"}},
      {"Valores de base",
       "Curto circuito na barra de média tensão",
       {"Sb    : {sb} MVA", "Vb    : {vb} kV", "Zb(MT): {zb-mt} ohm", "Ib(MT): {ib-mt} A",
        "Z1rede = {z1-rede} pu", "Z0rede = {z0-rede} pu", "Z1cli = {z1-cabo} pu",
        "Z0cli = {z0-cabo} pu", "ZF = 3*Rf/Zb(MT) = {zf} pu"}},
      {"Curto circuito na barra de média tensão",
       "Curto circuito na barra de baixa tensão",
       {"Z0 = Z0rede+Z0cli = {z0-mt} pu", "Z1 = Z1rede+Z1cli = {z1-mt} pu",
        "ZT = 2*Z1+Z0 = {zt-mt} pu", "FA(Z1) = {fa-z1-mt}", "FA(ZT) = {fa-zt-mt}",
        "ICC3F = Ib(MT)/Z1 = {icc3f-mt} A", "ICC3FA = ICC3F*FA(Z1)= {icc3fa-mt} A",
        "ICCFT = Ib(MT)*3/(ZT) = {iccft-mt} A", "ICCFTA = ICCFT*FA(ZT) = {iccfta-mt} A",
        "ICCFTM = Ib(MT)*3/(ZT+ZF) = {iccftm-mt} A"}},
      {"Dimensionamento do TC",
       "Ponto ANSI",
       {"DEMANDA = {tc-demanda}KW", "CARGA = {tc-carga}kVA", "FATOR DE SERVIÇO = {tc-fs}%",
        "ICC3FA = {tc-icc3fa}A", "Id = DEMANDA/(VN*FP*R3) = {tc-id}A",
        "Ic = CARGA/(VN*R3) = {tc-ic}A", "In = MAX(Id,Ic)*FS = {tc-in}A",
        "In = ICC3FA/20 = {tc-inm}A", "Z(BURDEN): {tc-burden} ohms (Ztc+Zfio+Zrele)",
        "In = ICC3FA/RTC = {tc-ise} A", "Vn = In*Z = {tc-vn} Volts",
        "Carga = {tc-burden} * 5^2 = {tc-va-cal} [VA]",
        "Utilizar TC com potência aparente de no mínimo {tc-va-cal} [VA]", "Relação: {tc-relacao}",
        "Tensao: {tc-vse} Volts", "Classe ANSI: {tc-precisao}{tc-reatancia}{tc-vse}-{tc-ino}/5",
        "Classe ANSI: {tc-ansi}", "Classe NBR-6856/2015: {tc-va}VA{tc-precisao}P20-{tc-ino}/5",
        "Classe NBR-6856/2015: {tc-nbr}"}},
      {"Ajuste das curvas de proteção",
       "RESUMO DOS AJUSTES",
       {"Fator Potência: {fp}", "Margem da proteção: {margem} %", "Pc(contrato) = {p-contrato} kW",
        "Pi(instalado) = {p-instalado} kVA", "P = {p-nome} = {p-lim}",
        "Ipf = [P/(R3*V*FP)]*{k-ipf} = {ipf} A", "Iif = {k-iif}*Imag = {iif} A", "Dtf = {dtf} s",
        "Ipn = {k-ipn}*Ipf = {ipn} A", "Iin = {k-iin}*Iif = {iin} A", "Dtn = {dtn} s"}},
      {"RESUMO DOS AJUSTES",
       "",
       {"27    Subtensão…{f27-v}…V…", "27    Tempo…{f27-t}…s…", "59    Sobretensão…{f59-v}…V…",
        "59    Tempo…{f59-t}…s…", "TC utilizado…{tc-relacao}…A…"}},
  };
  // The low-voltage block of each transformer.
  for (int i : {1, 2}) {
    const std::string t = fmt::sprintf("t%d-", i);
    std::vector<std::string> p = {
        "{tN-resumo}",
        "Z1tr = {tN-z1tr} pu",
        "Z0tr = 0.85*Z1tr = {tN-z0tr} pu",
        "Z1 = Z1rede+Z1cli+Z1tr = {tN-z1} pu",
        "Z0 = Z0tr = {tN-z0tr} pu",
        "ZT = 2*Z1+Z0 = {tN-zt} pu",
        "FA(Z1) = {tN-fa-z1}",
        "FA(ZT) = {tN-fa-zt}",
        "ICC3F = Ib(MT)/Z1 = {tN-icc3f-mt} A",
        "ICC3FA = ICC3F*FA(Z1)= {tN-icc3fa-mt} A",
        "ICCFT = Ib(MT)*RAIZ(3)/ZT = {tN-iccft-mt} A",
        "ICCFTA = ICCFT*FA(ZT) = {tN-iccfta-mt} A",
        "ICCFTM = Ib(MT)*RAIZ(3)/(ZT+ZF) = {tN-iccftm-mt} A",
        "Ib(BT) = Ib(MT) * … / {tN-ten-bt} = {tN-ib-bt}",
        "ICC3F = Ib(BT)/Z1 = {tN-icc3f-bt} A",
        "ICC3FA = ICC3F*FA(Z1)= {tN-icc3fa-bt} A",
        "ICCFT = Ib(BT)*3/ZT = {tN-iccft-bt} A",
        "ICCFTA = ICCFT*FA(ZT) = {tN-iccfta-bt} A",
    };
    for (std::string& s : p)
      for (std::size_t k; (k = s.find("tN-")) != std::string::npos;) s.replace(k, 3, t);
    v.push_back({fmt::sprintf("Transformador %d", i),
                 i == 1 ? "Curto circuito na barra de baixa" : "Dimensionamento", p});
  }
  return v;
}

// Values the example report does not print; each is checked below against
// another text of the program and by its formula.
const std::set<std::string> kFORA_DO_RELATORIO = {
    "avisos",
    "icc3f-z1rede",
    "relacao-icc3f-z1",
    "iccmin",
    "iccmax",
    "t1-xr",
    "t2-xr",
    "f27-pct",
    "f59-pct",
    "ohm-z1-r",
    "ohm-z1-x",
    "ohm-z0-r",
    "ohm-z0-x",
    "polar-z1-pu",
    "polar-z1-ohm",
    "polar-z1-ang",
    "polar-z0-pu",
    "polar-z0-ohm",
    "polar-z0-ang",
    "auto-z1",
    "auto-z0",
    "auto-icc3f-mt",
    "icc3fa-completa",
    "iccfta-completa",
    "tc10k-ise",
    "tc10k-vn",
    "tc10k-vse",
    "tc10k-ansi",
    "impedancia-rede-forma",
    "sb-mva",
};

TEST(ManualCalculo, CadaValorApareceNoRelatorioNoSeuContexto) {
  const std::vector<std::string> rel = relatorio();
  std::set<std::string> usadas;
  for (const tCONTEXTO& c : contextos()) {
    const std::vector<std::string> t = trecho(rel, c.de, c.ate);
    for (const std::string& p : c.padroes) EXPECT_TRUE(tem(t, expande(p, &usadas))) << c.de;
  }
  // Every value of the chapter is checked somewhere: here, or (for the ones
  // the report does not print) in the tests below.
  for (const auto& [chave, texto] : valores())
    EXPECT_TRUE(usadas.count(chave) || kFORA_DO_RELATORIO.count(chave))
        << "valor sem contexto no teste: " << chave;
  for (const std::string& k : kFORA_DO_RELATORIO) EXPECT_TRUE(valores().count(k)) << k;
}

TEST(ManualCalculo, ValoresForaDoRelatorioAparecemOndeOProgramaOsMostra) {
  // The window's grids.
  const std::vector<std::string> geral = linhas(tabelas().at("linhas-geral"));
  EXPECT_TRUE(tem(geral, expande("| Função 27 \\[%\\] | {f27-pct} |…")));
  EXPECT_TRUE(tem(geral, expande("| Função 59 \\[%\\] | {f59-pct} |…")));
  EXPECT_TRUE(tem(geral, expande("| Impedância de rede | {impedancia-rede-forma} (lista: …")));
  EXPECT_TRUE(tem(linhas(tabelas().at("linhas-trafo")), expande("| Relação X/R | {t1-xr} | …")));

  // The message log of the example's calculation.
  std::string log;
  set_sink([&log](const std::string& s) { log += (log.empty() ? "" : "\n") + s; });
  relatorio_de([](tPRJCALC&) {});
  set_sink(nullptr);
  EXPECT_EQ(val("avisos"), log);

  // The variants of the example, in their own reports.
  const auto automatico = relatorio_de([](tPRJCALC& p) { p.red_inp_mod = RED_AUTOMATICO; });
  EXPECT_TRUE(tem(automatico, expande("Z1rede = {auto-z1} pu")));
  EXPECT_TRUE(tem(automatico, expande("Z0rede = {auto-z0} pu")));
  EXPECT_TRUE(tem(automatico, expande("ICC3F = Ib(MT)/Z1 = {auto-icc3f-mt} A")));
  EXPECT_TRUE(tem(automatico, "A concessionária não forneceu os valores de impedância no ponto"));

  const auto completa = relatorio_de([](tPRJCALC& p) {
    p.icc_con.ICC3FA = 1;  // what an entered 0 becomes
    p.icc_con.ICCFTA = 1;
  });
  EXPECT_TRUE(tem(completa, expande("Curto(A): 3Ø={icc3f-con} 3ØA={icc3fa-completa} "
                                    "ØT={iccft-con} ØTA={iccfta-completa} ØTM={iccftm-con}")));

  const auto dezka = relatorio_de([](tPRJCALC& p) { p.rtc_10k = true; });
  EXPECT_TRUE(tem(dezka, expande("In = 10KA/RTC = {tc10k-ise} A")));
  EXPECT_TRUE(tem(dezka, expande("Vn = In*Z = {tc10k-vn} Volts")));
  EXPECT_TRUE(tem(dezka, expande("Tensao: {tc10k-vse} Volts")));
  EXPECT_TRUE(tem(dezka, expande("Classe ANSI: {tc10k-ansi}")));
}

// ---------------------------------------------------------------- formulas

double num(const std::string& chave) {
  const std::string t = val(chave);
  try {
    return std::stod(t);
  } catch (...) {
    ADD_FAILURE() << chave << " não é número: " << t;
    return NAN;
  }
}

// The value as printed agrees with x to the digits it shows.
::testing::AssertionResult perto(const std::string& texto, double x, const std::string& nome) {
  const std::size_t ponto = texto.find('.');
  const int dec = ponto == std::string::npos ? 0 : static_cast<int>(texto.size() - ponto - 1);
  const double tol = 0.5 * std::pow(10.0, -dec) * (1 + 1e-9) + 1e-9 * std::fabs(x);
  double v = NAN;
  try {
    v = std::stod(texto);
  } catch (...) {
  }
  if (std::fabs(v - x) <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << nome << " = " << texto << ", calculado " << x;
}

::testing::AssertionResult perto(const std::string& chave, double x) {
  return perto(val(chave), x, chave);
}

// A complex value as tCPLX::tostr writes it, "%.3f+j%.2f (%.3f|%.1f°)".
::testing::AssertionResult perto_c(const std::string& chave, cx z) {
  const std::string t = val(chave);
  char r[32], x[32], m[32], a[32];
  if (std::sscanf(t.c_str(), "%31[-0-9.]+j%31[-0-9.] (%31[-0-9.]|%31[-0-9.]", r, x, m, a) != 4)
    return ::testing::AssertionFailure() << chave << " ilegível: " << t;
  for (auto [txt, v, parte] :
       {std::tuple{r, z.real(), "r"}, std::tuple{x, z.imag(), "x"},
        std::tuple{m, std::abs(z), "|z|"}, std::tuple{a, std::arg(z) * 180 / PI, "ângulo"}}) {
    auto ok = perto(txt, v, chave + " " + parte);
    if (!ok) return ok;
  }
  return ::testing::AssertionSuccess();
}

double fa(cx z) {
  return z.imag() == 0 ? 1 : std::sqrt(1 + 2 * std::exp(-2 * PI * z.real() / z.imag()));
}

cx c(tCPLX z) {
  return {z.r, z.x};
}

// The example's input, from a new project that was never calculated.
struct tENTRADA {
  tPRJCALC p;
  double V, Sb, Ib, Zb;
  cx z1r, z0r, z1c, z0c, zf, Z1, Z0, ZT;
  tENTRADA() {
    V = p.tensaomt;
    Sb = p.potbase;
    Ib = 1000 * Sb / (R3 * V);
    Zb = V * V / Sb;
    z1r = c(p.z1r);
    z0r = c(p.z0r);
    const double km = p.cabolen / 1000;
    z1c = c(p.z1caboohm) * km / Zb;
    z0c = c(p.z0caboohm) * km / Zb;
    zf = 3 * p.rfalta / Zb;
    Z1 = z1r + z1c;
    Z0 = z0r + z0c;
    ZT = 2.0 * Z1 + Z0;
  }
};

TEST(ManualCalculo, ExemploTemOsDadosQueOTextoDescreve) {
  // The chapter works the example as: network in "pu", two transformers
  // "∆-Ya" not parallel, method "Parcial", neutral inrush 0, "Menor valor",
  // IEC-NI curves, saturation at ICC3FA, every utility current given.
  const tENTRADA e;
  EXPECT_EQ(e.p.red_inp_mod, RED_PU);
  ASSERT_EQ(e.p.trafos.count(), 2);
  for (const auto& t : e.p.trafos) {
    EXPECT_EQ(t->lig, LIG_DYA);
    EXPECT_FALSE(t->prll);
  }
  // The 2nd transformer has the largest K·kVA: "Parcial" takes its K·In.
  const tTRAFO& t1 = *e.p.trafos.GetTrafos(0);
  const tTRAFO& t2 = *e.p.trafos.GetTrafos(1);
  EXPECT_GT(t2.imag * t2.kva, t1.imag * t1.kva);
  EXPECT_EQ(e.p.inr_met, 0);
  EXPECT_EQ(e.p.inr_neu, 0);
  EXPECT_EQ(e.p.lim_pot, 0);
  EXPECT_FALSE(e.p.rtc_10k);
  EXPECT_FALSE(e.p.inc_rele_con);
  EXPECT_EQ(val("curva-fase"), "IEC-NI");
  EXPECT_EQ(val("curva-neutro"), "IEC-NI");
  for (double icc : {e.p.icc_con.ICC3F, e.p.icc_con.ICC3FA, e.p.icc_con.ICCFT, e.p.icc_con.ICCFTM,
                     e.p.icc_con.ICCFTA})
    EXPECT_GT(icc, 1);
  // The values are read from the new project (inputs) as the report prints them.
  EXPECT_EQ(val("tensao"), num2txt(e.V));
  EXPECT_EQ(val("demanda"), num2txt(e.p.demanda));
  EXPECT_EQ(val("tc-fs"), std::to_string(e.p.rtc_fat));
}

TEST(ManualCalculo, CurtoCircuitoRecalculadoPelasFormulasDoCapitulo) {
  const tENTRADA e;
  EXPECT_TRUE(perto("ib-mt", e.Ib));  // Ib = 1000·Sb/(√3·V)
  EXPECT_TRUE(perto("zb-mt", e.Zb));  // Zb = V²/Sb
  EXPECT_TRUE(perto("sb", e.Sb));
  EXPECT_TRUE(perto("sb-mva", e.Sb));
  EXPECT_TRUE(perto("vb", e.V));
  EXPECT_TRUE(perto_c("z1-rede", e.z1r));
  EXPECT_TRUE(perto_c("z0-rede", e.z0r));
  EXPECT_TRUE(perto_c("z1-cabo", e.z1c));
  EXPECT_TRUE(perto_c("z0-cabo", e.z0c));
  EXPECT_TRUE(perto_c("zf", e.zf));
  EXPECT_TRUE(perto_c("z1-mt", e.Z1));
  EXPECT_TRUE(perto_c("z0-mt", e.Z0));
  EXPECT_TRUE(perto_c("zt-mt", e.ZT));
  EXPECT_TRUE(perto("fa-z1-mt", fa(e.Z1)));
  EXPECT_TRUE(perto("fa-zt-mt", fa(e.ZT)));
  const double icc3f = e.Ib / std::abs(e.Z1);
  const double iccft = 3 * e.Ib / std::abs(e.ZT);
  EXPECT_TRUE(perto("icc3f-mt", icc3f));
  EXPECT_TRUE(perto("icc3fa-mt", fa(e.Z1) * icc3f));
  EXPECT_TRUE(perto("iccft-mt", iccft));
  EXPECT_TRUE(perto("iccfta-mt", fa(e.ZT) * iccft));
  EXPECT_TRUE(perto("iccftm-mt", 3 * e.Ib / std::abs(e.ZT + e.zf)));

  // Plausibility: ICC3F from the network impedance alone against the utility's.
  const double icc_z1 = e.Ib / std::abs(e.z1r);
  EXPECT_TRUE(perto("icc3f-z1rede", icc_z1));
  EXPECT_TRUE(perto("relacao-icc3f-z1", icc_z1 / e.p.icc_con.ICC3F));

  double menor = std::min({e.p.icc_con.ICC3F, e.p.icc_con.ICC3FA, e.p.icc_con.ICCFT,
                           e.p.icc_con.ICCFTM, e.p.icc_con.ICCFTA, icc3f, iccft});
  int i = 0;
  for (const auto& tp : e.p.trafos) {
    const tTRAFO& t = *tp;
    const std::string pre = fmt::sprintf("t%d-", ++i);
    // Single transformer: |Z1tr| = (Z%/100)·(1000·Sb/kVA) pu at the angle of its X/R.
    const cx z1tr = std::polar(t.zp / 100 * 1000 * e.Sb / t.kva, std::atan(t.xr));
    const cx z1 = e.Z1 + z1tr;
    const cx z0tr = 0.85 * z1tr;  // "∆-Ya"
    const cx zt = 2.0 * z1 + z0tr;
    EXPECT_TRUE(perto_c(pre + "z1tr", z1tr));
    EXPECT_EQ(val(pre + "xr"), num2txt(t.xr));
    EXPECT_TRUE(perto_c(pre + "z0tr", z0tr));
    EXPECT_TRUE(perto_c(pre + "z1", z1));
    EXPECT_TRUE(perto_c(pre + "zt", zt));
    EXPECT_TRUE(perto(pre + "fa-z1", fa(z1)));
    EXPECT_TRUE(perto(pre + "fa-zt", fa(zt)));
    const double i3 = e.Ib / std::abs(z1);
    const double ift = 3 * e.Ib / (R3 * std::abs(zt));
    const double iftm = 3 * e.Ib / (R3 * std::abs(zt + e.zf));
    EXPECT_TRUE(perto(pre + "icc3f-mt", i3));
    EXPECT_TRUE(perto(pre + "icc3fa-mt", fa(z1) * i3));
    EXPECT_TRUE(perto(pre + "iccft-mt", ift));
    EXPECT_TRUE(perto(pre + "iccfta-mt", fa(zt) * ift));
    EXPECT_TRUE(perto(pre + "iccftm-mt", iftm));
    menor = std::min({menor, i3, ift, iftm, fa(zt) * ift});
    // Low voltage: Ib(BT) = Ib(MT)·1000·V/V(bt); ICCFT(BT) = 3·Ib(BT)/|ZT|.
    const double ibbt = e.Ib * 1000 * e.V / t.ten_sec;
    EXPECT_TRUE(perto(pre + "ib-bt", ibbt));
    EXPECT_TRUE(perto(pre + "icc3f-bt", ibbt / std::abs(z1)));
    EXPECT_TRUE(perto(pre + "icc3fa-bt", fa(z1) * ibbt / std::abs(z1)));
    EXPECT_TRUE(perto(pre + "iccft-bt", 3 * ibbt / std::abs(zt)));
    EXPECT_TRUE(perto(pre + "iccfta-bt", fa(zt) * 3 * ibbt / std::abs(zt)));
  }
  EXPECT_TRUE(perto("iccmin", menor));
  EXPECT_TRUE(perto("iccmax", std::max({e.p.icc_con.ICC3F, e.p.icc_con.ICC3FA, e.p.icc_con.ICCFT,
                                        e.p.icc_con.ICCFTM, e.p.icc_con.ICCFTA})));
}

TEST(ManualCalculo, FormasDaImpedanciaDeRedeDaoAMesmaRede) {
  const tENTRADA e;
  // The example's network written in ohm and in polar form.
  EXPECT_TRUE(perto("ohm-z1-r", e.z1r.real() * e.Zb));
  EXPECT_TRUE(perto("ohm-z1-x", e.z1r.imag() * e.Zb));
  EXPECT_TRUE(perto("ohm-z0-r", e.z0r.real() * e.Zb));
  EXPECT_TRUE(perto("ohm-z0-x", e.z0r.imag() * e.Zb));
  EXPECT_TRUE(perto("polar-z1-pu", std::abs(e.z1r)));
  EXPECT_TRUE(perto("polar-z1-ohm", std::abs(e.z1r) * e.Zb));
  EXPECT_TRUE(perto("polar-z1-ang", std::arg(e.z1r) * 180 / PI));
  EXPECT_TRUE(perto("polar-z0-pu", std::abs(e.z0r)));
  EXPECT_TRUE(perto("polar-z0-ohm", std::abs(e.z0r) * e.Zb));
  EXPECT_TRUE(perto("polar-z0-ang", std::arg(e.z0r) * 180 / PI));

  // Typed in their form, the quoted values give the example's network.
  struct tFORMA {
    int modo;
    const char *z1a, *z1b, *z0a, *z0b;
  };
  for (const tFORMA& f :
       {tFORMA{RED_OHM, "ohm-z1-r", "ohm-z1-x", "ohm-z0-r", "ohm-z0-x"},
        tFORMA{RED_PU_POLAR, "polar-z1-pu", "polar-z1-ang", "polar-z0-pu", "polar-z0-ang"},
        tFORMA{RED_OHM_POLAR, "polar-z1-ohm", "polar-z1-ang", "polar-z0-ohm", "polar-z0-ang"}}) {
    tPRJCALC p;
    p.red_inp_mod = f.modo;
    p.z1r = {num(f.z1a), num(f.z1b)};
    p.z0r = {num(f.z0a), num(f.z0b)};
    tPRJCALCVAR v;
    calcexec(p, v);
    // To the digits quoted (four decimals, angles to a hundredth of a degree).
    EXPECT_LT(std::abs(c(v.z1r) - e.z1r), 2e-4 * std::abs(e.z1r)) << red_inp_names()[f.modo];
    EXPECT_LT(std::abs(c(v.z0r) - e.z0r), 2e-4 * std::abs(e.z0r)) << red_inp_names()[f.modo];
  }

  // "Automatico": |Z1| = Ib/ICC3F at 90° − 0.5 rad; Z0 = 3·Ib/ICCFT at the same
  // angle, minus 2·Z1.
  const double ang = PI / 2 - 0.5;
  const cx z1 = std::polar(e.Ib / e.p.icc_con.ICC3F, ang);
  const cx z0 = std::polar(3 * e.Ib / e.p.icc_con.ICCFT, ang) - 2.0 * z1;
  EXPECT_TRUE(perto_c("auto-z1", z1));
  EXPECT_TRUE(perto_c("auto-z0", z0));
  EXPECT_TRUE(perto("auto-icc3f-mt", e.Ib / std::abs(z1 + e.z1c)));

  // Asymmetrical currents left as 0: FA·symmetrical of the network impedance.
  EXPECT_TRUE(perto("icc3fa-completa", fa(e.z1r) * e.p.icc_con.ICC3F));
  EXPECT_TRUE(perto("iccfta-completa", fa(2.0 * e.z1r + e.z0r) * e.p.icc_con.ICCFT));
}

TEST(ManualCalculo, MensagemDeRelacaoAparecePelosLimitesDoCapitulo) {
  // Shown when ICC3F(Z1)/ICC3F(concessionária) < 0.9 or > 1.05, never in the example.
  const tENTRADA e;
  const double icc_z1 = e.Ib / std::abs(e.z1r);
  auto mostra = [&](double relacao) {
    tPRJCALC p;
    p.icc_con.ICC3F = icc_z1 / relacao;
    tPRJCALCVAR v;
    std::string msg;
    calcexec(p, v, [&msg](const std::string& m) { msg = m; });
    if (!msg.empty()) {
      EXPECT_EQ(msg, MSG_RELACAO_ICC3F);
    }
    return !msg.empty();
  };
  EXPECT_TRUE(mostra(0.89));
  EXPECT_FALSE(mostra(0.91));
  EXPECT_FALSE(mostra(1.04));
  EXPECT_TRUE(mostra(1.06));
  const double r = num("relacao-icc3f-z1");
  EXPECT_TRUE(r >= 0.9 && r <= 1.05) << "o capítulo diz que o exemplo não mostra a mensagem";
}

TEST(ManualCalculo, TcInrushReleEAnsiRecalculados) {
  const tENTRADA e;
  const tPRJCALC& p = e.p;
  const double V = e.V;
  const double icc3f = e.Ib / std::abs(e.Z1);
  const double icc3fa = fa(e.Z1) * icc3f;
  double pot = 0, parcial_k = 0, total = 0, maior = -1, soma_in = 0;
  int i = 0;
  for (const auto& tp : p.trafos) {
    const tTRAFO& t = *tp;
    const std::string pre = fmt::sprintf("t%d-", ++i);
    const double in = t.kva / (R3 * V);
    pot += t.kva;
    total += t.imag * in;
    soma_in += in;
    if (t.imag * t.kva > maior) {
      maior = t.imag * t.kva;
      parcial_k = t.imag * in - in;
    }
    EXPECT_TRUE(perto(pre + "inom", in));
    // ANSI: I = (100/Z%)·In, neutral 58 %, t = 1250·(Z%/100)².
    EXPECT_TRUE(perto(pre + "ansi-f", 100 / t.zp * in));
    EXPECT_TRUE(perto(pre + "ansi-n", 0.58 * 100 / t.zp * in));
    EXPECT_TRUE(perto(pre + "ansi-t", 1250 * (t.zp / 100) * (t.zp / 100)));
    // Fuse link: the first K link rated strictly above In.
    const int elos[] = {6, 8, 10, 12, 15, 20, 25, 30, 40, 50, 65, 80, 100};
    int elo = 100;
    for (int a : elos)
      if (a > in) {
        elo = a;
        break;
      }
    EXPECT_EQ(val(pre + "elo"), std::to_string(elo) + "K");
  }
  EXPECT_TRUE(perto("pot-instalada", pot));
  EXPECT_TRUE(perto("in-instalada", pot / (R3 * V)));

  // Current transformer.
  const double id = p.demanda / (R3 * p.fatorp * V);
  const double ic = pot / (R3 * V);
  const double in = (1 + p.rtc_fat / 100.0) * std::max(id, ic);
  const double inm = icc3fa / 20;
  EXPECT_TRUE(perto("tc-id", id));
  EXPECT_TRUE(perto("tc-ic", ic));
  EXPECT_TRUE(perto("tc-in", in));
  EXPECT_TRUE(perto("tc-inm", inm));
  EXPECT_TRUE(perto("tc-icc3fa", icc3fa));
  int ino = 600;
  for (int a : {50, 75, 100, 150, 200, 250, 300, 400, 500, 600})
    if (a >= static_cast<int>(std::max(in, inm))) {
      ino = a;
      break;
    }
  EXPECT_EQ(val("tc-ino"), std::to_string(ino));
  EXPECT_EQ(val("tc-relacao"), std::to_string(ino) + "/5");
  const double ise = icc3fa * 5 / ino;
  EXPECT_TRUE(perto("tc-ise", ise));
  EXPECT_TRUE(perto("tc-vn", ise * p.rtc_bur));
  auto classe = [](double vn) {
    for (int a : {10, 20, 50, 100, 200, 400, 800})
      if (a >= std::nearbyint(vn)) return a;
    return 800;
  };
  EXPECT_EQ(val("tc-vse"), std::to_string(classe(ise * p.rtc_bur)));
  const double ise10 = 10000.0 * 5 / ino;
  EXPECT_TRUE(perto("tc10k-ise", ise10));
  EXPECT_TRUE(perto("tc10k-vn", ise10 * p.rtc_bur));
  EXPECT_EQ(val("tc10k-vse"), std::to_string(classe(ise10 * p.rtc_bur)));
  EXPECT_EQ(val("tc10k-ansi"),
            p.rtc_pre + p.rtc_rea + val("tc10k-vse") + "-" + val("tc-ino") + "/5");
  EXPECT_TRUE(perto("tc-va-cal", p.rtc_bur * 25));
  double va = 90;
  for (double a : {2.5, 5.0, 12.5, 22.5, 45.0, 90.0})
    if (a >= p.rtc_bur * 25) {
      va = a;
      break;
    }
  EXPECT_TRUE(perto("tc-va", va));

  // Inrush: the four methods.
  const double parcial = parcial_k + soma_in;
  EXPECT_TRUE(perto("inrush-parcial", parcial));
  EXPECT_TRUE(perto("inrush-total", total));
  EXPECT_TRUE(perto("inrush-real", 1 / (1 / icc3f + 1 / total)));
  EXPECT_TRUE(perto("inrush-energisa", 1 / (1 / icc3f + 1 / parcial)));
  EXPECT_EQ(val("inrush-fase"), std::to_string(static_cast<long long>(parcial)));
  EXPECT_EQ(val("inrush-neutro"), "0");

  // Relay: Ipf = P/(√3·V·FP)·(1 + margem), P the smaller of kW and kVA.
  const double P = std::min(p.demanda, pot);
  EXPECT_TRUE(perto("p-lim", P));
  const double ipf = P / (R3 * V * p.fatorp) * (1 + p.fat_ipf);
  const double iif = (1 + p.fat_iif) * parcial;
  const double ipn = p.fat_ipn * ipf;
  EXPECT_TRUE(perto("ipf", ipf));
  EXPECT_TRUE(perto("iif", iif));
  EXPECT_TRUE(perto("ipn", ipn));
  EXPECT_TRUE(perto("iin", p.fat_iin * iif));
  EXPECT_TRUE(perto("margem", p.fat_ipf * 100));
  EXPECT_TRUE(perto("k-ipf", 1 + p.fat_ipf));
  EXPECT_TRUE(perto("k-iif", 1 + p.fat_iif));
  // IEC-NI: t = DT·0.14/((I/Ip)^0.02 − 1), at the utility's ICC3F and ICCFTM.
  auto iec = [](double dt, double m) { return dt * 0.14 / (std::pow(m, 0.02) - 1); };
  EXPECT_TRUE(perto("tempo-fase", iec(num("dtf"), p.icc_con.ICC3F / ipf)));
  EXPECT_TRUE(perto("tempo-neutro", iec(num("dtn"), p.icc_con.ICCFTM / ipn)));

  // 27/59: percent of the nominal voltage, in volts, truncated.
  EXPECT_EQ(num("f27-v"), std::trunc(num("f27-pct") * V * 10));
  EXPECT_EQ(num("f59-v"), std::trunc(num("f59-pct") * V * 10));
}

TEST(ManualCalculo, ValoresNaoDependemDeQuemCriouRelesAntes) {
  // A relay's defaults depend on how many were created before; the chapter's
  // example is the one of a new calculation whatever ran earlier.
  const tTEXTOS antes = manual::valores_calculo();
  religacount_reset();
  tAJUSTE_RELIGA um;  // the next relay would take the customer defaults
  EXPECT_EQ(manual::valores_calculo(), antes);
  tAJUSTE_RELIGA dois, tres;
  EXPECT_EQ(manual::tabelas_calculo(), tabelas());
}

TEST(ManualCalculo, TabelasBemFormadas) {
  const std::string& r = tabelas().at("relatorio-exemplo");
  EXPECT_EQ(r.rfind("```\n", 0), 0u);
  EXPECT_EQ(r.substr(r.size() - 4), "```\n");
  EXPECT_EQ(r.find("```", 3), r.size() - 4) << "cerca dentro do relatório";
  const std::vector<std::string> rel = relatorio();
  EXPECT_TRUE(tem(rel, "Data: 01/01/27, 08:00"));
  EXPECT_FALSE(tem(rel, "Cálculo não realizado:"));
  for (const char* t : {"1) Estudo de proteção", "4) Memorial de cálculo",
                        "5) RESUMO DOS AJUSTES DA PROTEÇÃO NA MÉDIA TENSÃO"})
    EXPECT_TRUE(tem(rel, t));

  // Every row of the grid tables has its three cells (no unescaped "|" inside).
  for (const char* nome :
       {"linhas-geral", "linhas-rele-cli", "linhas-rele-con", "linhas-trafo", "tc-listas"}) {
    ASSERT_TRUE(tabelas().count(nome)) << nome;
    const std::vector<std::string> l = linhas(tabelas().at(nome));
    ASSERT_GE(l.size(), 3u) << nome;
    const auto barras = [](const std::string& s) {
      int n = 0;
      for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i] == '|' && (i == 0 || s[i - 1] != '\\')) ++n;
      return n;
    };
    for (const std::string& x : l) EXPECT_EQ(barras(x), barras(l[0])) << nome << ": " << x;
  }
  // The general grid: every row of the window, in its order.
  tPRJCALC p;
  tPROPGRID g;
  showprop_calc(p, g);
  const std::vector<std::string> geral = linhas(tabelas().at("linhas-geral"));
  EXPECT_EQ(geral.size(), static_cast<std::size_t>(g.count()) + 2);
  EXPECT_TRUE(tem(geral, "| **Dados conc. no ponto de entrega** | | |"));
  EXPECT_TRUE(tem(linhas(tabelas().at("tc-listas")),
                  "| Corrente primária nominal (A) | 50, 75, 100, 150, 200, 250, 300, 400, 500, "
                  "600 |"));
}

// ---------------------------------------------------------------- the chapter

namespace fs = std::filesystem;

std::string le(const fs::path& f) {
  std::ifstream in(f, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

const fs::path kMANUAL = fs::path(TARVINEL_SOURCE_DIR) / "docs" / "manual";
const fs::path kCAPITULO = kMANUAL / "03-calculo.md";

std::vector<std::string> nomes(const std::string& texto, const std::string& tipo) {
  std::vector<std::string> v;
  const std::regex re("\\{\\{" + tipo + ":([^}]*)\\}\\}");
  for (auto it = std::sregex_iterator(texto.begin(), texto.end(), re); it != std::sregex_iterator();
       ++it)
    v.push_back((*it)[1]);
  return v;
}

TEST(ManualCalculo, TodoValorCitadoNoManualExiste) {
  ASSERT_TRUE(fs::exists(kCAPITULO));
  int citados = 0;
  for (const auto& f : fs::directory_iterator(kMANUAL)) {
    if (f.path().extension() != ".md") continue;
    // "{{ex:...}}" are the example calculation's values, whoever writes the chapter.
    for (const std::string& n : nomes(le(f.path()), "ex")) {
      EXPECT_TRUE(valores().count(n)) << f.path().filename() << ": {{ex:" << n << "}}";
      ++citados;
    }
  }
  EXPECT_GT(citados, 50);
}

TEST(ManualCalculo, CapituloDoCalculo) {
  const std::string t = le(kCAPITULO);
  const std::vector<std::string> l = linhas(t);
  ASSERT_FALSE(l.empty());
  EXPECT_EQ(l[0].rfind("# ", 0), 0u);
  for (std::size_t i = 1; i < l.size(); ++i) EXPECT_NE(l[i].rfind("# ", 0), 0u) << l[i];

  // Tables: alone on their line, and known.
  for (const std::string& n : nomes(t, "tabela")) {
    EXPECT_TRUE(tabelas().count(n)) << "{{tabela:" << n << "}}";
    EXPECT_TRUE(tem(l, "{{tabela:" + n + "}}")) << "não está sozinha na linha: " << n;
  }
  EXPECT_TRUE(tem(l, "{{tabela:relatorio-exemplo}}"));
  // Screenshots: only the calculation window's five pages (names the generator knows).
  const std::set<std::string> telas = {"calc-geral", "calc-rele-cli", "calc-rele-con", "calc-trafo",
                                       "calc-relatorio"};
  std::set<std::string> vistas;
  const std::regex re("!\\[[^\\]]+\\]\\(tela:([^)]*)\\)");
  for (const std::string& x : l) {
    std::smatch m;
    if (std::regex_search(x, m, re)) {
      EXPECT_TRUE(telas.count(m[1])) << x;
      EXPECT_EQ(m.position(0), 0) << "a figura deve estar sozinha na linha: " << x;
      EXPECT_EQ(static_cast<std::size_t>(m.length(0)), x.size()) << x;
      vistas.insert(m[1]);
    }
  }
  EXPECT_EQ(vistas, telas);

  // The plausibility message sends the user to this section.
  EXPECT_TRUE(tem(l, "## Relação ICC3F/Z1"));
  std::string msg = MSG_RELACAO_ICC3F;
  const std::size_t cr = msg.find('\r');
  ASSERT_NE(cr, std::string::npos);
  EXPECT_NE(t.find(msg.substr(0, cr)), std::string::npos);
  EXPECT_NE(t.find(msg.substr(cr + 1)), std::string::npos);

  // The refusals it quotes are the program's.
  tPRJCALC sem;
  sem.trafos.destroyitens();
  sem.tensaomt = 0;
  sem.fatorp = 0;
  tPRJCALC trafo;
  trafo.trafos.GetTrafos(0)->kva = 0;
  trafo.trafos.GetTrafos(0)->zp = 0;
  for (tTRAFO* x : {trafo.trafos.GetTrafos(0), trafo.trafos.GetTrafos(1)}) x->imag = 0;
  tPRJCALC automatico;
  automatico.red_inp_mod = RED_AUTOMATICO;
  automatico.icc_con.ICC3F = 1;
  automatico.icc_con.ICCFT = 1;
  for (const tPRJCALC* p : {&sem, &trafo, &automatico})
    for (const std::string& m : validar(*p))
      EXPECT_NE(t.find(m), std::string::npos) << "mensagem não citada: " << m;

  // Every row of the window's grids is named in the text.
  tPRJCALC p;
  tPROPGRID geral, item, rele;
  showprop_calc(p, geral);
  showprop_trafo(*p.trafos.GetTrafos(0), item);
  p.rele_cli->showprop(rele);
  for (const tPROPGRID* g : {&geral, &item, &rele})
    for (int i = 0; i < g->count(); ++i) {
      const std::string& k = g->row(i).key;
      const std::string nome = g->row(i).section() ? k.substr(1) : k;
      EXPECT_NE(t.find("\"" + nome + "\""), std::string::npos) << "linha não descrita: " << nome;
    }
  // The example studies shipped with the program.
  for (const char* ex : {"subestacao-300kva.ajuste", "subestacao-23kv-3-trafos.ajuste"})
    EXPECT_NE(t.find(ex), std::string::npos) << ex;
}

}  // namespace
}  // namespace tarvinel
