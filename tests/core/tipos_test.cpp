#include "core/foundation/tipos.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarvinel;

TEST(Tipos, ComplexoTextoModuloEAssimetria) {
  EXPECT_EQ(cplx(3, 4).tostr(), "3.000+j4.00 (5.000|53.1°)");
  EXPECT_EQ(cplx(1, -1).tostr(), "1.000+j-1.00 (1.414|-45.0°)");
  EXPECT_EQ(cplx(1, 0).fa(), 1.0);
  EXPECT_EQ(cplx(0, 0).magnitude(), 0.0);
  EXPECT_DOUBLE_EQ(cplx(-3, 4).magnitude(), 5.0);
  // magnitude is scaled: no overflow for very large parts
  EXPECT_DOUBLE_EQ(cplx(3e200, 4e200).magnitude(), 5e200);
  // X/R = 10: sqrt(1 + 2 e^(-2 pi / 10))
  EXPECT_NEAR(cplx(1, 10).fa(), std::sqrt(1 + 2 * std::exp(-2 * M_PI / 10)), 1e-12);
  EXPECT_NEAR(cplx(0, 1).fa(), std::sqrt(3.0), 1e-12);
}

TEST(Tipos, OperacoesComplexas) {
  const tCPLX a = cplx(1, 2), b = cplx(3, -4);
  const tCPLX s = a + b;
  EXPECT_EQ(s.r, 4);
  EXPECT_EQ(s.x, -2);
  const tCPLX p = a * b;  // (1+2j)(3-4j) = 11 + 2j
  EXPECT_EQ(p.r, 11);
  EXPECT_EQ(p.x, 2);
  const tCPLX k = 2.0 * a, k2 = a * 2.0;
  EXPECT_EQ(k.r, 2);
  EXPECT_EQ(k2.x, 4);
  const tCPLX q = 25.0 / cplx(3, 4);  // 25/(3+4j) = 3 - 4j
  EXPECT_DOUBLE_EQ(q.r, 3);
  EXPECT_DOUBLE_EQ(q.x, -4);
}

TEST(Tipos, RetanguloInclusivoETruncado) {
  const tRECTX r{10, 20, 1, 2};
  EXPECT_TRUE(r.contains(pointx(10, 1)));
  EXPECT_TRUE(r.contains(pointx(20, 2)));
  EXPECT_TRUE(r.contains(pointx(15, 1.5)));
  EXPECT_FALSE(r.contains(pointx(20.0001, 1.5)));
  EXPECT_FALSE(r.contains(pointx(std::nan(""), 1.5)));
  EXPECT_EQ(r.width(), 10);
  EXPECT_EQ((tRECTX{5, 1, 0, 0}).width(), 4);
  const tRECTI i = tRECTX{-1.7, 9.9, 0.5, 100.2}.asrect();
  EXPECT_EQ(i.left, -1);
  EXPECT_EQ(i.top, 0);
  EXPECT_EQ(i.right, 9);
  EXPECT_EQ(i.bottom, 100);
  const tRECTI huge = tRECTX{-1e300, 1e300, std::nan(""), 0}.asrect();
  EXPECT_EQ(huge.left, INT32_MIN);
  EXPECT_EQ(huge.right, INT32_MAX);
  EXPECT_EQ(huge.top, 0);
}

TEST(Tipos, CorEmTexto) {
  EXPECT_EQ(cor2txt(clRed), "$0000FF");
  EXPECT_EQ(cor2txt(clBlue), "$FF0000");
  EXPECT_EQ(cor2txt(0), "$000000");
  EXPECT_EQ(cor2txt(clPurple), "$800080");
}
