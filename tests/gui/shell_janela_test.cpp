// The main window as drawn: layout, tab strip pixels, caption, status hints;
// a picture of it goes to the build's telas-testes folder for a look.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolTip>

#include "core/foundation/estado.h"
#include "gui/shell/menuhint.h"
#include "gui/shell/msglog.h"
#include "pasta_telas.h"
#include "shell_fixture.h"

namespace tarvinel::teste {
namespace {

using tJANELATEST = tSHELL;

TEST_F(tJANELATEST, StripPixels) {
  registra_texto(*fm, "coord");
  fm->show();  // showing sets no active document: documents come after
  fm->novo("coord");
  fm->novo("coord");
  fm->tab_set(fm->tab_lst().front());
  tTABSTRIP* s = fm->tab_ptb();
  ASSERT_EQ(s->height(), 25);
  const QImage img = s->grab().toImage();
  struct {
    int x, y;
    QColor cor;
    const char* onde;
  } casos[] = {
      {100, 8, QColor(0xDD, 0xDD, 0xDD), "tab body"},
      {150 + 100, 8, QColor(0xDD, 0xDD, 0xDD), "second tab body"},
      {137, 20, QColor(0xCC, 0xCC, 0xCC), "close box"},
      {2, 21, QColor(0, 0, 0), "active frame, left"},
      {70, 23, QColor(0, 0, 0), "active frame, one pixel below the tab"},
      {152, 12, QColor(0xDD, 0xDD, 0xDD), "inactive tab has no frame"},
  };
  for (const auto& c : casos) EXPECT_EQ(img.pixelColor(c.x, c.y), c.cor) << c.onde;
}

TEST_F(tJANELATEST, TabShowsOnlyTheFileName) {
  struct {
    const char* caption;
    const char* nome;
  } casos[] = {{"/home/eng/obras/muito/longe/subestacao final.coord", "subestacao final.coord"},
               {"C:\\obras\\x.ajuste", "x.ajuste"},
               {"novo coordenograma", "novo coordenograma"},
               {"Novo com base em: base.coord", "Novo com base em: base.coord"}};
  for (const auto& c : casos)
    EXPECT_EQ(tTABSTRIP::nome_aba(c.caption).toStdString(), c.nome) << c.caption;
}

TEST_F(tJANELATEST, CaptionMenusToolbarAndStatus) {
  versionline = "Tarvinel 2.0.0";
  fm->show();
  EXPECT_EQ(fm->windowTitle(), "Tarvinel 2.0.0");
  QStringList menus;
  for (QAction* a : fm->menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, QStringList({"Arquivo", "Editar", "Ferramentas", "Ajuda"}));
  auto* tb = fm->findChild<QToolBar*>("ToolBar1");
  ASSERT_NE(tb, nullptr);
  EXPECT_EQ(tb->iconSize(), QSize(32, 32));
  QStringList botoes;
  for (QAction* a : tb->actions()) botoes << a->objectName();
  EXPECT_EQ(botoes, QStringList({"actionNOVOCALC", "actionNOVOCOORD", "actionOPEN", "actionSAVE",
                                 "actionSAVEAS", "actionPRINT", "", "actionUNDO", "actionREDO"}));
  EXPECT_EQ(fm->sbMAIN()->text(), "Tarvinel");
  // A hint reaching the status bar: "$" is a line break.
  QStatusTipEvent dica(QStringLiteral("Primeira linha$segunda linha"));
  QApplication::sendEvent(fm.get(), &dica);
  EXPECT_EQ(fm->sbMAIN()->text(), "Primeira linha\nsegunda linha");
  EXPECT_EQ(fm->acao("CHECKUPDATE")->isVisible(), false);
  versionline = "???";
}

TEST_F(tJANELATEST, MenuHintFollowsTheHighlightedEntry) {
  tMENUHINT h;
  QAction com(QStringLiteral("Salvar"));
  com.setStatusTip(QStringLiteral("Salvar arquivo"));
  QAction sem(QStringLiteral("Sair"));
  EXPECT_EQ(h.hideTimer().interval(), 5000);
  struct {
    const char* nome;
    QAction* item;
    QAction* ativo;
    bool timers;
  } casos[] = {{"entrada com dica", &com, &com, true},
               {"entrada sem dica", &sem, nullptr, false},
               {"de novo com dica", &com, &com, true},
               {"menu fechado", nullptr, nullptr, false}};
  for (const auto& c : casos) {
    h.DoActivateHint(c.item);
    EXPECT_EQ(h.activeMenuItem(), c.ativo) << c.nome;
    EXPECT_EQ(h.showTimer().isActive(), c.timers) << c.nome;
    EXPECT_EQ(h.hideTimer().isActive(), c.timers) << c.nome;
  }
}

TEST_F(tJANELATEST, ToolTipsBreakLinesAtDollar) {
  fm->show();
  QWidget* w = fm->tab_ptb();
  w->setToolTip(QStringLiteral("Clique com botão direito$para mais opções"));
  QHelpEvent ev(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(w, &ev);
  EXPECT_EQ(QToolTip::text(), "Clique com botão direito\npara mais opções");
  QToolTip::hideText();
}

TEST_F(tJANELATEST, Picture) {
  versionline = "Tarvinel 2.0.0";
  registra_texto(*fm, "coord");
  registra_texto(*fm, "ajuste");
  fm->resize(1000, 650);
  fm->show();
  fm->novo("coord")->setcaption("/home/eng/obras/subestacao norte com nome comprido.coord");
  fm->novo("ajuste")->setcaption("novo ajuste");
  xprint("#ATENÇÂO: Corrente FASE definida (IDEF) maior que instantânea.");
  xprint("OK");
  QApplication::processEvents();
  const QImage img = fm->grab().toImage();
  EXPECT_EQ(img.size(), fm->size());
  EXPECT_EQ(fm->sbMAIN()->isVisible(), true);
  img.save(tela_teste("tarvinel_main.png"));
  versionline = "???";
}

}  // namespace
}  // namespace tarvinel::teste
