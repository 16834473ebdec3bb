#include "calculation/paginacao.h"

#include <algorithm>

namespace tarvinel {

namespace {

bool regua_secao(const std::string& s) {
  return s.size() > 1 && s.front() == '=';
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
  for (const std::string& l : linhas) {
    // A page that holds no line yet is never left: a page too small for one
    // line still gets one, and no page comes out blank.
    const bool vazia = y == topo;
    if (!vazia && (y > fim || (regua_secao(l) && y > inicio_secao))) {
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

}  // namespace tarvinel
