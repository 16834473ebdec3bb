// Number settings of the program under a Brazilian locale: whatever the
// user's regional settings, numbers show with "." and no grouping.
#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <cstdio>
#include <string>

#include "gui/shell/inicio.h"

namespace tarvinel::teste {
namespace {

TEST(tINICIOTEST, NumbersKeepThePointUnderABrazilianLocale) {
  // What QApplication does at start, with a Brazilian user.
  const std::string antes = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "pt_BR.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "pt_BR.utf8") == nullptr)
    GTEST_SKIP() << "pt_BR locale not installed";
  QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
  ASSERT_EQ(QLocale().toString(1.5).toStdString(), "1,5");

  configura_numeros();
  struct {
    double x;
    const char* texto;
  } casos[] = {{1.5, "1.5"}, {12345.25, "12345.25"}, {-0.001, "-0.001"}};
  for (const auto& c : casos)
    EXPECT_EQ(QLocale().toString(c.x, 'f', QLocale::FloatingPointShortest).toStdString(), c.texto)
        << c.texto;
  bool ok = false;
  EXPECT_EQ(QLocale().toDouble(QStringLiteral("2.75"), &ok), 2.75);
  EXPECT_EQ(ok, true);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2f", 3.25);
  EXPECT_EQ(std::string(buf), "3.25");

  std::setlocale(LC_ALL, antes.c_str());
}

}  // namespace
}  // namespace tarvinel::teste
