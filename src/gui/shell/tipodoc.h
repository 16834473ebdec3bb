#pragma once
// A kind of document the main window can create and open. Each document
// window registers its kind with TfmMAIN::registra when the program starts;
// until a kind is registered, its "new" action stays disabled and its files
// are refused with a message, so no window is ever faked.

#include <functional>
#include <memory>
#include <string>

namespace tarvinel {

class tFMBASE;

struct tTIPODOC {
  // Extension without the dot, equal to the windows' extdef: "coord",
  // "ajuste", "ens".
  std::string ext;
  // loadfile opens files with this extension (the relay test sheet has no file).
  bool abre = true;
  // A new window of this kind holding a new document, with its extdef,
  // caption and changed set; the main window adds it to the tab list.
  std::function<std::unique_ptr<tFMBASE>()> cria;
};

}  // namespace tarvinel
