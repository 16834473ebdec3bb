#pragma once
// The one exception of file access. Its text is the Portuguese message the
// user sees: what could not be done, to which file, and why. The GUI shows it
// at the command that failed; the CLI prints it and exits 1.

#include <stdexcept>
#include <string>

namespace tarvinel {

// What the program was doing when the file failed.
enum class tOPARQ { abrir, ler, gravar };

class tERROARQ : public std::runtime_error {
 public:
  // err is an errno value; it becomes a Portuguese cause.
  tERROARQ(tOPARQ op, const std::string& path, int err);
  // A cause already in words ("arquivo grande demais").
  tERROARQ(tOPARQ op, const std::string& path, const std::string& cause);

  const std::string& path() const { return path_; }
  tOPARQ op() const { return op_; }

 private:
  tOPARQ op_;
  std::string path_;
};

// Portuguese cause of an errno value for that operation; never the C library's
// strerror text, which may be in English.
std::string causaerro(tOPARQ op, int err);

}  // namespace tarvinel
