// Build-time writer of the manual pages tarvinel.1 and tarvinel-cli.1 from
// the help tables of tarvinel-cli (ajuda.cpp).
//   tarvinel-man PASTA VERSAO DATA
#include <cstdio>
#include <fstream>
#include <string>

#include "cli/ajuda.h"

namespace {

bool grava(const std::string& path, const std::string& texto) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << texto;
  f.close();
  if (!f) std::fprintf(stderr, "tarvinel-man: não foi possível gravar %s\n", path.c_str());
  return static_cast<bool>(f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("uso: tarvinel-man PASTA VERSAO DATA\n", stderr);
    return 2;
  }
  const std::string pasta = argv[1];
  const std::string versao = std::string("Tarvinel ") + argv[2];
  const std::string data = argv[3];
  const bool ok = grava(pasta + "/tarvinel.1", tarvinel::cli::man_programa(versao, data)) &&
                  grava(pasta + "/tarvinel-cli.1", tarvinel::cli::man_cli(versao, data));
  return ok ? 0 : 1;
}
