// Page layout of the printed calculation report: full pages, section rules
// that open a new page, and the degenerate pages that must still end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calculation/paginacao.h"

using namespace tarvinel;

namespace {

using tLINHAS = std::vector<std::string>;
const std::string REGUA(62, '=');

// "página:y" of every line, for readable failures.
std::string mapa(const std::vector<tPOSLINHA>& pos) {
  std::string s;
  for (const auto& p : pos) s += std::to_string(p.pagina) + ":" + std::to_string(p.y) + " ";
  return s;
}

}  // namespace

TEST(paginar, TableOfLayouts) {
  // h = 10: lines at 20, 30, ...; a page of height 100 is full past y = 80,
  // and a rule opens a new page once y is past 50.
  struct tCASO {
    const char* nome;
    tLINHAS linhas;
    int altura;
    std::string esperado;
  };
  const std::vector<tCASO> casos = {
      {"vazio", {}, 100, ""},
      {"cabe numa página", {"a", "b", "c"}, 100, "0:20 0:30 0:40 "},
      {"página cheia",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9"},
       100,
       "0:20 0:30 0:40 0:50 0:60 0:70 0:80 1:20 1:30 "},
      {"régua no início da página fica", {REGUA, "a"}, 100, "0:20 0:30 "},
      {"régua até 5h fica", {"a", "b", "c", REGUA}, 100, "0:20 0:30 0:40 0:50 "},
      {"régua depois de 5h abre página",
       {"a", "b", "c", "d", REGUA, "x"},
       100,
       "0:20 0:30 0:40 0:50 1:20 1:30 "},
      {"um só '=' não é régua",
       {"a", "b", "c", "d", "=", "x"},
       100,
       "0:20 0:30 0:40 0:50 0:60 0:70 "},
      {"régua de '-' não abre página",
       {"a", "b", "c", "d", "-----"},
       100,
       "0:20 0:30 0:40 0:50 0:60 "},
      {"linha vazia ocupa lugar", {"", "", "a"}, 100, "0:20 0:30 0:40 "},
      {"página menor que uma linha", {"a", "b", "c"}, 5, "0:20 1:20 2:20 "},
      {"altura negativa", {"a", "b"}, -50, "0:20 1:20 "},
      // Keeping a block's head together: an item title with its rule, the
      // table's header and its first row never stay alone at the foot.
      {"cabeçalho de tabela não fica sozinho no pé",
       {"1", "2", "3", "4", "5", "", "1.1) Item", "-----", "Local  3F", "Barra  100", "Barra  200"},
       100,
       "0:20 0:30 0:40 0:50 0:60 0:70 1:20 1:30 1:40 1:50 1:60 "},
      {"bloco curto que cabe fica",
       {"1", "2", "3", "", "T", "H", "r"},
       100,
       "0:20 0:30 0:40 0:50 0:60 0:70 0:80 "},
      {"cabeça de cinco linhas até o fim cabe",
       {"1", "", "T", "-", "H1", "H2", "r1", "r2"},
       100,
       "0:20 0:30 0:40 0:50 0:60 0:70 0:80 1:20 "},
      {"bloco maior que a página no topo fica",
       {"a", "b", "c", "d", "e", "f", "g", "h"},
       100,
       "0:20 0:30 0:40 0:50 0:60 0:70 0:80 1:20 "},
  };
  for (const auto& c : casos)
    EXPECT_EQ(mapa(paginar(c.linhas, c.altura, 10)), c.esperado) << c.nome;
}

TEST(paginar, TitleBlockAfterFullPageIsNotSplitAgain) {
  // A title of the report is blank, rule, "n) text", rule. When the blank
  // line fills the page, the first rule lands on a fresh page and must stay
  // there, and the second rule (at 4h on that page) must not open another.
  tLINHAS l(6, "x");  // y = 20..70 on page 0
  l.insert(l.end(), {"", REGUA, "1) Título", REGUA, "texto"});
  const auto pos = paginar(l, 100, 10);
  EXPECT_EQ(mapa(pos), "0:20 0:30 0:40 0:50 0:60 0:70 0:80 1:20 1:30 1:40 1:50 ");
  EXPECT_EQ(paginas(pos), 2);
}

TEST(paginar, LineHeightBelowOneCountsAsOne) {
  EXPECT_EQ(mapa(paginar({"a", "b"}, 100, 0)), "0:2 0:3 ");
  EXPECT_EQ(mapa(paginar({"a"}, 100, -7)), "0:2 ");
}

TEST(paginar, PageCount) {
  EXPECT_EQ(paginas({}), 1);
  tLINHAS l(1000, "linha");
  // 10 lines per page of height 130 with h = 10 (y = 20..110).
  EXPECT_EQ(paginas(paginar(l, 130, 10)), 100);
}
