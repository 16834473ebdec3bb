#include <cstdio>

int main() {
  std::fputs("uso: tarvinel-cli COMANDO [ARGUMENTOS]\n", stderr);
  return 2;
}
