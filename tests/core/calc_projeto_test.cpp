// The calculation project, its transformers and the .ajuste file.

#include <fmt/format.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/calculation/prjcalc.h"
#include "core/foundation/erroarq.h"
#include "registro.h"

using namespace tarvinel;
namespace fs = std::filesystem;

namespace {

// A scratch folder removed with its contents at the end of the test.
class tPASTA {
 public:
  tPASTA() {
    dir_ = fs::temp_directory_path() /
           ("tarvinel_calc_" + std::to_string(::getpid()) + "_" + std::to_string(++n_));
    fs::create_directories(dir_);
  }
  ~tPASTA() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string arq(const std::string& nome) const { return (dir_ / nome).string(); }
  // Writes lines with CR LF, as the program does.
  std::string escreve(const std::string& nome, const std::vector<std::string>& linhas) const {
    std::ofstream f(arq(nome), std::ios::binary);
    for (const auto& l : linhas) f << l << "\r\n";
    return arq(nome);
  }

 private:
  static inline int n_ = 0;
  fs::path dir_;
};

std::vector<std::string> linhas_de(const tPRJCALC& p) {
  tSTRINGARQ arq;
  p.saveblock(arq);
  return arq.lines();
}

TEST(tPRJCALC, NewProjectHoldsTheExample) {
  religacount_reset();
  tPRJCALC p;
  ASSERT_EQ(p.trafos.count(), 2);
  const tTRAFO& t1 = *p.trafos.Trafos(0);
  const tTRAFO& t2 = *p.trafos.Trafos(1);
  EXPECT_EQ(t1.kva, 250);
  EXPECT_EQ(t1.zp, 5.5);
  EXPECT_EQ(t2.kva, 750);
  EXPECT_EQ(t2.zp, 4.5);
  for (const tTRAFO* t : {&t1, &t2}) {
    EXPECT_EQ(t->imag, 8);
    EXPECT_EQ(t->lig, LIG_DYA);
    EXPECT_FALSE(t->prll);
    EXPECT_EQ(t->ten_sec, 380);
    EXPECT_EQ(t->xr, 10);
  }
  EXPECT_EQ(p.rele_cli->caption, "Cliente");
  EXPECT_EQ(p.rele_cli->color, 0x8000);
  EXPECT_FALSE(p.rele_cli->showall);
  EXPECT_EQ(p.rele_con->caption, "Concessionária");
  EXPECT_EQ(p.rele_con->color, 0xFF);
  EXPECT_TRUE(p.rele_con->showall);
  EXPECT_DOUBLE_EQ(p.z0caboohm.r, 0.85 * 0.67);
  EXPECT_DOUBLE_EQ(p.z0caboohm.x, 0.85 * 0.149);
}

TEST(tTRAFO, InitKeepsXrAndNotes) {
  tTRAFO t;
  t.xr = 7;
  t.obs = "nota";
  t.ten_sec = 220;
  t.init(300, 4, 6, LIG_YAYI, true);
  EXPECT_EQ(t.kva, 300);
  EXPECT_EQ(t.zp, 4);
  EXPECT_EQ(t.imag, 6);
  EXPECT_EQ(t.lig, LIG_YAYI);
  EXPECT_TRUE(t.prll);
  EXPECT_EQ(t.ten_sec, 380);
  EXPECT_EQ(t.xr, 7);
  EXPECT_EQ(t.obs, "nota");
}

TEST(tTRAFO, Resumo) {
  tTRAFO t;
  t.init(112.5, 3.5, 7.5, LIG_DD, false);
  t.inom = 4.7066;
  t.ten_sec = 220;
  // kVA and Imag rounded half to even (112.5 -> 112, 7.5 -> 8); the percent
  // impedance under the label "pu".
  EXPECT_EQ(t.resumo(), "S=112kVA, In=4.7A, Z1%=3.50 pu, Lig=∆-∆, Imag=8xIn, V(bt)=220V");
}

TEST(tTRAFO, Hints) {
  tTRAFO t;
  EXPECT_EQ(t.gethint("Paralelo"),
            "Ligue esta opção para indicar os transformadores que estão em paralelo");
  EXPECT_EQ(t.gethint("Tensão BT (V)"), "Tensão no secundário");
  EXPECT_EQ(t.gethint("Imag (K*In)"), "Corrente de magnetização, informe o valor do K.");
  EXPECT_EQ(t.gethint("Potência"), "");
}

TEST(tTRAFO_LISTA, Sums) {
  tTRAFO_LISTA l;
  EXPECT_EQ(l.pot_tot(), 0);
  EXPECT_EQ(l.inrush_parcial(), 0);
  tTRAFO* a = l.novotrafo();
  tTRAFO* b = l.novotrafo();
  tTRAFO* c = l.novotrafo();
  a->kva = 300, a->imag = 8, a->inom = 12;
  b->kva = 500, b->imag = 6, b->inom = 20;  // largest imag·kva: 3000
  c->kva = 400, c->imag = 7, c->inom = 16;  // 2800
  EXPECT_EQ(l.pot_tot(), 1200);
  EXPECT_EQ(l.inrush_total(), 8 * 12 + 6 * 20 + 7 * 16);
  EXPECT_EQ(l.inrush_parcial(), 6 * 20 + 12 + 16);
  l.remove(1);
  l.remove(7);
  ASSERT_EQ(l.count(), 2);
  EXPECT_EQ(l.Trafos(1), c);
  l.destroyitens();
  EXPECT_EQ(l.count(), 0);
}

TEST(tTRAFO_LISTA, InrushParcialFirstOfEqualProductsWins) {
  tTRAFO_LISTA l;
  tTRAFO* a = l.novotrafo();
  tTRAFO* b = l.novotrafo();
  a->init(500, 5, 8, LIG_DYA, false);
  b->init(500, 5, 8, LIG_DYA, false);
  a->inom = 20;
  b->inom = 21;  // the second transformer is taken only by its rated current
  EXPECT_EQ(l.inrush_parcial(), 8 * 20 + 21);
}

TEST(tPRJCALC, LimPotGet) {
  struct tCASO {
    int lim_pot;
    double demanda;
    double esperado;
  };
  // Installed power 950 kVA (250 + 700).
  const tCASO casos[] = {
      {0, 1000, 950}, {0, 900, 900},  {1, 1000, 1000},
      {2, 1000, 950}, {7, 1000, 950}, {-1, 800, 800},
  };
  tPRJCALC p;
  p.trafos.Trafos(1)->kva = 700;
  for (const tCASO& c : casos) {
    p.lim_pot = c.lim_pot;
    p.demanda = c.demanda;
    EXPECT_EQ(p.lim_pot_get(), c.esperado) << "lim_pot " << c.lim_pot << " demanda " << c.demanda;
  }
}

TEST(tPRJCALC, BlockAsWritten) {
  religacount_reset();
  tPRJCALC p;
  p.trafos.Trafos(0)->obs = "poste 12";
  p.trafos.Trafos(1)->prll = true;
  const auto l = linhas_de(p);
  ASSERT_GT(l.size(), 40u);
  const std::vector<std::string> inicio = {
      "proj-calc{",           "\tempresa \"exemplo\"", "\tprojetista \"exemplo\"",
      "\ttensaomt 13.80",     "\tpotbase 100",         "\tdemanda 1000",
      "\tfatorp 0.92",        "\tcabolen 500",         "\trfalta 40.00",
      "\tz1c 0.67 0.149",     "\tz0c 0.5695 0.12665",  "\tz1r 3.2086 4.1679",
      "\tz0r 4.7273 16.7438", "\ticcse3f 795.00",      "\ticcse3fa 811.00",
      "\ticcseft 450.00",     "\ticcseftm 307.00",     "\ticcsefta 482.00",
      "\tinc_rele_con 0",     "\tlim_pot 0",           "\tfat_ipf 0.30",
      "\tfat_iif 0.40",       "\tfat_ipn 0.10",        "\tfat_iin 0.20",
      "\tred_inp_mod 1",      "\trtc_pre \"10\"",      "\trtc_rea \"B\"",
      "\trtc_fat 50",         "\trtc_bur 0.35",        "\trtc_10k 0",
      "\tinr_met 0",          "\tinr_neu 0.00",        "\tfun_27 90",
      "\tfun_59 110",         "\tfun_27t 0.30",        "\tfun_59t 2.00",
      "\tajuste-religador{",
  };
  for (std::size_t i = 0; i < inicio.size(); ++i) EXPECT_EQ(l[i], inicio[i]) << "line " << i;
  const std::vector<std::string> fim = {
      "\tconfig-trafo{",
      "\t\tkva 250.00",
      "\t\tzp 5.50",
      "\t\timag 8.00",
      "\t\tlig 1",
      "\t\tprll 0",
      "\t\tobs \"poste 12\"",
      "\t\txr 10.00",
      "\t\tten 380",
      "\t}",
      "\tconfig-trafo{",
      "\t\tkva 750.00",
      "\t\tzp 4.50",
      "\t\timag 8.00",
      "\t\tlig 1",
      "\t\tprll 1",
      "\t\tobs \"\"",
      "\t\txr 10.00",
      "\t\tten 380",
      "\t}",
      "}",
  };
  const std::size_t base = l.size() - fim.size();
  for (std::size_t i = 0; i < fim.size(); ++i)
    EXPECT_EQ(l[base + i], fim[i]) << "line " << base + i;
  EXPECT_EQ(std::count(l.begin(), l.end(), "\tajuste-religador{"), 2);
}

TEST(tPRJCALC, SaveLoadRoundTrip) {
  tPASTA pasta;
  religacount_reset();
  tPRJCALC a;
  a.empresa = "Indústria São João";
  a.projetista = "Eng. Ana";
  a.tensaomt = 23.456;
  a.potbase = 99.7;
  a.demanda = 999.9;
  a.fatorp = 0.876;
  a.inc_rele_con = true;
  a.cabolen = 1234.5;
  a.rfalta = 12.346;
  a.fat_ipf = 0.25;
  a.fat_iif = 2.5;
  a.fat_ipn = 0.15;
  a.fat_iin = 0.35;
  a.fun_27 = 85;
  a.fun_59 = 120;
  a.fun_27t = 0.5;
  a.fun_59t = 3.25;
  a.z1caboohm = {0.4, 0.25};
  a.z0caboohm = {1.1, 0.9};
  a.z1r = {6.1104, 7.9373};
  a.z0r = {9.5, 31.25};
  a.red_inp_mod = RED_OHM;
  a.icc_con = {1000.5, 1100.25, 600, 300, 650};
  a.rtc_pre = "2.5";
  a.rtc_rea = "H";
  a.rtc_fat = 20;
  a.rtc_bur = 1.5;
  a.rtc_10k = true;
  a.lim_pot = 2;
  a.inr_met = 3;
  a.inr_neu = 0.5;
  a.trafos.Trafos(0)->obs = "subestação 1";
  a.trafos.Trafos(0)->xr = 6.5;
  a.trafos.Trafos(1)->init(1500, 6.25, 10, LIG_YAYI, true);
  a.trafos.Trafos(1)->ten_sec = 220;
  a.rele_cli->relf.cor_par = 61.234;
  a.rele_cli->relf.nom_cur = "IEC-MI";
  a.rele_con->relf.cor_par = 400;
  a.rele_con->modelo = "Modelo X";
  const std::string arq = pasta.arq("a.ajuste");
  a.savetofile(arq);

  tPRJCALC b;
  b.trafos.destroyitens();
  b.loadfromfile(arq);
  EXPECT_EQ(b.empresa, a.empresa);
  EXPECT_EQ(b.projetista, a.projetista);
  // Every real comes back exactly, whole-number fields with their fraction.
  EXPECT_EQ(b.tensaomt, 23.456);
  EXPECT_EQ(b.potbase, 99.7);
  EXPECT_EQ(b.demanda, 999.9);
  EXPECT_EQ(b.fatorp, 0.876);
  EXPECT_TRUE(b.inc_rele_con);
  EXPECT_EQ(b.cabolen, 1234.5);
  EXPECT_EQ(b.rfalta, 12.346);
  EXPECT_DOUBLE_EQ(b.fat_ipf, 0.25);
  EXPECT_DOUBLE_EQ(b.fat_iif, 2.5);
  EXPECT_DOUBLE_EQ(b.fat_ipn, 0.15);
  EXPECT_DOUBLE_EQ(b.fat_iin, 0.35);
  EXPECT_EQ(b.fun_27, 85);
  EXPECT_EQ(b.fun_59, 120);
  EXPECT_DOUBLE_EQ(b.fun_27t, 0.5);
  EXPECT_DOUBLE_EQ(b.fun_59t, 3.25);
  EXPECT_DOUBLE_EQ(b.z1caboohm.r, 0.4);
  EXPECT_DOUBLE_EQ(b.z1caboohm.x, 0.25);
  EXPECT_DOUBLE_EQ(b.z0caboohm.r, 1.1);
  EXPECT_DOUBLE_EQ(b.z0caboohm.x, 0.9);
  EXPECT_EQ(b.z1r.r, 6.1104);
  EXPECT_EQ(b.z1r.x, 7.9373);
  EXPECT_DOUBLE_EQ(b.z0r.r, 9.5);
  EXPECT_DOUBLE_EQ(b.z0r.x, 31.25);
  EXPECT_EQ(b.red_inp_mod, RED_OHM);
  EXPECT_DOUBLE_EQ(b.icc_con.ICC3F, 1000.5);
  EXPECT_DOUBLE_EQ(b.icc_con.ICC3FA, 1100.25);
  EXPECT_DOUBLE_EQ(b.icc_con.ICCFT, 600);
  EXPECT_DOUBLE_EQ(b.icc_con.ICCFTM, 300);
  EXPECT_DOUBLE_EQ(b.icc_con.ICCFTA, 650);
  EXPECT_EQ(b.rtc_pre, "2.5");
  EXPECT_EQ(b.rtc_rea, "H");
  EXPECT_EQ(b.rtc_fat, 20);
  EXPECT_DOUBLE_EQ(b.rtc_bur, 1.5);
  EXPECT_TRUE(b.rtc_10k);
  EXPECT_EQ(b.lim_pot, 2);
  EXPECT_EQ(b.inr_met, 3);
  EXPECT_DOUBLE_EQ(b.inr_neu, 0.5);
  ASSERT_EQ(b.trafos.count(), 2);
  const tTRAFO& t1 = *b.trafos.Trafos(0);
  const tTRAFO& t2 = *b.trafos.Trafos(1);
  EXPECT_EQ(t1.kva, 250);
  EXPECT_EQ(t1.obs, "subestação 1");
  EXPECT_DOUBLE_EQ(t1.xr, 6.5);
  EXPECT_EQ(t2.kva, 1500);
  EXPECT_DOUBLE_EQ(t2.zp, 6.25);
  EXPECT_EQ(t2.imag, 10);
  EXPECT_EQ(t2.lig, LIG_YAYI);
  EXPECT_TRUE(t2.prll);
  EXPECT_EQ(t2.ten_sec, 220);
  EXPECT_DOUBLE_EQ(b.rele_cli->relf.cor_par, 61.234);
  EXPECT_EQ(b.rele_cli->relf.nom_cur, "IEC-MI");
  EXPECT_EQ(b.rele_cli->caption, "Cliente");
  EXPECT_DOUBLE_EQ(b.rele_con->relf.cor_par, 400);
  EXPECT_EQ(b.rele_con->modelo, "Modelo X");

  const auto l = linhas_de(a);
  for (const char* linha : {"\ttensaomt 23.456", "\tpotbase 99.70", "\tdemanda 999.90",
                            "\tcabolen 1234.50", "\tz1r 6.1104 7.9373", "\tz0r 9.50 31.25"})
    EXPECT_NE(std::find(l.begin(), l.end(), linha), l.end()) << linha;

  // A second save of what was read writes the same lines.
  const std::string arq2 = pasta.arq("b.ajuste");
  b.savetofile(arq2);
  tSTRINGARQ x, y;
  x.loadfromfile(arq);
  y.loadfromfile(arq2);
  EXPECT_EQ(x.lines(), y.lines());
}

TEST(tPRJCALC, LegacyKeys) {
  tPASTA pasta;
  const std::string arq = pasta.escreve(
      "velho.ajuste", {"proj-calc{", "\tmprot 25", "\tred_inp_ohm 0", "\ttensaomt 23", "}"});
  tPRJCALC p;
  p.loadfromfile(arq);
  EXPECT_DOUBLE_EQ(p.fat_ipf, 0.25);
  EXPECT_EQ(p.red_inp_mod, RED_OHM);
  EXPECT_DOUBLE_EQ(p.tensaomt, 23);
  EXPECT_DOUBLE_EQ(p.demanda, 1000);  // absent key: as it was
}

TEST(tPRJCALC, RelayBlocksInFileOrder) {
  tPASTA pasta;
  auto rele = [](const char* modelo) {
    return std::vector<std::string>{"\tajuste-religador{",
                                    std::string("\t\tmodelo \"") + modelo + "\"", "\t}"};
  };
  std::vector<std::string> um = {"proj-calc{"};
  for (auto& s : rele("A")) um.push_back(s);
  um.push_back("}");
  tPRJCALC p;
  const std::string modelo_con = p.rele_con->modelo;
  p.loadfromfile(pasta.escreve("um.ajuste", um));
  EXPECT_EQ(p.rele_cli->modelo, "A");
  EXPECT_EQ(p.rele_con->modelo, modelo_con);

  std::vector<std::string> tres = {"proj-calc{"};
  for (const char* m : {"A", "B", "C"})
    for (auto& s : rele(m)) tres.push_back(s);
  tres.push_back("}");
  tPRJCALC q;
  q.loadfromfile(pasta.escreve("tres.ajuste", tres));
  EXPECT_EQ(q.rele_cli->modelo, "A");
  EXPECT_EQ(q.rele_con->modelo, "C");
}

TEST(tPRJCALC, LoadingAppendsTransformers) {
  tPASTA pasta;
  const std::string arq =
      pasta.escreve("t.ajuste", {"proj-calc{", "\tconfig-trafo{", "\t\tkva 300", "\t\tlig 0",
                                 "\t\tprll 2", "\t\tten 220", "\t\tbobagem 1", "\t}", "\tz1r 1.5",
                                 "}", "lixo", "proj-calc{", "\tempresa \"Outra\"", "}"});
  tPRJCALC p;
  p.loadfromfile(arq);
  ASSERT_EQ(p.trafos.count(), 3);
  EXPECT_EQ(p.trafos.Trafos(0)->kva, 250);
  EXPECT_EQ(p.trafos.Trafos(1)->kva, 750);
  const tTRAFO& t = *p.trafos.Trafos(2);
  EXPECT_EQ(t.kva, 300);
  EXPECT_EQ(t.lig, LIG_YAYA);
  EXPECT_FALSE(t.prll);  // only 1 is true
  EXPECT_EQ(t.ten_sec, 220);
  EXPECT_EQ(t.zp, 5);  // default of a new transformer
  // "z1r" with a single value: the missing reactance reads as 0.
  EXPECT_DOUBLE_EQ(p.z1r.r, 1.5);
  EXPECT_DOUBLE_EQ(p.z1r.x, 0);
  // Every "proj-calc{" block of the file is read.
  EXPECT_EQ(p.empresa, "Outra");
}

TEST(tPRJCALC, BlocosDesconhecidosArquivosEstranhosETruncados) {
  // Each file is opened as the calculation window opens it (example
  // transformers dropped first). `lido` sums up what was read: company,
  // the customer relay's caption and model, the utility relay's model, the
  // transformers' kVA; `aviso` is a part of the one log line expected.
  struct Caso {
    const char* nome;
    std::vector<std::string> linhas;
    std::string lido;
    std::string aviso = "";
    bool recusado = false;
  };
  const std::string antes = "exemplo|Cliente|Não especificado|Não especificado|";
  const Caso casos[] = {
      {"bloco novo no projeto",
       {"proj-calc{", "\tnovo{", "\t\tempresa \"errado\"", "\t\tsub{", "\t\t}", "\t}",
        "\tempresa \"E\"", "\tconfig-trafo{", "\t\tkva 300", "\t}", "}"},
       "E|Cliente|Não especificado|Não especificado|300",
       "linha 2: bloco desconhecido \"novo{\""},
      {"bloco novo no relé e no cabeçalho dele",
       {"proj-calc{", "\tajuste-religador{", "\t\theader{", "\t\t\tx{", "\t\t\t}",
        "\t\t\tcaption \"C\"", "\t\t}", "\t\tmodelo \"M\"", "\t}", "\tajuste-religador{",
        "\t\tmodelo \"U\"", "\t}", "}"},
       "exemplo|C|M|U|",
       "linha 4: bloco desconhecido \"x{\""},
      {"bloco novo no transformador",
       {"proj-calc{", "\tconfig-trafo{", "\t\tperdas{", "\t\t\tkva 1", "\t\t}", "\t\tkva 500",
        "\t}", "\tconfig-trafo{", "\t\tkva 75", "\t}", "}"},
       "exemplo|Cliente|Não especificado|Não especificado|500 75",
       "linha 3: bloco desconhecido \"perdas{\""},
      {"aberturas seguidas de brancos",
       {"proj-calc{ ", "\tconfig-trafo{  ", "\t\tkva 300", "\t} ", "\tempresa \"E\"", "} "},
       "E|Cliente|Não especificado|Não especificado|300"},
      {"truncado",
       {"proj-calc{", "\tempresa \"E\"", "\tconfig-trafo{", "\t\tkva 300"},
       "E|Cliente|Não especificado|Não especificado|300",
       "linha 1: o arquivo terminou antes do fechamento do bloco \"proj-calc{\""},
      {"vazio", {}, antes, "", true},
      {"bytes sem sentido", {"\x01\xFF}{", "{ x", "}"}, antes, "", true},
      {"coordenograma renomeado .ajuste",
       {"projeto-coord{", "\ttensaon 13.80", "\tajuste-cabo{", "\t}", "}"},
       antes,
       "",
       true},
  };
  tPASTA pasta;
  int n = 0;
  for (const Caso& c : casos) {
    religacount_reset();
    tPRJCALC p;
    p.trafos.destroyitens();
    const std::string arq = pasta.escreve("c" + std::to_string(n++) + ".ajuste", c.linhas);
    tLOG log;
    try {
      p.loadfromfile(arq);
      EXPECT_FALSE(c.recusado) << c.nome << ": aberto";
    } catch (const tERROARQ& e) {
      EXPECT_TRUE(c.recusado) << c.nome << ": " << e.what();
      EXPECT_EQ(std::string(e.what()),
                "Não foi possível ler o arquivo \"" + arq +
                    "\": não é um cálculo de ajuste de relé (falta o bloco \"proj-calc{\").")
          << c.nome;
    }
    std::string lido = p.empresa + "|" + p.rele_cli->caption + "|" + p.rele_cli->modelo + "|" +
                       p.rele_con->modelo + "|";
    for (int i = 0; i < p.trafos.count(); ++i)
      lido += (i > 0 ? " " : "") + fmt::format("{:g}", p.trafos.Trafos(i)->kva);
    EXPECT_EQ(lido, c.lido) << c.nome;
    if (c.aviso.empty()) {
      EXPECT_EQ(log.tudo(), "") << c.nome;
    } else {
      ASSERT_EQ(log.linhas.size(), 1u) << c.nome << ": " << log.tudo();
      EXPECT_NE(log.linhas[0].find("#Arquivo \"" + arq + "\", " + c.aviso), std::string::npos)
          << c.nome << ": " << log.linhas[0];
    }
  }
}

TEST(tPRJCALC, FileErrors) {
  tPASTA pasta;
  tPRJCALC p;
  const std::string falta = pasta.arq("nao-existe.ajuste");
  try {
    p.loadfromfile(falta);
    FAIL() << "no exception";
  } catch (const tERROARQ& e) {
    EXPECT_NE(std::string(e.what()).find("nao-existe.ajuste"), std::string::npos) << e.what();
  }
  EXPECT_EQ(p.trafos.count(), 2);
  p.savetofile("");  // nothing written, nothing thrown
  EXPECT_THROW(p.savetofile(pasta.arq("sem/pasta/x.ajuste")), tERROARQ);
}

// Opening a file as the program opens one: the file's transformers replace
// the example's; a file that cannot be read changes nothing.
TEST(prjcalc_abre, TrafosDoArquivoNoLugarDosDoExemplo) {
  tPASTA pasta;
  const struct {
    const char* nome;
    std::vector<std::string> linhas;  // none: the file does not exist
    bool recusado;                    // tERROARQ
    std::vector<double> kva;          // the project's transformers afterwards
  } casos[] = {
      {"calculo", {"proj-calc{", "\tconfig-trafo{", "\t\tkva 300", "\t}", "}"}, false, {300}},
      {"sem trafos", {"proj-calc{", "\tempresa \"X\"", "}"}, false, {}},
      {"nao existe", {}, true, {250, 750}},
  };
  for (const auto& c : casos) {
    tPRJCALC p;
    const std::string arq = c.linhas.empty()
                                ? pasta.arq("falta.ajuste")
                                : pasta.escreve(std::string(c.nome) + ".ajuste", c.linhas);
    bool recusado = false;
    try {
      prjcalc_abre(p, arq);
    } catch (const tERROARQ&) {
      recusado = true;
    }
    EXPECT_EQ(recusado, c.recusado) << c.nome;
    std::vector<double> kva;
    for (int i = 0; i < p.trafos.count(); ++i) kva.push_back(p.trafos.Trafos(i)->kva);
    EXPECT_EQ(kva, c.kva) << c.nome;
  }
}

}  // namespace
