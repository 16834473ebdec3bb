// Nothing the user typed or did is lost: a value still in the cell editor
// reaches the file, every edit asks before closing, an open document is not
// opened twice and a shipped example is never saved over.

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <string>

#include "core/foundation/arquivo.h"
#include "gui/calculation/fmcalc.h"
#include "gui/coordination/coordx.h"
#include "gui/vlprop.h"
#include "shell_fixture.h"

namespace tarvinel::teste {
namespace {

class tFIDELIDADE : public tSHELL {
 protected:
  // Keys typed into the editor of a row, without Enter.
  static QLineEdit* digita(tVLPROP* v, const std::string& key, const QString& texto) {
    v->seleciona(key);
    v->edit(v->currentIndex());
    auto* ed = v->viewport()->findChild<QLineEdit*>();
    if (ed == nullptr) return nullptr;
    ed->selectAll();
    for (const QChar ch : texto) {
      QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(ed, &k);
    }
    return ed;
  }
};

TEST_F(tFIDELIDADE, ValorNoEditorEntraAoSalvarEAoFechar) {
  registra_coord(*fm);
  fm->show();
  for (const bool fecha : {false, true}) {
    fm->acao("NOVOCOORD")->trigger();
    auto* c = dynamic_cast<TfmCOORD*>(fm->xta());
    ASSERT_NE(c, nullptr);
    ASSERT_NE(digita(c->vlITEM, "Nome", "Cabo 1 \"novo\""), nullptr);
    // Typing alone offers Apply.
    EXPECT_TRUE(c->btAPLICAR->isEnabled()) << "fecha " << fecha;
    const std::string arq = caminho(fecha ? "fecha.coord" : "salva.coord");
    dlg->arquivos = {arq};
    if (fecha) {
      dlg->respostas = {tRESPOSTA::sim};
      tFECHAR act = tFECHAR::libera;
      fm->closeform(c, act);
      EXPECT_EQ(dlg->perguntas.size(), 1u) << "the typed value is a change to ask about";
    } else {
      fm->acao("SAVE")->trigger();
      EXPECT_FALSE(c->changed);
      EXPECT_FALSE(c->btAPLICAR->isEnabled());
    }
    const auto ls = lerlinhas(arq);
    EXPECT_NE(
        std::find(ls.begin(), ls.end(), "\t\t\tcaption \"Cabo 1 \xE2\x80\x9Dnovo\xE2\x80\x9D\""),
        ls.end())
        << "fecha " << fecha;
  }
}

// Each edit of a chart or calculation not yet applied or saved makes closing
// ask the save question.
TEST_F(tFIDELIDADE, CadaEdicaoPedeAPerguntaAoFechar) {
  struct tCASO {
    const char* nome;
    std::function<void(TfmCOORD&)> faz;
  };
  const tCASO casos[] = {
      {"incluir", [](TfmCOORD& c) { c.pmAJUSTE->actions().at(2)->trigger(); }},
      {"excluir", [](TfmCOORD& c) { c.Button3->click(); }},
      {"subir", [](TfmCOORD& c) { c.Image1->click(); }},
      {"grade",
       [](TfmCOORD& c) {
         const int r = c.vlITEM->grid()->indexof("Nome");
         c.vlITEM->model()->setData(c.vlITEM->model()->index(r, 1), "X", Qt::EditRole);
         emit c.vlITEM->alterado("Nome");
       }},
  };
  for (const auto& k : casos) {
    auto c = novocoord();
    ASSERT_FALSE(c->changed) << k.nome;
    k.faz(*c);
    EXPECT_TRUE(c->changed) << k.nome;
    dlg->perguntas.clear();
    dlg->respostas = {tRESPOSTA::nao};
    tFECHAR act = tFECHAR::libera;
    EXPECT_TRUE(c->canclose(act)) << k.nome;
    EXPECT_EQ(dlg->perguntas.size(), 1u) << k.nome;
  }
  auto calc = novocalc();
  ASSERT_FALSE(calc->changed);
  calc->btINSERT->click();
  EXPECT_TRUE(calc->changed) << "transformador incluído";
}

TEST_F(tFIDELIDADE, ArquivoAbertoVemParaAFrenteEExemploAbreComoNovo) {
  registra_texto(*fm, "coord");
  const std::string a = caminho("a.coord");
  gravartexto(a, "estudo");
  fm->loadfile(false, a);
  ASSERT_EQ(fm->tab_lst().size(), 1u);
  tFMBASE* primeiro = fm->xta();
  gravartexto(caminho("outro.coord"), "outro");
  fm->loadfile(false, caminho("outro.coord"));
  ASSERT_EQ(fm->tab_lst().size(), 2u);
  // The same file under another spelling of its name.
  fm->loadfile(false, dir.path().toStdString() + "/./a.coord");
  EXPECT_EQ(fm->tab_lst().size(), 2u);
  EXPECT_EQ(fm->xta(), primeiro);

  // A shipped example opens as a new document based on it.
  const std::string exemplos = caminho("exemplos");
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(exemplos)));
  const std::string ex = exemplos + "/subestacao.coord";
  gravartexto(ex, "exemplo");
  fm->set_exemplos(exemplos);
  fm->loadfile(false, ex);
  ASSERT_EQ(fm->tab_lst().size(), 3u);
  EXPECT_EQ(fm->xta()->curfilename, "");
  EXPECT_EQ(fm->xta()->caption(), "Novo com base em: subestacao.coord");
  dlg->arquivos = {std::nullopt};
  fm->acao("SAVE")->trigger();
  EXPECT_EQ(lerbytes(ex), "exemplo");
}

}  // namespace
}  // namespace tarvinel::teste

namespace tarvinel::teste {
namespace {

// One rule for every grid's "..." button: which chooser opens, and the colour
// keeps only its 24 bits, in the calculation's relay grids as in the chart's.
TEST(EscolheBotao, MesmaRegraEmTodaGrade) {
  struct tCASO {
    const char* key;
    const char* esperado;  // nullptr: no chooser
  };
  const tCASO casos[] = {
      {"Cor", "$0000FF"},
      {"FASE.Curva Principal", "IEC-VI"},
      {"Curva Principal", "IEC-VI"},
      {"NEUT.Curva Principal", "IEC-VI"},
      {"1° ELO", "25K"},
      {"Nome", nullptr},
  };
  tROTEIRO dlg;
  for (const auto& c : casos) {
    dlg->cores = {0xFF0000FFu};
    dlg->curvas = {std::string("IEC-VI")};
    dlg->elos = {std::string("25K")};
    const auto r = escolhe_botao(c.key, "");
    if (c.esperado == nullptr) {
      EXPECT_FALSE(r.has_value()) << c.key;
    } else {
      EXPECT_EQ(r.value_or("(nada)"), c.esperado) << c.key;
    }
  }
}

}  // namespace
}  // namespace tarvinel::teste
