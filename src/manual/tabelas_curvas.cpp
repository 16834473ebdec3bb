#include "manual/conteudo.h"

namespace tarvinel::manual {

tTEXTOS tabelas_curvas() { return {}; }

}  // namespace tarvinel::manual
