#include "support/dialogos_teste.h"

namespace tarvinel {

namespace {
template <class T>
bool tira(std::deque<T>& q, T& v) {
  if (q.empty()) return false;
  v = std::move(q.front());
  q.pop_front();
  return true;
}
}  // namespace

void tDIALOGOSTESTE::mensagem(const std::string& texto, tICONE icone) {
  mensagens.push_back({texto, icone});
}

tRESPOSTA tDIALOGOSTESTE::pergunta(const std::string& texto, tBOTOES botoes) {
  perguntas.push_back(texto);
  tRESPOSTA r{};
  if (tira(respostas, r)) return r;
  imprevistos.push_back("pergunta: " + texto);
  return botoes == tBOTOES::simnao ? tRESPOSTA::nao : tRESPOSTA::cancela;
}

std::optional<std::string> tDIALOGOSTESTE::arquivo(const tPEDIDOARQ& pedido) {
  pedidos.push_back(pedido);
  std::optional<std::string> r;
  if (tira(arquivos, r)) return r;
  imprevistos.push_back("arquivo: " + pedido.filtro);
  return std::nullopt;
}

std::optional<std::uint32_t> tDIALOGOSTESTE::cor(std::uint32_t) {
  std::optional<std::uint32_t> r;
  if (tira(cores, r)) return r;
  imprevistos.push_back("cor");
  return std::nullopt;
}

bool tDIALOGOSTESTE::imprimir(QPrinter&) {
  bool r = false;
  if (tira(impressoes, r)) return r;
  imprevistos.push_back("imprimir");
  return false;
}

bool tDIALOGOSTESTE::configurar_impressora(QPrinter&) {
  bool r = false;
  if (tira(configuracoes, r)) return r;
  imprevistos.push_back("configurar impressora");
  return false;
}

std::optional<std::string> tDIALOGOSTESTE::curva(const std::string& atual) {
  std::optional<std::string> r;
  if (tira(curvas, r)) return r;
  imprevistos.push_back("curva: " + atual);
  return std::nullopt;
}

std::optional<std::string> tDIALOGOSTESTE::elo(const std::string& atual) {
  std::optional<std::string> r;
  if (tira(elos, r)) return r;
  imprevistos.push_back("elo: " + atual);
  return std::nullopt;
}

tROTEIRO::tROTEIRO() {
  auto d = std::make_unique<tDIALOGOSTESTE>();
  d_ = d.get();
  anterior_ = set_dialogos(std::move(d));
}

tROTEIRO::~tROTEIRO() {
  set_dialogos(std::move(anterior_));
}

}  // namespace tarvinel
