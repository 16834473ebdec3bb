// The calculation chapter's numbers: the example project of a new
// calculation, calculated, each value written as the report writes it (the
// same format string or number text), so that the worked example of the
// manual reads exactly like the report the user gets for the same data.
// Values the report does not print (the plausibility ratio, the other forms
// of the network impedance, the variants of the example) are written in the
// format named beside them.

#include <fmt/printf.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "core/calculation/calcexec.h"
#include "core/calculation/calcgrade.h"
#include "core/calculation/prjcalc.h"
#include "core/calculation/relatorio.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_religa.h"
#include "core/foundation/grade.h"
#include "core/foundation/numtxt.h"
#include "manual/conteudo.h"

namespace tarvinel::manual {

namespace {

constexpr double R3 = std::numbers::sqrt3;

// The report's date, fixed so that the manual is the same at every build.
constexpr const char* kDATA = "01/01/27, 08:00";

std::string N(double x) {
  return num2txt(x);
}
std::string C(tCPLX z) {
  return z.tostr();
}
std::string F(const char* formato, double x) {
  return fmt::sprintf(formato, x);
}
std::string D(long long n) {
  return fmt::sprintf("%d", n);
}

// A calculated project. The relay defaults depend on how many relays the
// process has created (religacount): the count starts again so that the
// example's customer relay is the one of a new calculation in a program just
// started, whatever the caller created before.
struct tEXEMPLO {
  std::unique_ptr<tPRJCALC> proj;
  tPRJCALCVAR calc;
  bool aviso = false;  // the plausibility message was shown
};

template <class AJUSTA>
tEXEMPLO calcula(AJUSTA&& ajusta) {
  religacount_reset();
  tEXEMPLO e;
  e.proj = std::make_unique<tPRJCALC>();
  ajusta(*e.proj);
  calcexec(*e.proj, e.calc, [&e](const std::string&) { e.aviso = true; });
  return e;
}

tEXEMPLO exemplo() {
  return calcula([](tPRJCALC&) {});
}

void curto_mt(tTEXTOS& m, const std::string& pre, const tCURTO& c) {
  m[pre + "icc3f-mt"] = F("%.0f", c.ICC3F);
  m[pre + "icc3fa-mt"] = F("%.0f", c.ICC3FA);
  m[pre + "iccft-mt"] = F("%.0f", c.ICCFT);
  m[pre + "iccfta-mt"] = F("%.0f", c.ICCFTA);
  m[pre + "iccftm-mt"] = F("%.0f", c.ICCFTM);
}

// Markdown table cell: the characters that Markdown would take as markup
// (or as a column break) are escaped; line breaks become spaces.
std::string celula(const std::string& s) {
  std::string r;
  for (char ch : s) {
    if (ch == '\n' || ch == '\r') {
      r += ' ';
      continue;
    }
    if (ch == '|' || ch == '*' || ch == '_' || ch == '\\' || ch == '`' || ch == '<' || ch == '[' ||
        ch == ']')
      r += '\\';
    r += ch;
  }
  return r;
}

// A grid as a Markdown table "Linha | Valor no exemplo | Dica": section rows
// as bold lines, every other row with its value and the program's hint.
template <class HINT>
std::string tabela_grade(const tPROPGRID& vl, HINT&& hint) {
  std::string s = "| Linha | Valor no exemplo | Dica do programa |\n|---|---|---|\n";
  for (int i = 0; i < vl.count(); ++i) {
    const tPROPROW& r = vl.row(i);
    if (r.section()) {
      s += "| **" + celula(r.key.substr(1)) + "** | | |\n";
      continue;
    }
    std::string valor = r.value.empty() ? "(vazio)" : r.value;
    if (!r.picklist.empty()) {
      std::string lista;
      for (const std::string& p : r.picklist) lista += (lista.empty() ? "" : ", ") + p;
      valor += " (lista: " + lista + ")";
    }
    std::string h = hint(r.key);
    if (h == r.key) h.clear();
    s += "| " + celula(r.key) + " | " + celula(valor) + " | " + celula(h) + " |\n";
  }
  return s;
}

// The entries of a current-transformer table, found by asking the lookup
// for every value up to beyond its last entry.
template <class T, class LOOKUP>
std::vector<T> entradas(LOOKUP&& lookup, T passo, T ate) {
  std::vector<T> v;
  for (T x = 0; x <= ate; x += passo) {
    const T e = lookup(x);
    if (v.empty() || v.back() != e) v.push_back(e);
  }
  return v;
}

}  // namespace

tTEXTOS valores_calculo() {
  const tEXEMPLO e = exemplo();
  const tPRJCALC& p = *e.proj;
  const tPRJCALCVAR& c = e.calc;
  const tFRELIGA& relf = p.rele_cli->relf;
  const tFRELIGA& reln = p.rele_cli->reln;
  const double V = p.tensaomt;
  tTEXTOS m;

  // Input, as "Parâmetros do sistema" and "Valores de base" print it.
  m["empresa"] = p.empresa;
  m["projetista"] = p.projetista;
  m["tensao"] = N(V);
  m["sb"] = F("%.3f", p.potbase);
  // The base power in running text: "100.000 MVA" would read as a hundred
  // thousand to a Brazilian reader.
  m["sb-mva"] = F("%g", p.potbase);
  m["vb"] = F("%.2f", V);
  m["demanda"] = N(p.demanda);
  m["fatorp"] = N(p.fatorp);
  m["n-trafos"] = D(p.trafos.count());
  m["pot-instalada"] = F("%.0f", p.trafos.pot_tot());
  m["in-instalada"] = F("%.0f", p.trafos.pot_tot() / (R3 * V));
  m["cabo-comprimento"] = N(p.cabolen);
  m["cabo-z1-ohmkm"] = C(p.z1caboohm);
  m["cabo-z0-ohmkm"] = C(p.z0caboohm);
  m["rfalta"] = N(p.rfalta);
  m["icc3f-con"] = N(p.icc_con.ICC3F);
  m["icc3fa-con"] = N(p.icc_con.ICC3FA);
  m["iccft-con"] = N(p.icc_con.ICCFT);
  m["iccfta-con"] = N(p.icc_con.ICCFTA);
  m["iccftm-con"] = N(p.icc_con.ICCFTM);
  m["impedancia-rede-forma"] = red_inp_names().at(static_cast<std::size_t>(p.red_inp_mod));

  // Base values and impedances ("Memorial de cálculo").
  m["zb-mt"] = F("%.3f", c.zb_at);
  m["ib-mt"] = F("%.0f", c.ib_at);
  m["z1-rede"] = C(c.z1r);
  m["z0-rede"] = C(c.z0r);
  m["z1-cabo"] = C(c.z1c);
  m["z0-cabo"] = C(c.z0c);
  m["zf"] = C(c.zfltpu);
  m["z1-mt"] = C(c.z1r + c.z1c);
  m["z0-mt"] = C(c.z0r + c.z0c);
  m["zt-mt"] = C(c.zt_prim);
  m["fa-z1-mt"] = F("%.5f", c.z1_prim.fa());
  m["fa-zt-mt"] = F("%.5f", c.zt_prim.fa());
  curto_mt(m, "", p.icc_cli);

  // Plausibility of the network impedance (not in the report): the
  // three-phase current the network impedance alone gives ("%.0f") and its
  // ratio to the utility's ICC3F ("%.4f").
  const double icc_z1 = c.ib_at / c.z1r.magnitude();
  m["icc3f-z1rede"] = F("%.0f", icc_z1);
  m["relacao-icc3f-z1"] = F("%.4f", icc_z1 / p.icc_con.ICC3F);
  // Smallest and largest current of the study (chart markers), num2txt.
  m["iccmin"] = N(p.iccmin);
  m["iccmax"] = N(p.iccmax);

  // Every transformer, "t1-", "t2-", ...
  int i = 0;
  for (const auto& tp : p.trafos) {
    const tTRAFO& t = *tp;
    const std::string pre = fmt::sprintf("t%d-", ++i);
    m[pre + "kva"] = N(t.kva);
    m[pre + "zp"] = N(t.zp);
    m[pre + "imag"] = round2txt(t.imag);
    m[pre + "xr"] = N(t.xr);
    m[pre + "lig"] = ligname(t.lig);
    m[pre + "ten-bt"] = int2txt(t.ten_sec);
    m[pre + "inom"] = N(t.inom);
    m[pre + "resumo"] = t.resumo();
    m[pre + "z1tr"] = C(t.z1tr);
    m[pre + "z0tr"] = C(t.z0tr);
    m[pre + "z1"] = C(t.z1tt);
    m[pre + "zt"] = C(t.ztt);
    m[pre + "fa-z1"] = F("%.5f", t.z1tt.fa());
    m[pre + "fa-zt"] = F("%.5f", t.ztt.fa());
    curto_mt(m, pre, t.curto);
    const tCURTO bt = t.curto_bt(V);
    m[pre + "ib-bt"] = F("%.0f", c.ib_at * 1000 * V / t.ten_sec);
    m[pre + "icc3f-bt"] = F("%.0f", bt.ICC3F);
    m[pre + "icc3fa-bt"] = F("%.0f", bt.ICC3FA);
    m[pre + "iccft-bt"] = F("%.0f", bt.ICCFT);
    m[pre + "iccfta-bt"] = F("%.0f", bt.ICCFTA);
    // ANSI point and fuse link as "ANSI dos transformadores + ELO" prints them.
    m[pre + "ansi-f"] = N(t.ansi_f);
    m[pre + "ansi-n"] = N(t.ansi_n);
    m[pre + "ansi-t"] = N(t.ansi_t);
    m[pre + "elo"] = tAJUSTE_FUSE::getfuse(t.inom);
  }

  // Current transformer ("Dimensionamento do TC").
  // The example's warnings, one per line, as the message log shows them.
  std::string avisos;
  for (const std::string& a : c.avisos) avisos += (avisos.empty() ? "" : "\n") + a;
  m["avisos"] = avisos;

  m["tc-demanda"] = F("%.0f", p.demanda);
  m["tc-carga"] = F("%.0f", p.trafos.pot_tot());
  m["tc-fs"] = D(p.rtc_fat);
  m["tc-icc3fa"] = N(p.icc_cli.ICC3FA);
  m["tc-id"] = N(c.rtc_ind);
  m["tc-ic"] = N(c.rtc_inc);
  m["tc-in"] = N(c.rtc_ins);
  m["tc-inm"] = N(c.rtc_inm);
  m["tc-burden"] = N(p.rtc_bur);
  m["tc-ise"] = N(c.rtc_ise);
  m["tc-vn"] = N(c.rtc_ise * p.rtc_bur);
  m["tc-va-cal"] = F("%.1f", c.rtc_va_cal);
  m["tc-va"] = F("%.1f", c.rtc_va_sel);
  m["tc-ino"] = D(c.rtc_ino);
  m["tc-relacao"] = D(c.rtc_ino) + "/5";
  m["tc-vse"] = D(c.rtc_vse);
  m["tc-precisao"] = p.rtc_pre;
  m["tc-reatancia"] = p.rtc_rea;
  m["tc-ansi"] = c.rtc_nom;
  m["tc-nbr"] = c.rtc_nom_nbr;

  // Inrush ("Corrente de magnetização").
  m["inrush-parcial"] = F("%.0f", c.inrush_parcial);
  m["inrush-total"] = F("%.0f", c.inrush_total);
  m["inrush-real"] = F("%.0f", c.inrush_real);
  m["inrush-energisa"] = F("%.0f", c.inrush_energisa);
  m["inrush-metodo"] = inr_met_name(p.inr_met);
  m["inrush-fase"] = D(trunca(c.inrush_fase));
  m["inrush-neutro"] = D(trunca(c.inrush_neutro));

  // Relay ("Ajuste das curvas de proteção", "Rele do cliente", CELESC).
  m["fp"] = F("%.2f", p.fatorp);
  m["margem"] = D(trunca(roundeven(p.fat_ipf * 100)));
  m["p-contrato"] = F("%.0f", p.demanda);
  m["p-instalado"] = F("%.0f", p.trafos.pot_tot());
  m["p-nome"] = lim_pot_name(p.lim_pot);
  m["p-lim"] = F("%.0f", p.lim_pot_get());
  m["k-ipf"] = F("%.2f", 1 + p.fat_ipf);
  m["k-iif"] = F("%.2f", 1 + p.fat_iif);
  m["k-ipn"] = F("%.2f", p.fat_ipn);
  m["k-iin"] = F("%.2f", p.fat_iin);
  m["ipf"] = F("%.1f", relf.cor_par);
  m["iif"] = F("%.1f", relf.cor_ins);
  m["ipn"] = F("%.1f", reln.cor_par);
  m["iin"] = F("%.1f", reln.cor_ins);
  m["dtf"] = F("%.3f", relf.dt);
  m["dtn"] = F("%.3f", reln.dt);
  m["curva-fase"] = relf.nom_cur;
  m["curva-neutro"] = reln.nom_cur;
  m["tdef-fase"] = tdef2txt(relf.tdef);
  m["idef-fase"] = idef2txt(relf.idef);
  m["tdef-neutro"] = tdef2txt(reln.tdef);
  m["idef-neutro"] = idef2txt(reln.idef);
  m["modelo"] = p.rele_cli->modelo;
  m["tempo-fase"] = N(relf.calc(p.icc_con.ICC3F, false));
  m["tempo-neutro"] = N(reln.calc(p.icc_con.ICCFTM, false));
  m["f27-pct"] = D(p.fun_27);
  m["f59-pct"] = D(p.fun_59);
  m["f27-v"] = int2txt(tensao_funcao(p.fun_27, V));
  m["f59-v"] = int2txt(tensao_funcao(p.fun_59, V));
  m["f27-t"] = real2txt(p.fun_27t, 2);
  m["f59-t"] = real2txt(p.fun_59t, 2);

  // The example's network impedance written in the other forms ("%.4f";
  // angles "%.2f" degrees): what the user would type in "ohm", "pu (polar)"
  // and "ohm (polar)" for the same network.
  const double zb = c.zb_at;
  auto ang = [](tCPLX z) { return std::atan2(z.x, z.r) * 180 / std::numbers::pi; };
  m["ohm-z1-r"] = F("%.4f", p.z1r.r * zb);
  m["ohm-z1-x"] = F("%.4f", p.z1r.x * zb);
  m["ohm-z0-r"] = F("%.4f", p.z0r.r * zb);
  m["ohm-z0-x"] = F("%.4f", p.z0r.x * zb);
  m["polar-z1-pu"] = F("%.4f", p.z1r.magnitude());
  m["polar-z1-ohm"] = F("%.4f", p.z1r.magnitude() * zb);
  m["polar-z1-ang"] = F("%.2f", ang(p.z1r));
  m["polar-z0-pu"] = F("%.4f", p.z0r.magnitude());
  m["polar-z0-ohm"] = F("%.4f", p.z0r.magnitude() * zb);
  m["polar-z0-ang"] = F("%.2f", ang(p.z0r));

  // "Automatico": the example with the impedances derived from its currents.
  const tEXEMPLO a = calcula([](tPRJCALC& q) { q.red_inp_mod = RED_AUTOMATICO; });
  m["auto-z1"] = C(a.calc.z1r);
  m["auto-z0"] = C(a.calc.z0r);
  m["auto-icc3f-mt"] = F("%.0f", a.proj->icc_cli.ICC3F);

  // Asymmetrical utility currents left as 0 (stored as 1 A) and completed.
  const tEXEMPLO z = calcula([](tPRJCALC& q) {
    q.icc_con.ICC3FA = 1;
    q.icc_con.ICCFTA = 1;
  });
  m["icc3fa-completa"] = N(z.proj->icc_con.ICC3FA);
  m["iccfta-completa"] = N(z.proj->icc_con.ICCFTA);

  // "Saturação em 10kA" = "Sim".
  const tEXEMPLO k = calcula([](tPRJCALC& q) { q.rtc_10k = true; });
  m["tc10k-ise"] = N(k.calc.rtc_ise);
  m["tc10k-vn"] = N(k.calc.rtc_ise * k.proj->rtc_bur);
  m["tc10k-vse"] = D(k.calc.rtc_vse);
  m["tc10k-ansi"] = k.calc.rtc_nom;
  return m;
}

tTEXTOS tabelas_calculo() {
  tTEXTOS m;
  tEXEMPLO e = exemplo();
  tPRJCALC& p = *e.proj;

  tRELATORIO rel;
  rel.data = kDATA;
  rel.reportexec(p, e.calc);
  m["relatorio-exemplo"] = "```\n" + rel.texto() + "```\n";

  // The grids of the calculation window as they show the calculated example.
  tPROPGRID geral;
  showprop_calc(p, geral);
  m["linhas-geral"] = tabela_grade(geral, [](const std::string& k) { return gethint_calc(k); });
  tPROPGRID cli;
  p.rele_cli->showprop(cli);
  m["linhas-rele-cli"] =
      tabela_grade(cli, [&p](const std::string& k) { return p.rele_cli->gethint(k); });
  tPROPGRID con;
  p.rele_con->showprop(con);
  m["linhas-rele-con"] =
      tabela_grade(con, [&p](const std::string& k) { return p.rele_con->gethint(k); });
  tPROPGRID trafo;
  const tTRAFO& t = *p.trafos.GetTrafos(0);
  showprop_trafo(t, trafo);
  m["linhas-trafo"] = tabela_grade(trafo, [&t](const std::string& k) { return t.gethint(k); });

  // The three lists that size the current transformer.
  auto junta = [](const auto& v, auto fmt_um) {
    std::string s;
    for (const auto& x : v) s += (s.empty() ? "" : ", ") + fmt_um(x);
    return s;
  };
  const auto ino = entradas<int>([](int x) { return rtc_ino_get(x); }, 1, 2000);
  const auto va = entradas<float>([](float x) { return rtc_va_get(x); }, 0.5f, 200);
  const auto vse = entradas<int>([](int x) { return rtc_vse_get(x); }, 1, 2000);
  auto inteiro = [](int x) { return int2txt(x); };
  m["tc-listas"] =
      "| Lista | Valores |\n|---|---|\n"
      "| Corrente primária nominal (A) | " +
      junta(ino, inteiro) + " |\n" + "| Potência de carga (VA) | " +
      junta(va, [](float x) { return fmt::sprintf("%g", x); }) + " |\n" +
      "| Classe de tensão de saturação (V) | " + junta(vse, inteiro) + " |\n";
  return m;
}

}  // namespace tarvinel::manual
