#pragma once
// The dialogs service: every modal question, message box, file chooser,
// colour, print and chooser dialog of the program goes through dialogos(), so
// the windows hold no QMessageBox/QFileDialog calls of their own and tests can
// replace the whole service with scripted answers (tests/support).
//
// Texts are UTF-8 std::string; colours are 0x00BBGGRR as in the core.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QPrinter;

namespace tarvinel {

// Symbol of a message box.
enum class tICONE { info, confirmacao, erro };

// Buttons of a question.
enum class tBOTOES { simnao, simnaocancela, okcancela };

// Answer of a question. A question dismissed with Esc or the close box counts
// as cancela (or nao when there is no Cancel button).
enum class tRESPOSTA { sim, nao, ok, cancela };

// A file chooser request. The filter is pairs of display text and pattern
// joined by "|" ("Todos|*.coord;*.ajuste;|*.coord|*.coord"), as sel_file
// builds it.
struct tPEDIDOARQ {
  bool salvar = false;  // save dialog, with confirmation before overwriting
  std::string nome;     // proposed file name (may be a full path)
  std::string filtro;
  std::string pasta;      // starting folder; empty = the platform's choice
  std::string extpadrao;  // without the dot; appended to a name typed without one
};

class tDIALOGOS {
 public:
  virtual ~tDIALOGOS() = default;

  // Message with an OK button.
  virtual void mensagem(const std::string& texto, tICONE icone) = 0;
  // Question with the confirmation symbol.
  virtual tRESPOSTA pergunta(const std::string& texto, tBOTOES botoes) = 0;
  // The chosen path, or nothing when cancelled.
  virtual std::optional<std::string> arquivo(const tPEDIDOARQ& pedido) = 0;
  // Colour dialog starting at `inicial`; nothing when cancelled.
  virtual std::optional<std::uint32_t> cor(std::uint32_t inicial) = 0;
  // Print dialog on that printer; true when confirmed (the printer then holds
  // the choices made in it).
  virtual bool imprimir(QPrinter& printer) = 0;
  // Printer set-up (page) dialog; true when confirmed.
  virtual bool configurar_impressora(QPrinter& printer) = 0;
  // Curve chooser (curve browser) starting at a curve name; the chosen name or
  // nothing. The base runs the chooser registered with set_seletor_curva.
  virtual std::optional<std::string> curva(const std::string& atual);
  // Fuse-link chooser starting at a link name; the chosen link or nothing.
  // The base runs the chooser registered with set_seletor_elo.
  virtual std::optional<std::string> elo(const std::string& atual);

  void info(const std::string& texto) { mensagem(texto, tICONE::info); }
  void erro(const std::string& texto) { mensagem(texto, tICONE::erro); }
};

// The service in force. Without an installed one, the Qt implementation is made
// on first use (a QApplication must exist by then).
tDIALOGOS& dialogos();
// Installs a service and returns the previous one (nullptr when none was
// installed); nullptr goes back to the Qt implementation on next use.
std::unique_ptr<tDIALOGOS> set_dialogos(std::unique_ptr<tDIALOGOS> d);

// The curve browser and the fuse-link chooser register themselves here when
// they are created; until then those choosers answer nothing.
using tSELETOR = std::function<std::optional<std::string>(const std::string&)>;
void set_seletor_curva(tSELETOR f);
void set_seletor_elo(tSELETOR f);
bool tem_seletor_curva();
bool tem_seletor_elo();

// The chooser behind the "..." button of a grid row, by the row's key, for
// every grid of the program: the colour dialog for "Cor" (the answer as
// "$BBGGRR", only the colour's 24 bits), the curve browser for a
// "Curva Principal" row (also "FASE."/"NEUT." ones), the fuse-link chooser for
// a row naming "ELO". The chosen text; nothing when cancelled or when the row
// has no chooser.
std::optional<std::string> escolhe_botao(const std::string& key, const std::string& atual);

}  // namespace tarvinel
