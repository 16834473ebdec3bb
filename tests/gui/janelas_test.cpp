// The windows as a new user meets them: Escape and hints in the property
// grids, "Abrir" with every document kind, whole texts in the item list, the
// tabs and the fuse chooser's title, double-click in the choosers, and the
// welcome screen kept above the main window only.

#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "core/coordination/ajuste_religa.h"
#include "gui/coordination/coordx.h"
#include "gui/coordination/listaajustes.h"
#include "gui/curves/fmcurva.h"
#include "gui/curves/fmelo.h"
#include "gui/relaytest/fmensaio.h"
#include "gui/shell/fmnovo.h"
#include "gui/shell/hints.h"
#include "gui/vlprop.h"
#include "shell_fixture.h"

using namespace tarvinel;
using namespace tarvinel::teste;

namespace {

class tJANELAS : public tSHELL {
 protected:
  void SetUp() override {
    tSHELL::SetUp();
    registra_coord(*fm);
    registra_ensaio(*fm);
  }
  TfmCOORD& coord() { return *static_cast<TfmCOORD*>(fm->xta()); }
  // Selects the first setting whose kind name begins with `tipo`.
  void seleciona_tipo(const std::string& tipo) {
    TfmCOORD& w = coord();
    for (int i = 0; i < w.proj->ajustes.count(); ++i)
      if (w.proj->ajustes.Getajustes(i)->paramname.rfind(tipo, 0) == 0) {
        ASSERT_TRUE(w.seleciona(i)) << tipo;
        return;
      }
    FAIL() << "sem ajuste " << tipo;
  }
};

void tecla(QWidget* w, int k, const QString& texto = {}) {
  QKeyEvent p(QEvent::KeyPress, k, Qt::NoModifier, texto);
  QApplication::sendEvent(w, &p);
}

}  // namespace

// Escape drops the edit of the row in every kind of row: plain, pick list and
// "..." rows.
TEST_F(tJANELAS, EscapeCancelaAEdicaoEmToda_Linha) {
  fm->novocoord();
  struct tCASO {
    const char* tipo;
    const char* chave;
  };
  const tCASO casos[] = {{"Ajuste Rele", "Nome"},
                         {"Ajuste Rele", "Cor"},
                         {"Ajuste Rele", "FASE.Curva Principal"},
                         {"Elo", "1° ELO"}};
  for (const tCASO& c : casos) {
    seleciona_tipo(c.tipo);
    TfmCOORD& w = coord();
    const std::string antes = w.vlitem.value(c.chave);
    w.vlITEM->seleciona(c.chave);
    w.vlITEM->edit(w.vlITEM->currentIndex());
    auto abertos = [&] {
      std::vector<QLineEdit*> v;
      for (QLineEdit* e : w.vlITEM->viewport()->findChildren<QLineEdit*>())
        if (!e->isHidden()) v.push_back(e);
      return v;
    };
    ASSERT_EQ(abertos().size(), 1u) << c.chave << ": editor aberto";
    QLineEdit* ed = abertos().front();
    ed->setText(QStringLiteral("XYZ"));
    tecla(ed, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(abertos().empty()) << c.chave << ": editor fechado";
    EXPECT_EQ(w.vlitem.value(c.chave), antes) << c.chave;
    EXPECT_FALSE(w.btAPLICAR->isEnabled()) << c.chave;
  }
}

// The hint area follows the selected row, of the selected setting; an empty
// chart shows the initial text.
TEST_F(tJANELAS, DicaSempreDaLinhaSelecionada) {
  fm->novocoord();
  TfmCOORD& w = coord();
  auto dica = [&] { return w.mmHINT->toPlainText().toStdString(); };
  seleciona_tipo("Ajuste Rele");
  w.vlITEM->seleciona("Cor");
  EXPECT_EQ(dica().rfind("Cor:\n", 0), 0u) << dica();
  EXPECT_NE(dica().find("$BBGGRR"), std::string::npos) << dica();
  // Another setting: the hint of its current row, not the row before.
  seleciona_tipo("Elo");
  const std::string chave = w.vlITEM->chave_atual();
  EXPECT_EQ(dica(), texto_dica(chave, w.ajsel->gethint(chave)).toStdString());
  while (w.proj->ajustes.count() > 0) w.excluir();
  EXPECT_EQ(dica(), kDICAINICIAL);
}

// "Abrir" offers the three kinds and opens a saved relay test sheet.
TEST_F(tJANELAS, AbrirOfereceEAbreEnsaio) {
  fm->novoensaio();
  auto* e = static_cast<TfmENSAIO*>(fm->xta());
  e->folha.tabela.setcell(colTMED, 1, "1.23");
  const std::string arq = caminho("bancada.ens");
  e->folha.savetofile(arq);
  dlg->arquivos = {arq};
  fm->acao("OPEN")->trigger();
  ASSERT_EQ(dlg->pedidos.size(), 1u);
  EXPECT_EQ(dlg->pedidos[0].filtro,
            "Todos|*.coord;*.ajuste;*.ens;|*.coord|*.coord|*.ajuste|*.ajuste|*.ens|*.ens");
  ASSERT_EQ(fm->tab_lst().size(), 2u);
  auto* aberto = dynamic_cast<TfmENSAIO*>(fm->xta());
  ASSERT_NE(aberto, nullptr);
  EXPECT_EQ(aberto->folha.tabela.cell(colTMED, 1), "1.23");
  EXPECT_EQ(tTABSTRIP::nome_aba(aberto->caption()).toStdString(), "bancada.ens");
}

// Tabs hold the whole name (and "Novo com base em: " the name after it);
// the tabs after a wide one move right; the closed item list is as tall as
// the selected caption needs.
TEST_F(tJANELAS, TextosInteiros) {
  fm->novocoord();
  coord().setcaption("/uma/pasta/bem/longa/subestacao-23kv-3-trafos-revisao-final.coord");
  fm->novocoord();
  coord().setcaption("Novo com base em: subestacao-23kv-3-trafos.coord");
  fm->novocoord();
  tTABSTRIP* s = fm->tab_ptb();
  const QFontMetrics fm_(s->font());
  for (int i = 0; i < 3; ++i) {
    const QString nome = tTABSTRIP::nome_aba(fm->tab_lst()[static_cast<std::size_t>(i)]->caption());
    const QRect a = s->aba(i);
    EXPECT_GE(s->fechar(i).left() - (a.left() + 20), fm_.horizontalAdvance(nome))
        << nome.toStdString();
    EXPECT_GE(a.width(), 148) << i;
    if (i > 0) {
      EXPECT_GT(a.left(), s->aba(i - 1).right()) << i;
    }
  }
  EXPECT_EQ(s->aba(0).left(), 2);

  TfmCOORD& w = coord();
  w.container()->resize(1000, 700);
  const int uma = w.cbLISTA->sizeHint().height();
  seleciona_tipo("Ajuste Rele");
  static_cast<tAJUSTE_RELIGA*>(w.ajsel)->caption =
      "Religador da subestação principal de 13.8 kV, alimentador 2";
  w.showitens(true);
  EXPECT_GT(w.cbLISTA->sizeHint().height(), uma) << "legenda longa em mais linhas";
}

// Double-click confirms in the curve browser and in the fuse-link chooser;
// on a group it confirms nothing.
TEST(Seletores, DuploCliqueConfirma) {
  tROTEIRO dlg;
  TfmCURVA curvas;
  QTimer::singleShot(0, &curvas, [&] {
    QTreeWidgetItem* g = curvas.tvMAIN->topLevelItem(2);  // "IEEE"
    emit curvas.tvMAIN->itemDoubleClicked(g, 0);
    QTreeWidgetItem* c = g->child(1);
    curvas.tvMAIN->setCurrentItem(c);
    emit curvas.tvMAIN->itemDoubleClicked(c, 0);
  });
  EXPECT_EQ(curvas.sel_cur("IEC-NI"), std::optional<std::string>("IEEE-VI"));

  TfmELO elos;
  QTimer::singleShot(0, &elos, [&] {
    QTreeWidgetItem* c = elos.tvMAIN->topLevelItem(1)->child(2);  // "Tipo H", "2H"
    elos.tvMAIN->setCurrentItem(c);
    emit elos.tvMAIN->itemDoubleClicked(c, 0);
  });
  EXPECT_EQ(elos.sel_elo("6K"), std::optional<std::string>("2H"));
  EXPECT_GE(elos.width(), QFontMetrics(elos.font()).horizontalAdvance(elos.windowTitle()) + 100);
}

// The welcome screen is a tool window of the main window (kept above it by
// the window system), never above every window.
TEST_F(tJANELAS, BoasVindasSoAcimaDaPrincipal) {
  tRECENTES r;
  TfmNOVO novo(r, {fm->acao("NOVOCALC"), fm->acao("NOVOCOORD"), fm->acao("OPEN")}, {}, fm.get());
  EXPECT_EQ(novo.windowType(), Qt::Tool);
  EXPECT_FALSE(novo.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(novo.parentWidget(), fm.get());
}
