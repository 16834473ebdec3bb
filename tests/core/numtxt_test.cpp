#include <gtest/gtest.h>

#include "foundation/numtxt.h"

using namespace tarvinel;

TEST(num2txt, Faixas) { EXPECT_EQ(num2txt(9.9996), "10.000"); }
