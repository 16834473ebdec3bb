#pragma once
// A small JSON writer for the outputs scripts read (tarvinel-cli --json).
// Keys and values are written in the order given, two spaces of indentation
// per level. Numbers are written with the fewest digits that read back as
// exactly the same double (full precision, "." as decimal point whatever the
// locale); a NaN or an infinity, which JSON cannot hold, becomes null.
// Texts are UTF-8, escaped as JSON requires.

#include <string>
#include <string_view>
#include <vector>

namespace tarvinel {

class tJSON {
 public:
  // Object and array, each closed by fim(). Inside an object every value is
  // preceded by chave().
  tJSON& objeto();
  tJSON& lista();
  tJSON& fim();
  tJSON& chave(std::string_view nome);

  tJSON& valor(double v);
  tJSON& valor(int v);
  tJSON& valor(bool v);
  tJSON& valor(std::string_view v);
  tJSON& valor(const char* v) { return valor(std::string_view(v)); }
  tJSON& nulo();

  // key and value in one call.
  template <class T>
  tJSON& campo(std::string_view nome, const T& v) {
    return chave(nome).valor(v);
  }

  // The text written so far; complete (with a final line feed) once every
  // object and array is closed.
  const std::string& texto() const { return s_; }

 private:
  void antes();
  void bruto(std::string_view t);
  void abre(char c);

  std::string s_;
  struct tNIVEL {
    bool objeto;
    int itens;
  };
  std::vector<tNIVEL> niveis_;
  bool depois_da_chave_ = false;
};

// The number as tJSON writes it.
std::string json_numero(double v);
// The text as a JSON string, quotes included.
std::string json_texto(std::string_view v);

}  // namespace tarvinel
