#include "core/foundation/numtxt.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

#include "core/foundation/tipos.h"

using namespace tarvinel;

namespace {

struct NumCase {
  double x;
  const char* txt;
};

TEST(NumeroTexto, Num2txtEscolheOFormatoPelaFaixa) {
  const NumCase cases[] = {
      {9.9996, "10.000"}, {10, "10.0"},      {112.5, "112.5"},       {999.94, "999.9"},
      {1000, "1000"},     {2500.5, "2500"},  {2501.5, "2502"},       {-3, "-3.000"},
      {0, "0.000"},       {0.0004, "0.000"}, {1234567.4, "1234567"}, {1e15, "1000000000000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(num2txt(c.x), c.txt) << "x=" << c.x;
}

TEST(NumeroTexto, Real2arqDuasCasasOuAsQueVoltamExatas) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const NumCase cases[] = {
      {13.8, "13.80"},
      {0, "0.00"},
      {-0.5, "-0.50"},
      {0.125, "0.125"},
      {16.7438, "16.7438"},
      {0.12665, "0.12665"},
      {-2.0625, "-2.0625"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1.0 / 3, "0.3333333333333333"},
      {1e-7, "0.0000001"},
      {123456789.123, "123456789.123"},
      {1e20, "100000000000000000000.00"},
      {nan, "nan"},
  };
  for (const auto& c : cases) {
    const std::string t = real2arq(c.x);
    EXPECT_EQ(t, c.txt) << "x=" << c.x;
    if (std::isfinite(c.x)) {
      EXPECT_EQ(txt2real(t, 0, 0, 0), c.x) << "x=" << c.x;
    }
  }
  // The smallest positive double still reads back as itself.
  const double menor = std::numeric_limits<double>::denorm_min();
  EXPECT_EQ(txt2real(real2arq(menor), 0, 0, 0), menor);
}

TEST(NumeroTexto, ArredondamentoDeMetadesParaPar) {
  EXPECT_EQ(round2txt(0.5), "0");
  EXPECT_EQ(round2txt(1.5), "2");
  EXPECT_EQ(round2txt(2.5), "2");
  EXPECT_EQ(round2txt(-2.5), "-2");
  EXPECT_EQ(round2txt(-0.4), "0");
  EXPECT_EQ(round2txt(2.4999), "2");
  EXPECT_EQ(real2txt(1.23456, 2), "1.23");
  EXPECT_EQ(real2txt(2, 0), "2");
  EXPECT_EQ(int2txt(-42), "-42");
}

TEST(NumeroTexto, TruncaParaInteiroSemEstourar) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double x;
    long long n;
  } cases[] = {
      {2.99, 2},
      {-2.99, -2},
      {-0.5, 0},
      {1e30, 9000000000000000000LL},
      {-inf, -9000000000000000000LL},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(trunca(c.x), c.n) << "x=" << c.x;
}

TEST(NumeroTexto, PalavrasDeCorrenteETempoDefinidos) {
  EXPECT_EQ(idef2txt(0), "OFF");
  EXPECT_EQ(idef2txt(1), "MIN");
  EXPECT_EQ(idef2txt(5000), "MAX");
  EXPECT_EQ(idef2txt(5000.1), "5000");
  EXPECT_EQ(idef2txt(400), "400.0");
  EXPECT_EQ(tdef2txt(0), "OFF");
  EXPECT_EQ(tdef2txt(0.01), "MIN");
  EXPECT_EQ(tdef2txt(240), "MAX");
  EXPECT_EQ(tdef2txt(1), "1.000");

  EXPECT_EQ(txt2idef("OFF", 7, 0, 100), 0);
  EXPECT_EQ(txt2idef("MIN", 7, 0, 100), 1);
  EXPECT_EQ(txt2idef("MAX", 7, 0, 100), 5000);  // the word escapes the bounds
  EXPECT_EQ(txt2idef("max", 0, 0, 1000000), 0);
  EXPECT_EQ(txt2tdef("MIN", 7, 0, 100), 0.01);
  EXPECT_EQ(txt2tdef("MAX", 7, 0, 100), 240);
  EXPECT_EQ(txt2tdef("0,3", 7, 0, 100), 0.3);
}

struct RealCase {
  const char* s;
  double def, min, max, expected;
};

TEST(NumeroTexto, Txt2realAceitaVirgulaELimita) {
  const RealCase cases[] = {
      {"2,5", 0, 0, 0, 2.5},     {"2.5", 0, 0, 0, 2.5},     {"abc", 7, 0, 0, 7},
      {"-3", 0, 0, 100, 0},      {"150", 0, 0.1, 100, 100}, {"1.234,5", 9, 0, 0, 9},
      {"", 4, 0, 0, 4},          {" 12 ", 0, 0, 0, 12},     {"1e3", 0, 0, 0, 1000},
      {"+7.", 0, 0, 0, 7},       {".5", 0, 0, 0, 0.5},      {"1e", 3, 0, 0, 3},
      {"nan", 3, 0, 0, 3},       {"inf", 3, 0, 0, 3},       {"1e400", 3, 0, 0, 3},
      {"0x10", 3, 0, 0, 3},      {"-", 3, 0, 0, 3},         {"1e-400", 3, 0, 0, 0},
      {"1e308", 3, 0, 0, 1e308}, {"99e307", 3, 0, 0, 3},    {"0.0001e-330", 3, 0, 0, 0},
      {"5", 0, 10, 20, 10},      {"abc", 50, 10, 20, 20},
  };
  for (const auto& c : cases)
    EXPECT_EQ(txt2real(c.s, c.def, c.min, c.max), c.expected) << "s=\"" << c.s << "\"";
}

struct IntCase {
  const char* s;
  int def, min, max, expected;
};

TEST(NumeroTexto, Txt2intDecimalEHexadecimal) {
  const IntCase cases[] = {
      {"$FF", 0, 0, 0, 255},      {"", 20, 1, 100, 20},
      {"500", 20, 1, 100, 100},   {"0x1f", 0, 0, 0, 31},
      {"x1F", 0, 0, 0, 31},       {"  -12", 0, 0, 0, -12},
      {"1.5", 9, 0, 0, 9},        {"12 ", 9, 0, 0, 9},
      {"$", 9, 0, 0, 9},          {"2147483647", 0, 0, 0, 2147483647},
      {"2147483648", 9, 0, 0, 9}, {"-2147483648", 0, 0, 0, -2147483647 - 1},
      {"$FFFFFFFF", 0, 0, 0, -1}, {"$1FFFFFFFF", 9, 0, 0, 9},
      {"$0000FF", 0, 0, 0, 255},  {"azul", 5, 0, 0, 5},
  };
  for (const auto& c : cases)
    EXPECT_EQ(txt2int(c.s, c.def, c.min, c.max), c.expected) << "s=\"" << c.s << "\"";
}

TEST(NumeroTexto, PequenasFuncoesDeTexto) {
  EXPECT_TRUE(inlist("IEC-NI", {"IEC-SI", "IEC-NI"}));
  EXPECT_FALSE(inlist("iec-ni", {"IEC-SI", "IEC-NI"}));
  EXPECT_EQ(replchar("a,b,c", ',', ';'), "a;b;c");
  EXPECT_EQ(delchar("\t\tx\ty", '\t'), "xy");
  EXPECT_EQ(iif(true, 1.0, 2.0), 1.0);
  EXPECT_EQ(iif(false, "sim", "não"), std::string("não"));
  EXPECT_TRUE(nearly(0.1, 1.0, 1.05));
  EXPECT_TRUE(nearly(0, 2.0, 2.0));
  EXPECT_FALSE(nearly(0.1, 1.0, 1.2));
}

// Numbers never follow the machine's locale: a Brazilian locale writes "1,5"
// through plain printf, the program must keep writing "1.5".
TEST(NumeroTexto, IndependenteDaLocalidade) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  if (!std::setlocale(LC_ALL, "pt_BR.UTF-8")) GTEST_SKIP() << "localidade pt_BR.UTF-8 ausente";
  EXPECT_EQ(num2txt(2.5), "2.500");
  EXPECT_EQ(num2txt(112.5), "112.5");
  EXPECT_EQ(real2txt(13.8, 2), "13.80");
  EXPECT_EQ(txt2real("13.8", 0, 0, 0), 13.8);
  EXPECT_EQ(txt2real("13,8", 0, 0, 0), 13.8);
  EXPECT_EQ(cplx(3, 4).tostr(), "3.000+j4.00 (5.000|53.1°)");
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
