#pragma once
// Scripted dialogs service for the GUI tests: answers come from queues filled
// by the test, and every message, question and file request is recorded so the
// test can check what the user would have seen. A dialog the test did not
// script answers as if cancelled and is listed in `imprevistos`.

#include <deque>
#include <memory>
#include <vector>

#include "gui/dialogos.h"

namespace tarvinel {

class tDIALOGOSTESTE : public tDIALOGOS {
 public:
  struct tMSG {
    std::string texto;
    tICONE icone;
  };

  // Scripted answers, taken front first.
  std::deque<tRESPOSTA> respostas;
  std::deque<std::optional<std::string>> arquivos;
  std::deque<std::optional<std::uint32_t>> cores;
  std::deque<bool> impressoes;     // print dialog confirmed or not
  std::deque<bool> configuracoes;  // printer set-up confirmed or not
  std::deque<std::optional<std::string>> curvas;
  std::deque<std::optional<std::string>> elos;

  // What was shown.
  std::vector<tMSG> mensagens;
  std::vector<std::string> perguntas;
  std::vector<tPEDIDOARQ> pedidos;
  // Dialogs that came without a scripted answer, by kind and text.
  std::vector<std::string> imprevistos;

  void mensagem(const std::string& texto, tICONE icone) override;
  tRESPOSTA pergunta(const std::string& texto, tBOTOES botoes) override;
  std::optional<std::string> arquivo(const tPEDIDOARQ& pedido) override;
  std::optional<std::uint32_t> cor(std::uint32_t inicial) override;
  bool imprimir(QPrinter& printer) override;
  bool configurar_impressora(QPrinter& printer) override;
  std::optional<std::string> curva(const std::string& atual) override;
  std::optional<std::string> elo(const std::string& atual) override;
};

// Installs a fresh scripted service for the life of the scope and puts the
// previous one back afterwards.
class tROTEIRO {
 public:
  tROTEIRO();
  ~tROTEIRO();
  tROTEIRO(const tROTEIRO&) = delete;
  tROTEIRO& operator=(const tROTEIRO&) = delete;

  tDIALOGOSTESTE& operator*() { return *d_; }
  tDIALOGOSTESTE* operator->() { return d_; }

 private:
  tDIALOGOSTESTE* d_;
  std::unique_ptr<tDIALOGOS> anterior_;
};

}  // namespace tarvinel
