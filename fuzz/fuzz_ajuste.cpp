// Arbitrary bytes as a .ajuste file: read as the calculation window opens it
// (refused with a file error when it holds no calculation block), calculated when the calculation
// accepts it, reported, saved and read again.
//
// Nothing may crash or hang; a report never shows an undefined number ("inf",
// "nan"); what one save writes reads back into a project whose save writes
// exactly the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation/calcexec.h"
#include "core/calculation/relatorio.h"
#include "core/foundation/codec.h"
#include "core/foundation/erroarq.h"
#include "core/foundation/stringarq.h"

using namespace tarvinel;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool letra(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// "inf" or "nan" as a word of its own, as a printf-style format writes an
// undefined number ("infinito" is a word of the report).
bool indefinido(const std::string& s) {
  for (const char* w : {"inf", "nan"}) {
    for (std::size_t i = s.find(w); i != std::string::npos; i = s.find(w, i + 1)) {
      const bool antes = i > 0 && letra(s[i - 1]);
      const bool depois = i + 3 < s.size() && letra(s[i + 3]);
      if (!antes && !depois) return true;
    }
  }
  return false;
}

// User texts that would themselves look like an undefined number.
void limpa(std::string& s) {
  if (indefinido(s)) s = "x";
}

std::vector<std::string> salva(const tPRJCALC& p) {
  tSTRINGARQ arq;
  p.saveblock(arq);
  return arq.lines();
}

void carrega(tPRJCALC& p, const std::vector<std::string>& linhas) {
  tSTRINGARQ arq;
  for (const std::string& l : linhas) arq.add(l);
  p.trafos.destroyitens();
  p.loadfromarq(arq);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  tPRJCALC p;
  try {
    carrega(p, decodelines(bytes));
  } catch (const tERROARQ&) {
    return 0;  // no calculation block: refused
  }

  for (std::string* t : {&p.empresa, &p.projetista, &p.rtc_pre, &p.rtc_rea, &p.rele_cli->modelo,
                         &p.rele_con->modelo, &p.rele_cli->relf.nom_cur, &p.rele_cli->reln.nom_cur,
                         &p.rele_con->relf.nom_cur, &p.rele_con->reln.nom_cur})
    limpa(*t);

  tPRJCALCVAR c;
  bool calculado = false;
  try {
    calcexec(p, c);
    calculado = true;
  } catch (const tERROCALC& e) {
    check(!e.motivos().empty());
  }
  // A sound run means the input was valid.
  if (calculado) check(validar(p).empty());

  tRELATORIO r;
  r.data = "01/01/24, 00:00";
  r.reportexec(p, c);
  if (calculado) {
    for (const std::string& l : r.linhas) check(!indefinido(l));
  }

  const std::vector<std::string> a = salva(p);
  tPRJCALC q;
  carrega(q, a);
  const std::vector<std::string> b = salva(q);
  tPRJCALC s;
  carrega(s, b);
  // The first save may still lose what the format cannot hold (quotes and
  // tabs inside texts); from then on it is stable.
  check(salva(s) == b);
  return 0;
}
