#include "core/coordination/ajuste_religa.h"

#include <fmt/format.h>
#include <fmt/printf.h>
#include <fmt/ranges.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"

using namespace tarvinel;

namespace {

std::vector<std::string> chaves(const tPROPGRID& vl) {
  std::vector<std::string> k;
  for (int i = 0; i < vl.count(); ++i) k.push_back(vl.row(i).key);
  return k;
}

std::string funcao(const tFRELIGA& f) {
  return fmt::sprintf("%s|%s|ip=%g|ii=%g|dt=%g|idef=%g|tdef=%g|tmin=%g|ptxt=%g", f.alias, f.nom_cur,
                      f.cor_par, f.cor_ins, f.dt, f.idef, f.tdef, f.tmin, f.ptxt);
}

TEST(AjusteReliga, PadroesDosTresPrimeirosDepoisDeZerarOContador) {
  religacount_reset();
  struct Caso {
    const char* caption;
    tCOR color;
    double fp, fi, fidef, ftdef, fptxt, np;
  };
  const Caso casos[] = {
      {"Concessionária", 0x008000, 400, 4000, 5000, 240, 1, 40},
      {"Cliente", 0xFF0000, 10, 100, 20, 1, 5, 1},
      {"Exemplo", 0x0000FF, 100, 1000, 5000, 240, 1, 10},
      {"Exemplo", 0x0000FF, 100, 1000, 5000, 240, 1, 10},
  };
  int n = 0;
  for (const Caso& c : casos) {
    tAJUSTE_RELIGA r;
    ++n;
    EXPECT_EQ(religacount(), n);
    EXPECT_EQ(r.caption, c.caption) << "relé " << n;
    EXPECT_EQ(r.color, c.color) << c.caption;
    EXPECT_EQ(funcao(r.relf),
              fmt::sprintf("FASE|IEC-NI|ip=%g|ii=%g|dt=0.2|idef=%g|tdef=%g|tmin=0.05|ptxt=%g", c.fp,
                           c.fi, c.fidef, c.ftdef, c.fptxt))
        << c.caption;
    EXPECT_EQ(
        funcao(r.reln),
        fmt::sprintf("NEUTRO|IEC-NI|ip=%g|ii=0|dt=0.1|idef=5000|tdef=240|tmin=0.03|ptxt=0.5", c.np))
        << c.caption;
    EXPECT_EQ(r.modelo, "Não especificado");
    EXPECT_EQ(r.paramname, "Ajuste Rele/Religador");
    EXPECT_TRUE(r.showall);
    EXPECT_TRUE(r.visible);
    EXPECT_EQ(r.obs, "");
  }
  religacount_reset();
  EXPECT_EQ(religacount(), 0);
  tAJUSTE_RELIGA primeiro;
  EXPECT_EQ(primeiro.caption, "Concessionária");
}

TEST(AjusteReliga, GradeCompletaNaOrdemComAtributos) {
  religacount_reset();
  tAJUSTE_RELIGA r;
  tPROPGRID vl;
  r.showprop(vl);
  const std::vector<std::pair<std::string, std::string>> esperado = {
      {" Dados gerais", ""},
      {"Nome", "Concessionária"},
      {"Cor", "$008000"},
      {"Visível", "Sim"},
      {"Observações", ""},
      {" Dados específicos", ""},
      {"Modelo/Marca", "Não especificado"},
      {" Dados de Fase", ""},
      {"FASE.Nome", "FASE"},
      {"FASE.Curva Principal", "IEC-NI"},
      {"FASE.Partida [A]", "400.0"},
      {"FASE.DialTime [s]", "0.200"},
      {"FASE.Instantanea [A]", "4000"},
      {"FASE.IDEF [A]", "MAX"},
      {"FASE.TDEF [s]", "MAX"},
      {"FASE.Tempo mínimo[s]", "0.05"},
      {"FASE.Texto Local Curva[s]", "1.000"},
      {" Dados de Neutro", ""},
      {"NEUT.Nome", "NEUTRO"},
      {"NEUT.Curva Principal", "IEC-NI"},
      {"NEUT.Partida [A]", "40.0"},
      {"NEUT.DialTime [s]", "0.100"},
      {"NEUT.Instantanea [A]", "0.000"},
      {"NEUT.IDEF [A]", "MAX"},
      {"NEUT.TDEF [s]", "MAX"},
      {"NEUT.Tempo mínimo[s]", "0.03"},
      {"NEUT.Texto Local Curva[s]", "0.500"},
      {"Tensão do equipamento [kV]", "0.000"},
  };
  ASSERT_EQ(vl.count(), static_cast<int>(esperado.size()));
  for (int i = 0; i < vl.count(); ++i) {
    EXPECT_EQ(vl.row(i).key, esperado[i].first) << "linha " << i;
    EXPECT_EQ(vl.row(i).value, esperado[i].second) << vl.row(i).key;
  }
  const tNOMES omm = {"OFF", "MIN", "MAX"};
  for (const char* pre : {"FASE.", "NEUT."}) {
    const std::string p = pre;
    EXPECT_TRUE(vl.find(p + "Curva Principal")->button) << p;
    EXPECT_EQ(vl.find(p + "Instantanea [A]")->picklist, tNOMES{"OFF"}) << p;
    EXPECT_EQ(vl.find(p + "IDEF [A]")->picklist, omm) << p;
    EXPECT_EQ(vl.find(p + "TDEF [s]")->picklist, omm) << p;
    EXPECT_FALSE(vl.find(p + "Partida [A]")->button) << p;
  }

  // A second showprop on the filled grid only replaces values.
  r.relf.cor_par = 12.5;
  r.showprop(vl);
  EXPECT_EQ(vl.count(), static_cast<int>(esperado.size()));
  EXPECT_EQ(vl.value("FASE.Partida [A]"), "12.5");
}

TEST(AjusteReliga, GradeReduzidaSemLinhasGeraisNemCorrentes) {
  religacount_reset();
  tAJUSTE_RELIGA r;
  r.showall = false;
  tPROPGRID vl;
  r.showprop(vl);
  EXPECT_EQ(chaves(vl),
            (std::vector<std::string>{
                " Dados específicos", "Modelo/Marca", " Dados de Fase", "FASE.Nome",
                "FASE.Curva Principal", "FASE.DialTime [s]", "FASE.IDEF [A]", "FASE.TDEF [s]",
                "FASE.Tempo mínimo[s]", " Dados de Neutro", "NEUT.Nome", "NEUT.Curva Principal",
                "NEUT.DialTime [s]", "NEUT.IDEF [A]", "NEUT.TDEF [s]", "NEUT.Tempo mínimo[s]"}));

  // The reduced form reads only its own rows, even if the grid holds others.
  vl.setvalue("Nome", "outro");
  vl.setvalue("Cor", "$123456");
  vl.setvalue("Visível", "Não");
  vl.setvalue("Observações", "nota");
  for (const char* pre : {"FASE.", "NEUT."}) {
    const std::string p = pre;
    vl.setvalue(p + "Partida [A]", "7");
    vl.setvalue(p + "Instantanea [A]", "OFF");
    vl.setvalue(p + "Texto Local Curva[s]", "50");
    vl.setvalue(p + "DialTime [s]", "0.7");
  }
  vl.setvalue("Modelo/Marca", "URP 1439");
  r.getprop(vl);
  EXPECT_EQ(r.caption, "Concessionária");
  EXPECT_EQ(r.color, 0x008000);
  EXPECT_TRUE(r.visible);
  EXPECT_EQ(r.obs, "");
  EXPECT_EQ(r.modelo, "URP 1439");
  EXPECT_EQ(funcao(r.relf),
            "FASE|IEC-NI|ip=400|ii=4000|dt=0.7|idef=5000|tdef=240|tmin=0.05|ptxt=1");
  EXPECT_EQ(funcao(r.reln),
            "NEUTRO|IEC-NI|ip=40|ii=0|dt=0.7|idef=5000|tdef=240|tmin=0.03|ptxt=0.5");
}

TEST(AjusteReliga, LeituraDaGradeComLimitesEPalavras) {
  struct Caso {
    const char* linha;
    const char* texto;
    double esperado;
    const char* mostrado;  // the row after showprop again
  };
  const Caso casos[] = {
      {"FASE.Instantanea [A]", "OFF", 0, "0.000"},
      {"FASE.Instantanea [A]", "off", 4000, "4000"},  // only the exact word
      {"FASE.Instantanea [A]", "2500,5", 2500.5, "2500"},
      {"FASE.IDEF [A]", "MIN", 1, "MIN"},
      {"FASE.IDEF [A]", "300", 300, "300.0"},
      {"FASE.IDEF [A]", "-3", 0, "OFF"},
      {"FASE.TDEF [s]", "MAX", 240, "MAX"},
      {"FASE.TDEF [s]", "500", 500, "500.0"},
      {"FASE.TDEF [s]", "", 240, "MAX"},
      {"FASE.Partida [A]", "-5", 0, "0.000"},
      {"FASE.Partida [A]", "abc", 400, "400.0"},
      {"FASE.Tempo mínimo[s]", "0", 0.01, "0.01"},
      {"FASE.Texto Local Curva[s]", "0", 0.1, "0.100"},
      {"FASE.Texto Local Curva[s]", "1000", 100, "100.0"},
      {"NEUT.Instantanea [A]", "OFF", 0, "0.000"},
      {"NEUT.Partida [A]", "1.5", 1.5, "1.500"},
  };
  const std::map<std::string, double tFRELIGA::*> campo = {
      {"Instantanea [A]", &tFRELIGA::cor_ins},
      {"IDEF [A]", &tFRELIGA::idef},
      {"TDEF [s]", &tFRELIGA::tdef},
      {"Partida [A]", &tFRELIGA::cor_par},
      {"DialTime [s]", &tFRELIGA::dt},
      {"Tempo mínimo[s]", &tFRELIGA::tmin},
      {"Texto Local Curva[s]", &tFRELIGA::ptxt}};
  for (const Caso& c : casos) {
    religacount_reset();
    tAJUSTE_RELIGA r;
    tPROPGRID vl;
    r.showprop(vl);
    vl.setvalue(c.linha, c.texto);
    r.getprop(vl);
    const std::string nome = c.linha;
    const tFRELIGA& f = nome.starts_with("FASE.") ? r.relf : r.reln;
    EXPECT_DOUBLE_EQ(f.*campo.at(nome.substr(5)), c.esperado) << c.linha << " = " << c.texto;
    r.showprop(vl);
    EXPECT_EQ(vl.value(c.linha), c.mostrado) << c.linha << " = " << c.texto;
  }
}

TEST(AjusteReliga, LeituraDosTextosEDasLinhasGerais) {
  religacount_reset();
  tAJUSTE_RELIGA r;
  tPROPGRID vl;
  r.showprop(vl);
  vl.setvalue("Nome", "Religador R1");
  vl.setvalue("Cor", "$FF0000");
  vl.setvalue("Visível", "Não");
  vl.setvalue("FASE.Nome", "51");
  vl.setvalue("FASE.Curva Principal", "minha curva");  // unknown names are kept as typed
  vl.setvalue("NEUT.Curva Principal", "IEC-EI");
  r.getprop(vl);
  EXPECT_EQ(r.caption, "Religador R1");
  EXPECT_EQ(r.color, 0xFF0000);
  EXPECT_FALSE(r.visible);
  EXPECT_EQ(r.relf.alias, "51");
  EXPECT_EQ(r.relf.nom_cur, "minha curva");
  EXPECT_EQ(r.reln.nom_cur, "IEC-EI");

  // A grid without the rows keeps every value.
  const std::string antes = funcao(r.relf) + funcao(r.reln) + r.modelo;
  r.getprop(tPROPGRID{});
  EXPECT_EQ(funcao(r.relf) + funcao(r.reln) + r.modelo, antes);
}

TEST(AjusteCurva, GradeELeitura) {
  tAJUSTE_CURVA c;
  tPROPGRID vl;
  c.showprop(vl);
  EXPECT_EQ(chaves(vl),
            (std::vector<std::string>{" Dados gerais", "Nome", "Cor", "Visível", "Observações",
                                      " Dados específicos", " Curva", "Nome curva", "Tipo",
                                      "Curva Principal", "Partida [A]", "DialTime [s]",
                                      "Instantanea [A]", "IDEF [A]", "TDEF [s]", "Tempo mínimo[s]",
                                      "Texto Local Curva[s]", "Tensão do equipamento [kV]"}));
  EXPECT_EQ(vl.value("Tipo"), "FASE");
  EXPECT_EQ(vl.find("Tipo")->picklist, (tNOMES{"FASE", "NEUTRO"}));
  EXPECT_TRUE(vl.find("Curva Principal")->button);
  EXPECT_EQ(vl.find("Instantanea [A]")->picklist, tNOMES{});
  EXPECT_EQ(vl.find("IDEF [A]")->picklist, (tNOMES{"OFF", "MIN", "MAX"}));
  EXPECT_EQ(vl.value("Tempo mínimo[s]"), "0.00");
  EXPECT_EQ(vl.value("Partida [A]"), "100.0");
  EXPECT_EQ(vl.value("Instantanea [A]"), "1000");

  // Applying the untouched grid lifts the minimum time to its lower bound.
  c.getprop(vl);
  EXPECT_DOUBLE_EQ(c.rel.tmin, 0.01);

  struct Caso {
    const char* linha;
    const char* texto;
    const char* campo;  // funcao() after reading
    int tipo;
  };
  const Caso casos[] = {
      {"Instantanea [A]", "OFF", "ii=1000", 0},  // the word is the relay's only
      {"Instantanea [A]", "0", "ii=0", 0},
      {"IDEF [A]", "MIN", "idef=1", 0},
      {"Partida [A]", "5e6", "ip=1e+06", 0},
      {"Texto Local Curva[s]", "0.01", "ptxt=0.1", 0},
      {"Tipo", "NEUTRO", "ip=100", 1},
      {"Tipo", "fase", "ip=100", 1},
      {"Tipo", "FASE", "ip=100", 0},
  };
  for (const Caso& k : casos) {
    tAJUSTE_CURVA a;
    tPROPGRID g;
    a.showprop(g);
    g.setvalue(k.linha, k.texto);
    a.getprop(g);
    EXPECT_NE(funcao(a.rel).find(k.campo), std::string::npos)
        << k.linha << " = " << k.texto << ": " << funcao(a.rel);
    EXPECT_EQ(a.tipo, k.tipo) << k.linha << " = " << k.texto;
  }

  tAJUSTE_CURVA n;
  n.tipo = 1;
  tPROPGRID g;
  n.showprop(g);
  EXPECT_EQ(g.value("Tipo"), "NEUTRO");
  n.getprop(tPROPGRID{});  // no "Tipo" row: the kind stays
  EXPECT_EQ(n.tipo, 1);
}

// The blocks of the two relays of a new chart, nested in a project block as
// the chart file holds them.
TEST(AjusteReliga, BlocosDoArquivoLinhaALinha) {
  religacount_reset();
  tAJUSTE_RELIGA con;
  tAJUSTE_RELIGA cli;
  tSTRINGARQ arq;
  arq.adds("projeto-coord{");
  con.exportprop(arq);
  cli.exportprop(arq);
  arq.adds("}");

  auto bloco = [](const char* caption, int color, const char* ip, const char* ii, const char* idef,
                  const char* tdef, const char* ptxt, const char* nip) {
    return std::vector<std::string>{
        "\tajuste-religador{",
        "\t\theader{",
        fmt::sprintf("\t\t\tcaption \"%s\"", caption),
        "\t\t\tvisible 1",
        fmt::sprintf("\t\t\tcolor %d", color),
        "\t\t\tobs \"\"",
        "\t\t}",
        "\t\tmodelo \"Não especificado\"",
        "\t\trelf-alias \"FASE\"",
        "\t\trelf-curve \"IEC-NI\"",
        fmt::sprintf("\t\trelf-ip %s", ip),
        fmt::sprintf("\t\trelf-ii %s", ii),
        "\t\trelf-dt 0.200",
        fmt::sprintf("\t\trelf-idef %s", idef),
        fmt::sprintf("\t\trelf-tdef %s", tdef),
        fmt::sprintf("\t\trelf-ptxt %s", ptxt),
        "\t\trelf-tmin 0.050",
        "\t\treln-alias \"NEUTRO\"",
        "\t\treln-curve \"IEC-NI\"",
        fmt::sprintf("\t\treln-ip %s", nip),
        "\t\treln-ii 0.000",
        "\t\treln-dt 0.100",
        "\t\treln-idef 5000.000",
        "\t\treln-tdef 240.000",
        "\t\treln-ptxt 0.500",
        "\t\treln-tmin 0.030",
        "\t}",
    };
  };
  std::vector<std::string> esperado = {"projeto-coord{"};
  for (auto b :
       {bloco("Concessionária", 32768, "400.000", "4000.000", "5000.000", "240.000", "1.000",
              "40.000"),
        bloco("Cliente", 16711680, "10.000", "100.000", "20.000", "1.000", "5.000", "1.000")})
    esperado.insert(esperado.end(), b.begin(), b.end());
  esperado.push_back("}");

  ASSERT_EQ(arq.count(), static_cast<int>(esperado.size()));
  for (int i = 0; i < arq.count(); ++i) EXPECT_EQ(arq[i], esperado[i]) << "linha " << i;
  EXPECT_EQ(arq.level, 0);
}

TEST(AjusteCurva, BlocoDoArquivo) {
  tAJUSTE_CURVA c;
  c.tipo = 1;
  tSTRINGARQ arq;
  c.exportprop(arq);
  EXPECT_EQ(
      arq.lines(),
      (std::vector<std::string>{
          "ajuste-curva{", "\theader{", "\t\tcaption \"Exemplo\"", "\t\tvisible 1", "\t\tcolor 255",
          "\t\tobs \"\"", "\t}", "\trel-alias \"50GS/51GS\"", "\trel-curve \"IEC-NI\"",
          "\trel-ip 100.000", "\trel-ii 1000.000", "\trel-dt 0.200", "\trel-idef 5000.000",
          "\trel-tdef 240.000", "\trel-ptxt 1.000", "\trel-tmin 0.000", "\trel-tipo 1", "}"}));
}

tSTRINGARQ linhas(std::initializer_list<const char*> ls) {
  tSTRINGARQ a;
  for (const char* l : ls) a.add(l);
  return a;
}

TEST(AjusteReliga, ChavesAntigasDeNumeroDeCurva) {
  struct Caso {
    std::vector<const char*> bloco;
    const char* fase;
    const char* neutro;
  };
  // Both functions start from "nenhuma", so an untouched one shows.
  const Caso casos[] = {
      {{"relf-nbr 8"}, "TDEF/IDEF", "nenhuma"},
      {{"relf-nbr 20"}, "IEC-NI", "nenhuma"},
      {{"relf-nbr -1"}, "IEC-NI", "nenhuma"},
      {{"relf-nbr x"}, "IEC-NI", "nenhuma"},  // unreadable number reads as 0
      {{"relf-nbr 14", "reln-nbr 9"}, "CURVA 5", "NC-OFF"},
      {{"reln-nbr 7"}, "nenhuma", "NC-RI"},
      {{"relf-nbr 3", "relf-curve \"IEEE-VI\""}, "IEEE-VI", "nenhuma"},  // the later line wins
      {{"relf-curve \"IEEE-VI\"", "relf-nbr 3"}, "IEC-EI", "nenhuma"},
  };
  for (const Caso& c : casos) {
    tAJUSTE_RELIGA r;
    r.relf.nom_cur = r.reln.nom_cur = "nenhuma";
    tSTRINGARQ a;
    for (const char* l : c.bloco) a.add(l);
    a.add("}");
    r.importprop(a);
    const std::string rotulo = fmt::format("{}", fmt::join(c.bloco, " / "));
    EXPECT_EQ(r.relf.nom_cur, c.fase) << rotulo;
    EXPECT_EQ(r.reln.nom_cur, c.neutro) << rotulo;
  }

  tAJUSTE_CURVA k;
  auto a = linhas({"rel-nbr 12", "}"});
  k.importprop(a);
  EXPECT_EQ(k.rel.nom_cur, "CURVA 3");

  EXPECT_EQ(curvebynbr(0), "IEC-NI");
  EXPECT_EQ(curvebynbr(5), "IEEE-VI");
  EXPECT_EQ(curvebynbr(15), "IEC-NI");
}

TEST(AjusteReliga, IdaEVoltaPeloArquivo) {
  religacount_reset();
  tAJUSTE_RELIGA r;
  r.caption = "Religador { linha 2 }";
  r.color = 0x123456;
  r.visible = false;
  r.obs = "trocado em 2023";
  r.modelo = "Não especificado";
  r.relf = {"50/51 F", "minha curva", 123.456, 0, 0.05, 0, 0.01, 0.02, 2.5};
  r.reln = {"NEUTRO", "IEEE-EI", 12.345, 150, 1.25, 1, 0, 0.1, 99};

  tSTRINGARQ arq;
  arq.adds("proj-calc{");
  r.exportprop(arq);
  arq.adds("depois 1");
  arq.adds("}");

  tAJUSTE_RELIGA lido;  // counter 1: starts from the customer's defaults
  ASSERT_TRUE(arq.next());
  ASSERT_TRUE(arq.next());
  ASSERT_EQ(arq.line, "ajuste-religador{");
  lido.importprop(arq);
  EXPECT_EQ(lido.caption, r.caption);
  EXPECT_EQ(lido.color, r.color);
  EXPECT_FALSE(lido.visible);
  EXPECT_EQ(lido.obs, r.obs);
  EXPECT_EQ(lido.modelo, r.modelo);
  EXPECT_EQ(funcao(lido.relf), funcao(r.relf));
  EXPECT_EQ(funcao(lido.reln), funcao(r.reln));
  // The reader stops at its own closer and leaves the rest to the caller.
  ASSERT_TRUE(arq.next());
  EXPECT_EQ(arq.cmd, "depois");

  tAJUSTE_CURVA c;
  c.caption = "GS cliente";
  c.tipo = 1;
  c.rel = {"51 GS", "CURVA 2", 4.5, 45, 0.3, 1, 0.01, 0.05, 0.2};
  tSTRINGARQ ac;
  c.exportprop(ac);
  tAJUSTE_CURVA lc;
  ASSERT_TRUE(ac.next());
  lc.importprop(ac);
  EXPECT_EQ(lc.caption, "GS cliente");
  EXPECT_EQ(lc.tipo, 1);
  EXPECT_EQ(funcao(lc.rel), funcao(c.rel));
}

TEST(AjusteReliga, BlocoParcialMantemOsPadroesDaEspecie) {
  religacount_reset();
  tAJUSTE_RELIGA a, b, r;  // the third takes the example defaults
  auto arq = linhas(
      {"relf-ip 250", "chave-desconhecida 7", "reln-ii 30,5", "rel-tipo 1", "}", "relf-ip 999"});
  r.importprop(arq);
  EXPECT_EQ(r.caption, "Exemplo");
  EXPECT_EQ(r.color, 0x0000FF);
  EXPECT_EQ(funcao(r.relf),
            "FASE|IEC-NI|ip=250|ii=1000|dt=0.2|idef=5000|tdef=240|tmin=0.05|ptxt=1");
  EXPECT_DOUBLE_EQ(r.reln.cor_ins, 30.5);

  // The kind is kept as read: the grid shows it as its pick list does, an
  // untouched Apply leaves it, and the file gets it back as it was.
  struct Caso {
    const char* tipo;
    int esperado;
    const char* grade;
  };
  for (const Caso& c : {Caso{"rel-tipo 0", 0, "FASE"}, Caso{"rel-tipo 1", 1, "NEUTRO"},
                        Caso{"rel-tipo 7", 7, "NEUTRO"}, Caso{"rel-tipo -1", -1, "NEUTRO"},
                        Caso{"rel-tipo x", 0, "FASE"}}) {
    tAJUSTE_CURVA k;
    k.tipo = 1;
    auto a2 = linhas({c.tipo, "}"});
    k.importprop(a2);
    EXPECT_EQ(k.tipo, c.esperado) << c.tipo;
    tPROPGRID g;
    k.showprop(g);
    EXPECT_EQ(g.value("Tipo"), c.grade) << c.tipo;
    k.getprop(g);
    EXPECT_EQ(k.tipo, c.esperado) << c.tipo << " after Apply";
    tSTRINGARQ w;
    k.exportprop(w);
    EXPECT_NE(
        std::find(w.lines().begin(), w.lines().end(), fmt::sprintf("\trel-tipo %d", c.esperado)),
        w.lines().end())
        << c.tipo;
  }
}

TEST(AjusteReliga, CopiaEAssignLevamOsCamposGuardados) {
  religacount_reset();
  tAJUSTE_RELIGA r;
  r.showall = false;
  r.seq = 4;
  r.modelo = "Pextron URPE 7104";
  r.obs = "nota";
  r.relf.nom_cur = "IEEE-VI";
  r.reln.cor_par = 3;
  auto c = r.copy();
  EXPECT_EQ(religacount(), 2);  // a copy is a creation too
  auto* rc = dynamic_cast<tAJUSTE_RELIGA*>(c.get());
  ASSERT_NE(rc, nullptr);
  EXPECT_EQ(rc->caption, "Concessionária");
  EXPECT_EQ(rc->color, 0x008000);
  EXPECT_EQ(rc->obs, "nota");
  EXPECT_EQ(rc->modelo, "Pextron URPE 7104");
  EXPECT_EQ(funcao(rc->relf), funcao(r.relf));
  EXPECT_EQ(funcao(rc->reln), funcao(r.reln));
  EXPECT_TRUE(rc->showall);
  EXPECT_EQ(rc->seq, 0);
  EXPECT_EQ(rc->paramname, "Ajuste Rele/Religador");

  tAJUSTE_CURVA n;
  n.tipo = 1;
  n.rel.alias = "51N";
  n.rel.cor_par = 8;
  auto nc = n.copy();
  auto* cc = dynamic_cast<tAJUSTE_CURVA*>(nc.get());
  ASSERT_NE(cc, nullptr);
  EXPECT_EQ(cc->tipo, 1);
  EXPECT_EQ(funcao(cc->rel), funcao(n.rel));

  // Between different kinds only the shared fields pass.
  n.caption = "só a base";
  n.assign(r);
  EXPECT_EQ(r.caption, "só a base");
  EXPECT_EQ(r.modelo, "Pextron URPE 7104");
}

TEST(AjusteReliga, Dicas) {
  religacount_reset();
  tAJUSTE_RELIGA r;
  tAJUSTE_CURVA c;
  const std::string curva =
      "Selecione o tipo de curva. Toda curva permite o ajuste da curva auxiliar de "
      "tempo/corrente definida além da curva principal, para deixar apenas a curva "
      "detempo/corrente selecione \"TDEF/IDEF\"";
  const std::string nome = "Identificação da curva, como FASE,NEUTRO,50/51...";
  struct Caso {
    const tAJUSTE* a;
    const char* linha;
    std::string dica;
  };
  const Caso casos[] = {
      {&r, "Modelo/Marca", "Modelo do rele/resligador"},
      {&r, "FASE.Curva Principal", curva},
      {&c, "Curva Principal", curva},
      {&r, "FASE.Nome", nome},
      {&c, "Nome curva", nome},
      {&r, "FASE.Instantanea [A]", "Corrente de trip instantânea, digite 0 para desligar."},
      {&c, "Instantanea [A]", "Corrente de trip instantânea"},
      {&r, "NEUT.IDEF [A]",
       "Curva de corrente definida, informe um valor ou selecione uma das opções."},
      {&c, "TDEF [s]", "Curva de tempo definido, informe um valor ou selecione uma das opções."},
      {&r, "FASE.Tempo mínimo[s]", ""},
      {&c, "Tipo", ""},
      {&r, "Nome", "Nome de identificação do ajuste"},
      {&r, "Partida [A]", ""},  // the relay's rows always carry a prefix
      {&c, "FASE.Partida [A]", ""},
  };
  for (const Caso& k : casos) EXPECT_EQ(k.a->gethint(k.linha), k.dica) << k.linha;
}

// --- drawing

// What a drawing did, per function: the distinct pens of the polylines drawn
// before each legend, keyed by the legend's function name.
std::map<std::string, std::set<std::string>> canetas(const tCANVASREC& rec) {
  std::map<std::string, std::set<std::string>> r;
  std::set<std::string> atuais;
  for (const tCANVASOP& op : rec.ops) {
    if (op.kind == tOPKIND::polyline) {
      atuais.insert(fmt::format("{:06X}/{}/{}", op.pen.color, op.pen.width,
                                op.pen.style == tPENSTYLE::solid  ? "solid"
                                : op.pen.style == tPENSTYLE::dash ? "dash"
                                                                  : "dashdot"));
    } else if (op.kind == tOPKIND::text && op.text.find(':') != std::string::npos &&
               !atuais.empty()) {
      r[op.text.substr(0, op.text.find(':'))] = atuais;
      atuais.clear();
    }
  }
  if (!atuais.empty()) r["?"] = atuais;
  return r;
}

struct Grafico {
  tCANVASREC rec{1024, 768};
  tCHARTX chart;
  Grafico() {
    chart.canvas = &rec;
    chart.setwh(1024, 768, 50);
    chart.limites = {1, 10000, 0.01, 100};
    chart.linhagrossa = 3;
    chart.linhafina = 1;
  }
};

using tCANETAS = std::map<std::string, std::set<std::string>>;

TEST(AjusteReliga, DesenhoEscolheAsCanetas) {
  struct Caso {
    bool tra_cur, fase, neutro;
    tCANETAS esperado;
  };
  const Caso casos[] = {
      {true, true, true, {{"FASE", {"008000/3/solid"}}, {"NEUTRO", {"008000/1/dash"}}}},
      {false, true, true, {{"FASE", {"008000/1/dash"}}, {"NEUTRO", {"008000/3/solid"}}}},
      {true, false, true, {{"NEUTRO", {"008000/1/dash"}}}},
      {false, true, false, {{"FASE", {"008000/1/dash"}}}},
      {true, false, false, {}},
  };
  for (const Caso& c : casos) {
    religacount_reset();
    tAJUSTE_RELIGA r;
    r.visible = false;  // drawto draws; skipping hidden settings is the chart's business
    Grafico g;
    g.chart.tra_cur = c.tra_cur;
    g.chart.show_fase = c.fase;
    g.chart.show_neutro = c.neutro;
    r.drawto(g.chart);
    EXPECT_EQ(canetas(g.rec), c.esperado)
        << "tra_cur " << c.tra_cur << " fase " << c.fase << " neutro " << c.neutro;
    // The legend's second line is the setting's name.
    const int legendas = (c.fase ? 1 : 0) + (c.neutro ? 1 : 0);
    int nomes = 0;
    for (const std::string& t : g.rec.texts()) nomes += t == "Concessionária" ? 1 : 0;
    EXPECT_EQ(nomes, legendas);
  }
}

TEST(AjusteCurva, DesenhoPorTipo) {
  struct Caso {
    int tipo;
    bool tra_cur, fase, neutro;
    tCANETAS esperado;
  };
  const tCANETAS grossa = {{"50GS/51GS", {"0000FF/3/solid"}}};
  const tCANETAS fina = {{"50GS/51GS", {"0000FF/1/dash"}}};
  const Caso casos[] = {
      {0, true, true, true, grossa},   {0, false, true, true, grossa},
      {0, false, true, false, grossa}, {0, true, false, true, {}},
      {1, true, true, true, fina},     {1, false, true, true, fina},
      {1, true, false, true, fina},    {1, true, true, false, {}},
  };
  for (const Caso& c : casos) {
    tAJUSTE_CURVA k;
    k.tipo = c.tipo;
    Grafico g;
    g.chart.tra_cur = c.tra_cur;
    g.chart.show_fase = c.fase;
    g.chart.show_neutro = c.neutro;
    k.drawto(g.chart);
    EXPECT_EQ(canetas(g.rec), c.esperado) << "tipo " << c.tipo << " tra_cur " << c.tra_cur
                                          << " fase " << c.fase << " neutro " << c.neutro;
    if (c.esperado.empty()) {
      EXPECT_EQ(g.rec.ops.size(), 0u);
    }
  }
}

}  // namespace
