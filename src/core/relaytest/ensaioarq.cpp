// The ".ens" file of a relay test sheet: semicolon-separated UTF-8 text, so a
// spreadsheet opens it as well as the program does.
//
//   Título do gráfico;novo ensaio        general rows, then the curve rows,
//   ...                                   then "Atualizar TREF;0|1"
//   Amostras;10
//   Atualizar TREF;0
//                                         an empty line
//   #;Iref [A];Tref [s];Tmed [s];Delta [s];Desvio [%]
//   1;100;1.00;0.99;-0.010;-1.000         one line per row, "#" the row number
//
// A field holding ';', '"' or a line break is quoted with '"' and its quotes
// doubled. Lines end with CR LF. The reader also takes LF alone, a UTF-8
// byte-order mark, and a file re-saved by a spreadsheet in Windows-1252.

#include <fmt/printf.h>

#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "core/foundation/arquivo.h"
#include "core/foundation/codec.h"
#include "core/foundation/numtxt.h"
#include "core/relaytest/ensaio.h"

namespace tarvinel {

namespace {

constexpr int kMAXLINHAS = 10000;  // data rows; far above any test set's use
constexpr std::string_view kATUALIZA = "Atualizar TREF";

using tCAMPOS = std::vector<std::string>;

void putcampo(std::string& out, std::string_view s) {
  if (s.find_first_of(";\"\r\n") == std::string_view::npos) {
    out += s;
    return;
  }
  out += '"';
  for (char c : s) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void putlinha(std::string& out, const tCAMPOS& campos) {
  for (std::size_t i = 0; i < campos.size(); ++i) {
    if (i > 0) out += ';';
    putcampo(out, campos[i]);
  }
  out += "\r\n";
}

// Lines of fields; a quoted field may span line breaks. Each line keeps the
// number of the text line it starts on, for messages.
struct tLINHA {
  int numero = 0;
  tCAMPOS campos;
};

std::vector<tLINHA> separa(std::string_view t) {
  std::vector<tLINHA> linhas;
  std::size_t i = 0;
  int numero = 1;
  while (i < t.size()) {
    tLINHA l;
    l.numero = numero;
    std::string campo;
    bool fim = false;
    while (!fim) {
      if (i < t.size() && t[i] == '"') {
        const int inicio = numero;
        ++i;
        for (;;) {
          if (i >= t.size())
            throw std::runtime_error(
                fmt::sprintf("aspas sem fechamento no campo que começa na linha %d", inicio));
          if (t[i] == '"') {
            if (i + 1 < t.size() && t[i + 1] == '"') {
              campo += '"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          if (t[i] == '\n') ++numero;
          campo += t[i++];
        }
      }
      // Unquoted text, or what follows a closing quote up to the separator.
      while (i < t.size() && t[i] != ';' && t[i] != '\r' && t[i] != '\n') campo += t[i++];
      l.campos.push_back(std::move(campo));
      campo.clear();
      if (i >= t.size()) {
        fim = true;
      } else if (t[i] == ';') {
        ++i;
      } else {
        if (t[i] == '\r') ++i;
        if (i < t.size() && t[i] == '\n') ++i;
        ++numero;
        fim = true;
      }
    }
    linhas.push_back(std::move(l));
  }
  return linhas;
}

bool vazia(const tLINHA& l) {
  return l.campos.size() == 1 && l.campos[0].empty();
}

// UTF-8 when the bytes are valid UTF-8 (a mark is dropped), otherwise the
// Windows-1252 of a spreadsheet's "CSV" export.
std::string texto(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (utf8valido(bytes)) return std::string(bytes);
  std::string out;
  for (unsigned char b : bytes) pututf8(out, cp1252char(b));
  return out;
}

}  // namespace

std::string tFOLHAENSAIO::totext() {
  avaliar();  // the file's Delta and Desvio agree with its times
  std::string out;
  for (const tPROPGRID* vl : {&geral, &curva})
    for (int i = 0; i < vl->count(); ++i) putlinha(out, {vl->row(i).key, vl->row(i).value});
  putlinha(out, {std::string(kATUALIZA), atualizatref ? "1" : "0"});
  out += "\r\n";
  tCAMPOS titulos;
  for (int c = 0; c < colCOUNT; ++c) titulos.push_back(tabela.cell(c, 0));
  putlinha(out, titulos);
  for (int r = 1; r <= linhas(); ++r) {
    tCAMPOS campos{int2txt(r)};
    for (int c = colIREF; c < colCOUNT; ++c) campos.push_back(tabela.cell(c, r));
    putlinha(out, campos);
  }
  return out;
}

void tFOLHAENSAIO::fromtext(const std::string& text) {
  const std::vector<tLINHA> linhas_ = separa(texto(text));
  const tFOLHAENSAIO novo;
  tCAMPOS titulos;
  for (int c = 0; c < colCOUNT; ++c) titulos.push_back(novo.tabela.cell(c, 0));

  // Everything is read into locals first: a damaged file changes nothing.
  std::vector<std::pair<tPROPGRID*, tCAMPOS>> valores;
  int atualiza = atualizatref ? 1 : 0;
  bool temtitulo = false;
  std::vector<tCAMPOS> tabela_;
  for (const tLINHA& l : linhas_) {
    if (!temtitulo) {
      if (l.campos == titulos) {
        temtitulo = true;
      } else if (l.campos.size() >= 2) {
        const std::string& nome = l.campos[0];
        if (nome == kATUALIZA)
          atualiza = txt2int(l.campos[1], atualiza, 0, 1);
        else if (geral.find(nome) != nullptr)
          valores.push_back({&geral, l.campos});
        else if (curva.find(nome) != nullptr)
          valores.push_back({&curva, l.campos});
      }
      continue;
    }
    if (vazia(l)) continue;
    if (static_cast<int>(l.campos.size()) > colCOUNT)
      throw std::runtime_error(fmt::sprintf("a linha %d tem %d campos; a tabela de ensaio tem %d",
                                            l.numero, static_cast<int>(l.campos.size()),
                                            static_cast<int>(colCOUNT)));
    if (tabela_.size() >= static_cast<std::size_t>(kMAXLINHAS))
      throw std::runtime_error(
          fmt::sprintf("a tabela de ensaio tem mais de %d linhas", kMAXLINHAS));
    tabela_.push_back(l.campos);
  }
  if (!temtitulo)
    throw std::runtime_error(
        "não é uma planilha de ensaio de relé (falta a linha de títulos "
        "da tabela)");
  if (tabela_.empty()) throw std::runtime_error("a tabela de ensaio não tem nenhuma linha");

  for (auto& [vl, campos] : valores) vl->setvalue(campos[0], campos[1]);
  atualizatref = atualiza == 1;
  tabela.setcolcount(colCOUNT);
  tabela.setrowcount(static_cast<int>(tabela_.size()) + 1);
  for (std::size_t r = 0; r < tabela_.size(); ++r) {
    const int row = static_cast<int>(r) + 1;
    tabela.setcell(colNUM, row, "");
    for (int c = colIREF; c < colCOUNT; ++c) {
      const std::size_t k = static_cast<std::size_t>(c);
      tabela.setcell(c, row, k < tabela_[r].size() ? tabela_[r][k] : std::string());
    }
  }
}

void tFOLHAENSAIO::savetofile(const std::string& path) {
  gravartexto(path, totext());
}

void tFOLHAENSAIO::loadfromfile(const std::string& path) {
  const std::string bytes = lerbytes(path);
  try {
    fromtext(bytes);
  } catch (const std::runtime_error& e) {
    throw tERROARQ(tOPARQ::ler, path, e.what());
  }
}

}  // namespace tarvinel
