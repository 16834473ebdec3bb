#include "core/foundation/stringarq.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <vector>

#include "core/foundation/arquivo.h"

using namespace tarvinel;

namespace {

struct tWORDROW {
  std::string s;
  int n;
  std::string expected;
};

TEST(getword, Tokenizer) {
  const std::vector<tWORDROW> rows = {
      {"sub \"Sub 1\"", 1, "Sub 1"},
      {"sub Sub 1", 1, "Sub"},
      {"  a   b", 1, "b"},
      {"  a   b", 0, "a"},
      {"a", 3, ""},
      {"a b c", 5, ""},
      {"a", -1, ""},
      {"fusetag \"100K\" 3", 2, "3"},
      {"fusetag \"100K\" 3", 1, "100K"},
      {"obs \"\"", 1, ""},
      {"x  \"\"  y", 2, "y"},
      // quotes inside a word, never copied
      {"ab\"c d\"e", 0, "abc de"},
      {"k ab\"c d\"e f", 2, "f"},
      // an open quote runs to the end of the line
      {"caption \"a b  c", 1, "a b  c"},
      {"caption \"a b  c", 2, ""},
      // blanks inside quotes are kept, runs included
      {"x \"a  b\"", 1, "a  b"},
      // "¨" quotes like the double quote, and the two are interchangeable
      {"x \xC2\xA8"
       "a b\xC2\xA8 c",
       1, "a b"},
      {"x \xC2\xA8"
       "a b\xC2\xA8 c",
       2, "c"},
      {"x \"a b\xC2\xA8 c", 1, "a b"},
      {"x \xC2\xA8\xC2\xA8", 1, ""},
      // tabs are skipped wherever they are
      {"\tkva\t 225.000", 0, "kva"},
      {"\tkva\t 225.000", 1, "225.000"},
      {"ab\tc", 0, "abc"},
      // a tab still becomes the previous character: the blank after it is not
      // part of a run, so it ends a word
      {" \t b", 0, ""},
      {" \t b", 1, "b"},
      // CR and LF separate, each one by itself
      {"a\r\nb", 1, ""},
      {"a\r\nb", 2, "b"},
      {"\"a\rb\"", 0, "a\rb"},
      // multi-byte characters pass whole
      {"ção °C µs", 1, "°C"},
      {"ção °C µs", 0, "ção"},
      {"\"€ 5\" x", 0, "€ 5"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(getword(r.s, r.n), r.expected) << "s=[" << r.s << "] n=" << r.n;
  }
}

TEST(getword, WordfReadsRealsWithCommaOrPoint) {
  const std::string s = "pares 1,25 2.5 abc";
  EXPECT_DOUBLE_EQ(getwordf(s, 1), 1.25);
  EXPECT_DOUBLE_EQ(getwordf(s, 2), 2.5);
  EXPECT_DOUBLE_EQ(getwordf(s, 3), 0.0);
  EXPECT_DOUBLE_EQ(getwordf(s, 9), 0.0);
}

struct tNEXTROW {
  std::string raw;
  bool ret;
  std::string line, cmd, ps;
  int pi;
  double pf;
};

TEST(next, ReadsLineByLine) {
  const std::vector<tNEXTROW> rows = {
      {"projeto-coord{", true, "projeto-coord{", "projeto-coord{", "", 0, 0},
      {"\ttensaon 13,80", true, "tensaon 13,80", "tensaon", "13,80", 0, 13.8},
      {"\tvisible 1", true, "visible 1", "visible", "1", 1, 1},
      {"\t\tcolor 16711680", true, "color 16711680", "color", "16711680", 16711680, 16711680},
      {"", true, "", "", "", 0, 0},
      {"\tcaption \"Sub 1\" 3", true, "caption \"Sub 1\" 3", "caption", "Sub 1", 0, 0},
      {"\tkva -225.5", true, "kva -225.5", "kva", "-225.5", 0, -225.5},
      // a closer with blanks is no closer; with tabs it is
      {" }", true, " }", "}", "", 0, 0},
      {"\t\t}", false, "}", "}", "", 0, 0},
      {"}\t", false, "}", "}", "", 0, 0},
      // blanks after an opener or a closer are dropped; after a key they stay
      {"ajuste-trafo{ ", true, "ajuste-trafo{", "ajuste-trafo{", "", 0, 0},
      {"} \t ", false, "}", "}", "", 0, 0},
      {"caption \"a{\" ", true, "caption \"a{\" ", "caption", "a{", 0, 0},
      {"}", false, "}", "}", "", 0, 0},
  };
  tSTRINGARQ a;
  for (const auto& r : rows) a.add(r.raw);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    const auto& r = rows[k];
    SCOPED_TRACE("line [" + r.raw + "]");
    EXPECT_EQ(a.next(), r.ret);
    EXPECT_EQ(a.linenumber, static_cast<int>(k + 1));
    EXPECT_EQ(a.line, r.line);
    EXPECT_EQ(a.cmd, r.cmd);
    EXPECT_EQ(a.ps, r.ps);
    EXPECT_EQ(a.pi, r.pi);
    EXPECT_DOUBLE_EQ(a.pf, r.pf);
  }
  EXPECT_EQ(a.eop, false);
}

TEST(next, EndOfDataKeepsTheLastLine) {
  tSTRINGARQ a;
  a.add("\tkva 225.000");
  EXPECT_EQ(a.next(), true);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(a.next(), false) << "call " << k;
    EXPECT_EQ(a.linenumber, 1);
    EXPECT_EQ(a.line, "kva 225.000");
    EXPECT_EQ(a.cmd, "kva");
    EXPECT_EQ(a.ps, "225.000");
    EXPECT_EQ(a.pi, 0);
    EXPECT_DOUBLE_EQ(a.pf, 225.0);
  }

  tSTRINGARQ empty;
  EXPECT_EQ(empty.next(), false);
  EXPECT_EQ(empty.linenumber, 0);
  EXPECT_EQ(empty.line, "");
}

TEST(adds, WritesNestedBlocksWithOneTabPerLevel) {
  tSTRINGARQ a;
  a.adds("projeto-coord{");
  a.adds("tensaon %.2f", 13.8);
  a.adds("ajuste-trafo{");
  a.adds("header{");
  a.adds("caption \"%s\"", "Principal");
  a.adds("visible %d", 1);
  a.adds("color %d", 16711680);
  a.adds("obs \"%s\"", "");
  a.adds("}");
  a.adds("kva %.3f", 225.0);
  a.adds("zp %.3f", 5.0);
  a.adds("postext %d", 2);
  a.adds("}");
  a.adds("}");
  const std::vector<std::string> expected = {
      "projeto-coord{",
      "\ttensaon 13.80",
      "\tajuste-trafo{",
      "\t\theader{",
      "\t\t\tcaption \"Principal\"",
      "\t\t\tvisible 1",
      "\t\t\tcolor 16711680",
      "\t\t\tobs \"\"",
      "\t\t}",
      "\t\tkva 225.000",
      "\t\tzp 5.000",
      "\t\tpostext 2",
      "\t}",
      "}",
  };
  EXPECT_EQ(a.lines(), expected);
  EXPECT_EQ(a.level, 0);
}

struct tADDSROW {
  int level;         // before
  std::string text;  // what adds writes (no arguments)
  std::string line;  // the line appended
  int after;         // level after
};

TEST(adds, LevelMovesOnlyByTheFormatsBraces) {
  const std::vector<tADDSROW> rows = {
      {0, "}", "}", -1},
      {-1, "x", "x", -1},
      {-1, "a{", "a{", 0},
      {2, "}", "\t}", 1},
      {1, "}{", "}{", 1},
      {0, "a{b{", "a{b{", 2},
      {3, "100%%", "\t\t\t100%", 3},
      // a stray "%" in a line without arguments is written as it is
      {0, "carga 50% da nominal", "carga 50% da nominal", 0},
      {0, "fim %", "fim %", 0},
      {0, "%d", "%d", 0},
  };
  for (const auto& r : rows) {
    tSTRINGARQ a;
    a.level = r.level;
    a.adds(r.text);
    ASSERT_EQ(a.count(), 1) << r.text;
    EXPECT_EQ(a[0], r.line) << "level " << r.level << " text [" << r.text << "]";
    EXPECT_EQ(a.level, r.after) << "level " << r.level << " text [" << r.text << "]";
  }
}

TEST(adds, BracesInsideValuesDoNotCount) {
  tSTRINGARQ a;
  a.level = 1;
  a.adds("caption \"%s\"", "a{b}}{ c");
  EXPECT_EQ(a[0], "\tcaption \"a{b}}{ c\"");
  EXPECT_EQ(a.level, 1);
  a.adds("obs \"%s\" %d", "100% {", 3);
  EXPECT_EQ(a[1], "\tobs \"100% {\" 3");
  EXPECT_EQ(a.level, 1);
}

TEST(adds, DecimalPointDoesNotFollowTheLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  if (!std::setlocale(LC_ALL, "pt_BR.UTF-8") && !std::setlocale(LC_ALL, "pt_BR.utf8"))
    GTEST_SKIP() << "locale pt_BR indisponível";
  tSTRINGARQ a;
  a.adds("kva %.3f", 225.5);
  a.adds("pares %.2f %.2f", 1.25, 2.5);
  a.adds("x %f", 0.5);
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(a[0], "kva 225.500");
  EXPECT_EQ(a[1], "pares 1.25 2.50");
  EXPECT_EQ(a[2], "x 0.500000");
}

TEST(stringarq, SaveAndLoadGiveTheSameBlocks) {
  const std::string path =
      (std::filesystem::temp_directory_path() /
       ("tarvinel-stringarq-" + std::to_string(static_cast<long>(::getpid())) + ".coord"))
          .string();
  tSTRINGARQ w;
  w.adds("projeto-coord{");
  w.adds("caption \"%s\"", "Subestação 13,8 kV – relé 50/51 µ°");
  w.adds("obs \"%s\"", "Δ→ fora da página de código");
  w.adds("kva %.3f", 500.0);
  w.adds("}");
  w.savetofile(path);

  tSTRINGARQ r;
  r.loadfromfile(path);
  std::filesystem::remove(path);
  EXPECT_EQ(r.lines(), w.lines());
  std::vector<std::string> values;
  while (r.next()) values.push_back(r.ps);
  const std::vector<std::string> expected = {"", "Subestação 13,8 kV – relé 50/51 µ°",
                                             "Δ→ fora da página de código", "500.000"};
  EXPECT_EQ(values, expected);
  EXPECT_EQ(r.line, "}");
}

}  // namespace
