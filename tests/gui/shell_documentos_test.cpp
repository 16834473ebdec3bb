// Document commands: the save question, closing the main window, opening by
// extension, "Salvar", "Salvar como...", documents based on a file, printing.
#include <QAction>
#include <QPointer>

#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "gui/comando.h"
#include "shell_fixture.h"

namespace tarvinel::teste {
namespace {

using tDOCTEST = tSHELL;

TEST_F(tDOCTEST, SaveQuestionAnswers) {
  registra_texto(*fm, "coord");
  const std::string alvo = caminho("salvo.coord");
  struct {
    const char* nome;
    tRESPOSTA resposta;
    std::optional<std::string> arquivo;  // answer of the name dialog, when asked
    bool fecha;
    bool gravado;
  } casos[] = {
      {"Sim com nome", tRESPOSTA::sim, alvo, true, true},
      {"Sim e nome cancelado", tRESPOSTA::sim, std::nullopt, false, false},
      {"Não", tRESPOSTA::nao, std::nullopt, true, false},
      {"Cancelar", tRESPOSTA::cancela, std::nullopt, false, false},
  };
  for (const auto& c : casos) {
    QFile::remove(QString::fromStdString(alvo));
    dlg->perguntas.clear();
    tFMBASE* w = fm->novo("coord");
    w->changed = true;
    texto(w)->prj->texto = "linha";
    dlg->respostas = {c.resposta};
    if (c.resposta == tRESPOSTA::sim) dlg->arquivos = {c.arquivo};
    tFECHAR act = tFECHAR::libera;
    fm->closeform(w, act);
    ASSERT_EQ(dlg->perguntas.size(), 1u) << c.nome;
    EXPECT_EQ(dlg->perguntas[0], "Salvar arquivo: \"novo coord\"?") << c.nome;
    EXPECT_EQ(indice(w) < 0, c.fecha) << c.nome;
    EXPECT_EQ(act, c.fecha ? tFECHAR::libera : tFECHAR::nenhum) << c.nome;
    EXPECT_EQ(QFile::exists(QString::fromStdString(alvo)), c.gravado) << c.nome;
    if (!c.fecha) {
      EXPECT_EQ(w->changed, true) << c.nome;
      EXPECT_EQ(w->curfilename, "") << c.nome;
    }
  }
  EXPECT_TRUE(dlg->imprevistos.empty()) << dlg->imprevistos.front();
}

TEST_F(tDOCTEST, SaveQuestionNamesTheFileWhenThereIsOne) {
  registra_texto(*fm, "coord");
  tFMBASE* w = fm->novo("coord");
  w->curfilename = "/tmp/x/ajuste.coord";
  w->changed = true;
  dlg->respostas = {tRESPOSTA::cancela};
  tFECHAR act = tFECHAR::libera;
  EXPECT_EQ(w->canclose(act), false);
  ASSERT_EQ(dlg->perguntas.size(), 1u);
  EXPECT_EQ(dlg->perguntas[0], "Salvar arquivo: \"/tmp/x/ajuste.coord\"?");
}

TEST_F(tDOCTEST, UnchangedDocumentClosesWithoutQuestion) {
  registra_texto(*fm, "coord");
  QPointer<tFMBASE> w = fm->novo("coord");
  tFECHAR act = tFECHAR::libera;
  fm->closeform(w, act);
  apaga_pendentes();
  EXPECT_TRUE(w.isNull());
  EXPECT_TRUE(dlg->perguntas.empty());
}

TEST_F(tDOCTEST, ClosingMainWindowNoThenCancel) {
  registra_texto(*fm, "coord");
  fm->show();
  QPointer<tFMBASE> a = fm->novo("coord");
  QPointer<tFMBASE> b = fm->novo("coord");
  a->changed = true;
  b->changed = true;
  dlg->respostas = {tRESPOSTA::nao, tRESPOSTA::cancela};
  EXPECT_EQ(fm->close(), false);
  apaga_pendentes();
  EXPECT_EQ(dlg->perguntas.size(), 2u);
  EXPECT_TRUE(a.isNull());
  ASSERT_FALSE(b.isNull());
  EXPECT_EQ(fm->tab_lst(), std::vector<tFMBASE*>{b.data()});
  EXPECT_EQ(fm->isVisible(), true);
  // With every document unchanged the window closes.
  b->changed = false;
  EXPECT_EQ(fm->close(), true);
  EXPECT_TRUE(fm->tab_lst().empty());
}

TEST_F(tDOCTEST, ClosingMainWindowStopsWhenSavingFails) {
  registra_texto(*fm, "coord");
  fm->show();
  tFMBASE* w = fm->novo("coord");
  w->changed = true;
  w->curfilename = caminho("nao/existe/pasta.coord");
  dlg->respostas = {tRESPOSTA::sim};
  EXPECT_EQ(fm->close(), false);
  EXPECT_EQ(fm->tab_lst().size(), 1u);
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(dlg->mensagens[0].icone, tICONE::erro);
  EXPECT_NE(dlg->mensagens[0].texto.find("pasta.coord"), std::string::npos)
      << dlg->mensagens[0].texto;
}

TEST_F(tDOCTEST, OpenByExtension) {
  registra_texto(*fm, "coord");
  registra_texto(*fm, "ens", false, false);
  struct {
    const char* nome;
    const char* mensagem;  // nullptr: opens
  } casos[] = {
      {"a.coord", nullptr},
      {"b.COORD", "Tipo de arquivo desconhecido."},
      {"semextensao", "Tipo de arquivo desconhecido."},
      {"c.ens", "Tipo de arquivo desconhecido."},  // relay test sheets are not opened
      {"d.ajuste", "Os arquivos \".ajuste\" ainda não podem ser abertos nesta versão do programa."},
      {"pasta.coord.bak", "Tipo de arquivo desconhecido."},
  };
  for (const auto& c : casos) {
    const std::string f = caminho(c.nome);
    gravartexto(f, std::string("conteudo ") + c.nome);
    dlg->mensagens.clear();
    const std::size_t antes = fm->tab_lst().size();
    fm->loadfile(false, f);
    // Recorded first, whatever its kind.
    ASSERT_FALSE(fm->recentes().lista().empty()) << c.nome;
    EXPECT_EQ(fm->recentes().lista().front(), f) << c.nome;
    if (c.mensagem == nullptr) {
      EXPECT_TRUE(dlg->mensagens.empty()) << c.nome;
      ASSERT_EQ(fm->tab_lst().size(), antes + 1) << c.nome;
      EXPECT_EQ(fm->xta()->curfilename, f) << c.nome;
      EXPECT_EQ(fm->xta()->caption(), f) << c.nome;
      EXPECT_EQ(texto(fm->xta())->prj->texto, std::string("conteudo ") + c.nome) << c.nome;
    } else {
      EXPECT_EQ(fm->tab_lst().size(), antes) << c.nome;
      ASSERT_EQ(dlg->mensagens.size(), 1u) << c.nome;
      EXPECT_EQ(dlg->mensagens[0].texto, c.mensagem) << c.nome;
      EXPECT_EQ(dlg->mensagens[0].icone, tICONE::erro) << c.nome;
    }
  }
}

TEST_F(tDOCTEST, UnreadableFileLeavesNoWindow) {
  registra_texto(*fm, "coord");
  const std::string f = caminho("sumiu.coord");
  const bool ok = comando([&] { fm->loadfile(false, f); });
  apaga_pendentes();
  EXPECT_EQ(ok, false);
  EXPECT_TRUE(fm->tab_lst().empty());
  EXPECT_EQ(fm->xta(), nullptr);
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_NE(dlg->mensagens[0].texto.find("sumiu.coord"), std::string::npos)
      << dlg->mensagens[0].texto;
}

TEST_F(tDOCTEST, OpenAskedWithFilterAndCancelled) {
  registra_texto(*fm, "coord");
  dlg->arquivos = {std::nullopt};
  fm->loadfile(false, "");
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].salvar, false);
  EXPECT_EQ(dlg->pedidos[0].filtro,
            "Todos|*.coord;*.ajuste;*.ens;|*.coord|*.coord|*.ajuste|*.ajuste|*.ens|*.ens");
  EXPECT_TRUE(fm->tab_lst().empty());
  EXPECT_TRUE(fm->recentes().lista().empty());
}

TEST_F(tDOCTEST, SaveNewDocumentAsksForAName) {
  registra_texto(*fm, "coord");
  tFMBASE* w = fm->novo("coord");
  w->changed = true;
  // Cancelled: nothing written, nothing recorded, state as it was.
  dlg->arquivos = {std::nullopt};
  fm->salvar();
  EXPECT_EQ(w->changed, true);
  EXPECT_EQ(w->curfilename, "");
  EXPECT_TRUE(fm->recentes().lista().empty());
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].salvar, true);
  EXPECT_EQ(dlg->pedidos[0].filtro, "*.coord|*.coord");
  EXPECT_EQ(dlg->pedidos[0].extpadrao, "coord");
  // Confirmed: written, named, recorded.
  const std::string f = caminho("novo.coord");
  dlg->arquivos = {f};
  texto(w)->prj->texto = "gravado";
  fm->salvar();
  EXPECT_EQ(lerbytes(f), "gravado");
  EXPECT_EQ(w->changed, false);
  EXPECT_EQ(w->curfilename, f);
  EXPECT_EQ(w->caption(), f);
  EXPECT_EQ(fm->recentes().lista(), std::vector<std::string>{f});
  // Saved again: no question, same file.
  texto(w)->prj->texto = "de novo";
  fm->salvar();
  EXPECT_EQ(dlg->pedidos.size(), 2u);
  EXPECT_EQ(lerbytes(f), "de novo");
}

TEST_F(tDOCTEST, SaveAsAlwaysAsksAndCancelKeepsTheFile) {
  registra_texto(*fm, "coord");
  const std::string f = caminho("orig.coord");
  gravartexto(f, "original");
  fm->loadfile(false, f);
  tFMBASE* w = fm->xta();
  fm->recentes().clear();
  dlg->arquivos = {std::nullopt};
  fm->salvarcomo();
  EXPECT_EQ(dlg->pedidos.size(), 1u);
  // The document stays tied to its file: "Salvar" writes there without asking.
  EXPECT_EQ(w->curfilename, f);
  const std::string g = caminho("copia.coord");
  dlg->arquivos = {g};
  fm->salvarcomo();
  EXPECT_EQ(w->curfilename, g);
  EXPECT_EQ(lerbytes(g), "original");
  // "Salvar como..." records nothing in the recent-files list.
  EXPECT_TRUE(fm->recentes().lista().empty());
}

TEST_F(tDOCTEST, NewBasedOnAFile) {
  registra_texto(*fm, "coord");
  const std::string f = caminho("base.coord");
  gravartexto(f, "modelo");
  fm->loadfile(true, f);
  tFMBASE* w = fm->xta();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->curfilename, "");
  EXPECT_EQ(w->caption(), "Novo com base em: base.coord");
  EXPECT_EQ(texto(w)->prj->texto, "modelo");
  texto(w)->prj->texto = "alterado";
  dlg->arquivos = {std::nullopt};
  fm->salvar();
  EXPECT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(lerbytes(f), "modelo");
}

TEST_F(tDOCTEST, PrintSetsPrintingAroundPrintexec) {
  registra_texto(*fm, "coord");
  fm->imprimir();  // nothing active: no dialog
  EXPECT_TRUE(dlg->imprevistos.empty());
  tFMBASE* w = fm->novo("coord");
  dlg->impressoes = {false, true};
  fm->imprimir();
  EXPECT_EQ(texto(w)->impressoes, 0);
  fm->imprimir();
  EXPECT_EQ(texto(w)->impressoes, 1);
  EXPECT_EQ(texto(w)->imprimindo, true);
  EXPECT_EQ(printing, false);
}

TEST_F(tDOCTEST, ExportsReachOnlyAChart) {
  registra_texto(*fm, "ajuste");
  fm->novo("ajuste");
  // With a calculation active the clipboard image export does nothing (and
  // raises nothing).
  fm->acao("SAVEJPGAREA")->trigger();
  EXPECT_TRUE(dlg->mensagens.empty());
  EXPECT_TRUE(dlg->imprevistos.empty());
}

}  // namespace
}  // namespace tarvinel::teste
