#include "gui/dialogos.h"

#include "core/foundation/numtxt.h"
#include "core/foundation/tipos.h"
#include "gui/dialogos_qt.h"

namespace tarvinel {

namespace {
std::unique_ptr<tDIALOGOS>& atual() {
  static std::unique_ptr<tDIALOGOS> d;
  return d;
}
tSELETOR& seletor_curva() {
  static tSELETOR f;
  return f;
}
tSELETOR& seletor_elo() {
  static tSELETOR f;
  return f;
}
}  // namespace

std::optional<std::string> tDIALOGOS::curva(const std::string& nome) {
  if (!seletor_curva()) return std::nullopt;
  return seletor_curva()(nome);
}

std::optional<std::string> tDIALOGOS::elo(const std::string& nome) {
  if (!seletor_elo()) return std::nullopt;
  return seletor_elo()(nome);
}

tDIALOGOS& dialogos() {
  auto& d = atual();
  if (!d) d = std::make_unique<tDIALOGOSQT>();
  return *d;
}

std::unique_ptr<tDIALOGOS> set_dialogos(std::unique_ptr<tDIALOGOS> d) {
  std::swap(atual(), d);
  return d;
}

void set_seletor_curva(tSELETOR f) {
  seletor_curva() = std::move(f);
}
void set_seletor_elo(tSELETOR f) {
  seletor_elo() = std::move(f);
}
bool tem_seletor_curva() {
  return static_cast<bool>(seletor_curva());
}
bool tem_seletor_elo() {
  return static_cast<bool>(seletor_elo());
}

std::optional<std::string> escolhe_botao(const std::string& key, const std::string& atual) {
  if (key == "Cor") {
    const std::optional<std::uint32_t> c =
        dialogos().cor(static_cast<std::uint32_t>(txt2int(atual, 0, 0, 0)));
    if (!c) return std::nullopt;
    return cor2txt(static_cast<tCOR>(*c & 0xFFFFFF));
  }
  const std::string curva = "Curva Principal";
  if (key.size() >= curva.size() &&
      key.compare(key.size() - curva.size(), curva.size(), curva) == 0)
    return dialogos().curva(atual);
  if (key.find("ELO") != std::string::npos) return dialogos().elo(atual);
  return std::nullopt;
}

}  // namespace tarvinel
