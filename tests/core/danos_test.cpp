// Equipment limits on the chart: the transformer through-fault curves, the
// calculated cable withstand and settings given at another voltage, checked
// against values worked out here from the published figures.

#include "core/coordination/danos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/coordchart.h"
#include "core/curves/freliga.h"
#include "registro.h"

using namespace tarvinel;

namespace {

// A chart so large that a pixel is a few hundredths of a percent of a
// decade, wide enough in time and current to hold the whole curves.
struct tGRANDE {
  tCANVASREC cv{40000, 40000};
  tCHARTX chart;
  explicit tGRANDE(tRECTX lim = {1, 1000000, 0.001, 10000}) {
    chart.canvas = &cv;
    chart.setwh(40000, 40000, 50);
    chart.limites = lim;
    chart.tensao = 13.8;
    chart.defaultpen();
  }
  // The first polyline drawn with this pen style, in real coordinates.
  std::vector<tPOINTX> linha(tPENSTYLE estilo) const {
    std::vector<tPOINTX> r;
    for (const auto& op : cv.of(tOPKIND::polyline)) {
      if (op.pen.style != estilo) continue;
      for (tPOINTI p : op.pts) r.push_back(chart.px2rl(tPOINTX{double(p.x), double(p.y)}));
      break;
    }
    return r;
  }
};

bool perto(double a, double b, double tol) {
  return std::abs(std::log(a / b)) <= tol;
}

// IEEE C57.109 thermal part, worked out from its table: points joined by
// straight lines on log-log paper, and 1250 / I^2 past 11.3 pu.
double termico_ref(double pu) {
  if (pu > 11.3) return 1250 / (pu * pu);
  const double I[] = {2, 3, 4.75, 6.3, 11.3};
  const double T[] = {1800, 300, 60, 30, 10};
  int k = 1;
  while (k < 4 && pu > I[k]) ++k;
  const double m = std::log10(T[k] / T[k - 1]) / std::log10(I[k] / I[k - 1]);
  return T[k - 1] * std::pow(10.0, m * std::log10(pu / I[k - 1]));
}

}  // namespace

TEST(Danos, CurvasDoTransformadorPorCategoria) {
  struct Caso {
    const char* nome;
    double kva, zp;
    int dano;
    bool frequente;
    double iccmax;
    int categoria;  // expected
    double quebra;  // where the frequent part leaves the thermal, x 1/Z; 0 = none
  };
  // 13.8 kV; Z of categories III and IV adds the source's In / iccmax.
  const Caso casos[] = {
      {"I 4%", 300, 4, 1, false, 0, 1, 0},
      {"I 5.5%", 500, 5.5, 1, true, 0, 1, 0},  // category I has no frequent curve
      {"I 8%", 112.5, 8, 2, false, 0, 1, 0},
      {"II 4% infrequente", 1000, 4, 1, false, 0, 2, 0},
      {"II 4% frequente", 501, 4, 1, true, 0, 2, 0},  // meets the thermal part: no drop
      {"II 5.5% infrequente", 2000, 5.5, 3, false, 0, 2, 0},
      {"II 5.5% frequente", 5000, 5.5, 1, true, 0, 2, 0.7},
      {"II 8% frequente", 2500, 8, 3, true, 0, 2, 0.7},
      {"III 4% infrequente", 5001, 4, 1, false, 30000, 3, 0},
      {"III 5.5% frequente", 10000, 5.5, 4, true, 10000, 3, 0.5},
      {"III 8% frequente", 30000, 8, 1, true, 40000, 3, 0.5},
      {"IV 8% sempre frequente", 30001, 8, 1, false, 40000, 4, 0.5},
      {"IV 5.5%", 12000, 5.5, 5, false, 20000, 4, 0.5},
  };
  for (const auto& c : casos) {
    tGRANDE g;
    tAJUSTE_TRAFO t;
    t.kva = c.kva;
    t.zp = c.zp;
    t.dano = c.dano;
    t.frequente = c.frequente;
    t.tensao = 13.8;
    t.iccmax = c.iccmax;
    t.drawto(g.chart);
    EXPECT_EQ(dano_trafo(t, 13.8, c.iccmax).categoria, c.categoria) << c.nome;

    const double in = c.kva / (std::sqrt(3.0) * 13.8);
    const double z = c.zp / 100 + (c.categoria >= 3 ? in / c.iccmax : 0);
    const auto fase = g.linha(tPENSTYLE::solid);
    const auto neutro = g.linha(tPENSTYLE::dash);
    ASSERT_GE(fase.size(), 3u) << c.nome;
    ASSERT_EQ(neutro.size(), fase.size()) << c.nome;
    EXPECT_TRUE(perto(fase.front().x, 2 * in, 1e-3) && perto(fase.front().y, 1800, 1e-3))
        << c.nome << ": starts at 2 pu, 1800 s";
    const double fim_t = c.quebra > 0 ? 2.0 : termico_ref(1 / z);
    EXPECT_TRUE(perto(fase.back().x, in / z, 1e-3) && perto(fase.back().y, fim_t, 1e-3))
        << c.nome << ": ends at 1/Z, " << fim_t << " s; drawn " << fase.back().x / in << " pu "
        << fase.back().y << " s";
    int quedas = 0;
    for (std::size_t k = 0; k < fase.size(); ++k) {
      const double pu = fase[k].x / in;
      const double t_dr = fase[k].y;
      // At the break and at 11.3 pu the curve has a vertical step: either end.
      const double q = c.quebra / z;
      std::vector<double> validos;
      if (c.quebra == 0 || pu <= q * 1.0005) validos.push_back(termico_ref(pu));
      if (c.quebra > 0 && pu >= q * 0.9995) validos.push_back(2 / (z * z * pu * pu));
      if (perto(pu, 11.3, 1e-3)) validos.push_back(1250 / (pu * pu));
      bool ok = false;
      for (double v : validos) ok = ok || perto(t_dr, v, 2e-3);
      EXPECT_TRUE(ok) << c.nome << " vertex " << k << ": " << pu << " pu at " << t_dr << " s";
      EXPECT_TRUE(perto(neutro[k].x, 0.58 * fase[k].x, 1e-3) && perto(neutro[k].y, t_dr, 1e-3))
          << c.nome << " neutral vertex " << k;
      if (k > 0 && perto(fase[k].x, fase[k - 1].x, 1e-4) && !perto(t_dr, fase[k - 1].y, 0.05))
        ++quedas;
    }
    EXPECT_EQ(quedas, c.quebra > 0 ? 1 : 0) << c.nome << ": the drop to I²t = 2/Z²";
  }
}

TEST(Danos, CurvaNoGraficoSemFonteEPontoAnsiSo) {
  tLOG log;
  tAJUSTE_TRAFO t;
  t.kva = 10000;
  t.zp = 8;
  t.dano = 1;
  t.frequente = true;
  t.tensao = 13.8;
  // Category III without iccmax: infrequent, without source, one warning.
  for (int vez = 0; vez < 2; ++vez) {
    tGRANDE g;
    t.drawto(g.chart);
    const auto fase = g.linha(tPENSTYLE::solid);
    ASSERT_FALSE(fase.empty());
    const double in = 10000 / (std::sqrt(3.0) * 13.8);
    EXPECT_TRUE(perto(fase.back().x, 12.5 * in, 1e-3) && perto(fase.back().y, 8, 1e-3));
  }
  ASSERT_EQ(log.linhas.size(), 1u) << log.tudo();
  EXPECT_NE(log.linhas[0].find('#'), std::string::npos);
  EXPECT_NE(log.linhas[0].find("III"), std::string::npos);

  // On the usual chart the curve is cut at its top, 100 s, on the thermal line.
  tCANVASREC cv{1000, 700};
  tCHARTX chart;
  chart.canvas = &cv;
  chart.setwh(1000, 700, 50);
  t.iccmax = 20000;
  t.drawto(chart);
  const auto l = cv.of(tOPKIND::polyline);
  ASSERT_FALSE(l.empty());
  const tPOINTX topo = chart.px2rl(tPOINTX{double(l[0].pts[0].x), double(l[0].pts[0].y)});
  EXPECT_NEAR(topo.y, 100, 1.5);

  // "Ponto ANSI" draws the two triangles and no line, as before.
  tCANVASREC cv2{1000, 700};
  chart.canvas = &cv2;
  t.dano = 0;
  t.drawto(chart);
  EXPECT_EQ(cv2.count(tOPKIND::polyline), 0);
  EXPECT_EQ(cv2.count(tOPKIND::polygon), 2);
}

TEST(Danos, SuportabilidadeCalculadaDoCabo) {
  struct Caso {
    double secao;
    int condutor, isolacao;
    double k;  // tabulated k of I = k S / sqrt(t)
    const char* legenda;
  };
  const Caso casos[] = {
      {25, 0, 0, 143, "Cabo 25mm² Cu XLPE"}, {400, 0, 0, 143, "Cabo 400mm² Cu XLPE"},
      {25, 0, 1, 115, "Cabo 25mm² Cu PVC"},  {400, 0, 1, 103, "Cabo 400mm² Cu PVC"},
      {25, 1, 0, 94, "Cabo 25mm² Al XLPE"},  {400, 1, 0, 94, "Cabo 400mm² Al XLPE"},
      {25, 1, 1, 76, "Cabo 25mm² Al PVC"},   {400, 1, 1, 68, "Cabo 400mm² Al PVC"},
  };
  for (const auto& c : casos) {
    tGRANDE g({1, 1000000, 0.01, 100});
    tAJUSTE_CABO cb;
    cb.cabletag = "Calculado";
    cb.secao = c.secao;
    cb.condutor = c.condutor;
    cb.isolacao = c.isolacao;
    cb.drawto(g.chart);
    const auto l = g.linha(tPENSTYLE::solid);
    ASSERT_GE(l.size(), 2u) << c.legenda;
    EXPECT_TRUE(perto(l.front().y, 5, 1e-3)) << c.legenda << ": from 5 s";
    EXPECT_TRUE(perto(l.back().y, 0.01, 1e-3)) << c.legenda << ": to the chart's lowest time";
    for (const tPOINTX& p : l)
      EXPECT_TRUE(perto(p.x, c.k * c.secao / std::sqrt(p.y), 0.01))
          << c.legenda << " at " << p.y << " s: " << p.x << " A";
    EXPECT_NE(g.cv.findtext(c.legenda), nullptr) << c.legenda;
  }
}

TEST(Danos, AjusteEmOutraTensaoDesenhaDeslocado) {
  // Every kind that draws currents: at 0.38 kV on the 13.8 kV chart its
  // marks move left by exactly log(13.8 / 0.38) on the current axis.
  struct Caso {
    const char* nome;
    std::function<std::unique_ptr<tAJUSTE>()> novo;
  };
  std::vector<tUSERCURVE> salvas = usercurves();
  tUSERCURVE u;
  u.init();
  u.nom = "DJ BT fixa";
  u.adj = false;
  for (int k = 0; k < 16; ++k) {
    u.amp[k] = 500.0 * (k + 1);
    u.tim[k] = 50.0 / (k + 1);
  }
  usercurves().push_back(u);
  u.init();  // 1 to 20 times the pickup, 10 s down to 0.625 s
  u.nom = "DJ BT";
  usercurves().push_back(u);
  const Caso casos[] = {
      {"curva do usuário",
       [] {
         auto c = std::make_unique<tAJUSTE_CURVA>();
         c->rel.nom_cur = "DJ BT fixa";
         return c;
       }},
      {"elo", [] { return std::make_unique<tAJUSTE_FUSE>(); }},
      {"inrush", [] { return std::make_unique<tAJUSTE_INRUSH>(); }},
      {"curto-circuito", [] { return std::make_unique<tAJUSTE_MINMAX>(); }},
      {"cabo calculado",
       [] {
         auto c = std::make_unique<tAJUSTE_CABO>();
         c->cabletag = "Calculado";
         return c;
       }},
  };
  const double f = 0.38 / 13.8;
  for (const auto& c : casos) {
    tGRANDE ref({0.01, 1000000, 0.01, 100});
    tGRANDE bt({0.01, 1000000, 0.01, 100});
    auto a = c.novo();
    a->drawto(ref.chart);
    a->tensao_equip = 0.38;
    a->drawto(bt.chart);
    const double dx = ref.chart.rl2px(1000 * f, 1).x - ref.chart.rl2px(1000, 1).x;
    int n = 0;
    for (tOPKIND k : {tOPKIND::line, tOPKIND::polyline, tOPKIND::ellipse}) {
      const auto r = ref.cv.of(k);
      const auto b = bt.cv.of(k);
      ASSERT_EQ(r.size(), b.size()) << c.nome << " " << k;
      for (std::size_t i = 0; i < r.size(); ++i) {
        ASSERT_EQ(r[i].pts.size(), b[i].pts.size()) << c.nome;
        for (std::size_t j = 0; j < r[i].pts.size(); ++j, ++n) {
          EXPECT_NEAR(b[i].pts[j].x, r[i].pts[j].x + dx, 1.5) << c.nome << " " << k << " " << j;
          EXPECT_NEAR(b[i].pts[j].y, r[i].pts[j].y, 1.5) << c.nome << " " << k << " " << j;
        }
      }
    }
    EXPECT_GT(n, 0) << c.nome;
    bool sufixo = false;
    for (const auto& t : bt.cv.texts()) sufixo = sufixo || t.find(" @0.38 kV") != std::string::npos;
    EXPECT_TRUE(sufixo) << c.nome << ": the legend says the voltage";
    EXPECT_DOUBLE_EQ(fator_corrente(*a, 13.8), f) << c.nome;
  }

  // A sampled user curve (and any relay function): the time drawn at a chart
  // current is the function's time at that current x 13.8 / 0.38.
  tGRANDE g({1, 100000, 0.01, 100});
  tAJUSTE_CURVA dj;
  dj.rel.nom_cur = "DJ BT";
  dj.rel.cor_par = 500;
  dj.rel.dt = 1;
  dj.rel.cor_ins = 0;
  dj.rel.idef = 0;
  dj.rel.tdef = 0;
  dj.tensao_equip = 0.38;
  dj.drawto(g.chart);
  const auto l = g.linha(tPENSTYLE::solid);
  ASSERT_GT(l.size(), 10u);
  for (const tPOINTX& p : l)
    EXPECT_TRUE(perto(p.y, dj.rel.calc(p.x / f, false), 0.01)) << p.x << " A, " << p.y << " s";
  usercurves() = salvas;

  // The current axis names its voltage only while a setting has its own.
  auto prj = prjcoord_novo();
  for (double kv : {0.0, 13.8, 0.38}) {
    prj->ajustes.Getajustes(0)->tensao_equip = kv;
    tCANVASREC cv;
    tCHARTX chart;
    drawcoord(*prj, chart, cv, 1024, 50, 768, tOPCOES_GRAF{});
    EXPECT_EQ(cv.findtext("Corrente [A] em 13.80 kV") != nullptr, kv == 0.38) << kv;
  }
}

TEST(Danos, ChavesNovasSoForaDoPadrao) {
  // Settings that use none of it write none of the new keys; a key set is
  // written after the kind's own keys and comes back from the file and in a
  // copy (the block written again is the same).
  struct Caso {
    const char* chave;
    std::function<std::unique_ptr<tAJUSTE>()> novo;
    std::function<void(tAJUSTE&)> muda;
  };
  auto trafo = [] { return std::make_unique<tAJUSTE_TRAFO>(); };
  auto cabo = [] { return std::make_unique<tAJUSTE_CABO>(); };
  auto kv = [](double v) { return [v](tAJUSTE& a) { a.tensao_equip = v; }; };
  const Caso casos[] = {
      {"dano 3", trafo, [](tAJUSTE& a) { dynamic_cast<tAJUSTE_TRAFO&>(a).dano = 3; }},
      {"frequente 1", trafo, [](tAJUSTE& a) { dynamic_cast<tAJUSTE_TRAFO&>(a).frequente = true; }},
      {"secao 2.5", cabo, [](tAJUSTE& a) { dynamic_cast<tAJUSTE_CABO&>(a).secao = 2.5; }},
      {"condutor 1", cabo, [](tAJUSTE& a) { dynamic_cast<tAJUSTE_CABO&>(a).condutor = 1; }},
      {"isolacao 1", cabo, [](tAJUSTE& a) { dynamic_cast<tAJUSTE_CABO&>(a).isolacao = 1; }},
      {"tensao_equip 0.380", [] { return std::make_unique<tAJUSTE_RELIGA>(); }, kv(0.38)},
      {"tensao_equip 0.220", [] { return std::make_unique<tAJUSTE_CURVA>(); }, kv(0.22)},
      {"tensao_equip 0.440", [] { return std::make_unique<tAJUSTE_FUSE>(); }, kv(0.44)},
      {"tensao_equip 34.500", [] { return std::make_unique<tAJUSTE_MINMAX>(); }, kv(34.5)},
      {"tensao_equip 0.127", [] { return std::make_unique<tAJUSTE_INRUSH>(); }, kv(0.127)},
      {"tensao_equip 0.480", cabo, kv(0.48)},
  };
  const std::string chaves[] = {"dano",     "frequente", "secao",
                                "condutor", "isolacao",  "tensao_equip"};
  auto sem_tab = [](const std::string& l) { return l.substr(l.find_first_not_of('\t')); };
  auto bloco = [](tAJUSTE& a) {
    tSTRINGARQ arq;
    a.exportprop(arq);
    return arq.lines();
  };
  for (const auto& c : casos) {
    auto a = c.novo();
    const auto padrao = bloco(*a);
    for (const auto& l : padrao)
      for (const auto& k : chaves) EXPECT_NE(sem_tab(l).find(k), 0u) << c.chave << ": " << l;

    c.muda(*a);
    tSTRINGARQ arq;
    a->exportprop(arq);
    const auto ls = arq.lines();
    ASSERT_EQ(ls.size(), padrao.size() + 1) << c.chave;
    EXPECT_EQ(sem_tab(ls[ls.size() - 2]), c.chave) << "after the kind's keys";
    auto b = c.novo();
    arq.next();  // the opener
    b->importprop(arq);
    EXPECT_EQ(bloco(*b), ls) << c.chave;
    EXPECT_EQ(bloco(*a->copy()), ls) << c.chave << " (copy)";
  }
}

TEST(Danos, LinhasNovasDaGrade) {
  // Each new row read back from what the user types; text outside a list
  // or a number out of bounds keeps or clips the value.
  struct Caso {
    const char* linha;
    const char* digitado;
    std::function<std::unique_ptr<tAJUSTE>()> novo;
    std::function<std::string(const tAJUSTE&)> campo;
    const char* esperado;
  };
  auto cabo = [] {
    auto c = std::make_unique<tAJUSTE_CABO>();
    c->cabletag = "Calculado";
    return c;
  };
  auto trafo = [] { return std::make_unique<tAJUSTE_TRAFO>(); };
  auto cb = [](auto campo) {
    return [campo](const tAJUSTE& a) {
      return std::to_string(dynamic_cast<const tAJUSTE_CABO&>(a).*campo);
    };
  };
  auto tr = [](auto campo) {
    return [campo](const tAJUSTE& a) {
      return std::to_string(dynamic_cast<const tAJUSTE_TRAFO&>(a).*campo);
    };
  };
  auto kv = [](const tAJUSTE& a) { return std::to_string(a.tensao_equip); };
  const Caso casos[] = {
      {"Seção [mm²]", "2.5", cabo, cb(&tAJUSTE_CABO::secao), "2.500000"},
      {"Seção [mm²]", "0", cabo, cb(&tAJUSTE_CABO::secao), "0.500000"},
      {"Seção [mm²]", "16.74", cabo, cb(&tAJUSTE_CABO::secao), "16.700000"},
      {"Condutor", "Alumínio", cabo, cb(&tAJUSTE_CABO::condutor), "1"},
      {"Condutor", "ouro", cabo, cb(&tAJUSTE_CABO::condutor), "0"},
      {"Isolação", "PVC 70-160°C", cabo, cb(&tAJUSTE_CABO::isolacao), "1"},
      {"Curva de dano", "Categoria III", trafo, tr(&tAJUSTE_TRAFO::dano), "4"},
      {"Curva de dano", "IEEE C57.109 (categoria pela potência)", trafo, tr(&tAJUSTE_TRAFO::dano),
       "1"},
      {"Falhas frequentes", "Sim", trafo, tr(&tAJUSTE_TRAFO::frequente), "1"},
      {"Tensão do equipamento [kV]", "0,38", cabo, kv, "0.380000"},
      {"Tensão do equipamento [kV]", "-1", [] { return std::make_unique<tAJUSTE_FUSE>(); }, kv,
       "0.000000"},
  };
  for (const auto& c : casos) {
    auto a = c.novo();
    tPROPGRID vl;
    a->showprop(vl);
    ASSERT_NE(vl.find(c.linha), nullptr) << c.linha;
    vl.setvalue(c.linha, c.digitado);
    a->getprop(vl);
    EXPECT_EQ(c.campo(*a), c.esperado) << c.linha << " = " << c.digitado;
  }
  // The calculated cable's rows only for "Calculado".
  tAJUSTE_CABO tabela;
  tPROPGRID vl;
  tabela.showprop(vl);
  EXPECT_EQ(vl.find("Seção [mm²]"), nullptr);
}
