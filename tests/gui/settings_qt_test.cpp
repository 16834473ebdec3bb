#include "platform/settings_qt.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using namespace tarvinel;

namespace {

TEST(ArmazemQt, CurvasIdaEVoltaNoArquivoEApagadasNaoVoltam) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString ini = dir.filePath("tarvinel.ini");
  usercurves().clear();
  {
    tINIFILEx store(std::make_unique<tSTOREQT>(ini));
    tUSERCURVE a, b, c;
    a.init();
    a.nom = "Religador ação";
    a.ip = 0.1 + 0.2;  // not exactly representable: the bits must survive
    a.dt = 1.0 / 3.0;
    a.adj = false;
    a.tim[15] = 1e-300;
    b.init();
    b.nom = "B";
    c.init();
    c.nom = "C";
    usercurves() = {a, b, c};
    store.savecurves();
  }
  const auto saved = usercurves();
  {
    tINIFILEx store(std::make_unique<tSTOREQT>(ini));
    store.loadcurves();
    ASSERT_EQ(usercurves().size(), 3u);
    const auto& r = usercurves()[0];
    EXPECT_EQ(r.nom, "Religador ação");
    EXPECT_EQ(r.ip, saved[0].ip);
    EXPECT_EQ(r.dt, saved[0].dt);
    EXPECT_FALSE(r.adj);
    EXPECT_EQ(r.tim, saved[0].tim);
    EXPECT_EQ(r.amp, saved[0].amp);
    usercurves().erase(usercurves().begin() + 1);
    store.savecurves();
  }
  {
    tINIFILEx store(std::make_unique<tSTOREQT>(ini));
    store.loadcurves();
    ASSERT_EQ(usercurves().size(), 2u);
    EXPECT_EQ(usercurves()[0].nom, "Religador ação");
    EXPECT_EQ(usercurves()[1].nom, "C");
    EXPECT_FALSE(store.store().hassection("curvas/curva2"));
  }
  usercurves().clear();
}

TEST(ArmazemQt, ValoresDeTextoEDeTipoTrocado) {
  QTemporaryDir dir;
  const QString ini = dir.filePath("t.ini");
  {
    QSettings raw(ini, QSettings::IniFormat);
    raw.setValue("curvas/curva0/ip", "2,5");  // typed by hand as text
    raw.setValue("curvas/curva0/adj", "0");
    raw.setValue("curvas/curva0/dt", "abc");
  }
  tINIFILEx store(std::make_unique<tSTOREQT>(ini));
  store.loadcurves();
  ASSERT_EQ(usercurves().size(), 1u);
  EXPECT_EQ(usercurves()[0].nom, "CURVA 1");
  EXPECT_EQ(usercurves()[0].ip, 2.5);
  EXPECT_EQ(usercurves()[0].dt, 1.0);
  EXPECT_FALSE(usercurves()[0].adj);
  store.writestr("pfn", "coord", "/home/eng/estudos");
  EXPECT_EQ(store.readstr("pfn", "coord", ""), "/home/eng/estudos");
  EXPECT_EQ(store.readstr("geral", "sobre", "nenhuma"), "nenhuma");
  usercurves().clear();
}

}  // namespace
