// The example studies shipped with the program: where the program finds their
// folder, and "Abrir" starting there for a user with no recent files.
#include <QAction>
#include <QFile>
#include <QToolButton>

#include "core/foundation/estado.h"
#include "gui/shell/ajuda.h"
#include "gui/shell/fmnovo.h"
#include "gui/shell/instala.h"
#include "shell_fixture.h"

namespace tarvinel::teste {
namespace {

using tEXEMPLOS = tSHELL;

bool cria_pasta(const std::string& p) {
  return QDir().mkpath(QString::fromStdString(p));
}

bool cria_arquivo(const std::string& p) {
  QFile f(QString::fromStdString(p));
  return f.open(QIODevice::WriteOnly) && f.write("exemplo") == 7;
}

TEST_F(tEXEMPLOS, PastaDoProgramaAntesDaInstalacao) {
  const std::string bin = caminho("bin");
  ASSERT_TRUE(cria_pasta(bin));
  EXPECT_EQ(pasta_exemplos(bin), "");

  // Installed: <prefix>/bin/tarvinel and <prefix>/share/tarvinel/exemplos.
  const std::string instalada = caminho("share/tarvinel/exemplos");
  ASSERT_TRUE(cria_pasta(instalada));
  EXPECT_EQ(pasta_exemplos(bin), instalada);

  // A build (or a portable copy) keeps them beside the program; that copy wins.
  ASSERT_TRUE(cria_pasta(caminho("bin/exemplos")));
  EXPECT_EQ(pasta_exemplos(bin), caminho("bin/exemplos"));

  // A file of that name is not the folder.
  ASSERT_TRUE(cria_pasta(caminho("outro/bin")));
  ASSERT_TRUE(cria_arquivo(caminho("outro/bin/exemplos")));
  EXPECT_EQ(pasta_exemplos(caminho("outro/bin")), "");
}

TEST_F(tEXEMPLOS, AbrirComecaNosExemplosEnquantoNaoHaRecentes) {
  registra_texto(*fm, "coord");
  const std::string exemplos = caminho("exemplos");
  ASSERT_TRUE(cria_pasta(exemplos));
  fm->set_exemplos(exemplos);
  // A folder remembered by the chooser does not matter to a user who has
  // opened nothing yet.
  inifile().writestr("pfn", "coord", "/trabalho/antes");

  dlg->arquivos = {std::nullopt, std::nullopt};
  fm->acao("OPEN")->trigger();
  fm->loadfile(true, "");  // "Novo baseado em um arquivo"
  ASSERT_EQ(dlg->pedidos.size(), 2u);
  EXPECT_EQ(dlg->pedidos[0].pasta, exemplos);
  EXPECT_EQ(dlg->pedidos[1].pasta, exemplos);
  EXPECT_EQ(dlg->pedidos[0].filtro,
            "Todos|*.coord;*.ajuste;*.ens;|*.coord|*.coord|*.ajuste|*.ajuste|*.ens|*.ens");
  EXPECT_TRUE(fm->recentes().lista().empty());

  // An example opened from there: it is a recent file now and its folder is
  // remembered as any other.
  const std::string arq = exemplos + "/subestacao.coord";
  ASSERT_TRUE(cria_arquivo(arq));
  dlg->arquivos = {arq};
  fm->acao("OPEN")->trigger();
  ASSERT_EQ(fm->tab_lst().size(), 1u);
  EXPECT_EQ(fm->recentes().lista(), std::vector<std::string>{arq});
  EXPECT_EQ(inifile().readstr("pfn", "coord", ""), exemplos);

  // From then on "Abrir" starts where the chooser was last used, as always.
  inifile().writestr("pfn", "coord", "/trabalho/obra 7");
  dlg->arquivos = {std::nullopt};
  fm->acao("OPEN")->trigger();
  ASSERT_EQ(dlg->pedidos.size(), 4u);
  EXPECT_EQ(dlg->pedidos[3].pasta, "/trabalho/obra 7");
}

TEST_F(tEXEMPLOS, SemPastaDeExemplosAbrirComoAntes) {
  registra_texto(*fm, "coord");
  fm->set_exemplos("");
  inifile().writestr("pfn", "coord", "/trabalho/antes");
  dlg->arquivos = {std::nullopt};
  fm->loadfile(false, "");
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].pasta, "/trabalho/antes");
}

TEST_F(tEXEMPLOS, BotaoAbrirDaTelaDeBoasVindas) {
  const std::string versao = versionline;
  instala_sobre_novo(*fm);
  versionline = versao;
  auto* novo = fm->findChild<TfmNOVO*>();
  ASSERT_NE(novo, nullptr);
  const std::string exemplos = caminho("exemplos");
  ASSERT_TRUE(cria_pasta(exemplos));
  fm->set_exemplos(exemplos);

  // A new user: nothing in the list, the chooser opens among the examples.
  novo->show();
  dlg->arquivos = {std::nullopt};
  novo->Button3()->click();
  EXPECT_EQ(novo->isVisible(), false);
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].pasta, exemplos);

  // A user with recent files: the folder the chooser remembers.
  fm->lis_rec_add("/trabalho/sub.coord");
  novo->show();
  dlg->arquivos = {std::nullopt};
  novo->Button3()->click();
  ASSERT_EQ(dlg->pedidos.size(), 2u);
  EXPECT_EQ(dlg->pedidos[1].pasta, "");
}

}  // namespace
}  // namespace tarvinel::teste
