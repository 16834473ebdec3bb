// The file chooser: filter text, remembered folder for the document pair,
// save mode, cancel.
#include <gtest/gtest.h>

#include "core/curves/inifile.h"
#include "gui/shell/selfile.h"
#include "support/dialogos_teste.h"

namespace tarvinel::teste {
namespace {

TEST(tSELFILETEST, FilterText) {
  struct {
    tEXTS exts;
    const char* filtro;
  } casos[] = {
      {{"coord", "ajuste"}, "Todos|*.coord;*.ajuste;|*.coord|*.coord|*.ajuste|*.ajuste"},
      {{"jpg"}, "*.jpg|*.jpg"},
      {{"txt", "csv", "prn"}, "Todos|*.txt;*.csv;*.prn;|*.txt|*.txt|*.csv|*.csv|*.prn|*.prn"},
      {{}, ""},
  };
  for (const auto& c : casos) EXPECT_EQ(filtro_sel_file(c.exts), c.filtro) << c.filtro;
}

class tSELFILE : public ::testing::Test {
 protected:
  void SetUp() override { inifile_open(std::make_unique<tMEMSTORE>()); }
  void TearDown() override { inifile_close(); }
  tROTEIRO dlg;
};

TEST_F(tSELFILE, PairRemembersItsFolder) {
  inifile().writestr("pfn", "coord", "/trabalho/antes");
  std::string nome;
  dlg->arquivos = {std::string("/trabalho/obra 7/sub.coord")};
  EXPECT_EQ(sel_file(nome, {"coord", "ajuste"}, false), true);
  EXPECT_EQ(nome, "/trabalho/obra 7/sub.coord");
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].pasta, "/trabalho/antes");
  EXPECT_EQ(dlg->pedidos[0].extpadrao, "coord");
  EXPECT_EQ(dlg->pedidos[0].salvar, false);
  EXPECT_EQ(inifile().readstr("pfn", "coord", ""), "/trabalho/obra 7");
  // The next chooser of the pair starts there.
  dlg->arquivos = {std::nullopt};
  sel_file(nome, {"coord", "ajuste"}, false);
  EXPECT_EQ(dlg->pedidos[1].pasta, "/trabalho/obra 7");
}

TEST_F(tSELFILE, OtherCountsLeaveTheFolderToThePlatform) {
  inifile().writestr("pfn", "jpg", "/imagens");
  std::string nome = "grafico";
  dlg->arquivos = {std::string("/outra/grafico.jpg")};
  EXPECT_EQ(sel_file(nome, {"jpg"}, true), true);
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].pasta, "");
  EXPECT_EQ(dlg->pedidos[0].nome, "grafico");
  EXPECT_EQ(dlg->pedidos[0].salvar, true);
  EXPECT_EQ(inifile().readstr("pfn", "jpg", ""), "/imagens");
}

TEST_F(tSELFILE, CancelLeavesNameAndFolder) {
  std::string nome = "proposto.coord";
  dlg->arquivos = {std::nullopt};
  EXPECT_EQ(sel_file(nome, {"coord", "ajuste"}, true), false);
  EXPECT_EQ(nome, "proposto.coord");
  EXPECT_EQ(inifile().readstr("pfn", "coord", "nada"), "nada");
}

}  // namespace
}  // namespace tarvinel::teste
