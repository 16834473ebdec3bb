// The message log of the main window: numbering, time stamp, red warnings,
// "Limpar mensagens", and the welcome lines.
#include <QAction>
#include <QRegularExpression>

#include "core/foundation/contato.h"
#include "core/foundation/estado.h"
#include "gui/shell/msglog.h"
#include "shell_fixture.h"

namespace tarvinel::teste {
namespace {

using tLOGTEST = tSHELL;

QString linha(const tLOG* log, int i) {
  return log->item(i)->text();
}

TEST_F(tLOGTEST, WelcomeLinesAreNumberedFromOne) {
  const tLOG* log = fm->lbPRINTF();
  ASSERT_EQ(log->count(), 2);
  const QRegularExpression forma(QStringLiteral("^\\[(\\d+)\\] \\d\\d:\\d\\d:\\d\\d - (.*)$"));
  const auto m1 = forma.match(linha(log, 0));
  const auto m2 = forma.match(linha(log, 1));
  ASSERT_TRUE(m1.hasMatch()) << linha(log, 0).toStdString();
  ASSERT_TRUE(m2.hasMatch()) << linha(log, 1).toStdString();
  EXPECT_EQ(m1.captured(1), "1");
  EXPECT_EQ(m1.captured(2), "Bem vindo ao tarvinel.");
  EXPECT_EQ(m2.captured(1), "2");
  EXPECT_EQ(m2.captured(2).toStdString(),
            std::string("Envie suas dúvidas/críticas/sugestões para ") + email_contato);
}

TEST_F(tLOGTEST, WarningsAreRedAndNumberingSurvivesClearing) {
  tLOG* log = fm->lbPRINTF();
  xprint("#ATENÇÂO: Corrente FASE definida (IDEF) maior que instantânea.");
  xprintf("Aplicando %s: %.2f", "ajuste", 1.5);
  xprint("texto com # no meio");
  struct {
    int i;
    const char* fim;
    QColor cor;
  } casos[] = {
      {2, "#ATENÇÂO: Corrente FASE definida (IDEF) maior que instantânea.", QColor(255, 0, 0)},
      {3, "Aplicando ajuste: 1.50", QColor(0, 0, 0)},
      {4, "texto com # no meio", QColor(255, 0, 0)},
  };
  for (const auto& c : casos) {
    const QString l = linha(log, c.i);
    EXPECT_TRUE(l.startsWith(QStringLiteral("[%1] ").arg(c.i + 1))) << l.toStdString();
    EXPECT_TRUE(l.endsWith(QString::fromUtf8(c.fim))) << l.toStdString();
    EXPECT_EQ(tLOG::cor(l), c.cor) << l.toStdString();
  }
  // The context menu's single entry clears; the counter goes on.
  const auto acoes = log->actions();
  ASSERT_EQ(acoes.size(), 1);
  EXPECT_EQ(acoes[0]->text(), "Limpar mensagens");
  acoes[0]->trigger();
  EXPECT_EQ(log->count(), 0);
  xprint("depois");
  ASSERT_EQ(log->count(), 1);
  EXPECT_TRUE(linha(log, 0).startsWith("[6] ")) << linha(log, 0).toStdString();
  // The newest line is the current one, scrolled into view.
  EXPECT_EQ(log->contador(), 6);
}

TEST_F(tLOGTEST, RedLineIsDrawnRed) {
  tLOG* log = fm->lbPRINTF();
  log->limpa();
  xprint("################");
  log->resize(400, 80);
  const QImage img = log->viewport()->grab().toImage();
  int vermelhos = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.red() > 150 && c.green() < 80 && c.blue() < 80) ++vermelhos;
    }
  EXPECT_GT(vermelhos, 20);
}

TEST_F(tLOGTEST, MessagesAfterTheWindowIsGoneAreDropped) {
  fm.reset();
  EXPECT_EQ(has_sink(), false);
  xprint("sem janela");  // must not reach a destroyed list
}

}  // namespace
}  // namespace tarvinel::teste
