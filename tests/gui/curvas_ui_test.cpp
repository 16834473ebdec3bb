// The curve browser, the user-curve editor and the fuse-link chooser on the
// offscreen platform. Modal windows are driven from inside their own event
// loop: a step queued with `depois` runs once the next exec has started.
//
// TARVINEL_SALVAR_IMAGEM set in the environment also writes pictures of the
// three windows to the temporary folder, for a person to look at.

#include "gui/curves/curvas_ui.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/curves/elofusivel.h"
#include "core/curves/freliga.h"
#include "core/curves/inifile.h"
#include "core/foundation/numtxt.h"
#include "gui/curves/fm_edit_curve.h"
#include "gui/curves/fmcurva.h"
#include "gui/curves/fmelo.h"
#include "gui/dialogos.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

// Runs f inside the modal loop opened right after this call.
void depois(std::function<void()> f) {
  QTimer::singleShot(0, std::move(f));
}

std::string txt(const QString& s) {
  return s.toStdString();
}

std::vector<std::string> filhos(const QTreeWidgetItem* no) {
  std::vector<std::string> r;
  for (int i = 0; i < no->childCount(); ++i) r.push_back(txt(no->child(i)->text(0)));
  return r;
}

std::vector<std::string> grupos(const QTreeWidget* tv) {
  std::vector<std::string> r;
  for (int i = 0; i < tv->topLevelItemCount(); ++i) r.push_back(txt(tv->topLevelItem(i)->text(0)));
  return r;
}

QTreeWidgetItem* grupo(const QTreeWidget* tv, const std::string& nome) {
  for (int i = 0; i < tv->topLevelItemCount(); ++i)
    if (txt(tv->topLevelItem(i)->text(0)) == nome) return tv->topLevelItem(i);
  return nullptr;
}

// The selection as "group/node" ("" when nothing is selected), so a failure
// shows where it landed.
std::string selecao(const QTreeWidget* tv) {
  const auto sel = tv->selectedItems();
  if (sel.isEmpty()) return "";
  const QTreeWidgetItem* no = sel.front();
  if (no->parent() == nullptr) return txt(no->text(0));
  return txt(no->parent()->text(0)) + "/" + txt(no->text(0));
}

void seleciona(QTreeWidget* tv, QTreeWidgetItem* no) {
  tv->clearSelection();
  tv->setCurrentItem(no);
  no->setSelected(true);
}

std::vector<std::string> nomes_usuario() {
  std::vector<std::string> r;
  for (const auto& u : usercurves()) r.push_back(u.nom);
  return r;
}

tUSERCURVE curva(const std::string& nome, double ip = 1, bool adj = true) {
  tUSERCURVE u;
  u.init();
  u.nom = nome;
  u.ip = ip;
  u.adj = adj;
  return u;
}

void salva_imagem(QWidget& w, const char* nome) {
  if (std::getenv("TARVINEL_SALVAR_IMAGEM") == nullptr) return;
  w.show();
  QApplication::processEvents();
  w.grab().save(QDir::temp().filePath(QString::fromLatin1(nome)));
  w.hide();
}

// Every test starts with an in-memory settings store and a known list of
// user curves, and runs under scripted messages.
class CurvasUi : public ::testing::Test {
 protected:
  void SetUp() override {
    inifile_open(std::make_unique<tMEMSTORE>());
    usercurves() = {curva("Minha A"), curva("Minha B")};
  }
  void TearDown() override {
    usercurves().clear();
    inifile_close();
  }
  tROTEIRO roteiro;
};

// ---- the curve browser ----

TEST_F(CurvasUi, ArvoreTemOsGruposFixosEAsCurvasDoUsuarioEmCUSTOM) {
  TfmCURVA fm;
  EXPECT_EQ(txt(fm.windowTitle()), "Editor de curva personalizada");
  EXPECT_EQ(grupos(fm.tvMAIN),
            (std::vector<std::string>{"IEC (português)", "IEC (inglês)", "IEEE", "ANSI-C37.90",
                                      "ANSI-C37.112", "COOPER-F6", "OUTRAS", "CUSTOM"}));
  EXPECT_EQ(filhos(grupo(fm.tvMAIN, "IEC (português)")),
            (std::vector<std::string>{"IEC-NI", "IEC-MI", "IEC-LI", "IEC-EI"}));
  EXPECT_EQ(filhos(grupo(fm.tvMAIN, "OUTRAS")),
            (std::vector<std::string>{"IT", "I2T", "RI", "OFF"}));
  EXPECT_EQ(filhos(fm.cus), (std::vector<std::string>{"Minha A", "Minha B"}));
  EXPECT_EQ(filhos(grupo(fm.tvMAIN, "COOPER-F6")).size(), 17u);
  salva_imagem(fm, "curvas_navegador.png");

  // Every curve the catalogue computes can be chosen in the tree.
  std::vector<std::string> na_arvore;
  for (int g = 0; g < fm.tvMAIN->topLevelItemCount(); ++g)
    for (const auto& n : filhos(fm.tvMAIN->topLevelItem(g))) na_arvore.push_back(n);
  for (const auto& n : curvenames())
    EXPECT_NE(std::find(na_arvore.begin(), na_arvore.end(), n), na_arvore.end()) << n;
}

TEST_F(CurvasUi, SelCurSelecionaONoDoNomeEDevolveAEscolhaSoNoOK) {
  TfmCURVA fm;
  struct tCASO {
    std::string nome;
    std::string selecao;  // expected selection while open
    bool ok;
    std::optional<std::string> resultado;
  };
  const std::vector<tCASO> casos = {
      // "IEC-EI" is in both IEC groups: the first one wins.
      {"IEC-EI", "IEC (português)/IEC-EI", true, "IEC-EI"},
      {"F6-133", "COOPER-F6/F6-133", true, "F6-133"},
      {"Minha B", "CUSTOM/Minha B", true, "Minha B"},
      // A name in no node: nothing selected, and OK gives it back unchanged.
      {"curva perdida", "", true, "curva perdida"},
      {"IEEE-VI", "IEEE/IEEE-VI", false, std::nullopt},
  };
  for (const auto& c : casos) {
    std::string aberta;
    depois([&] {
      aberta = selecao(fm.tvMAIN);
      (c.ok ? fm.btOK : fm.btCANCEL)->click();
    });
    EXPECT_EQ(fm.sel_cur(c.nome), c.resultado) << c.nome;
    EXPECT_EQ(aberta, c.selecao) << c.nome;
  }
  // Clicking a curve changes the choice; clicking a group after it does not.
  depois([&] {
    seleciona(fm.tvMAIN, grupo(fm.tvMAIN, "IEEE")->child(2));
    seleciona(fm.tvMAIN, grupo(fm.tvMAIN, "OUTRAS"));
    fm.btOK->click();
  });
  EXPECT_EQ(fm.sel_cur("IEC-NI"), std::optional<std::string>("IEEE-EI"));
  EXPECT_EQ(txt(fm.lbCURVA->text()), "Curva selecionada: IEEE-EI");
}

TEST_F(CurvasUi, AdicionarEditarEExcluirAgemNaListaEFicamNoArmazemAoFechar) {
  TfmCURVA fm;
  depois([&] {
    fm.btADD->click();
    fm.btADD->click();
    // Two new curves of the same name; the one just added is selected.
    EXPECT_EQ(filhos(fm.cus),
              (std::vector<std::string>{"Minha A", "Minha B", "nova curva", "nova curva"}));
    EXPECT_EQ(fm.cus->indexOfChild(fm.tvMAIN->selectedItems().front()), 3);

    // "Editar curva" edits the selected (the last) one.
    depois([&] {
      fm.editor().leNOME->setText("Rele X");
      fm.editor().btOK->click();
    });
    fm.btEDIT->click();
    EXPECT_EQ(fm.cursel(), "Rele X");
    EXPECT_EQ(selecao(fm.tvMAIN), "CUSTOM/Rele X");

    // "Excluir" on "Minha A".
    seleciona(fm.tvMAIN, fm.cus->child(0));
    fm.btDEL->click();
    fm.btCANCEL->click();
  });
  // Cancel discards only the choice of curve.
  EXPECT_EQ(fm.sel_cur("Minha A"), std::nullopt);
  EXPECT_EQ(nomes_usuario(), (std::vector<std::string>{"Minha B", "nova curva", "Rele X"}));
  EXPECT_EQ(filhos(fm.cus), nomes_usuario());

  // Closing wrote the list to the store, and only it.
  auto& st = inifile().store();
  std::vector<std::string> gravadas;
  for (int k = 0; k < 4; ++k)
    gravadas.push_back(st.readtext(tINIFILEx::curvesection(k), "name").value_or("-"));
  EXPECT_EQ(gravadas, (std::vector<std::string>{"Minha B", "nova curva", "Rele X", "-"}));
}

TEST_F(CurvasUi, ExcluirTiraACurvaDoNoMesmoComNomeRepetido) {
  usercurves() = {curva("X", 2), curva("Y"), curva("X", 3)};
  TfmCURVA fm;
  fm.showcurves(2);
  fm.excluir();
  ASSERT_EQ(nomes_usuario(), (std::vector<std::string>{"X", "Y"}));
  EXPECT_EQ(usercurves()[0].ip, 2);
  // The other curve of the deleted name takes the selection.
  EXPECT_EQ(selecao(fm.tvMAIN), "CUSTOM/X");
  EXPECT_EQ(fm.cus->indexOfChild(fm.tvMAIN->selectedItems().front()), 0);
}

TEST_F(CurvasUi, EditarEExcluirNaoFazemNadaForaDeCUSTOM) {
  TfmCURVA fm;
  for (const char* g : {"IEEE", "CUSTOM"}) {
    seleciona(fm.tvMAIN, grupo(fm.tvMAIN, g));
    // An editor opened by mistake is closed and recorded.
    QWidget* aberto = nullptr;
    depois([&] {
      aberto = QApplication::activeModalWidget();
      if (aberto) fm.editor().reject();
    });
    fm.editar();
    fm.excluir();
    QApplication::processEvents();
    EXPECT_EQ(aberto, nullptr) << g;
    EXPECT_EQ(nomes_usuario(), (std::vector<std::string>{"Minha A", "Minha B"})) << g;
  }
}

// ---- the preview ----

// The current labels of the preview's grid and the largest x of its red curve.
struct tPREVIA {
  std::vector<std::string> rotulos;
  std::vector<tPOINTI> curva;
};

tPREVIA previa(TfmCURVA& fm, const char* imax) {
  fm.cbIMAX->setCurrentText(QString::fromLatin1(imax));
  tCANVASREC c(800, 450);
  fm.drawchart(c, 800, 450);
  tPREVIA r;
  for (const auto& op : c.ops) {
    // The current labels stand below the plot, the time labels left of it.
    if (op.kind == tOPKIND::text && op.pts[0].y > 450 - 50) r.rotulos.push_back(op.text);
    if (op.kind == tOPKIND::polyline && op.pen.color == clRed)
      r.curva.insert(r.curva.end(), op.pts.begin(), op.pts.end());
  }
  return r;
}

TEST_F(CurvasUi, PreviaEmMultiplosDaCorrenteDePartidaAteImax) {
  TfmCURVA fm;
  fm.showcurves();  // "IEC-NI"
  tCHARTX ref;      // the preview's mapping, to place expected points
  ref.setwh(800, 450, 50);

  struct tCASO {
    const char* imax;
    double xh;
    std::vector<std::string> rotulos;
  };
  const std::vector<tCASO> casos = {
      {"10", 10, {"1", "10"}},
      {"100", 100, {"1", "10", "100"}},
      {"1E3", 1000, {"1", "10", "100", "1000"}},
      {"100E3", 100000, {"1", "10", "100", "1000", "10000", "100000"}},
  };
  for (const auto& c : casos) {
    const tPREVIA p = previa(fm, c.imax);
    EXPECT_EQ(p.rotulos, c.rotulos) << c.imax;
    ASSERT_FALSE(p.curva.empty()) << c.imax;
    ref.limites = {0.5, c.xh, 0.01, 100};
    // The curve starts just above the pickup and stops at 100 x pickup (or
    // at the end of the axis).
    const int x1 = static_cast<int>(ref.rl2px(1, 1).x);
    const int x100 = static_cast<int>(ref.rl2px(std::min(100.0, c.xh), 1).x);
    int xmin = p.curva.front().x, xmax = xmin;
    for (const auto& q : p.curva) {
      xmin = std::min(xmin, q.x);
      xmax = std::max(xmax, q.x);
    }
    EXPECT_GE(xmin, x1) << c.imax;
    EXPECT_LE(xmax, x100 + 1) << c.imax;
    EXPECT_GE(xmax, x100 - 3) << c.imax;
  }
}

// Currents as multiples of the table's pickup, the times as stored: the
// table's dial does not change the preview.
TEST_F(CurvasUi, PreviaDeCurvaFixaEmMultiplosDaSuaCorrenteDePartida) {
  for (const double dt : {1.0, 0.5}) {
    usercurves().clear();
    tUSERCURVE fixa = curva("Fixa", 100, false);
    fixa.dt = dt;
    for (int k = 0; k < 16; ++k) fixa.amp[k] = 100 * fixa.amp[k];  // 100 A .. 2000 A
    usercurves().push_back(fixa);
    TfmCURVA fm;
    fm.showcurves(0);
    const tPREVIA p = previa(fm, "100");
    ASSERT_EQ(p.curva.size(), 16u) << "dt " << dt;
    tCHARTX ref;
    ref.setwh(800, 450, 50);
    ref.limites = {0.5, 100, 0.01, 100};
    const tPOINTX ini = ref.rl2px(1, 10), fim = ref.rl2px(20, 0.625);
    EXPECT_EQ(p.curva.front().x, static_cast<int>(ini.x)) << "dt " << dt;
    EXPECT_EQ(p.curva.front().y, static_cast<int>(ini.y)) << "dt " << dt;
    EXPECT_EQ(p.curva.back().x, static_cast<int>(fim.x)) << "dt " << dt;
    EXPECT_EQ(p.curva.back().y, static_cast<int>(fim.y)) << "dt " << dt;
  }
}

// ---- the user-curve editor ----

TEST_F(CurvasUi, EditorMostraACurvaEAjustavelLigaIPeDT) {
  Tfm_edit_curve ed;
  EXPECT_EQ(txt(ed.windowTitle()), "Edição da curva de usuário");
  EXPECT_EQ(ed.celula(0, 0), "i [A]");
  EXPECT_EQ(ed.celula(1, 0), "t [s]");

  tUSERCURVE u = curva("Fixa", 1, false);
  u.dt = 0.5;
  ed.showcurve(u);
  EXPECT_EQ(txt(ed.leDT->text()), "0.50");
  EXPECT_EQ(ed.celula(1, 3), "3.33");
  EXPECT_EQ(ed.cbAJUSTAVEL->isChecked(), false);
  EXPECT_EQ(ed.leIP->isEnabled(), false);
  EXPECT_EQ(ed.leDT->isEnabled(), false);

  salva_imagem(ed, "curvas_editor.png");
  ed.cbAJUSTAVEL->click();
  EXPECT_EQ(ed.leIP->isEnabled(), true);
  EXPECT_EQ(ed.leDT->isEnabled(), true);
  ed.cbAJUSTAVEL->click();
  EXPECT_EQ(ed.leIP->isEnabled(), false);
  EXPECT_EQ(ed.leDT->isEnabled(), false);
}

TEST_F(CurvasUi, OKLimitaEArredondaCadaValorEMantemOQueNaoENumero) {
  Tfm_edit_curve ed;
  struct tCASO {
    const char* campo;  // "ip", "dt", "i3" (current of point 3), "t3"
    const char* texto;
    double esperado;
  };
  // The curve before the edit: init values, ip 1, dt 1, point 3 at
  // (20^(3/15) = 1.8206 A, 2.5 s).
  const std::vector<tCASO> casos = {
      {"ip", "0,5", 1},       {"ip", "12,345", 12.345},
      {"ip", "20000", 10000}, {"ip", "abc", 1},
      {"dt", "0", 0.001},     {"dt", "0.25", 0.25},
      {"dt", "500", 100},     {"dt", "", 1},
      {"i3", "0.5", 1},       {"i3", "1,5", 1.5},
      {"i3", "99999", 10000}, {"i3", "", std::pow(20.0, 0.2)},
      {"t3", "0.004", 0.01},  {"t3", "0.0757", 0.0757},
      {"t3", "5000", 1000},   {"t3", "x", 2.5},
  };
  for (const auto& c : casos) {
    tUSERCURVE u = curva("C");
    ed.showcurve(u);
    const std::string campo = c.campo;
    if (campo == "ip") ed.leIP->setText(c.texto);
    if (campo == "dt") ed.leDT->setText(c.texto);
    if (campo == "i3") ed.setcelula(0, 4, c.texto);
    if (campo == "t3") ed.setcelula(1, 4, c.texto);
    ed.getcurve(u);
    const double v = campo == "ip"   ? u.ip
                     : campo == "dt" ? u.dt
                     : campo == "i3" ? u.amp[3]
                                     : u.tim[3];
    EXPECT_DOUBLE_EQ(v, c.esperado) << c.campo << " = \"" << c.texto << "\"";
  }

  // Shown with two decimals, but confirming keeps untouched values at full
  // precision; only a point the user edits takes the typed value.
  tUSERCURVE u = curva("");
  u.tim[15] = 0.0152;
  const tUSERCURVE antes = u;
  ed.showcurve(u);
  EXPECT_EQ(ed.celula(1, 16), "0.02");
  ed.getcurve(u);
  EXPECT_EQ(u.nom, "");
  EXPECT_EQ(u.tim, antes.tim);
  EXPECT_EQ(u.amp, antes.amp);
  EXPECT_EQ(u.ip, antes.ip);
  ed.setcelula(1, 16, "0.02");
  ed.setcelula(1, 15, "0.031");
  ed.getcurve(u);
  EXPECT_DOUBLE_EQ(u.tim[15], 0.0152) << "text still as shown";
  EXPECT_DOUBLE_EQ(u.tim[14], 0.031);

  // A name that would break the chart files that use the curve.
  ed.leNOME->setText("Relé \"B\"\tbaixa");
  ed.getcurve(u);
  EXPECT_EQ(u.nom,
            "Relé \xE2\x80\x9D"
            "B\xE2\x80\x9D baixa");
}

TEST_F(CurvasUi, EditCurveMudaOElementoDaListaSoNoOK) {
  Tfm_edit_curve ed;
  depois([&] {
    ed.leNOME->setText("Nova B");
    ed.leDT->setText("0.3");
    ed.btOK->click();
  });
  EXPECT_EQ(ed.edit_curve(1), "Nova B");
  EXPECT_EQ(nomes_usuario(), (std::vector<std::string>{"Minha A", "Nova B"}));
  EXPECT_DOUBLE_EQ(usercurves()[1].dt, 0.3);

  depois([&] {
    ed.leNOME->setText("descartado");
    ed.btCANCEL->click();
  });
  EXPECT_EQ(ed.edit_curve(0), "Minha A");
  EXPECT_EQ(nomes_usuario(), (std::vector<std::string>{"Minha A", "Nova B"}));

  for (int idx : {-1, 2}) {
    QWidget* aberto = nullptr;
    depois([&] {
      aberto = QApplication::activeModalWidget();
      if (aberto) ed.reject();
    });
    EXPECT_EQ(ed.edit_curve(idx), "") << idx;
    QApplication::processEvents();
    EXPECT_EQ(aberto, nullptr) << idx;
  }
}

TEST_F(CurvasUi, ColarPreencheOsPontosOuExplicaPorqueNao) {
  Tfm_edit_curve ed;
  QAction* colar = nullptr;
  for (QAction* a : ed.sgMAIN->actions())
    if (a->text() == "colar") colar = a;
  ASSERT_NE(colar, nullptr);

  struct tCASO {
    const char* nome;
    std::string texto;
    std::vector<std::pair<std::string, std::string>> pontos;  // rows 1.. after the paste
    std::string mensagem;  // "OK", or a piece of the error message
  };
  const std::vector<tCASO> casos = {
      {"tabela curta", "n;i;t\n1;2;10\n2;5;1\n", {{"2", "10"}, {"5", "1"}}, "OK"},
      {"CR LF e vírgula", "n;i;t\r\n1;2,5;10\r\n2;5;0,8", {{"2,5", "10"}, {"5", "0,8"}}, "OK"},
      {"tabulações", "n\ti\tt\n1\t3\t7\n", {{"3", "7"}}, "OK"},
      {"sem títulos", "1;2;10\n2;5;1", {{"2", "10"}, {"5", "1"}}, "OK"},
      {"lixo", "isto não é uma tabela", {}, "não tem pontos"},
      {"vazio", "", {}, "não tem pontos"},
      {"tempo que não é número", "n;i;t\n1;2;10\n2;5;rápido\n", {}, "linha 3"},
      {"colunas a menos", "n;i;t\n1;2\n", {}, "linha 2"},
  };
  std::vector<tCASO> todos = casos;
  {
    // A full table, and one point too many.
    tCASO cheia{"16 pontos", "n;i;t\n", {}, "OK"};
    for (int k = 1; k <= 16; ++k) {
      cheia.texto +=
          std::to_string(k) + ";" + std::to_string(k * 10) + ";" + std::to_string(100 - k) + "\n";
      cheia.pontos.push_back({std::to_string(k * 10), std::to_string(100 - k)});
    }
    todos.push_back(cheia);
    tCASO demais{"17 pontos", cheia.texto + "17;170;83\n", {}, "no máximo 16"};
    todos.push_back(demais);
  }

  const tUSERCURVE antes = curva("C");
  for (const auto& c : todos) {
    ed.showcurve(antes);
    roteiro->mensagens.clear();
    QApplication::clipboard()->setText(QString::fromStdString(c.texto));
    colar->trigger();

    ASSERT_EQ(roteiro->mensagens.size(), 1u) << c.nome;
    const auto& m = roteiro->mensagens.front();
    if (c.mensagem == "OK") {
      EXPECT_EQ(m.texto, "OK") << c.nome;
      EXPECT_EQ(m.icone, tICONE::info) << c.nome;
    } else {
      EXPECT_NE(m.texto.find(c.mensagem), std::string::npos) << c.nome << ": " << m.texto;
      EXPECT_NE(m.texto.find("Nada foi alterado"), std::string::npos) << c.nome << ": " << m.texto;
      EXPECT_EQ(m.icone, tICONE::erro) << c.nome;
    }
    // Pasted rows, and the earlier values everywhere else.
    for (int k = 0; k < 16; ++k) {
      std::pair<std::string, std::string> e{real2txt(antes.amp[k], 2), real2txt(antes.tim[k], 2)};
      if (k < static_cast<int>(c.pontos.size())) e = c.pontos[k];
      EXPECT_EQ(ed.celula(0, k + 1), e.first) << c.nome << ", linha " << k + 1;
      EXPECT_EQ(ed.celula(1, k + 1), e.second) << c.nome << ", linha " << k + 1;
    }
  }
}

// ---- the fuse-link chooser ----

TEST_F(CurvasUi, ArvoreDeElosPorGrupoSemCurvasMax) {
  TfmELO fm;
  EXPECT_EQ(txt(fm.windowTitle()), "Seleção de elo fusível");
  EXPECT_EQ(grupos(fm.tvMAIN), elolista().grupos());
  EXPECT_EQ(grupos(fm.tvMAIN),
            (std::vector<std::string>{"Nenhum", "Tipo H", "Tipo K, grupo A", "Tipo K, grupo B",
                                      "Tipo T, grupo A", "Tipo T, grupo B", "Tipo HH, grupo A",
                                      "Tipo HH, grupo B"}));
  EXPECT_EQ(filhos(grupo(fm.tvMAIN, "Nenhum")), (std::vector<std::string>{"null"}));
  // Every link of the catalogue but the "-max" edges, each under its group.
  std::size_t n = 0;
  for (int g = 0; g < fm.tvMAIN->topLevelItemCount(); ++g) {
    const QTreeWidgetItem* no = fm.tvMAIN->topLevelItem(g);
    for (const auto& elo : filhos(no)) {
      ++n;
      EXPECT_EQ(elo.find("max"), std::string::npos) << elo;
      const tELO_CURVA* c = elolista().find(elo);
      ASSERT_NE(c, nullptr) << elo;
      EXPECT_EQ(c->grp, txt(no->text(0))) << elo;
    }
  }
  std::size_t sem_max = 0;
  for (std::size_t i = 0; i < elolista().size(); ++i)
    if (elolista().at(i).elo.find("max") == std::string::npos) ++sem_max;
  EXPECT_EQ(n, sem_max);

  grupo(fm.tvMAIN, "Tipo K, grupo A")->setExpanded(true);
  seleciona(fm.tvMAIN, grupo(fm.tvMAIN, "Tipo K, grupo A")->child(8));
  salva_imagem(fm, "curvas_elos.png");
}

TEST_F(CurvasUi, SelEloDevolveOElo_NenhumOuNadaAoCancelar) {
  TfmELO fm;
  auto no = [&](const char* g, int filho) {
    QTreeWidgetItem* G = grupo(fm.tvMAIN, g);
    return filho < 0 ? G : G->child(filho);
  };
  struct tCASO {
    const char* grupo;
    int filho;        // -1: the group node itself
    bool selecionar;  // "Selecionar", otherwise "Cancelar"
    bool habilitado;  // "Selecionar" can be pressed
    std::optional<std::string> resultado;
  };
  const std::vector<tCASO> casos = {
      {"Tipo K, grupo A", 8, true, true, "6K"},
      {"Nenhum", 0, true, true, "null"},
      {"Nenhum", -1, true, true, "Nenhum"},
      {"Tipo K, grupo A", 8, false, true, std::nullopt},
      // Any other group is no link: "Selecionar" cannot take it.
      {"Tipo T, grupo B", -1, true, false, std::nullopt},
  };
  for (const auto& c : casos) {
    bool habilitado = false;
    depois([&] {
      seleciona(fm.tvMAIN, no(c.grupo, c.filho));
      habilitado = fm.btOK->isEnabled();
      if (c.selecionar) fm.btOK->click();
      // A click that did not close the chooser leaves it to "Cancelar".
      if (fm.isVisible()) fm.btCANCEL->click();
    });
    EXPECT_EQ(fm.sel_elo("40T"), c.resultado) << c.grupo << " " << c.filho;
    EXPECT_EQ(habilitado, c.habilitado) << c.grupo << " " << c.filho;
  }
}

// ---- the dialogs service and the screen ----

TEST_F(CurvasUi, OsSeletoresDoServicoAbremAsJanelas) {
  auto fm = std::make_unique<TfmCURVA>();
  auto elo = std::make_unique<TfmELO>();
  // The Qt service (not the scripted one) runs the registered windows.
  auto roteirizado = set_dialogos(nullptr);
  depois([&] {
    seleciona(fm->tvMAIN, grupo(fm->tvMAIN, "IEEE")->child(0));
    fm->btOK->click();
  });
  EXPECT_EQ(dialogos().curva("IEC-NI"), std::optional<std::string>("IEEE-MI"));
  depois([&] {
    seleciona(elo->tvMAIN, grupo(elo->tvMAIN, "Tipo H")->child(0));
    elo->btOK->click();
  });
  EXPECT_EQ(dialogos().elo("6K"), std::optional<std::string>("0.5H"));
  set_dialogos(std::move(roteirizado));

  fm.reset();
  elo.reset();
  EXPECT_EQ(tem_seletor_curva(), false);
  EXPECT_EQ(tem_seletor_elo(), false);
}

}  // namespace
