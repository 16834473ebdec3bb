#pragma once
// Transformer marks of the chart: the ANSI withstand point of a power
// transformer (tAJUSTE_TRAFO) and its magnetising-current marker
// (tAJUSTE_INRUSH).

#include <memory>
#include <string>

#include "core/coordination/ajuste.h"
#include "core/foundation/grade.h"

namespace tarvinel {

class tAJUSTE_TRAFO : public tAJUSTE {
 public:
  tAJUSTE_TRAFO();

  double kva = 225;  // rated power, kVA
  double zp = 5;     // impedance, %
  // Label position: 0 "OFF" (no label), 1 "Centro", 2 "Cima", 3 "Baixo",
  // 4 "Direta", 5 "Esquerda"; any other value (only a file can hold one)
  // puts the label on the point.
  int postext = 2;
  // System voltage, kV. The coordination window copies the project's nominal
  // voltage here before every drawing; not stored in files, not copied.
  double tensao = 0;
  // Damage curve drawn with the ANSI points: 0 "Ponto ANSI" (none), 1 by the
  // power's category, 2 to 5 categories I to IV (IEEE C57.109).
  int dano = 0;
  // Frequent faults: the frequent-fault curve of categories II and III
  // (category IV always has it, category I never).
  bool frequente = false;
  // The chart's maximum short-circuit current, A, for the source impedance of
  // categories III and IV; 0 = none. Set with tensao before every drawing;
  // not stored, not copied.
  double iccmax = 0;

  // The ANSI point for the system voltage v (kV): the phase current, the
  // neutral current and the time. False while kva, zp or v give no point on
  // the chart (zero, negative or overflowing values).
  struct tPONTOANSI {
    double ifase = 0, ineutro = 0, tempo = 0;
  };
  bool pontoansi(double v, tPONTOANSI& p) const;

  // The names of the label positions, in postext order.
  static const tNOMES& posicoes();
  // The names of the damage curves, in dano order.
  static const tNOMES& curvasdano();

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // Phase point at (100/zp) x In and neutral point at 0.58 of it, both at
  // 1250 / (100/zp)^2 seconds. Nothing is drawn while kva, zp or tensao give
  // no point on the chart (zero, negative or overflowing values). With a
  // damage curve chosen, first the phase curve (thick, solid) and the neutral
  // curve (dashed) of dano_trafo; a category III or IV curve without iccmax
  // says so once in the message log with a "#" line.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;
  tREFAJUSTE referencia() const override { return {"protecao", "Proteção"}; }

 protected:
  std::unique_ptr<tAJUSTE> create() const override;

 private:
  void drawansi(tCHARTX& chart, const std::string& label, double i, double t) const;
  void drawdano(tCHARTX& chart);
  bool avisado_ = false;  // the missing iccmax was reported; not copied
};

class tAJUSTE_INRUSH : public tAJUSTE {
 public:
  tAJUSTE_INRUSH();

  double inrush = 70;  // phase magnetising current, A
  double inrusn = 0;   // neutral magnetising current, A; 0 = no neutral mark

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // A filled circle at (current, 0.1 s) with the caption above and the
  // current below, for phase and neutral as the chart shows them.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;
  tREFAJUSTE referencia() const override { return {"protecao", "Proteção"}; }

 protected:
  std::unique_ptr<tAJUSTE> create() const override;

 private:
  void drawmark(tCHARTX& chart, double i) const;
};

}  // namespace tarvinel
