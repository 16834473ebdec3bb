#pragma once
// The manual's Markdown made whole: chapters read in file-name order,
// headings numbered, screenshots given their figure captions and the
// engine's numbers and tables put in place of their names.
//
// Engine only (no Qt): the placeholders are checked by the sanitizer build
// too.

#include <string>
#include <vector>

#include "manual/conteudo.h"

namespace tarvinel::manual {

struct tCAPITULO {
  std::string arquivo;  // file name, for the error messages
  std::string texto;    // Markdown, UTF-8
};

// Every "*.md" of the folder in file-name order. Throws std::runtime_error
// (Portuguese message naming the folder or file) when the folder has none or
// a file cannot be read.
std::vector<tCAPITULO> le_capitulos(const std::string& pasta);

struct tMANUAL {
  std::string markdown;            // the whole manual, ready for a Markdown reader
  std::vector<std::string> telas;  // screenshot names, in order of appearance
  std::vector<std::string> erros;  // "arquivo:linha: motivo", one per fault
};

// Numbers chapters ("# n. Título") and sections ("## n.m Título"), outside
// fenced code only; a line "![Legenda](tela:nome)" becomes the picture
// followed by the caption "*Figura k – Legenda*"; "{{ex:nome}}" (anywhere,
// code included) becomes ex[nome]; a line holding only "{{tabela:nome}}"
// becomes tabelas[nome]. An unknown name, a table that is not alone on its
// line or a placeholder of another kind is a fault: it stays in the text and
// is listed in erros.
tMANUAL expande(const std::vector<tCAPITULO>& capitulos, const tTEXTOS& ex, const tTEXTOS& tabelas);

// Every value and table the engine gives the manual (valores_calculo, and the
// tables of tabelas_calculo and tabelas_curvas together).
tTEXTOS todos_valores();
tTEXTOS todas_tabelas();

}  // namespace tarvinel::manual
