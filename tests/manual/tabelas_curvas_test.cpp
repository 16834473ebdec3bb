// The manual's curve and fuse-link tables read back against the engine: what
// an engineer would recompute from the printed page must give the program's
// own times and points.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/curves/elofusivel.h"
#include "core/curves/f6.h"
#include "core/curves/freliga.h"
#include "manual/conteudo.h"
#include "manual/expande.h"

using namespace tarvinel;
using namespace tarvinel::manual;

namespace {

using tLINHA = std::vector<std::string>;

std::string apara(const std::string& s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

bool comeca(const std::string& s, const std::string& p) {
  return s.rfind(p, 0) == 0;
}

std::vector<std::string> linhas(const std::string& texto) {
  std::vector<std::string> r;
  std::istringstream in(texto);
  for (std::string l; std::getline(in, l);) r.push_back(l);
  return r;
}

// The cells of a table row "| a | b |"; empty for any other line and for the
// "|---|" rule.
tLINHA celulas(const std::string& l) {
  if (!comeca(l, "|") || comeca(l, "|---")) return {};
  tLINHA c;
  std::size_t p = 1;
  for (std::size_t q; (q = l.find('|', p)) != std::string::npos; p = q + 1)
    c.push_back(apara(l.substr(p, q - p)));
  return c;
}

// A table of a block: its title row and its data rows, tables taken in order.
struct tTABELA {
  std::string antes;  // the last non-table line before the table
  tLINHA titulos;
  std::vector<tLINHA> dados;
};

std::vector<tTABELA> tabelas(const std::string& bloco) {
  std::vector<tTABELA> r;
  std::string antes;
  bool dentro = false;
  for (const std::string& l : linhas(bloco)) {
    if (comeca(l, "|---")) continue;
    const tLINHA c = celulas(l);
    if (c.empty()) {
      dentro = false;
      if (!apara(l).empty()) antes = l;
      continue;
    }
    if (!dentro) {
      r.push_back({antes, c, {}});
      dentro = true;
    } else {
      EXPECT_EQ(c.size(), r.back().titulos.size()) << l;
      r.back().dados.push_back(c);
    }
  }
  return r;
}

double numero(const std::string& s) {
  char* fim = nullptr;
  const double v = std::strtod(s.c_str(), &fim);
  EXPECT_TRUE(!s.empty() && *fim == '\0') << "não é número: \"" << s << "\"";
  return v;
}

// "lo – hi" of the fuse-link table.
std::pair<double, double> faixa(const std::string& s) {
  const std::string sep = " – ";
  const auto p = s.find(sep);
  EXPECT_NE(p, std::string::npos) << s;
  if (p == std::string::npos) return {0, 0};
  return {numero(s.substr(0, p)), numero(s.substr(p + sep.size()))};
}

const std::string& bloco(const std::string& nome) {
  static const tTEXTOS t = tabelas_curvas();
  const auto it = t.find(nome);
  if (it == t.end()) {
    ADD_FAILURE() << "sem a tabela " << nome;
    static const std::string vazio;
    return vazio;
  }
  return it->second;
}

tFRELIGA funcao(const std::string& nome, double dt) {
  tFRELIGA f;
  f.reset();
  f.nom_cur = nome;
  f.cor_par = 100;
  f.dt = dt;
  return f;
}

// The equation of a form as the manual prints it, computed from the printed
// constants, before the dial; 0 where the manual says there is no time.
struct tFORMA {
  const char* formula;  // as printed after "**Forma X:**"
  double (*t)(const std::map<std::string, double>& k, double m);
};

const std::map<char, tFORMA>& formas() {
  static const std::map<char, tFORMA> f = {
      {'I',
       {"`t = DT · A / (M^p − 1)`",
        [](const std::map<std::string, double>& k, double m) {
          return m > 1 ? k.at("A") / (std::pow(m, k.at("p")) - 1) : 0.0;
        }}},
      {'U',
       {"`t = DT · (A / (M^p − 1) + B)`",
        [](const std::map<std::string, double>& k, double m) {
          return m > 1 ? k.at("A") / (std::pow(m, k.at("p")) - 1) + k.at("B") : 0.0;
        }}},
      {'P',
       {"`t = DT · (A + B/d + D/d² + E/d³), com d = M − C`",
        [](const std::map<std::string, double>& k, double m) {
          const double d = m - k.at("C");
          return d > 0 ? k.at("A") + k.at("B") / d + k.at("D") / (d * d) + k.at("E") / (d * d * d)
                       : 0.0;
        }}},
      {'R',
       {"`t = DT / (A − B/M)`",
        [](const std::map<std::string, double>& k, double m) {
          const double q = k.at("A") - k.at("B") / m;
          return q > 0 ? 1 / q : 0.0;
        }}},
      {'T',
       {"`t = DT · A / M^p`",
        [](const std::map<std::string, double>& k, double m) {
          return m >= 1 ? k.at("A") / std::pow(m, k.at("p")) : 0.0;
        }}},
  };
  return f;
}

std::string le_arquivo(const std::string& caminho) {
  std::ifstream in(caminho, std::ios::binary);
  EXPECT_TRUE(in.good()) << caminho;
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(ManualCurvas, ConstantesImpressasReproduzemOsTemposDoPrograma) {
  const std::string& b = bloco("curvas");
  std::set<std::string> vistas;
  const std::vector<double> multiplos = {0.5, 0.7, 0.9, 1,  1.0001, 1.05, 1.5,
                                         2,   3.3, 7,   10, 20,     40};
  for (const tTABELA& t : tabelas(b)) {
    ASSERT_TRUE(comeca(t.antes, "**Forma ")) << t.antes;
    const char letra = t.antes[8];
    ASSERT_TRUE(formas().count(letra)) << t.antes;
    const tFORMA& forma = formas().at(letra);
    EXPECT_NE(t.antes.find(forma.formula), std::string::npos) << t.antes;
    ASSERT_GE(t.titulos.size(), 3u);
    EXPECT_EQ(t.titulos[0], "Curva");
    for (const tLINHA& l : t.dados) {
      EXPECT_TRUE(vistas.insert(l[0]).second) << l[0] << " repetida";
      std::map<std::string, double> k;
      for (std::size_t i = 2; i < l.size(); ++i) k[t.titulos[i]] = numero(l[i]);
      for (double dt : {1.0, 0.05, 0.37}) {
        for (double m : multiplos) {
          const double esperado = funcao(l[0], dt).calc(100 * m, false);
          const double impresso = dt * forma.t(k, m);
          EXPECT_NEAR(impresso, esperado, 1e-9 * std::max(1.0, esperado))
              << l[0] << " M = " << m << " DT = " << dt;
        }
      }
    }
  }
  // The tables' rows and the F6 line name every built-in curve once.
  const std::string linha_f = b.substr(b.find("**Forma F:**"));
  for (const std::string& n : curvenames()) {
    if (n.rfind("F6-", 0) == 0) {
      EXPECT_EQ(vistas.count(n), 0u) << n;
      EXPECT_NE(linha_f.find(" " + n + (n == curvenames().back() ? "." : ",")), std::string::npos)
          << n;
    } else {
      EXPECT_EQ(vistas.count(n), 1u) << n << " fora da tabela";
    }
  }
  EXPECT_EQ(vistas.size() + f6tables().size(), curvenames().size());
}

TEST(ManualCurvas, GrupoDoNavegadorDeCadaCurva) {
  std::map<std::string, std::string> grupo;
  for (const tGRUPO_CURVAS& g : curvegroups())
    for (const std::string& c : g.curvas) grupo[c] += (grupo[c].empty() ? "" : ", ") + g.nome;
  for (const tTABELA& t : tabelas(bloco("curvas")))
    for (const tLINHA& l : t.dados) EXPECT_EQ(l[1], grupo[l[0]]) << l[0];

  // The browser's tree as the manual shows it: every group in order, and
  // every built-in curve reachable from it.
  const auto nav = tabelas(bloco("curvas_navegador"));
  ASSERT_EQ(nav.size(), 1u);
  ASSERT_EQ(nav[0].dados.size(), curvegroups().size() + 1);
  for (std::size_t i = 0; i < curvegroups().size(); ++i) {
    EXPECT_EQ(nav[0].dados[i][0], curvegroups()[i].nome);
  }
  EXPECT_EQ(nav[0].dados.back()[0], "CUSTOM");
  for (const std::string& n : curvenames())
    EXPECT_TRUE(grupo.count(n)) << n << " fora do navegador";
}

TEST(ManualCurvas, TemposDeVerificacao) {
  const auto t = tabelas(bloco("curvas_tempos"));
  ASSERT_EQ(t.size(), 1u);
  ASSERT_EQ(t[0].dados.size(), curvenames().size());
  for (std::size_t r = 0; r < t[0].dados.size(); ++r) {
    const tLINHA& l = t[0].dados[r];
    EXPECT_EQ(l[0], curvenames()[r]);
    for (std::size_t c = 1; c < l.size(); ++c) {
      ASSERT_TRUE(comeca(t[0].titulos[c], "M = "));
      const double m = numero(t[0].titulos[c].substr(4));
      const double esperado = funcao(l[0], 1).calc(100 * m, false);
      if (l[c] == "—") {
        EXPECT_LE(esperado, 0) << l[0] << " M = " << m;
      } else {
        // Four significant digits.
        EXPECT_NEAR(numero(l[c]), esperado, 5.01e-4 * esperado) << l[0] << " M = " << m;
      }
    }
  }
}

TEST(ManualCurvas, TabelasF6PontoAPonto) {
  const std::string& b = bloco("f6");
  EXPECT_NE(b.find("partida de 100 A"), std::string::npos);
  EXPECT_NE(b.find("no dial 1."), std::string::npos);
  std::map<std::string, std::pair<std::vector<double>, std::vector<double>>> lidas;
  for (const tTABELA& t : tabelas(b)) {
    EXPECT_LE(t.titulos.size(), 7u);
    for (std::size_t c = 1; c + 1 < t.titulos.size(); c += 2) {
      const std::string nome = t.titulos[c].substr(0, t.titulos[c].find(' '));
      EXPECT_EQ(t.titulos[c], nome + " I [A]");
      EXPECT_EQ(t.titulos[c + 1], nome + " t [s]");
      ASSERT_EQ(t.dados.size(), 16u);
      for (std::size_t r = 0; r < t.dados.size(); ++r) {
        EXPECT_EQ(t.dados[r][0], std::to_string(r + 1));
        lidas[nome].first.push_back(numero(t.dados[r][c]));
        lidas[nome].second.push_back(numero(t.dados[r][c + 1]));
      }
    }
  }
  ASSERT_EQ(lidas.size(), f6tables().size());
  for (const tUSERCURVE& u : f6tables()) {
    const auto& [amp, tim] = lidas["F6-" + u.nom];
    ASSERT_EQ(amp.size(), 16u) << u.nom;
    for (std::size_t i = 0; i < 16; ++i) {
      EXPECT_EQ(amp[i], u.amp[i]) << u.nom << " ponto " << i + 1;
      EXPECT_EQ(tim[i], u.tim[i]) << u.nom << " ponto " << i + 1;
    }
    EXPECT_EQ(u.ip, 100);
    EXPECT_EQ(u.dt, 1);
  }
}

TEST(ManualElos, CadaEloComSeusPontosEFaixas) {
  const tELO_LISTA& cat = elolista();
  const std::string& b = bloco("elos");
  std::set<std::string> listadas;
  auto confere = [&](const std::string& nome, const std::string& n, const std::string& cor,
                     const std::string& tem) {
    const tELO_CURVA* c = cat.find(nome);
    ASSERT_NE(c, nullptr) << nome;
    EXPECT_TRUE(listadas.insert(nome).second) << nome;
    EXPECT_EQ(numero(n), static_cast<double>(c->pontos().size())) << nome;
    double cmin = 1e300, cmax = 0, tmin = 1e300, tmax = 0;
    for (const tELO_PONTO& p : c->pontos()) {
      cmin = std::min(cmin, p.cor), cmax = std::max(cmax, p.cor);
      tmin = std::min(tmin, p.tem), tmax = std::max(tmax, p.tem);
    }
    EXPECT_EQ(faixa(cor), std::make_pair(cmin, cmax)) << nome;
    EXPECT_EQ(faixa(tem), std::make_pair(tmin, tmax)) << nome;
  };
  for (const tTABELA& t : tabelas(b)) {
    EXPECT_LE(t.titulos.size(), 7u);
    ASSERT_TRUE(comeca(t.antes, "**") && t.antes.size() > 4) << t.antes;
    const std::string grupo = t.antes.substr(2, t.antes.size() - 4);
    for (const tLINHA& l : t.dados) {
      ASSERT_EQ(l.size(), 7u);
      ASSERT_NE(cat.find(l[0]), nullptr) << l[0];
      EXPECT_EQ(cat.find(l[0])->grp, grupo) << l[0];
      confere(l[0], l[1], l[2], l[3]);
      if (l[4] == "—") {
        EXPECT_EQ(cat.find(l[0] + "-max"), nullptr) << l[0];
      } else {
        confere(l[0] + "-max", l[4], l[5], l[6]);
      }
    }
  }
  // Every curve of the catalogue, the empty "null" of "Nenhum" in words.
  for (std::size_t i = 0; i < cat.size(); ++i) {
    const tELO_CURVA& c = cat.at(i);
    if (c.pontos().empty()) {
      EXPECT_NE(b.find("**" + c.grp + "**: \"" + c.elo + "\", curva sem pontos"),
                std::string::npos);
    } else {
      EXPECT_EQ(listadas.count(c.elo), 1u) << c.elo << " fora da tabela";
    }
  }
  std::size_t pontos = 0;
  for (std::size_t i = 0; i < cat.size(); ++i) pontos += cat.at(i).pontos().size();
  EXPECT_TRUE(comeca(b, std::to_string(cat.size()) + " curvas em " +
                            std::to_string(cat.grupos().size()) + " grupos, " +
                            std::to_string(pontos) + " pontos"));
}

TEST(ManualElos, ListaDoSeletor) {
  const tELO_LISTA& cat = elolista();
  const auto t = tabelas(bloco("elos_lista"));
  ASSERT_EQ(t.size(), 1u);
  ASSERT_EQ(t[0].dados.size(), cat.grupos().size());
  std::size_t n = 0;
  for (std::size_t g = 0; g < cat.grupos().size(); ++g) {
    EXPECT_EQ(t[0].dados[g][0], cat.grupos()[g]);
    std::string esperado;
    for (std::size_t i = 0; i < cat.size(); ++i) {
      const tELO_CURVA& c = cat.at(i);
      if (c.grp != cat.grupos()[g] || c.elo.find("max") != std::string::npos) continue;
      esperado += (esperado.empty() ? "" : ", ") + c.elo;
      ++n;
    }
    EXPECT_EQ(t[0].dados[g][1], esperado);
  }
  // Every curve is either offered by the chooser or the "-max" companion of
  // one that is.
  for (std::size_t i = 0; i < cat.size(); ++i) {
    const std::string& e = cat.at(i).elo;
    if (e.size() > 4 && e.ends_with("-max")) {
      EXPECT_NE(cat.find(e.substr(0, e.size() - 4)), nullptr) << e;
      ++n;
    }
  }
  EXPECT_EQ(n, cat.size());
}

// The worked examples the chapter writes out by hand.
TEST(ManualCurvas, ExemplosDoCapitulo) {
  const std::string texto = le_arquivo(TARVINEL_SOURCE_DIR "/docs/manual/05-curvas.md");
  tFRELIGA f6 = funcao("F6-112", 1);
  EXPECT_NEAR(f6.calc(200, false), 0.5632, 5e-5);
  EXPECT_NE(texto.find("log₂(4/3) = 0.5632 s"), std::string::npos);
  // The two F6-112 points around 200 A, as the example quotes them.
  const tUSERCURVE& t = f6tables()[0];
  EXPECT_EQ(t.nom, "112");
  EXPECT_EQ(t.amp[3], 190);
  EXPECT_EQ(t.tim[3], 0.635);
  EXPECT_EQ(t.amp[4], 220);
  EXPECT_EQ(t.tim[4], 0.462);
  EXPECT_NE(texto.find("entre os pontos 4, 190 A e 0.635 s, e 5, 220 A e 0.462 s"),
            std::string::npos);
  EXPECT_NEAR(funcao("ANSI90-EI", 1).calc(90, false), 30.7, 0.05);
  EXPECT_NE(texto.find("cerca de 30.7 s · DT em M = 0.9"), std::string::npos);
  EXPECT_NEAR(0.236 / 0.339, 0.696, 5e-4);
  EXPECT_EQ(funcao("IT", 1).calc(100, false), 60);
  EXPECT_EQ(funcao("I2T", 1).calc(100, false), 540);
}

TEST(ManualCurvas, CapitulosUsamSoTabelasQueExistemEResolvem) {
  const std::string pasta = TARVINEL_SOURCE_DIR "/docs/manual/";
  const tTEXTOS tab = todas_tabelas();
  std::set<std::string> usadas;
  for (const char* arquivo : {"05-curvas.md", "06-elos.md"}) {
    const std::string texto = le_arquivo(pasta + arquivo);
    for (std::size_t p = 0; (p = texto.find("{{tabela:", p)) != std::string::npos; ++p) {
      const auto fim = texto.find("}}", p);
      ASSERT_NE(fim, std::string::npos) << arquivo;
      const std::string nome = texto.substr(p + 9, fim - p - 9);
      EXPECT_TRUE(tab.count(nome)) << arquivo << ": " << nome;
      usadas.insert(nome);
    }
    const tMANUAL m = expande({{arquivo, texto}}, todos_valores(), tab);
    EXPECT_TRUE(m.erros.empty()) << arquivo << ": " << (m.erros.empty() ? "" : m.erros.front());
  }
  // Every curve table this library makes has its place in the two chapters.
  for (const auto& [nome, texto] : tabelas_curvas()) EXPECT_TRUE(usadas.count(nome)) << nome;

  const std::string curvas = le_arquivo(pasta + "05-curvas.md");
  EXPECT_TRUE(comeca(curvas, "# Curvas de tempo-corrente\n"));
  EXPECT_NE(curvas.find("\n## Editor de curva\n"), std::string::npos);
  EXPECT_NE(curvas.find("(tela:editor-curva)"), std::string::npos);
  EXPECT_NE(curvas.find("(tela:curvas)"), std::string::npos);
  const std::string elos = le_arquivo(pasta + "06-elos.md");
  EXPECT_TRUE(comeca(elos, "# Elos fusíveis\n"));
  EXPECT_NE(elos.find("(tela:elos)"), std::string::npos);
}
