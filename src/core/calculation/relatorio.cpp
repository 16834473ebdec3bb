#include "core/calculation/relatorio.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <numbers>

#include "core/coordination/ajuste_fuse.h"
#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

namespace {

constexpr double R3 = std::numbers::sqrt3;

std::string N(double x) {
  return num2txt(x);
}
std::string C(tCPLX z) {
  return z.tostr();
}

std::string agora() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return fmt::sprintf("%02d/%02d/%02d, %02d:%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100,
                      tm.tm_hour, tm.tm_min);
}

}  // namespace

void tRELATORIO::addline(std::string_view text) {
  if (text == "\\f") {
    linhas.clear();
    return;
  }
  linhas.emplace_back(text);
}

void tRELATORIO::addtitle(const std::string& text) {
  ++ntitulo;
  nitem = 0;
  const std::string regua(62, '=');
  addline("");
  addline(regua);
  addline("%d) %s", ntitulo, text);
  addline(regua);
}

void tRELATORIO::additem(const std::string& text) {
  ++nitem;
  addline("");
  addline("%d.%d) %s", ntitulo, nitem, text);
  addline(std::string(62, '-'));
}

std::string tRELATORIO::texto() const {
  std::string s;
  for (const std::string& l : linhas) {
    s += l;
    s += '\n';
  }
  return s;
}

void tRELATORIO::reportcurto(const tPRJCALC& p) {
  const char* f7 = "%-15s%-8s%-8s%-8s%-8s%-8s%-8s";
  additem("Correntes de curto circuito (referido à media tensão)");
  addline(f7, "Local", "3Ø", "3ØAss", "ØT", "ØTAss", "ØTMin", "Paralelo");
  auto barra = [&](const std::string& nome, const tCURTO& c, const char* par) {
    addline(f7, nome, N(c.ICC3F), N(c.ICC3FA), N(c.ICCFT), N(c.ICCFTA), N(c.ICCFTM), par);
  };
  barra("Barra CONS", p.icc_con, "-");
  barra("Barra MT/CLI", p.icc_cli, "-");
  int i = 0;
  for (const auto& t : p.trafos)
    barra(fmt::sprintf("Barra T%d", ++i), t->curto, t->prll ? "sim" : "não");

  const char* f5 = "%-15s%-8s%-8s%-8s%-8s";
  additem("Correntes de curto circuito (baixa tensão)");
  addline(f5, "Local", "3Ø", "3ØAss", "ØT", "ØTAss");
  i = 0;
  for (const auto& t : p.trafos) {
    const tCURTO bt = t->curto_bt(p.tensaomt);
    addline(f5, fmt::sprintf("Barra T%d", ++i), N(bt.ICC3F), N(bt.ICC3FA), N(bt.ICCFT),
            N(bt.ICCFTA));
  }
}

void tRELATORIO::relay(const tPRJCALC& p, const tAJUSTE_RELIGA& r, const char* neutro) {
  const char* f = "%-10s%-8s%-8s%-8s%-10s%-8s%-8s";
  addline("Dados da curva");
  addline(f, "", "Part[A]", "Inst[A]", "DT", "Curva", "TDEF(s)", "IDEF(A)");
  addline(f, "FASE", N(r.relf.cor_par), N(r.relf.cor_ins), N(r.relf.dt), r.relf.nom_cur,
          tdef2txt(r.relf.tdef), idef2txt(r.relf.idef));
  addline(f, neutro, N(r.reln.cor_par), N(r.reln.cor_ins), N(r.reln.dt), r.reln.nom_cur,
          tdef2txt(r.reln.tdef), idef2txt(r.reln.idef));
  addline("MODELO    %s", r.modelo);
  addline("");
  addline("Tempo de atuação");
  // The trip times use the utility's currents at the delivery point, with the
  // instantaneous element left out.
  addline("FASE,   %s(%s/%s)=%ss", r.relf.nom_cur, N(p.icc_con.ICC3F), N(r.relf.cor_par),
          N(r.relf.calc(p.icc_con.ICC3F, false)));
  addline("NEUTRO, %s(%s/%s)=%ss", r.reln.nom_cur, N(p.icc_con.ICCFTM), N(r.reln.cor_par),
          N(r.reln.calc(p.icc_con.ICCFTM, false)));
  addline("");
  addline("OBS: Valores de corrente acima da instantânea possuem na ");
  addline("pratica um tempo de atuação na ordem de 0.1s.");
}

void tRELATORIO::principal(const tPRJCALC& p, const tPRJCALCVAR& c) {
  const double V = p.tensaomt;
  addtitle("Estudo de proteção");
  addline("Empresa: %s", p.empresa);
  addline("Projetista: %s", p.projetista);
  addline("Data: %s", data.empty() ? agora() : data);

  addtitle("Parâmetros do sistema");
  additem("Dados da concessionária");
  addline("Tensão nominal MT: %s kV", N(V));
  addline("Impedância da rede:");
  addline("    Z0=%s pu", C(c.z0r));
  addline("    Z1=%s pu", C(c.z1r));
  addline("Resitência de falta: %s ohm", N(p.rfalta));
  addline("Curto(A): 3Ø=%s 3ØA=%s ØT=%s ØTA=%s ØTM=%s", N(p.icc_con.ICC3F), N(p.icc_con.ICC3FA),
          N(p.icc_con.ICCFT), N(p.icc_con.ICCFTA), N(p.icc_con.ICCFTM));
  if (p.red_inp_mod == RED_AUTOMATICO) {
    addline("OBS");
    addline("A concessionária não forneceu os valores de impedância no ponto");
    addline("de entrega, para a realização deste estudo os valores foram");
    addline("estimados com base nos níveis de curto circuito conforme");
    addline("informado pela mesma.");
  }

  additem("Dados do cliente");
  addline("Demanda contratada: %s kW", N(p.demanda));
  addline("Fator de potência: %s ", N(p.fatorp));
  addline("Transformadores: %d", p.trafos.count());
  addline("Potência instalada: %.0f kVA (In=%.0fA)", p.trafos.pot_tot(),
          p.trafos.pot_tot() / (R3 * V));
  addline("Cabo de entrada");
  addline("\tComprimento: %s metros", N(p.cabolen));
  addline("\tZ1: %s ohm/km", C(p.z1caboohm));
  addline("\tZ0: %s ohm/km", C(p.z0caboohm));

  const char* f6 = "%-10s%-10s%-10s%-10s%-10s%-10s";
  additem("Transformadores de potência");
  addline("#  " + fmt::sprintf(f6, "S(kVA)", "In(A)", "V(bt)", "Z1(pu)", "Lig", "IMAG(K*In)"));
  int i = 0;
  for (const auto& t : p.trafos)
    addline(fmt::sprintf("%-3d", ++i) + fmt::sprintf(f6, N(t->kva), N(t->inom), int2txt(t->ten_sec),
                                                     N(t->zp), ligname(t->lig),
                                                     round2txt(t->imag)));

  addtitle("Resumo do estudo de proteção");
  addline("OBS: Valores de corrente estão sempre referidos à média tensão!");
  additem("Rele do cliente");
  relay(p, *p.rele_cli, "NEUTRO");
  if (p.inc_rele_con) {
    additem("Rele da concessionária/retaguarda");
    relay(p, *p.rele_con, "NETRO");
  }

  additem("Transformador de corrente");
  addline("ANSI         : %s", c.rtc_nom);
  addline("NBR-6856/2015: %s", c.rtc_nom_nbr);

  additem("Corrente de magnetização");
  addline("Método #1: PARCIAL");
  addline("KxIn(maior_trafo) + somatoria In dos demais");
  addline("INRUSH: %.0f A", c.inrush_parcial);
  addline("");
  addline("Método #2: TOTAL");
  addline("Somatorio de KxIN");
  addline("INRUSH = %.0f", p.trafos.inrush_total());
  addline("");
  addline("Método #3: REAL");
  addline("Limitação por impedância da rede");
  addline("INRUSH = 1/(1/ICC3F_MT + 1/INRUSH_TOTAL)");
  addline("INRUSH = 1/(1/%.0f + 1/%.0f)", p.icc_cli.ICC3F, p.trafos.inrush_total());
  addline("INRUSH = %.0f A", c.inrush_real);
  addline("");
  addline("Método #4: ENERGISA");
  addline("Limitação por impedância da rede conforme padrão ENERGISA");
  addline("INRUSH = 1/(1/ICC3F_MT + 1/INRUSH_PARCIAL)");
  addline("INRUSH = 1/(1/%.0f + 1/%.0f)", p.icc_cli.ICC3F, c.inrush_parcial);
  addline("INRUSH = %.0f A", c.inrush_energisa);
  addline("");
  addline("Metodo selecionado: " + inr_met_name(p.inr_met));
  addline("INRUSH final (fase) = %d A", trunca(c.inrush_fase));
  addline("INRUSH final (neutro) = %d A", trunca(c.inrush_neutro));
  addline("Duração: 0.1s");

  const char* fa = "%-5s%-10s%-10s%-10s%-10s%-10s%-10s";
  additem("ANSI dos transformadores + ELO");
  addline(fa, "", "TRAFO", "TRAFO", "TRAFO", "ANSI", "ANSI", "ANSI");
  addline(fa, "#", "Potência", "Inom", "ELO", "Fase", "Neutro", "Tempo");
  i = 0;
  for (const auto& t : p.trafos)
    addline(fa, int2txt(++i), N(t->kva) + "kVA", N(t->inom), tAJUSTE_FUSE::getfuse(t->inom),
            N(t->ansi_f) + "A", N(t->ansi_n) + "A", N(t->ansi_t) + "s");
  reportcurto(p);
}

void tRELATORIO::baixatensao(const tPRJCALCVAR& c, tTRAFO& t, int i, double V) {
  additem("Curto circuito na barra de baixa tensão");
  addline("Transformador %d", i);
  addline("Características do transformador");
  addline("%s", t.resumo());
  if (t.prll) addline("OBS: Este trafo esta em paralelo!");
  addline("");
  addline("Impedâncias");
  addline("Z1tr = %s pu", C(t.z1tr));
  switch (t.lig) {
    case LIG_DD:
      addline("Z0tr = infinito");
      break;
    case LIG_DYA:
      addline("Z0tr = 0.85*Z1tr = %s pu", C(t.z0tr));
      break;
    case LIG_YAYA:
      addline("Z0tr = Z1tr = %s pu", C(t.z0tr));
      break;
    case LIG_YAYI:
      addline("Z0tr = 5*Z1tr = %s pu", C(t.z0tr));
      break;
  }
  addline("");
  addline("Z1 = Z1rede+Z1cli+Z1tr = %s pu", C(t.z1tt));
  switch (t.lig) {
    case LIG_DD:
      addline("Z0 = infinito");
      break;
    case LIG_DYA:
      addline("Z0 = Z0tr = %s pu", C(t.z0tr));
      break;
    case LIG_YAYA:
    case LIG_YAYI:
      // Both grounded-wye connections carry the network's zero sequence
      // into ZT.
      addline("Z0 = Z0rede+Z0tr+Z0c = %s pu", C(t.z0tr + c.z0r + c.z0c));
      break;
  }
  // A "∆-∆" transformer has no zero-sequence path: its ZT is infinite and was
  // never computed, so neither it nor its asymmetry factor is printed.
  if (t.lig == LIG_DD) {
    addline("ZT = infinito");
    addline("FA(Z1) = %.5f", t.z1tt.fa());
  } else {
    addline("ZT = 2*Z1+Z0 = %s pu", C(t.ztt));
    addline("FA(Z1) = %.5f", t.z1tt.fa());
    addline("FA(ZT) = %.5f", t.ztt.fa());
  }
  addline("");
  addline("Resultados (MT)");
  addline("ICC3F = Ib(MT)/Z1 = %.0f A", t.curto.ICC3F);
  addline("ICC3FA = ICC3F*FA(Z1)= %.0f A", t.curto.ICC3FA);
  switch (t.lig) {
    case LIG_DD:
      addline("ICCFT = 0 A");
      addline("ICCFTA = 0 A");
      addline("ICCFTM = 0 A");
      break;
    case LIG_DYA:
      addline("ICCFT = Ib(MT)*RAIZ(3)/ZT = %.0f A", t.curto.ICCFT);
      addline("ICCFTA = ICCFT*FA(ZT) = %.0f A", t.curto.ICCFTA);
      addline("ICCFTM = Ib(MT)*RAIZ(3)/(ZT+ZF) = %.0f A", t.curto.ICCFTM);
      break;
    case LIG_YAYA:
    case LIG_YAYI:
      addline("ICCFT = Ib(MT)*3/ZT = %.0f A", t.curto.ICCFT);
      addline("ICCFTA = ICCFT*FA(ZT) = %.0f A", t.curto.ICCFTA);
      addline("ICCFTM = Ib(MT)*3/(ZT+ZF) = %.0f A", t.curto.ICCFTM);
      break;
  }
  addline("");
  addline("Resultados (BT)");
  const double k = 1000 * V / t.ten_sec;
  t.ib_bt = c.ib_at * k;
  addline("Ib(BT) = Ib(MT) * %.0f / %d = %.0f", 1000 * V, t.ten_sec, t.ib_bt);
  const tCURTO bt = t.curto_bt(V);
  addline("ICC3F = Ib(BT)/Z1 = %.0f A", bt.ICC3F);
  addline("ICC3FA = ICC3F*FA(Z1)= %.0f A", bt.ICC3FA);
  addline("ICCFT = Ib(BT)*3/ZT = %.0f A", bt.ICCFT);
  addline("ICCFTA = ICCFT*FA(ZT) = %.0f A", bt.ICCFTA);
}

void tRELATORIO::memorial(tPRJCALC& p, const tPRJCALCVAR& c) {
  const double V = p.tensaomt;
  addtitle("Memorial de cálculo");
  addline("OBS: Os valores de corrente estão referidos a barra de média tensão.");
  additem("Valores de base");
  addline("Sb    : %.3f MVA", p.potbase);
  addline("Vb    : %.2f kV", V);
  addline("Zb(MT): %.3f ohm", c.zb_at);
  addline("Ib(MT): %.0f A", c.ib_at);
  addline("FA(R+jX) = RAIZ[ 1 + 2*e^(-2*PI*R/X) ]");
  addline("");
  addline("Impedâncias");
  addline("Z1rede = %s pu", C(c.z1r));
  addline("Z0rede = %s pu", C(c.z0r));
  addline("Z1cli = %s pu", C(c.z1c));
  addline("Z0cli = %s pu", C(c.z0c));
  addline("ZF = 3*Rf/Zb(MT) = %s pu", C(c.zfltpu));

  additem("Curto circuito na barra de média tensão (primário)");
  addline("Impedâncias");
  addline("Z0 = Z0rede+Z0cli = %s pu", C(c.z0r + c.z0c));
  addline("Z1 = Z1rede+Z1cli = %s pu", C(c.z1r + c.z1c));
  addline("ZT = 2*Z1+Z0 = %s pu", C(c.zt_prim));
  addline("FA(Z1) = %.5f", c.z1_prim.fa());
  addline("FA(ZT) = %.5f", c.zt_prim.fa());
  addline("");
  addline("Resultados");
  addline("ICC3F = Ib(MT)/Z1 = %.0f A", p.icc_cli.ICC3F);
  addline("ICC3FA = ICC3F*FA(Z1)= %.0f A", p.icc_cli.ICC3FA);
  addline("ICCFT = Ib(MT)*3/(ZT) = %.0f A", p.icc_cli.ICCFT);
  addline("ICCFTA = ICCFT*FA(ZT) = %.0f A", p.icc_cli.ICCFTA);
  addline("ICCFTM = Ib(MT)*3/(ZT+ZF) = %.0f A", p.icc_cli.ICCFTM);
  int i = 0;
  for (const auto& t : p.trafos) baixatensao(c, *t, ++i, V);

  additem("Dimensionamento do TC");
  addline("DEMANDA = %.0fKW", p.demanda);
  addline("CARGA = %.0fkVA", p.trafos.pot_tot());
  addline("FATOR DE SERVIÇO = %d%%", p.rtc_fat);
  addline("ICC3FA = %sA", N(p.icc_cli.ICC3FA));
  addline("");
  addline("#Critério de carga nominal");
  addline("Id = DEMANDA/(VN*FP*R3) = %sA", N(c.rtc_ind));
  addline("Ic = CARGA/(VN*R3) = %sA", N(c.rtc_inc));
  addline("In = MAX(Id,Ic)*FS = %sA", N(c.rtc_ins));
  addline("");
  addline("#Critério de ICCmax");
  addline("In = ICC3FA/20 = %sA", N(c.rtc_inm));
  addline("");
  addline("#Classe de precisão (Volts)");
  addline("Z(BURDEN): %s ohms (Ztc+Zfio+Zrele)", N(p.rtc_bur));
  addline("In = %s/RTC = %s A", p.rtc_10k ? "10KA" : "ICC3FA", N(c.rtc_ise));
  addline("Vn = In*Z = %s Volts", N(c.rtc_ise * p.rtc_bur));
  addline("");
  addline("#Carga no secundário (VA)");
  addline("Isec(pior caso) = 5A");
  addline("Carga = Z(BURDEN) * Isec^2");
  addline("Carga = %s * 5^2 = %.1f [VA]", N(p.rtc_bur), c.rtc_va_cal);
  addline("Utilizar TC com potência aparente de no mínimo %.1f [VA]", c.rtc_va_cal);
  addline("");
  addline("#resultado final recomendado");
  addline("Relação: %d/5", c.rtc_ino);
  addline("Tensao: %d Volts", c.rtc_vse);
  addline("Classe ANSI: %s", c.rtc_nom);
  addline("Classe NBR-6856/2015: %s", c.rtc_nom_nbr);

  additem("Ponto ANSI");
  for (const auto& t : p.trafos) {
    addline("%s", t->resumo());
    addline("FASE = %.1f A", t->ansi_f);
    addline("NEUTRO = %.1f A", t->ansi_n);
    addline("TEMPO = %.1f S", t->ansi_t);
    addline("");
  }

  const tFRELIGA& relf = p.rele_cli->relf;
  const tFRELIGA& reln = p.rele_cli->reln;
  additem("Ajuste das curvas de proteção");
  addline("Fator Potência: %.2f", p.fatorp);
  addline("Margem da proteção: %d %%", trunca(roundeven(p.fat_ipf * 100)));
  addline("");
  addline("FASE");
  addline("Pc(contrato) = %.0f kW", p.demanda);
  addline("Pi(instalado) = %.0f kVA", p.trafos.pot_tot());
  addline("P = %s = %.0f", lim_pot_name(p.lim_pot), p.lim_pot_get());
  addline("Ipf = [P/(R3*V*FP)]*%.2f = %.1f A", 1 + p.fat_ipf, relf.cor_par);
  addline("Iif = %.2f*Imag = %.1f A", 1 + p.fat_iif, relf.cor_ins);
  addline("Dtf = %.3f s", relf.dt);
  addline("");
  addline("NEUTRO");
  addline("Ipn = %.2f*Ipf = %.1f A", p.fat_ipn, reln.cor_par);
  addline("Iin = %.2f*Iif = %.1f A", p.fat_iin, reln.cor_ins);
  addline("Dtn = %.3f s", reln.dt);
  addline("");
}

void tRELATORIO::celesc(const tPRJCALC& p, const tPRJCALCVAR& c) {
  const double V = p.tensaomt;
  const tFRELIGA& relf = p.rele_cli->relf;
  const tFRELIGA& reln = p.rele_cli->reln;
  const char* f = "%-45s%-10s%-10s";
  auto row = [&](const char* par, const std::string& valor, const char* unid) {
    addline(f, par, valor, unid);
  };
  addtitle("RESUMO DOS AJUSTES DA PROTEÇÃO NA MÉDIA TENSÃO");
  addline("EMPRESA: %s", p.empresa);
  addline("PROJETISTA: %s", p.projetista);
  additem("Ajustes do rele/religador");
  row("PARÂMETRO", "VALOR", "UNIDADE");
  row("50    Corrente instantânea de fase", N(relf.cor_ins), "A");
  row("51    Corrente de partida de fase", N(relf.cor_par), "A");
  row("      Curva de Fase", relf.nom_cur, "");
  row("      Múltiplo de tempo fase (dialtime)", N(relf.dt), "");
  row("TDF   Tempo definido de fase", tdef2txt(relf.tdef), "s");
  row("      Corrente definida de fase", idef2txt(relf.idef), "A");
  row("50N   Corrente instantânea de neutro", N(reln.cor_ins), "A");
  row("51N   Corrente de partida de neutro", N(reln.cor_par), "A");
  row("      Curva de neutro", reln.nom_cur, "");
  row("      Múltiplo de tempo neutro (dialtime)", N(reln.dt), "");
  row("TDN   Tempo definido de neutro", tdef2txt(reln.tdef), "s");
  row("      Corrente definida de neutro", idef2txt(reln.idef), "A");
  row("27    Subtensão", int2txt(tensao_funcao(p.fun_27, V)), "V");
  row("27    Tempo", real2txt(p.fun_27t, 2), "s");
  row("59    Sobretensão", int2txt(tensao_funcao(p.fun_59, V)), "V");
  row("59    Tempo", real2txt(p.fun_59t, 2), "s");
  addline("...");
  row("TC utilizado", int2txt(c.rtc_ino) + "/5", "A");
  row("Corrente de magnetização - inrush", N(c.inrush_fase), "A");

  const char* ft = "%-5s%-15s%-15s%-15s";
  additem("Transformadores (Corrente/Tempo ANSI)");
  addline(ft, "#", "I-FASE (A)", "I-NEUTRO (A)", "TEMPO (s)");
  int i = 0;
  for (const auto& t : p.trafos)
    addline(ft, int2txt(++i), N(t->ansi_f), N(t->ansi_n), N(t->ansi_t));
  reportcurto(p);

  additem("Observações");
  addline("Neste resumo foi considerado um relê de proteção digital que ");
  addline("apresenta os valores de corrente, no dial, já referido a alta ");
  addline("tensão em Amper.");
  addline("");
  addline("Escolher dial de tempo (D.T.)  inferior ao ponto ANSI dos trafos ");
  addline("e com diferença de tempo 0,2 segundos para a curva de fase da ");
  addline("proteção da concessionária.");
  addline("");
  addline("O instantâneo deve permitir a magnetização dos trafos (inrush).");
  addline("O rele usado como referencia para este resumo apresenta a ");
  addline("possibilidade de se determinar valores definidos de fase e ");
  addline("neutro para corrente e tempo.");
  addline("");
  addline("O TC deve ter corrente térmica  maior que 50 X IN e corrente de ");
  addline("saturação 20 X In.");
  addline("...");
  addline("%s/%s", versionline, email_contato);
}

void tRELATORIO::reportexec(tPRJCALC& p, const tPRJCALCVAR& c, const tRELOPC& opc) {
  ntitulo = 0;
  nitem = 0;
  // Numbers derived from a project the calculation would refuse mean nothing
  // (and may not even be finite): the report names the reasons instead.
  if (const auto m = validar(p); !m.empty()) {
    addline("Cálculo não realizado:");
    for (const std::string& s : m) addline(s);
    return;
  }
  if (opc.principal) principal(p, c);
  if (opc.memorial) memorial(p, c);
  if (opc.celesc) celesc(p, c);
}

}  // namespace tarvinel
