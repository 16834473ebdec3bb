#pragma once
// What the manual takes from the engine instead of writing it by hand, so the
// text cannot drift from the program: the example calculation's numbers and
// tables built from the catalogues. The manual's Markdown names them as
// "{{ex:NOME}}" (a number or short text, inline) and "{{tabela:NOME}}" (a
// Markdown block on lines of its own).
//
// Engine only: no Qt here, so the sanitizer build tests it too.

#include <map>
#include <string>

namespace tarvinel::manual {

using tTEXTOS = std::map<std::string, std::string>;

// "{{ex:...}}": inputs and results of the example calculation (a new
// calculation project, calculated), each written as the report writes it.
tTEXTOS valores_calculo();
// "{{tabela:...}}" blocks about the calculation (the example's report).
tTEXTOS tabelas_calculo();
// "{{tabela:...}}" blocks about the curve and fuse-link catalogues.
tTEXTOS tabelas_curvas();

}  // namespace tarvinel::manual
