#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/foundation/contato.h"
#include "core/foundation/erroarq.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"
#include "core/relaytest/ensaio.h"

using namespace tarvinel;

namespace {

// IEC normal inverse at dial 1, written out here rather than taken from the
// curve catalogue.
double iecni(double i, double pickup) {
  return 0.14 / (std::pow(i / pickup, 0.02) - 1);
}

std::vector<std::string> coluna(const tFOLHAENSAIO& f, int col) {
  std::vector<std::string> r;
  for (int row = 1; row <= f.linhas(); ++row) r.push_back(f.tabela.cell(col, row));
  return r;
}

std::vector<std::string> linha(const tFOLHAENSAIO& f, int row) {
  std::vector<std::string> r;
  for (int c = 0; c < colCOUNT; ++c) r.push_back(f.tabela.cell(c, row));
  return r;
}

TEST(Ensaio, AvaliacaoDaTabelaInicial) {
  tFOLHAENSAIO f;
  ASSERT_EQ(f.linhas(), 3);
  EXPECT_EQ(linha(f, 0), (std::vector<std::string>{"#", "Iref [A]", "Tref [s]", "Tmed [s]",
                                                   "Delta [s]", "Desvio [%]"}));
  const std::vector<tENSAIO> e = f.avaliar();
  ASSERT_EQ(e.size(), 3u);
  struct {
    int row;
    const char* delta;
    const char* desvio;
  } casos[] = {{1, "-0.010", "-1.000"}, {2, "0.020", "2.500"}, {3, "0.030", "5.000"}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << "linha " << c.row);
    EXPECT_EQ(f.tabela.cell(colDELTA, c.row), c.delta);
    EXPECT_EQ(f.tabela.cell(colDESVIO, c.row), c.desvio);
  }
  EXPECT_DOUBLE_EQ(e[0].iref, 100);
  EXPECT_DOUBLE_EQ(e[0].tref, 1.00);
  EXPECT_DOUBLE_EQ(e[0].tmed, 0.99);
}

TEST(Ensaio, CelulasIlegiveisOuForaDaFaixa) {
  // Each row: Iref, Tref, Tmed as typed -> the values evaluated.
  struct {
    const char *iref, *tref, *tmed;
    double ei, et, em;
  } casos[] = {
      {"100", "1", "", 100, 1, 0.01},            // measured time not typed yet
      {"abc", "x", "y", 0.01, 0.01, 0.01},       // unreadable: defaults, clamped
      {"2e9", "500", "-3", 1000000, 100, 0.01},  // out of range: clamped
      {"50,5", "0,25", "0.3", 50.5, 0.25, 0.3},  // comma as decimal point
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.iref << " / " << c.tref << " / " << c.tmed);
    tFOLHAENSAIO f;
    sg_setrow(f.tabela, 1, {"", c.iref, c.tref, c.tmed});
    const tENSAIO e = f.avaliar().front();
    EXPECT_DOUBLE_EQ(e.iref, c.ei);
    EXPECT_DOUBLE_EQ(e.tref, c.et);
    EXPECT_DOUBLE_EQ(e.tmed, c.em);
    EXPECT_DOUBLE_EQ(e.tdif, c.em - c.et);
    EXPECT_DOUBLE_EQ(e.desv, (c.em - c.et) * 100 / c.et);
    EXPECT_EQ(f.tabela.cell(colDELTA, 1), num2txt(e.tdif));
  }
}

TEST(Ensaio, GerarCurvaComOsValoresPadrao) {
  tFOLHAENSAIO f;
  f.gerarcurva();
  ASSERT_EQ(f.linhas(), 10);
  const std::vector<std::string> iref = coluna(f, colIREF);
  EXPECT_EQ(iref[0], "100.00");
  EXPECT_EQ(iref[1], "144.44");
  EXPECT_EQ(iref[2], "188.89");
  EXPECT_EQ(iref[8], "455.56");
  EXPECT_EQ(iref[9], "500.00");  // the instantaneous current, not a copy of row 9
  const std::vector<std::string> tref = coluna(f, colTREF);
  EXPECT_EQ(tref[0], "0.00");  // multiple exactly 1: no operation
  for (int k = 1; k < 10; ++k) {
    SCOPED_TRACE(testing::Message() << "linha " << k + 1);
    const double i = 100 + 400.0 * k / 9;
    EXPECT_EQ(tref[static_cast<std::size_t>(k)], real2txt(iecni(i, 100), 2));
  }
  EXPECT_EQ(tref[9], "4.28");
  // Measured times typed before stay in their rows; new rows are empty.
  EXPECT_EQ(f.tabela.cell(colTMED, 1), "0.99");
  EXPECT_EQ(f.tabela.cell(colTMED, 3), "0.63");
  EXPECT_EQ(f.tabela.cell(colTMED, 4), "");
}

TEST(Ensaio, GerarCurvaNumeroDeAmostras) {
  struct {
    const char* amostras;
    int linhas;
  } casos[] = {{"2", 3}, {"3", 3}, {"50", 30}, {"x", 10}, {"", 10}, {"7", 7}};
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << "Amostras = \"" << c.amostras << "\"");
    tFOLHAENSAIO f;
    f.curva.setvalue("Amostras", c.amostras);
    f.gerarcurva();
    EXPECT_EQ(f.linhas(), c.linhas);
    EXPECT_EQ(f.tabela.cell(colIREF, 1), "100.00");
    EXPECT_EQ(f.tabela.cell(colIREF, c.linhas), "500.00");
  }
}

TEST(Ensaio, LeituraDaCurvaComLimites) {
  tFOLHAENSAIO f;
  f.curva.setvalue("Corrente de partida [A]", "0");
  f.curva.setvalue("Corrent instantânea [A]", "abc");
  f.curva.setvalue("Multiplicador de tempo [s]", "5000");
  const tCURVAENSAIO c = f.lercurva();
  EXPECT_EQ(c.fr.nom_cur, "IEC-NI");
  EXPECT_DOUBLE_EQ(c.fr.cor_par, 1);
  EXPECT_DOUBLE_EQ(c.fr.cor_ins, 1);
  EXPECT_DOUBLE_EQ(c.fr.dt, 1000);
  EXPECT_DOUBLE_EQ(c.fr.idef, 0);
  EXPECT_DOUBLE_EQ(c.fr.tmin, 0);
}

TEST(Ensaio, TrefDeCurvasSemTempo) {
  struct {
    const char* curva;
    const char* iref;
    std::string tref;
  } casos[] = {
      {"nao-existe", "300", "0.00"},  // no curve of that name
      {"F6-112", "1", "-1.00"},       // F6 table: multiple outside the table
      {"IEC-NI", "600", "0.00"},      // above the instantaneous current
      {"IEC-NI", "200", real2txt(iecni(200, 100), 2)},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.curva << " a " << c.iref << " A");
    tFOLHAENSAIO f;
    f.curva.setvalue("Tipo de curva", c.curva);
    f.tabela.setcell(colIREF, 2, c.iref);
    f.atualizarow(2);
    EXPECT_EQ(f.tabela.cell(colTREF, 2), c.tref);
    EXPECT_DOUBLE_EQ(f.avaliar()[1].tref, std::max(0.01, txt2real(c.tref, 0, -10, 100)));
  }
}

TEST(Ensaio, TrefAutomaticoSoNaLinhaSelecionada) {
  tCANVASREC rec(800, 600);
  tCHARTX chart;
  chart.canvas = &rec;
  for (bool liga : {false, true}) {
    SCOPED_TRACE(testing::Message() << "Atualizar TREF = " << liga);
    tFOLHAENSAIO f;
    f.atualizatref = liga;
    f.tabela.setcell(colIREF, 2, "300");
    plottest(chart, f, 2);
    EXPECT_EQ(f.tabela.cell(colTREF, 1), "1.00");
    EXPECT_EQ(f.tabela.cell(colTREF, 2), liga ? real2txt(iecni(300, 100), 2) : "0.80");
    EXPECT_EQ(f.tabela.cell(colTREF, 3), "0.60");
    // The title row and rows past the end are never written.
    plottest(chart, f, 0);
    plottest(chart, f, 9);
    EXPECT_EQ(f.tabela.cell(colTREF, 0), "Tref [s]");
    EXPECT_EQ(f.tabela.rowcount(), 4);
  }
}

TEST(Ensaio, BotoesDeLinha) {
  enum tOP { novo, excluir, subir, descer };
  // Start from rows with Iref 100, 200, 400; the operation on row `row`; the
  // Irefs afterwards and the row to select.
  struct {
    const char* nome;
    tOP op;
    int row;
    std::vector<std::string> iref;
    int sel;
  } casos[] = {
      {"Novo Ponto", novo, 1, {"100", "200", "400", "400"}, 1},
      {"Excluir meio", excluir, 2, {"100", "400"}, 2},
      {"Excluir ultima", excluir, 3, {"100", "200"}, 2},
      {"Excluir titulo", excluir, 0, {"100", "200", "400"}, 0},
      {"Subir primeira", subir, 1, {"100", "200", "400"}, 1},
      {"Subir ultima", subir, 3, {"100", "400", "200"}, 2},
      {"Descer ultima", descer, 3, {"100", "200", "400"}, 3},
      {"Descer primeira", descer, 1, {"200", "100", "400"}, 2},
      {"Descer fora", descer, 7, {"100", "200", "400"}, 7},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    tFOLHAENSAIO f;
    int sel = c.row;
    switch (c.op) {
      case novo:
        f.novoponto();
        break;
      case excluir:
        sel = f.excluir(c.row);
        break;
      case subir:
        sel = f.subir(c.row);
        break;
      case descer:
        sel = f.descer(c.row);
        break;
    }
    EXPECT_EQ(coluna(f, colIREF), c.iref);
    EXPECT_EQ(sel, c.sel);
  }
}

TEST(Ensaio, LinhasMovemTodasAsCelulas) {
  tFOLHAENSAIO f;
  f.avaliar();
  const auto l1 = linha(f, 1);
  const auto l2 = linha(f, 2);
  f.descer(1);
  EXPECT_EQ(linha(f, 1), l2);
  EXPECT_EQ(linha(f, 2), l1);
  f.novoponto();
  EXPECT_EQ(linha(f, 4), linha(f, 3));
}

TEST(Ensaio, ExcluirNaoApagaAUltimaLinha) {
  tFOLHAENSAIO f;
  EXPECT_EQ(f.excluir(1), 1);
  EXPECT_EQ(f.excluir(1), 1);
  ASSERT_EQ(f.linhas(), 1);
  EXPECT_EQ(f.excluir(1), 1);
  EXPECT_EQ(f.linhas(), 1);
  EXPECT_EQ(f.tabela.cell(colIREF, 1), "400");
}

// Sheet drawn on a 1000 x 700 surface: window (75, 950, 50, 650).
struct Desenho {
  tCANVASREC rec{1000, 700};
  tCHARTX chart;
  tFOLHAENSAIO folha;
  Desenho() { chart.canvas = &rec; }
  tPOINTI px(double i, double t) const {
    const tPOINTX p = chart.rl2px(i, t);
    return {static_cast<int>(std::nearbyint(p.x)), static_cast<int>(std::nearbyint(p.y))};
  }
};

TEST(Ensaio, PlottestDesenhaLinhaFaixaQuadradosECirculos) {
  Desenho d;
  d.chart.setwh(1000, 700, 50);
  d.chart.defaultpen();
  plottest(d.chart, d.folha, -1);

  const auto linhas = d.rec.of(tOPKIND::line);
  ASSERT_EQ(linhas.size(), 4u);  // reference line, then the band, two segments each
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(testing::Message() << "linha " << k);
    const bool faixa = k >= 2;
    EXPECT_EQ(linhas[static_cast<std::size_t>(k)].pen.width, faixa ? 30 : 3);
    EXPECT_EQ(linhas[static_cast<std::size_t>(k)].pen.color, faixa ? clFaixa : clBlue);
    EXPECT_EQ(linhas[static_cast<std::size_t>(k)].pen.mode,
              faixa ? tPENMODE::mask : tPENMODE::copy);
  }
  const tPOINTX a = d.chart.rl2px(100, 1.00);
  const tPOINTX b = d.chart.rl2px(200, 0.80);
  EXPECT_EQ(linhas[0].pts[0], (tPOINTI{tCHARTX::pix(a.x), tCHARTX::pix(a.y)}));
  EXPECT_EQ(linhas[0].pts[1], (tPOINTI{tCHARTX::pix(b.x), tCHARTX::pix(b.y)}));

  const double tref[] = {1.00, 0.80, 0.60};
  const double tmed[] = {0.99, 0.82, 0.63};
  const double iref[] = {100, 200, 400};
  const auto quad = d.rec.of(tOPKIND::rectangle);
  const auto circ = d.rec.of(tOPKIND::ellipse);
  ASSERT_EQ(quad.size(), 3u);
  ASSERT_EQ(circ.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) {
    SCOPED_TRACE(testing::Message() << "ponto " << k + 1);
    const tPOINTI q = d.px(iref[k], tref[k]);
    EXPECT_EQ(quad[k].pts, (std::vector<tPOINTI>{{q.x - 4, q.y - 4}, {q.x + 4, q.y + 4}}));
    EXPECT_EQ(quad[k].pen.color, clBlue);
    EXPECT_EQ(quad[k].brush, (tBRUSH{clBlue, tBRUSHSTYLE::solid}));
    const tPOINTI m = d.px(iref[k], tmed[k]);
    EXPECT_EQ(circ[k].pts, (std::vector<tPOINTI>{{m.x - 4, m.y - 4}, {m.x + 4, m.y + 4}}));
    EXPECT_EQ(circ[k].pen.color, clMedido);
    EXPECT_EQ(circ[k].brush, (tBRUSH{clMedido, tBRUSHSTYLE::solid}));
    EXPECT_EQ(circ[k].pen.mode, tPENMODE::copy);
  }
}

TEST(Ensaio, DrawchartTituloETextosVerticais) {
  Desenho d;
  versionline = "Tarvinel 9.8.7";
  d.folha.geral.setvalue("Título do gráfico", "Ensaio SE Norte");
  drawchart(d.chart, d.folha, 1000, 700, -1);
  versionline = "???";

  EXPECT_EQ(d.chart.titulo, "Ensaio SE Norte");
  ASSERT_NE(d.rec.findtext("Ensaio SE Norte"), nullptr);
  // The background is painted first, over the whole surface.
  ASSERT_FALSE(d.rec.ops.empty());
  EXPECT_EQ(d.rec.ops.front().kind, tOPKIND::rectangle);
  EXPECT_EQ(d.rec.ops.front().pts, (std::vector<tPOINTI>{{0, 0}, {1000, 700}}));

  // Corner (1 A, 0.01 s) maps to (75, 649); "a" is 7 and a text 13 pixels.
  struct {
    std::string texto;
    tPOINTI pos;
  } casos[] = {{"Tarvinel 9.8.7", {75 + 7, 649 - 26}}, {site_contato, {75 + 21, 649 - 13}}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.texto);
    const tCANVASOP* op = d.rec.findtext(c.texto);
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->pts.front(), c.pos);
    EXPECT_EQ(op->font.orientation, 900);
    EXPECT_EQ(op->font.color, clGrade);
    EXPECT_EQ(op->font.name, "Tahoma");
    EXPECT_EQ(op->brush.style, tBRUSHSTYLE::clear);
  }
  // Left as every item finds it.
  EXPECT_EQ(d.rec.font().orientation, 0);
  EXPECT_EQ(d.rec.pen(), tPEN{});
  // Evaluated on the way: the grid shows the differences.
  EXPECT_EQ(d.folha.tabela.cell(colDELTA, 1), "-0.010");
}

// Files of the tests, removed at the end.
class EnsaioArquivo : public testing::Test {
 protected:
  std::filesystem::path dir_;
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tarvinel_ensaio_" + std::to_string(::getpid()) + "_" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string arq(const std::string& nome) const { return (dir_ / nome).string(); }
  void escreve(const std::string& nome, const std::string& bytes) const {
    std::ofstream(arq(nome), std::ios::binary) << bytes;
  }
};

TEST_F(EnsaioArquivo, GravaELeDeVolta) {
  tFOLHAENSAIO f;
  f.geral.setvalue("Cliente", "Indústria \"São João\"; bloco 2");
  f.geral.setvalue("Técnico", "linha1\nlinha2");
  f.curva.setvalue("Tipo de curva", "IEEE-VI");
  f.curva.setvalue("Amostras", "5");
  f.atualizatref = true;
  f.gerarcurva();
  f.tabela.setcell(colTMED, 5, "0.51");
  f.savetofile(arq("a.ens"));

  tFOLHAENSAIO g;
  g.loadfromfile(arq("a.ens"));
  for (const tPROPGRID* vl : {&f.geral, &f.curva}) {
    const tPROPGRID& wl = vl == &f.geral ? g.geral : g.curva;
    ASSERT_EQ(wl.count(), vl->count());
    for (int i = 0; i < vl->count(); ++i) {
      SCOPED_TRACE(vl->row(i).key);
      EXPECT_EQ(wl.row(i).value, vl->row(i).value);
    }
  }
  EXPECT_TRUE(g.curva.find("Tipo de curva")->button);
  EXPECT_EQ(g.atualizatref, true);
  ASSERT_EQ(g.linhas(), 5);
  for (int r = 0; r <= 5; ++r) EXPECT_EQ(linha(g, r), linha(f, r)) << "linha " << r;
}

TEST_F(EnsaioArquivo, TextoDoArquivo) {
  tFOLHAENSAIO f;
  f.geral.setvalue("Local", "a;b");
  const std::string t = f.totext();
  EXPECT_NE(t.find("Título do gráfico;novo ensaio\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("Local;\"a;b\"\r\n"), std::string::npos) << t;
  EXPECT_NE(t.find("Atualizar TREF;0\r\n\r\n#;Iref [A];Tref [s];Tmed [s];Delta [s];Desvio [%]\r\n"
                   "1;100;1.00;0.99;-0.010;-1.000\r\n"),
            std::string::npos)
      << t;
}

TEST_F(EnsaioArquivo, PlanilhaDeOutrosProgramas) {
  // Windows-1252 from a spreadsheet, LF line ends, fewer fields, an unknown name.
  escreve("b.ens",
          "T\xEDtulo do gr\xE1"
          "fico;Rel\xE9 \xE9 \"novo\"\n"
          "Cor;azul\n"
          "#;Iref [A];Tref [s];Tmed [s];Delta [s];Desvio [%]\n"
          "7;250;0.70\n"
          "\n"
          "8;300;0.65;0.66;;\n");
  tFOLHAENSAIO f;
  f.loadfromfile(arq("b.ens"));
  EXPECT_EQ(f.titulo(), "Relé é \"novo\"");
  ASSERT_EQ(f.linhas(), 2);
  EXPECT_EQ(linha(f, 1), (std::vector<std::string>{"", "250", "0.70", "", "", ""}));
  EXPECT_EQ(linha(f, 2), (std::vector<std::string>{"", "300", "0.65", "0.66", "", ""}));
}

TEST_F(EnsaioArquivo, ArquivoDanificadoNaoMudaAFolha) {
  const std::string titulos = "#;Iref [A];Tref [s];Tmed [s];Delta [s];Desvio [%]\r\n";
  struct {
    const char* nome;
    std::string bytes;
    std::string causa;
  } casos[] = {
      {"vazio", "", "falta a linha de títulos"},
      {"outro", "Tarvinel\r\n[relé]\r\n", "falta a linha de títulos"},
      {"sem linhas", "Cliente;x\r\n" + titulos + "\r\n", "não tem nenhuma linha"},
      {"aspas", "Cliente;\"x\r\n" + titulos + "1;2;3\r\n", "aspas sem fechamento"},
      {"campos", titulos + "1;2;3\r\n2;1;2;3;4;5;6;7\r\n", "a linha 3 tem 8 campos"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    escreve("d.ens", c.bytes);
    tFOLHAENSAIO f;
    f.geral.setvalue("Cliente", "antes");
    try {
      f.loadfromfile(arq("d.ens"));
      ADD_FAILURE() << "sem erro";
    } catch (const tERROARQ& e) {
      const std::string msg = e.what();
      EXPECT_NE(msg.find("Não foi possível ler o arquivo"), std::string::npos) << msg;
      EXPECT_NE(msg.find(c.causa), std::string::npos) << msg;
    }
    EXPECT_EQ(f.geral.value("Cliente"), "antes");
    EXPECT_EQ(f.linhas(), 3);
  }
}

TEST_F(EnsaioArquivo, ArquivoQueNaoExiste) {
  tFOLHAENSAIO f;
  try {
    f.loadfromfile(arq("nada.ens"));
    ADD_FAILURE() << "sem erro";
  } catch (const tERROARQ& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find("\"" + arq("nada.ens") + "\": arquivo não encontrado."), std::string::npos)
        << msg;
  }
}

}  // namespace
