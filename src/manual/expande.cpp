#include "manual/expande.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "core/foundation/arquivo.h"

namespace tarvinel::manual {

namespace {

namespace fs = std::filesystem;

std::string apara(const std::string& s) {
  const auto a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return {};
  const auto b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

bool cerca(const std::string& linha) {
  const std::string t = apara(linha);
  return t.rfind("```", 0) == 0 || t.rfind("~~~", 0) == 0;
}

bool comeca(const std::string& s, const char* p) {
  return s.rfind(p, 0) == 0;
}

// A screenshot line: "![Legenda](tela:nome)" alone on its line.
bool figura(const std::string& linha, std::string& legenda, std::string& nome) {
  const std::string t = apara(linha);
  if (!comeca(t, "![")) return false;
  const auto fim = t.find("](tela:");
  if (fim == std::string::npos || t.back() != ')') return false;
  legenda = t.substr(2, fim - 2);
  nome = t.substr(fim + 7, t.size() - fim - 8);
  return !nome.empty();
}

class tEXPANSOR {
 public:
  tEXPANSOR(const tTEXTOS& ex, const tTEXTOS& tabelas) : ex_(ex), tabelas_(tabelas) {}

  void capitulo(const tCAPITULO& c) {
    arquivo_ = c.arquivo;
    bool codigo = false;
    std::size_t ini = 0;
    int nlinha = 0;
    while (ini <= c.texto.size()) {
      std::size_t fim = c.texto.find('\n', ini);
      if (fim == std::string::npos) fim = c.texto.size();
      std::string linha = c.texto.substr(ini, fim - ini);
      if (!linha.empty() && linha.back() == '\r') linha.pop_back();
      ++nlinha;
      linha_ = nlinha;
      if (cerca(linha)) {
        codigo = !codigo;
        sai(linha);
      } else if (codigo) {
        sai(valores(linha));
      } else {
        texto(linha);
      }
      if (fim == c.texto.size()) break;
      ini = fim + 1;
    }
    if (codigo) erro("bloco de código sem fechamento");
    sai("");
  }

  tMANUAL resultado() { return std::move(r_); }

 private:
  void texto(const std::string& linha) {
    std::string legenda, nome;
    const std::string t = apara(linha);
    if (comeca(linha, "# ")) {
      ++ncap_;
      nsec_ = 0;
      sai("# " + std::to_string(ncap_) + ". " + valores(apara(linha.substr(2))));
    } else if (comeca(linha, "## ")) {
      ++nsec_;
      sai("## " + std::to_string(ncap_) + "." + std::to_string(nsec_) + " " +
          valores(apara(linha.substr(3))));
    } else if (figura(linha, legenda, nome)) {
      ++nfig_;
      r_.telas.push_back(nome);
      sai("![" + legenda + "](tela:" + nome + ")");
      sai("");
      sai("*Figura " + std::to_string(nfig_) + " – " + valores(legenda) + "*");
    } else if (comeca(t, "{{tabela:") && t.size() > 11 && t.compare(t.size() - 2, 2, "}}") == 0 &&
               t.find("{{", 2) == std::string::npos) {
      const std::string nome_tab = t.substr(9, t.size() - 11);
      const auto it = tabelas_.find(nome_tab);
      if (it == tabelas_.end()) {
        erro("tabela desconhecida \"" + nome_tab + "\"");
        sai(linha);
      } else {
        sai(it->second);
      }
    } else {
      sai(valores(linha));
    }
  }

  // "{{ex:nome}}" replaced; any other "{{kind:" left in place as a fault.
  std::string valores(const std::string& linha) {
    std::string s;
    std::size_t p = 0;
    while (true) {
      const auto a = linha.find("{{", p);
      if (a == std::string::npos) break;
      const auto b = linha.find("}}", a + 2);
      s += linha.substr(p, a - p);
      if (b == std::string::npos) {
        erro("marcador sem \"}}\"");
        p = a;
        break;
      }
      const std::string dentro = linha.substr(a + 2, b - a - 2);
      if (comeca(dentro, "ex:")) {
        const auto it = ex_.find(dentro.substr(3));
        if (it != ex_.end()) {
          s += it->second;
        } else {
          erro("valor desconhecido \"" + dentro.substr(3) + "\"");
          s += linha.substr(a, b + 2 - a);
        }
      } else if (comeca(dentro, "tabela:")) {
        erro("a tabela \"" + dentro.substr(7) + "\" deve estar sozinha na linha");
        s += linha.substr(a, b + 2 - a);
      } else {
        erro("marcador desconhecido \"{{" + dentro + "}}\"");
        s += linha.substr(a, b + 2 - a);
      }
      p = b + 2;
    }
    s += linha.substr(p);
    return s;
  }

  void sai(const std::string& s) {
    r_.markdown += s;
    r_.markdown += '\n';
  }
  void erro(const std::string& motivo) {
    r_.erros.push_back(arquivo_ + ":" + std::to_string(linha_) + ": " + motivo);
  }

  const tTEXTOS& ex_;
  const tTEXTOS& tabelas_;
  tMANUAL r_;
  std::string arquivo_;
  int linha_ = 0;
  int ncap_ = 0;
  int nsec_ = 0;
  int nfig_ = 0;
};

}  // namespace

std::vector<tCAPITULO> le_capitulos(const std::string& pasta) {
  std::vector<fs::path> nomes;
  std::error_code ec;
  for (fs::directory_iterator it(pasta, ec), fim; !ec && it != fim; it.increment(ec))
    if (it->path().extension() == ".md") nomes.push_back(it->path());
  if (ec) throw std::runtime_error("Não foi possível ler a pasta do manual \"" + pasta + "\".");
  if (nomes.empty())
    throw std::runtime_error("A pasta do manual \"" + pasta + "\" não tem capítulos (*.md).");
  std::sort(nomes.begin(), nomes.end());
  std::vector<tCAPITULO> r;
  for (const fs::path& p : nomes) {
    // The chapters are UTF-8 text files, not documents of the program.
    std::string t = lerbytes(p.string());
    if (t.rfind("\xEF\xBB\xBF", 0) == 0) t.erase(0, 3);
    r.push_back({p.filename().string(), std::move(t)});
  }
  return r;
}

tMANUAL expande(const std::vector<tCAPITULO>& capitulos, const tTEXTOS& ex,
                const tTEXTOS& tabelas) {
  tEXPANSOR e(ex, tabelas);
  for (const tCAPITULO& c : capitulos) e.capitulo(c);
  return e.resultado();
}

tTEXTOS todos_valores() {
  return valores_calculo();
}

tTEXTOS todas_tabelas() {
  tTEXTOS r = tabelas_calculo();
  for (auto& [k, v] : tabelas_curvas()) r.emplace(k, v);
  return r;
}

}  // namespace tarvinel::manual
