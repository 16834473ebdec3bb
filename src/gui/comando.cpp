#include "gui/comando.h"

#include <new>

#include "gui/dialogos.h"

namespace tarvinel {

void relata_erro(std::exception_ptr e) {
  std::string texto = kERRODESCONHECIDO;
  try {
    std::rethrow_exception(e);
  } catch (const std::bad_alloc&) {
    texto = "Memória insuficiente para concluir a operação.";
  } catch (const std::exception& x) {
    if (x.what() != nullptr && *x.what() != '\0') texto = x.what();
  } catch (...) {
  }
  // The report itself must never throw out of an event handler.
  try {
    dialogos().erro(texto);
  } catch (...) {
  }
}

tAPLICACAO::tAPLICACAO(int& argc, char** argv) : QApplication(argc, argv) {}

bool tAPLICACAO::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    relata_erro(std::current_exception());
    return false;
  }
}

}  // namespace tarvinel
