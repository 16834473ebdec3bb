// The general error report: an exception ends the command and is shown in an
// error message; the program goes on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/foundation/erroarq.h"
#include "gui/comando.h"
#include "support/dialogos_teste.h"

namespace tarvinel::teste {
namespace {

TEST(tCOMANDOTEST, ExceptionsBecomeErrorMessages) {
  struct {
    const char* nome;
    std::function<void()> f;
    std::string texto;
  } casos[] = {
      {"erro de arquivo", [] { throw tERROARQ(tOPARQ::gravar, "/x/a.coord", "disco cheio"); },
       tERROARQ(tOPARQ::gravar, "/x/a.coord", "disco cheio").what()},
      {"runtime_error", [] { throw std::runtime_error("Valor fora da faixa."); },
       "Valor fora da faixa."},
      {"sem texto", [] { throw std::runtime_error(""); }, kERRODESCONHECIDO},
      {"não padrão", [] { throw 42; }, kERRODESCONHECIDO},
      {"memória", [] { throw std::bad_alloc(); }, "Memória insuficiente para concluir a operação."},
  };
  for (const auto& c : casos) {
    tROTEIRO dlg;
    bool depois = false;
    const bool ok = comando([&] {
      c.f();
      depois = true;
    });
    EXPECT_EQ(ok, false) << c.nome;
    EXPECT_EQ(depois, false) << c.nome;
    ASSERT_EQ(dlg->mensagens.size(), 1u) << c.nome;
    EXPECT_EQ(dlg->mensagens[0].texto, c.texto) << c.nome;
    EXPECT_EQ(dlg->mensagens[0].icone, tICONE::erro) << c.nome;
  }
}

TEST(tCOMANDOTEST, CommandWithoutErrorShowsNothing) {
  tROTEIRO dlg;
  int n = 0;
  EXPECT_EQ(comando([&] { ++n; }), true);
  EXPECT_EQ(n, 1);
  EXPECT_TRUE(dlg->mensagens.empty());
}

}  // namespace
}  // namespace tarvinel::teste
