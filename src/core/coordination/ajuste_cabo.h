#pragma once
// Thermal damage curve of a distribution cable, t = K x I^n, from a fixed
// table of cables.

#include <array>
#include <memory>
#include <string>

#include "core/coordination/ajuste.h"
#include "core/foundation/grade.h"

namespace tarvinel {

// One cable of the table: damage time t = k * I^n seconds for I amperes.
struct tCABO {
  const char* nome;
  double k;
  double n;
};

class tAJUSTE_CABO : public tAJUSTE {
 public:
  tAJUSTE_CABO();

  // A name of kcable() or kCalculado; "nenhuma" (or any other name) draws
  // nothing.
  std::string cabletag = "4CA";
  // The calculated cable: section, mm^2; conductor 0 copper, 1 aluminium;
  // insulation 0 XLPE/EPR 90-250 C, 1 PVC 70-160 C.
  double secao = 35;
  int condutor = 0;
  int isolacao = 0;

  // The pick-list entry whose withstand curve is calculated from secao,
  // condutor and isolacao (suportabilidade) instead of taken from the table.
  static constexpr const char* kCalculado = "Calculado";
  static const tNOMES& condutores();
  static const tNOMES& isolacoes();
  // "35mm² Cu XLPE": the calculated cable as its legend names it.
  std::string nomecalculado() const;

  // The 23 cables in table order; row 0, "nenhuma", stands for no cable.
  static const std::array<tCABO, 23>& kcable();
  // The cable named exactly so; nullptr for none, "nenhuma" included.
  static const tCABO* findcabo(const std::string& nome);
  // The 23 names in table order (the grid's pick list).
  static const tNOMES& nomes();

  tREFAJUSTE referencia() const override { return {"protecao", "Proteção"}; }

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // A table cable: 50 samples evenly spaced in pixels across the plot window
  // (so evenly in log current), kept between 0.1 s and 100 s; the legend at
  // 5000 A. The calculated cable: I = k S / sqrt(t) from the chart's lowest
  // time to 5 s, the legend halfway along the part drawn. Currents times the
  // setting's current factor.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;

 protected:
  std::unique_ptr<tAJUSTE> create() const override;

 private:
  void drawcalculado(tCHARTX& chart) const;
};

}  // namespace tarvinel
