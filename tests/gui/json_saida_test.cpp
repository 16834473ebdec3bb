// The JSON that scripts read (tarvinel-cli --json), parsed by Qt's JSON
// reader and compared value by value with the engine: every number must read
// back as exactly the double the engine holds.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <clocale>
#include <string>
#include <variant>
#include <vector>

#include "core/calculation/calcexec.h"
#include "core/calculation/calcjson.h"
#include "core/calculation/prjcalc.h"
#include "core/curves/tripcli.h"
#include "core/foundation/json.h"

using namespace tarvinel;

namespace {

QJsonObject le(const std::string& texto) {
  QJsonParseError e{};
  const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(texto), &e);
  EXPECT_EQ(e.error, QJsonParseError::NoError) << e.errorString().toStdString() << "\n" << texto;
  return d.object();
}

// "a.b.2.c": keys of objects and positions in lists.
QJsonValue em(const QJsonObject& raiz, const std::string& caminho) {
  QJsonValue v = raiz;
  std::size_t i = 0;
  while (i <= caminho.size()) {
    const std::size_t j = std::min(caminho.find('.', i), caminho.size());
    const QString parte = QString::fromStdString(caminho.substr(i, j - i));
    bool numero = false;
    const int k = parte.toInt(&numero);
    v = numero ? v.toArray().at(k) : v.toObject().value(parte);
    i = j + 1;
  }
  return v;
}

using tESPERADO = std::variant<double, std::string, bool>;

void confere(const QJsonObject& o, const std::vector<std::pair<std::string, tESPERADO>>& linhas) {
  for (const auto& [caminho, esperado] : linhas) {
    SCOPED_TRACE(caminho);
    const QJsonValue v = em(o, caminho);
    if (const double* d = std::get_if<double>(&esperado)) {
      ASSERT_TRUE(v.isDouble()) << "não é número";
      EXPECT_EQ(v.toDouble(), *d);  // exactly: full precision
    } else if (const std::string* s = std::get_if<std::string>(&esperado)) {
      EXPECT_EQ(v.toString().toStdString(), *s);
    } else {
      ASSERT_TRUE(v.isBool());
      EXPECT_EQ(v.toBool(), std::get<bool>(esperado));
    }
  }
}

}  // namespace

TEST(JsonSaida, CalculoIgualAoMotor) {
  tPRJCALC p;
  tPRJCALCVAR c;
  // A second transformer in parallel, so the list and the booleans are seen.
  p.trafos.GetTrafos(1)->prll = true;
  calcexec(p, c);
  const std::vector<std::string> avisos = {"primeiro \"aviso\"\nsegunda linha", "outro"};
  const QJsonObject o = le(calcjson(p, c, avisos));
  const tFRELIGA& f = p.rele_cli->relf;
  const tFRELIGA& n = p.rele_cli->reln;
  std::vector<std::pair<std::string, tESPERADO>> linhas = {
      {"tensao_nominal_kv", p.tensaomt},
      {"corrente_base", c.ib_at},
      {"impedancia_base", c.zb_at},
      {"ponto_entrega.icc3f", p.icc_con.ICC3F},
      {"ponto_entrega.iccftm", p.icc_con.ICCFTM},
      {"barra_mt.icc3f", p.icc_cli.ICC3F},
      {"barra_mt.icc3fa", p.icc_cli.ICC3FA},
      {"barra_mt.iccft", p.icc_cli.ICCFT},
      {"barra_mt.iccftm", p.icc_cli.ICCFTM},
      {"barra_mt.iccfta", p.icc_cli.ICCFTA},
      {"icc_min", p.iccmin},
      {"icc_max", p.iccmax},
      {"tc.corrente_demanda", c.rtc_ind},
      {"tc.corrente_carga", c.rtc_inc},
      {"tc.corrente_servico", c.rtc_ins},
      {"tc.corrente_curto", c.rtc_inm},
      {"tc.corrente_primaria", double(c.rtc_ino)},
      {"tc.relacao", std::to_string(c.rtc_ino) + "/5"},
      {"tc.corrente_secundaria", c.rtc_ise},
      {"tc.tensao_saturacao", double(c.rtc_vse)},
      {"tc.potencia_calculada_va", double(c.rtc_va_cal)},
      {"tc.potencia_va", double(c.rtc_va_sel)},
      {"tc.ansi", c.rtc_nom},
      {"tc.nbr_6856", c.rtc_nom_nbr},
      {"inrush.parcial", c.inrush_parcial},
      {"inrush.total", c.inrush_total},
      {"inrush.real", c.inrush_real},
      {"inrush.energisa", c.inrush_energisa},
      {"inrush.metodo", inr_met_name(p.inr_met)},
      {"inrush.fase", c.inrush_fase},
      {"inrush.neutro", c.inrush_neutro},
      {"rele.fase.curva", f.nom_cur},
      {"rele.fase.partida", f.cor_par},
      {"rele.fase.dial", f.dt},
      {"rele.fase.instantanea", f.cor_ins},
      {"rele.fase.corrente_definida", f.idef},
      {"rele.fase.tempo_definido", f.tdef},
      {"rele.neutro.partida", n.cor_par},
      {"rele.neutro.instantanea", n.cor_ins},
      {"funcao_27.percentual", double(p.fun_27)},
      {"funcao_27.tensao", p.fun_27 * p.tensaomt * 10},
      {"funcao_27.tempo", p.fun_27t},
      {"funcao_59.tensao", p.fun_59 * p.tensaomt * 10},
      {"funcao_59.tempo", p.fun_59t},
      {"avisos.0", avisos[0]},
      {"avisos.1", avisos[1]},
  };
  int i = 0;
  for (const auto& t : p.trafos) {
    const std::string k = "transformadores." + std::to_string(i) + ".";
    linhas.insert(linhas.end(), {
                                    {k + "numero", double(++i)},
                                    {k + "kva", t->kva},
                                    {k + "ligacao", ligname(t->lig)},
                                    {k + "paralelo", t->prll},
                                    {k + "corrente_nominal", t->inom},
                                    {k + "barra_bt.icc3f", t->curto.ICC3F},
                                    {k + "barra_bt.iccftm", t->curto.ICCFTM},
                                    {k + "ponto_ansi.fase", t->ansi_f},
                                    {k + "ponto_ansi.neutro", t->ansi_n},
                                    {k + "ponto_ansi.tempo", t->ansi_t},
                                });
  }
  confere(o, linhas);
  EXPECT_EQ(o.value("transformadores").toArray().size(), p.trafos.count());
  EXPECT_EQ(o.value("avisos").toArray().size(), 2);
}

// The times of trip --json are the curve's own, under a locale whose
// decimal separator is ",".
TEST(JsonSaida, TripIgualAoMotor) {
  const char* antes = std::setlocale(LC_ALL, nullptr);
  const std::string guardado = antes != nullptr ? antes : "C";
  std::setlocale(LC_ALL, "pt_BR.UTF-8");
  struct tLINHA {
    std::vector<std::string> args;
    bool inst;
  };
  const tLINHA linhas[] = {
      {{"IEC-NI", "1", "1", "10", "2.5"}, false},
      {{"IEC-VI", "100", "0,3", "150", "1000.25"}, false},
      {{"ANSI-MI", "60", "0.1", "100", "5000", "--inst", "1000"}, true},
      {{"F6-112", "10", "1", "15", "9000"}, false},
  };
  for (const tLINHA& l : linhas) {
    SCOPED_TRACE(l.args[0]);
    tTRIPCMD cmd;
    std::vector<std::string> a = l.args;
    a.push_back("--json");
    ASSERT_EQ(trip_args(a, cmd), "");
    const QJsonObject o = le(trip_text(cmd));
    EXPECT_EQ(o.value("curva").toString().toStdString(), l.args[0]);
    EXPECT_EQ(o.value("partida").toDouble(), cmd.rel.cor_par);
    EXPECT_EQ(o.value("dial").toDouble(), cmd.rel.dt);
    EXPECT_EQ(o.value("instantanea").isNull(), !l.inst);
    const QJsonArray pts = o.value("pontos").toArray();
    ASSERT_EQ(pts.size(), static_cast<qsizetype>(cmd.ic.size()));
    for (std::size_t k = 0; k < cmd.ic.size(); ++k) {
      const QJsonObject pt = pts.at(static_cast<qsizetype>(k)).toObject();
      EXPECT_EQ(pt.value("corrente").toDouble(), cmd.ic[k]);
      EXPECT_EQ(pt.value("tempo").toDouble(), cmd.rel.calc(cmd.ic[k], cmd.lim)) << k;
    }
  }
  std::setlocale(LC_ALL, guardado.c_str());
}

// Numbers that JSON cannot hold and texts that need escaping.
TEST(JsonSaida, NumerosETextosLimite) {
  tJSON j;
  j.objeto();
  j.campo("nan", std::nan("")).campo("inf", 1.0 / 0.0).campo("menor", 5e-324);
  j.campo("grande", 1.7976931348623157e308).campo("terco", 1.0 / 3).campo("zero", -0.0);
  j.campo("texto", std::string("aspas \" barra \\ tab \t cr \r nul \x01 ∆-Ya"));
  j.chave("vazio").lista().fim();
  j.chave("objeto_vazio").objeto().fim();
  j.fim();
  const QJsonObject o = le(j.texto());
  EXPECT_TRUE(o.value("nan").isNull());
  EXPECT_TRUE(o.value("inf").isNull());
  EXPECT_EQ(o.value("menor").toDouble(), 5e-324);
  EXPECT_EQ(o.value("grande").toDouble(), 1.7976931348623157e308);
  EXPECT_EQ(o.value("terco").toDouble(), 1.0 / 3);
  EXPECT_EQ(o.value("zero").toDouble(), 0.0);
  EXPECT_EQ(o.value("texto").toString().toStdString(),
            "aspas \" barra \\ tab \t cr \r nul \x01 ∆-Ya");
  EXPECT_TRUE(o.value("vazio").toArray().isEmpty());
  EXPECT_TRUE(o.value("objeto_vazio").toObject().isEmpty());
}
