// tarvinel-cli: what engineers script without a window. Exit 0 ok, 1 file or
// input error, 2 wrong arguments; every message in Portuguese on stderr.

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "comandos.h"
#include "curves/inifile.h"
#include "foundation/estado.h"

#ifdef TARVINEL_HAS_PLATFORM
#include "settings_qt.h"
#endif
#include <clocale>

namespace tarvinel::cli {

namespace {

struct tCOMANDO {
  const char* nome;
  const char* uso;   // arguments, as shown in the usage text
  const char* info;  // one line of description
  int (*exec)(const tARGS&);
};

const tCOMANDO comandos[] = {
    {"curves", "", "lista as curvas: as do catálogo, depois as do usuário", cmd_curves},
    {"trip", "CURVA PICKUP DIAL CORRENTE... [--inst A] [--raw]",
     "tempo de atuação da curva para cada corrente (A); --inst: corrente instantânea (A); "
     "--raw: precisão completa",
     cmd_trip},
    {"report", "[ARQUIVO.ajuste] [-o SAIDA.txt] [--sem-resumo] [--sem-memorial] [--sem-celesc]",
     "relatório do cálculo de ajuste (sem arquivo: o exemplo de um novo cálculo)", cmd_report},
    {"image", "[ARQUIVO.coord] -o SAIDA.jpg|SAIDA.png [--size LxA]",
     "imagem do coordenograma, 1024x768 se não houver --size (sem arquivo: o exemplo de um novo "
     "coordenograma)",
     cmd_image},
    {"settings", "[ARQUIVO.coord] [-o SAIDA.txt]",
     "texto dos ajustes do coordenograma (sem arquivo: o exemplo de um novo coordenograma)",
     cmd_settings},
    {"pdf", "[ARQUIVO.coord|ARQUIVO.ajuste] -o SAIDA.pdf [--separar]",
     "impressão em PDF: do coordenograma, o gráfico (--separar: FASE e NEUTRO em páginas "
     "separadas) e o resumo dos ajustes; do cálculo, o relatório (sem arquivo: o exemplo de um "
     "novo coordenograma)",
     cmd_pdf},
    {"coord", "ARQUIVO.ajuste -o SAIDA.coord [--elos]",
     "coordenograma criado do cálculo (--elos: com os elos fusíveis dos transformadores)",
     cmd_coordcalc},
    {"convert", "ENTRADA.coord SAIDA.coord | ENTRADA.ajuste SAIDA.ajuste",
     "lê e grava de novo um documento (um cálculo é calculado antes)", cmd_convert},
    {"new", "coord|ajuste -o SAIDA",
     "grava o documento de exemplo (coordenograma novo ou cálculo novo, já calculado)", cmd_new},
};

const tCOMANDO* procura(const std::string& nome) {
  for (const tCOMANDO& c : comandos)
    if (nome == c.nome) return &c;
  return nullptr;
}

std::string linha_uso(const tCOMANDO& c) {
  std::string s = std::string("tarvinel-cli ") + c.nome;
  if (*c.uso) s += std::string(" ") + c.uso;
  return s;
}

std::string uso() {
  std::string s = "uso: tarvinel-cli COMANDO [ARGUMENTOS]\n\ncomandos:\n";
  for (const tCOMANDO& c : comandos) s += "  " + linha_uso(c) + "\n      " + c.info + "\n";
  s += "\nNúmeros aceitam \",\" ou \".\" como separador decimal.\n";
  return s;
}

void stderr_txt(const std::string& s) {
  std::fputs(s.c_str(), stderr);
}

}  // namespace

int erro_uso(const std::string& comando, const std::string& msg) {
  std::string s = "tarvinel-cli: " + msg + "\n";
  if (const tCOMANDO* c = procura(comando)) s += "uso: " + linha_uso(*c) + "\n";
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

int executa(int argc, char** argv) {
  if (argc < 2) {
    stderr_txt(uso());
    return SAIDA_USO;
  }
  const std::string nome = argv[1];
  if (nome == "help" || nome == "--help" || nome == "-h") {
    return escreve(uso()) ? SAIDA_OK : erro("não foi possível escrever a saída");
  }
  const tCOMANDO* c = procura(nome);
  if (!c) {
    stderr_txt("tarvinel-cli: comando desconhecido: " + nome + "\n\n" + uso());
    return SAIDA_USO;
  }
  const tARGS args(argv + 2, argv + argc);
  return c->exec(args);
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
#ifdef TARVINEL_HAS_PLATFORM
    // The user's own curves, read only: the command line never writes the store.
    tarvinel::inifile_open(std::make_unique<tarvinel::tSTOREQT>());
#endif
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
