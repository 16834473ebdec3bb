// The calculation window driven as the user drives it, inside a main window
// with the chart and calculation kinds registered: the grids with their
// bounds and fallbacks, the transformer list, Apply and its refusals, the
// report area, the report's text file, printing and "Criar coordenograma".
// Dialogs are scripted; edits go in as the grid's editor puts them (the
// model's setData).
//
// TARVINEL_SALVAR_IMAGEM set in the environment writes screenshots of every
// page of the window and of the chart it creates, as calc_janela_<page>.png
// and calc_coordenograma.png in the temporary folder.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "core/calculation/calcgrade.h"
#include "core/calculation/relatorio.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/curves/inifile.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/numtxt.h"
#include "gui/calculation/fmcalc.h"
#include "gui/coordination/coordx.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/msglog.h"
#include "gui/vlprop.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

using tLINHAS = std::vector<std::string>;

class tCALC : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    inifile_open(std::make_unique<tMEMSTORE>());
    fm = std::make_unique<TfmMAIN>();
    fm->resize(1400, 900);
    registra_coord(*fm);
    registra_calc(*fm);
    w = dynamic_cast<TfmCALC*>(fm->novocalc());
    ASSERT_NE(w, nullptr);
  }
  void TearDown() override {
    fm.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    inifile_close();
  }

  std::string caminho(const std::string& nome) const {
    return QDir(dir.path()).filePath(QString::fromStdString(nome)).toStdString();
  }

  // What the user typing into a row of a grid amounts to.
  static void edita(tVLPROP* v, const std::string& key, const std::string& valor) {
    const int r = v->grid()->indexof(key);
    ASSERT_GE(r, 0) << key;
    v->model()->setData(v->model()->index(r, 1), QString::fromStdString(valor), Qt::EditRole);
  }

  // The user picking entry i of the transformer list.
  void escolhe(int i) {
    w->cbLISTATRAFO->setCurrentIndex(i);
    emit w->cbLISTATRAFO->activated(i);
  }

  // Apply as the button runs it; the button must be enabled by then.
  void aplica() {
    ASSERT_TRUE(w->btAPLICAR->isEnabled());
    w->btAPLICAR->click();
  }

  tLINHAS entradas() const {
    tLINHAS r;
    for (int i = 0; i < w->cbLISTATRAFO->count(); ++i)
      r.push_back(w->cbLISTATRAFO->itemText(i).toStdString());
    return r;
  }

  std::string relatorio() const { return w->mmREPORT->toPlainText().toStdString(); }

  // The report without its date line, which follows the clock.
  static tLINHAS sem_data(const std::string& texto) {
    tLINHAS l;
    std::size_t i = 0;
    while (i <= texto.size()) {
      std::size_t f = texto.find('\n', i);
      if (f == std::string::npos) f = texto.size();
      std::string s = texto.substr(i, f - i);
      if (s.rfind("Data: ", 0) != 0) l.push_back(s);
      i = f + 1;
    }
    return l;
  }

  std::vector<std::string> mensagens() {
    std::vector<std::string> r;
    for (const auto& m : dlg->mensagens) r.push_back(m.texto);
    return r;
  }

  std::vector<std::string> log() const {
    std::vector<std::string> r;
    for (int i = 0; i < fm->lbPRINTF()->count(); ++i)
      r.push_back(fm->lbPRINTF()->item(i)->text().toStdString());
    return r;
  }

  QTemporaryDir dir;
  tROTEIRO dlg;
  std::unique_ptr<TfmMAIN> fm;
  TfmCALC* w = nullptr;
};

TEST_F(tCALC, NewWindowShowsTheExampleReportAndItsTwoTransformers) {
  EXPECT_EQ(w->caption(), "novo ajuste");
  EXPECT_EQ(w->extdef, "ajuste");
  EXPECT_FALSE(w->changed);
  EXPECT_FALSE(w->btAPLICAR->isEnabled());
  EXPECT_EQ(w->pageMAIN->currentIndex(), 0);
  EXPECT_EQ(w->pageMAIN->tabText(4).toStdString(), "Relatório");

  // The report is the one the engine writes for the example project.
  tPRJCALC p;
  tPRJCALCVAR c;
  calcexec(p, c);
  tRELATORIO r;
  r.reportexec(p, c);
  EXPECT_EQ(sem_data(relatorio()), sem_data(r.texto().substr(0, r.texto().size() - 1)));
  EXPECT_GT(r.linhas.size(), 100u);

  EXPECT_EQ(entradas(), (tLINHAS{"1) Trafo 250 kVA", "2) Trafo 750 kVA"}));
  EXPECT_EQ(w->cbLISTATRAFO->currentIndex(), 1);
  EXPECT_EQ(w->gridITEM.value("Potência (kVA)"), "750.0");
  EXPECT_EQ(w->gridITEM.value("Impedância (Z1%)"), "4.50");
  EXPECT_EQ(w->gridITEM.value("Ligação (AT-BT)"), "∆-Ya");
  // The customer relay's computed currents are back in its grid.
  EXPECT_EQ(w->gridRELE.value("FASE.IDEF [A]"), idef2txt(w->proj.rele_cli->relf.idef));
  EXPECT_FALSE(w->vlCONC->isEnabled());
  EXPECT_TRUE(dlg->mensagens.empty());
}

TEST_F(tCALC, F2MakesANewCalculation) {
  QAction* a = fm->acao("NOVOCALC");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_TRUE(a->isEnabled());
  a->trigger();
  ASSERT_EQ(fm->tab_lst().size(), 2u);
  EXPECT_NE(dynamic_cast<TfmCALC*>(fm->xta()), nullptr);
  EXPECT_NE(fm->xta(), w);
}

// One typed value in a row of the general or transformer grid.
struct tENTRADA {
  const char* nome;
  bool trafo;  // the transformer grid (the second transformer is selected)
  const char* key;
  const char* texto;
  double (*campo)(const TfmCALC&);
  double esperado;
};

// Reading the grids (what Apply does first): the calculation afterwards
// completes some of these fields, so the reading is checked on its own.
TEST_F(tCALC, TypedValuesAreBoundedOrKeepTheField) {
  const std::vector<tENTRADA> casos = {
      {"0 em ICC3FA vira 1 A", false, "Corrente ICC3FA [A]", "0",
       [](const TfmCALC& c) { return c.proj.icc_con.ICC3FA; }, 1},
      {"abc em IIN mantém o fator", false, "Fator IIN [%]", "abc",
       [](const TfmCALC& c) { return c.proj.fat_iin; }, 0.2},
      {"150 em IPF vira 100 %", false, "Fator IPF [%]", "150",
       [](const TfmCALC& c) { return c.proj.fat_ipf; }, 1.0},
      {"1500 em IIF vira 1000 %", false, "Fator IIF [%]", "1500",
       [](const TfmCALC& c) { return c.proj.fat_iif; }, 10.0},
      {"potência desconhecida vira a primeira", false, "Considerar potência...", "Outra",
       [](const TfmCALC& c) { return double(c.proj.lim_pot); }, 0},
      {"Imag.Neutro acima de 1", false, "Imag.Neutro", "3",
       [](const TfmCALC& c) { return c.proj.inr_neu; }, 1},
      {"Tensão BT ilegível vira 380", true, "Tensão BT (V)", "abc",
       [](const TfmCALC& c) { return double(c.proj.trafos.GetTrafos(1)->ten_sec); }, 380},
      {"Tensão BT abaixo de 127", true, "Tensão BT (V)", "100",
       [](const TfmCALC& c) { return double(c.proj.trafos.GetTrafos(1)->ten_sec); }, 127},
      {"Z1% ilegível mantém", true, "Impedância (Z1%)", "x",
       [](const TfmCALC& c) { return c.proj.trafos.GetTrafos(1)->zp; }, 4.5},
      {"ligação desconhecida mantém", true, "Ligação (AT-BT)", "Y-Y",
       [](const TfmCALC& c) { return double(c.proj.trafos.GetTrafos(1)->lig); }, LIG_DYA},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    w = dynamic_cast<TfmCALC*>(fm->novocalc());
    ASSERT_NE(w, nullptr);
    edita(c.trafo ? w->vlITEM : w->vlPROP, c.key, c.texto);
    EXPECT_TRUE(w->btAPLICAR->isEnabled());
    w->getprop();
    EXPECT_EQ(c.campo(*w), c.esperado);
  }
}

TEST_F(tCALC, ApplyKeepsValuesTheGridShowsRounded) {
  // The grid shows 16.7 for 16.7438 and 4.727 for 4.7273; applying untouched
  // rows must not round the stored values to what is shown.
  w->proj.z0r = {4.7273, 16.7438};
  w->proj.trafos.GetTrafos(1)->zp = 4.567;
  w->showprop();
  EXPECT_EQ(w->gridPROP.value("Impedância rede (X0)"), "16.7");
  EXPECT_EQ(w->gridITEM.value("Impedância (Z1%)"), "4.57");
  edita(w->vlPROP, "Empresa", "outra");
  aplica();
  EXPECT_EQ(w->proj.z0r.r, 4.7273);
  EXPECT_EQ(w->proj.z0r.x, 16.7438);
  EXPECT_EQ(w->proj.trafos.GetTrafos(1)->zp, 4.567);
  // A typed value is taken as typed (the text shown, typed again, is no edit).
  edita(w->vlPROP, "Impedância rede (X0)", "16.70");
  edita(w->vlITEM, "Impedância (Z1%)", "4.6");
  aplica();
  EXPECT_EQ(w->proj.z0r.x, 16.7);
  EXPECT_EQ(w->proj.trafos.GetTrafos(1)->zp, 4.6);
}

TEST_F(tCALC, ZeroUtilityCurrentIsCompletedByTheCalculation) {
  edita(w->vlPROP, "Corrente ICC3FA [A]", "0");
  aplica();
  // Stored as 1 A ("not given"), then completed from the symmetrical current.
  EXPECT_GT(w->proj.icc_con.ICC3FA, w->proj.icc_con.ICC3F);
  EXPECT_EQ(w->gridPROP.value("Corrente ICC3FA [A]"), num2txt(w->proj.icc_con.ICC3FA));
}

TEST_F(tCALC, AutomaticImpedanceShowsPlaceholderAndKeepsStoredValues) {
  const tCPLX z0 = w->proj.z0r, z1 = w->proj.z1r;
  edita(w->vlPROP, "Impedância de rede", "Automatico");
  aplica();
  EXPECT_EQ(w->proj.red_inp_mod, RED_AUTOMATICO);
  for (const char* k : {"Impedância rede (R0)", "Impedância rede (X0)", "Impedância rede (R1)",
                        "Impedância rede (X1)"})
    EXPECT_EQ(w->gridPROP.value(k), "(automatico)") << k;
  // Applying again reads "(automatico)", which is no number.
  edita(w->vlPROP, "Empresa", "outra");
  aplica();
  EXPECT_EQ(w->proj.z0r.r, z0.r);
  EXPECT_EQ(w->proj.z0r.x, z0.x);
  EXPECT_EQ(w->proj.z1r.r, z1.r);
  EXPECT_EQ(w->proj.z1r.x, z1.x);
  // Back to "pu": the stored values reappear.
  edita(w->vlPROP, "Impedância de rede", "pu");
  aplica();
  EXPECT_EQ(w->gridPROP.value("Impedância rede (X0)"), num2txt(z0.x));
}

TEST_F(tCALC, WithoutTransformersApplyRefusesAndKeepsTheReport) {
  const std::string antes = relatorio();
  const double fase = w->calc.inrush_fase;
  w->btDELETE->click();
  w->btDELETE->click();
  EXPECT_EQ(w->proj.trafos.count(), 0);
  EXPECT_EQ(w->cbLISTATRAFO->count(), 0);
  EXPECT_EQ(w->gridITEM.count(), 0);
  EXPECT_EQ(w->trsel(), nullptr);
  w->btDELETE->click();  // nothing left to delete
  edita(w->vlPROP, "Empresa", "não lida");
  aplica();
  EXPECT_EQ(mensagens(), (std::vector<std::string>{"O sistema deve conter pelo menos um trafo."}));
  EXPECT_EQ(relatorio(), antes);
  EXPECT_EQ(w->calc.inrush_fase, fase);
  EXPECT_EQ(w->proj.empresa, "exemplo");  // nothing was read
}

TEST_F(tCALC, InsertCopiesTheSelectedTransformersFiveFields) {
  escolhe(0);
  tTRAFO* t = w->proj.trafos.GetTrafos(0);
  t->imag = 6;
  t->lig = LIG_YAYA;
  t->prll = true;
  t->xr = 20;
  t->ten_sec = 220;
  t->obs = "nota";
  // An edit of the grid that was not applied is not read by "+".
  edita(w->vlITEM, "Potência (kVA)", "999");
  w->btINSERT->click();
  ASSERT_EQ(w->proj.trafos.count(), 3);
  const tTRAFO* n = w->proj.trafos.GetTrafos(2);
  EXPECT_EQ(n->kva, 250);
  EXPECT_EQ(n->zp, 5.5);
  EXPECT_EQ(n->imag, 6);
  EXPECT_EQ(n->lig, LIG_YAYA);
  EXPECT_EQ(n->prll, true);
  EXPECT_EQ(n->xr, 10);
  EXPECT_EQ(n->ten_sec, 380);
  EXPECT_EQ(n->obs, "");
  EXPECT_EQ(t->kva, 250);
  EXPECT_EQ(entradas(), (tLINHAS{"1) Trafo 250 kVA", "2) Trafo 750 kVA", "3) Trafo 250 kVA"}));
  EXPECT_EQ(w->cbLISTATRAFO->currentIndex(), 2);
  EXPECT_EQ(w->gridITEM.value("Paralelo"), "Sim");
  EXPECT_TRUE(w->btAPLICAR->isEnabled());
}

TEST_F(tCALC, RefusedInputShowsReasonsAndKeepsResultsReportAndGrids) {
  const std::string antes = relatorio();
  const double inom = w->proj.trafos.GetTrafos(1)->inom;
  const double ipf = w->proj.rele_cli->relf.cor_par;
  edita(w->vlITEM, "Impedância (Z1%)", "0");
  edita(w->vlPROP, "Fator de potência", "0.85");
  aplica();
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(dlg->mensagens[0].texto, "Transformador 2: Impedância (Z1%) deve ser maior que zero.");
  EXPECT_EQ(dlg->mensagens[0].icone, tICONE::erro);
  EXPECT_EQ(relatorio(), antes);
  EXPECT_EQ(w->proj.trafos.GetTrafos(1)->inom, inom);
  EXPECT_EQ(w->proj.rele_cli->relf.cor_par, ipf);
  // The user's entries stay in the grids and in the project, to be corrected.
  EXPECT_EQ(w->gridITEM.value("Impedância (Z1%)"), "0");
  EXPECT_EQ(w->gridPROP.value("Fator de potência"), "0.85");
  EXPECT_EQ(w->proj.fatorp, 0.85);
  EXPECT_TRUE(w->changed);
  EXPECT_TRUE(w->btAPLICAR->isEnabled());
  // Corrected, Apply goes through.
  edita(w->vlITEM, "Impedância (Z1%)", "4.5");
  aplica();
  EXPECT_NE(relatorio(), antes);
  EXPECT_FALSE(w->btAPLICAR->isEnabled());
}

TEST_F(tCALC, PlausibilityMessageIsModalAndWarningsGoRedToTheLog) {
  edita(w->vlPROP, "Corrente ICC3F [A]", "3000");
  edita(w->vlRELE, "FASE.IDEF [A]", "4000");
  aplica();
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  std::string esperado = MSG_RELACAO_ICC3F;
  for (char& c : esperado)
    if (c == '\r') c = '\n';
  EXPECT_EQ(dlg->mensagens[0].texto, esperado);
  EXPECT_EQ(dlg->mensagens[0].icone, tICONE::erro);

  const auto l = log();
  std::vector<std::string> avisos, cores;
  for (const auto& s : l)
    if (s.find('#') != std::string::npos) {
      avisos.push_back(s.substr(s.find(" - ") + 3));
      cores.push_back(tLOG::cor(QString::fromStdString(s)).name().toStdString());
    }
  // The example's instantaneous (366.1 A) is below the low-side fault of
  // transformer 2 (414.3 A): every run says so, the first when the window opens.
  const std::string t2 =
      "#ATENÇÃO: instantânea de FASE do relé do cliente (Iif = 366.1 A) não supera a ICC3FA da "
      "barra de baixa tensão do transformador 2 referida à média tensão (414.3 A): o relé atua no "
      "instantâneo para faltas na baixa tensão e não é seletivo com a proteção de baixa tensão.";
  EXPECT_EQ(avisos, (std::vector<std::string>{
                        t2, "#ATENÇÂO: Corrente FASE definida (IDEF) maior que instantânea.", t2}));
  EXPECT_EQ(cores, (std::vector<std::string>(3, "#ff0000")));
  ASSERT_GE(l.size(), 2u);
  EXPECT_NE(l.back().find(" - OK"), std::string::npos) << l.back();
  // The run went on after the message.
  EXPECT_EQ(w->proj.icc_con.ICC3F, 3000);
  EXPECT_EQ(w->gridRELE.value("FASE.IDEF [A]"), "4000");
}

TEST_F(tCALC, ApplyKeepsTheReportScrolledWhereItWas) {
  fm->show();  // showing the main window leaves no document active
  fm->tab_set(w);
  QApplication::processEvents();
  QScrollBar* sb = w->mmREPORT->verticalScrollBar();
  ASSERT_GT(sb->maximum(), 120);
  sb->setValue(120);
  edita(w->vlPROP, "Projetista", "outro");
  aplica();
  EXPECT_EQ(sb->value(), 120);
  EXPECT_EQ(w->mmREPORT->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_TRUE(w->mmREPORT->font().fixedPitch());
}

TEST_F(tCALC, CheckBoxesEnableApplyAndTheUtilityRelayGrid) {
  struct tCASO {
    QCheckBox* cb;
    bool habilita;
  };
  for (const tCASO& c :
       {tCASO{w->cbCONC, true}, tCASO{w->cbREL_MAIN, true}, tCASO{w->cbREL_CALC, false},
        tCASO{w->cbREL_CELESC, false}, tCASO{w->cbREL_ELO, false}}) {
    w->btAPLICAR->setEnabled(false);
    c.cb->click();
    EXPECT_EQ(w->btAPLICAR->isEnabled(), c.habilita) << c.cb->text().toStdString();
  }
  EXPECT_TRUE(w->cbCONC->isChecked());
  EXPECT_TRUE(w->vlCONC->isEnabled());
  w->cbCONC->click();
  EXPECT_FALSE(w->vlCONC->isEnabled());
}

TEST_F(tCALC, HintsOfTheGrids) {
  const std::string inicial = w->mmHINT->toPlainText().toStdString();
  EXPECT_EQ(inicial,
            "Selecione uma das propriedades para ver aqui uma \ndescrição breve da sua função.");
  w->vlPROP->seleciona("Fator IPF [%]");
  EXPECT_EQ(w->mmHINT->toPlainText().toStdString(),
            "Fator IPF [%]:\nCorrente de partida de fase = FATOR * Inominal");
  // A row without a hint of its own shows its name alone, never the hint of
  // the row before.
  w->vlPROP->seleciona("Impedância cabo (R0) [ohm/km]");
  EXPECT_EQ(w->mmHINT->toPlainText().toStdString(), "Impedância cabo (R0) [ohm/km]:\n");
  w->vlITEM->seleciona("Tensão BT (V)");
  EXPECT_EQ(w->mmHINT->toPlainText().toStdString(), "Tensão BT (V):\nTensão no secundário");
  w->vlPROP->seleciona("Corrente ICCFTM [A]");
  EXPECT_EQ(w->mmHINT->toPlainText().toStdString(),
            "Corrente ICCFTM [A]:\n" + gethint_calc("Corrente ICCFTM [A]"));
}

TEST_F(tCALC, RelayGridButtonsUseTheChoosers) {
  dlg->curvas.push_back(std::string("IEC-MI"));
  w->btAPLICAR->setEnabled(false);
  emit w->vlRELE->botao(QStringLiteral("FASE.Curva Principal"));
  EXPECT_EQ(w->gridRELE.value("FASE.Curva Principal"), "IEC-MI");
  EXPECT_TRUE(w->btAPLICAR->isEnabled());
  dlg->cores.push_back(0x123456u);
  emit w->vlCONC->botao(QStringLiteral("Cor"));
  EXPECT_EQ(w->gridCONC.value("Cor"), "$123456");
  // Cancelled: nothing changes.
  emit w->vlRELE->botao(QStringLiteral("NEUT.Curva Principal"));
  EXPECT_EQ(w->gridRELE.value("NEUT.Curva Principal"), w->proj.rele_cli->reln.nom_cur);
  aplica();
  EXPECT_EQ(w->proj.rele_cli->relf.nom_cur, "IEC-MI");
}

TEST_F(tCALC, ReportSavedAsUtf8Text) {
  const std::string arq = caminho("relatorio.txt");
  dlg->arquivos.push_back(arq);
  w->Button1->click();
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].filtro, "Arquivos de texto|*.txt");
  EXPECT_EQ(dlg->pedidos[0].extpadrao, "txt");
  EXPECT_TRUE(dlg->pedidos[0].salvar);
  EXPECT_EQ(mensagens(), (std::vector<std::string>{"Arquivo salvo com sucesso."}));
  EXPECT_EQ(lerbytes(arq), relatorio() + "\n");
  EXPECT_NE(lerbytes(arq).find("Estudo de proteção"), std::string::npos);

  // Cancelled: nothing written, no message.
  dlg->mensagens.clear();
  dlg->arquivos.push_back(std::nullopt);
  w->Button1->click();
  EXPECT_TRUE(dlg->mensagens.empty());

  // A folder that does not exist: an error message, the window goes on.
  dlg->arquivos.push_back(caminho("nao/existe/relatorio.txt"));
  w->Button1->click();
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(dlg->mensagens[0].icone, tICONE::erro);
}

TEST_F(tCALC, PrintedReportStartsEverySectionOnAPage) {
  const std::string arq = caminho("relatorio.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(arq));
  w->printexec(printer);
  const std::string pdf = lerbytes(arq);
  ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
  std::size_t paginas = 0;
  for (std::size_t i = pdf.find("/Type /Page"); i != std::string::npos;
       i = pdf.find("/Type /Page", i + 1))
    if (pdf.compare(i, 12, "/Type /Pages") != 0) ++paginas;
  // A title (a line between two rules of "=") opens a page of its own; the
  // first one is on the first page.
  const std::string regua(62, '=');
  const auto& l = w->rel.linhas;
  std::size_t titulos = 0;
  for (std::size_t i = 1; i + 1 < l.size(); ++i)
    if (l[i - 1] == regua && l[i + 1] == regua) ++titulos;
  EXPECT_GE(titulos, 5u);
  EXPECT_GE(paginas, titulos) << "títulos: " << titulos;
}

TEST_F(tCALC, SavedClosedAndReopenedGivesTheSameReport) {
  edita(w->vlPROP, "Empresa", "Fábrica Ñandu");
  // The example's impedances (16.7438 and the like, more than two decimals)
  // are kept as they are: the file holds them exactly.
  edita(w->vlITEM, "Potência (kVA)", "500");
  aplica();
  w->btINSERT->click();  // a third transformer, a copy of the 500 kVA one
  aplica();
  const tLINHAS antes = sem_data(relatorio());
  const std::string arq = caminho("estudo.ajuste");
  dlg->arquivos.push_back(arq);  // a new document asks for its name
  fm->salvar();
  EXPECT_EQ(w->curfilename, arq);
  EXPECT_FALSE(w->changed);
  tFECHAR acao = tFECHAR::libera;
  fm->closeform(w, acao);
  EXPECT_TRUE(fm->tab_lst().empty());

  fm->loadfile(false, arq);
  auto* r = dynamic_cast<TfmCALC*>(fm->xta());
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->caption(), arq);
  EXPECT_TRUE(r->changed);  // reading a calculation runs Apply
  EXPECT_FALSE(r->btAPLICAR->isEnabled());
  EXPECT_EQ(sem_data(r->mmREPORT->toPlainText().toStdString()), antes);
  ASSERT_EQ(r->cbLISTATRAFO->count(), 3);
  EXPECT_EQ(r->cbLISTATRAFO->itemText(2).toStdString(), "3) Trafo 500 kVA");
  EXPECT_EQ(r->gridPROP.value("Empresa"), "Fábrica Ñandu");
  EXPECT_EQ(fm->recentes().lista().front(), arq);
}

TEST_F(tCALC, UnreadableFileLeavesNoWindowAndChangesNothing) {
  const std::string antes = relatorio();
  EXPECT_THROW(w->loadfromfile(caminho("nao_existe.ajuste")), tERROARQ);
  EXPECT_EQ(w->proj.trafos.count(), 2);
  EXPECT_EQ(w->caption(), "novo ajuste");
  EXPECT_EQ(relatorio(), antes);
}

// The settings of the chart, by kind.
std::vector<std::string> tipos(const tPRJCOORD& p) {
  std::vector<std::string> r;
  for (const auto& a : p.ajustes) {
    const tAJUSTE* x = a.get();
    if (dynamic_cast<const tAJUSTE_RELIGA*>(x))
      r.push_back("religa:" + x->caption);
    else if (dynamic_cast<const tAJUSTE_INRUSH*>(x))
      r.push_back("inrush");
    else if (dynamic_cast<const tAJUSTE_FUSE*>(x))
      r.push_back("fuse");
    else if (auto* t = dynamic_cast<const tAJUSTE_TRAFO*>(x))
      r.push_back("ansi:" + num2txt(t->kva));
    else if (dynamic_cast<const tAJUSTE_MINMAX*>(x))
      r.push_back("minmax");
    else
      r.push_back("?");
  }
  return r;
}

TEST_F(tCALC, ChartFromFiveTransformersWithFuseLinks) {
  escolhe(0);
  w->btINSERT->click();
  w->btINSERT->click();
  w->btINSERT->click();  // 250, 750, 250, 250, 250
  ASSERT_EQ(w->proj.trafos.count(), 5);
  edita(w->vlPROP, "Empresa", "Cliente S.A.");
  w->cbREL_ELO->click();
  w->cbCONC->click();
  w->btCRIARCOORD->click();

  auto* c = dynamic_cast<TfmCOORD*>(fm->xta());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(fm->tab_lst().size(), 2u);
  EXPECT_TRUE(c->changed);
  const tPRJCOORD& p = *c->proj;
  EXPECT_EQ(tipos(p),
            (std::vector<std::string>{"religa:cliente", "religa:Concessionária", "inrush", "fuse",
                                      "fuse", "ansi:250.0", "ansi:750.0", "ansi:250.0",
                                      "ansi:250.0", "ansi:250.0", "minmax"}));
  EXPECT_EQ(p.titulo, "Cliente S.A.");
  EXPECT_EQ(p.projetista, "exemplo");
  EXPECT_EQ(p.ten_nom, 13.8);

  auto fusetags = [&](int i) {
    const auto* f = dynamic_cast<const tAJUSTE_FUSE*>(p.ajustes.Getajustes(i));
    EXPECT_NE(f, nullptr) << "item " << i << " is not a fuse setting";
    if (f == nullptr) return std::vector<std::string>{};
    return std::vector<std::string>(f->fusetag.begin(), f->fusetag.end());
  };
  auto elo = [&](int t) { return tAJUSTE_FUSE::getfuse(w->proj.trafos.GetTrafos(t)->inom); };
  EXPECT_EQ(fusetags(3), (std::vector<std::string>{elo(0), elo(1), elo(2), elo(3)}));
  EXPECT_EQ(fusetags(4), (std::vector<std::string>{elo(4), "Nenhum", "Nenhum", "Nenhum"}));
  EXPECT_NE(elo(0), elo(1));  // 250 and 750 kVA take different links

  const auto* cli = dynamic_cast<const tAJUSTE_RELIGA*>(p.ajustes.Getajustes(0));
  ASSERT_NE(cli, nullptr);
  EXPECT_EQ(cli->color, 0x8000);
  EXPECT_EQ(cli->relf.cor_par, w->proj.rele_cli->relf.cor_par);
  EXPECT_EQ(w->proj.rele_cli->caption, "cliente");  // stays in the calculation
  const auto* in = dynamic_cast<const tAJUSTE_INRUSH*>(p.ajustes.Getajustes(2));
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->inrush, w->calc.inrush_fase);
  EXPECT_EQ(in->inrusn, w->calc.inrush_neutro);
  const auto* mm = dynamic_cast<const tAJUSTE_MINMAX*>(p.ajustes.Getajustes(10));
  ASSERT_NE(mm, nullptr);
  EXPECT_EQ(mm->iccmin, w->proj.iccmin);
  EXPECT_EQ(mm->iccmax, w->proj.iccmax);
  EXPECT_DOUBLE_EQ(mm->inom, w->proj.lim_pot_get() / (std::numbers::sqrt3 * 0.92 * 13.8));

  const auto l = log();
  ASSERT_GE(l.size(), 2u);
  EXPECT_NE(std::find_if(l.begin(), l.end(),
                         [](const std::string& s) {
                           return s.find(" - Criando coordenograma") != std::string::npos;
                         }),
            l.end());
}

TEST_F(tCALC, ZeroKvaTransformerGetsNoAnsiPoint) {
  escolhe(0);
  edita(w->vlITEM, "Potência (kVA)", "0");
  w->btCRIARCOORD->click();
  // Apply refused the input; the chart comes from the last results.
  ASSERT_EQ(dlg->mensagens.size(), 1u);
  EXPECT_EQ(dlg->mensagens[0].texto, "Transformador 1: Potência (kVA) deve ser maior que zero.");
  auto* c = dynamic_cast<TfmCOORD*>(fm->xta());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(tipos(*c->proj),
            (std::vector<std::string>{"religa:cliente", "inrush", "ansi:750.0", "minmax"}));
}

TEST_F(tCALC, ChartWithoutTransformersUsesTheLastResults) {
  const double fase = w->calc.inrush_fase;
  w->btDELETE->click();
  w->btDELETE->click();
  w->btCRIARCOORD->click();
  EXPECT_EQ(mensagens(), (std::vector<std::string>{"O sistema deve conter pelo menos um trafo."}));
  auto* c = dynamic_cast<TfmCOORD*>(fm->xta());
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(tipos(*c->proj), (std::vector<std::string>{"religa:cliente", "inrush", "minmax"}));
  EXPECT_EQ(dynamic_cast<const tAJUSTE_INRUSH*>(c->proj->ajustes.Getajustes(1))->inrush, fase);
  // No power installed: "Menor valor" gives 0 A nominal, which has no mark.
  EXPECT_EQ(dynamic_cast<const tAJUSTE_MINMAX*>(c->proj->ajustes.Getajustes(2))->inom, 0);
}

TEST_F(tCALC, Screenshots) {
  if (std::getenv("TARVINEL_SALVAR_IMAGEM") == nullptr)
    GTEST_SKIP() << "TARVINEL_SALVAR_IMAGEM não definido";
  fm->show();  // showing the main window leaves no document active
  fm->tab_set(w);
  QApplication::processEvents();
  EXPECT_TRUE(fm->grab().save(QDir::temp().filePath(QStringLiteral("calc_main.png"))));
  const char* nomes[] = {"geral", "rele_cli", "rele_con", "trafo", "relatorio"};
  w->cbCONC->click();
  for (int i = 0; i < 5; ++i) {
    w->pageMAIN->setCurrentIndex(i);
    QApplication::processEvents();
    const QImage img = w->container()->grab().toImage();
    ASSERT_FALSE(img.isNull());
    EXPECT_TRUE(
        img.save(QDir::temp().filePath(QStringLiteral("calc_janela_%1.png").arg(nomes[i]))));
  }
  w->cbREL_ELO->click();
  w->btCRIARCOORD->click();
  auto* c = dynamic_cast<TfmCOORD*>(fm->xta());
  ASSERT_NE(c, nullptr);
  QApplication::processEvents();
  const QImage img = c->container()->grab().toImage();
  EXPECT_TRUE(img.save(QDir::temp().filePath(QStringLiteral("calc_coordenograma.png"))));
}

}  // namespace
