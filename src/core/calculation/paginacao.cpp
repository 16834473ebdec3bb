#include "core/calculation/paginacao.h"

#include <algorithm>

namespace tarvinel {

namespace {

bool regua_secao(const std::string& s) {
  return s.size() > 1 && s.front() == '=';
}

// Lines of the block that begins at line i (up to the next empty line).
std::size_t bloco(const std::vector<std::string>& linhas, std::size_t i) {
  std::size_t n = 0;
  while (i + n < linhas.size() && !linhas[i + n].empty()) ++n;
  return n;
}

}  // namespace

std::vector<tPOSLINHA> paginar(const std::vector<std::string>& linhas, int altura, int h) {
  h = std::max(h, 1);
  // 64-bit positions: a report of millions of lines on a 1200 dpi page must
  // not overflow before the page test sees it.
  const long long topo = 2LL * h;
  const long long fim = static_cast<long long>(altura) - 2LL * h;
  const long long inicio_secao = 5LL * h;
  std::vector<tPOSLINHA> pos;
  pos.reserve(linhas.size());
  int pagina = 0;
  long long y = topo;
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    const std::string& l = linhas[i];
    // A page that holds no line yet is never left: a page too small for one
    // line still gets one, and no page comes out blank.
    const bool vazia = y == topo;
    bool quebra = y > fim || (regua_secao(l) && y > inicio_secao);
    const bool inicio_bloco = !l.empty() && (i == 0 || linhas[i - 1].empty());
    if (inicio_bloco && !quebra) {
      // The head of the block must fit: its last line may start at fim.
      const auto cabeca = static_cast<long long>(std::min<std::size_t>(bloco(linhas, i), kCABECA));
      quebra = y + (cabeca - 1) * h > fim;
    }
    if (!vazia && quebra) {
      ++pagina;
      y = topo;
    }
    pos.push_back({pagina, static_cast<int>(y)});
    y += h;
  }
  return pos;
}

int paginas(const std::vector<tPOSLINHA>& pos) {
  return pos.empty() ? 1 : pos.back().pagina + 1;
}

int compoerelatorio(tPAGINAS& pag, const std::vector<std::string>& linhas) {
  tCANVAS& canvas = pag.canvas();
  const int x = fonte_pagina_texto(canvas);
  const int h = canvas.textheight("A");
  const std::vector<tPOSLINHA> pos = paginar(linhas, canvas.height(), h);
  int pagina = 0;
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    while (pagina < pos[i].pagina) {
      pag.novapagina();
      ++pagina;
    }
    if (!linhas[i].empty()) canvas.textout(x, pos[i].y, linhas[i]);
  }
  return paginas(pos);
}

}  // namespace tarvinel
