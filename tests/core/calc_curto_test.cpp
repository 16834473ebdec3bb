// Short-circuit half of the calculation: base values, the forms of the
// network impedance, the completion of the utility currents, the customer bus,
// the transformers by connection and parallel group, the smallest and largest
// currents.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/calculation/calcexec.h"

using namespace tarvinel;

namespace {

double angulo(tCPLX z) {
  return std::atan2(z.x, z.r) * 180 / std::numbers::pi;
}

struct tCALCULO {
  tPRJCALC p;
  tPRJCALCVAR c;
  std::vector<std::string> avisos;
  void roda() {
    calcexec(p, c, [this](const std::string& m) { avisos.push_back(m); });
  }
};

void espera_curto(const tCURTO& c, const tCURTO& e, double tol, const std::string& onde) {
  EXPECT_NEAR(c.ICC3F, e.ICC3F, tol) << onde;
  EXPECT_NEAR(c.ICC3FA, e.ICC3FA, tol) << onde;
  EXPECT_NEAR(c.ICCFT, e.ICCFT, tol) << onde;
  EXPECT_NEAR(c.ICCFTM, e.ICCFTM, tol) << onde;
  EXPECT_NEAR(c.ICCFTA, e.ICCFTA, tol) << onde;
}

TEST(calcexec, ExampleShortCircuit) {
  tCALCULO k;
  k.roda();
  const tPRJCALCVAR& c = k.c;
  EXPECT_NEAR(c.zb_at, 1.9044, 1e-9);
  EXPECT_NEAR(c.ib_at, 4183.7, 0.05);
  EXPECT_NEAR(c.z1c.r, 0.17591, 5e-6);
  EXPECT_NEAR(c.z1c.x, 0.03912, 5e-6);
  EXPECT_NEAR(c.z0c.r, 0.14952, 5e-6);
  EXPECT_NEAR(c.z0c.x, 0.03325, 5e-6);
  EXPECT_NEAR(c.zfltpu.r, 63.012, 5e-4);
  EXPECT_EQ(c.zfltpu.x, 0);
  EXPECT_NEAR(c.z1r.r, 3.2086, 1e-12);
  EXPECT_NEAR(c.z0r.x, 16.7438, 1e-12);
  // Ratio 1.0005: no message.
  EXPECT_TRUE(k.avisos.empty());

  espera_curto(k.p.icc_cli, {774.8, 779.8, 452.2, 159.3, 476.4}, 0.05, "barra MT/CLI");
  const tTRAFO& t1 = *k.p.trafos.Trafos(0);
  const tTRAFO& t2 = *k.p.trafos.Trafos(1);
  EXPECT_NEAR(t1.z1tr.r, 2.1891, 5e-5);
  EXPECT_NEAR(t1.z1tr.x, 21.891, 5e-4);
  EXPECT_NEAR(t2.z1tr.r, 0.59702, 5e-6);
  EXPECT_NEAR(t2.z1tr.x, 5.9702, 5e-5);
  espera_curto(t1.curto, {156.8, 193.5, 100.7, 69.8, 128.5}, 0.05, "T1");
  espera_curto(t2.curto, {382.8, 414.3, 270.4, 95.5, 301.9}, 0.05, "T2");
  EXPECT_DOUBLE_EQ(k.p.iccmax, 811);
  EXPECT_NEAR(k.p.iccmin, 69.8, 0.05);
  EXPECT_EQ(k.p.iccmin, t1.curto.ICCFTM);
  // Given currents are kept as they were.
  espera_curto(k.p.icc_con, {795, 811, 450, 307, 482}, 0, "concessionária");
}

TEST(calcexec, MissingUtilityCurrentsAreCompleted) {
  // 1 A or less counts as not given; completed in order, each one seeing the
  // values stored before it, and kept in the project.
  struct tCASO {
    const char* nome;
    tCURTO dado;
    tCURTO esperado;
  };
  const tCASO casos[] = {
      {"assimétricas", {795, 1, 450, 307, 0}, {795, 801.3, 450, 307, 476.8}},
      {"todas", {0, 0, 1, 0.5, 1}, {795.4, 801.7, 457.3, 160.3, 484.55}},
      {"ICCFT a partir da rede, ICCFTA dela",
       {795, 811, 1, 307, 1},
       {795, 811, 457.3, 307, 484.55}},
  };
  for (const tCASO& cs : casos) {
    tCALCULO k;
    k.p.icc_con = cs.dado;
    k.roda();
    espera_curto(k.p.icc_con, cs.esperado, 0.05, cs.nome);
  }
}

TEST(calcexec, NetworkImpedanceForms) {
  // Every form describing the example network gives the example's results.
  const double zb = 1.9044;
  const tCPLX z1{3.2086, 4.1679}, z0{4.7273, 16.7438};
  const tCPLX z1p{z1.magnitude(), angulo(z1)}, z0p{z0.magnitude(), angulo(z0)};
  struct tCASO {
    const char* nome;
    int forma;
    tCPLX z1, z0;
  };
  const tCASO casos[] = {
      {"pu", RED_PU, z1, z0},
      {"ohm", RED_OHM, z1 * zb, z0 * zb},
      {"ohm (polar)", RED_OHM_POLAR, {z1p.r * zb, z1p.x}, {z0p.r * zb, z0p.x}},
      {"pu (polar)", RED_PU_POLAR, z1p, z0p},
      {"forma desconhecida = pu", 9, z1, z0},
  };
  for (const tCASO& cs : casos) {
    tCALCULO k;
    k.p.red_inp_mod = cs.forma;
    k.p.z1r = cs.z1;
    k.p.z0r = cs.z0;
    k.roda();
    EXPECT_NEAR(k.c.z1r.r, 3.2086, 1e-9) << cs.nome;
    EXPECT_NEAR(k.c.z1r.x, 4.1679, 1e-9) << cs.nome;
    EXPECT_NEAR(k.c.z0r.r, 4.7273, 1e-9) << cs.nome;
    EXPECT_NEAR(k.c.z0r.x, 16.7438, 1e-9) << cs.nome;
    EXPECT_NEAR(k.p.icc_cli.ICC3F, 774.8, 0.05) << cs.nome;
    // What the user entered is never rewritten.
    EXPECT_EQ(k.p.z1r.r, cs.z1.r) << cs.nome;
    EXPECT_EQ(k.p.red_inp_mod, cs.forma) << cs.nome;
  }
  // The ohm example of the manual: 6.1104 + j7.9373 ohm.
  tCALCULO k;
  k.p.red_inp_mod = RED_OHM;
  k.p.z1r = {6.1104, 7.9373};
  k.p.z0r = z0 * zb;
  k.roda();
  EXPECT_NEAR(k.c.z1r.r, 3.2086, 5e-5);
  EXPECT_NEAR(k.c.z1r.x, 4.1679, 5e-5);
}

TEST(calcexec, AutomaticImpedanceFromUtilityCurrents) {
  tCALCULO k;
  k.p.red_inp_mod = RED_AUTOMATICO;
  k.p.z1r = {0, 0};  // never read in this form, never changed
  k.roda();
  EXPECT_NEAR(k.c.z1r.magnitude(), 5.2625, 5e-5);
  EXPECT_NEAR(angulo(k.c.z1r), 61.35, 0.005);
  EXPECT_NEAR(k.c.z0r.r, 8.3258, 5e-5);
  EXPECT_NEAR(k.c.z0r.x, 15.2404, 5e-5);
  EXPECT_NEAR(k.p.icc_cli.ICC3F, 777.2, 0.05);
  EXPECT_NEAR(k.p.icc_cli.ICCFT, 444.6, 0.05);
  EXPECT_EQ(k.p.z1r.r, 0);
  EXPECT_TRUE(k.avisos.empty());
}

TEST(calcexec, PlausibilityMessage) {
  struct tCASO {
    double icc3f;
    bool aviso;
  };
  // Ib/|Z1| = 795.40 A for the example network; the message outside 0.9..1.05.
  const tCASO casos[] = {{795, false}, {883, false}, {884, true}, {758, false}, {757, true}};
  for (const tCASO& cs : casos) {
    tCALCULO k;
    k.p.icc_con.ICC3F = cs.icc3f;
    k.roda();
    ASSERT_EQ(k.avisos.size(), cs.aviso ? 1u : 0u) << "ICC3F " << cs.icc3f;
    if (cs.aviso) {
      EXPECT_EQ(k.avisos[0],
                "O valores de ICC3F-CONS e ICC3F-MT/CLI devem ser parecidos, verifique seus "
                "dados.\rVeja no manual o item \"Relação ICC3F/Z1\".");
    }
    // Advisory only: the run completes.
    EXPECT_NEAR(k.p.icc_cli.ICC3F, 774.8, 0.05) << "ICC3F " << cs.icc3f;
  }
}

TEST(calcexec, Connections) {
  // Both example transformers in each grounded connection; values computed by
  // hand from the formulas of the connection (ztt over the whole zero-sequence
  // path for the star-star ones).
  struct tCASO {
    int lig;
    tCURTO t1, t2;  // ICC3F and ICC3FA do not depend on the connection
  };
  const tCASO casos[] = {
      {LIG_DYA, {156.8, 193.5, 100.7, 69.8, 128.5}, {382.8, 414.3, 270.4, 95.5, 301.9}},
      {LIG_YAYA, {156.8, 193.5, 135.4, 103.0, 169.6}, {382.8, 414.3, 278.0, 143.0, 314.8}},
      {LIG_YAYI, {156.8, 193.5, 69.6, 62.8, 92.6}, {382.8, 414.3, 182.4, 121.3, 219.8}},
      {LIG_DD, {156.8, 193.5, 0, 0, 0}, {382.8, 414.3, 0, 0, 0}},
  };
  for (const tCASO& cs : casos) {
    tCALCULO k;
    for (const auto& t : k.p.trafos) t->lig = cs.lig;
    k.roda();
    const std::string nome = ligname(cs.lig);
    const tTRAFO& t1 = *k.p.trafos.Trafos(0);
    espera_curto(t1.curto, cs.t1, 0.05, nome + " T1");
    espera_curto(k.p.trafos.Trafos(1)->curto, cs.t2, 0.05, nome + " T2");
    if (cs.lig == LIG_DD) {
      EXPECT_EQ(k.p.iccmin, 0) << nome;
    } else {
      const double m = cs.lig == LIG_YAYA ? 1 : cs.lig == LIG_YAYI ? 5 : 0.85;
      EXPECT_NEAR(t1.z0tr.r, m * t1.z1tr.r, 1e-12) << nome;
      EXPECT_NEAR(t1.z0tr.x, m * t1.z1tr.x, 1e-12) << nome;
    }
  }
}

TEST(calcexec, DeltaDeltaKeepsItsImpedancesUntouched) {
  tCALCULO k;
  tTRAFO& t = *k.p.trafos.Trafos(0);
  t.lig = LIG_DD;
  t.z0tr = {1, 2};
  t.ztt = {3, 4};
  k.roda();
  EXPECT_EQ(t.z0tr.x, 2);
  EXPECT_EQ(t.ztt.r, 3);
  EXPECT_EQ(t.curto.ICCFTA, 0);
  EXPECT_EQ(k.p.iccmin, 0);
}

TEST(calcexec, ParallelGroup) {
  // Two 500 kVA 5 % in parallel: each gets the combination, 10·100/200 = 5 pu,
  // half of the 10 pu each would get alone.
  tCALCULO k;
  k.p.trafos.Trafos(0)->init(500, 5, 8, LIG_DYA, true);
  k.p.trafos.Trafos(1)->init(500, 5, 8, LIG_DYA, true);
  k.roda();
  for (int i = 0; i < 2; ++i) {
    const tTRAFO& t = *k.p.trafos.Trafos(i);
    EXPECT_NEAR(t.z1tr.magnitude(), 5, 1e-12) << "T" << i + 1;
    EXPECT_NEAR(t.z1tr.x / t.z1tr.r, 10, 1e-12) << "T" << i + 1;
  }

  // A group of two different ones beside a single transformer: the group's
  // members share 10·Sb/K at their own X/R; the single one keeps its own.
  tCALCULO g;
  g.p.trafos.Trafos(0)->init(500, 5, 8, LIG_DYA, true);
  g.p.trafos.Trafos(0)->xr = 4;
  g.p.trafos.Trafos(1)->init(1000, 6, 8, LIG_DYA, true);
  tTRAFO* s = g.p.trafos.novotrafo();
  s->init(300, 4, 8, LIG_DYA, false);
  g.roda();
  const double k_par = 500 / 5.0 + 1000 / 6.0;
  EXPECT_NEAR(g.p.trafos.Trafos(0)->z1tr.magnitude(), 1000 / k_par, 1e-12);
  EXPECT_NEAR(g.p.trafos.Trafos(0)->z1tr.x / g.p.trafos.Trafos(0)->z1tr.r, 4, 1e-12);
  EXPECT_NEAR(g.p.trafos.Trafos(1)->z1tr.magnitude(), 3.75, 1e-12);
  EXPECT_NEAR(s->z1tr.magnitude(), 10 * 100 * 4 / 300.0, 1e-12);
  EXPECT_FALSE(s->prll);
}

}  // namespace
