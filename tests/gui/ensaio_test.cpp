// The relay test window on the offscreen platform with scripted dialogs: the
// buttons and the table as the user works them, the evaluation shown in the
// table and on the chart, and the sheet as a document of the main window.
//
// A picture of a sheet is written to tarvinel_ensaio.png in the build's
// telas-testes folder for a person to look at.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/curves/inifile.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/numtxt.h"
#include "gui/comando.h"
#include "gui/coordination/pbchart.h"
#include "gui/relaytest/fmensaio.h"
#include "gui/sgtabela.h"
#include "gui/shell/fmmain.h"
#include "gui/vlprop.h"
#include "pasta_telas.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

double iecni(double i, double pickup) {
  return 0.14 / (std::pow(i / pickup, 0.02) - 1);
}

// The table as the view shows it: one vector per data row.
std::vector<std::string> coluna(const TfmENSAIO& w, int col) {
  std::vector<std::string> r;
  const QAbstractItemModel* m = w.sgMAIN->model();
  for (int row = 0; row < m->rowCount(); ++row)
    r.push_back(m->data(m->index(row, col)).toString().toStdString());
  return r;
}

// Types a cell as the view's editor does.
void digita(TfmENSAIO& w, int col, int row, const char* texto) {
  QAbstractItemModel* m = w.sgMAIN->model();
  w.sgMAIN->setCurrentIndex(m->index(row - 1, col));
  ASSERT_TRUE(m->setData(m->index(row - 1, col), QString::fromUtf8(texto), Qt::EditRole));
}

class Ensaio : public testing::Test {
 protected:
  void SetUp() override { inifile_open(std::make_unique<tMEMSTORE>()); }
  void TearDown() override { inifile_close(); }
};

TEST_F(Ensaio, JanelaNova) {
  TfmENSAIO w;
  EXPECT_EQ(w.caption(), "novo ensaio de rele");
  EXPECT_EQ(w.extdef, "ens");
  EXPECT_EQ(w.changed, false);
  EXPECT_EQ(w.curfilename, "");
  ASSERT_EQ(w.pcMAIN->count(), 2);
  EXPECT_EQ(w.pcMAIN->tabText(0).toStdString(), "Geral");
  EXPECT_EQ(w.pcMAIN->tabText(1).toStdString(), "Ensaio");
  EXPECT_EQ(w.sgMAIN->toolTip().toStdString(), "Clique com botão direito para mais opções");
  EXPECT_EQ(w.ckATUALIZA->toolTip().toStdString(),
            "Atualizar o TREF automaticamente conforme curva ao modificar IREF");

  const QAbstractItemModel* m = w.sgMAIN->model();
  std::vector<std::string> titulos;
  for (int c = 0; c < m->columnCount(); ++c)
    titulos.push_back(m->headerData(c, Qt::Horizontal).toString().toStdString());
  EXPECT_EQ(titulos, (std::vector<std::string>{"#", "Iref [A]", "Tref [s]", "Tmed [s]", "Delta [s]",
                                               "Desvio [%]"}));
  EXPECT_EQ(coluna(w, colIREF), (std::vector<std::string>{"100", "200", "400"}));
  EXPECT_EQ(coluna(w, colDELTA), (std::vector<std::string>{"-0.010", "0.020", "0.030"}));
  EXPECT_EQ(coluna(w, colDESVIO), (std::vector<std::string>{"-1.000", "2.500", "5.000"}));
  // "Delta [s]" cannot even be selected; "Tmed [s]" is typed in.
  EXPECT_EQ(m->flags(m->index(0, colDELTA)) & Qt::ItemIsSelectable, Qt::NoItemFlags);
  EXPECT_NE(m->flags(m->index(0, colTMED)) & Qt::ItemIsEditable, Qt::NoItemFlags);

  const QAbstractItemModel* c = w.vlCURVA->model();
  ASSERT_EQ(c->rowCount(), 5);
  std::vector<std::string> curva;
  for (int r = 0; r < 5; ++r)
    curva.push_back(c->data(c->index(r, 0)).toString().toStdString() + "=" +
                    c->data(c->index(r, 1)).toString().toStdString());
  EXPECT_EQ(curva, (std::vector<std::string>{"Tipo de curva=IEC-NI", "Corrente de partida [A]=100",
                                             "Corrent instantânea [A]=500",
                                             "Multiplicador de tempo [s]=1", "Amostras=10"}));
  EXPECT_EQ(w.vlGERAL->model()->rowCount(), 5);
}

TEST_F(Ensaio, GerarCurvaPeloBotao) {
  TfmENSAIO w;
  w.btGERAR->click();
  EXPECT_EQ(w.sgMAIN->model()->rowCount(), 10);
  const std::vector<std::string> iref = coluna(w, colIREF);
  const std::vector<std::string> tref = coluna(w, colTREF);
  ASSERT_EQ(iref.size(), 10u);
  EXPECT_EQ(iref.front(), "100.00");
  EXPECT_EQ(iref.back(), "500.00");
  EXPECT_EQ(tref.front(), "0.00");
  EXPECT_EQ(tref.back(), real2txt(iecni(500, 100), 2));
  // An empty measured time counts as 0.01 s.
  EXPECT_EQ(coluna(w, colDELTA)[4], num2txt(0.01 - txt2real(tref[4], 0, 0, 0)));
  EXPECT_EQ(w.changed, true);

  // Fewer samples through the curve grid, as typed in it.
  QAbstractItemModel* c = w.vlCURVA->model();
  ASSERT_TRUE(c->setData(c->index(4, 1), QStringLiteral("4"), Qt::EditRole));
  w.btGERAR->click();
  EXPECT_EQ(coluna(w, colIREF), (std::vector<std::string>{"100.00", "233.33", "366.67", "500.00"}));
}

TEST_F(Ensaio, BotoesDeLinha) {
  // Selected row, button -> Irefs afterwards, row selected afterwards, changed.
  struct {
    const char* nome;
    int row;
    int botao;  // 0 Novo Ponto, 1 Excluir, 2 Subir, 3 Descer
    std::vector<std::string> iref;
    int sel;
    bool changed;
  } casos[] = {
      {"Novo Ponto", 2, 0, {"100", "200", "400", "400"}, 2, true},
      {"Excluir", 2, 1, {"100", "400"}, 2, true},
      {"Subir", 2, 2, {"200", "100", "400"}, 1, true},
      {"Subir na primeira", 1, 2, {"100", "200", "400"}, 1, false},
      {"Descer", 2, 3, {"100", "400", "200"}, 3, true},
      {"Descer na última", 3, 3, {"100", "200", "400"}, 3, false},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    TfmENSAIO w;
    w.sgMAIN->set_linha_atual(c.row);
    QPushButton* b[] = {w.btNOVO, w.btEXCLUIR, w.btSUBIR, w.btDESCER};
    b[c.botao]->click();
    EXPECT_EQ(coluna(w, colIREF), c.iref);
    EXPECT_EQ(w.sgMAIN->linha_atual(), c.sel);
    EXPECT_EQ(w.changed, c.changed);
  }
}

TEST_F(Ensaio, ExcluirNaUnicaLinha) {
  TfmENSAIO w;
  w.sgMAIN->set_linha_atual(1);
  w.btEXCLUIR->click();
  w.btEXCLUIR->click();
  ASSERT_EQ(w.sgMAIN->model()->rowCount(), 1);
  w.changed = false;
  w.btEXCLUIR->click();
  EXPECT_EQ(w.sgMAIN->model()->rowCount(), 1);
  EXPECT_EQ(coluna(w, colIREF), std::vector<std::string>{"400"});
  EXPECT_EQ(w.changed, false);
  // The right-click menu offers the same commands.
  std::vector<std::string> menu;
  for (QAction* a : w.sgMAIN->actions()) menu.push_back(a->text().toStdString());
  EXPECT_EQ(menu,
            (std::vector<std::string>{"Novo Ponto", "Excluir", "Subir", "Descer", "Gerar curva"}));
}

TEST_F(Ensaio, EdicaoReavaliaATabela) {
  TfmENSAIO w;
  digita(w, colTMED, 1, "1.10");
  EXPECT_EQ(coluna(w, colDELTA)[0], "0.100");
  EXPECT_EQ(coluna(w, colDESVIO)[0], "10.0");
  EXPECT_EQ(w.changed, true);
  ASSERT_EQ(w.ensaio.size(), 3u);
  EXPECT_DOUBLE_EQ(w.ensaio[0].tmed, 1.10);

  // With "Atualizar TREF", a new Iref gets the curve's time; without, not.
  digita(w, colIREF, 2, "300");
  EXPECT_EQ(coluna(w, colTREF)[1], "0.80");
  w.ckATUALIZA->setChecked(true);
  EXPECT_EQ(coluna(w, colTREF)[1], real2txt(iecni(300, 100), 2));
  digita(w, colIREF, 3, "250");
  EXPECT_EQ(coluna(w, colTREF)[2], real2txt(iecni(250, 100), 2));
  EXPECT_EQ(coluna(w, colTREF)[0], "1.00");  // rows not edited keep their times
}

TEST_F(Ensaio, EscolhaDaCurva) {
  tROTEIRO roteiro;
  TfmENSAIO w;
  roteiro->curvas.push_back(std::string("IEC-VI"));
  emit w.vlCURVA->botao(QStringLiteral("Tipo de curva"));
  EXPECT_EQ(w.folha.curva.value("Tipo de curva"), "IEC-VI");
  EXPECT_EQ(w.changed, true);
  w.changed = false;
  roteiro->curvas.push_back(std::nullopt);  // cancelled: nothing changes
  emit w.vlCURVA->botao(QStringLiteral("Tipo de curva"));
  EXPECT_EQ(w.folha.curva.value("Tipo de curva"), "IEC-VI");
  EXPECT_EQ(w.changed, false);
  w.btGERAR->click();
  EXPECT_EQ(coluna(w, colTREF).back(), real2txt(13.5 / (5.0 - 1), 2));
}

TEST_F(Ensaio, GraficoNaTela) {
  TfmENSAIO w;
  w.folha.geral.setvalue("Título do gráfico", "Relé SE Norte");
  w.btGERAR->click();
  digita(w, colTMED, 5, "1.30");
  // In a document area of its own, as the main window shows the active sheet.
  QWidget area;
  new QVBoxLayout(&area);
  w.set_parent(&area);
  w.pcMAIN->setCurrentIndex(1);
  area.resize(1200, 700);
  area.show();
  QApplication::processEvents();
  const QImage img = area.grab().toImage();
  EXPECT_TRUE(img.save(tela_teste("tarvinel_ensaio.png")));
  EXPECT_EQ(w.chart.titulo, "Relé SE Norte");
  ASSERT_EQ(w.ensaio.size(), 10u);

  // The measured point of row 5 is a pure green circle, the reference point
  // of row 6 a blue square, where the chart maps them.
  const QImage chart = w.pbCHART->grab().toImage();
  struct {
    double i, t;
    QRgb cor;
  } pontos[] = {{w.ensaio[4].iref, 1.30, qRgb(0, 255, 0)},
                {w.ensaio[5].iref, w.ensaio[5].tref, qRgb(0, 0, 255)}};
  for (const auto& p : pontos) {
    SCOPED_TRACE(testing::Message() << p.i << " A, " << p.t << " s");
    const tPOINTX px = w.chart.rl2px(p.i, p.t);
    EXPECT_EQ(chart.pixel(static_cast<int>(std::lround(px.x)), static_cast<int>(std::lround(px.y))),
              p.cor);
  }
}

// The sheet among the main window's documents.
class EnsaioPrincipal : public Ensaio {
 protected:
  QTemporaryDir dir_;
  std::string arq(const char* nome) const {
    return QDir(dir_.path()).filePath(QString::fromUtf8(nome)).toStdString();
  }
};

TEST_F(EnsaioPrincipal, NovoSalvarEAbrir) {
  tROTEIRO roteiro;
  TfmMAIN fm;
  registra_ensaio(fm);
  QAction* f5 = fm.acao("NOVOENSAIO");
  ASSERT_NE(f5, nullptr);
  EXPECT_EQ(f5->shortcut(), QKeySequence(Qt::Key_F5));
  f5->trigger();
  ASSERT_EQ(fm.tab_lst().size(), 1u);
  auto* w = dynamic_cast<TfmENSAIO*>(fm.xta());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(fm.acao("SAVE")->isEnabled(), true);

  w->btGERAR->click();
  digita(*w, colTMED, 2, "0.95");
  w->folha.geral.setvalue("Cliente", "Indústria; \"A\"");
  const std::string nome = arq("ensaio.ens");
  roteiro->arquivos.push_back(nome);
  fm.salvar();
  ASSERT_EQ(roteiro->pedidos.size(), 1u);
  EXPECT_EQ(roteiro->pedidos[0].filtro, "*.ens|*.ens");
  EXPECT_EQ(roteiro->pedidos[0].salvar, true);
  EXPECT_EQ(w->curfilename, nome);
  EXPECT_EQ(w->caption(), nome);
  EXPECT_EQ(w->changed, false);
  ASSERT_EQ(fm.recentes().lista().empty(), false);
  EXPECT_EQ(fm.recentes().lista().front(), nome);

  // Opened again while open: its tab comes to the front, no second copy.
  fm.loadfile(false, nome);
  ASSERT_EQ(fm.tab_lst().size(), 1u);
  EXPECT_EQ(fm.xta(), w);
  // A copy of the file opens as a sheet of its own, equal to the saved one.
  const std::string copia = arq("copia.ens");
  gravarbytes(copia, lerbytes(nome));
  fm.loadfile(false, copia);
  ASSERT_EQ(fm.tab_lst().size(), 2u);
  auto* v = dynamic_cast<TfmENSAIO*>(fm.xta());
  ASSERT_NE(v, nullptr);
  EXPECT_NE(v, w);
  EXPECT_EQ(v->changed, false);
  EXPECT_EQ(v->caption(), copia);
  for (int c = colIREF; c < colCOUNT; ++c) EXPECT_EQ(coluna(*v, c), coluna(*w, c)) << c;
  EXPECT_EQ(v->folha.geral.value("Cliente"), "Indústria; \"A\"");
  EXPECT_EQ(roteiro->imprevistos.size(), 0u);
}

TEST_F(EnsaioPrincipal, FecharComMedicoesNaoSalvasPergunta) {
  tROTEIRO roteiro;
  TfmMAIN fm;
  registra_ensaio(fm);
  tFMBASE* intacta = fm.novoensaio();
  tFECHAR act = tFECHAR::libera;
  fm.closeform(intacta, act);  // nothing typed: no question
  EXPECT_EQ(roteiro->perguntas.size(), 0u);
  EXPECT_EQ(fm.tab_lst().size(), 0u);

  auto* w = dynamic_cast<TfmENSAIO*>(fm.novoensaio());
  ASSERT_NE(w, nullptr);
  digita(*w, colTMED, 1, "1.02");
  roteiro->respostas.push_back(tRESPOSTA::cancela);
  act = tFECHAR::libera;
  fm.closeform(w, act);
  ASSERT_EQ(roteiro->perguntas.size(), 1u);
  EXPECT_EQ(roteiro->perguntas[0], "Salvar arquivo: \"novo ensaio de rele\"?");
  EXPECT_EQ(act, tFECHAR::nenhum);
  EXPECT_EQ(fm.tab_lst().size(), 1u);
}

TEST_F(EnsaioPrincipal, ArquivoDanificado) {
  tROTEIRO roteiro;
  TfmMAIN fm;
  registra_ensaio(fm);
  const std::string nome = arq("ruim.ens");
  QFile f(QString::fromStdString(nome));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("isto não é uma planilha\r\n");
  f.close();
  EXPECT_EQ(comando([&] { fm.loadfile(false, nome); }), false);
  ASSERT_EQ(roteiro->mensagens.size(), 1u);
  EXPECT_EQ(roteiro->mensagens[0].texto,
            "Não foi possível ler o arquivo \"" + nome +
                "\": não é uma planilha de ensaio de relé (falta a linha de títulos da tabela).");
  EXPECT_EQ(fm.tab_lst().size(), 0u);
}

}  // namespace
