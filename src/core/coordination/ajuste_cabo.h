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

  // A name of kcable(); "nenhuma" (or any name outside the table) draws nothing.
  std::string cabletag = "4CA";

  // The 23 cables in table order; row 0, "nenhuma", stands for no cable.
  static const std::array<tCABO, 23>& kcable();
  // The cable named exactly so; nullptr for none, "nenhuma" included.
  static const tCABO* findcabo(const std::string& nome);
  // The 23 names in table order (the grid's pick list).
  static const tNOMES& nomes();

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // 50 samples evenly spaced in pixels across the plot window (so evenly in
  // log current), kept between 0.1 s and 100 s; the legend at 5000 A.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;

 protected:
  std::unique_ptr<tAJUSTE> create() const override;
};

}  // namespace tarvinel
