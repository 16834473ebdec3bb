// Second half of the calculation (rated currents, current transformer,
// inrush, relay currents, warnings, ANSI points) and the refusal of input the
// calculation cannot use.

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/calculation/calcexec.h"
#include "core/foundation/estado.h"
#include "registro.h"

using namespace tarvinel;

namespace {

TEST(calcexec, ExampleSettings) {
  tPRJCALC p;
  tPRJCALCVAR c;
  calcexec(p, c);
  const tTRAFO& t1 = *p.trafos.Trafos(0);
  const tTRAFO& t2 = *p.trafos.Trafos(1);
  EXPECT_NEAR(t1.inom, 10.459, 5e-4);
  EXPECT_NEAR(t2.inom, 31.378, 5e-4);

  EXPECT_NEAR(c.rtc_ind, 45.47, 5e-3);
  EXPECT_NEAR(c.rtc_inc, 41.84, 5e-3);
  EXPECT_NEAR(c.rtc_ins, 68.21, 5e-3);
  EXPECT_NEAR(c.rtc_inm, 38.99, 5e-3);
  EXPECT_EQ(c.rtc_ino, 75);
  EXPECT_NEAR(c.rtc_ise, 51.98, 5e-3);
  EXPECT_NEAR(c.rtc_ise * p.rtc_bur, 18.19, 5e-3);
  EXPECT_EQ(c.rtc_vse, 20);
  EXPECT_EQ(c.rtc_nom, "10B20-75/5");
  EXPECT_FLOAT_EQ(c.rtc_va_cal, 8.75f);
  EXPECT_FLOAT_EQ(c.rtc_va_sel, 12.5f);
  EXPECT_EQ(c.rtc_nom_nbr, "12.5VA10P20-75/5");

  EXPECT_NEAR(c.inrush_parcial, 261.48, 5e-3);
  EXPECT_NEAR(c.inrush_parcial, 8 * t2.inom + t1.inom, 1e-9);
  EXPECT_NEAR(c.inrush_total, 334.70, 5e-3);
  EXPECT_NEAR(c.inrush_real, 233.73, 5e-3);
  EXPECT_NEAR(c.inrush_energisa, 195.51, 5e-3);
  EXPECT_EQ(c.inrush_fase, c.inrush_parcial);
  EXPECT_EQ(c.inrush_neutro, 0);

  EXPECT_NEAR(p.rele_cli->relf.cor_par, 59.12, 5e-3);
  EXPECT_NEAR(p.rele_cli->relf.cor_ins, 366.07, 5e-3);
  EXPECT_NEAR(p.rele_cli->reln.cor_par, 5.912, 5e-4);
  EXPECT_NEAR(p.rele_cli->reln.cor_ins, 73.21, 5e-3);

  EXPECT_NEAR(t1.ansi_f, 190.17, 5e-3);
  EXPECT_NEAR(t1.ansi_n, 110.30, 5e-3);
  EXPECT_NEAR(t1.ansi_t, 3.78, 5e-3);
  EXPECT_NEAR(t2.ansi_f, 697.28, 5e-3);
  EXPECT_NEAR(t2.ansi_n, 404.42, 5e-3);
  EXPECT_NEAR(t2.ansi_t, 2.53, 5e-3);
}

TEST(calcexec, SaturationSizedFor10kA) {
  tPRJCALC p;
  p.rtc_10k = true;
  tPRJCALCVAR c;
  calcexec(p, c);
  EXPECT_NEAR(c.rtc_ise, 666.7, 0.05);
  EXPECT_NEAR(c.rtc_ise * p.rtc_bur, 233.3, 0.05);
  EXPECT_EQ(c.rtc_vse, 400);
  EXPECT_EQ(c.rtc_nom, "10B400-75/5");
}

TEST(calcexec, CurrentTransformerTables) {
  struct {
    int amp, ino;
  } ino[] = {{0, 50}, {50, 50}, {51, 75}, {68, 75}, {250, 250}, {599, 600}, {700, 600}};
  for (const auto& r : ino) EXPECT_EQ(rtc_ino_get(r.amp), r.ino) << "A " << r.amp;
  struct {
    float va, sel;
  } va[] = {{0, 2.5f}, {2.5f, 2.5f}, {8.75f, 12.5f}, {45, 45}, {45.1f, 90}, {125, 90}};
  for (const auto& r : va) EXPECT_EQ(rtc_va_get(r.va), r.sel) << "VA " << r.va;
  struct {
    int v, cls;
  } vse[] = {{-5, 10}, {18, 20}, {20, 20}, {233, 400}, {801, 800}};
  for (const auto& r : vse) EXPECT_EQ(rtc_vse_get(r.v), r.cls) << "V " << r.v;
}

TEST(calcexec, CurrentTransformerOptions) {
  struct tCASO {
    const char* nome;
    double demanda;
    double bur;
    int fat;
    const char* pre;
    const char* rea;
    int ino;
    const char* ansi;
    const char* nbr;
  };
  const tCASO casos[] = {
      {"exemplo", 1000, 0.35, 50, "10", "B", 75, "10B20-75/5", "12.5VA10P20-75/5"},
      // 5 ohm: 125 VA beyond the table, the last entry; 52 A·5 ohm = 260 V.
      {"carga alta", 1000, 5, 50, "2.5", "H", 75, "2.5H400-75/5", "90.0VA2.5P20-75/5"},
      // 10000 kW: 700 A of load, beyond the table, 600/5.
      {"carga além da tabela", 10000, 0.35, 50, "5", "L", 600, "5L10-600/5", "12.5VA5P20-600/5"},
      // No service factor: 45.47 A -> 50/5.
      {"sem fator de serviço", 1000, 0.35, 0, "10", "B", 50, "10B50-50/5", "12.5VA10P20-50/5"},
  };
  for (const tCASO& cs : casos) {
    tPRJCALC p;
    p.demanda = cs.demanda;
    p.rtc_bur = cs.bur;
    p.rtc_fat = cs.fat;
    p.rtc_pre = cs.pre;
    p.rtc_rea = cs.rea;
    tPRJCALCVAR c;
    calcexec(p, c);
    EXPECT_EQ(c.rtc_ino, cs.ino) << cs.nome;
    EXPECT_EQ(c.rtc_nom, cs.ansi) << cs.nome;
    EXPECT_EQ(c.rtc_nom_nbr, cs.nbr) << cs.nome;
  }
}

TEST(calcexec, InrushMethodSelectsPhaseCurrent) {
  struct tCASO {
    int met;
    double fase;
  };
  const tCASO casos[] = {{0, 261.48}, {1, 334.70}, {2, 233.73}, {3, 195.51}, {8, 261.48}};
  for (const tCASO& cs : casos) {
    tPRJCALC p;
    p.inr_met = cs.met;
    p.inr_neu = 0.25;
    tPRJCALCVAR c;
    calcexec(p, c);
    EXPECT_NEAR(c.inrush_fase, cs.fase, 5e-3) << "inr_met " << cs.met;
    EXPECT_NEAR(c.inrush_neutro, 0.25 * c.inrush_fase, 1e-9) << "inr_met " << cs.met;
    EXPECT_NEAR(p.rele_cli->relf.cor_ins, 1.4 * c.inrush_fase, 1e-9) << "inr_met " << cs.met;
  }
}

TEST(calcexec, PickupFollowsLimitingPower) {
  struct tCASO {
    int lim_pot;
    double demanda;
    double ipf;  // P/(√3·13.8·0.92)·1.3
  };
  // Installed 1000 kVA; demand 800 kW.
  const tCASO casos[] = {{0, 800, 47.294}, {1, 800, 47.294}, {2, 800, 59.12}, {0, 1200, 59.12}};
  for (const tCASO& cs : casos) {
    tPRJCALC p;
    p.lim_pot = cs.lim_pot;
    p.demanda = cs.demanda;
    tPRJCALCVAR c;
    calcexec(p, c);
    EXPECT_NEAR(p.rele_cli->relf.cor_par, cs.ipf, 5e-3)
        << "lim_pot " << cs.lim_pot << " demanda " << cs.demanda;
    EXPECT_NEAR(p.rele_cli->reln.cor_par, 0.1 * p.rele_cli->relf.cor_par, 1e-9);
  }
}

TEST(calcexec, DefiniteCurrentWarnings) {
  struct tCASO {
    double idef_f, idef_n;
    std::vector<std::string> log;
  };
  const std::string fase = "#ATENÇÂO: Corrente FASE definida (IDEF) maior que instantânea.";
  const std::string neutro = "#ATENÇÂO: Corrente NEUTRO definida maior que instantânea.";
  // Instantaneous currents of the example: phase 366.07 A, neutral 73.21 A.
  const tCASO casos[] = {
      {5000, 5000, {}},             // "MAX": never a warning
      {400, 5000, {fase}},          //
      {300, 80, {neutro}},          //
      {1000, 100, {fase, neutro}},  //
      {0, 0, {}},                   // "OFF"
  };
  for (const tCASO& cs : casos) {
    tLOG log;
    tPRJCALC p;
    p.rele_cli->relf.idef = cs.idef_f;
    p.rele_cli->reln.idef = cs.idef_n;
    tPRJCALCVAR c;
    calcexec(p, c);
    std::vector<std::string> definidas;
    for (const auto& l : log.linhas)
      if (l.find("definida") != std::string::npos) definidas.push_back(l);
    EXPECT_EQ(definidas, cs.log) << "IDEF " << cs.idef_f << " / " << cs.idef_n;
    EXPECT_EQ(p.rele_cli->relf.idef, cs.idef_f);  // nothing else changes
  }
}

// Each warning of a calculated study, with the two numbers it compares; the
// message log gets exactly the run's list.
TEST(calcexec, StudyWarnings) {
  struct tCASO {
    const char* nome;
    std::function<void(tPRJCALC&)> muda;
    std::vector<std::vector<std::string>> avisos;  // words of each line, in order
  };
  const std::vector<std::string> t2 = {"#ATENÇÃO: instantânea de FASE", "Iif = 366.1 A",
                                       "transformador 2", "(414.3 A)", "não é seletivo"};
  const tCASO casos[] = {
      // Iif 366.1 A against the low-side ICC3FA of 193.5 A and 414.3 A.
      {"exemplo", [](tPRJCALC&) {}, {t2}},
      {"Iif acima das faltas BT", [](tPRJCALC& p) { p.fat_iif = 0.7; }, {}},
      {"Iif acima da barra MT/CLI",
       [](tPRJCALC& p) { p.fat_iif = 2.5; },
       {{"Iif = 915.2 A", "ICC3F da barra MT/CLI", "(774.8 A)", "nunca atua"}}},
      {"Ipf na ICCFT",
       [](tPRJCALC& p) {
         p.fat_iif = 0.7;
         p.fat_ipf = 9;
       },
       {{"partida de FASE", "Ipf = 454.7 A", "ICCFT da barra MT/CLI", "(452.2 A)"}}},
      {"Ipn na ICCFTM",
       [](tPRJCALC& p) {
         p.fat_iif = 0.7;
         p.fat_ipn = 3;
       },
       {{"partida de NEUTRO", "Ipn = 177.4 A", "ICCFTM da barra MT/CLI", "(159.3 A)"}}},
      {"TC no limite",
       [](tPRJCALC& p) {
         p.fat_iif = 0.7;
         p.demanda = 20000;
       },
       {{"TC limitado à relação 600/5", "In = 1364 A"}}},
      {"paralelos diferentes",
       [](tPRJCALC& p) {
         p.fat_iif = 1.6;  // above the low-side faults, below the bus
         for (int i = 0; i < 2; ++i) p.trafos.Trafos(i)->prll = true;
         auto& t3 = *p.trafos.novotrafo();
         t3.init(250, 5.5, 8, LIG_YAYA, true);
         t3.ten_sec = 220;
       },
       {{"transformadores 1 e 3 em paralelo", "(380 V e 220 V)"},
        {"transformadores 1 e 3 em paralelo", "(∆-Ya e Ya-Ya)"}}},
  };
  for (const tCASO& cs : casos) {
    SCOPED_TRACE(cs.nome);
    tLOG log;
    tPRJCALC p;
    cs.muda(p);
    tPRJCALCVAR c;
    calcexec(p, c);
    EXPECT_EQ(log.linhas, c.avisos);
    ASSERT_EQ(c.avisos.size(), cs.avisos.size()) << ::testing::PrintToString(c.avisos);
    for (std::size_t i = 0; i < cs.avisos.size(); ++i) {
      EXPECT_EQ(c.avisos[i].rfind("#ATENÇÃO: ", 0), 0u) << c.avisos[i];
      for (const auto& w : cs.avisos[i])
        EXPECT_NE(c.avisos[i].find(w), std::string::npos) << "'" << w << "' in " << c.avisos[i];
    }
  }
}

// 27/59 pickups against exact decimal arithmetic: pct % of a voltage written
// with three decimals, in volts, truncated.
TEST(tensao_funcao, TruncatesTheExactProduct) {
  const char* tensoes[] = {"13.2", "11.95", "12.6", "24.2",  "6.6",  "2.3", "13.8",
                           "23",   "34.5",  "0.22", "4.16",  "69",   "138", "22.9",
                           "11.4", "13.45", "33",   "7.967", "0.38", "15"};
  for (const char* v : tensoes) {
    const std::string s = v;
    const auto ponto = s.find('.');
    std::string inteiro = s.substr(0, ponto),
                dec = ponto == std::string::npos ? "" : s.substr(ponto + 1);
    dec.resize(3, '0');
    const long long milesimos = std::stoll(inteiro) * 1000 + std::stoll(dec);  // kV/1000
    for (int pct = 1; pct <= 200; ++pct)
      EXPECT_EQ(tensao_funcao(pct, std::stod(s)), pct * milesimos / 100) << pct << " % of " << v;
  }
  EXPECT_EQ(tensao_funcao(92, 13.2), 12144);
}

TEST(calcexec, OnlyTheFourRelayCurrentsAreWritten) {
  tPRJCALC p;
  p.rele_con->relf.cor_par = 123.4;
  p.rele_con->reln.cor_ins = 56.7;
  tFRELIGA& f = p.rele_cli->relf;
  f.nom_cur = "IEEE-VI";
  f.dt = 0.35;
  f.tdef = 0.5;
  f.tmin = 0.07;
  tPRJCALCVAR c;
  calcexec(p, c);
  EXPECT_EQ(f.nom_cur, "IEEE-VI");
  EXPECT_EQ(f.dt, 0.35);
  EXPECT_EQ(f.tdef, 0.5);
  EXPECT_EQ(f.tmin, 0.07);
  // The utility relay is the user's alone.
  EXPECT_EQ(p.rele_con->relf.cor_par, 123.4);
  EXPECT_EQ(p.rele_con->reln.cor_ins, 56.7);
}

// --- refused input

struct tRECUSA {
  const char* nome;
  void (*muda)(tPRJCALC&);
  std::vector<std::string> motivos;
};

TEST(validar, RefusedInputNamesEveryField) {
  const std::string automatico =
      " deve ser informada (maior que 1 A) quando a impedância de rede é \"Automatico\".";
  const std::vector<tRECUSA> casos = {
      {"sem trafos",
       [](tPRJCALC& p) { p.trafos.destroyitens(); },
       {"O sistema deve conter pelo menos um trafo."}},
      {"tensão zero",
       [](tPRJCALC& p) { p.tensaomt = 0; },
       {"Tensão nominal média tensão [kV] deve ser maior que zero."}},
      {"base e fp",
       [](tPRJCALC& p) { p.potbase = 0, p.fatorp = -0.9; },
       {"Potência de base [MVA] deve ser maior que zero.",
        "Fator de potência deve ser maior que zero."}},
      {"trafo",
       [](tPRJCALC& p) { p.trafos.Trafos(1)->kva = 0, p.trafos.Trafos(1)->zp = 0; },
       {"Transformador 2: Potência (kVA) deve ser maior que zero.",
        "Transformador 2: Impedância (Z1%) deve ser maior que zero."}},
      {"tensão BT e ligação",
       [](tPRJCALC& p) { p.trafos.Trafos(0)->ten_sec = 0, p.trafos.Trafos(0)->lig = 7; },
       {"Transformador 1: Tensão BT (V) deve ser maior que zero.",
        "Transformador 1: Ligação (AT-BT) desconhecida (7)."}},
      {"sem inrush",
       [](tPRJCALC& p) { p.trafos.Trafos(0)->imag = 0, p.trafos.Trafos(1)->imag = 0; },
       {"Imag (K*In) é zero em todos os transformadores: a corrente de magnetização (inrush) "
        "seria nula."}},
      {"inrush negativo",
       [](tPRJCALC& p) { p.trafos.Trafos(0)->imag = -8; },
       {"Transformador 1: Imag (K*In) não pode ser negativo."}},
      {"automatico sem correntes",
       [](tPRJCALC& p) {
         p.red_inp_mod = RED_AUTOMATICO;
         p.icc_con.ICC3F = 1;
         p.icc_con.ICCFT = 0;
       },
       {std::string("Corrente ICC3F [A]") + automatico,
        std::string("Corrente ICCFT [A]") + automatico}},
      {"nan",
       [](tPRJCALC& p) { p.fatorp = std::numeric_limits<double>::quiet_NaN(); },
       {"Fator de potência deve ser maior que zero."}},
  };
  for (const tRECUSA& cs : casos) {
    tLOG log;
    tPRJCALC p;
    tPRJCALCVAR c;
    calcexec(p, c);  // a first, sound run
    const tPRJCALCVAR antes = c;
    const double ipf = p.rele_cli->relf.cor_par;
    const double iccmin = p.iccmin;
    log.linhas.clear();
    cs.muda(p);
    EXPECT_EQ(validar(p), cs.motivos) << cs.nome;
    try {
      calcexec(p, c);
      ADD_FAILURE() << cs.nome << ": not refused";
    } catch (const tERROCALC& e) {
      EXPECT_EQ(e.motivos(), cs.motivos) << cs.nome;
    }
    // Nothing changed: results, relay, project results, log.
    EXPECT_EQ(c.ib_at, antes.ib_at) << cs.nome;
    EXPECT_EQ(c.rtc_nom, antes.rtc_nom) << cs.nome;
    EXPECT_EQ(c.inrush_fase, antes.inrush_fase) << cs.nome;
    EXPECT_EQ(p.rele_cli->relf.cor_par, ipf) << cs.nome;
    EXPECT_EQ(p.iccmin, iccmin) << cs.nome;
    EXPECT_TRUE(log.linhas.empty()) << cs.nome << ": " << log.linhas.size() << " log lines";
  }
}

TEST(validar, UndefinedResultsAreRefusedToo) {
  // Valid fields whose combination divides by zero: no network impedance and
  // no entry cable leave nothing between the source and the customer bus.
  tPRJCALC p;
  p.z1r = {0, 0};
  p.z0r = {0, 0};
  p.cabolen = 0;
  p.icc_con.ICC3F = 1;  // to be completed from a zero impedance
  EXPECT_TRUE(validar(p).empty());
  tPRJCALCVAR c;
  const tCURTO antes = p.icc_con;
  try {
    calcexec(p, c);
    FAIL() << "not refused";
  } catch (const tERROCALC& e) {
    ASSERT_FALSE(e.motivos().empty());
    EXPECT_EQ(e.motivos()[0], "Impedância Z1 da rede nula: informe a corrente ICC3F [A].");
    EXPECT_NE(std::string(e.what()).find("barra MT/CLI"), std::string::npos) << e.what();
  }
  EXPECT_EQ(p.icc_con.ICC3F, antes.ICC3F);
  EXPECT_EQ(c.ib_at, 0);

  // Huge values from a damaged file: the burden power overflows a float.
  tPRJCALC q;
  q.rtc_bur = 1e300;
  try {
    calcexec(q, c);
    FAIL() << "not refused";
  } catch (const tERROCALC& e) {
    EXPECT_NE(std::string(e.what()).find("Carga BURDEN [VA]"), std::string::npos) << e.what();
  }
}

// The calculation as the window and tarvinel-cli run it tells, as data and in
// the same words, what calcexec tells through its callback, the message log
// and its refusal, and reaches the same results; it writes nothing to the log.
TEST(prjcalc_calcula, DizComoDadosOQueCalcexecDiz) {
  const struct {
    const char* nome;
    std::function<void(tPRJCALC&)> muda;
  } casos[] = {
      {"exemplo", [](tPRJCALC&) {}},
      {"plausibilidade e aviso", [](tPRJCALC& p) { p.icc_con.ICC3F = 884; }},
      {"sem avisos", [](tPRJCALC& p) { p.fat_iif = 0.7; }},
      {"recusado", [](tPRJCALC& p) { p.trafos.destroyitens(); }},
  };
  for (const auto& cs : casos) {
    SCOPED_TRACE(cs.nome);
    tPRJCALC p, q;
    cs.muda(p);
    cs.muda(q);
    tPRJCALCVAR c, d;
    std::string plausibilidade, recusa;
    std::vector<std::string> log_calcexec;
    {
      tLOG log;
      try {
        calcexec(p, c, [&](const std::string& m) { plausibilidade = m; });
      } catch (const tERROCALC& e) {
        recusa = e.what();
      }
      log_calcexec = log.linhas;
    }
    for (char& ch : plausibilidade)
      if (ch == '\r') ch = '\n';
    tLOG log;
    const tRESULTADO_CALC r = prjcalc_calcula(q, d);
    EXPECT_TRUE(log.linhas.empty()) << log.tudo();
    EXPECT_EQ(r.ok(), recusa.empty());
    EXPECT_EQ(r.recusa, recusa);
    EXPECT_EQ(r.plausibilidade, plausibilidade);
    EXPECT_EQ(r.avisos, log_calcexec);
    EXPECT_EQ(d.avisos, c.avisos);
    EXPECT_EQ(d.inrush_fase, c.inrush_fase);
    EXPECT_EQ(q.rele_cli->relf.cor_par, p.rele_cli->relf.cor_par);
    EXPECT_EQ(q.icc_cli.ICC3F, p.icc_cli.ICC3F);
  }
}

}  // namespace
