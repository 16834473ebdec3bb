// The manual's Markdown expansion: numbering, figures, the engine's values
// and tables, and every fault that must stop the build instead of reaching
// the reader as a raw "{{...}}".

#include "manual/expande.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tarvinel::manual;

namespace {

tMANUAL um(const std::string& texto, const tTEXTOS& ex = {}, const tTEXTOS& tab = {}) {
  return expande({{"c.md", texto}}, ex, tab);
}

bool contem(const std::string& s, const std::string& parte) {
  return s.find(parte) != std::string::npos;
}

}  // namespace

TEST(ManualExpande, NumeraCapitulosESecoesForaDoCodigo) {
  const tMANUAL m = expande({{"a.md", "# Um\n## A\n## B\n```\n# não é título\n```\n"},
                             {"b.md", "# Dois\n## C\n### sem número\n"}},
                            {}, {});
  EXPECT_TRUE(m.erros.empty());
  EXPECT_TRUE(contem(m.markdown, "# 1. Um\n## 1.1 A\n## 1.2 B\n"));
  EXPECT_TRUE(contem(m.markdown, "```\n# não é título\n```\n"));
  EXPECT_TRUE(contem(m.markdown, "# 2. Dois\n## 2.1 C\n### sem número\n"));
}

TEST(ManualExpande, FigurasGanhamLegendaNumerada) {
  const tMANUAL m =
      um("![Janela principal](tela:principal)\ntexto\n  ![Outra]( tela:x)\n![B](tela:elos)\n");
  EXPECT_TRUE(
      contem(m.markdown, "![Janela principal](tela:principal)\n\n*Figura 1 – Janela principal*\n"));
  EXPECT_TRUE(contem(m.markdown, "*Figura 2 – B*"));
  // A malformed reference is not a screenshot: left as written.
  EXPECT_TRUE(contem(m.markdown, "![Outra]( tela:x)"));
  EXPECT_EQ(m.telas, (std::vector<std::string>{"principal", "elos"}));
}

TEST(ManualExpande, ValoresETabelasDoMotor) {
  const tMANUAL m =
      um("Ib = {{ex:ib}} A e Zb = {{ex:zb}} ohm\n```\nICC3F = {{ex:ib}}\n```\n{{tabela:t}}\n",
         {{"ib", "4184"}, {"zb", "1.904"}}, {{"t", "| a |\n|---|\n| 1 |"}});
  EXPECT_TRUE(m.erros.empty());
  EXPECT_TRUE(contem(m.markdown, "Ib = 4184 A e Zb = 1.904 ohm\n"));
  EXPECT_TRUE(contem(m.markdown, "ICC3F = 4184\n"));
  EXPECT_TRUE(contem(m.markdown, "| a |\n|---|\n| 1 |\n"));
  EXPECT_FALSE(contem(m.markdown, "{{"));
}

TEST(ManualExpande, FaltasSaoListadasComArquivoELinha) {
  const tMANUAL m =
      um("linha\nx {{ex:nao}} y\n{{tabela:nada}}\ntexto {{tabela:t}}\n{{outro:z}}\n{{ex:aberto\n",
         {}, {{"t", "T"}});
  ASSERT_EQ(m.erros.size(), 5u);
  EXPECT_EQ(m.erros[0], "c.md:2: valor desconhecido \"nao\"");
  EXPECT_EQ(m.erros[1], "c.md:3: tabela desconhecida \"nada\"");
  EXPECT_EQ(m.erros[2], "c.md:4: a tabela \"t\" deve estar sozinha na linha");
  EXPECT_EQ(m.erros[3], "c.md:5: marcador desconhecido \"{{outro:z}}\"");
  EXPECT_EQ(m.erros[4], "c.md:6: marcador sem \"}}\"");
  // The faulty text stays visible instead of vanishing.
  EXPECT_TRUE(contem(m.markdown, "x {{ex:nao}} y"));
}

TEST(ManualExpande, BlocoDeCodigoSemFechamento) {
  const tMANUAL m = um("# T\n```\ncódigo\n");
  ASSERT_EQ(m.erros.size(), 1u);
  EXPECT_TRUE(contem(m.erros[0], "bloco de código sem fechamento"));
}

TEST(ManualExpande, FinsDeLinhaWindows) {
  const tMANUAL m = um("# Um\r\n{{ex:a}}\r\n", {{"a", "1"}});
  EXPECT_TRUE(m.erros.empty());
  EXPECT_TRUE(contem(m.markdown, "# 1. Um\n1\n"));
}

TEST(ManualCapitulos, PastaSemCapitulosOuInexistente) {
  EXPECT_THROW(le_capitulos(TARVINEL_SOURCE_DIR "/nao-existe"), std::runtime_error);
  EXPECT_THROW(le_capitulos(TARVINEL_SOURCE_DIR "/src/manual"), std::runtime_error);
}

// The shipped chapters resolve completely against the engine, in order, and
// hold the sections the program's own messages send the reader to.
TEST(ManualCapitulos, OManualInteiroSeResolve) {
  const auto caps = le_capitulos(TARVINEL_SOURCE_DIR "/docs/manual");
  ASSERT_GE(caps.size(), 6u);
  EXPECT_TRUE(std::is_sorted(caps.begin(), caps.end(), [](const tCAPITULO& a, const tCAPITULO& b) {
    return a.arquivo < b.arquivo;
  }));
  const tMANUAL m = expande(caps, todos_valores(), todas_tabelas());
  for (const std::string& e : m.erros) ADD_FAILURE() << e;
  EXPECT_FALSE(contem(m.markdown, "{{"));
  EXPECT_TRUE(contem(m.markdown, " Relação ICC3F/Z1\n"));
  EXPECT_TRUE(contem(m.markdown, " Editor de curva\n"));
  EXPECT_FALSE(m.telas.empty());
}
