#include "core/foundation/stringarq.h"

#include <algorithm>

#include "core/foundation/arquivo.h"
#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"

namespace tarvinel {

void tSTRINGARQ::loadfromfile(const std::string& path) {
  lines_ = lerlinhas(path);
  nome_ = path;
}

void tSTRINGARQ::savetofile(const std::string& path) const {
  gravarlinhas(path, lines_);
}

void tSTRINGARQ::adds(std::string_view format) {
  std::string text;
  try {
    text = fmt::sprintf(format);
  } catch (const fmt::format_error&) {
    text = std::string(format);
  }
  put(format, std::move(text));
}

void tSTRINGARQ::put(std::string_view format, std::string text) {
  level -= static_cast<std::int32_t>(std::count(format.begin(), format.end(), '}'));
  std::string s;
  if (level > 0) s.assign(static_cast<std::size_t>(level), '\t');
  s += text;
  lines_.push_back(std::move(s));
  level += static_cast<std::int32_t>(std::count(format.begin(), format.end(), '{'));
}

bool tSTRINGARQ::next() {
  if (linenumber < 0 || linenumber >= count()) {
    fim_ = true;
    return false;
  }
  const std::string& raw = lines_[static_cast<std::size_t>(linenumber)];
  line.clear();
  std::copy_if(raw.begin(), raw.end(), std::back_inserter(line), [](char c) { return c != '\t'; });
  ++linenumber;
  // "ajuste-trafo{ " and "} " as a hand edit or another program leaves them.
  const std::size_t fim = line.find_last_not_of(' ');
  if (fim != std::string::npos && fim + 1 < line.size()) {
    const std::string_view corpo = std::string_view(line).substr(0, fim + 1);
    if (corpo == "}" || abrebloco(corpo)) line.resize(fim + 1);
  }
  cmd = getword(line, 0);
  ps = getword(line, 1);
  pi = txt2int(ps, 0, 0, 0);
  pf = txt2real(ps, 0, 0, 0);
  return line != "}";
}

bool tSTRINGARQ::next(std::span<const std::string_view> conhecidos) {
  while (next()) {
    if (!abrebloco(line) ||
        std::find(conhecidos.begin(), conhecidos.end(), line) != conhecidos.end())
      return true;
    xprint(desconhecido());
    pulabloco();
  }
  return false;
}

void tSTRINGARQ::pulabloco() {
  int nivel = 1;
  while (nivel > 0 && linenumber < count()) {
    next();
    if (line == "}")
      --nivel;
    else if (abrebloco(line))
      ++nivel;
  }
  if (nivel > 0) fim_ = true;
}

void tSTRINGARQ::lerdocumento(std::string_view opener, std::string_view oque,
                              const std::function<void()>& bloco) {
  int lidos = 0;
  // Blocks beside the document's are named only when the file is one: a
  // foreign file gets its refusal alone.
  std::vector<std::string> ignorados;
  while (linenumber < count()) {
    next();
    if (line == opener) {
      const int inicio = linenumber;
      bloco();
      ++lidos;
      if (fim_)
        xprintf(
            "#%s: o arquivo terminou antes do fechamento do bloco \"%s\"; os dados podem "
            "estar incompletos.",
            onde(inicio), opener);
    } else if (abrebloco(line)) {
      ignorados.push_back(desconhecido());
      pulabloco();
    }
  }
  if (lidos == 0)
    throw tERROARQ(tOPARQ::ler, nome_,
                   fmt::sprintf("não é %s (falta o bloco \"%s\")", oque, opener));
  for (const std::string& m : ignorados) xprint(m);
}

std::string tSTRINGARQ::desconhecido() const {
  return fmt::sprintf("#%s: bloco desconhecido \"%s\" ignorado com tudo o que contém.",
                      onde(linenumber), line);
}

std::string tSTRINGARQ::onde(int linha) const {
  if (nome_.empty()) return fmt::sprintf("Linha %d", linha);
  return fmt::sprintf("Arquivo \"%s\", linha %d", nome_, linha);
}

bool abrebloco(std::string_view line) {
  if (line.empty() || line.back() != '{') return false;
  return line.find_first_of(" \"") == std::string_view::npos &&
         line.find("\xC2\xA8") == std::string_view::npos;
}

std::string getword(std::string_view s, int n) {
  std::string result;
  bool quoted = false;
  bool prevblank = true;  // so leading blanks are skipped
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    bool quote = c == '"';
    std::size_t len = 1;
    // "¨" (U+00A8) is two bytes in UTF-8 and one character here. Any other
    // multi-byte character passes byte by byte: none of its bytes is a blank,
    // separator or quote, so it is copied whole or skipped whole.
    if (c == '\xC2' && i + 1 < s.size() && s[i + 1] == '\xA8') {
      quote = true;
      len = 2;
    }
    const bool blank = c == ' ';
    const bool afterblank = prevblank;
    prevblank = blank;
    i += len;

    if (c == '\t') continue;
    if (blank && afterblank && !quoted) continue;
    if (n < 0) break;
    if (quote)
      quoted = !quoted;
    else if ((blank || c == '\r' || c == '\n') && !quoted)
      --n;
    else if (n == 0)
      result.push_back(c);
  }
  return result;
}

std::string textoarq(std::string_view s) {
  std::string t;
  t.reserve(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"')
      t += "\xE2\x80\x9D";  // ”
    else if (c == '\xC2' && i + 1 < s.size() && s[i + 1] == '\xA8') {
      t += '\'';
      ++i;
    } else if (c == '\t' || c == '\r' || c == '\n') {
      t += ' ';
      if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;  // CR LF is one break
    } else
      t += c;
  }
  return t;
}

double getwordf(std::string_view s, int n) {
  return txt2real(getword(s, n), 0, 0, 0);
}

}  // namespace tarvinel
