#include "core/coordination/ajuste.h"

#include <gtest/gtest.h>

using namespace tarvinel;

namespace {

std::vector<std::string> chaves(const tPROPGRID& vl) {
  std::vector<std::string> k;
  for (int i = 0; i < vl.count(); ++i) k.push_back(vl.row(i).key);
  return k;
}

TEST(AjusteBase, LinhasGeraisNaOrdem) {
  tAJUSTE a;
  a.caption = "Relé";
  a.color = 255;
  tPROPGRID vl;
  a.showprop(vl);
  EXPECT_EQ(chaves(vl), (std::vector<std::string>{" Dados gerais", "Nome", "Cor", "Visível",
                                                  "Observações", " Dados específicos"}));
  EXPECT_EQ(vl.value("Cor"), "$0000FF");
  EXPECT_TRUE(vl.find("Cor")->button);
  EXPECT_EQ(vl.find("Visível")->picklist, (tNOMES{"Sim", "Não"}));
  EXPECT_EQ(vl.value("Visível"), "Sim");
}

TEST(AjusteBase, LeituraDaGradeMantemOQueNaoSeLe) {
  tAJUSTE a;
  a.color = 255;
  tPROPGRID vl;
  a.showprop(vl);
  struct {
    const char* cor;
    const char* visivel;
    tCOR cor_esperada;
    bool visivel_esperado;
  } casos[] = {
      {"$FF0000", "SIM", 16711680, true},
      {"azul", "Não", 255, false},
      {"128", "NÃO", 128, true},  // accented capital: neither word
      {"", "talvez", 255, true},
  };
  for (const auto& c : casos) {
    a.color = 255;
    a.visible = true;
    vl.setvalue("Cor", c.cor);
    vl.setvalue("Visível", c.visivel);
    a.getprop(vl);
    EXPECT_EQ(a.color, c.cor_esperada) << "Cor=" << c.cor;
    EXPECT_EQ(a.visible, c.visivel_esperado) << "Visível=" << c.visivel;
  }
}

TEST(AjusteBase, CabecalhoIdaEVolta) {
  tAJUSTE a;
  a.caption = "Principal";
  a.color = 16711680;
  a.visible = false;
  a.obs = "nota {com chaves}";
  tSTRINGARQ arq;
  a.exportprop(arq);
  ASSERT_EQ(arq.count(), 6);
  EXPECT_EQ(arq[0], "header{");
  EXPECT_EQ(arq[1], "\tcaption \"Principal\"");
  EXPECT_EQ(arq[2], "\tvisible 0");
  EXPECT_EQ(arq[3], "\tcolor 16711680");
  EXPECT_EQ(arq[4], "\tobs \"nota {com chaves}\"");
  EXPECT_EQ(arq[5], "}");
  EXPECT_EQ(arq.level, 0);

  tAJUSTE b;
  ASSERT_TRUE(arq.next());  // the opener
  b.importprop(arq);
  EXPECT_EQ(b.caption, "Principal");
  EXPECT_EQ(b.color, 16711680);
  EXPECT_FALSE(b.visible);
  EXPECT_EQ(b.obs, "nota {com chaves}");

  tSTRINGARQ raro;
  raro.add("visible 2");
  raro.add("color -1");
  raro.add("}");
  tAJUSTE c;
  c.importprop(raro);
  EXPECT_FALSE(c.visible);
  EXPECT_EQ(c.color, -1);
}

TEST(AjusteBase, CopiaLevaOsCamposGuardados) {
  tAJUSTE a;
  a.caption = "X";
  a.obs = "o";
  a.color = 7;
  a.visible = false;
  a.seq = 5;
  a.paramname = "tipo";
  auto b = a.copy();
  EXPECT_EQ(b->caption, "X");
  EXPECT_EQ(b->obs, "o");
  EXPECT_EQ(b->color, 7);
  EXPECT_FALSE(b->visible);
  EXPECT_EQ(b->seq, 0);
  EXPECT_EQ(b->paramname, "");
  EXPECT_EQ(a.gethint("Tipo"), "");
  EXPECT_EQ(a.gethint("Nome"), "Nome de identificação do ajuste");
}

TEST(ListaDeAjustes, PosseOrdemEMovimento) {
  tAJUSTE_LISTA l;
  auto* a = l.add(std::make_unique<tAJUSTE>("A"));
  auto* b = l.add(std::make_unique<tAJUSTE>("B"));
  auto* c = l.add(std::make_unique<tAJUSTE>("C"));
  l.move(0, 2);
  EXPECT_EQ(l.Getajustes(0), b);
  EXPECT_EQ(l.Getajustes(1), c);
  EXPECT_EQ(l.Getajustes(2), a);
  l.move(2, -5);  // clipped
  EXPECT_EQ(l.Getajustes(0), a);
  auto tirado = l.remove(c);
  ASSERT_NE(tirado, nullptr);
  EXPECT_EQ(tirado->caption, "C");
  EXPECT_EQ(l.count(), 2);
  EXPECT_EQ(l.remove(c), nullptr);
  auto antigo = l.Setajustes(1, std::move(tirado));
  EXPECT_EQ(antigo->caption, "B");
  EXPECT_EQ(l.Getajustes(1)->caption, "C");
  l.destroyitens();
  EXPECT_EQ(l.count(), 0);
}

}  // namespace
