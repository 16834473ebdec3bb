// The manual's tables of the curve and fuse-link catalogues, written from the
// engine's own data: the equations and constants calc evaluates, the F6
// tables, the groups of the curve browser and the fuse-link catalogue.
//
// Numbers are written with a decimal point, as the program writes them; the
// catalogue's constants and points in their shortest exact form, so that
// what the manual prints is what the program computes with.

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "core/curves/elofusivel.h"
#include "core/curves/f6.h"
#include "core/curves/freliga.h"
#include "manual/conteudo.h"

namespace tarvinel::manual {

namespace {

// The shortest text that reads back as exactly x.
std::string exato(double x) {
  return fmt::format("{}", x);
}

// Four significant digits, never in exponent form.
std::string sig4(double x) {
  if (x == 0 || !std::isfinite(x)) return exato(x);
  const int mag = static_cast<int>(std::floor(std::log10(std::fabs(x))));
  const int dec = std::max(0, 3 - mag);
  return fmt::format("{:.{}f}", x, dec);
}

std::string linha(const std::vector<std::string>& celulas) {
  std::string s = "|";
  for (const std::string& c : celulas) s += " " + c + " |";
  return s + "\n";
}

std::string cabecalho(const std::vector<std::string>& titulos) {
  std::string s = linha(titulos) + "|";
  for (std::size_t i = 0; i < titulos.size(); ++i) s += "---|";
  return s + "\n";
}

// The browser groups a curve name stands in, joined by ", ".
std::string grupos_de(const std::string& nome) {
  std::string r;
  for (const tGRUPO_CURVAS& g : curvegroups()) {
    if (std::find(g.curvas.begin(), g.curvas.end(), nome) == g.curvas.end()) continue;
    if (!r.empty()) r += ", ";
    r += g.nome;
  }
  return r.empty() ? "—" : r;
}

// One equation form of the catalogue: its formula, where it gives a time,
// and which constants its table shows.
struct tFORMA_TXT {
  char forma;
  const char* titulo;
  const char* equacao;
  const char* validade;
  std::vector<char> constantes;  // 'A', 'B', 'p', 'C', 'D', 'E'
};

const std::vector<tFORMA_TXT>& formas() {
  static const std::vector<tFORMA_TXT> f = {
      {'I', "Forma I", "t = DT · A / (M^p − 1)", "tempo só para M > 1", {'A', 'p'}},
      {'U', "Forma U", "t = DT · (A / (M^p − 1) + B)", "tempo só para M > 1", {'A', 'B', 'p'}},
      {'P',
       "Forma P",
       "t = DT · (A + B/d + D/d² + E/d³), com d = M − C",
       "tempo para M > C, também abaixo de M = 1",
       {'A', 'B', 'C', 'D', 'E'}},
      {'R', "Forma R", "t = DT / (A − B/M)", "tempo só onde A − B/M > 0", {'A', 'B'}},
      {'T', "Forma T", "t = DT · A / M^p", "tempo para M ≥ 1; em M = 1, t = DT · A", {'A', 'p'}},
  };
  return f;
}

double constante(const tEQUACAO_CURVA& q, char c) {
  switch (c) {
    case 'A':
      return q.a;
    case 'B':
      return q.b;
    case 'p':
      return q.p;
    case 'C':
      return q.c;
    case 'D':
      return q.d;
    case 'E':
      return q.e;
    default:
      return 0;
  }
}

// Every built-in curve, by equation form: the formula, then a table with the
// browser group and the constants of each curve in catalogue order.
std::string tabela_curvas() {
  std::string s;
  for (const tFORMA_TXT& f : formas()) {
    std::vector<std::string> titulos = {"Curva", "Grupo no navegador"};
    for (char c : f.constantes) titulos.emplace_back(1, c);
    std::string tab = cabecalho(titulos);
    int n = 0;
    for (const std::string& nome : curvenames()) {
      const auto q = equacao_curva(nome);
      if (!q || q->forma != f.forma) continue;
      std::vector<std::string> cel = {nome, grupos_de(nome)};
      for (char c : f.constantes) cel.push_back(exato(constante(*q, c)));
      tab += linha(cel);
      ++n;
    }
    if (n == 0) continue;
    s += fmt::format("**{}:** `{}` ({}).\n\n", f.titulo, f.equacao, f.validade);
    s += tab + "\n";
  }

  // The point tables: the names only; their points are in the F6 table.
  std::vector<std::string> f6;
  for (const std::string& nome : curvenames()) {
    const auto q = equacao_curva(nome);
    if (q && q->forma == 'F') f6.push_back(nome);
  }
  if (!f6.empty()) {
    std::string nomes;
    for (const std::string& n : f6) nomes += (nomes.empty() ? "" : ", ") + n;
    s += fmt::format(
        "**Forma F:** `t = DT · T(M)`, T(M) interpolado na tabela de 16 pontos da curva (sem "
        "tempo fora da tabela). Grupo no navegador {}: {}.\n",
        grupos_de(f6.front()), nomes);
  }
  return s;
}

// Check values: the time of every built-in curve at a few multiples, dial 1,
// as the program computes it.
constexpr double kMULTIPLOS[] = {1.5, 2, 5, 10, 20};

std::string tabela_tempos() {
  std::vector<std::string> titulos = {"Curva"};
  for (double m : kMULTIPLOS) titulos.push_back("M = " + exato(m));
  std::string s = cabecalho(titulos);
  for (const std::string& nome : curvenames()) {
    tFRELIGA f;
    f.reset();
    f.nom_cur = nome;
    f.cor_par = 1;
    f.dt = 1;
    std::vector<std::string> cel = {nome};
    for (double m : kMULTIPLOS) {
      const double t = f.calc(m, false);
      cel.push_back(t > 0 ? sig4(t) : "—");
    }
    s += linha(cel);
  }
  return s;
}

// The curve browser's tree.
std::string tabela_navegador() {
  std::string s = cabecalho({"Grupo", "Curvas"});
  for (const tGRUPO_CURVAS& g : curvegroups()) {
    std::string nomes;
    for (const std::string& c : g.curvas) nomes += (nomes.empty() ? "" : ", ") + c;
    s += linha({g.nome, nomes});
  }
  s += linha({"CUSTOM", "as curvas do usuário, na ordem da lista"});
  return s;
}

// The F6 tables, three side by side: point, then current and time of each.
std::string tabela_f6() {
  const auto& t = f6tables();
  std::string s;
  // The pickup and dial the tables were drawn for, when all share them.
  const bool iguais = std::all_of(t.begin(), t.end(), [&](const tUSERCURVE& u) {
    return u.ip == t.front().ip && u.dt == t.front().dt;
  });
  if (iguais) {
    s += fmt::format(
        "Correntes I em A para a corrente de partida de {} A (múltiplo M = I / {}), tempos t em "
        "s no dial {}.\n\n",
        exato(t.front().ip), exato(t.front().ip), exato(t.front().dt));
  }
  constexpr std::size_t kPOR_TABELA = 3;
  for (std::size_t k0 = 0; k0 < t.size(); k0 += kPOR_TABELA) {
    const std::size_t k1 = std::min(t.size(), k0 + kPOR_TABELA);
    std::vector<std::string> titulos = {"Ponto"};
    for (std::size_t k = k0; k < k1; ++k) {
      const std::string nome = "F6-" + t[k].nom;
      titulos.push_back(nome + " I [A]");
      titulos.push_back(nome + " t [s]");
    }
    s += cabecalho(titulos);
    for (std::size_t i = 0; i < t.front().amp.size(); ++i) {
      // Numbered from 1, as the rows of the user-curve editor.
      std::vector<std::string> cel = {std::to_string(i + 1)};
      for (std::size_t k = k0; k < k1; ++k) {
        cel.push_back(exato(t[k].amp[i]));
        cel.push_back(exato(t[k].tim[i]));
      }
      s += linha(cel);
    }
    s += "\n";
  }
  return s;
}

// The chooser hides every name with "max" in it.
bool eh_max(const std::string& elo) {
  return elo.find("max") != std::string::npos;
}

// The link a "-max" curve belongs to; nullptr when the name has no "-max"
// suffix or the catalogue has no such link.
const tELO_CURVA* elo_base(const tELO_LISTA& cat, const std::string& elo) {
  constexpr std::string_view kSUFIXO = "-max";
  if (!elo.ends_with(kSUFIXO)) return nullptr;
  return cat.find(std::string_view(elo).substr(0, elo.size() - kSUFIXO.size()));
}

// "mínimo – máximo" of the currents or of the times of a curve.
std::string faixa(const tELO_CURVA& c, bool corrente) {
  const auto& p = c.pontos();
  if (p.empty()) return "—";
  double lo = corrente ? p.front().cor : p.front().tem;
  double hi = lo;
  for (const tELO_PONTO& x : p) {
    const double v = corrente ? x.cor : x.tem;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
  }
  return exato(lo) + " – " + exato(hi);
}

// The fuse-link catalogue, one table per group: each link as the chooser
// lists it, with its curve and its "-max" companion.
std::string tabela_elos() {
  const tELO_LISTA& cat = elolista();
  std::size_t pontos = 0;
  for (std::size_t i = 0; i < cat.size(); ++i) pontos += cat.at(i).pontos().size();
  std::string s = fmt::format(
      "{} curvas em {} grupos, {} pontos ao todo. Correntes em A e tempos em s, do menor ao "
      "maior valor da curva.\n\n",
      cat.size(), cat.grupos().size(), pontos);
  for (const std::string& g : cat.grupos()) {
    std::string tab = cabecalho({"Elo", "Pontos", "Corrente [A]", "Tempo [s]", "Pontos -max",
                                 "Corrente -max [A]", "Tempo -max [s]"});
    int linhas = 0;
    std::string vazias;
    for (std::size_t i = 0; i < cat.size(); ++i) {
      const tELO_CURVA& c = cat.at(i);
      if (c.grp != g) continue;
      // A "-max" curve goes on its link's row; one without its link gets a
      // row of its own.
      if (elo_base(cat, c.elo) != nullptr) continue;
      if (c.pontos().empty()) {
        vazias += (vazias.empty() ? "" : ", ") + ("\"" + c.elo + "\"");
        continue;
      }
      std::vector<std::string> cel = {c.elo, std::to_string(c.pontos().size()), faixa(c, true),
                                      faixa(c, false)};
      const tELO_CURVA* m = eh_max(c.elo) ? nullptr : cat.find(c.elo + "-max");
      if (m != nullptr) {
        cel.push_back(std::to_string(m->pontos().size()));
        cel.push_back(faixa(*m, true));
        cel.push_back(faixa(*m, false));
      } else {
        cel.insert(cel.end(), {"—", "—", "—"});
      }
      tab += linha(cel);
      ++linhas;
    }
    s += "**" + g + "**";
    if (!vazias.empty()) s += ": " + vazias + ", curva sem pontos (nenhum elo)";
    s += linhas > 0 ? "\n\n" + tab + "\n" : ".\n\n";
  }
  return s;
}

// The fuse-link chooser's tree: each group with its links, "-max" curves
// left out as the chooser leaves them out.
std::string tabela_elos_lista() {
  const tELO_LISTA& cat = elolista();
  std::string s = cabecalho({"Grupo", "Elos"});
  for (const std::string& g : cat.grupos()) {
    std::string nomes;
    for (std::size_t i = 0; i < cat.size(); ++i) {
      const tELO_CURVA& c = cat.at(i);
      if (c.grp != g || eh_max(c.elo)) continue;
      nomes += (nomes.empty() ? "" : ", ") + c.elo;
    }
    s += linha({g, nomes});
  }
  return s;
}

}  // namespace

tTEXTOS tabelas_curvas() {
  return {
      {"curvas", tabela_curvas()},
      {"curvas_tempos", tabela_tempos()},
      {"curvas_navegador", tabela_navegador()},
      {"f6", tabela_f6()},
      {"elos", tabela_elos()},
      {"elos_lista", tabela_elos_lista()},
  };
}

}  // namespace tarvinel::manual
