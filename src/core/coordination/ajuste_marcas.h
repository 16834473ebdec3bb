#pragma once
// System-current marks of the chart: the minimum/maximum short-circuit and
// nominal currents (tAJUSTE_MINMAX) and the definite current/time corners
// (tAJUSTE_DEFIT).

#include <memory>
#include <string>

#include "core/coordination/ajuste.h"

namespace tarvinel {

class tAJUSTE_MINMAX : public tAJUSTE {
 public:
  tAJUSTE_MINMAX();

  double iccmin = 100;   // minimum short-circuit current, A
  double iccmax = 3000;  // maximum short-circuit current, A
  double inom = 10;      // nominal current, A

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // Three vertical marks, whatever the phase/neutral switches say; a current
  // of 0 has no mark.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;

 protected:
  std::unique_ptr<tAJUSTE> create() const override;

 private:
  void drawicc(tCHARTX& chart, const std::string& label, tCOR cor, double i) const;
};

class tAJUSTE_DEFIT : public tAJUSTE {
 public:
  tAJUSTE_DEFIT();

  double idef_f = 3000;  // phase definite current, A
  double idef_n = 1000;  // neutral definite current, A
  double tdef_f = 0.2;   // phase definite time, s
  double tdef_n = 0.1;   // neutral definite time, s

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // Phase corner thin and dashed, neutral corner thick and solid, whatever the
  // phase/neutral switches say. A corner with a current or time of 0 (no place
  // on the log axes) is not drawn.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;

 protected:
  std::unique_ptr<tAJUSTE> create() const override;

 private:
  void drawdef(tCHARTX& chart, double i, double t) const;
};

}  // namespace tarvinel
