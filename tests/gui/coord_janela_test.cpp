// The coordination window driven as the user drives it: the item list (add,
// select, move, delete), the property grids with Apply and its question, the
// "..." choosers, the general data, the limits, the cursors and the readout.
// Dialogs are scripted; edits go in as the grid's editor puts them (the
// model's setData, then the view's `alterado`).
//
// TARVINEL_SALVAR_IMAGEM set in the environment writes screenshots of the
// window with the example chart, one per page, as coord_janela_<page>.png in
// the temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_religa.h"
#include "core/curves/inifile.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "gui/coordination/coordx.h"
#include "gui/coordination/listaajustes.h"
#include "gui/coordination/pbchart.h"
#include "gui/vlprop.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

class tCOORD : public ::testing::Test {
 protected:
  void SetUp() override {
    inifile_open(std::make_unique<tMEMSTORE>());
    reinicia();
  }

  // A fresh window, as the main window makes it, with a scripted dialogs
  // service that has seen nothing yet.
  void reinicia() {
    w.reset();
    w = novocoord();
    w->container()->resize(1400, 900);
    w->pbCHART->resize(1000, 700);
    *dlg = tDIALOGOSTESTE();
  }
  void TearDown() override {
    w.reset();
    inifile_close();
  }

  // The entries of the item list, as shown.
  std::vector<std::string> entradas() const {
    std::vector<std::string> r;
    for (int i = 0; i < w->cbLISTA->count(); ++i)
      r.push_back(w->cbLISTA->itemText(i).toStdString());
    return r;
  }

  // What the user typing into a row of a grid amounts to.
  static void edita(tVLPROP* v, const std::string& key, const std::string& valor) {
    const int r = v->grid()->indexof(key);
    ASSERT_GE(r, 0) << key;
    v->model()->setData(v->model()->index(r, 1), QString::fromStdString(valor), Qt::EditRole);
    emit v->alterado(QString::fromStdString(key));
  }

  // The user picking entry i of the item list.
  void escolhe(int i) {
    w->cbLISTA->setCurrentIndex(i);
    emit w->cbLISTA->activated(i);
  }

  void mouse(QEvent::Type tipo, QPointF p, Qt::MouseButton b) {
    QMouseEvent ev(tipo, p, w->pbCHART->mapToGlobal(p), b,
                   tipo == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(b), Qt::NoModifier);
    QApplication::sendEvent(w->pbCHART, &ev);
  }

  // Pixel of the chart on the screen for a real point (A, s).
  QPointF pixel(double a, double s) {
    tCANVASREC c(w->pbCHART->width(), w->pbCHART->height());
    w->drawto(c, w->pbCHART->width(), 50, w->pbCHART->height());
    const tPOINTX p = w->chart.rl2px(a, s);
    return QPointF(p.x, p.y);
  }

  std::string dica() const { return w->mmHINT->toPlainText().toStdString(); }
  // The three cursor lines of the hint area.
  std::string cursores() const {
    const std::string d = dica();
    std::size_t n = 0;
    for (int i = 0; i < 3 && n != std::string::npos; ++i) n = d.find('\n', n + (i > 0));
    return d.substr(0, n);
  }

  tROTEIRO dlg;
  std::unique_ptr<TfmCOORD> w;
};

}  // namespace

TEST_F(tCOORD, JanelaNova) {
  EXPECT_EQ(w->caption(), "novo coordenograma");
  EXPECT_EQ(w->extdef, "coord");
  EXPECT_EQ(w->changed, false);
  EXPECT_EQ(entradas(), (std::vector<std::string>{
                            "1) Ajuste Rele/Religador: Concessionária",
                            "2) Ajuste Rele/Religador: Cliente",
                            "3) ICC min/max/nom: Concessionária",
                            "4) Ponto ANSI: Principal",
                            "5) Corrente InRush: INRUSH",
                            "6) Elo fisível tipo K: Principal",
                            "7) Curva de danos em cabo: Distribuição",
                        }));
  EXPECT_EQ(w->cbLISTA->currentIndex(), 6);
  EXPECT_EQ(w->selecionado(), 6);
  EXPECT_EQ(w->vlitem.value("Nome"), "Distribuição");
  EXPECT_EQ(w->btAPLICAR->isEnabled(), false);
  std::vector<std::string> geral;
  for (int i = 0; i < w->vlprop.count(); ++i)
    geral.push_back(w->vlprop.row(i).key + "=" + w->vlprop.row(i).value);
  EXPECT_EQ(geral, (std::vector<std::string>{"Título=Título Coordenograma", "Subestação=exemplo",
                                             "Alimentador=exemplo", "Responsavel=Eng. ...",
                                             "Tensão primária [kV]=13.80",
                                             "Intervalo de coordenação relé-relé [s]=0.300",
                                             "Intervalo de coordenação relé-elo [s]=0.200"}));
  EXPECT_EQ(w->lbCURSORX->text().toStdString(), "0s/0A");
}

TEST_F(tCOORD, NovoZeraContadorDeReles) {
  for (int i = 0; i < 3; ++i) tAJUSTE_RELIGA extra;
  const auto outra = novocoord();
  EXPECT_EQ(outra->proj->ajustes.Getajustes(0)->caption, "Concessionária");
  EXPECT_EQ(outra->proj->ajustes.Getajustes(1)->caption, "Cliente");
}

// Every entry of the add menu appends its kind and selects it; nothing is
// changed in the document until Apply.
TEST_F(tCOORD, MenuAdicionar) {
  const std::vector<std::pair<std::string, std::string>> esperado = {
      {"Ajuste Rele/Religador", "Ajuste Rele/Religador"},
      {"Curva de dano em cabo", "Curva de danos em cabo"},
      {"ICC min/max/nom", "ICC min/max/nom"},
      {"Ponto ANSI", "Ponto ANSI"},
      {"Corrente InRush", "Corrente InRush"},
      {"Elo fusível", "Elo fisível tipo K"},
      {"Curva de proteção", "Curva de proteção"},
      {"Texto/Simbolo", "Texto"},
  };
  const QList<QAction*> acoes = w->pmAJUSTE->actions();
  // The eight kinds, then, apart, "Duplicar".
  ASSERT_EQ(acoes.size(), 10);
  EXPECT_TRUE(acoes[8]->isSeparator());
  EXPECT_EQ(acoes[9]->text().toStdString(), "Duplicar");
  for (int tag = 0; tag < 8; ++tag) {
    const auto& [entrada, tipo] = esperado[static_cast<std::size_t>(tag)];
    EXPECT_EQ(acoes[tag]->text().toStdString(), entrada) << "tag " << tag;
    acoes[tag]->trigger();
    const int n = w->proj->ajustes.count();
    EXPECT_EQ(n, 8 + tag) << entrada;
    EXPECT_EQ(w->proj->ajustes.Getajustes(n - 1)->paramname, tipo) << entrada;
    EXPECT_EQ(w->selecionado(), n - 1) << entrada;
    EXPECT_EQ(w->cbLISTA->currentIndex(), n - 1) << entrada;
    EXPECT_EQ(w->btAPLICAR->isEnabled(), false) << entrada;
    EXPECT_EQ(w->changed, true) << entrada;
  }
  EXPECT_EQ(w->btADD->menu(), w->pmAJUSTE);
}

TEST_F(tCOORD, AplicarLevaAsEdicoesAoAjuste) {
  escolhe(1);
  edita(w->vlITEM, "Nome", "Religador 21");
  edita(w->vlITEM, "FASE.DialTime [s]", "0,35");
  EXPECT_EQ(w->btAPLICAR->isEnabled(), true);
  EXPECT_EQ(w->proj->ajustes.Getajustes(1)->caption, "Cliente") << "só o Aplicar leva ao ajuste";
  w->btAPLICAR->click();
  auto* r = static_cast<tAJUSTE_RELIGA*>(w->proj->ajustes.Getajustes(1));
  EXPECT_EQ(r->caption, "Religador 21");
  EXPECT_DOUBLE_EQ(r->relf.dt, 0.35);
  EXPECT_EQ(w->vlitem.value("FASE.DialTime [s]"), "0.350") << "valor normalizado na grade";
  EXPECT_EQ(w->cbLISTA->itemText(1).toStdString(), "2) Ajuste Rele/Religador: Religador 21");
  EXPECT_EQ(w->changed, true);
  EXPECT_EQ(w->btAPLICAR->isEnabled(), false);
  EXPECT_EQ(w->selecionado(), 1);
}

// The calculated cable's rows come with Apply once "Calculado" is picked,
// and their edits reach the setting with the next Apply.
TEST_F(tCOORD, CaboCalculadoGanhaSuasLinhas) {
  escolhe(6);  // the example's cable
  ASSERT_EQ(w->vlitem.find("Seção [mm²]"), nullptr);
  edita(w->vlITEM, "Curva de danos [Cabo]", "Calculado");
  w->btAPLICAR->click();
  ASSERT_NE(w->vlitem.find("Seção [mm²]"), nullptr);
  EXPECT_EQ(w->vlitem.value("Isolação"), "XLPE/EPR 90-250°C");
  edita(w->vlITEM, "Seção [mm²]", "120");
  edita(w->vlITEM, "Condutor", "Alumínio");
  w->btAPLICAR->click();
  auto* c = dynamic_cast<tAJUSTE_CABO*>(w->proj->ajustes.Getajustes(6));
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->nomecalculado(), "120mm² Al XLPE");
}

// Choosing another entry with edits pending: Yes stores them in the setting
// they were made for, No drops them, Cancel keeps them in the grid. The
// committed edit marked the chart changed in every case.
TEST_F(tCOORD, PerguntaAoTrocarDeItem) {
  struct tCASO {
    tRESPOSTA resposta;
    std::string nome_no_ajuste;  // caption of the edited setting afterwards
    int selecionado;
    std::string nome_na_grade;
    bool aplicar;
    bool changed;
  };
  const tCASO casos[] = {
      {tRESPOSTA::sim, "Editado", 0, "Concessionária", false, true},
      {tRESPOSTA::nao, "Distribuição", 0, "Concessionária", false, true},
      {tRESPOSTA::cancela, "Distribuição", 6, "Editado", true, true},
  };
  for (const tCASO& k : casos) {
    reinicia();
    const char* nome = k.resposta == tRESPOSTA::sim   ? "Sim"
                       : k.resposta == tRESPOSTA::nao ? "Não"
                                                      : "Cancelar";
    edita(w->vlITEM, "Nome", "Editado");
    dlg->respostas = {k.resposta};
    escolhe(0);
    ASSERT_EQ(dlg->perguntas.size(), 1u) << nome;
    EXPECT_EQ(dlg->perguntas[0],
              "Uma ou mais propriedades do item selecionado foram alteradas. Deseja aplicar as "
              "alterações?")
        << nome;
    EXPECT_EQ(w->proj->ajustes.Getajustes(6)->caption, k.nome_no_ajuste) << nome;
    EXPECT_EQ(w->selecionado(), k.selecionado) << nome;
    EXPECT_EQ(w->cbLISTA->currentIndex(), k.selecionado) << nome;
    EXPECT_EQ(w->vlitem.value("Nome"), k.nome_na_grade) << nome;
    EXPECT_EQ(w->btAPLICAR->isEnabled(), k.aplicar) << nome;
    EXPECT_EQ(w->changed, k.changed) << nome;
  }
}

TEST_F(tCOORD, SemEdicoesNaoPergunta) {
  escolhe(2);
  escolhe(3);
  EXPECT_EQ(dlg->perguntas.size(), 0u);
  EXPECT_EQ(w->selecionado(), 3);
  EXPECT_EQ(w->vlitem.value("Nome"), "Principal");
}

TEST_F(tCOORD, Mover) {
  // The last one down and the first one up: nothing moves.
  w->Image2->click();
  EXPECT_EQ(w->selecionado(), 6);
  escolhe(0);
  w->Image1->click();
  EXPECT_EQ(w->selecionado(), 0);
  EXPECT_EQ(w->proj->ajustes.Getajustes(0)->caption, "Concessionária");

  // The first one down twice: it is third, still selected, and the entries
  // are renumbered in the new drawing order.
  w->Image2->click();
  w->Image2->click();
  EXPECT_EQ(w->selecionado(), 2);
  EXPECT_EQ(w->cbLISTA->currentIndex(), 2);
  EXPECT_EQ(entradas()[0], "1) Ajuste Rele/Religador: Cliente");
  EXPECT_EQ(entradas()[1], "2) ICC min/max/nom: Concessionária");
  EXPECT_EQ(entradas()[2], "3) Ajuste Rele/Religador: Concessionária");
  EXPECT_EQ(w->vlitem.value("Nome"), "Concessionária");
  w->Image1->click();
  EXPECT_EQ(entradas()[1], "2) Ajuste Rele/Religador: Concessionária");
  EXPECT_EQ(w->changed, true);
}

TEST_F(tCOORD, MoverGuardaEdicoesPendentes) {
  escolhe(3);
  edita(w->vlITEM, "Nome", "T1");
  w->Image1->click();
  EXPECT_EQ(dlg->perguntas.size(), 0u);
  EXPECT_EQ(w->selecionado(), 2);
  EXPECT_EQ(w->vlitem.value("Nome"), "T1");
  EXPECT_EQ(w->btAPLICAR->isEnabled(), true);
  w->btAPLICAR->click();
  EXPECT_EQ(w->proj->ajustes.Getajustes(2)->caption, "T1");
}

TEST_F(tCOORD, ExcluirAteEsvaziar) {
  escolhe(1);
  edita(w->vlITEM, "Nome", "vai sumir");
  w->Button3->click();
  EXPECT_EQ(dlg->perguntas.size(), 0u) << "nenhuma pergunta ao excluir";
  EXPECT_EQ(w->proj->ajustes.count(), 6);
  EXPECT_EQ(entradas()[1], "2) ICC min/max/nom: Concessionária");
  EXPECT_EQ(w->selecionado(), 5);
  EXPECT_EQ(w->btAPLICAR->isEnabled(), false);
  for (int i = 0; i < 6; ++i) w->Button3->click();
  EXPECT_EQ(w->proj->ajustes.count(), 0);
  EXPECT_EQ(w->cbLISTA->count(), 0);
  EXPECT_EQ(w->vlitem.count(), 0);
  EXPECT_EQ(w->ajsel, nullptr);
  // With nothing left, "-" and the arrows do nothing.
  w->Button3->click();
  w->Image1->click();
  w->Image2->click();
  EXPECT_EQ(w->proj->ajustes.count(), 0);
  EXPECT_EQ(w->changed, true);  // by the deletions
  // The empty chart still draws its grid, title and the two corner texts.
  tCANVASREC c(1000, 700);
  w->drawto(c, 1000, 50, 700);
  EXPECT_NE(c.findtext("Título Coordenograma"), nullptr);
  EXPECT_NE(c.findtext("https://www.tarvinel.com.br"), nullptr);
}

TEST_F(tCOORD, TensaoPrimaria) {
  const std::pair<const char*, const char*> casos[] = {
      {"abc", "13.80"}, {"250", "100.00"}, {"13,8", "13.80"}, {"23.1", "23.10"}, {"0", "0.10"},
  };
  w->pcMAIN->setCurrentIndex(1);
  for (const auto& [entrada, mostrado] : casos) {
    edita(w->vlPROP, "Tensão primária [kV]", "23");
    w->btAPLICAR->click();
    edita(w->vlPROP, "Tensão primária [kV]", entrada);
    EXPECT_EQ(w->btAPLICAR->isEnabled(), true) << entrada;
    w->btAPLICAR->click();
    EXPECT_EQ(w->vlprop.value("Tensão primária [kV]"), mostrado) << entrada;
    EXPECT_DOUBLE_EQ(w->proj->ten_nom, std::stod(mostrado)) << entrada;
  }
  edita(w->vlPROP, "Título", "SE Norte");
  w->btAPLICAR->click();
  EXPECT_EQ(w->proj->titulo, "SE Norte");
  EXPECT_EQ(w->changed, true);
}

TEST_F(tCOORD, Limites) {
  struct tCASO {
    const char* inf;
    const char* sup;
    double xl, xh;
  };
  const tCASO casos[] = {{"1", "10", 1, 10000}, {"500", "1", 500, 1000}, {"30", "100", 30, 100000}};
  for (const tCASO& k : casos) {
    w->cbLIMITE_INF->setCurrentText(k.inf);
    w->cbLIMITE_SUP->setCurrentText(k.sup);
    tCANVASREC c(1000, 700);
    w->drawto(c, 1000, 50, 700);
    EXPECT_EQ(w->chart.limites.xl, k.xl) << k.inf << " A até " << k.sup << " kA";
    EXPECT_EQ(w->chart.limites.xh, k.xh) << k.inf << " A até " << k.sup << " kA";
    EXPECT_EQ(w->chart.limites.yl, 0.01) << k.inf;
    EXPECT_EQ(w->chart.limites.yh, 100) << k.inf;
  }
}

// Display options reach the drawing: the legend texts of the relays come and
// go with "Mostrar legendas no gráfico".
TEST_F(tCOORD, OpcoesDeExibicao) {
  auto legendas = [&] {
    tCANVASREC c(1000, 700);
    w->drawto(c, 1000, 50, 700);
    int n = 0;
    for (const std::string& t : c.texts())
      if (t.find("Concessionária") != std::string::npos) ++n;
    return n;
  };
  const int com = legendas();
  EXPECT_GT(com, 0);
  w->cbLEGENDA->setChecked(false);
  EXPECT_LT(legendas(), com);
  EXPECT_EQ(w->opcoes().legenda, false);
  w->cbLINHA->setChecked(true);
  tCANVASREC c(1000, 700);
  w->drawto(c, 1000, 50, 700);
  EXPECT_EQ(w->chart.tra_cur, false);
}

TEST_F(tCOORD, CursoresELeitura) {
  const QPointF a = pixel(100, 1);
  const QPointF b = pixel(1000, 0.1);
  mouse(QEvent::MouseMove, a, Qt::NoButton);
  EXPECT_EQ(w->lbCURSORX->text().toStdString(), "1.00s/100A");
  mouse(QEvent::MouseButtonPress, a, Qt::LeftButton);
  EXPECT_EQ(cursores(),
            "Cursor A:  1.00s,  100A\n"
            "Cursor B:  0.00s,    0A\n"
            "Delta   :  1.00s,  100A");
  mouse(QEvent::MouseButtonPress, b, Qt::RightButton);
  EXPECT_EQ(cursores(),
            "Cursor A:  1.00s,  100A\n"
            "Cursor B:  0.10s, 1000A\n"
            "Delta   :  0.90s,  900A");
  EXPECT_NEAR(w->cur_med.c1.x, 100, 1);
  EXPECT_NEAR(w->cur_med.c2.y, 0.1, 0.001);
  // Then the time of every protection shown at cursor A's current, in list
  // order: the utility's phase pickup (400 A) and the fuse link lie above it.
  const std::string d = dica();
  std::vector<std::string> leitura;
  for (std::size_t i = 0, n = 0; i < d.size(); i = n + 1) {
    n = std::min(d.find('\n', i), d.size());
    const std::string l = d.substr(i, n - i);
    if (l.rfind("Cursor", 0) != 0 && l.rfind("Delta", 0) != 0)
      leitura.push_back(l.substr(0, l.find(':')) + (l.find("não atua") != l.npos ? " -" : " t"));
  }
  EXPECT_EQ(leitura,
            (std::vector<std::string>{"1) Concessionária FASE -", "1) Concessionária NEUTRO t",
                                      "2) Cliente FASE t", "2) Cliente NEUTRO t",
                                      "6) Principal 100K -", "6) Principal 100K-max -"}));

  // The middle button moves no cursor but writes the lines again.
  w->mmHINT->clear();
  mouse(QEvent::MouseButtonPress, pixel(30, 10), Qt::MiddleButton);
  EXPECT_EQ(cursores(),
            "Cursor A:  1.00s,  100A\n"
            "Cursor B:  0.10s, 1000A\n"
            "Delta   :  0.90s,  900A");
  EXPECT_EQ(w->changed, false);
  w->cbNEUTRO->setChecked(false);
  mouse(QEvent::MouseButtonPress, a, Qt::LeftButton);
  EXPECT_EQ(dica().find("NEUTRO"), std::string::npos) << "só as funções mostradas";
  w->cbNEUTRO->setChecked(true);

  // Drawn only while "Cursor de medição" is checked.
  auto letras = [&] {
    tCANVASREC c(1000, 700);
    w->drawto(c, 1000, 50, 700);
    return static_cast<int>(c.findtext("a") != nullptr) +
           static_cast<int>(c.findtext("b") != nullptr);
  };
  EXPECT_EQ(letras(), 0);
  w->cbCURSOR->setChecked(true);
  EXPECT_EQ(letras(), 2);
}

// After printing or an image export the chart holds the page's size; the
// readout still maps the screen's pixels.
TEST_F(tCOORD, LeituraDepoisDaExportacao) {
  const QPointF a = pixel(100, 1);
  dlg->arquivos = {std::nullopt};
  w->savejpg(true);
  mouse(QEvent::MouseMove, a, Qt::NoButton);
  EXPECT_EQ(w->lbCURSORX->text().toStdString(), "1.00s/100A");
}

TEST_F(tCOORD, DicaDaLinha) {
  // The selection step makes the first property current: its hint shows.
  EXPECT_EQ(dica(), "Nome:\nNome de identificação do ajuste");
  w->vlITEM->seleciona("Cor");
  EXPECT_EQ(dica(),
            "Cor:\nClique no botão para selecionar uma cor ou digite a cor no formato $BBGGRR "
            "(azul, verde, vermelho).");
  w->vlITEM->seleciona("Nome");
  EXPECT_EQ(dica(), "Nome:\nNome de identificação do ajuste");
  // A click on the row already current shows its hint too.
  w->mmHINT->clear();
  emit w->vlITEM->pressed(w->vlITEM->currentIndex());
  EXPECT_EQ(dica(), "Nome:\nNome de identificação do ajuste");
}

// The "..." buttons: colour dialog, curve browser and fuse-link chooser.
// A confirmed choice is an edit; a cancelled one changes nothing.
TEST_F(tCOORD, BotoesDaGrade) {
  struct tCASO {
    int item;
    const char* linha;
    std::optional<std::uint32_t> cor;
    std::optional<std::string> escolha;  // curve or fuse link
    const char* valor;                   // value in the grid afterwards
    bool aplicar;
  };
  const tCASO casos[] = {
      {0, "Cor", 0x0000FF, std::nullopt, "$0000FF", true},
      {0, "Cor", std::nullopt, std::nullopt, "$008000", false},
      {0, "FASE.Curva Principal", std::nullopt, "IEC-MI", "IEC-MI", true},
      {1, "NEUT.Curva Principal", std::nullopt, "IEC-EI", "IEC-EI", true},
      {0, "FASE.Curva Principal", std::nullopt, std::nullopt, "IEC-NI", false},
      {5, "2° ELO", std::nullopt, "25K", "25K", true},
  };
  for (const tCASO& k : casos) {
    reinicia();
    escolhe(k.item);
    const std::string antes = w->vlitem.value(k.linha);
    if (std::string(k.linha) == "Cor")
      dlg->cores = {k.cor};
    else if (std::string(k.linha).find("ELO") != std::string::npos)
      dlg->elos = {k.escolha};
    else
      dlg->curvas = {k.escolha};
    emit w->vlITEM->botao(QString::fromUtf8(k.linha));
    EXPECT_EQ(w->vlitem.value(k.linha), k.valor) << k.linha << " (antes " << antes << ")";
    EXPECT_EQ(w->btAPLICAR->isEnabled(), k.aplicar) << k.linha;
    EXPECT_EQ(dlg->imprevistos.size(), 0u) << k.linha;
  }
}

TEST_F(tCOORD, CorAplicadaMudaAmostraDaLista) {
  escolhe(0);
  dlg->cores = {0x00FFFF};
  emit w->vlITEM->botao(QStringLiteral("Cor"));
  w->btAPLICAR->click();
  EXPECT_EQ(w->proj->ajustes.Getajustes(0)->color, 0x00FFFF);
  EXPECT_EQ(w->cbLISTA->cor(0), 0x00FFFF);
  // The swatch of an entry: 22 to 2 pixels from the right edge, 2 pixels in.
  EXPECT_EQ(tLISTAAJUSTES::amostra(QRect(0, 0, 200, 20)), QRect(QPoint(178, 2), QPoint(197, 17)));
}

// The references in the grid, the page "Verificação" and the message log
// after Apply; a move keeps the reference row naming the same setting.
TEST_F(tCOORD, VerificacaoDaJanela) {
  std::vector<std::string> log;
  set_sink([&log](const std::string& l) { log.push_back(l); });
  escolhe(1);  // "Cliente"
  const tPROPROW* r = w->vlitem.find("Retaguarda");
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->value, "Nenhuma");
  // Every other protection: the utility relay and the fuse.
  EXPECT_EQ(r->picklist, (tNOMES{"Nenhuma", "1) Concessionária", "6) Principal"}));
  edita(w->vlITEM, "Retaguarda", "1) Concessionária");
  w->btAPLICAR->click();
  EXPECT_EQ(w->sgVERIF->rowCount(), 2) << "fase e neutro";
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0], w->lbVERIF->text().toStdString());
  EXPECT_EQ(log[0], "2 verificações, 1 falha");
  EXPECT_EQ(
      std::count_if(log.begin(), log.end(),
                    [](const std::string& l) { return l.rfind("# coordenação FALHA", 0) == 0; }),
      1);
  for (int row = 0; row < 2; ++row) {
    const bool falha = w->sgVERIF->item(row, 7)->text() == "FALHA";
    EXPECT_EQ(w->sgVERIF->item(row, 1)->text().toStdString(), "2) Cliente");
    EXPECT_EQ(w->sgVERIF->item(row, 0)->foreground().color() == QColor(Qt::red), falha) << row;
  }

  // Moved below its reference and back, the row follows the utility relay.
  w->Image1->click();
  EXPECT_EQ(w->vlitem.value("Retaguarda"), "2) Concessionária");
  w->Image2->click();
  EXPECT_EQ(w->vlitem.value("Retaguarda"), "1) Concessionária");
  // A number that names no protection keeps the reference, with a warning.
  log.clear();
  edita(w->vlITEM, "Retaguarda", "3) ICC");
  w->btAPLICAR->click();
  EXPECT_EQ(w->vlitem.value("Retaguarda"), "1) Concessionária");
  EXPECT_NE(log.at(0).find('#'), std::string::npos);
  // The margins of the page "Geral" decide: a lenient one passes both.
  edita(w->vlPROP, "Intervalo de coordenação relé-relé [s]", "0.05");
  w->btAPLICAR->click();
  EXPECT_EQ(w->lbVERIF->text().toStdString(), "2 verificações, 0 falhas");
  EXPECT_DOUBLE_EQ(w->proj->cti, 0.05);

  // Zoom, pan and the cursors change no verdict: the page is not made again
  // for them (a mark put on a row stays); new limits make it again.
  w->sgVERIF->item(0, 0)->setData(Qt::UserRole, 42);
  const QPointF p = pixel(100, 1);
  QWheelEvent roda(p, w->pbCHART->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(w->pbCHART, &roda);
  mouse(QEvent::MouseButtonPress, p, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, p, Qt::LeftButton);
  QTest::keyClick(w->pbCHART, Qt::Key_0);
  EXPECT_EQ(w->sgVERIF->item(0, 0)->data(Qt::UserRole).toInt(), 42);
  w->cbLIMITE_SUP->setCurrentIndex(0);
  EXPECT_FALSE(w->sgVERIF->item(0, 0)->data(Qt::UserRole).isValid());
  set_sink(nullptr);
}

TEST_F(tCOORD, Telas) {
  if (std::getenv("TARVINEL_SALVAR_IMAGEM") == nullptr)
    GTEST_SKIP() << "só com TARVINEL_SALVAR_IMAGEM";
  QWidget* pn = w->container();
  pn->setAttribute(Qt::WA_DontShowOnScreen);
  pn->setParent(nullptr);
  pn->resize(1400, 850);
  pn->show();
  escolhe(0);
  w->vlITEM->seleciona("FASE.Curva Principal");
  const char* nomes[] = {"ajustes", "geral", "grafico", "verificacao"};
  for (int i = 0; i < 4; ++i) {
    w->pcMAIN->setCurrentIndex(i);
    QApplication::processEvents();
    const QString arq = QDir::temp().filePath(QStringLiteral("coord_janela_%1.png").arg(nomes[i]));
    EXPECT_EQ(pn->grab().save(arq), true) << arq.toStdString();
  }
  w->cbCURSOR->setChecked(true);
  mouse(QEvent::MouseButtonPress, pixel(100, 1), Qt::LeftButton);
  mouse(QEvent::MouseButtonPress, pixel(2000, 0.1), Qt::RightButton);
  w->cbLIMITE_INF->setCurrentText("10");
  QApplication::processEvents();
  pn->grab().save(QDir::temp().filePath(QStringLiteral("coord_janela_cursores.png")));
  pn->hide();
}

// Reading a file replaces every setting: the edits pending for the old
// selection have no setting left and are not offered; a file that cannot be
// read changes nothing, pending edits included.
TEST_F(tCOORD, LerArquivoSubstituiAjustes) {
  const std::string arq =
      QDir::temp().filePath(QStringLiteral("coord_janela_ler.coord")).toStdString();
  {
    auto outro = prjcoord_novo();
    outro->ajustes.destroyitens();
    outro->ajustes.add(ajuste_por_bloco("ajuste-texto{"));
    outro->ajustes.add(ajuste_por_bloco("ajuste-defit{"));
    outro->savetofile(arq);
  }
  edita(w->vlITEM, "Nome", "pendente");
  EXPECT_THROW(w->loadfromfile(arq + ".nao-existe"), std::exception);
  EXPECT_EQ(w->proj->ajustes.count(), 7);
  EXPECT_EQ(w->vlitem.value("Nome"), "pendente");
  EXPECT_EQ(w->btAPLICAR->isEnabled(), true);

  w->loadfromfile(arq);
  EXPECT_EQ(dlg->perguntas.size(), 0u);
  EXPECT_EQ(entradas(), (std::vector<std::string>{"1) Texto: Texto",
                                                  "2) Corrente/Tempo definidos: Principal"}));
  EXPECT_EQ(w->selecionado(), 1);
  EXPECT_EQ(w->btAPLICAR->isEnabled(), false);
  EXPECT_EQ(w->caption(), arq);
  EXPECT_EQ(w->changed, false);
  std::remove(arq.c_str());

  // Settings replaced by code, as a calculation fills a new chart.
  w->proj->ajustes.destroyitens();
  w->proj->ajustes.add(ajuste_por_bloco("ajuste-cabo{"));
  w->showitens(false);
  EXPECT_EQ(dlg->perguntas.size(), 0u);
  EXPECT_EQ(w->selecionado(), 0);
  EXPECT_EQ(w->vlitem.value("Nome"), w->proj->ajustes.Getajustes(0)->caption);
}

// The view through the chart's own events: the wheel (both axes, Ctrl the
// current axis, Shift the time axis) keeps the point under the mouse in
// place, a drag moves the picture with the mouse and leaves cursor A alone,
// the keys zoom about the middle and "0" goes back to the limits. The
// readout follows the view; the limits printing uses do not move.
TEST_F(tCOORD, VistaPorRodaArrastoETeclas) {
  auto roda = [&](QPointF p, int d, Qt::KeyboardModifiers m) {
    QWheelEvent ev(p, w->pbCHART->mapToGlobal(p), QPoint(), QPoint(0, d), Qt::NoButton, m,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->pbCHART, &ev);
  };
  auto decadas = [](double lo, double hi) { return std::log10(hi / lo); };
  struct tCASO {
    const char* nome;
    std::function<void(QPointF)> faz;
    double fx, ft;  // expected change of the current and time spans
    bool fixo;      // the real point under p stays there (after the drag: under p + (80, 40))
  };
  const tCASO casos[] = {
      {"roda", [&](QPointF p) { roda(p, 120, Qt::NoModifier); }, 1 / 1.25, 1 / 1.25, true},
      // Out from a view zoomed in: from the limits the time axis is already
      // at its bound.
      {"roda para fora",
       [&](QPointF p) {
         roda(p, 360, Qt::NoModifier);
         roda(p, -120, Qt::NoModifier);
       },
       1 / (1.25 * 1.25), 1 / (1.25 * 1.25), true},
      {"Ctrl+roda", [&](QPointF p) { roda(p, 120, Qt::ControlModifier); }, 1 / 1.25, 1, true},
      {"Shift+roda", [&](QPointF p) { roda(p, 120, Qt::ShiftModifier); }, 1, 1 / 1.25, true},
      {"arrasto",
       [&](QPointF p) {
         mouse(QEvent::MouseButtonPress, p, Qt::LeftButton);
         for (int k = 1; k <= 4; ++k) {
           QMouseEvent ev(QEvent::MouseMove, p + QPointF(20 * k, 10 * k),
                          w->pbCHART->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
           QApplication::sendEvent(w->pbCHART, &ev);
         }
         mouse(QEvent::MouseButtonRelease, p + QPointF(80, 40), Qt::LeftButton);
       },
       1, 1, true},
      {"tecla +", [&](QPointF) { QTest::keyClick(w->pbCHART, Qt::Key_Plus); }, 1 / 1.5, 1 / 1.5,
       false},
      {"tecla -",
       [&](QPointF) {
         for (int k = 0; k < 2; ++k) QTest::keyClick(w->pbCHART, Qt::Key_Plus);
         QTest::keyClick(w->pbCHART, Qt::Key_Minus);
       },
       1 / 1.5, 1 / 1.5, false},
  };
  for (const tCASO& c : casos) {
    reinicia();
    const QPointF p = pixel(100, 1);
    const tPOINTX antes = w->cur_med.c1;
    const tRECTX v0 = w->vista_atual();
    c.faz(p);
    const tRECTX v = w->vista_atual();
    SCOPED_TRACE(c.nome);
    EXPECT_NEAR(decadas(v.xl, v.xh) / decadas(v0.xl, v0.xh), c.fx, 1e-6);
    EXPECT_NEAR(decadas(v.yl, v.yh) / decadas(v0.yl, v0.yh), c.ft, 1e-6);
    const QPointF alvo = std::string(c.nome) == "arrasto" ? p + QPointF(80, 40) : p;
    if (c.fixo) {
      // The screen's mapping, as the readout and the hit tests use it.
      mouse(QEvent::MouseMove, alvo, Qt::NoButton);
      EXPECT_EQ(w->lbCURSORX->text().toStdString(), "1.00s/100A");
    }
    if (std::string(c.nome) == "arrasto") {
      EXPECT_EQ(w->cur_med.c1.x, antes.x) << "a drag is no click";
    }
    // Printing and export keep the limits of the page "Gráfico".
    EXPECT_EQ(w->opcoes_saida().lim_inf, 1);
    EXPECT_EQ(w->opcoes_saida().tmp_sup, 100);
    w->cbVISTA->setChecked(true);
    EXPECT_EQ(w->opcoes_saida().lim_inf, v.xl);
    QTest::keyClick(w->pbCHART, Qt::Key_0);
    EXPECT_EQ(w->vista_atual().xl, 1);
    EXPECT_EQ(w->vista_atual().yh, 100);
    EXPECT_EQ(w->changed, w->pilha()->count() > 0) << "only the option is a change";
  }
  // The view never leaves its bounds however far the wheel goes.
  for (int k = 0; k < 40; ++k) roda(pixel(100, 1), -1200, Qt::NoModifier);
  EXPECT_GE(w->vista_atual().xl, 0.1 * (1 - 1e-9));
  EXPECT_LE(w->vista_atual().yh, 1000 * (1 + 1e-9));
}

// Every change is one named step; undo gives back the exact bytes the file
// would have had before it, redo those after it, and `changed` follows the
// saved state.
TEST_F(tCOORD, DesfazerRefazerDevolvemOsBytesDoArquivo) {
  const std::string arq = QDir::temp().filePath(QStringLiteral("desfazer.coord")).toStdString();
  auto bytes = [&] {
    const std::string t = QDir::temp().filePath(QStringLiteral("desfazer-b.coord")).toStdString();
    w->proj->savetofile(t);
    return lerbytes(t);
  };
  w->savetofile(arq);
  ASSERT_FALSE(w->changed);
  struct tCASO {
    const char* passo;  // the step's name in the menu
    std::function<void()> faz;
  };
  const tCASO casos[] = {
      {"Aplicar: Cliente 2",
       [&] {
         escolhe(1);
         edita(w->vlITEM, "Nome", "Cliente 2");
         w->btAPLICAR->click();
       }},
      {"Duplicar: Cliente 2", [&] { w->acDUPLICAR->trigger(); }},
      {"Adicionar: Ponto ANSI",
       [&] {
         for (QAction* a : w->pmAJUSTE->actions())
           if (a->text() == "Ponto ANSI") a->trigger();
       }},
      {"Mover: Principal", [&] { w->Image1->click(); }},
      {"Excluir: Principal", [&] { w->Button3->click(); }},
      {"Limites do gráfico", [&] { w->cbLIMITE_INF->setCurrentText("30"); }},
      {"Mostrar legendas no gráfico", [&] { w->cbLEGENDA->setChecked(false); }},
      {"Aplicar: Informações gerais",
       [&] {
         w->ajsel = nullptr;  // what an empty item grid leaves
         edita(w->vlPROP, "Título", "Outro título");
         w->btAPLICAR->click();
       }},
  };
  std::vector<std::string> antes;
  for (const tCASO& c : casos) {
    antes.push_back(bytes());
    c.faz();
    EXPECT_EQ(w->pilha()->undoText().toStdString(), c.passo);
    EXPECT_TRUE(w->changed) << c.passo;
  }
  EXPECT_EQ(w->proj->ajustes.Getajustes(2)->caption, "Cliente 2 (cópia)");
  const std::string fim = bytes();
  for (int k = static_cast<int>(std::size(casos)) - 1; k >= 0; --k) {
    w->desfazer();
    EXPECT_EQ(bytes(), antes[k]) << "desfeito " << casos[k].passo;
  }
  EXPECT_FALSE(w->changed) << "back at the saved file";
  EXPECT_EQ(bytes(), lerbytes(arq));
  EXPECT_TRUE(w->cbLEGENDA->isChecked());
  EXPECT_EQ(w->cbLIMITE_INF->currentText().toStdString(), "1");
  for (const tCASO& c : casos) {
    w->refazer();
    EXPECT_TRUE(w->changed) << c.passo;
  }
  EXPECT_EQ(bytes(), fim);
  // Edits not yet applied are taken in before the undo: redo brings them back.
  edita(w->vlITEM, "Nome", "Pendente");
  w->desfazer();
  EXPECT_NE(w->ajsel->caption, "Pendente");
  w->refazer();
  EXPECT_EQ(w->ajsel->caption, "Pendente");
  EXPECT_EQ(w->acDUPLICAR->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
  EXPECT_GE(w->pilha()->undoLimit(), 100);
}
