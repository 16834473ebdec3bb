// Commands over coordination charts (.coord): the settings text, the checks
// of the chart, the points its settings draw, the conversion (read and write
// again) and a new example chart. A file is read the way the desktop program
// opens it (prjcoord_abre): a new chart with the relay counter reset, then the
// file loaded into it, so converting gives exactly what opening and saving
// gives.

#include <fmt/printf.h>

#include <memory>
#include <string>

#include "cli/comandos.h"
#include "core/chart/canvas_rec.h"
#include "core/coordination/ajuste_fuse.h"
#include "core/coordination/ajuste_religa.h"
#include "core/coordination/ajuste_trafo.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/danos.h"
#include "core/coordination/prjcoord.h"
#include "core/coordination/verificacao.h"
#include "core/foundation/arquivo.h"
#include "core/foundation/json.h"
#include "core/foundation/numtxt.h"

namespace tarvinel::cli {

namespace {

// The example of a new chart, or the file opened as the program opens it.
std::unique_ptr<tPRJCOORD> abre(const std::string& arq) {
  return arq.empty() ? prjcoord_novo() : prjcoord_abre(arq);
}

// The words of a command: at most one file, "-o OUT" and the options the
// command accepts with a value. Returns an error text, empty when all is well.
struct tPALAVRAS {
  std::string arq;
  std::string saida;
  std::string tamanho;  // --size
};

std::string separa(const tARGS& args, bool aceita_tamanho, tPALAVRAS& p) {
  if (!aceita_tamanho) return le_palavras(args, {com_valor("-o", p.saida)}, p.arq);
  return le_palavras(args, {com_valor("-o", p.saida), com_valor("--size", p.tamanho)}, p.arq);
}

}  // namespace

int cmd_settings(const tARGS& args) {
  tPALAVRAS p;
  const std::string msg = separa(args, false, p);
  if (!msg.empty()) return erro_uso("settings", msg);
  const auto prj = abre(p.arq);
  const std::string texto = textoajustes(*prj);
  if (p.saida.empty()) return escreve(texto) ? SAIDA_OK : erro("não foi possível escrever a saída");
  gravartexto(p.saida, texto);
  return SAIDA_OK;
}

namespace {

// Exit status of check when a check fails.
constexpr int SAIDA_FALHA = 3;
// The size and margin of the exported image, whose drawing `points` lists.
constexpr int kLARGURA_IMAGEM = 1024;
constexpr int kALTURA_IMAGEM = 768;
constexpr int kFOLGA_IMAGEM = 50;

std::string json_verif(const tRESULTADOVERIF& r) {
  tJSON j;
  j.lista();
  for (const tVERIFICACAO& v : r.itens) {
    j.objeto();
    j.campo("verificacao", nome_verif(v.tipo));
    j.campo("item", v.item);
    if (!v.elo.empty()) j.campo("elo", v.elo);
    j.campo("referencia", v.referencia);
    if (!v.elo_ref.empty()) j.campo("elo_referencia", v.elo_ref);
    j.campo("funcao", nome_funcao(v));
    j.campo("corrente", v.corrente);
    j.campo("margem", v.margem);
    j.campo("exigido", v.exigido);
    j.campo("ok", v.ok);
    j.fim();
  }
  j.fim();
  return j.texto();
}

// The word of a setting's curves in `points` for kinds without functions
// or links: the name of its file block ("ajuste-trafo{" gives "trafo").
std::string palavra(tAJUSTE& a) {
  tSTRINGARQ arq;
  a.exportprop(arq);
  std::string s = arq.count() > 0 ? arq[0] : std::string();
  if (s.rfind("ajuste-", 0) == 0) s.erase(0, 7);
  if (!s.empty() && s.back() == '{') s.pop_back();
  return s;
}

void linhas_pontos(std::string& s, int n, const std::string& curva,
                   const std::vector<tPOINTX>& pts) {
  for (const tPOINTX& p : pts) s += fmt::sprintf("%d\t%s\t%.17g\t%.17g\n", n, curva, p.x, p.y);
}

// The points setting a (number n) of prj draws on chart, curve by curve.
void pontos_ajuste(const tPRJCOORD& prj, tCHARTX& chart, tCANVAS& canvas, tAJUSTE& a, int n,
                   std::string& s) {
  const double fator = fator_corrente(a, prj.ten_nom);
  std::vector<tPOINTX> pts;
  chart.canvas = &canvas;
  chart.registro = &pts;
  auto desenha = [&](const std::string& curva, auto&& f) {
    pts.clear();
    f();
    linhas_pontos(s, n, curva, pts);
  };
  if (auto* r = dynamic_cast<tAJUSTE_RELIGA*>(&a)) {
    desenha("fase", [&] { r->relf.plot(chart, fator); });
    desenha("neutro", [&] { r->reln.plot(chart, fator); });
  } else if (auto* c = dynamic_cast<tAJUSTE_CURVA*>(&a)) {
    desenha("curva", [&] { c->rel.plot(chart, fator); });
  } else if (auto* f = dynamic_cast<tAJUSTE_FUSE*>(&a)) {
    // A link is drawn through every point of its catalogue curves.
    for (const std::string& elo : f->fusetag) {
      if (elo == "Nenhum") continue;
      for (const std::string& nome : {elo, elo + "-max"})
        if (const tELO_CURVA* e = elolista().find(nome))
          desenha(nome, [&] {
            for (const auto& p : e->pontos()) chart.marca({p.cor * fator, p.tem});
          });
    }
  } else if (auto* t = dynamic_cast<tAJUSTE_TRAFO*>(&a); t != nullptr && t->dano != 0) {
    // The damage curves as drawn (cut at the limits), then the ANSI points
    // alone under the kind's own word.
    const tDANO_TRAFO d = dano_trafo(*t, prj.ten_nom, iccmax_coord(prj));
    linhas_pontos(s, n, "dano", recorta(d.fase, chart.limites));
    linhas_pontos(s, n, "dano-neutro", recorta(d.neutro, chart.limites));
    const int dano = t->dano;
    t->dano = 0;
    desenha(palavra(a), [&] { a.drawto(chart); });
    t->dano = dano;
  } else {
    desenha(palavra(a), [&] { a.drawto(chart); });
  }
  chart.registro = nullptr;
  chart.canvas = nullptr;
}

}  // namespace

int cmd_check(const tARGS& args) {
  std::string arq;
  bool json = false;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else if (!a.empty() && a[0] == '-')
      return erro_uso("check", "opção desconhecida: " + a);
    else if (!arq.empty())
      return erro_uso("check", "argumento inesperado: " + a);
    else
      arq = a;
  }
  const auto prj = abre(arq);
  const tRESULTADOVERIF r = verifica(*prj, tOPCOES_GRAF{}.lim_sup);
  for (const std::string& a : r.avisos) aviso(a);
  std::string s;
  if (json) {
    s = json_verif(r);
  } else {
    for (const tVERIFICACAO& v : r.itens)
      s += fmt::sprintf("%s\t%s\t%s\t%s\t%.1f\t%.3f\t%.3f\t%s\n", nome_verif(v.tipo),
                        numero_item(v.item, v.elo), numero_item(v.referencia, v.elo_ref),
                        nome_funcao(v), v.corrente, v.margem, v.exigido, nome_resultado(v));
  }
  if (!escreve(s)) return erro("não foi possível escrever a saída");
  return r.falhas() > 0 ? SAIDA_FALHA : SAIDA_OK;
}

int cmd_points(const tARGS& args) {
  std::string arq;
  std::string item;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--item") {
      if (i + 1 >= args.size()) return erro_uso("points", "falta o valor depois de --item");
      item = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      return erro_uso("points", "opção desconhecida: " + a);
    } else if (!arq.empty()) {
      return erro_uso("points", "argumento inesperado: " + a);
    } else {
      arq = a;
    }
  }
  int n = 0;
  if (!item.empty()) {
    n = txt2int(item, -1, 0, 0);
    if (n < 1) return erro_uso("points", "número de item inválido: " + item);
  }
  const auto prj = abre(arq);
  if (n > prj->ajustes.count())
    return erro(
        fmt::sprintf("o coordenograma não tem o item %d (tem %d)", n, prj->ajustes.count()));
  // The drawing of the exported image sets the chart up (size, limits,
  // the transformers' voltage); each setting is then drawn again alone.
  tCANVASREC canvas(kLARGURA_IMAGEM, kALTURA_IMAGEM);
  tCHARTX chart;
  drawcoord(*prj, chart, canvas, kLARGURA_IMAGEM, kFOLGA_IMAGEM, kALTURA_IMAGEM, tOPCOES_GRAF{});
  std::string s;
  for (int i = 0; i < prj->ajustes.count(); ++i) {
    tAJUSTE& a = *prj->ajustes.Getajustes(i);
    if (n != 0 ? i + 1 != n : !a.visible) continue;
    if (auto* t = dynamic_cast<tAJUSTE_TRAFO*>(&a)) t->tensao = prj->ten_nom;
    pontos_ajuste(*prj, chart, canvas, a, i + 1, s);
  }
  return escreve(s) ? SAIDA_OK : erro("não foi possível escrever a saída");
}

int convert_coord(const std::string& in, const std::string& out) {
  if (!tem_extensao(out, ".coord"))
    return erro_uso("convert", "um coordenograma só é gravado como .coord: " + out);
  prjcoord_abre(in)->savetofile(out);
  return SAIDA_OK;
}

int new_coord(const std::string& out) {
  if (!tem_extensao(out, ".coord"))
    return erro_uso("new", "um coordenograma só é gravado como .coord: " + out);
  prjcoord_novo()->savetofile(out);
  return SAIDA_OK;
}

}  // namespace tarvinel::cli
