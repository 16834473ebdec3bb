// The recent-files list: ten entries, most recent first, no duplicates when
// case is ignored, and its file.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "core/foundation/arquivo.h"
#include "gui/shell/recentes.h"

namespace tarvinel::teste {
namespace {

using tLISTA = std::vector<std::string>;

TEST(tRECENTESTEST, AddRules) {
  struct {
    const char* nome;
    tLISTA antes;
    std::string novo;
    tLISTA depois;
  } casos[] = {
      {"vazia", {}, "/a.coord", {"/a.coord"}},
      {"no topo", {"/a.coord"}, "/b.ajuste", {"/b.ajuste", "/a.coord"}},
      {"repetido sobe", {"/b", "/a", "/c"}, "/a", {"/a", "/b", "/c"}},
      {"outra caixa sobe com a grafia nova",
       {"/b", "/Dir/A.coord"},
       "/dir/a.COORD",
       {"/dir/a.COORD", "/b"}},
      {"acentos sem caixa", {"/x", "/Ação.coord"}, "/AÇÃO.coord", {"/AÇÃO.coord", "/x"}},
      {"nome vazio ignorado", {"/a"}, "", {"/a"}},
  };
  for (const auto& c : casos) {
    tRECENTES r;
    for (auto it = c.antes.rbegin(); it != c.antes.rend(); ++it) r.add(*it);
    ASSERT_EQ(r.lista(), c.antes) << c.nome;
    r.add(c.novo);
    EXPECT_EQ(r.lista(), c.depois) << c.nome;
  }
}

TEST(tRECENTESTEST, ElevenFilesKeepTheTenMostRecent) {
  tRECENTES r;
  for (int i = 1; i <= 11; ++i) r.add(fmt::format("/f{}.coord", i));
  ASSERT_EQ(r.lista().size(), 10u);
  EXPECT_EQ(r.lista().front(), "/f11.coord");
  EXPECT_EQ(r.lista().back(), "/f2.coord");
}

TEST(tRECENTESTEST, FileRoundTripAndFailures) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string f = QDir(dir.path()).filePath("sub/recente.txt").toStdString();
  tRECENTES r;
  r.add("/b/Projeto ção.coord");
  r.add("C:\\antigo\\x.ajuste");
  r.gravar(f);  // creates the missing folder
  tRECENTES s;
  s.ler(f);
  EXPECT_EQ(s.lista(), r.lista());

  // Missing file: empty list, nothing raised.
  s.ler(f + ".nao");
  EXPECT_TRUE(s.lista().empty());

  // A file edited by hand: CR LF, blanks, duplicates and more than ten lines.
  std::string texto = "/z.coord\r\n\r\n  /Y.coord  \r\n/z.COORD\r\n";
  for (int i = 0; i < 12; ++i) texto += fmt::format("/n{}.coord\r\n", i);
  gravarbytes(f, texto);
  s.ler(f);
  ASSERT_EQ(s.lista().size(), 10u);
  EXPECT_EQ(s.lista()[0], "/z.coord");
  EXPECT_EQ(s.lista()[1], "/Y.coord");
  EXPECT_EQ(s.lista()[2], "/n0.coord");

  // An older list in the 8-bit code page (Windows-1252 "ç").
  gravarbytes(f, std::string("/proj\xE7\x61o.coord\r\n"));
  s.ler(f);
  EXPECT_EQ(s.lista(), tLISTA{"/projçao.coord"});

  // A folder that cannot be created: silently not saved.
  gravarbytes(QDir(dir.path()).filePath("arquivo").toStdString(), "x");
  r.gravar(QDir(dir.path()).filePath("arquivo/recente.txt").toStdString());
}

}  // namespace
}  // namespace tarvinel::teste
