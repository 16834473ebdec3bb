#include "manual/conteudo.h"

namespace tarvinel::manual {

tTEXTOS valores_calculo() { return {}; }
tTEXTOS tabelas_calculo() { return {}; }

}  // namespace tarvinel::manual
