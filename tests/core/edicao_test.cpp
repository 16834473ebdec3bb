// What the user leaves untouched in a grid stays exactly as it was, and what
// the user types reaches the file in a form the file can hold.

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/grade.h"
#include "core/foundation/stringarq.h"
#include "registro.h"

using namespace tarvinel;

namespace {

std::vector<std::string> linhas(const tPRJCOORD& p) {
  tSTRINGARQ arq;
  p.saveblock(arq);
  return arq.lines();
}

void carrega(tPRJCOORD& p, const std::vector<std::string>& ls) {
  tSTRINGARQ arq;
  for (const auto& l : ls) arq.add(l);
  p.ajustes.destroyitens();
  while (arq.next())
    if (arq.line == "projeto-coord{") p.loadblock(arq);
}

}  // namespace

TEST(Edicao, TextoArqTrocaOQueOArquivoNaoGuarda) {
  struct tCASO {
    const char* digitado;
    const char* gravado;
  };
  const tCASO casos[] = {
      {"Relé 1", "Relé 1"},
      {"25\" K", "25\xE2\x80\x9D K"},
      {"a\xC2\xA8"
       "b",
       "a'b"},
      {"linha 1\r\n}\r\nlinha 3", "linha 1 } linha 3"},
      {"a\tb\nc\rd", "a b c d"},
      {"ação ²", "ação ²"},
  };
  for (const auto& c : casos) EXPECT_EQ(textoarq(c.digitado), c.gravado) << c.digitado;
}

// Every kind of setting shown in its grid and read back untouched writes the
// same file: no value is rounded to the digits the grid shows.
TEST(Edicao, GradeIntocadaNaoArredondaNada) {
  auto p = prjcoord_novo();
  auto curva = std::make_unique<tAJUSTE_CURVA>();
  curva->rel.tmin = 0.05;  // a new curve's 0 is lifted to its bound 0.01 by design
  p->ajustes.add(std::move(curva));
  p->ajustes.add(std::make_unique<tAJUSTE_DEFIT>());
  p->ajustes.add(std::make_unique<tAJUSTE_TEXTO>());
  // Every real of the file gets digits the grids do not show (100.626 shows
  // "101", 1.006 "1.01" where two decimals are shown), within every bound.
  std::vector<std::string> finas;
  const std::regex real(R"(^(\t*[a-z_-]+ )(\d+)\.(\d{3})$)");
  for (const auto& l : linhas(*p)) {
    std::smatch m;
    if (std::regex_match(l, m, real) && l.substr(l.size() - 5) != "0.000")
      finas.push_back(m[1].str() + m[2].str() +
                      (m[2].str().size() > 2 ? ".626" : "." + m[3].str().substr(0, 2) + "6"));
    else
      finas.push_back(l);
  }
  carrega(*p, finas);
  ASSERT_EQ(linhas(*p), finas);
  for (int i = 0; i < p->ajustes.count(); ++i) {
    tPROPGRID vl;
    tAJUSTE* a = p->ajustes.Getajustes(i);
    a->showprop(vl);
    a->getprop(vl);
  }
  const auto depois = linhas(*p);
  ASSERT_EQ(depois.size(), finas.size());
  for (std::size_t k = 0; k < finas.size(); ++k) EXPECT_EQ(depois[k], finas[k]) << "linha " << k;
}

// A row the user edits takes the typed value at full precision, clipped to
// its bounds; the rows beside it keep theirs.
TEST(Edicao, LinhaEditadaTomaOValorDigitado) {
  struct tCASO {
    const char* chave;
    const char* digitado;
    double esperado;
  };
  const tCASO casos[] = {
      {"FASE.Partida [A]", "53.21", 53.21},       {"FASE.Partida [A]", "1e9", 1000000},
      {"FASE.Tempo mínimo[s]", "0.0251", 0.0251}, {"FASE.IDEF [A]", "MAX", 5000},
      {"FASE.Instantanea [A]", "OFF", 0},
  };
  for (const auto& c : casos) {
    tAJUSTE_RELIGA r;
    r.relf.cor_par = 53.206;
    r.relf.tmin = 0.025;
    r.relf.idef = 111.626;
    r.relf.cor_ins = 1234.567;
    tPROPGRID vl;
    r.showprop(vl);
    vl.setvalue(c.chave, c.digitado);
    r.getprop(vl);
    const std::string k = c.chave;
    const double v = k == "FASE.Partida [A]"       ? r.relf.cor_par
                     : k == "FASE.Tempo mínimo[s]" ? r.relf.tmin
                     : k == "FASE.IDEF [A]"        ? r.relf.idef
                                                   : r.relf.cor_ins;
    EXPECT_DOUBLE_EQ(v, c.esperado) << c.chave << " = " << c.digitado;
    if (k != "FASE.Partida [A]") {
      EXPECT_EQ(r.relf.cor_par, 53.206) << c.chave;
    }
    if (k != "FASE.IDEF [A]") {
      EXPECT_EQ(r.relf.idef, 111.626) << c.chave;
    }
  }
}

// A text pasted with a line "}" and quotes no longer ends the block early nor
// swallows the neighbouring fuse link; the log names each changed row once.
TEST(Edicao, TextoColadoNaoQuebraOArquivo) {
  auto p = prjcoord_novo();
  const int n = p->ajustes.count();
  tAJUSTE* a = p->ajustes.Getajustes(0);
  tPROPGRID vl;
  a->showprop(vl);
  vl.setvalue("Nome", "SE \"Norte\"");
  vl.setvalue("Observações", "ver\r\n}\r\nprojeto\tantigo");
  tLOG log;
  a->getprop(vl);
  EXPECT_EQ(log.linhas.size(), 2u);
  for (const auto& m : log.linhas) EXPECT_EQ(m.find('#'), 0u) << m;
  EXPECT_NE(log.linhas.at(0).find("\"Nome\""), std::string::npos) << log.linhas.at(0);

  carrega(*p, linhas(*p));
  ASSERT_EQ(p->ajustes.count(), n);
  EXPECT_EQ(p->ajustes.Getajustes(0)->caption, "SE \xE2\x80\x9DNorte\xE2\x80\x9D");
  EXPECT_EQ(p->ajustes.Getajustes(0)->obs, "ver } projeto antigo");
}
