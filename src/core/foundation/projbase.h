#pragma once
// Base of every document (the coordination chart and the calculation). A
// document writes and reads its whole file through one tSTRINGARQ; both
// operations throw tERROARQ when the file cannot be read or written.

#include <string>

namespace tarvinel {

class tPROJBASE {
 public:
  virtual ~tPROJBASE() = default;

  virtual void savetofile(const std::string& filename) { (void)filename; }
  virtual void loadfromfile(const std::string& filename) { (void)filename; }
};

}  // namespace tarvinel
