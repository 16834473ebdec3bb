#include "core/curves/inifile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvinel;

namespace {

// Each test starts with an empty curve list and leaves it empty.
class ArmazemDeCurvas : public ::testing::Test {
 protected:
  void SetUp() override { usercurves().clear(); }
  void TearDown() override { usercurves().clear(); }

  tUSERCURVE curva(const std::string& nome, double escala, bool adj) {
    tUSERCURVE c;
    c.init();
    c.nom = nome;
    c.ip = 5 * escala;
    c.dt = 0.25 * escala;
    c.adj = adj;
    for (std::size_t k = 0; k < 16; ++k) {
      c.tim[k] = 100.0 / (k + 1) * escala;
      c.amp[k] = std::pow(30.0, k / 15.0) * escala;
    }
    return c;
  }
};

TEST_F(ArmazemDeCurvas, IdaEVoltaDeTodosOsCampos) {
  auto mem = std::make_unique<tMEMSTORE>();
  tMEMSTORE* store = mem.get();
  tINIFILEx ini(std::move(mem));
  usercurves() = {curva("Minha A", 1, true), curva("Minha B", 3.7, false)};
  ini.savecurves();
  ASSERT_TRUE(store->hassection("curvas/curva0"));
  ASSERT_TRUE(store->hassection("curvas/curva1"));
  EXPECT_EQ(store->readint("curvas/curva1", "adj"), 0);
  EXPECT_EQ(store->readreal("curvas/curva1", "t15"), 100.0 / 16 * 3.7);

  const auto saved = usercurves();
  usercurves().clear();
  ini.loadcurves();
  ASSERT_EQ(usercurves().size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const auto& a = saved[i];
    const auto& b = usercurves()[i];
    EXPECT_EQ(b.nom, a.nom);
    EXPECT_EQ(b.ip, a.ip);
    EXPECT_EQ(b.dt, a.dt);
    EXPECT_EQ(b.adj, a.adj) << "curva " << i;
    EXPECT_EQ(b.tim, a.tim);
    EXPECT_EQ(b.amp, a.amp);
  }
}

TEST_F(ArmazemDeCurvas, CurvaApagadaNaoVolta) {
  auto mem = std::make_unique<tMEMSTORE>();
  tMEMSTORE* store = mem.get();
  tINIFILEx ini(std::move(mem));
  usercurves() = {curva("A", 1, true), curva("B", 2, true), curva("C", 3, true)};
  ini.savecurves();
  usercurves().erase(usercurves().begin() + 1);
  ini.savecurves();
  EXPECT_FALSE(store->hassection("curvas/curva2"));
  ini.loadcurves();
  ASSERT_EQ(usercurves().size(), 2u);
  EXPECT_EQ(usercurves()[0].nom, "A");
  EXPECT_EQ(usercurves()[1].nom, "C");

  usercurves().clear();
  ini.savecurves();
  EXPECT_EQ(store->sectionnames().size(), 0u);
}

TEST_F(ArmazemDeCurvas, LacunaEValoresAusentes) {
  auto mem = std::make_unique<tMEMSTORE>();
  tMEMSTORE* store = mem.get();
  store->writetext("curvas/curva0", "name", "Só nome");
  store->writereal("curvas/curva1", "ip", 2.5);           // no name: "CURVA 2"
  store->writereal("curvas/curva1", "dt", std::nan(""));  // not a number: default
  store->writetext("curvas/curva1", "adj", "0");          // wrong kind: default
  store->writetext("curvas/curva3", "name", "depois da lacuna");
  store->writetext("pfn", "coord", "/home/eng/estudos");
  tINIFILEx ini(std::move(mem));
  ini.loadcurves();
  ASSERT_EQ(usercurves().size(), 2u);

  tUSERCURVE novo;
  novo.init();
  const auto& a = usercurves()[0];
  EXPECT_EQ(a.nom, "Só nome");
  EXPECT_EQ(a.ip, 1.0);
  EXPECT_EQ(a.dt, 1.0);
  EXPECT_TRUE(a.adj);
  EXPECT_EQ(a.tim, novo.tim);
  EXPECT_EQ(a.amp, novo.amp);
  const auto& b = usercurves()[1];
  EXPECT_EQ(b.nom, "CURVA 2");
  EXPECT_EQ(b.ip, 2.5);
  EXPECT_EQ(b.dt, 1.0);
  EXPECT_TRUE(b.adj);

  // Saving two curves removes the stray section behind the gap too.
  ini.savecurves();
  EXPECT_FALSE(store->hassection("curvas/curva3"));
  EXPECT_EQ(ini.readstr("pfn", "coord", "x"), "/home/eng/estudos");
  EXPECT_EQ(ini.readstr("pfn", "ajuste", "x"), "x");
}

TEST_F(ArmazemDeCurvas, SemArmazemAbertoNadaEGravado) {
  inifile_close();
  EXPECT_FALSE(inifile_isopen());
  inifile().writestr("geral", "sobre", "v1");  // goes to a private memory store
  EXPECT_EQ(inifile().readstr("geral", "sobre", ""), "v1");
  inifile_close();
  auto mem = std::make_unique<tMEMSTORE>();
  mem->writetext("curvas/curva0", "name", "X");
  inifile_open(std::move(mem));
  ASSERT_EQ(usercurves().size(), 1u);
  EXPECT_EQ(usercurves()[0].nom, "X");
  inifile_close();
}

}  // namespace
