#pragma once
// The application's general error report. Every user command runs inside
// comando(): an exception that escapes it (a file that cannot be read or
// written, anything unexpected) ends that command and is shown in an error
// message box with its text; the program goes on. tAPLICACAO catches what
// escapes an event handler outside a command the same way.

#include <QApplication>
#include <exception>
#include <string>

namespace tarvinel {

// The message for an exception that carries no text of its own.
inline constexpr const char* kERRODESCONHECIDO = "Ocorreu um erro inesperado.";

// Shows the exception in flight (call only inside a catch block).
void relata_erro(std::exception_ptr e);

// Runs f; returns false when it ended with an exception, after reporting it.
template <class F>
bool comando(F&& f) {
  try {
    f();
    return true;
  } catch (...) {
    relata_erro(std::current_exception());
    return false;
  }
}

// The program's application object: QApplication whose event delivery
// reports an escaping exception instead of ending the program.
class tAPLICACAO : public QApplication {
 public:
  tAPLICACAO(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace tarvinel
