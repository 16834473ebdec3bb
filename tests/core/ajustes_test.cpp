// Equipment, marker, fuse, cable, text and cursor settings: defaults, grid
// rows, file blocks, copies and drawing through the recording surface.

#include <fmt/format.h>
#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/coordination/ajuste_cabo.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_marcas.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/curves/elofusivel.h"

using namespace tarvinel;

namespace {

const std::vector<std::string> kLinhasBase{" Dados gerais", "Nome",        "Cor",
                                           "Visível",       "Observações", " Dados específicos"};

std::vector<std::string> chaves(const tPROPGRID& vl) {
  std::vector<std::string> k;
  for (int i = 0; i < vl.count(); ++i) k.push_back(vl.row(i).key);
  return k;
}

std::vector<std::string> linhas(const tSTRINGARQ& arq) {
  return arq.lines();
}

std::string pt(tPOINTI p) {
  return fmt::format("({},{})", p.x, p.y);
}

std::vector<std::string> pts(const std::vector<tPOINTI>& v) {
  std::vector<std::string> s;
  for (auto p : v) s.push_back(pt(p));
  return s;
}

// Every stored field of a setting of any of these kinds, in one line.
std::string resumo(const tAJUSTE& a) {
  std::string s = fmt::format("{}|{}|{}|{}|", a.caption, a.color, a.visible, a.obs);
  if (auto* p = dynamic_cast<const tAJUSTE_TRAFO*>(&a))
    return s + fmt::format("{}|{}|{}", p->kva, p->zp, p->postext);
  if (auto* p = dynamic_cast<const tAJUSTE_INRUSH*>(&a))
    return s + fmt::format("{}|{}", p->inrush, p->inrusn);
  if (auto* p = dynamic_cast<const tAJUSTE_MINMAX*>(&a))
    return s + fmt::format("{}|{}|{}", p->iccmin, p->iccmax, p->inom);
  if (auto* p = dynamic_cast<const tAJUSTE_DEFIT*>(&a))
    return s + fmt::format("{}|{}|{}|{}", p->idef_f, p->idef_n, p->tdef_f, p->tdef_n);
  if (auto* p = dynamic_cast<const tAJUSTE_FUSE*>(&a))
    return s +
           fmt::format("{}|{}|{}|{}", p->fusetag[0], p->fusetag[1], p->fusetag[2], p->fusetag[3]);
  if (auto* p = dynamic_cast<const tAJUSTE_CABO*>(&a)) return s + p->cabletag;
  if (auto* p = dynamic_cast<const tAJUSTE_TEXTO*>(&a))
    return s + fmt::format("{}|{}|{}|{}", p->text, p->loc.x, p->loc.y, p->size);
  return s;
}

// A 1000 x 700 chart, 1 A .. 10 kA, 0.01 s .. 100 s, pens reset as the window
// leaves them before each setting draws.
struct tCENA {
  tCANVASREC cv{1000, 700};
  tCHARTX chart;
  tCENA() {
    chart.canvas = &cv;
    chart.setwh(1000, 700, 50);
    chart.limites = {1, 10000, 0.01, 100};
    chart.defaultpen();
  }
  tPOINTX px(double i, double t) const { return chart.rl2px(i, t); }
  tPOINTI pxi(double i, double t) const {
    const tPOINTX p = px(i, t);
    return {tCHARTX::pix(p.x), tCHARTX::pix(p.y)};
  }
  // Top-left corner of a text centred on the pixel point (fixed metrics).
  static tPOINTI centrado(tPOINTX p, const std::string& s) {
    const double tw = tCANVASREC::kCharWidth * static_cast<double>(s.size());
    return {tCHARTX::pix(p.x - tw / 2), tCHARTX::pix(p.y - tCANVASREC::kTextHeight / 2.0)};
  }
};

// ------------------------------------------------------------- defaults

TEST(Ajustes, PadroesDeCadaTipo) {
  struct Caso {
    std::unique_ptr<tAJUSTE> a;
    const char* paramname;
    const char* campos;  // resumo(): header fields, then the kind's own
  };
  Caso casos[] = {
      {std::make_unique<tAJUSTE_TRAFO>(), "Ponto ANSI", "Principal|16711680|true||225|5|2"},
      {std::make_unique<tAJUSTE_INRUSH>(), "Corrente InRush", "INRUSH|8388736|true||70|0"},
      {std::make_unique<tAJUSTE_MINMAX>(), "ICC min/max/nom", "Concessionária|0|true||100|3000|10"},
      {std::make_unique<tAJUSTE_DEFIT>(), "Corrente/Tempo definidos",
       "Principal|255|true||3000|1000|0.2|0.1"},
      {std::make_unique<tAJUSTE_FUSE>(), "Elo fisível tipo K",
       "Principal|0|true||100K|Nenhum|Nenhum|Nenhum"},
      {std::make_unique<tAJUSTE_CABO>(), "Curva de danos em cabo",
       "Distribuição|8421504|true||4CA"},
      {std::make_unique<tAJUSTE_TEXTO>(), "Texto", "Texto|0|true||seu texto aqui|10|10|20"},
      {std::make_unique<tAJUSTE_CURSOR>(), "", "tAJUSTE_CURSOR|0|true||"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(resumo(*c.a), c.campos) << c.paramname;
    EXPECT_EQ(c.a->paramname, c.paramname);
    EXPECT_EQ(c.a->obsolete, false) << c.paramname;
    EXPECT_EQ(c.a->seq, 0) << c.paramname;
  }
  tAJUSTE_TRAFO tr;
  EXPECT_EQ(tr.tensao, 0);
  tAJUSTE_CURSOR cu;
  EXPECT_EQ(fmt::format("{} {} {} {} {}", cu.cn, cu.c1.x, cu.c1.y, cu.c2.x, cu.c2.y), "0 0 0 0 0");
}

// ------------------------------------------------------------- grid rows

TEST(Ajustes, LinhasDaGradeNaOrdemComListas) {
  struct Caso {
    std::function<std::unique_ptr<tAJUSTE>()> novo;
    std::vector<std::string> proprias;  // after the base rows
    std::vector<std::string> valores;
  };
  const Caso casos[] = {
      {[] { return std::make_unique<tAJUSTE_TRAFO>(); },
       {"Potência [kVA]", "Impedância [%]", "Posição do texto", "Curva de dano",
        "Falhas frequentes"},
       {"225.0", "5.000", "Cima", "Ponto ANSI", "Não"}},
      {[] { return std::make_unique<tAJUSTE_INRUSH>(); },
       {"I-Mag. (InRush) [A]", "I-Mag. (InRush - neutro) [A]", "Tensão do equipamento [kV]"},
       {"70", "0", "0.000"}},
      {[] { return std::make_unique<tAJUSTE_MINMAX>(); },
       {"ICC-mínimo [A]", "ICC-máximo [A]", "I-nominal [A]", "Tensão do equipamento [kV]"},
       {"100", "3000", "10", "0.000"}},
      {[] { return std::make_unique<tAJUSTE_DEFIT>(); },
       {"FASE-IDEF [A]", "FASE-TDEF [s]", "NEUT-IDEF [A]", "NEUT-TDEF [s]"},
       {"3000", "0.200", "1000", "0.100"}},
      {[] { return std::make_unique<tAJUSTE_FUSE>(); },
       {"1° ELO", "2° ELO", "3° ELO", "4° ELO", "Tensão do equipamento [kV]"},
       {"100K", "Nenhum", "Nenhum", "Nenhum", "0.000"}},
      {[] { return std::make_unique<tAJUSTE_CABO>(); },
       {"Curva de danos [Cabo]", "Tensão do equipamento [kV]"},
       {"4CA", "0.000"}},
      {[] { return std::make_unique<tAJUSTE_TEXTO>(); },
       {"Texto/Simbolo", "Tamanho", "X (corrente)", "Y (tempo)"},
       {"seu texto aqui", "20", "10.00", "10.00"}},
  };
  for (const auto& c : casos) {
    auto a = c.novo();
    tPROPGRID vl;
    a->showprop(vl);
    auto esperadas = kLinhasBase;
    esperadas.insert(esperadas.end(), c.proprias.begin(), c.proprias.end());
    EXPECT_EQ(chaves(vl), esperadas) << a->paramname;
    for (std::size_t i = 0; i < c.proprias.size(); ++i)
      EXPECT_EQ(vl.value(c.proprias[i]), c.valores[i]) << a->paramname << " / " << c.proprias[i];
    // A second showprop on the filled grid only refreshes values.
    a->showprop(vl);
    EXPECT_EQ(chaves(vl), esperadas) << a->paramname << " (segunda vez)";
  }

  tPROPGRID vl;
  tAJUSTE_TRAFO tr;
  tr.showprop(vl);
  EXPECT_EQ(vl.find("Potência [kVA]")->picklist,
            (tNOMES{"75", "112.5", "150", "225", "300", "500", "750", "1000", "1500", "2000"}));
  EXPECT_EQ(vl.find("Posição do texto")->picklist,
            (tNOMES{"OFF", "Centro", "Cima", "Baixo", "Direta", "Esquerda"}));

  vl.clear();
  tAJUSTE_FUSE fu;
  fu.showprop(vl);
  for (const char* k : {"1° ELO", "2° ELO", "3° ELO", "4° ELO"})
    EXPECT_EQ(vl.find(k)->button, true) << k;

  vl.clear();
  tAJUSTE_CABO cb;
  cb.showprop(vl);
  const auto& lista = vl.find("Curva de danos [Cabo]")->picklist;
  ASSERT_EQ(lista.size(), 24u);
  EXPECT_EQ(lista.front(), "nenhuma");
  EXPECT_EQ(lista[1], "4CA");
  EXPECT_EQ(lista[12], "336CAA");
  EXPECT_EQ(lista[22], "240 comp");
  EXPECT_EQ(lista.back(), "Calculado");

  vl.clear();
  tAJUSTE_TEXTO tx;
  tx.showprop(vl);
  EXPECT_EQ(vl.find("Texto/Simbolo")->picklist,
            (tNOMES{"\xE2\x96\x88", "\xE2\x96\xB2", "\xE2\x97\x86", "\xE2\x97\x8F"}));
  EXPECT_EQ(vl.value(" Dados específicos"), "");
}

TEST(Ajustes, ValoresMostradosNormalizados) {
  tPROPGRID vl;
  tAJUSTE_TRAFO tr;
  tr.kva = 112.5;
  tr.postext = 9;  // only a file can hold it; drawn on the point, like "Centro"
  tr.showprop(vl);
  EXPECT_EQ(vl.value("Potência [kVA]"), "112.5");
  EXPECT_EQ(vl.value("Posição do texto"), "Centro");

  vl.clear();
  tAJUSTE_MINMAX mm;
  mm.inom = 10.26;
  mm.showprop(vl);
  EXPECT_EQ(vl.value("I-nominal [A]"), "10");

  vl.clear();
  tAJUSTE_TEXTO tx;
  tx.loc = {1234.567, 0.005};
  tx.showprop(vl);
  EXPECT_EQ(vl.value("X (corrente)"), "1234.57");
  EXPECT_EQ(vl.value("Y (tempo)"), "0.01");
}

// One row typed into the grid of a fresh setting, read back and shown again,
// as the window does on Apply: the normalised text shows the clipping, the
// fallback on unreadable text and the number formats.
TEST(Ajustes, LeituraDaGradeComLimites) {
  struct Caso {
    std::function<std::unique_ptr<tAJUSTE>()> novo;
    const char* chave;
    const char* digitado;
    const char* mostrado;
  };
  auto trafo = [] { return std::make_unique<tAJUSTE_TRAFO>(); };
  auto inrush = [] { return std::make_unique<tAJUSTE_INRUSH>(); };
  auto mm = [] { return std::make_unique<tAJUSTE_MINMAX>(); };
  auto df = [] { return std::make_unique<tAJUSTE_DEFIT>(); };
  auto tx = [] { return std::make_unique<tAJUSTE_TEXTO>(); };
  const Caso casos[] = {
      {trafo, "Potência [kVA]", "112,5", "112.5"},
      {trafo, "Potência [kVA]", "0", "1.000"},
      {trafo, "Potência [kVA]", "5000000", "1000000"},
      {trafo, "Potência [kVA]", "muito", "225.0"},
      {trafo, "Impedância [%]", "0", "0.100"},
      {trafo, "Impedância [%]", "250", "100.0"},
      {trafo, "Impedância [%]", "", "5.000"},
      {trafo, "Posição do texto", "Esquerda", "Esquerda"},
      {trafo, "Posição do texto", "cima", "OFF"},  // none of the names: no label
      {inrush, "I-Mag. (InRush) [A]", "-5", "0"},
      {inrush, "I-Mag. (InRush) [A]", "2e7", "1000000"},
      {inrush, "I-Mag. (InRush - neutro) [A]", "35.5", "36"},
      {mm, "ICC-mínimo [A]", "abc", "100"},
      {mm, "ICC-máximo [A]", "1500000", "1000000"},
      {df, "FASE-IDEF [A]", "-1", "0.000"},
      {df, "NEUT-TDEF [s]", "0.35", "0.350"},
      {tx, "Tamanho", "0", "1"},
      {tx, "Tamanho", "12.5", "20"},
      {tx, "Tamanho", "500", "100"},
      {tx, "X (corrente)", "-3", "0.00"},
      {tx, "Y (tempo)", "2000000", "1000000.00"},
      {tx, "Y (tempo)", "0,5", "0.50"},
  };
  for (const auto& c : casos) {
    auto a = c.novo();
    tPROPGRID vl;
    a->showprop(vl);
    vl.setvalue(c.chave, c.digitado);
    a->getprop(vl);
    a->showprop(vl);
    EXPECT_EQ(vl.value(c.chave), c.mostrado) << c.chave << " = \"" << c.digitado << "\"";
  }
}

TEST(Ajustes, LeituraDaGradeDeTextos) {
  tAJUSTE_FUSE fu;
  tPROPGRID vl;
  fu.showprop(vl);
  vl.setvalue("2° ELO", "25K");
  vl.setvalue("4° ELO", "qualquer");
  fu.getprop(vl);
  EXPECT_EQ(fmt::format("{}|{}|{}|{}", fu.fusetag[0], fu.fusetag[1], fu.fusetag[2], fu.fusetag[3]),
            "100K|25K|Nenhum|qualquer");

  tAJUSTE_CABO cb;
  vl.clear();
  cb.showprop(vl);
  vl.setvalue("Curva de danos [Cabo]", "2/0CU");
  cb.getprop(vl);
  EXPECT_EQ(cb.cabletag, "2/0CU");

  tAJUSTE_TEXTO tx;
  vl.clear();
  tx.showprop(vl);
  vl.setvalue("Texto/Simbolo", "\xE2\x96\xB2 SE-01");
  tx.getprop(vl);
  EXPECT_EQ(tx.text, "\xE2\x96\xB2 SE-01");
}

TEST(Ajustes, Dicas) {
  struct Caso {
    std::function<std::unique_ptr<tAJUSTE>()> novo;
    const char* chave;
    const char* dica;
  };
  auto trafo = [] { return std::make_unique<tAJUSTE_TRAFO>(); };
  auto inrush = [] { return std::make_unique<tAJUSTE_INRUSH>(); };
  auto mm = [] { return std::make_unique<tAJUSTE_MINMAX>(); };
  auto df = [] { return std::make_unique<tAJUSTE_DEFIT>(); };
  auto fu = [] { return std::make_unique<tAJUSTE_FUSE>(); };
  auto cb = [] { return std::make_unique<tAJUSTE_CABO>(); };
  auto tx = [] { return std::make_unique<tAJUSTE_TEXTO>(); };
  const Caso casos[] = {
      {trafo, "Potência [kVA]",
       "Digite a potência do trafo em [kVA] ou selecione um valor da lista"},
      {trafo, "Impedância [%]", "Informe a impedância do trafo em [%]"},
      {trafo, "Posição do texto", ""},
      {inrush, "I-Mag. (InRush) [A]", "Corrente de magnetização do transformador"},
      {inrush, "I-Mag. (InRush - neutro) [A]",
       "Corrente de magnetização de neutro do transformador"},
      {mm, "ICC-mínimo [A]", "Valor mínimo da corrente de curto circuito"},
      {mm, "ICC-máximo [A]", "Valor máximo da corrente de curto circuito"},
      {mm, "I-nominal [A]", "Valor da corrente nominal do circuito"},
      {df, "FASE-IDEF [A]", ""},
      {df, "NEUT-TDEF [s]", ""},
      {fu, "1° ELO", ""},
      {cb, "Curva de danos [Cabo]", "Selecione um dos tipos dos cabos listados"},
      {tx, "Tamanho", ""},
      {tx, "Tipo", ""},
  };
  for (const auto& c : casos) EXPECT_EQ(c.novo()->gethint(c.chave), c.dica) << c.chave;
}

// ------------------------------------------------------------- file blocks

TEST(Ajustes, BlocosDoProjetoExemplo) {
  auto bloco = [](tAJUSTE& a) {
    tSTRINGARQ arq;
    a.exportprop(arq);
    EXPECT_EQ(arq.level, 0) << a.paramname;
    return linhas(arq);
  };
  auto cabecalho = [](const char* opener, const char* caption, const char* color) {
    return std::vector<std::string>{opener,
                                    "\theader{",
                                    fmt::format("\t\tcaption \"{}\"", caption),
                                    "\t\tvisible 1",
                                    fmt::format("\t\tcolor {}", color),
                                    "\t\tobs \"\"",
                                    "\t}"};
  };
  auto com = [](std::vector<std::string> v, std::initializer_list<const char*> resto) {
    v.insert(v.end(), resto.begin(), resto.end());
    return v;
  };

  tAJUSTE_MINMAX mm;
  EXPECT_EQ(bloco(mm), com(cabecalho("ajuste-iccminmax{", "Concessionária", "0"),
                           {"\ticcmin 100.000", "\ticcmax 3000.000", "\tinom 10.000", "}"}));
  tAJUSTE_TRAFO tr;
  EXPECT_EQ(bloco(tr), com(cabecalho("ajuste-trafo{", "Principal", "16711680"),
                           {"\tkva 225.000", "\tzp 5.000", "\tpostext 2", "}"}));
  tAJUSTE_INRUSH in;
  EXPECT_EQ(bloco(in), com(cabecalho("ajuste-inrush{", "INRUSH", "8388736"),
                           {"\tinrush 70.000", "\tinrusn 0.000", "}"}));
  tAJUSTE_FUSE fu;
  EXPECT_EQ(bloco(fu), com(cabecalho("ajuste-fusek{", "Principal", "0"),
                           {"\tfusetag \"100K\" 0", "\tfusetag \"Nenhum\" 1",
                            "\tfusetag \"Nenhum\" 2", "\tfusetag \"Nenhum\" 3", "}"}));
  tAJUSTE_CABO cb;
  EXPECT_EQ(bloco(cb),
            com(cabecalho("ajuste-cabo{", "Distribuição", "8421504"), {"\tcabletag \"4CA\"", "}"}));
  tAJUSTE_DEFIT df;
  EXPECT_EQ(bloco(df), com(cabecalho("ajuste-defit{", "Principal", "255"),
                           {"\tidef_f 3000.000", "\tidef_n 1000.000", "\ttdef_f 0.200",
                            "\ttdef_n 0.100", "}"}));
  tAJUSTE_TEXTO tx;
  tx.loc = {1234.5678, 0.005};
  EXPECT_EQ(bloco(tx),
            com(cabecalho("ajuste-texto{", "Texto", "0"),
                {"\ttexto \"seu texto aqui\"", "\tlocx 1234.57", "\tlocy 0.01", "\tsize 20", "}"}));
}

// Every kind written with non-default values and read into a fresh setting of
// the same kind, the block followed by a line that must not be consumed.
TEST(Ajustes, IdaEVoltaPeloArquivo) {
  tAJUSTE_TRAFO tr;
  tr.kva = 112.5;
  tr.zp = 4.25;
  tr.postext = 5;
  tAJUSTE_INRUSH in;
  in.inrush = 812.345;
  in.inrusn = 120;
  tAJUSTE_MINMAX mm;
  mm.iccmin = 250.5;
  mm.iccmax = 8000;
  mm.inom = 10.26;
  tAJUSTE_DEFIT df;
  df.idef_f = 1500;
  df.idef_n = 0;
  df.tdef_f = 0.05;
  df.tdef_n = 1.25;
  tAJUSTE_FUSE fu;
  fu.fusetag = {"Nenhum", "6K", "25K", "200K-max"};
  tAJUSTE_CABO cb;
  cb.cabletag = "50 comp";
  tAJUSTE_TEXTO tx;
  tx.text = "Subestação A";
  tx.loc = {350.25, 0.005};
  tx.size = 14;

  std::vector<tAJUSTE*> todos{&tr, &in, &mm, &df, &fu, &cb, &tx};
  // Fresh settings of the same kinds, as the project's factory makes them.
  const std::vector<std::function<std::unique_ptr<tAJUSTE>()>> novos{
      [] { return std::make_unique<tAJUSTE_TRAFO>(); },
      [] { return std::make_unique<tAJUSTE_INRUSH>(); },
      [] { return std::make_unique<tAJUSTE_MINMAX>(); },
      [] { return std::make_unique<tAJUSTE_DEFIT>(); },
      [] { return std::make_unique<tAJUSTE_FUSE>(); },
      [] { return std::make_unique<tAJUSTE_CABO>(); },
      [] { return std::make_unique<tAJUSTE_TEXTO>(); }};
  for (tAJUSTE* a : todos) {
    a->caption = "Item " + a->paramname;
    a->color = 0x123456;
    a->visible = false;
    a->obs = "anotação";
  }

  const std::vector<std::string> esperado{
      "Item Ponto ANSI|1193046|false|anotação|112.5|4.25|5",
      "Item Corrente InRush|1193046|false|anotação|812.345|120",
      "Item ICC min/max/nom|1193046|false|anotação|250.5|8000|10.26",
      "Item Corrente/Tempo definidos|1193046|false|anotação|1500|0|0.05|1.25",
      "Item Elo fisível tipo K|1193046|false|anotação|Nenhum|6K|25K|200K-max",
      "Item Curva de danos em cabo|1193046|false|anotação|50 comp",
      "Item Texto|1193046|false|anotação|Subestação A|350.25|0.01|14",
  };
  for (std::size_t k = 0; k < todos.size(); ++k) {
    tSTRINGARQ arq;
    todos[k]->exportprop(arq);
    arq.add("depois 1");
    ASSERT_TRUE(arq.next());  // the opener; the project's factory reads it
    auto lido = novos[k]();
    lido->importprop(arq);
    EXPECT_EQ(resumo(*lido), esperado[k]);
    ASSERT_TRUE(arq.next()) << todos[k]->paramname;
    EXPECT_EQ(arq.line, "depois 1") << todos[k]->paramname << " leu além do seu bloco";
  }
}

TEST(Ajustes, LinhasDeEloForaDoPadrao) {
  struct Caso {
    const char* linha;
    int lugar;
  };
  const Caso casos[] = {
      {"fusetag \"6K\" 2", 2},  {"fusetag \"6K\"", 0},  // no place: place 0
      {"fusetag \"6K\" 7", 3},                          // clipped
      {"fusetag \"6K\" -2", 0},                         // clipped
      {"fusetag \"6K\" x", 0},
  };
  for (const auto& c : casos) {
    tSTRINGARQ arq;
    arq.add(c.linha);
    arq.add("}");
    tAJUSTE_FUSE fu;
    fu.fusetag = {"a", "b", "c", "d"};
    fu.importprop(arq);
    std::array<std::string, 4> esperado{"a", "b", "c", "d"};
    esperado[static_cast<std::size_t>(c.lugar)] = "6K";
    EXPECT_EQ(
        fmt::format("{}|{}|{}|{}", fu.fusetag[0], fu.fusetag[1], fu.fusetag[2], fu.fusetag[3]),
        fmt::format("{}|{}|{}|{}", esperado[0], esperado[1], esperado[2], esperado[3]))
        << c.linha;
  }
}

// A text block without a header, or with its keys before the header, is read
// like any other kind's block: it ends at its own closer and keeps its keys.
TEST(Ajustes, BlocoDeTextoSemCabecalhoNaoEngoleOProximo) {
  tSTRINGARQ arq;
  for (const char* l : {"texto \"marca\"", "locx 50", "}", "ajuste-cabo{", "header{",
                        "caption \"Outro\"", "}", "cabletag \"2CA\"", "}"})
    arq.add(l);
  tAJUSTE_TEXTO tx;
  tx.importprop(arq);
  EXPECT_EQ(tx.caption, "Texto");
  EXPECT_EQ(tx.text, "marca");
  EXPECT_EQ(tx.loc.x, 50);
  EXPECT_EQ(arq.linenumber, 3);

  tSTRINGARQ arq2;
  for (const char* l : {"size 9", "header{", "caption \"Nota\"", "}", "locy 2.5", "}"}) arq2.add(l);
  tAJUSTE_TEXTO t2;
  t2.importprop(arq2);
  EXPECT_EQ(fmt::format("{}|{}|{}", t2.caption, t2.size, t2.loc.y), "Nota|9|2.5");
}

// ------------------------------------------------------------- copies

TEST(Ajustes, CopiaMantemCamposGravadosETipo) {
  tAJUSTE_TRAFO tr;
  tr.postext = 4;
  tr.tensao = 13.8;  // not stored, not copied
  tAJUSTE_INRUSH in;
  in.inrusn = 9;
  tAJUSTE_MINMAX mm;
  mm.inom = 42.5;
  tAJUSTE_DEFIT df;
  df.tdef_f = 0.7;
  tAJUSTE_FUSE fu;
  fu.fusetag[2] = "40K";
  tAJUSTE_CABO cb;
  cb.cabletag = "6CU";
  tAJUSTE_TEXTO tx;
  tx.text = "X";
  tx.loc = {3, 4};
  tx.size = 33;
  for (tAJUSTE* a : std::initializer_list<tAJUSTE*>{&tr, &in, &mm, &df, &fu, &cb, &tx}) {
    a->caption = "cópia";
    a->obs = "nota";
    a->visible = false;
    a->seq = 7;
    auto c = a->copy();
    const tAJUSTE& copia = *c;
    const tAJUSTE& original = *a;
    EXPECT_EQ(std::string(typeid(copia).name()), std::string(typeid(original).name()))
        << a->paramname;
    EXPECT_EQ(resumo(*c), resumo(*a)) << a->paramname;
    EXPECT_EQ(c->seq, 0) << a->paramname;
    EXPECT_EQ(c->paramname, a->paramname);
  }
  auto ctr = tr.copy();
  EXPECT_EQ(dynamic_cast<tAJUSTE_TRAFO&>(*ctr).tensao, 0);

  // The copy has its own list of links.
  auto cfu = fu.copy();
  dynamic_cast<tAJUSTE_FUSE&>(*cfu).fusetag[0] = "8K";
  EXPECT_EQ(fu.fusetag[0], "100K");
}

// ------------------------------------------------------------- drawing

TEST(AjustesDesenho, PontoAnsiNasPosicoesMapeadas) {
  tCENA c;
  tAJUSTE_TRAFO tr;
  tr.tensao = 13.8;
  tr.drawto(c.chart);

  // 225 kVA, 5 %, 13.8 kV: In = 9.413 A, IF = 188.27 A, IN = 109.19 A, T = 3.125 s.
  const double in = 225 / (std::sqrt(3.0) * 13.8);
  EXPECT_NEAR(in, 9.413, 0.001);
  const struct {
    double i;
    double nominal;  // the figure an engineer checks
    const char* label;
  } pontos[] = {{20 * in, 188.27, "225F"}, {0.58 * 20 * in, 109.19, "225N"}};
  const auto tri = c.cv.of(tOPKIND::polygon);
  ASSERT_EQ(tri.size(), 2u);
  const auto textos = c.cv.of(tOPKIND::text);
  ASSERT_EQ(textos.size(), 4u);
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_NEAR(pontos[k].i, pontos[k].nominal, 0.01) << pontos[k].label;
    const tPOINTX p = c.px(pontos[k].i, 3.125);
    const int x = tCHARTX::pix(p.x);
    const int y = tCHARTX::pix(p.y);
    // Pointing upward, one width of "o" (7 pixels) around the point.
    EXPECT_EQ(pts(tri[k].pts), pts({{x, y - 7}, {x + 7, y + 7}, {x - 7, y + 7}}))
        << pontos[k].label;
    EXPECT_EQ(tri[k].brush, (tBRUSH{clBlue, tBRUSHSTYLE::solid})) << pontos[k].label;

    // "Cima": "ANSI" 2.5 text heights above the point, the label 1.5.
    const auto& ansi = textos[2 * k];
    const auto& lab = textos[2 * k + 1];
    EXPECT_EQ(ansi.text, "ANSI");
    EXPECT_EQ(lab.text, pontos[k].label);
    EXPECT_EQ(pt(ansi.pts[0]), pt(tCENA::centrado({p.x, p.y - 2.5 * 13}, "ANSI")));
    EXPECT_EQ(pt(lab.pts[0]), pt(tCENA::centrado({p.x, p.y - 1.5 * 13}, pontos[k].label)));
    EXPECT_EQ(ansi.font.color, clBlue);
    EXPECT_EQ(lab.font.color, clBlue);
    EXPECT_EQ(lab.brush, (tBRUSH{clWhite, tBRUSHSTYLE::solid}));  // white box under the label
  }
}

TEST(AjustesDesenho, PosicaoDoTextoAnsi) {
  struct Caso {
    int postext;
    double gx, gy;  // offsets of the "ANSI" centre in text widths/heights
  };
  const Caso casos[] = {{1, 0, 0}, {2, 0, -2}, {3, 0, 2}, {4, 1, 0}, {5, -1, 0}, {9, 0, 0}};
  for (const auto& k : casos) {
    tCENA c;
    c.chart.show_neutro = false;
    tAJUSTE_TRAFO tr;
    tr.tensao = 13.8;
    tr.kva = 112.5;
    tr.zp = 4;  // T = 2 s
    tr.postext = k.postext;
    tr.drawto(c.chart);
    const tPOINTX p = c.px(112.5 / (std::sqrt(3.0) * 13.8) * 25, 2);
    const auto t = c.cv.texts();
    ASSERT_EQ(t, (std::vector<std::string>{"ANSI", "112F"})) << "postext " << k.postext;
    const double cx = p.x + k.gx * 28;
    const double cy = p.y + k.gy * 13;
    EXPECT_EQ(pt(c.cv.findtext("ANSI")->pts[0]), pt(tCENA::centrado({cx, cy - 6.5}, "ANSI")))
        << "postext " << k.postext;
    EXPECT_EQ(pt(c.cv.findtext("112F")->pts[0]), pt(tCENA::centrado({cx, cy + 6.5}, "112F")))
        << "postext " << k.postext;
  }
}

TEST(AjustesDesenho, PontoAnsiSemTextoOuSemPonto) {
  struct Caso {
    const char* nome;
    double kva, zp, tensao;
    int postext;
    bool legenda, fase, neutro;
    int triangulos, textos;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Caso casos[] = {
      {"OFF", 225, 5, 13.8, 0, true, true, true, 2, 0},
      {"sem legenda", 225, 5, 13.8, 2, false, true, true, 2, 0},
      {"só fase", 225, 5, 13.8, 2, true, true, false, 1, 2},
      {"só neutro", 225, 5, 13.8, 2, true, false, true, 1, 2},
      {"tensão 0", 225, 5, 0, 2, true, true, true, 0, 0},
      {"impedância 0", 225, 5 * 0, 13.8, 2, true, true, true, 0, 0},
      {"potência 0", 0, 5, 13.8, 2, true, true, true, 0, 0},
      {"potência negativa", -225, 5, 13.8, 2, true, true, true, 0, 0},
      {"impedância enorme", 225, 1e308, 13.8, 2, true, true, true, 0, 0},
      {"tensão NaN", 225, 5, nan, 2, true, true, true, 0, 0},
      {"potência infinita", inf, 5, 13.8, 2, true, true, true, 0, 0},
  };
  for (const auto& k : casos) {
    tCENA c;
    c.chart.showlegend = k.legenda;
    c.chart.show_fase = k.fase;
    c.chart.show_neutro = k.neutro;
    tAJUSTE_TRAFO tr;
    tr.kva = k.kva;
    tr.zp = k.zp;
    tr.tensao = k.tensao;
    tr.postext = k.postext;
    tr.drawto(c.chart);
    EXPECT_EQ(c.cv.count(tOPKIND::polygon), k.triangulos) << k.nome;
    EXPECT_EQ(c.cv.count(tOPKIND::text), k.textos) << k.nome;
    EXPECT_EQ(c.cv.ops.size(), std::size_t(k.triangulos + k.textos)) << k.nome;
  }
}

TEST(AjustesDesenho, MarcaInrush) {
  tCENA c;
  tAJUSTE_INRUSH in;
  in.inrush = 812.7;
  in.inrusn = 0;
  c.cv.setfontcolor(in.color);  // as the window leaves it; the marker resets it
  in.drawto(c.chart);
  const tPOINTX p = c.px(812.7, 0.1);
  const auto el = c.cv.of(tOPKIND::ellipse);
  ASSERT_EQ(el.size(), 1u);
  EXPECT_EQ(pts(el[0].pts), pts({{tCHARTX::pix(p.x - 7), tCHARTX::pix(p.y - 7)},
                                 {tCHARTX::pix(p.x + 7), tCHARTX::pix(p.y + 7)}}));
  EXPECT_EQ(el[0].brush.color, clPurple);
  EXPECT_EQ(el[0].pen, (tPEN{1, clBlack, tPENSTYLE::solid, tPENMODE::copy}));
  ASSERT_EQ(c.cv.texts(), (std::vector<std::string>{"INRUSH", "812A"}));
  const auto* cap = c.cv.findtext("INRUSH");
  const auto* amp = c.cv.findtext("812A");
  EXPECT_EQ(pt(cap->pts[0]), pt(tCENA::centrado({p.x, p.y - 14}, "INRUSH")));
  EXPECT_EQ(pt(amp->pts[0]), pt(tCENA::centrado({p.x, p.y + 14}, "812A")));
  EXPECT_EQ(cap->font.color, clBlack);
  EXPECT_EQ(amp->font.color, clBlack);

  struct Caso {
    double fase, neutro;
    bool show_fase, show_neutro;
    int marcas;
  };
  const Caso casos[] = {{70, 0, true, true, 1},
                        {70, 30, true, true, 2},
                        {70, 30, false, true, 1},
                        {70, 30, true, false, 1},
                        {0, 0, true, true, 0},
                        {-5, 1e308, true, true, 1},
                        {std::numeric_limits<double>::quiet_NaN(), 0, true, true, 0}};
  for (const auto& k : casos) {
    tCENA d;
    d.chart.show_fase = k.show_fase;
    d.chart.show_neutro = k.show_neutro;
    tAJUSTE_INRUSH m;
    m.inrush = k.fase;
    m.inrusn = k.neutro;
    m.drawto(d.chart);
    EXPECT_EQ(d.cv.count(tOPKIND::ellipse), k.marcas)
        << "fase " << k.fase << " neutro " << k.neutro << " " << k.show_fase << k.show_neutro;
  }
}

TEST(AjustesDesenho, MarcasDeCurtoCircuito) {
  tCENA c;
  c.chart.show_fase = false;  // no phase/neutral filter applies
  c.chart.show_neutro = false;
  tAJUSTE_MINMAX mm;
  mm.color = clRed;
  mm.iccmin = 0;  // no mark
  mm.inom = 10.26;
  mm.drawto(c.chart);

  ASSERT_EQ(c.cv.texts(), (std::vector<std::string>{"ICCmax: 3000A", "Inom: 10.3A"}));
  const auto linhas_ = c.cv.of(tOPKIND::line);
  ASSERT_EQ(linhas_.size(), 6u);
  const double correntes[] = {3000, 10.26};
  for (int k = 0; k < 2; ++k) {
    const double i = correntes[k];
    const auto& a = linhas_[static_cast<std::size_t>(3 * k)];
    const auto& b = linhas_[static_cast<std::size_t>(3 * k + 1)];
    const auto& d = linhas_[static_cast<std::size_t>(3 * k + 2)];
    EXPECT_EQ(pts(a.pts), pts({c.pxi(i, 100), c.pxi(i, 10)})) << i;
    EXPECT_EQ(pts(b.pts), pts({c.pxi(i, 0.1), c.pxi(i, 0.01)})) << i;
    EXPECT_EQ(pts(d.pts), pts({c.pxi(i, 10), c.pxi(i, 0.1)})) << i;
    EXPECT_EQ(a.pen, (tPEN{3, clRed, tPENSTYLE::solid, tPENMODE::copy})) << i;
    EXPECT_EQ(b.pen, a.pen) << i;
    EXPECT_EQ(d.pen, (tPEN{1, clRed, tPENSTYLE::dash, tPENMODE::copy})) << i;
  }
  const auto* t = c.cv.findtext("ICCmax: 3000A");
  const tPOINTX p = c.px(3000, 15);
  EXPECT_EQ(pt(t->pts[0]), pt({tCHARTX::pix(p.x - 1.2 * 13), tCHARTX::pix(p.y)}));
  EXPECT_EQ(t->font.orientation, 900);

  tCENA s;
  s.chart.showlegend = false;
  tAJUSTE_MINMAX m2;
  m2.drawto(s.chart);
  EXPECT_EQ(s.cv.count(tOPKIND::text), 0);
  EXPECT_EQ(s.cv.count(tOPKIND::line), 9);
}

TEST(AjustesDesenho, CantosDeCorrenteETempoDefinidos) {
  tCENA c;
  c.chart.show_fase = false;
  c.chart.show_neutro = false;
  tAJUSTE_DEFIT df;
  df.drawto(c.chart);
  const auto l = c.cv.of(tOPKIND::line);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(pts(l[0].pts), pts({c.pxi(3000, 100), c.pxi(3000, 0.2)}));
  EXPECT_EQ(pts(l[1].pts), pts({c.pxi(3000, 0.2), c.pxi(10000, 0.2)}));
  EXPECT_EQ(pts(l[2].pts), pts({c.pxi(1000, 100), c.pxi(1000, 0.1)}));
  EXPECT_EQ(pts(l[3].pts), pts({c.pxi(1000, 0.1), c.pxi(10000, 0.1)}));
  EXPECT_EQ(l[0].pen, (tPEN{1, clRed, tPENSTYLE::dash, tPENMODE::copy}));
  EXPECT_EQ(l[2].pen, (tPEN{3, clRed, tPENSTYLE::solid, tPENMODE::copy}));

  struct Caso {
    double idf, tdf, idn, tdn;
    int linhas;
  };
  const Caso casos[] = {
      {0, 0.2, 1000, 0.1, 2},   {3000, 0, 1000, 0.1, 2},
      {3000, 0.2, 0, 0, 2},     {0, 0, 0, 0, 0},
      {-1, 0.2, 1000, -0.1, 0}, {1e308, 1e308, std::numeric_limits<double>::quiet_NaN(), 1, 2}};
  for (const auto& k : casos) {
    tCENA d;
    tAJUSTE_DEFIT x;
    x.idef_f = k.idf;
    x.tdef_f = k.tdf;
    x.idef_n = k.idn;
    x.tdef_n = k.tdn;
    x.drawto(d.chart);
    EXPECT_EQ(d.cv.count(tOPKIND::line), k.linhas)
        << k.idf << " " << k.tdf << " " << k.idn << " " << k.tdn;
  }
}

TEST(AjustesDesenho, EloFusivelCurvasELegenda) {
  const tELO_CURVA* elo = elolista().find("100K");
  const tELO_CURVA* max = elolista().find("100K-max");
  ASSERT_NE(elo, nullptr);
  ASSERT_NE(max, nullptr);

  tCENA c;
  c.chart.show_fase = false;
  tAJUSTE_FUSE fu;
  fu.color = clGreen;
  fu.drawto(c.chart);
  const auto pl = c.cv.of(tOPKIND::polyline);
  ASSERT_EQ(pl.size(), 2u);
  std::vector<tPOINTI> esperado;
  for (const auto& p : elo->pontos()) esperado.push_back(c.pxi(p.cor, p.tem));
  EXPECT_EQ(pts(pl[0].pts), pts(esperado));
  EXPECT_EQ(pl[0].pen, (tPEN{1, clGreen, tPENSTYLE::solid, tPENMODE::copy}));
  esperado.clear();
  for (const auto& p : max->pontos()) esperado.push_back(c.pxi(p.cor, p.tem));
  EXPECT_EQ(pts(pl[1].pts), pts(esperado));
  EXPECT_EQ(pl[1].pen, (tPEN{1, clGreen, tPENSTYLE::dashdot, tPENMODE::copy}));

  ASSERT_EQ(c.cv.texts(), (std::vector<std::string>{"ELO 100K"}));
  const double cor = elo->get_cor(0.2);
  EXPECT_GT(cor, 0);
  EXPECT_EQ(pt(c.cv.findtext("ELO 100K")->pts[0]), pt(tCENA::centrado(c.px(cor, 0.2), "ELO 100K")));

  // Four places: unknown names and "Nenhum" draw nothing, the others in order.
  tCENA d;
  tAJUSTE_FUSE f4;
  f4.fusetag = {"6K", "inexistente", "Nenhum", "10K"};
  f4.drawto(d.chart);
  EXPECT_EQ(d.cv.texts(), (std::vector<std::string>{"ELO 6K", "ELO 10K"}));
  int esperadas = 0;
  for (const char* n : {"6K", "6K-max", "10K", "10K-max"})
    if (elolista().find(n)) ++esperadas;
  EXPECT_EQ(d.cv.count(tOPKIND::polyline), esperadas);

  tCENA e;
  e.chart.showlegend = false;
  tAJUSTE_FUSE f0;
  f0.fusetag = {"Nenhum", "Nenhum", "null", ""};
  f0.drawto(e.chart);
  EXPECT_EQ(e.cv.ops.size(), 0u);
}

TEST(AjustesDesenho, GetFuse) {
  const struct {
    double amp;
    const char* elo;
  } casos[] = {{0, "6K"},
               {5.5, "6K"},
               {6, "8K"},
               {9.41, "10K"},
               {64.9, "65K"},
               {65, "80K"},
               {99, "100K"},
               {100, "100K"},
               {150, "100K"},
               {-3, "6K"},
               {std::numeric_limits<double>::quiet_NaN(), "100K"}};
  for (const auto& c : casos) EXPECT_EQ(tAJUSTE_FUSE::getfuse(c.amp), c.elo) << c.amp;
}

TEST(AjustesDesenho, CurvaDeDanosDoCabo) {
  tCENA c;
  tAJUSTE_CABO cb;
  cb.drawto(c.chart);
  const auto l = c.cv.of(tOPKIND::line);
  ASSERT_GT(l.size(), 5u);
  // The first sample is a move and a line to itself; the rest join up.
  EXPECT_EQ(pt(l[0].pts[0]), pt(l[0].pts[1]));
  for (std::size_t k = 1; k < l.size(); ++k)
    EXPECT_EQ(pt(l[k].pts[0]), pt(l[k - 1].pts[1])) << "segmento " << k;
  for (const auto& s : l) {
    EXPECT_EQ(s.pen, (tPEN{3, clGray, tPENSTYLE::solid, tPENMODE::copy}));
    const tPOINTX r = c.chart.px2rl(tPOINTX{double(s.pts[1].x), double(s.pts[1].y)});
    EXPECT_GE(r.y, 0.1 * 0.98) << pt(s.pts[1]);
    EXPECT_LE(r.y, 100 * 1.02) << pt(s.pts[1]);
    // Within a pixel of the damage curve t = K I^n.
    EXPECT_NEAR(std::log10(r.y), std::log10(6810000 * std::pow(r.x, -1.995)), 0.02) << pt(s.pts[1]);
  }
  // 4CA at 1000 A: about 7.05 s.
  EXPECT_NEAR(6810000 * std::pow(1000.0, -1.995), 7.05, 0.01);
  ASSERT_EQ(c.cv.texts(), (std::vector<std::string>{"Cabo 4CA"}));
  const tPOINTX leg = c.px(5000, 6810000 * std::pow(5000.0, -1.995));
  EXPECT_NEAR(c.chart.px2rl(leg).y, 0.28, 0.005);
  EXPECT_EQ(pt(c.cv.findtext("Cabo 4CA")->pts[0]), pt(tCENA::centrado(leg, "Cabo 4CA")));

  // A window starting where the curve is already below 0.1 s: no line, the
  // legend stays.
  tCENA d;
  d.chart.limites.xl = 20000;
  d.chart.limites.xh = 1000000;
  cb.drawto(d.chart);
  EXPECT_EQ(d.cv.count(tOPKIND::line), 0);
  EXPECT_EQ(d.cv.count(tOPKIND::text), 1);

  for (const char* nome : {"nenhuma", "", "4ca", "4CA ", "xyz"}) {
    tCENA e;
    tAJUSTE_CABO x;
    x.cabletag = nome;
    x.drawto(e.chart);
    EXPECT_EQ(e.cv.ops.size(), 0u) << "\"" << nome << "\"";
  }
  // Every named cable of the table draws.
  for (const auto& k : tAJUSTE_CABO::kcable()) {
    if (std::string(k.nome) == "nenhuma") continue;
    tCENA e;
    tAJUSTE_CABO x;
    x.cabletag = k.nome;
    x.drawto(e.chart);
    EXPECT_GT(e.cv.count(tOPKIND::line), 0) << k.nome;
  }
}

TEST(AjustesDesenho, TextoNoPontoReal) {
  tCENA c;
  tAJUSTE_TEXTO tx;
  tx.text = "100% carga";  // never taken as a format
  tx.loc = {250, 3};
  tx.size = 14;
  tx.color = clBlue;
  c.cv.setfontcolor(tx.color);  // as the window leaves it
  tx.drawto(c.chart);
  const auto t = c.cv.of(tOPKIND::text);
  ASSERT_EQ(t.size(), 1u);
  EXPECT_EQ(t[0].text, "100% carga");
  EXPECT_EQ(pt(t[0].pts[0]), pt(tCENA::centrado(c.px(250, 3), "100% carga")));
  EXPECT_EQ(t[0].font.size, 14);
  EXPECT_EQ(t[0].font.bold, true);
  EXPECT_EQ(t[0].font.color, clBlue);
  EXPECT_EQ(t[0].brush.style, tBRUSHSTYLE::clear);

  const struct {
    double x, y;
    int size;
    int textos;
    int fonte;
  } casos[] = {{0, 10, 20, 0, 0}, {10, 0, 20, 0, 0},        {-5, 10, 20, 0, 0},
               {10, 10, 0, 1, 1}, {10, 10, 100000, 1, 100}, {1e308, 1e308, 20, 1, 20}};
  for (const auto& k : casos) {
    tCENA d;
    tAJUSTE_TEXTO x;
    x.loc = {k.x, k.y};
    x.size = k.size;
    x.drawto(d.chart);
    ASSERT_EQ(d.cv.count(tOPKIND::text), k.textos) << k.x << " " << k.y << " " << k.size;
    if (k.textos) {
      EXPECT_EQ(d.cv.of(tOPKIND::text)[0].font.size, k.fonte) << k.size;
    }
  }
}

TEST(AjustesDesenho, Cursores) {
  tAJUSTE_CURSOR cur;
  cur.pushcur({100, 1});
  cur.pushcur({1000, 0.1});
  cur.pushcur({50, 2});
  EXPECT_EQ(fmt::format("{} {} {} {} {}", cur.cn, cur.c1.x, cur.c1.y, cur.c2.x, cur.c2.y),
            "3 50 2 1000 0.1");

  tCENA c;
  cur.drawto(c.chart);
  const auto l = c.cv.of(tOPKIND::line);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(pts(l[0].pts), pts({c.pxi(50, 2), c.pxi(1000, 0.1)}));
  const auto el = c.cv.of(tOPKIND::ellipse);
  ASSERT_EQ(el.size(), 2u);
  const tPOINTX a = c.px(50, 2);
  EXPECT_EQ(pts(el[0].pts), pts({{tCHARTX::pix(a.x - 7), tCHARTX::pix(a.y - 7)},
                                 {tCHARTX::pix(a.x + 7), tCHARTX::pix(a.y + 7)}}));
  EXPECT_EQ(el[0].brush, (tBRUSH{clWhite, tBRUSHSTYLE::solid}));
  ASSERT_EQ(c.cv.texts(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(pt(c.cv.findtext("a")->pts[0]), pt(tCENA::centrado(a, "a")));
  EXPECT_EQ(pt(c.cv.findtext("b")->pts[0]), pt(tCENA::centrado(c.px(1000, 0.1), "b")));
  EXPECT_EQ(c.cv.findtext("b")->brush.style, tBRUSHSTYLE::clear);

  // Cursors not placed yet draw nothing at the pixel origin.
  tCENA d;
  tAJUSTE_CURSOR novo;
  novo.drawto(d.chart);
  EXPECT_EQ(d.cv.ops.size(), 0u);

  auto copia = cur.copy();
  EXPECT_NE(dynamic_cast<tAJUSTE_CURSOR*>(copia.get()), nullptr);
}

// Values a damaged file or a careless caller can leave behind never crash the
// drawing and never hand the surface a pixel beyond the chart's clamp.
TEST(AjustesDesenho, ValoresAbsurdosNaoDerrubamODesenho) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double v : {nan, inf, -inf, 1e308, -1e308, 0.0, 1e-308}) {
    tCENA c;
    tAJUSTE_TRAFO tr;
    tr.kva = v;
    tr.tensao = 13.8;
    tr.drawto(c.chart);
    tr.kva = 225;
    tr.zp = v;
    tr.drawto(c.chart);
    tr.zp = 5;
    tr.tensao = v;
    tr.drawto(c.chart);
    tAJUSTE_INRUSH in;
    in.inrush = in.inrusn = v;
    in.drawto(c.chart);
    tAJUSTE_MINMAX mm;
    mm.iccmin = mm.iccmax = mm.inom = v;
    mm.drawto(c.chart);
    tAJUSTE_DEFIT df;
    df.idef_f = df.idef_n = df.tdef_f = df.tdef_n = v;
    df.drawto(c.chart);
    tAJUSTE_TEXTO tx;
    tx.loc = {v, v};
    tx.drawto(c.chart);
    tAJUSTE_CURSOR cu;
    cu.c1 = {v, 1};
    cu.c2 = {1, v};
    cu.drawto(c.chart);
    tAJUSTE_CABO cb;
    c.chart.limites = {v, 10000, 0.01, 100};
    cb.drawto(c.chart);
    for (const auto& op : c.cv.ops)
      for (const auto& p : op.pts) {
        EXPECT_LE(std::abs(p.x), tCHARTX::kPixMax + 100) << v << " " << op.kind;
        EXPECT_LE(std::abs(p.y), tCHARTX::kPixMax + 100) << v << " " << op.kind;
      }
  }
}

}  // namespace
