// tarvinel-cli: what engineers script without a window. Exit 0 ok, 1 file or
// input error, 2 wrong arguments; every message in Portuguese on stderr.

#include <clocale>
#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "cli/ajuda.h"
#include "cli/comandos.h"
#include "core/foundation/estado.h"

namespace tarvinel::cli {

namespace {

// What runs each command; its usage and help are in the tables of ajuda.cpp.
struct tEXEC {
  const char* nome;
  int (*exec)(const tARGS&);
};

const tEXEC execs[] = {
    {"curves", cmd_curves},   {"trip", cmd_trip},         {"report", cmd_report},
    {"image", cmd_image},     {"settings", cmd_settings}, {"pdf", cmd_pdf},
    {"coord", cmd_coordcalc}, {"convert", cmd_convert},   {"new", cmd_new},
    {"check", cmd_check},     {"points", cmd_points},
};

int (*procura(const std::string& nome))(const tARGS&) {
  for (const tEXEC& e : execs)
    if (nome == e.nome) return e.exec;
  return nullptr;
}

void stderr_txt(const std::string& s) {
  std::fputs(s.c_str(), stderr);
}

}  // namespace

int erro_uso(const std::string& comando, const std::string& msg) {
  std::string s = "tarvinel-cli: " + msg + "\n";
  if (const tDOCCOMANDO* c = doc_comando(comando)) s += "uso: " + linha_uso(*c) + "\n";
  stderr_txt(s);
  return SAIDA_USO;
}

int erro(const std::string& msg) {
  stderr_txt("tarvinel-cli: " + msg + "\n");
  return SAIDA_ERRO;
}

void aviso(std::string msg) {
  for (char& c : msg)
    if (c == '\r') c = '\n';
  if (!msg.empty() && msg.front() == '#') msg.erase(0, 1);
  stderr_txt("Aviso: " + msg + "\n");
}

bool escreve(const std::string& text) {
  // A full disk or a closed pipe must not pass for success.
  const bool ok = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  return std::fflush(stdout) == 0 && ok;
}

std::string le_palavras(const tARGS& args, std::initializer_list<tOPCAO> opcoes, std::string& arq) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const tOPCAO* o = nullptr;
    for (const tOPCAO& c : opcoes)
      if (a == c.nome) o = &c;
    if (o != nullptr && o->valor != nullptr) {
      if (i + 1 >= args.size()) return "falta " + std::string(o->falta) + " depois de " + a;
      *o->valor = args[++i];
    } else if (o != nullptr) {
      *o->ligada = true;
    } else if (!a.empty() && a[0] == '-') {
      return "opção desconhecida: " + a;
    } else if (!arq.empty()) {
      return "argumento inesperado: " + a;
    } else {
      arq = a;
    }
  }
  return {};
}

int executa(int argc, char** argv) {
  if (argc < 2) {
    stderr_txt(texto_ajuda());
    return SAIDA_USO;
  }
  const std::string nome = argv[1];
  auto saida = [](const std::string& texto) {
    return escreve(texto) ? SAIDA_OK : erro("não foi possível escrever a saída");
  };
  if (nome == "help" || nome == "--help" || nome == "-h") return saida(texto_ajuda());
  if (nome == "--version") return saida(versionline + "\n");
  const tDOCCOMANDO* doc = doc_comando(nome);
  const auto exec = procura(nome);
  if (doc == nullptr || exec == nullptr) {
    stderr_txt("tarvinel-cli: comando desconhecido: " + nome + "\n\n" + texto_ajuda());
    return SAIDA_USO;
  }
  const tARGS args(argv + 2, argv + argc);
  for (const std::string& a : args)
    if (a == "--help") return saida(texto_ajuda_comando(*doc));
  return exec(args);
}

}  // namespace tarvinel::cli

int main(int argc, char** argv) {
  // Like the desktop program, take the user's locale: every number the
  // program writes must stay "1.5" under a Brazilian one all the same.
  std::setlocale(LC_ALL, "");
  // The same version line the desktop program takes from its change history:
  // it is printed on charts, report footers and printed pages.
  tarvinel::versionline = "Tarvinel " TARVINEL_VERSAO;
  // The message log of the desktop program: what the readers and the
  // calculation warn about reaches the user on stderr.
  tarvinel::set_sink(tarvinel::cli::aviso);
  try {
    tarvinel::cli::abre_curvas_usuario();
    return tarvinel::cli::executa(argc, argv);
  } catch (const std::bad_alloc&) {
    return tarvinel::cli::erro("memória insuficiente");
  } catch (const std::exception& e) {
    // File errors carry their Portuguese message (file and cause).
    return tarvinel::cli::erro(e.what());
  } catch (...) {
    return tarvinel::cli::erro("erro inesperado");
  }
}
