#pragma once
// The dialogs service on Qt's standard dialogs, parented to the active window.

#include <QStringList>

#include "gui/dialogos.h"

namespace tarvinel {

class tDIALOGOSQT : public tDIALOGOS {
 public:
  void mensagem(const std::string& texto, tICONE icone) override;
  tRESPOSTA pergunta(const std::string& texto, tBOTOES botoes) override;
  std::optional<std::string> arquivo(const tPEDIDOARQ& pedido) override;
  std::optional<std::uint32_t> cor(std::uint32_t inicial) override;
  bool imprimir(QPrinter& printer) override;
  bool configurar_impressora(QPrinter& printer) override;
};

// "Todos|*.coord;*.ajuste;|*.coord|*.coord" -> {"Todos (*.coord *.ajuste)",
// "*.coord (*.coord)"}: the pairs of the program's filter text as Qt name
// filters. A trailing text without a pattern is dropped.
QStringList filtros_qt(const std::string& filtro);

}  // namespace tarvinel
