#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "core/curves/f6.h"
#include "core/curves/freliga.h"
#include "core/curves/tripcli.h"

using namespace tarvinel;

namespace {

tFRELIGA funcao(const std::string& nome, double cor_par, double dt, double cor_ins = 0) {
  tFRELIGA f;
  f.nom_cur = nome;
  f.cor_par = cor_par;
  f.dt = dt;
  f.cor_ins = cor_ins;
  return f;
}

// usercurves() is process-wide: every test that touches it starts from an
// empty list and leaves the list as it found it.
class UserCurves : public ::testing::Test {
 protected:
  void SetUp() override {
    guardadas_ = usercurves();
    usercurves().clear();
  }
  void TearDown() override { usercurves() = guardadas_; }

  static tUSERCURVE nova(const std::string& nome) {
    tUSERCURVE u;
    u.init();
    u.nom = nome;
    return u;
  }
  // Ai = i + 1, Ti = (16 - i) / 2 once scaled by ip = 10 and dt = 2.
  static tUSERCURVE escada(const std::string& nome) {
    tUSERCURVE u;
    u.nom = nome;
    u.ip = 10;
    u.dt = 2;
    for (int i = 0; i < 16; ++i) {
      u.amp[i] = 10.0 * (i + 1);
      u.tim[i] = 16.0 - i;
    }
    return u;
  }

 private:
  std::vector<tUSERCURVE> guardadas_;
};

}  // namespace

TEST(Catalogo, NomesNaOrdemDeTeste) {
  const std::vector<std::string> esperado = {
      "IEC-NI",    "IEC-SI",    "IEC-MI",    "IEC-VI",  "IEC-LI",  "IEC-LTI", "IEC-EI",
      "IEEE-MI",   "IEEE-VI",   "IEEE-EI",   "ANSI-MI", "ANSI-VI", "ANSI-EI", "ANSI90-EI",
      "ANSI90-VI", "ANSI90-NI", "ANSI90-MI", "RI",      "IT",      "I2T",     "F6-112",
      "F6-113",    "F6-114",    "F6-115",    "F6-116",  "F6-117",  "F6-118",  "F6-120",
      "F6-131",    "F6-133",    "F6-136",    "F6-140",  "F6-141",  "F6-161",  "F6-165",
      "F6-201",    "F6-202"};
  EXPECT_EQ(curvenames(), esperado);
}

TEST(Catalogo, TemposEmM10) {
  struct {
    const char* nome;
    double t;  // at M = 10, dial 1
  } const linhas[] = {
      {"IEC-NI", 2.9706},
      {"IEC-SI", 2.9706},
      {"IEC-MI", 1.5},
      {"IEC-VI", 1.5},
      {"IEC-LI", 13.333},
      {"IEC-LTI", 13.333},
      {"IEC-EI", 0.80808},
      {"IEEE-MI", 0.23519},
      {"IEEE-VI", 0.13762},
      {"IEEE-EI", 0.080970},
      {"ANSI-MI", 1.2068},
      {"ANSI-VI", 0.68908},
      {"ANSI-EI", 0.40655},
      {"ANSI90-EI", 0.098235},
      {"ANSI90-VI", 0.14565},
      {"ANSI90-NI", 0.22600},
      {"ANSI90-MI", 0.24653},
      {"RI", 3.1706},
      {"IT", 6},
      {"I2T", 5.4},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(l.nome);
    // Pickup 40 A, 400 A: M = 10 whatever the pickup.
    EXPECT_NEAR(funcao(l.nome, 40, 1).calc(400, false), l.t, l.t * 1e-4);
    EXPECT_NEAR(funcao(l.nome, 40, 0.5).calc(400, false), l.t / 2, l.t * 0.5e-4);
    EXPECT_NEAR(funcao(l.nome, 1, 3).calc(10, true), 3 * l.t, l.t * 3e-4);
  }
}

TEST(Catalogo, MultiploUm) {
  struct {
    const char* nome;
    double m;
    double t;  // dial 2
  } const linhas[] = {
      {"IEC-NI", 1, 0},
      {"IEC-MI", 1, 0},
      {"IEC-LI", 1, 0},
      {"IEC-EI", 1, 0},
      {"IEEE-MI", 1, 0},
      {"IEEE-VI", 1, 0},
      {"ANSI-EI", 1, 0},
      {"IEC-VI", 0.5, 0},
      {"IT", 1, 120},
      {"I2T", 1, 1080},
      {"IT", 0.99, 0},
      {"I2T", 0.99, 0},
      // Form P has no test against M = 1: times run down to its C.
      {"ANSI90-EI", 0.9, 61.41},
      {"ANSI90-EI", 0.5, 0},
      {"ANSI90-EI", 0.4, 0},
      {"ANSI90-MI", 0.8, 0},
      {"ANSI90-NI", 1, 42.634},
      {"RI", 1, 2 / 0.103},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(::testing::Message() << l.nome << " M=" << l.m);
    EXPECT_NEAR(funcao(l.nome, 100, 2).calc(100 * l.m, false), l.t, 0.01);
  }
  // Just above M = 1 the inverse forms give long but finite times.
  EXPECT_NEAR(funcao("IEC-VI", 100, 1).calc(101, false), 1350, 1e-6);
}

TEST(Catalogo, LimiarRI) {
  const tFRELIGA ri = funcao("RI", 1, 1);
  EXPECT_EQ(ri.calc(0.236 / 0.339, false), 0);
  EXPECT_EQ(ri.calc(0.696, false), 0);
  EXPECT_NEAR(ri.calc(0.7, false), 1 / (0.339 - 0.236 / 0.7), 1e-9);
  EXPECT_GT(ri.calc(0.7, false), 500);
}

TEST_F(UserCurves, PickupZeroNuncaDaTempo) {
  usercurves().push_back(nova("U"));
  std::vector<std::string> nomes = curvenames();
  nomes.push_back("U");
  for (const std::string& n : nomes) {
    SCOPED_TRACE(n);
    EXPECT_EQ(funcao(n, 0, 1).calc(500, false), 0);
    EXPECT_EQ(funcao(n, 0, 1).calc(500, true), 0);
  }
}

// The read-only view of the catalogue: only built-in names have an equation,
// even when a user curve bears the name, and the F6 ones point at their table.
TEST_F(UserCurves, EquacaoSoDasCurvasDoCatalogo) {
  usercurves().push_back(nova("MINHA"));
  usercurves().push_back(nova("IEC-NI"));
  for (const char* n : {"MINHA", "OFF", "NC-OFF", "TDEF/IDEF", "", "iec-ni"})
    EXPECT_FALSE(equacao_curva(n).has_value()) << n;
  const auto q = equacao_curva("IEC-NI");
  ASSERT_TRUE(q.has_value());
  EXPECT_EQ(q->forma, 'I');
  EXPECT_EQ(q->a, 0.14);
  EXPECT_EQ(q->p, 0.02);
  const auto ri = equacao_curva("RI");
  ASSERT_TRUE(ri.has_value());
  EXPECT_EQ(ri->forma, 'R');
  EXPECT_EQ(ri->a, 0.339);
  EXPECT_EQ(ri->b, 0.236);
  for (std::size_t k = 0; k < f6tables().size(); ++k) {
    const auto f = equacao_curva("F6-" + f6tables()[k].nom);
    ASSERT_TRUE(f.has_value()) << f6tables()[k].nom;
    EXPECT_EQ(f->forma, 'F');
    EXPECT_EQ(f->tab, &f6tables()[k]);
  }
  for (const std::string& n : curvenames()) EXPECT_TRUE(equacao_curva(n).has_value()) << n;
}

// The browser offers every built-in curve, and nothing but built-in curves
// and "OFF".
TEST(Catalogo, GruposDoNavegador) {
  std::set<std::string> oferecidas;
  for (const tGRUPO_CURVAS& g : curvegroups()) {
    EXPECT_FALSE(g.curvas.empty()) << g.nome;
    for (const std::string& c : g.curvas) {
      EXPECT_TRUE(c == "OFF" || equacao_curva(c).has_value()) << g.nome << ": " << c;
      oferecidas.insert(c);
    }
  }
  for (const std::string& n : curvenames()) EXPECT_EQ(oferecidas.count(n), 1u) << n;
  EXPECT_EQ(curvegroups().front().nome, "IEC (português)");
  EXPECT_EQ(curvegroups().back().nome, "OUTRAS");
}

TEST(Catalogo, Instantaneo) {
  const double t5 = funcao("IEC-NI", 100, 1).calc(500, false);
  EXPECT_NEAR(t5, 0.14 / (std::pow(5.0, 0.02) - 1), 1e-12);
  struct {
    double cor_ins, ic;
    bool lim;
    double t;
  } const linhas[] = {
      {500, 500, true, t5},
      {500, 500.1, true, 0},
      {500, 5000, true, 0},
      {500, 500.1, false, funcao("IEC-NI", 100, 1).calc(500.1, false)},
      {0, 5000, true, funcao("IEC-NI", 100, 1).calc(5000, false)},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(::testing::Message()
                 << "cor_ins=" << l.cor_ins << " ic=" << l.ic << " lim=" << l.lim);
    EXPECT_EQ(funcao("IEC-NI", 100, 1, l.cor_ins).calc(l.ic, l.lim), l.t);
  }
  EXPECT_GT(funcao("IEC-NI", 100, 1).calc(5000, false), 0);
  // The cut comes before the table lookup, so F6 gives 0, not -1, above it.
  EXPECT_EQ(funcao("F6-133", 100, 1, 500).calc(20000, true), 0);
}

TEST(F6, Interpolacao) {
  struct {
    const char* nome;
    double ic, dt, t;
  } const linhas[] = {
      {"F6-112", 200, 1, 0.635 + (0.462 - 0.635) * std::log2(1 + 1.0 / 3)},
      {"F6-112", 200, 2, 2 * (0.635 + (0.462 - 0.635) * std::log2(1 + 1.0 / 3))},
      // Table points themselves.
      {"F6-112", 190, 1, 0.635},
      {"F6-202", 100, 1, 100},
      {"F6-141", 955.66, 1, 10.68},
      {"F6-117", 4534.37, 1, 0.02},
      // The table starts at 99.2 A, the time at 100 A lies inside its first interval.
      {"F6-112", 100, 1, 2.47 + (1.66 - 2.47) * std::log2(1 + 0.8 / 19.8)},
      // Outside: below 1 x pickup (even inside the table), below the first
      // point, at and beyond the last point.
      {"F6-112", 95, 1, -1},
      {"F6-112", 99.5, 1, -1},
      {"F6-113", 120, 1, -1},
      {"F6-112", 9130, 1, -1},
      {"F6-112", 20000, 1, -1},
      {"F6-117", 10184.72, 1, -1},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(::testing::Message() << l.nome << " ic=" << l.ic << " dt=" << l.dt);
    EXPECT_NEAR(funcao(l.nome, 100, l.dt).calc(l.ic, false), l.t, 1e-9);
  }
  EXPECT_NEAR(funcao("F6-112", 100, 1).calc(200, false), 0.5632, 5e-5);
  // Pickup scaling: 400 A over 200 A is the same multiple as 200 A over 100 A.
  EXPECT_EQ(funcao("F6-112", 200, 1).calc(400, false), funcao("F6-112", 100, 1).calc(200, false));
}

TEST(F6, Tabelas) {
  // A transcription slip shows up as a current out of order or a time that
  // is not positive.
  for (const tUSERCURVE& t : f6tables()) {
    SCOPED_TRACE(t.nom);
    EXPECT_EQ(t.ip, 100);
    EXPECT_EQ(t.dt, 1);
    EXPECT_FALSE(t.adj);
    for (int i = 1; i < 16; ++i) EXPECT_LT(t.amp[i - 1], t.amp[i]) << "ponto " << i;
    for (int i = 0; i < 16; ++i) EXPECT_GT(t.tim[i], 0) << "ponto " << i;
  }
}

TEST_F(UserCurves, Init) {
  tUSERCURVE u;
  u.nom = "x";
  u.ip = 7;
  u.adj = false;
  u.init();
  EXPECT_EQ(u.nom, "nova curva");
  EXPECT_EQ(u.ip, 1);
  EXPECT_EQ(u.dt, 1);
  EXPECT_TRUE(u.adj);
  EXPECT_EQ(u.amp[0], 1);
  EXPECT_EQ(u.tim[0], 10);
  EXPECT_NEAR(u.amp[15], 20, 1e-12);
  EXPECT_EQ(u.tim[15], 0.625);
  EXPECT_NEAR(u.amp[5], std::pow(20.0, 1.0 / 3), 1e-12);
  EXPECT_NEAR(u.tim[4], 2, 1e-12);
}

TEST_F(UserCurves, TemposDaCurvaNova) {
  usercurves().push_back(nova("U"));
  struct {
    double ic, dt, t, tol;
  } const linhas[] = {
      {1, 1, 10, 1e-12}, {1.5, 1, 3.3009, 1e-4}, {19.9, 1, 0.6258, 1e-4}, {20, 1, 0, 0},
      {25, 1, 0, 0},     {0.99, 1, 0, 0},        {1, 2, 20, 1e-12},       {1.5, 0.5, 1.65045, 1e-4},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(::testing::Message() << "ic=" << l.ic << " dt=" << l.dt);
    EXPECT_NEAR(funcao("U", 1, l.dt).calc(l.ic, false), l.t, l.tol);
  }
}

TEST_F(UserCurves, EscalaDaTabela) {
  // ip = 10 and dt = 2 scale the stored points; the function's own pickup
  // and dial apply on top.
  usercurves().push_back(escada("E"));
  const tUSERCURVE& e = usercurves()[0];
  const double t25 = 7.5 - 0.5 * std::log2(1.5);
  EXPECT_NEAR(e.calc(2.5), t25, 1e-12);
  EXPECT_NEAR(e.calc(1), 8, 1e-12);
  EXPECT_EQ(e.calc(16), 0);
  EXPECT_NEAR(funcao("E", 4, 3).calc(10, false), 3 * t25, 1e-12);
  // Below a multiple of 1 nothing operates even where the table starts lower.
  tUSERCURVE baixa = escada("B");
  baixa.amp[0] = 5;
  EXPECT_EQ(baixa.calc(0.8), 0);
  EXPECT_NEAR(baixa.calc(1), 8 - 0.5 * std::log2(1 + 1.0 / 3), 1e-12);
}

TEST_F(UserCurves, PrecedenciaDosNomes) {
  tUSERCURVE dup1 = nova("DUP");
  tUSERCURVE dup2 = escada("DUP");
  usercurves() = {dup1, dup2, escada("IEC-NI"), escada("OFF"), escada("F6-112")};
  // First of two equal names wins.
  EXPECT_NEAR(funcao("DUP", 1, 1).calc(1, false), 10, 1e-12);
  // A built-in name never reaches the user curve of the same name.
  EXPECT_NEAR(funcao("IEC-NI", 1, 1).calc(10, false), 2.9706, 1e-4);
  EXPECT_NEAR(funcao("F6-112", 100, 1).calc(200, false), 0.5632, 5e-5);
  // "OFF" is no built-in curve: a user curve of that name is used.
  EXPECT_NEAR(funcao("OFF", 1, 1).calc(2.5, false), 7.5 - 0.5 * std::log2(1.5), 1e-12);
  // Each call sees the list of that moment.
  usercurves().erase(usercurves().begin());
  EXPECT_NEAR(funcao("DUP", 1, 1).calc(1, false), 8, 1e-12);
}

TEST_F(UserCurves, NomesSemCurva) {
  for (const char* n : {"", "OFF", "NC-OFF", "iec-ni", "IEC-NI ", "F6-119", "F6-", "112"}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(funcao(n, 100, 1).calc(1000, false), 0);
  }
}

TEST_F(UserCurves, FalhasAritmeticasDaoZero) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  tUSERCURVE ip0 = nova("IP0");
  ip0.ip = 0;
  tUSERCURVE dt0 = nova("DT0");
  dt0.dt = 0;
  tUSERCURVE buraco = nova("NAN");
  buraco.tim[3] = nan;
  usercurves() = {ip0, dt0, buraco};
  EXPECT_EQ(ip0.calc(2), 0);
  EXPECT_EQ(dt0.calc(2), 0);
  struct {
    const char* nome;
    double cor_par, dt, ic, t;
  } const linhas[] = {
      {"IEC-NI", 100, 1, -1000, 0},  // fractional power of a negative multiple
      {"IEC-EI", 100, 1, -1000, 0},  // even power: no time for a negative current
      {"IEEE-VI", -100, 1, 1000, 0},
      {"IEC-NI", nan, 1, 1000, 0},
      {"IEC-NI", 100, nan, 1000, 0},
      {"IEC-NI", 100, inf, 1000, 0},
      {"IEC-NI", 1e-300, 1, 1e300, 0},  // M overflows
      {"ANSI90-NI", 100, 1, -1000, 0},
      {"RI", 100, 1, -5, 0},
      {"I2T", 100, 1, nan, 0},
      {"F6-112", 100, nan, 200, 0},
      {"F6-112", 100, 1, -200, -1},  // outside the table, not a fault
      {"IP0", 1, 1, 2, 0},
      {"DT0", 1, 1, 2, 0},
      {"NAN", 1, 1, 1.7, 0},
      {"NAN", 1, 1, 2.0, 0},
  };
  for (const auto& l : linhas) {
    SCOPED_TRACE(::testing::Message()
                 << l.nome << " cor_par=" << l.cor_par << " dt=" << l.dt << " ic=" << l.ic);
    EXPECT_EQ(funcao(l.nome, l.cor_par, l.dt).calc(l.ic, false), l.t);
  }
  // The damaged point only spoils its own two intervals.
  EXPECT_NEAR(funcao("NAN", 1, 1).calc(1, false), 10, 1e-12);
  EXPECT_EQ(funcao("NAN", 1, 1).calc(2.5, false), nova("x").calc(2.5));
  // An infinite current is no fault: the polynomial tends to its constant term.
  EXPECT_NEAR(funcao("ANSI90-NI", 100, 1).calc(inf, false), 0.0274, 1e-15);
}

TEST(TripCli, Linhas) {
  struct {
    std::vector<std::string> args;
    std::string saida;
  } const linhas[] = {
      {{"IEC-NI", "1", "1", "10"}, "10.0\t2.971\n"},
      {{"IEC-NI", "1", "0,5", "10", "2"}, "10.0\t1.485\n2.000\t5.015\n"},
      {{"IEC-VI", "100", "1", "1000", "--raw"}, "1000\t1.5\n"},
      {{"--raw", "IEC-NI", "1", "1", "10"}, "10\t2.9705986241884155\n"},
      {{"IEC-NI", "100", "1", "400", "600", "--inst", "500"}, "400.0\t4.980\n600.0\t0.000\n"},
      {{"IEC-NI", "100", "1", "--inst", "0", "600"}, "600.0\t3.837\n"},
      {{"F6-112", "100", "1", "95", "1500"}, "95.0\t-1.000\n1500\t0.035\n"},
      {{"NENHUMA", "100", "1", "1000"}, "1000\t0.000\n"},
      {{"IEC-NI", "0", "1", "1000"}, "1000\t0.000\n"},
      // 0.5625 exactly: the display form rounds the half to even.
      {{"IEC-VI", "1e2", "1", "2,5e3"}, "2500\t0.562\n"},
  };
  for (const auto& l : linhas) {
    std::string cmdline;
    for (const auto& a : l.args) cmdline += a + " ";
    SCOPED_TRACE(cmdline);
    tTRIPCMD cmd;
    EXPECT_EQ(trip_args(l.args, cmd), "");
    EXPECT_EQ(trip_text(cmd), l.saida);
  }
}

TEST(TripCli, ArgumentosInvalidos) {
  struct {
    std::vector<std::string> args;
    std::string erro;
  } const linhas[] = {
      {{}, "faltam argumentos: CURVA PICKUP DIAL e ao menos uma CORRENTE"},
      {{"IEC-NI", "1", "1"}, "faltam argumentos: CURVA PICKUP DIAL e ao menos uma CORRENTE"},
      {{"IEC-NI", "1", "1", "--raw"},
       "faltam argumentos: CURVA PICKUP DIAL e ao menos uma CORRENTE"},
      {{"IEC-NI", "x", "1", "10"}, "pickup inválido: x"},
      {{"IEC-NI", "-1", "1", "10"}, "pickup negativo: -1"},
      {{"IEC-NI", "1", "1.2.3", "10"}, "dial inválido: 1.2.3"},
      {{"IEC-NI", "1", "-0.1", "10"}, "dial negativo: -0.1"},
      {{"IEC-NI", "1", "1", "10", "dez"}, "corrente inválida: dez"},
      {{"IEC-NI", "1", "1", "1e999"}, "corrente inválida: 1e999"},
      {{"IEC-NI", "1", "1", "nan"}, "corrente inválida: nan"},
      {{"IEC-NI", "1", "1", "0"}, "a corrente deve ser positiva: 0"},
      {{"IEC-NI", "1", "1", "-5"}, "a corrente deve ser positiva: -5"},
      {{"IEC-NI", "1", "1", "10", "--inst"}, "falta o valor de --inst"},
      {{"IEC-NI", "1", "1", "10", "--inst", "muito"}, "valor inválido para --inst: muito"},
      {{"IEC-NI", "1", "1", "10", "--inst", "-3"}, "corrente instantânea negativa: -3"},
      {{"IEC-NI", "1", "1", "10", "--bruto"}, "opção desconhecida: --bruto"},
  };
  for (const auto& l : linhas) {
    std::string cmdline;
    for (const auto& a : l.args) cmdline += a + " ";
    SCOPED_TRACE(cmdline);
    tTRIPCMD cmd;
    EXPECT_EQ(trip_args(l.args, cmd), l.erro);
  }
}
