// The list of open windows and the tab strip: activation, panels, action
// states, and the mouse in the strip.
#include <QAction>
#include <QPointer>

#include "shell_fixture.h"

namespace tarvinel::teste {
namespace {

using tABASTEST = tSHELL;

TEST_F(tABASTEST, TabGeometry) {
  // Tab i: [150i + 2, 150i + 150) × [2, h − 2); close box: its last 15 pixels.
  struct {
    int i, l, r, xl;
  } casos[] = {{0, 2, 150, 135}, {1, 152, 300, 285}, {2, 302, 450, 435}};
  for (const auto& c : casos) {
    const QRect t = tTABSTRIP::tab_rect(c.i, 25);
    const QRect x = tTABSTRIP::close_rect(c.i, 25);
    EXPECT_EQ(t.left(), c.l) << "tab " << c.i;
    EXPECT_EQ(t.left() + t.width(), c.r) << "tab " << c.i;
    EXPECT_EQ(t.top(), 2) << "tab " << c.i;
    EXPECT_EQ(t.top() + t.height(), 23) << "tab " << c.i;
    EXPECT_EQ(x.left(), c.xl) << "tab " << c.i;
    EXPECT_EQ(x.left() + x.width(), c.r) << "tab " << c.i;
  }
}

TEST_F(tABASTEST, ClicksInTheStripWithThreeDocuments) {
  registra_texto(*fm, "coord");
  // Each row starts from three fresh unchanged documents, the third active.
  struct {
    int x;
    int abertos;        // documents left
    int ativo;          // index of the active one, -1 none
    bool segundo_vivo;  // the second window still exists
  } casos[] = {
      {160, 3, 1, true},   // inside the second tab: activates it
      {290, 2, 1, false},  // its close box: closes it; the active one stays
      {151, 3, 2, true},   // the gap between the first two tabs: nothing
      {285, 2, 1, false},  // first pixel of the close box
      {284, 3, 1, true},   // last pixel before it
      {299, 2, 1, false},  // last pixel of the tab
      {300, 3, 2, true},   // gap after the second tab
  };
  for (const auto& c : casos) {
    while (!fm->tab_lst().empty()) {
      tFECHAR a = tFECHAR::libera;
      fm->closeform(fm->tab_lst().front(), a);
    }
    apaga_pendentes();
    tFMBASE* w0 = fm->novo("coord");
    QPointer<tFMBASE> w1 = fm->novo("coord");
    tFMBASE* w2 = fm->novo("coord");
    ASSERT_EQ(fm->xta(), w2);

    clica(c.x, 10);
    apaga_pendentes();
    EXPECT_EQ(static_cast<int>(fm->tab_lst().size()), c.abertos) << "x = " << c.x;
    EXPECT_EQ(!w1.isNull(), c.segundo_vivo) << "x = " << c.x;
    const std::vector<tFMBASE*> esperado =
        c.segundo_vivo ? std::vector<tFMBASE*>{w0, w1.data(), w2} : std::vector<tFMBASE*>{w0, w2};
    EXPECT_EQ(fm->tab_lst(), esperado) << "x = " << c.x;
    EXPECT_EQ(indice(fm->xta()), c.ativo) << "x = " << c.x;
  }
}

TEST_F(tABASTEST, ActivePanelSitsInTheDocumentArea) {
  registra_texto(*fm, "coord");
  tFMBASE* a = fm->novo("coord");
  tFMBASE* b = fm->novo("coord");
  EXPECT_EQ(b->container()->parentWidget(), fm->pnCONTAINER());
  EXPECT_NE(a->container()->parentWidget(), fm->pnCONTAINER());
  fm->tab_set(a);
  EXPECT_EQ(a->container()->parentWidget(), fm->pnCONTAINER());
  EXPECT_NE(b->container()->parentWidget(), fm->pnCONTAINER());
  fm->tab_set(nullptr);
  EXPECT_EQ(fm->xta(), nullptr);
  EXPECT_NE(a->container()->parentWidget(), fm->pnCONTAINER());
}

TEST_F(tABASTEST, ClosingTheActiveWindowActivatesTheFirst) {
  registra_texto(*fm, "coord");
  tFMBASE* a = fm->novo("coord");
  fm->novo("coord");
  tFMBASE* c = fm->novo("coord");
  tFECHAR act = tFECHAR::libera;
  fm->closeform(c, act);
  EXPECT_EQ(fm->xta(), a);
  fm->closeform(fm->tab_lst().back(), act);
  fm->closeform(a, act);
  EXPECT_EQ(fm->xta(), nullptr);
  EXPECT_TRUE(fm->tab_lst().empty());
  EXPECT_EQ(fm->acao("SAVE")->isEnabled(), false);
  EXPECT_EQ(fm->acao("SAVEAS")->isEnabled(), false);
  EXPECT_EQ(fm->acao("PRINT")->isEnabled(), false);
}

TEST_F(tABASTEST, ActionStatesFollowTheActiveWindow) {
  registra_texto(*fm, "coord");
  registra_texto(*fm, "ajuste");
  registra_texto(*fm, "ens", false, false);
  struct {
    const char* ext;
    bool save, print, jpgfile, propfile, proparea;
  } casos[] = {
      {"coord", true, true, true, true, true},
      {"ajuste", true, true, false, false, false},
      // No document object: nothing to save; its chart is exported as an image.
      {"ens", false, true, true, false, false},
  };
  const bool jpgarea = fm->acao("SAVEJPGAREA")->isEnabled();
  for (const auto& c : casos) {
    fm->novo(c.ext);
    EXPECT_EQ(fm->acao("SAVE")->isEnabled(), c.save) << c.ext;
    EXPECT_EQ(fm->acao("SAVEAS")->isEnabled(), c.save) << c.ext;
    EXPECT_EQ(fm->acao("PRINT")->isEnabled(), c.print) << c.ext;
    EXPECT_EQ(fm->acao("SAVEJPGFILE")->isEnabled(), c.jpgfile) << c.ext;
    EXPECT_EQ(fm->acao("SAVEPROPFILE")->isEnabled(), c.propfile) << c.ext;
    EXPECT_EQ(fm->acao("SAVEPROPAREA")->isEnabled(), c.proparea) << c.ext;
    // The image-to-clipboard action is never touched by activation.
    EXPECT_EQ(fm->acao("SAVEJPGAREA")->isEnabled(), jpgarea) << c.ext;
  }
}

TEST_F(tABASTEST, NewActionsNeedTheirKind) {
  EXPECT_EQ(fm->acao("NOVOCOORD")->isEnabled(), false);
  EXPECT_EQ(fm->acao("NOVOCALC")->isEnabled(), false);
  EXPECT_EQ(fm->novocoord(), nullptr);
  registra_texto(*fm, "coord");
  EXPECT_EQ(fm->acao("NOVOCOORD")->isEnabled(), true);
  fm->acao("NOVOCOORD")->trigger();
  ASSERT_EQ(fm->tab_lst().size(), 1u);
  EXPECT_EQ(fm->xta()->extdef, "coord");
}

TEST_F(tABASTEST, RelayTestActionHasNoButtonButItsShortcut) {
  registra_texto(*fm, "ens", false, false);
  QAction* a = fm->acao("NOVOENSAIO");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->shortcut(), QKeySequence(Qt::Key_F5));
  // Qt only delivers the shortcut of a visible action that belongs to a window.
  EXPECT_EQ(a->isVisible(), true);
  EXPECT_EQ(a->isEnabled(), true);
  const auto donos = a->associatedObjects();
  ASSERT_EQ(donos.size(), 1);
  EXPECT_EQ(donos.front(), fm.get());
  a->trigger();
  ASSERT_EQ(fm->tab_lst().size(), 1u);
  EXPECT_EQ(fm->xta()->extdef, "ens");
}

}  // namespace
}  // namespace tarvinel::teste
