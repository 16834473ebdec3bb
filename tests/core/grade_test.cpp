#include "core/foundation/grade.h"

#include <gtest/gtest.h>

#include "core/foundation/estado.h"

using namespace tarvinel;

namespace {

tPROPGRID grade(std::initializer_list<std::pair<const char*, const char*>> rows) {
  tPROPGRID vl;
  for (const auto& [k, v] : rows) vl.setvalue(k, v);
  return vl;
}

TEST(GradeDePropriedades, ValoresNaOrdemDaPrimeiraGravacao) {
  tPROPGRID vl;
  vl.setvalue(" Dados gerais", "");
  vl.setvalue("Nome", "A");
  vl.setvalue("Cor", "$000000");
  vl.setvalue("Nome", "B");  // replaces, does not append
  ASSERT_EQ(vl.count(), 3);
  EXPECT_EQ(vl.row(1).key, "Nome");
  EXPECT_EQ(vl.row(1).value, "B");
  EXPECT_TRUE(vl.row(0).section());
  EXPECT_FALSE(vl.row(1).section());
  EXPECT_EQ(vl.value("Inexistente"), "");
}

TEST(GradeDePropriedades, LeituraSimNao) {
  struct {
    const char* value;
    bool fallback, expected;
  } cases[] = {
      {"Sim", false, true},   {"SIM", false, true},   {"Não", true, false}, {"NÃO", true, true},
      {"NÃO", false, false},  {"talvez", true, true}, {"0", true, false},   {"yes", false, true},
      {"FALSE", true, false}, {"", true, true},
  };
  for (const auto& c : cases) {
    const auto vl = grade({{"Visível", c.value}});
    EXPECT_EQ(vl_getbool(vl, "Visível", c.fallback), c.expected)
        << "valor \"" << c.value << "\" com padrão " << c.fallback;
  }
  EXPECT_EQ(vl_getbool(tPROPGRID{}, "Visível", true), true);
}

TEST(GradeDePropriedades, InteirosIndicesEListas) {
  const auto vl =
      grade({{"Cor", "$FF0000"}, {"Posição", "Baixo"}, {"Vazio", ""}, {"Txt", "baixo"}});
  EXPECT_EQ(vl_getint(vl, "Cor", 3, 0, 0), 16711680);
  EXPECT_EQ(vl_getint(vl, "Falta", 3, 0, 0), 3);
  EXPECT_EQ(vl_getint(vl, "Vazio", 20, 1, 100), 20);
  const tNOMES pos = {"Centro", "Cima", "Baixo"};
  EXPECT_EQ(vl_getindex(vl, "Posição", pos), 2);
  EXPECT_EQ(vl_getindex(vl, "Txt", pos), 0);
  EXPECT_EQ(vl_getindex(vl, "Falta", pos), 0);
  EXPECT_EQ(vl_getstr(vl, "Falta", "padrão"), "padrão");
  EXPECT_EQ(vl_getstr(vl, "Vazio", "padrão"), "");
  EXPECT_EQ(vl_getreal(vl, "Vazio", 1.5, 0, 0), 1.5);

  tPROPGRID g = grade({{"Visível", "Sim"}});
  vl_picklist(g, "Visível", {"Sim", "Não"});
  vl_picklist(g, "Visível", {"X", "Y", "Z"});
  EXPECT_EQ(g.find("Visível")->picklist, (tNOMES{"Sim", "Não"}));
  vl_picklist(g, "Falta", {"X"});  // no row, nothing happens
  EXPECT_EQ(g.count(), 1);
}

TEST(Tabela, TitulosDimensionamEColunas) {
  tTABELA sg;
  sg.textwidth = [](std::string_view t) { return static_cast<int>(t.size()) * 8; };
  sg_titles(sg, {"#", "Iref [A]", "250"});
  ASSERT_EQ(sg.colcount(), 3);
  EXPECT_EQ(sg.cell(1, 0), "Iref [A]");
  EXPECT_EQ(sg.colwidth(0), 8 + 10);
  EXPECT_EQ(sg.colwidth(1), 64 + 10);
  EXPECT_EQ(sg.colwidth(2), 250);  // an integer title sets the width itself
  sg_titles(sg, {"5000"});
  EXPECT_EQ(sg.colwidth(0), 1000);

  sg.setrowcount(3);
  sg_setrow(sg, 2, {"a", "b"});
  EXPECT_EQ(sg.cell(0, 2), "a");
  EXPECT_EQ(sg.cell(1, 2), "b");  // grew to fit
  sg_setrow(sg, 2, {"c"});
  EXPECT_EQ(sg.cell(1, 2), "b");  // untouched beyond the list
  EXPECT_EQ(sg.cell(9, 9), "");
}

TEST(EstadoDoProcesso, MensagensSoComDestino) {
  EXPECT_EQ(versionline, "???");
  xprint("perdida");  // no sink: nothing happens, nothing raised
  std::vector<std::string> got;
  set_sink([&](const std::string& s) { got.push_back(s); });
  xprintf("[%d]", 3);
  xprint("Aplicando alterações e gerando relatório.");
  xprint("100%% pronto");
  xprint("sem argumento %d");  // a stray directive passes as it is
  xprintf("%-10s|", "ação");
  xprintf("%.2f", 1.005);
  set_sink(nullptr);
  xprint("perdida de novo");
  ASSERT_EQ(got.size(), 6u);
  EXPECT_EQ(got[0], "[3]");
  EXPECT_EQ(got[1], "Aplicando alterações e gerando relatório.");
  EXPECT_EQ(got[2], "100% pronto");
  EXPECT_EQ(got[3], "sem argumento %d");
  EXPECT_EQ(got[4], "ação      |");  // padded by characters, not bytes
  EXPECT_EQ(got[5], "1.00");
}

TEST(EstadoDoProcesso, ImpressaoVoltaAFalsoMesmoComExcecao) {
  EXPECT_FALSE(printing);
  try {
    tPRINTSCOPE scope;
    EXPECT_TRUE(printing);
    throw std::runtime_error("falha");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(printing);
}

}  // namespace
