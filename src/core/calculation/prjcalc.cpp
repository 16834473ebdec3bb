#include "core/calculation/prjcalc.h"

#include <fmt/printf.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

std::string nome_em(const std::vector<std::string>& nomes, int v) {
  if (v < 0 || v >= static_cast<int>(nomes.size())) return nomes.front();
  return nomes[static_cast<std::size_t>(v)];
}

// A field the file has always held as a whole number ("%d"): whole values
// are still written so, a fraction is kept (real2arq). A value that is no
// number is written as 0, a huge one clipped, as before.
std::string inteiro2arq(double v) {
  if (std::isnan(v)) return "0";
  if (std::isfinite(v) && v != std::trunc(v)) return real2arq(v);
  return fmt::sprintf("%d", trunca(v));
}

}  // namespace

const std::vector<std::string>& lim_pot_names() {
  static const std::vector<std::string> n = {"Menor valor", "Contratada", "Instalada"};
  return n;
}

const std::vector<std::string>& inr_met_names() {
  static const std::vector<std::string> n = {"Parcial", "Total", "Real", "ENERGISA"};
  return n;
}

const std::vector<std::string>& red_inp_names() {
  static const std::vector<std::string> n = {"ohm", "pu", "ohm (polar)", "pu (polar)",
                                             "Automatico"};
  return n;
}

std::string lim_pot_name(int v) {
  return nome_em(lim_pot_names(), v);
}
std::string inr_met_name(int v) {
  return nome_em(inr_met_names(), v);
}

tPRJCALC::tPRJCALC() {
  trafos.novotrafo()->init(250, 5.5, 8, LIG_DYA, false);
  trafos.novotrafo()->init(750, 4.5, 8, LIG_DYA, false);
  rele_cli = std::make_unique<tAJUSTE_RELIGA>();
  rele_cli->color = 0x8000;
  rele_cli->caption = "Cliente";
  rele_cli->showall = false;
  rele_con = std::make_unique<tAJUSTE_RELIGA>();
  rele_con->color = 0xFF;
  rele_con->caption = "Concessionária";
}

void tPRJCALC::savetofile(const std::string& filename) {
  if (filename.empty()) return;
  tSTRINGARQ arq;
  saveblock(arq);
  arq.savetofile(filename);
}

void tPRJCALC::loadfromfile(const std::string& filename) {
  tSTRINGARQ arq;
  arq.loadfromfile(filename);
  loadfromarq(arq);
}

void tPRJCALC::loadfromarq(tSTRINGARQ& arq) {
  arq.lerdocumento("proj-calc{", "um cálculo de ajuste de relé", [&] { loadblock(arq); });
}

void prjcalc_abre(tPRJCALC& proj, const std::string& filename) {
  tSTRINGARQ arq;
  arq.loadfromfile(filename);
  // The reader appends transformers: the example ones go first.
  proj.trafos.destroyitens();
  proj.loadfromarq(arq);
}

double tPRJCALC::lim_pot_get() const {
  switch (lim_pot) {
    case 1:
      return demanda;
    case 2:
      return trafos.pot_tot();
    default:
      return std::min(demanda, trafos.pot_tot());
  }
}

void tPRJCALC::saveblock(tSTRINGARQ& arq) const {
  arq.adds("proj-calc{");
  arq.adds("empresa \"%s\"", empresa);
  arq.adds("projetista \"%s\"", projetista);
  arq.adds("tensaomt %s", real2arq(tensaomt));
  arq.adds("potbase %s", inteiro2arq(potbase));
  arq.adds("demanda %s", inteiro2arq(demanda));
  arq.adds("fatorp %s", real2arq(fatorp));
  arq.adds("cabolen %s", inteiro2arq(cabolen));
  arq.adds("rfalta %s", real2arq(rfalta));
  arq.adds("z1c %s %s", real2arq(z1caboohm.r), real2arq(z1caboohm.x));
  arq.adds("z0c %s %s", real2arq(z0caboohm.r), real2arq(z0caboohm.x));
  arq.adds("z1r %s %s", real2arq(z1r.r), real2arq(z1r.x));
  arq.adds("z0r %s %s", real2arq(z0r.r), real2arq(z0r.x));
  arq.adds("iccse3f %s", real2arq(icc_con.ICC3F));
  arq.adds("iccse3fa %s", real2arq(icc_con.ICC3FA));
  arq.adds("iccseft %s", real2arq(icc_con.ICCFT));
  arq.adds("iccseftm %s", real2arq(icc_con.ICCFTM));
  arq.adds("iccsefta %s", real2arq(icc_con.ICCFTA));
  arq.adds("inc_rele_con %d", bool2int(inc_rele_con));
  arq.adds("lim_pot %d", lim_pot);
  arq.adds("fat_ipf %s", real2arq(fat_ipf));
  arq.adds("fat_iif %s", real2arq(fat_iif));
  arq.adds("fat_ipn %s", real2arq(fat_ipn));
  arq.adds("fat_iin %s", real2arq(fat_iin));
  arq.adds("red_inp_mod %d", red_inp_mod);
  arq.adds("rtc_pre \"%s\"", rtc_pre);
  arq.adds("rtc_rea \"%s\"", rtc_rea);
  arq.adds("rtc_fat %d", rtc_fat);
  arq.adds("rtc_bur %s", real2arq(rtc_bur));
  arq.adds("rtc_10k %d", bool2int(rtc_10k));
  arq.adds("inr_met %d", inr_met);
  arq.adds("inr_neu %s", real2arq(inr_neu));
  arq.adds("fun_27 %d", fun_27);
  arq.adds("fun_59 %d", fun_59);
  arq.adds("fun_27t %s", real2arq(fun_27t));
  arq.adds("fun_59t %s", real2arq(fun_59t));
  rele_cli->exportprop(arq);
  rele_con->exportprop(arq);
  for (const auto& t : trafos) t->exportprop(arq);
  arq.adds("}");
}

void tPRJCALC::loadblock(tSTRINGARQ& arq) {
  int religadores = 0;
  while (arq.next({"ajuste-religador{", "config-trafo{"})) {
    if (arq.line == "ajuste-religador{") {
      (religadores++ == 0 ? rele_cli : rele_con)->importprop(arq);
      continue;
    }
    if (arq.line == "config-trafo{") {
      trafos.novotrafo()->importprop(arq);
      continue;
    }
    const std::string& k = arq.cmd;
    const double f = arq.pf;
    const int i = arq.pi;
    if (k == "empresa")
      empresa = arq.ps;
    else if (k == "projetista")
      projetista = arq.ps;
    else if (k == "rtc_pre")
      rtc_pre = arq.ps;
    else if (k == "rtc_rea")
      rtc_rea = arq.ps;
    else if (k == "tensaomt")
      tensaomt = f;
    else if (k == "potbase")
      potbase = f;
    else if (k == "demanda")
      demanda = f;
    else if (k == "fatorp")
      fatorp = f;
    else if (k == "cabolen")
      cabolen = f;
    else if (k == "rfalta")
      rfalta = f;
    else if (k == "fat_ipf")
      fat_ipf = f;
    else if (k == "fat_iif")
      fat_iif = f;
    else if (k == "fat_ipn")
      fat_ipn = f;
    else if (k == "fat_iin")
      fat_iin = f;
    else if (k == "rtc_bur")
      rtc_bur = f;
    else if (k == "inr_neu")
      inr_neu = f;
    else if (k == "fun_27t")
      fun_27t = f;
    else if (k == "fun_59t")
      fun_59t = f;
    else if (k == "z1c" || k == "z0c" || k == "z1r" || k == "z0r") {
      tCPLX& z = k == "z1c" ? z1caboohm : k == "z0c" ? z0caboohm : k == "z1r" ? z1r : z0r;
      z.r = f;
      z.x = getwordf(arq.line, 2);
    } else if (k == "iccse3f")
      icc_con.ICC3F = f;
    else if (k == "iccse3fa")
      icc_con.ICC3FA = f;
    else if (k == "iccseft")
      icc_con.ICCFT = f;
    else if (k == "iccseftm")
      icc_con.ICCFTM = f;
    else if (k == "iccsefta")
      icc_con.ICCFTA = f;
    else if (k == "inc_rele_con")
      inc_rele_con = i == 1;
    else if (k == "rtc_10k")
      rtc_10k = i == 1;
    else if (k == "lim_pot")
      lim_pot = i;
    else if (k == "red_inp_mod")
      red_inp_mod = i;
    else if (k == "rtc_fat")
      rtc_fat = i;
    else if (k == "inr_met")
      inr_met = i;
    else if (k == "fun_27")
      fun_27 = i;
    else if (k == "fun_59")
      fun_59 = i;
    // Keys of older files, read but no longer written.
    else if (k == "mprot")
      fat_ipf = f / 100;
    else if (k == "red_inp_ohm")
      red_inp_mod = i;
  }
}

}  // namespace tarvinel
