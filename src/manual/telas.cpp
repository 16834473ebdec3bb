#include "manual/telas.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QTabWidget>
#include <QTreeWidget>
#include <cmath>
#include <memory>
#include <stdexcept>

#include "core/curves/freliga.h"
#include "core/curves/inifile.h"
#include "core/foundation/numtxt.h"
#include "core/relaytest/ensaio.h"
#include "gui/calculation/fmcalc.h"
#include "gui/coordination/coordx.h"
#include "gui/coordination/pbchart.h"
#include "gui/curves/curvas_ui.h"
#include "gui/curves/fm_edit_curve.h"
#include "gui/curves/fmcurva.h"
#include "gui/curves/fmelo.h"
#include "gui/relaytest/fmensaio.h"
#include "gui/shell/about.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/fmnovo.h"
#include "gui/shell/instala.h"

namespace tarvinel::manual {

namespace {

// Lets the windows lay themselves out and paint before they are grabbed.
void assenta() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

QImage foto(QWidget* w) {
  assenta();
  QImage img = w->grab().toImage();
  if (img.isNull()) throw std::runtime_error("Não foi possível capturar a janela.");
  return img;
}

// A user curve of a recloser's slow operation, so the browser and the editor
// show what a user's own curve looks like.
tUSERCURVE curva_usuario() {
  tUSERCURVE c;
  c.init();
  c.nom = "Religador lenta (usuário)";
  c.adj = true;
  c.ip = 1;
  c.dt = 1;
  const double m[16] = {1.5, 2, 2.5, 3, 4, 5, 6, 7, 8, 10, 12, 15, 20, 25, 30, 40};
  for (int k = 0; k < 16; ++k) {
    c.amp[k] = m[k];
    // Very inverse shape: 13.5 / (M - 1), rounded as an engineer would type it.
    c.tim[k] = std::round(13.5 / (m[k] - 1) * 1000) / 1000;
  }
  return c;
}

QTreeWidgetItem* procura(QTreeWidget* tv, const QString& texto) {
  const auto l = tv->findItems(texto, Qt::MatchExactly | Qt::MatchRecursive);
  return l.isEmpty() ? nullptr : l.first();
}

template <class T>
T* ativo(TfmMAIN& fm) {
  auto* w = dynamic_cast<T*>(fm.xta());
  if (w == nullptr) throw std::runtime_error("A janela do documento não foi criada.");
  return w;
}

}  // namespace

const std::vector<std::string>& nomes_telas() {
  static const std::vector<std::string> n = {
      "principal",    "coord-ajustes",  "coord-geral",   "coord-grafico", "coord-cursores",
      "calc-geral",   "calc-rele-cli",  "calc-rele-con", "calc-trafo",    "calc-relatorio",
      "ensaio-geral", "ensaio-ensaio",  "curvas",        "editor-curva",  "elos",
      "sobre",        "grafico-exemplo"};
  return n;
}

std::map<std::string, QImage> tira_telas(const std::string& pasta_exemplos) {
  std::map<std::string, QImage> r;
  inifile_open(std::make_unique<tMEMSTORE>());
  usercurves().push_back(curva_usuario());
  {
    TfmMAIN fm;
    instala_sobre_novo(fm);
    cria_janelas_curvas(&fm);
    registra_coord(fm);
    registra_ensaio(fm);
    registra_calc(fm);
    const QString exemplo_coord =
        QString::fromStdString(pasta_exemplos) + QStringLiteral("/subestacao-23kv-3-trafos.coord");
    const QString exemplo_calc =
        QString::fromStdString(pasta_exemplos) + QStringLiteral("/subestacao-23kv-3-trafos.ajuste");
    // A user's list of recent studies (names only: the welcome screen is
    // photographed, nothing is opened from it).
    for (const char* f : {"/home/engenheiro/Estudos/subestacao-300kva.ajuste",
                          "/home/engenheiro/Estudos/subestacao-23kv-3-trafos.ajuste",
                          "/home/engenheiro/Estudos/subestacao-23kv-3-trafos.coord"})
      fm.recentes().add(f);
    fm.resize(1280, 800);
    fm.show();
    {
      // The welcome screen is a window of its own over the main window, as
      // the user sees them together.
      QImage img = foto(&fm);
      const auto novos = fm.findChildren<TfmNOVO*>();
      if (novos.isEmpty() || !novos.first()->isVisible())
        throw std::runtime_error("A tela de boas-vindas não apareceu.");
      const QImage nv = novos.first()->grab().toImage();
      QPainter p(&img);
      const QPoint pos((img.width() - nv.width()) / 2, (img.height() - nv.height()) / 2);
      p.fillRect(QRect(pos + QPoint(4, 4), nv.size()), QColor(0, 0, 0, 60));
      p.drawImage(pos, nv);
      p.setPen(QColor(0x60, 0x60, 0x60));
      p.drawRect(QRect(pos, nv.size()).adjusted(0, 0, -1, -1));
      p.end();
      r["principal"] = img;
    }
    fm.fecha_novo();

    // The coordination window.
    if (QFileInfo::exists(exemplo_coord))
      fm.loadfile(false, exemplo_coord.toStdString());
    else
      fm.novocoord();
    auto* co = ativo<TfmCOORD>(fm);
    co->pcMAIN->setCurrentIndex(0);
    co->seleciona(0);
    r["coord-ajustes"] = foto(&fm);
    co->pcMAIN->setCurrentIndex(1);
    r["coord-geral"] = foto(&fm);
    co->pcMAIN->setCurrentIndex(2);
    r["coord-grafico"] = foto(&fm);
    {
      co->cbCURSOR->setChecked(true);
      assenta();
      const QSize s = co->pbCHART->size();
      co->clique_chart(s.width() * 0.42, s.height() * 0.55, Qt::LeftButton);
      co->clique_chart(s.width() * 0.62, s.height() * 0.38, Qt::RightButton);
      co->move_chart(s.width() * 0.5, s.height() * 0.45);
      r["coord-cursores"] = foto(&fm);
      co->cbCURSOR->setChecked(false);
    }
    r["grafico-exemplo"] = foto(co->pbCHART);

    // The calculation window: a new calculation, the manual's worked example.
    auto* ca = dynamic_cast<TfmCALC*>(fm.novocalc());
    if (ca == nullptr) throw std::runtime_error("A janela do cálculo não foi criada.");
    ca->aplicar();
    const char* paginas[] = {"calc-geral", "calc-rele-cli", "calc-rele-con", "calc-trafo",
                             "calc-relatorio"};
    for (int i = 0; i < 5; ++i) {
      ca->pageMAIN->setCurrentIndex(i);
      r[paginas[i]] = foto(&fm);
    }

    // The relay test sheet.
    auto* en = dynamic_cast<TfmENSAIO*>(fm.novoensaio());
    if (en == nullptr) throw std::runtime_error("A folha de ensaio não foi criada.");
    en->pcMAIN->setCurrentIndex(0);
    r["ensaio-geral"] = foto(&fm);
    {
      // A finished test of the default curve (IEC-NI, 100 A, dial 1): five
      // points between pickup and instantaneous with the times a test set
      // would measure.
      const tCURVAENSAIO c = en->folha.lercurva();
      const double amp[5] = {150, 200, 300, 400, 480};
      const double desvio[5] = {0.021, -0.015, 0.030, -0.008, 0.012};
      en->folha.tabela.setrowcount(6);
      for (int k = 0; k < 5; ++k) {
        const double tref = c.fr.calc(amp[k], true);
        en->folha.tabela.setcell(colNUM, k + 1, std::to_string(k + 1));
        en->folha.tabela.setcell(colIREF, k + 1, real2txt(amp[k], 0));
        en->folha.tabela.setcell(colTREF, k + 1, real2txt(tref, 2));
        en->folha.tabela.setcell(colTMED, k + 1, real2txt(tref * (1 + desvio[k]), 2));
      }
      en->showprop();
    }
    en->pcMAIN->setCurrentIndex(1);
    en->atualiza();
    r["ensaio-ensaio"] = foto(&fm);

    // The curve browser with a catalogue curve selected, the editor with the
    // user curve, the fuse-link chooser with a K link.
    TfmCURVA* cv = fmCURVA();
    TfmELO* el = fmELO();
    if (cv == nullptr || el == nullptr)
      throw std::runtime_error("As janelas de curvas não existem.");
    cv->showcurves();
    if (QTreeWidgetItem* it = procura(cv->tvMAIN, QStringLiteral("IEC-VI"))) {
      cv->tvMAIN->expandItem(it->parent());
      cv->tvMAIN->setCurrentItem(it);
    }
    cv->show();
    r["curvas"] = foto(cv);
    cv->hide();
    Tfm_edit_curve& ed = cv->editor();
    ed.showcurve(usercurves().back());
    ed.show();
    r["editor-curva"] = foto(&ed);
    ed.hide();
    if (QTreeWidgetItem* it = procura(el->tvMAIN, QStringLiteral("40K"))) {
      if (it->parent() != nullptr) el->tvMAIN->expandItem(it->parent());
      el->tvMAIN->setCurrentItem(it);
    }
    el->show();
    r["elos"] = foto(el);
    el->hide();
    auto sobres = fm.findChildren<TfmABOUT*>();
    if (sobres.isEmpty()) throw std::runtime_error("A janela \"Sobre\" não existe.");
    sobres.first()->show();
    r["sobre"] = foto(sobres.first());
    sobres.first()->hide();

    // The documents go with the main window, unsaved.
    for (tFMBASE* w : fm.tab_lst()) w->changed = false;
    assenta();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  usercurves().clear();
  inifile_close();
  return r;
}

}  // namespace tarvinel::manual
