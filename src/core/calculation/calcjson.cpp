#include "core/calculation/calcjson.h"

#include <cmath>

#include "core/foundation/estado.h"
#include "core/foundation/json.h"

namespace tarvinel {

namespace {

void curto(tJSON& j, const char* nome, const tCURTO& c) {
  j.chave(nome).objeto();
  j.campo("icc3f", c.ICC3F).campo("icc3fa", c.ICC3FA).campo("iccft", c.ICCFT);
  j.campo("iccftm", c.ICCFTM).campo("iccfta", c.ICCFTA);
  j.fim();
}

void funcao(tJSON& j, const char* nome, const tFRELIGA& f) {
  j.chave(nome).objeto();
  j.campo("curva", f.nom_cur).campo("partida", f.cor_par).campo("dial", f.dt);
  j.campo("instantanea", f.cor_ins).campo("corrente_definida", f.idef);
  j.campo("tempo_definido", f.tdef).campo("tempo_minimo", f.tmin);
  j.fim();
}

void tensao(tJSON& j, const char* nome, int percentual, double tempo, double kv) {
  j.chave(nome).objeto();
  // percent of the nominal kV, in volts: % * kV * 1000 / 100
  j.campo("percentual", percentual).campo("tensao", percentual * kv * 10).campo("tempo", tempo);
  j.fim();
}

}  // namespace

std::string calcjson(const tPRJCALC& p, const tPRJCALCVAR& c,
                     const std::vector<std::string>& avisos) {
  tJSON j;
  j.objeto();
  j.campo("versao", versionline);
  j.campo("empresa", p.empresa).campo("projetista", p.projetista);
  j.campo("tensao_nominal_kv", p.tensaomt);
  j.campo("corrente_base", c.ib_at).campo("impedancia_base", c.zb_at);
  curto(j, "ponto_entrega", p.icc_con);
  curto(j, "barra_mt", p.icc_cli);
  j.campo("icc_min", p.iccmin).campo("icc_max", p.iccmax);
  j.campo("corrente_nominal", p.lim_pot_get() / (std::sqrt(3.0) * p.fatorp * p.tensaomt));

  j.chave("transformadores").lista();
  int n = 0;
  for (const auto& t : p.trafos) {
    j.objeto();
    j.campo("numero", ++n).campo("kva", t->kva).campo("tensao_bt", t->ten_sec);
    j.campo("ligacao", ligname(t->lig)).campo("paralelo", t->prll);
    j.campo("corrente_nominal", t->inom);
    curto(j, "barra_bt", t->curto);
    j.chave("ponto_ansi").objeto();
    j.campo("fase", t->ansi_f).campo("neutro", t->ansi_n).campo("tempo", t->ansi_t);
    j.fim();
    j.fim();
  }
  j.fim();

  j.chave("tc").objeto();
  j.campo("corrente_demanda", c.rtc_ind).campo("corrente_carga", c.rtc_inc);
  j.campo("corrente_servico", c.rtc_ins).campo("corrente_curto", c.rtc_inm);
  j.campo("corrente_primaria", c.rtc_ino).campo("relacao", std::to_string(c.rtc_ino) + "/5");
  j.campo("corrente_secundaria", c.rtc_ise).campo("tensao_saturacao", c.rtc_vse);
  j.campo("potencia_calculada_va", c.rtc_va_cal).campo("potencia_va", c.rtc_va_sel);
  j.campo("ansi", c.rtc_nom).campo("nbr_6856", c.rtc_nom_nbr);
  j.fim();

  j.chave("inrush").objeto();
  j.campo("parcial", c.inrush_parcial).campo("total", c.inrush_total);
  j.campo("real", c.inrush_real).campo("energisa", c.inrush_energisa);
  j.campo("metodo", inr_met_name(p.inr_met));
  j.campo("fase", c.inrush_fase).campo("neutro", c.inrush_neutro);
  j.fim();

  j.chave("rele").objeto();
  funcao(j, "fase", p.rele_cli->relf);
  funcao(j, "neutro", p.rele_cli->reln);
  j.fim();
  tensao(j, "funcao_27", p.fun_27, p.fun_27t, p.tensaomt);
  tensao(j, "funcao_59", p.fun_59, p.fun_59t, p.tensaomt);

  j.chave("avisos").lista();
  for (const std::string& a : avisos) j.valor(a);
  j.fim();
  j.fim();
  return j.texto();
}

}  // namespace tarvinel
