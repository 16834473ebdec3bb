// The welcome screen, the about window with the change history, the
// change-history check after an update, the manual and the update check, on
// the offscreen platform with scripted dialogs.
//
// Pictures of the welcome screen and the about window are written to
// tarvinel_boasvindas.png and tarvinel_sobre.png in the build's telas-testes
// folder for a person to look at.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "core/curves/inifile.h"
#include "core/foundation/contato.h"
#include "core/foundation/erroarq.h"
#include "core/foundation/estado.h"
#include "gui/shell/about.h"
#include "gui/shell/ajuda.h"
#include "gui/shell/fmmain.h"
#include "gui/shell/fmnovo.h"
#include "gui/shell/instala.h"
#include "gui/shell/recentes.h"
#include "pasta_telas.h"
#include "support/dialogos_teste.h"

using namespace tarvinel;

namespace {

std::vector<std::string> linhas(const std::string& t) {
  std::vector<std::string> r;
  std::size_t i = 0;
  while (i <= t.size()) {
    const std::size_t k = t.find('\n', i);
    if (k == std::string::npos) {
      if (i < t.size()) r.push_back(t.substr(i));
      break;
    }
    r.push_back(t.substr(i, k - i));
    i = k + 1;
  }
  return r;
}

// Settings store in memory and the version line as it was, for every test.
class Boasvindas : public testing::Test {
 protected:
  void SetUp() override {
    versao_ = versionline;
    inifile_open(std::make_unique<tMEMSTORE>());
  }
  void TearDown() override {
    inifile_close();
    versionline = versao_;
    set_shell_open(nullptr);
  }

 private:
  std::string versao_;
};

TEST_F(Boasvindas, HistoricoDeAlteracoesEVersao) {
  const std::vector<std::string> l = linhas(changelog_texto());
  ASSERT_GE(l.size(), 7u);
  // The version comes from the build: "Tarvinel" and three numbers, nothing
  // left of the template.
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^Tarvinel \\d+\\.\\d+\\.\\d+$"))
                  .match(QString::fromStdString(l[0]))
                  .hasMatch())
      << l[0];
  EXPECT_EQ(l[1], "Change log");
  // Then per version: rule, "versao X.Y", rule, "1. ...", "2. ...", empty line.
  const std::string regua(62, '=');
  std::size_t i = 2;
  int versoes = 0;
  while (i < l.size()) {
    SCOPED_TRACE(testing::Message() << "linha " << i + 1 << ": " << l[i]);
    ASSERT_EQ(l[i], regua);
    ASSERT_LT(i + 2, l.size());
    EXPECT_EQ(l[i + 1].rfind("versao ", 0), 0u) << l[i + 1];
    EXPECT_EQ(l[i + 2], regua);
    i += 3;
    int n = 0;
    while (i < l.size() && !l[i].empty()) {
      ++n;
      EXPECT_EQ(l[i].rfind(std::to_string(n) + ". ", 0), 0u) << "linha " << i + 1 << ": " << l[i];
      ++i;
    }
    EXPECT_GE(n, 1);
    ASSERT_LT(i, l.size()) << "falta a linha vazia depois da versão";
    ++i;
    ++versoes;
  }
  EXPECT_GE(versoes, 1);
}

TEST_F(Boasvindas, JanelaSobreDefineALinhaDeVersao) {
  versionline = "???";
  TfmABOUT about;
  const std::string texto = changelog_texto();
  EXPECT_EQ(versionline, texto.substr(0, texto.find('\n')));
  EXPECT_EQ(about.windowTitle().toStdString(), "Informações");
  EXPECT_EQ(about.lbVERSAO()->text().toStdString(),
            versionline + ", Desenvolvido por Orbelin\nContato: " + email_contato);
  EXPECT_EQ(about.mmCHANGELOG()->toPlainText().toStdString(), texto);
  EXPECT_EQ(about.mmCHANGELOG()->isReadOnly(), true);
  EXPECT_EQ(about.mmCHANGELOG()->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_EQ(about.mmCHANGELOG()->font().pixelSize(), 13);

  about.resize(720, 420);
  about.show();
  QApplication::processEvents();
  EXPECT_TRUE(about.grab().save(tela_teste("tarvinel_sobre.png")));
}

TEST_F(Boasvindas, ChecagemDoHistoricoAposAtualizacao) {
  const std::string msg =
      "Bem vindo ao Tarvinel 3.1.4\n"
      "Uma atualização foi identificada e por conta disso o changelog será exibido. "
      "Através dele você pode ficar sabendo o que há de novo em relação as versões anteiores.\n"
      "Obrigado pela atenção.";
  // Value "sobre" before the check -> message shown, about window shown,
  // value afterwards.
  struct {
    const char* nome;
    const char* antes;  // nullptr: no value at all
    bool mensagem;
    const char* depois;
  } casos[] = {
      {"primeira execução", nullptr, false, "Tarvinel 3.1.4"},
      {"valor vazio", "", false, "Tarvinel 3.1.4"},
      {"mesma versão", "Tarvinel 3.1.4", false, "Tarvinel 3.1.4"},
      {"versão anterior", "Tarvinel 3.0.9", true, "Tarvinel 3.1.4"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    inifile_close();
    inifile_open(std::make_unique<tMEMSTORE>());
    if (c.antes != nullptr) inifile().writestr("geral", "sobre", c.antes);
    TfmABOUT about;
    versionline = "Tarvinel 3.1.4";
    tROTEIRO roteiro;
    checkchangelog(about);
    if (c.mensagem) {
      ASSERT_EQ(roteiro->mensagens.size(), 1u);
      EXPECT_EQ(roteiro->mensagens[0].texto, msg);
      EXPECT_EQ(roteiro->mensagens[0].icone, tICONE::info);
    } else {
      EXPECT_EQ(roteiro->mensagens.size(), 0u);
    }
    EXPECT_EQ(about.isVisible(), c.mensagem);
    EXPECT_EQ(about.isModal(), false);
    EXPECT_EQ(inifile().readstr("geral", "sobre", "?"), c.depois);
    // Once seen, the history is not shown again.
    roteiro->mensagens.clear();
    checkchangelog(about);
    EXPECT_EQ(roteiro->mensagens.size(), 0u);
  }
}

// A welcome screen over three actions that count their triggers.
struct Tela {
  tRECENTES recentes;
  QAction calc{QStringLiteral("calc")};
  QAction coord{QStringLiteral("coord")};
  QAction abrir{QStringLiteral("abrir")};
  int n_calc = 0, n_coord = 0, n_abrir = 0;
  std::vector<std::string> abertos;
  std::string falha;  // the open throws this message when set
  std::unique_ptr<TfmNOVO> fm;

  Tela() {
    QObject::connect(&calc, &QAction::triggered, [this] { ++n_calc; });
    QObject::connect(&coord, &QAction::triggered, [this] { ++n_coord; });
    QObject::connect(&abrir, &QAction::triggered, [this] { ++n_abrir; });
    fm = std::make_unique<TfmNOVO>(recentes, TfmNOVO::tACOES{&calc, &coord, &abrir},
                                   [this](const std::string& nome) {
                                     if (!falha.empty()) throw std::runtime_error(falha);
                                     abertos.push_back(nome);
                                   });
  }
};

TEST_F(Boasvindas, BotoesDaTelaDeBoasVindas) {
  Tela t;
  struct {
    QToolButton* bt;
    const char* caption;
    const char* hint;
    QKeySequence atalho;
    int* contador;
  } casos[] = {
      {t.fm->Button1(), "Ajuste/Cálculo (F2)", "Novo ajuste/calculo de rele",
       QKeySequence(Qt::Key_F2), &t.n_calc},
      {t.fm->Button2(), "Coordenograma (F3)", "Novo coordenograma", QKeySequence(Qt::Key_F3),
       &t.n_coord},
      {t.fm->Button3(), "Abrir (F4)", "", QKeySequence(Qt::Key_F4), &t.n_abrir},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(c.bt->text().toStdString(), c.caption);
    EXPECT_EQ(c.bt->toolTip().toStdString(), c.hint);
    EXPECT_EQ(c.bt->shortcut(), c.atalho);
    EXPECT_EQ(c.bt->iconSize(), QSize(64, 64));
    const int antes = *c.contador;
    c.bt->click();
    EXPECT_EQ(*c.contador, antes + 1);
  }
  EXPECT_EQ(t.n_calc + t.n_coord + t.n_abrir, 3);

  // A button follows its action: a kind that cannot be made is not offered.
  t.coord.setEnabled(false);
  EXPECT_EQ(t.fm->Button2()->isEnabled(), false);
  t.coord.setEnabled(true);
  EXPECT_EQ(t.fm->Button2()->isEnabled(), true);
}

TEST_F(Boasvindas, TituloSiteELista) {
  versionline = "Tarvinel 3.1.4";
  Tela t;
  t.recentes.add("/tmp/a.coord");
  t.recentes.add("/tmp/b.ajuste");
  t.fm->show();
  QApplication::processEvents();
  EXPECT_EQ(t.fm->windowTitle().toStdString(), "Bem vindo ao Tarvinel 3.1.4");
  ASSERT_EQ(t.fm->lis_rec()->count(), 2);
  EXPECT_EQ(t.fm->lis_rec()->item(0)->text().toStdString(), "/tmp/b.ajuste");
  EXPECT_EQ(t.fm->lis_rec()->item(1)->text().toStdString(), "/tmp/a.coord");
  EXPECT_EQ(t.fm->lbSITE()->toolTip().toStdString(),
            "Clique aqui para acessar nosso site de fazer o download da última versão");
  EXPECT_NE(t.fm->lbSITE()->text().toStdString().find(site_contato), std::string::npos);

  std::vector<std::string> abertos;
  set_shell_open([&](const std::string& s) {
    abertos.push_back(s);
    return true;
  });
  emit t.fm->lbSITE()->linkActivated(QString::fromUtf8(site_contato));
  EXPECT_EQ(abertos, std::vector<std::string>{site_contato});

  tROTEIRO roteiro;
  set_shell_open([](const std::string&) { return false; });
  t.fm->abre_site();
  ASSERT_EQ(roteiro->mensagens.size(), 1u);
  EXPECT_EQ(roteiro->mensagens[0].texto,
            std::string("Não foi possível abrir o endereço ") + site_contato + ".");
}

TEST_F(Boasvindas, DuploCliqueNaListaDeRecentes) {
  QTemporaryDir dir;
  const std::string existe = QDir(dir.path()).filePath(QStringLiteral("x.coord")).toStdString();
  QFile f(QString::fromStdString(existe));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  const std::string sumiu = QDir(dir.path()).filePath(QStringLiteral("y.coord")).toStdString();

  Tela t;
  t.recentes.add(sumiu);
  t.recentes.add(existe);
  t.fm->show();
  tROTEIRO roteiro;

  // Nothing selected: nothing happens.
  t.fm->lis_rec()->setCurrentRow(-1);
  t.fm->abre_recente();
  EXPECT_EQ(t.abertos.size(), 0u);
  EXPECT_EQ(roteiro->mensagens.size(), 0u);
  EXPECT_EQ(t.fm->isVisible(), true);

  // A file that is gone: the message, and the entry stays.
  t.fm->lis_rec()->setCurrentRow(1);
  t.fm->abre_recente();
  ASSERT_EQ(roteiro->mensagens.size(), 1u);
  EXPECT_EQ(roteiro->mensagens[0].texto, "Arquivo não encontrado.");
  EXPECT_EQ(t.abertos.size(), 0u);
  EXPECT_EQ(t.fm->lis_rec()->count(), 2);
  EXPECT_EQ(t.fm->isVisible(), true);

  // A file that cannot be read: its error is shown and the screen stays.
  roteiro->mensagens.clear();
  t.falha = "Não foi possível ler o arquivo \"" + existe + "\": permissão negada.";
  t.fm->lis_rec()->setCurrentRow(0);
  t.fm->abre_recente();
  ASSERT_EQ(roteiro->mensagens.size(), 1u);
  EXPECT_EQ(roteiro->mensagens[0].texto, t.falha);
  EXPECT_EQ(roteiro->mensagens[0].icone, tICONE::erro);
  EXPECT_EQ(t.fm->isVisible(), true);

  // An existing file opens and the screen closes.
  roteiro->mensagens.clear();
  t.falha.clear();
  t.fm->lis_rec()->setCurrentRow(0);
  emit t.fm->lis_rec()->itemDoubleClicked(t.fm->lis_rec()->item(0));
  EXPECT_EQ(t.abertos, std::vector<std::string>{existe});
  EXPECT_EQ(roteiro->mensagens.size(), 0u);
  EXPECT_EQ(t.fm->isVisible(), false);
}

TEST_F(Boasvindas, ManualEAtualizacao) {
  EXPECT_EQ(caminhos_manual("/opt/tarvinel/bin"),
            (std::vector<std::string>{"/opt/tarvinel/bin/manual.pdf",
                                      "/opt/tarvinel/share/doc/tarvinel/manual.pdf"}));

  QTemporaryDir dir;
  const QString bin = QDir(dir.path()).filePath(QStringLiteral("bin"));
  ASSERT_TRUE(QDir().mkpath(bin));
  const std::vector<std::string> caminhos = caminhos_manual(bin.toStdString());
  std::vector<std::string> abertos;
  bool abre = true;
  set_shell_open([&](const std::string& s) {
    abertos.push_back(s);
    return abre;
  });

  // Missing: the message names every place looked in, nothing is opened.
  {
    tROTEIRO roteiro;
    abre_manual(bin.toStdString());
    ASSERT_EQ(roteiro->mensagens.size(), 1u);
    EXPECT_EQ(roteiro->mensagens[0].texto, "O manual não foi encontrado. Arquivo procurado em:\n" +
                                               caminhos[0] + "\n" + caminhos[1]);
    EXPECT_EQ(abertos.size(), 0u);
  }
  // Installed in the documentation folder: opened with the platform.
  ASSERT_TRUE(QDir().mkpath(QDir(dir.path()).filePath(QStringLiteral("share/doc/tarvinel"))));
  QFile pdf(QString::fromStdString(caminhos[1]));
  ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
  pdf.close();
  {
    tROTEIRO roteiro;
    abre_manual(bin.toStdString());
    EXPECT_EQ(roteiro->mensagens.size(), 0u);
    EXPECT_EQ(abertos, std::vector<std::string>{caminhos[1]});
  }
  // No program for PDF files: said so, not silently ignored.
  {
    tROTEIRO roteiro;
    abre = false;
    abre_manual(bin.toStdString());
    ASSERT_EQ(roteiro->mensagens.size(), 1u);
    EXPECT_EQ(roteiro->mensagens[0].icone, tICONE::erro);
    EXPECT_NE(roteiro->mensagens[0].texto.find(caminhos[1]), std::string::npos);
  }
  {
    tROTEIRO roteiro;
    checkupdate();
    ASSERT_EQ(roteiro->mensagens.size(), 1u);
    EXPECT_EQ(roteiro->mensagens[0].texto, "Não foi possível verificar por atualizaçãoes.");
  }
}

TEST_F(Boasvindas, NaJanelaPrincipal) {
  versionline = "???";
  tROTEIRO roteiro;
  TfmMAIN fm;
  instala_sobre_novo(fm);
  EXPECT_NE(versionline, "???");  // set by the about window, before the main window shows
  auto* novo = fm.findChild<TfmNOVO*>();
  ASSERT_NE(novo, nullptr);
  novo->show();
  QApplication::processEvents();
  novo->resize(660, 520);
  EXPECT_TRUE(novo->grab().save(tela_teste("tarvinel_boasvindas.png")));

  // "Abrir (F4)" is the main window's "Abrir": the screen closes, then the
  // file chooser asks (cancelled here).
  novo->Button3()->click();
  EXPECT_EQ(novo->isVisible(), false);
  ASSERT_EQ(roteiro->pedidos.size(), 1u);
  EXPECT_EQ(roteiro->pedidos[0].filtro,
            "Todos|*.coord;*.ajuste;*.ens;|*.coord|*.coord|*.ajuste|*.ajuste|*.ens|*.ens");

  // A file opened by the main window appears in the screen's list.
  fm.lis_rec_add("/tmp/z.coord");
  ASSERT_EQ(novo->lis_rec()->count(), 1);
  EXPECT_EQ(novo->lis_rec()->item(0)->text().toStdString(), "/tmp/z.coord");

  // The hidden update check is wired to its message.
  roteiro->mensagens.clear();
  fm.acao("CHECKUPDATE")->trigger();
  ASSERT_EQ(roteiro->mensagens.size(), 1u);
  EXPECT_EQ(roteiro->mensagens[0].texto, kMSGATUALIZACAO);
}

}  // namespace
