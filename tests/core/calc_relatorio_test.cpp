// The calculation report: line helpers, section switches and numbering, and
// chosen lines of the example compared verbatim (trailing blanks included).

#include <fmt/printf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "core/calculation/relatorio.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

using namespace tarvinel;

namespace {

using tLINHAS = std::vector<std::string>;

struct tREL {
  tPRJCALC p;
  tPRJCALCVAR c;
  tRELATORIO r;
  explicit tREL(bool reset = true) {
    if (reset) religacount_reset();
  }
  const tLINHAS& roda(const tRELOPC& opc = {}) {
    calcexec(p, c);
    r.data = "05/03/24, 14:07";
    r.reportexec(p, c, opc);
    return r.linhas;
  }
};

// n lines from the k-th occurrence (0-based) of `primeira`; fewer at the end.
tLINHAS bloco(const tLINHAS& l, const std::string& primeira, std::size_t n, int k = 0) {
  auto it = l.begin();
  for (;; ++it) {
    it = std::find(it, l.end(), primeira);
    if (it == l.end() || k-- == 0) break;
  }
  if (it == l.end()) return {"<não encontrada: " + primeira + ">"};
  const auto fim = l.end() - it > static_cast<long>(n) ? it + static_cast<long>(n) : l.end();
  return tLINHAS(it, fim);
}

std::size_t conta(const tLINHAS& l, const std::string& s) {
  return static_cast<std::size_t>(std::count(l.begin(), l.end(), s));
}

TEST(tRELATORIO, LineHelpers) {
  tRELATORIO r;
  r.addline("100% sem valores");
  r.addline("%d%% de %s", 30, "margem");
  EXPECT_EQ(r.linhas, (tLINHAS{"100% sem valores", "30% de margem"}));
  r.addline("\\f");
  EXPECT_TRUE(r.linhas.empty());
  r.addtitle("A");
  r.additem("B");
  r.additem("C");
  r.addtitle("D");
  r.additem("E");
  const std::string igual(62, '='), traco(62, '-');
  EXPECT_EQ(r.linhas, (tLINHAS{"", igual, "1) A", igual, "", "1.1) B", traco, "", "1.2) C", traco,
                               "", igual, "2) D", igual, "", "2.1) E", traco}));
}

TEST(tRELATORIO, SwitchesAndNumbering) {
  auto titulos = [](const tLINHAS& l) {
    tLINHAS t;
    static const std::regex titulo(R"(\d+\) .*)");
    for (const auto& s : l)
      if (std::regex_match(s, titulo)) t.push_back(s);
    return t;
  };
  struct tCASO {
    tRELOPC opc;
    tLINHAS titulos;
  };
  const tCASO casos[] = {
      {{false, false, false}, {}},
      {{false, true, false}, {"1) Memorial de cálculo"}},
      {{false, false, true}, {"1) RESUMO DOS AJUSTES DA PROTEÇÃO NA MÉDIA TENSÃO"}},
      {{true, true, true},
       {"1) Estudo de proteção", "2) Parâmetros do sistema", "3) Resumo do estudo de proteção",
        "4) Memorial de cálculo", "5) RESUMO DOS AJUSTES DA PROTEÇÃO NA MÉDIA TENSÃO"}},
  };
  for (const tCASO& cs : casos) {
    tREL k;
    const tLINHAS& l = k.roda(cs.opc);
    EXPECT_EQ(titulos(l), cs.titulos) << cs.opc.principal << cs.opc.memorial << cs.opc.celesc;
    if (cs.titulos.empty()) {
      EXPECT_EQ(l.size(), 0u);
    }
  }
  // The counters restart with every report.
  tREL k;
  k.roda({false, true, false});
  k.r.reportexec(k.p, k.c, {false, true, false});
  EXPECT_EQ(conta(k.r.linhas, "1) Memorial de cálculo"), 2u);
}

TEST(tRELATORIO, MainSummaryOfTheExample) {
  tREL k;
  const tLINHAS& l = k.roda({true, false, false});
  EXPECT_EQ(bloco(l, "Empresa: exemplo", 3),
            (tLINHAS{"Empresa: exemplo", "Projetista: exemplo", "Data: 05/03/24, 14:07"}));
  EXPECT_EQ(bloco(l, "Tensão nominal MT: 13.8 kV", 6),
            (tLINHAS{"Tensão nominal MT: 13.8 kV",
                     "Impedância da rede:", "    Z0=4.727+j16.74 (17.398|74.2°) pu",
                     "    Z1=3.209+j4.17 (5.260|52.4°) pu", "Resitência de falta: 40.0 ohm",
                     "Curto(A): 3Ø=795.0 3ØA=811.0 ØT=450.0 ØTA=482.0 ØTM=307.0"}));
  EXPECT_EQ(
      bloco(l, "Demanda contratada: 1000 kW", 8),
      (tLINHAS{"Demanda contratada: 1000 kW", "Fator de potência: 0.920 ", "Transformadores: 2",
               "Potência instalada: 1000 kVA (In=42A)", "Cabo de entrada",
               "\tComprimento: 500.0 metros", "\tZ1: 0.670+j0.15 (0.686|12.5°) ohm/km",
               "\tZ0: 0.570+j0.13 (0.583|12.5°) ohm/km"}));
  EXPECT_EQ(bloco(l, "#  S(kVA)    In(A)     V(bt)     Z1(pu)    Lig       IMAG(K*In)", 3),
            (tLINHAS{"#  S(kVA)    In(A)     V(bt)     Z1(pu)    Lig       IMAG(K*In)",
                     "1  250.0     10.5      380       5.500     ∆-Ya      8         ",
                     "2  750.0     31.4      380       4.500     ∆-Ya      8         "}));
  EXPECT_EQ(
      bloco(l, "Dados da curva", 13),
      (tLINHAS{"Dados da curva", "          Part[A] Inst[A] DT      Curva     TDEF(s) IDEF(A) ",
               "FASE      59.1    366.1   0.200   IEC-NI    MAX     MAX     ",
               "NEUTRO    5.912   73.2    0.100   IEC-NI    MAX     MAX     ",
               "MODELO    Não especificado", "", "Tempo de atuação",
               "FASE,   IEC-NI(795.0/59.1)=0.525s", "NEUTRO, IEC-NI(307.0/5.912)=0.170s", "",
               "OBS: Valores de corrente acima da instantânea possuem na ",
               "pratica um tempo de atuação na ordem de 0.1s.", ""}));
  EXPECT_EQ(bloco(l, "ANSI         : 10B20-75/5", 2),
            (tLINHAS{"ANSI         : 10B20-75/5", "NBR-6856/2015: 12.5VA10P20-75/5"}));
  // The four inrush methods; the sums are printed rounded.
  for (const char* linha :
       {"INRUSH: 261 A", "INRUSH = 335", "INRUSH = 1/(1/775 + 1/335)", "INRUSH = 234 A",
        "INRUSH = 1/(1/775 + 1/261)", "INRUSH = 196 A", "Metodo selecionado: Parcial",
        "INRUSH final (fase) = 261 A", "INRUSH final (neutro) = 0 A"})
    EXPECT_EQ(conta(l, linha), 1u) << linha;
  EXPECT_EQ(bloco(l, "     TRAFO     TRAFO     TRAFO     ANSI      ANSI      ANSI      ", 4),
            (tLINHAS{"     TRAFO     TRAFO     TRAFO     ANSI      ANSI      ANSI      ",
                     "#    Potência  Inom      ELO       Fase      Neutro    Tempo     ",
                     "1    250.0kVA  10.5      12K       190.2A    110.3A    3.781s    ",
                     "2    750.0kVA  31.4      40K       697.3A    404.4A    2.531s    "}));
  EXPECT_EQ(bloco(l, "Local          3Ø      3ØAss   ØT      ØTAss   ØTMin   Paralelo", 5),
            (tLINHAS{"Local          3Ø      3ØAss   ØT      ØTAss   ØTMin   Paralelo",
                     "Barra CONS     795.0   811.0   450.0   482.0   307.0   -       ",
                     "Barra MT/CLI   774.8   779.8   452.2   476.4   159.3   -       ",
                     "Barra T1       156.8   193.5   100.7   128.5   69.8    não     ",
                     "Barra T2       382.8   414.3   270.4   301.9   95.5    não     "}));
  EXPECT_EQ(bloco(l, "Local          3Ø      3ØAss   ØT      ØTAss   ", 3),
            (tLINHAS{"Local          3Ø      3ØAss   ØT      ØTAss   ",
                     "Barra T1       5693    7025    6332    8085    ",
                     "Barra T2       13903   15046   17006   18987   "}));
  EXPECT_EQ(conta(l, "3.2) Rele da concessionária/retaguarda"), 0u);
  EXPECT_EQ(conta(l, "OBS"), 0u);
}

TEST(tRELATORIO, UtilityRelayOnlyWhenIncluded) {
  tREL k;
  k.p.inc_rele_con = true;
  k.p.rele_con->modelo = "URPE 7104";
  const tLINHAS& l = k.roda({true, false, false});
  const tLINHAS b = bloco(l, "3.2) Rele da concessionária/retaguarda", 8);
  ASSERT_EQ(b.size(), 8u);
  EXPECT_EQ(b[3], "          Part[A] Inst[A] DT      Curva     TDEF(s) IDEF(A) ");
  // The utility relay's own values, its neutral row labelled "NETRO".
  EXPECT_EQ(b[4].substr(0, 10), "FASE      ");
  EXPECT_EQ(b[5].substr(0, 10), "NETRO     ");
  EXPECT_EQ(b[6], "MODELO    URPE 7104");
  EXPECT_EQ(conta(l, "3.3) Transformador de corrente"), 1u);
}

TEST(tRELATORIO, AutomaticFormExplainsItsImpedances) {
  tREL k;
  k.p.red_inp_mod = RED_AUTOMATICO;
  const tLINHAS& l = k.roda({true, false, false});
  EXPECT_EQ(bloco(l, "Curto(A): 3Ø=795.0 3ØA=811.0 ØT=450.0 ØTA=482.0 ØTM=307.0", 7),
            (tLINHAS{"Curto(A): 3Ø=795.0 3ØA=811.0 ØT=450.0 ØTA=482.0 ØTM=307.0", "OBS",
                     "A concessionária não forneceu os valores de impedância no ponto",
                     "de entrega, para a realização deste estudo os valores foram",
                     "estimados com base nos níveis de curto circuito conforme",
                     "informado pela mesma.", ""}));
}

TEST(tRELATORIO, CalculationRecordOfTheExample) {
  tREL k;
  const tLINHAS& l = k.roda({false, true, false});
  EXPECT_EQ(
      bloco(l, "Sb    : 100.000 MVA", 13),
      (tLINHAS{"Sb    : 100.000 MVA", "Vb    : 13.80 kV", "Zb(MT): 1.904 ohm", "Ib(MT): 4184 A",
               "FA(R+jX) = RAIZ[ 1 + 2*e^(-2*PI*R/X) ]", "", "Impedâncias",
               "Z1rede = 3.209+j4.17 (5.260|52.4°) pu", "Z0rede = 4.727+j16.74 (17.398|74.2°) pu",
               "Z1cli = 0.176+j0.04 (0.180|12.5°) pu", "Z0cli = 0.150+j0.03 (0.153|12.5°) pu",
               "ZF = 3*Rf/Zb(MT) = 63.012+j0.00 (63.012|0.0°) pu", ""}));
  EXPECT_EQ(bloco(l, "Z0 = Z0rede+Z0cli = 4.877+j16.78 (17.471|73.8°) pu", 13),
            (tLINHAS{"Z0 = Z0rede+Z0cli = 4.877+j16.78 (17.471|73.8°) pu",
                     "Z1 = Z1rede+Z1cli = 3.385+j4.21 (5.399|51.2°) pu",
                     "ZT = 2*Z1+Z0 = 11.646+j25.19 (27.753|65.2°) pu", "FA(Z1) = 1.00636",
                     "FA(ZT) = 1.05334", "", "Resultados", "ICC3F = Ib(MT)/Z1 = 775 A",
                     "ICC3FA = ICC3F*FA(Z1)= 780 A", "ICCFT = Ib(MT)*3/(ZT) = 452 A",
                     "ICCFTA = ICCFT*FA(ZT) = 476 A", "ICCFTM = Ib(MT)*3/(ZT+ZF) = 159 A", ""}));
  EXPECT_EQ(bloco(l, "Transformador 2", 30),
            (tLINHAS{"Transformador 2",
                     "Características do transformador",
                     "S=750kVA, In=31.4A, Z1%=4.50 pu, Lig=∆-Ya, Imag=8xIn, V(bt)=380V",
                     "",
                     "Impedâncias",
                     "Z1tr = 0.597+j5.97 (6.000|84.3°) pu",
                     "Z0tr = 0.85*Z1tr = 0.507+j5.07 (5.100|84.3°) pu",
                     "",
                     "Z1 = Z1rede+Z1cli+Z1tr = 3.982+j10.18 (10.928|68.6°) pu",
                     "Z0 = Z0tr = 0.507+j5.07 (5.100|84.3°) pu",
                     "ZT = 2*Z1+Z0 = 8.471+j25.43 (26.803|71.6°) pu",
                     "FA(Z1) = 1.08222",
                     "FA(ZT) = 1.11653",
                     "",
                     "Resultados (MT)",
                     "ICC3F = Ib(MT)/Z1 = 383 A",
                     "ICC3FA = ICC3F*FA(Z1)= 414 A",
                     "ICCFT = Ib(MT)*RAIZ(3)/ZT = 270 A",
                     "ICCFTA = ICCFT*FA(ZT) = 302 A",
                     "ICCFTM = Ib(MT)*RAIZ(3)/(ZT+ZF) = 96 A",
                     "",
                     "Resultados (BT)",
                     "Ib(BT) = Ib(MT) * 13800 / 380 = 151934",
                     "ICC3F = Ib(BT)/Z1 = 13903 A",
                     "ICC3FA = ICC3F*FA(Z1)= 15046 A",
                     "ICCFT = Ib(BT)*3/ZT = 17006 A",
                     "ICCFTA = ICCFT*FA(ZT) = 18987 A",
                     "",
                     "1.5) Dimensionamento do TC",
                     std::string(62, '-')}));
  EXPECT_NEAR(k.p.trafos.Trafos(0)->ib_bt, 151934.3, 0.05);
  EXPECT_EQ(bloco(l, "#Classe de precisão (Volts)", 10),
            (tLINHAS{"#Classe de precisão (Volts)", "Z(BURDEN): 0.350 ohms (Ztc+Zfio+Zrele)",
                     "In = ICC3FA/RTC = 52.0 A", "Vn = In*Z = 18.2 Volts", "",
                     "#Carga no secundário (VA)", "Isec(pior caso) = 5A",
                     "Carga = Z(BURDEN) * Isec^2", "Carga = 0.350 * 5^2 = 8.8 [VA]",
                     "Utilizar TC com potência aparente de no mínimo 8.8 [VA]"}));
  for (const char* linha :
       {"DEMANDA = 1000KW", "FATOR DE SERVIÇO = 50%", "Id = DEMANDA/(VN*FP*R3) = 45.5A",
        "In = MAX(Id,Ic)*FS = 68.2A", "In = ICC3FA/20 = 39.0A", "Relação: 75/5", "Tensao: 20 Volts",
        "Classe NBR-6856/2015: 12.5VA10P20-75/5"})
    EXPECT_EQ(conta(l, linha), 1u) << linha;
  EXPECT_EQ(bloco(l, "S=250kVA, In=10.5A, Z1%=5.50 pu, Lig=∆-Ya, Imag=8xIn, V(bt)=380V", 5, 1),
            (tLINHAS{"S=250kVA, In=10.5A, Z1%=5.50 pu, Lig=∆-Ya, Imag=8xIn, V(bt)=380V",
                     "FASE = 190.2 A", "NEUTRO = 110.3 A", "TEMPO = 3.8 S", ""}));
  EXPECT_EQ(bloco(l, "Fator Potência: 0.92", 17),
            (tLINHAS{"Fator Potência: 0.92", "Margem da proteção: 30 %", "", "FASE",
                     "Pc(contrato) = 1000 kW", "Pi(instalado) = 1000 kVA", "P = Menor valor = 1000",
                     "Ipf = [P/(R3*V*FP)]*1.30 = 59.1 A", "Iif = 1.40*Imag = 366.1 A",
                     "Dtf = 0.200 s", "", "NEUTRO", "Ipn = 0.10*Ipf = 5.9 A",
                     "Iin = 0.20*Iif = 73.2 A", "Dtn = 0.100 s", ""}));
  EXPECT_EQ(l.back(), "");
}

TEST(tRELATORIO, LowVoltageBlockByConnection) {
  struct tCASO {
    int lig;
    tLINHAS presentes;
    tLINHAS ausentes;
  };
  const tCASO casos[] = {
      {LIG_DD,
       {"Z0tr = infinito", "Z0 = infinito", "ZT = infinito", "FA(Z1) = 1.23398", "ICCFT = 0 A",
        "ICCFTA = 0 A", "ICCFTM = 0 A", "ICCFT = Ib(BT)*3/ZT = 0 A"},
       {"FA(ZT) = 1.27692"}},
      {LIG_YAYA,
       {"Z0tr = Z1tr = 2.189+j21.89 (22.000|84.3°) pu",
        "Z0 = Z0rede+Z0tr+Z0c = 7.066+j38.67 (39.308|79.6°) pu", "ICCFT = Ib(MT)*3/ZT = 135 A",
        "ICCFTM = Ib(MT)*3/(ZT+ZF) = 103 A"},
       {"ZT = infinito"}},
      {LIG_YAYI,
       {"Z0tr = 5*Z1tr = 10.945+j109.45 (110.000|84.3°) pu",
        "Z0 = Z0rede+Z0tr+Z0c = 15.822+j126.23 (127.219|82.9°) pu", "ICCFTA = ICCFT*FA(ZT) = 93 A"},
       {"ZT = infinito"}},
  };
  for (const tCASO& cs : casos) {
    tREL k;
    k.p.trafos.Trafos(0)->lig = cs.lig;
    const tLINHAS l = bloco(k.roda({false, true, false}), "Transformador 1", 29);
    for (const auto& s : cs.presentes) EXPECT_EQ(conta(l, s), 1u) << ligname(cs.lig) << ": " << s;
    for (const auto& s : cs.ausentes) EXPECT_EQ(conta(l, s), 0u) << ligname(cs.lig) << ": " << s;
  }
}

// Every low-side value printed equals the formula printed beside it, from the
// values the report prints before it, for every grounded connection; the
// low-voltage table shows the same currents. "∆-Ya" keeps its numbers.
TEST(tRELATORIO, LowSideValuesFollowTheirFormulas) {
  for (int lig : {LIG_DYA, LIG_YAYA, LIG_YAYI}) {
    SCOPED_TRACE(ligname(lig));
    tREL k;
    k.p.trafos.Trafos(0)->lig = lig;
    const tLINHAS& l = k.roda();
    const tTRAFO& t = *k.p.trafos.Trafos(0);
    const tPRJCALCVAR& c = k.c;
    // ZT from the printed Z1 and Z0: Z0 is what enters ZT.
    const tCPLX z0 = lig == LIG_DYA ? t.z0tr : t.z0tr + c.z0r + c.z0c;
    const tLINHAS b = bloco(l, "Transformador 1", 40);
    EXPECT_EQ(conta(b, "ZT = 2*Z1+Z0 = " + (2.0 * t.z1tt + z0).tostr() + " pu"), 1u);
    const double ib_bt = c.ib_at * 1000 * k.p.tensaomt / t.ten_sec;
    const double zt = t.ztt.magnitude();
    const double ft = ib_bt * 3 / zt;
    const double f3 = ib_bt / t.z1tt.magnitude();
    for (const std::string& s : {fmt::sprintf("ICC3F = Ib(BT)/Z1 = %.0f A", f3),
                                 fmt::sprintf("ICCFT = Ib(BT)*3/ZT = %.0f A", ft),
                                 fmt::sprintf("ICCFTA = ICCFT*FA(ZT) = %.0f A", ft * t.ztt.fa())})
      EXPECT_EQ(conta(b, s), 1u) << s;
    // Low-voltage table of the main and the CELESC summaries.
    const std::string linha =
        fmt::sprintf("%-15s%-8s%-8s%-8s%-8s", "Barra T1", num2txt(f3), num2txt(f3 * t.z1tt.fa()),
                     num2txt(ft), num2txt(ft * t.ztt.fa()));
    EXPECT_EQ(conta(l, linha), 2u) << linha;
  }
}

TEST(tRELATORIO, OddTransformers) {
  tREL k;
  k.p.trafos.Trafos(0)->init(112.5, 3.5, 8, LIG_DYA, true);
  k.p.trafos.Trafos(1)->prll = true;
  const tLINHAS& l = k.roda();
  // N in the table, rounded half to even in the summary line.
  EXPECT_EQ(bloco(l, "#  S(kVA)    In(A)     V(bt)     Z1(pu)    Lig       IMAG(K*In)", 2)[1],
            "1  112.5     4.707     380       3.500     ∆-Ya      8         ");
  EXPECT_EQ(bloco(l, "Transformador 1", 4),
            (tLINHAS{"Transformador 1", "Características do transformador",
                     "S=112kVA, In=4.7A, Z1%=3.50 pu, Lig=∆-Ya, Imag=8xIn, V(bt)=380V",
                     "OBS: Este trafo esta em paralelo!"}));
  EXPECT_EQ(conta(l, "OBS: Este trafo esta em paralelo!"), 2u);
  const tLINHAS t = bloco(l, "Local          3Ø      3ØAss   ØT      ØTAss   ØTMin   Paralelo", 5);
  ASSERT_EQ(t.size(), 5u);
  EXPECT_EQ(t[3].substr(t[3].size() - 8), "sim     ");
  EXPECT_EQ(t[4].substr(t[4].size() - 8), "sim     ");
}

TEST(tRELATORIO, CelescSummaryOfTheExample) {
  tREL k;
  versionline = "Tarvinel 2.0.0";
  const tLINHAS& l = k.roda({false, false, true});
  versionline = "???";
  EXPECT_EQ(bloco(l, "EMPRESA: exemplo", 2), (tLINHAS{"EMPRESA: exemplo", "PROJETISTA: exemplo"}));
  EXPECT_EQ(bloco(l, "PARÂMETRO                                    VALOR     UNIDADE   ", 20),
            (tLINHAS{"PARÂMETRO                                    VALOR     UNIDADE   ",
                     "50    Corrente instantânea de fase           366.1     A         ",
                     "51    Corrente de partida de fase            59.1      A         ",
                     "      Curva de Fase                          IEC-NI              ",
                     "      Múltiplo de tempo fase (dialtime)      0.200               ",
                     "TDF   Tempo definido de fase                 MAX       s         ",
                     "      Corrente definida de fase              MAX       A         ",
                     "50N   Corrente instantânea de neutro         73.2      A         ",
                     "51N   Corrente de partida de neutro          5.912     A         ",
                     "      Curva de neutro                        IEC-NI              ",
                     "      Múltiplo de tempo neutro (dialtime)    0.100               ",
                     "TDN   Tempo definido de neutro               MAX       s         ",
                     "      Corrente definida de neutro            MAX       A         ",
                     "27    Subtensão                              12420     V         ",
                     "27    Tempo                                  0.30      s         ",
                     "59    Sobretensão                            15180     V         ",
                     "59    Tempo                                  2.00      s         ",
                     "...",
                     "TC utilizado                                 75/5      A         ",
                     "Corrente de magnetização - inrush            261.5     A         "}));
  EXPECT_EQ(bloco(l, "#    I-FASE (A)     I-NEUTRO (A)   TEMPO (s)      ", 3),
            (tLINHAS{"#    I-FASE (A)     I-NEUTRO (A)   TEMPO (s)      ",
                     "1    190.2          110.3          3.781          ",
                     "2    697.3          404.4          2.531          "}));
  EXPECT_EQ(conta(l, "5.3) Correntes de curto circuito (referido à media tensão)"), 0u);
  EXPECT_EQ(conta(l, "1.3) Correntes de curto circuito (referido à media tensão)"), 1u);
  EXPECT_EQ(
      bloco(l, "1.5) Observações", 20),
      (tLINHAS{"1.5) Observações", std::string(62, '-'),
               "Neste resumo foi considerado um relê de proteção digital que ",
               "apresenta os valores de corrente, no dial, já referido a alta ", "tensão em Amper.",
               "", "Escolher dial de tempo (D.T.)  inferior ao ponto ANSI dos trafos ",
               "e com diferença de tempo 0,2 segundos para a curva de fase da ",
               "proteção da concessionária.", "",
               "O instantâneo deve permitir a magnetização dos trafos (inrush).",
               "O rele usado como referencia para este resumo apresenta a ",
               "possibilidade de se determinar valores definidos de fase e ",
               "neutro para corrente e tempo.", "",
               "O TC deve ter corrente térmica  maior que 50 X IN e corrente de ",
               "saturação 20 X In.", "...", "Tarvinel 2.0.0/contato@tarvinel.com.br"}));
  EXPECT_EQ(l.back(), "Tarvinel 2.0.0/contato@tarvinel.com.br");
}

TEST(tRELATORIO, UnderAndOverVoltageOfAnExactProduct) {
  tREL k;
  k.p.tensaomt = 13.2;
  k.p.fun_27 = 92;  // 12143.999... in binary arithmetic
  k.p.fun_59 = 110;
  const tLINHAS& l = k.roda({false, false, true});
  EXPECT_EQ(conta(l, "27    Subtensão                              12144     V         "), 1u);
  EXPECT_EQ(conta(l, "59    Sobretensão                            14520     V         "), 1u);
}

TEST(tRELATORIO, DateOfTheHeader) {
  tREL k;
  calcexec(k.p, k.c);
  k.r.reportexec(k.p, k.c, {true, false, false});
  const tLINHAS b = bloco(k.r.linhas, "Projetista: exemplo", 2);
  ASSERT_EQ(b.size(), 2u);
  EXPECT_TRUE(std::regex_match(b[1], std::regex(R"(Data: \d\d/\d\d/\d\d, \d\d:\d\d)"))) << b[1];
}

TEST(tRELATORIO, ProjectTheCalculationRefuses) {
  // A project changed after its last calculation so that it can no longer be
  // calculated prints the reasons, never undefined numbers.
  tREL k;
  calcexec(k.p, k.c);
  k.p.tensaomt = 0;
  k.r.reportexec(k.p, k.c);
  EXPECT_EQ(k.r.linhas, (tLINHAS{"Cálculo não realizado:",
                                 "Tensão nominal média tensão [kV] deve ser maior que zero."}));
}

}  // namespace
