#include "core/foundation/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvinel {

std::string json_numero(double v) {
  if (!std::isfinite(v)) return "null";
  if (v == 0) return "0";  // also -0, which a script has no use for
  char buf[32];
  // The shortest text that reads back exactly (std::to_chars never follows
  // the locale).
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string json_texto(std::string_view v) {
  std::string s = "\"";
  for (const char ch : v) {
    const auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"':
        s += "\\\"";
        break;
      case '\\':
        s += "\\\\";
        break;
      case '\n':
        s += "\\n";
        break;
      case '\r':
        s += "\\r";
        break;
      case '\t':
        s += "\\t";
        break;
      default:
        if (c < 0x20) {
          char u[8];
          std::snprintf(u, sizeof u, "\\u%04x", c);
          s += u;
        } else {
          s += ch;
        }
    }
  }
  return s + "\"";
}

void tJSON::antes() {
  if (depois_da_chave_) {
    depois_da_chave_ = false;
    return;
  }
  if (niveis_.empty()) return;
  tNIVEL& n = niveis_.back();
  if (n.itens++ > 0) s_ += ',';
  s_ += '\n';
  s_.append(2 * niveis_.size(), ' ');
}

void tJSON::bruto(std::string_view t) {
  antes();
  s_ += t;
  if (niveis_.empty()) s_ += '\n';
}

void tJSON::abre(char c) {
  antes();
  s_ += c;
  niveis_.push_back({c == '{', 0});
}

tJSON& tJSON::objeto() {
  abre('{');
  return *this;
}

tJSON& tJSON::lista() {
  abre('[');
  return *this;
}

tJSON& tJSON::fim() {
  if (niveis_.empty()) return *this;
  const tNIVEL n = niveis_.back();
  niveis_.pop_back();
  if (n.itens > 0) {
    s_ += '\n';
    s_.append(2 * niveis_.size(), ' ');
  }
  s_ += n.objeto ? '}' : ']';
  if (niveis_.empty()) s_ += '\n';
  return *this;
}

tJSON& tJSON::chave(std::string_view nome) {
  antes();
  s_ += json_texto(nome);
  s_ += ": ";
  depois_da_chave_ = true;
  return *this;
}

tJSON& tJSON::valor(double v) {
  bruto(json_numero(v));
  return *this;
}

tJSON& tJSON::valor(int v) {
  bruto(std::to_string(v));
  return *this;
}

tJSON& tJSON::valor(bool v) {
  bruto(v ? "true" : "false");
  return *this;
}

tJSON& tJSON::valor(std::string_view v) {
  bruto(json_texto(v));
  return *this;
}

tJSON& tJSON::nulo() {
  bruto("null");
  return *this;
}

}  // namespace tarvinel
