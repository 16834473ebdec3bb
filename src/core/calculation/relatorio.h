#pragma once
// The calculation report: plain text lines for a fixed-pitch font, in up to
// three sections (main summary, calculation record, summary in the utility
// CELESC's layout). It prints what the last calculation left in the project
// and the result record; apart from its lines it stores each transformer's
// low-voltage base current `ib_bt`, which nothing else computes.

#include <fmt/printf.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/calculation/calcexec.h"
#include "core/calculation/prjcalc.h"

namespace tarvinel {

// Which sections a report holds; all on by default.
struct tRELOPC {
  bool principal = true;  // "Resumo principal"
  bool memorial = true;   // "Memorial de cálculo"
  bool celesc = true;     // "Resumo de ajuste do RELE (padrão CELESC)"
};

class tRELATORIO {
 public:
  std::vector<std::string> linhas;
  int ntitulo = 0;  // title number of the last addtitle
  int nitem = 0;    // item number within that title
  // Date of the header, "dd/mm/yy, HH:MM"; empty means the current local time.
  std::string data;

  // A line without values is appended unchanged; the two characters "\f"
  // (backslash, f) append nothing and empty the report instead.
  void addline(std::string_view text);
  template <class... Args>
  requires(sizeof...(Args) > 0) void addline(std::string_view format, const Args&... args) {
    linhas.push_back(fmt::sprintf(format, args...));
  }
  // Next title number, item number back to 0: blank, rule of "=", "n) text", rule.
  void addtitle(const std::string& text);
  // Next item number: blank, "n.m) text", rule of "-".
  void additem(const std::string& text);
  // The two short-circuit tables (medium- and low-voltage buses).
  void reportcurto(const tPRJCALC& proj);
  // Appends the sections the options select, both counters starting from 0.
  // Expects a project calculated by calcexec with `calc`; a project that
  // validar refuses gets the reasons instead of numbers.
  void reportexec(tPRJCALC& proj, const tPRJCALCVAR& calc, const tRELOPC& opc = {});

  // The lines joined by line feeds, each one ended by one.
  std::string texto() const;

 private:
  void relay(const tPRJCALC& proj, const tAJUSTE_RELIGA& r, const char* neutro);
  void principal(const tPRJCALC& proj, const tPRJCALCVAR& calc);
  void memorial(tPRJCALC& proj, const tPRJCALCVAR& calc);
  void baixatensao(const tPRJCALCVAR& calc, tTRAFO& t, int i, double V);
  void celesc(const tPRJCALC& proj, const tPRJCALCVAR& calc);
};

}  // namespace tarvinel
