#include "core/coordination/referencia.h"

#include <fmt/printf.h>

#include <cctype>

#include "core/foundation/estado.h"

namespace tarvinel {

namespace {

// Why the setting at index i cannot be the target of a (empty: it can).
std::string motivo(const tAJUSTE_LISTA& lista, const tAJUSTE& a, int i) {
  if (i < 0 || i >= lista.count()) return "não existe no coordenograma";
  const tAJUSTE* t = lista.Getajustes(i);
  if (t == &a) return "é o próprio item";
  if (!t->protecao()) return "não é uma proteção (relé, curva ou elo)";
  return {};
}

// The number a grid text begins with ("3) Cliente" gives 3); -1 when the
// text does not begin with digits.
int numero_inicial(const std::string& s) {
  std::size_t k = 0;
  while (k < s.size() && s[k] == ' ') ++k;
  int n = 0;
  std::size_t d = 0;
  while (k < s.size() && std::isdigit(static_cast<unsigned char>(s[k])) && d < 6) {
    n = n * 10 + (s[k++] - '0');
    ++d;
  }
  return d == 0 ? -1 : n;
}

}  // namespace

std::string nome_item(int i, const tAJUSTE& a) {
  return fmt::sprintf("%d) %s", i + 1, a.caption);
}

tAJUSTE* alvo_ref(const tAJUSTE_LISTA& lista, const tAJUSTE& a) {
  if (a.ref == 0 || a.referencia().empty()) return nullptr;
  for (const auto& t : lista)
    if (t->uid == a.ref) return t.get() != &a && t->protecao() ? t.get() : nullptr;
  return nullptr;
}

void numera_refs(const tAJUSTE_LISTA& lista) {
  for (const auto& a : lista) {
    const tAJUSTE* t = alvo_ref(lista, *a);
    a->refnum = t == nullptr ? 0 : lista.indexof(t) + 1;
  }
}

void resolve_refs(tAJUSTE_LISTA& lista) {
  for (int i = 0; i < lista.count(); ++i) {
    tAJUSTE& a = *lista.Getajustes(i);
    const int n = a.refnum;
    a.refnum = 0;
    a.ref = 0;
    if (n == 0 || a.referencia().empty()) continue;
    const std::string m = motivo(lista, a, n - 1);
    if (m.empty()) {
      a.ref = lista.Getajustes(n - 1)->uid;
      continue;
    }
    xprintf("# %s: %s %d %s; lida como \"%s\".", nome_item(i, a), std::string(a.referencia().linha),
            n, m, kSEMREF);
  }
}

void showref(tPROPGRID& vl, const tAJUSTE_LISTA& lista, const tAJUSTE& a) {
  showref(vl, lista, a, alvo_ref(lista, a));
}

void showref(tPROPGRID& vl, const tAJUSTE_LISTA& lista, const tAJUSTE& a, const tAJUSTE* alvo) {
  const tREFAJUSTE r = a.referencia();
  if (r.empty()) return;
  tNOMES nomes{kSEMREF};
  for (int i = 0; i < lista.count(); ++i)
    if (motivo(lista, a, i).empty()) nomes.push_back(nome_item(i, *lista.Getajustes(i)));
  const int i = alvo == nullptr ? -1 : lista.indexof(alvo);
  vl.setvalue(r.linha, i < 0 ? std::string(kSEMREF) : nome_item(i, *alvo));
  // The list changes with the chart, so the pick list is set every time.
  if (tPROPROW* row = vl.find(r.linha)) row->picklist = std::move(nomes);
}

tAJUSTE* ref_da_linha(const tPROPGRID& vl, const tAJUSTE_LISTA& lista, const tAJUSTE& a,
                      std::string* m) {
  const std::string s = vl.value(a.referencia().linha);
  if (s.empty() || s == kSEMREF) return nullptr;
  const int n = numero_inicial(s);
  *m = n < 0 ? "não é um item da lista" : motivo(lista, a, n - 1);
  return m->empty() ? lista.Getajustes(n - 1) : nullptr;
}

void getref(const tPROPGRID& vl, const tAJUSTE_LISTA& lista, tAJUSTE& a) {
  const tREFAJUSTE r = a.referencia();
  if (r.empty() || vl.find(r.linha) == nullptr) return;
  std::string m;
  const tAJUSTE* t = ref_da_linha(vl, lista, a, &m);
  if (m.empty()) {
    a.ref = t == nullptr ? 0 : t->uid;
    return;
  }
  xprintf("# %s: \"%s\" %s; a referência anterior foi mantida.", std::string(r.linha),
          vl.value(r.linha), m);
}

}  // namespace tarvinel
