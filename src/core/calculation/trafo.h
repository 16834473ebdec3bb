#pragma once
// The power transformers of a calculation project. The first seven fields and
// `obs` are what the user enters; the rest are written by the calculation
// (short-circuit, rated current, ANSI point) and by the report (`ib_bt`).
// Currents are amperes referred to the medium-voltage side, impedances per
// unit on the project base.

#include <memory>
#include <string>
#include <vector>

#include "core/foundation/stringarq.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

// Connections, high side to low side ("∆" is U+2206), as the window's pick
// list, the report and `resumo` name them.
inline constexpr int LIG_YAYA = 0;
inline constexpr int LIG_DYA = 1;
inline constexpr int LIG_YAYI = 2;
inline constexpr int LIG_DD = 3;
const std::vector<std::string>& lignames();
// Name of a connection; empty for a value outside 0..3.
std::string ligname(int lig);

// Plain record: copied by value (the calculation works on copies and only
// writes its results back once the whole run is sound).
class tTRAFO {
 public:
  double kva = 75;    // rated power, kVA
  double zp = 5;      // positive-sequence impedance, % on its own rating
  double xr = 10;     // X/R
  double imag = 8;    // inrush as a multiple K of the rated current
  int lig = LIG_DYA;  // connection
  bool prll = false;  // one of the group of parallel transformers
  int ten_sec = 380;  // low-voltage nominal voltage, V
  double ib_bt = 0;   // base current of its low-voltage bus, A (report)
  std::string obs;
  double inom = 0;  // rated current at medium voltage, A
  tCURTO curto;     // fault on its low-voltage bus, referred to medium voltage
  double ansi_f = 0;
  double ansi_n = 0;
  double ansi_t = 0;
  tCPLX z1tr;  // own positive-sequence impedance, pu
  tCPLX z1tt;  // total positive sequence to its low-voltage bus
  tCPLX z0tr;  // own zero-sequence impedance
  tCPLX ztt;   // 2·Z1 + Z0 to its low-voltage bus

  // Sets these five and ten_sec 380; xr and obs stay.
  void init(double kva, double zp, double imag, int lig, bool prll);
  // The "config-trafo{" block, opener and closer included.
  void exportprop(tSTRINGARQ& arq) const;
  // Reads the lines after "config-trafo{" through its closer.
  void importprop(tSTRINGARQ& arq);
  // Hint of a row of the transformer grid; empty for other captions.
  std::string gethint(const std::string& prop) const;
  // "S=250kVA, In=10.5A, Z1%=5.50 pu, Lig=∆-Ya, Imag=8xIn, V(bt)=380V"
  std::string resumo() const;
  // The fault currents of `curto` at its low-voltage bus, in amperes there
  // (ICC3F, ICC3FA, ICCFT, ICCFTA; ICCFTM is 0): the voltage ratio
  // 1000·tensaomt/ten_sec and, for the phase-to-ground ones of "∆-Ya" only,
  // √3, which undoes the 1/√3 of that connection's medium-voltage line
  // current; "Ya-Ya" and "Ya-Yi" carry the low-side current through.
  tCURTO curto_bt(double tensaomt) const;
};

// Ordered list that owns its transformers; positions counted from 1 are the
// transformer numbers of the report ("Barra T1", "Transformador 1").
class tTRAFO_LISTA {
 public:
  tTRAFO_LISTA() = default;
  tTRAFO_LISTA(const tTRAFO_LISTA&) = delete;
  tTRAFO_LISTA& operator=(const tTRAFO_LISTA&) = delete;

  int count() const { return static_cast<int>(itens_.size()); }
  // Throws std::out_of_range for a position outside the list.
  tTRAFO* GetTrafos(int i) const { return itens_.at(static_cast<std::size_t>(i)).get(); }
  tTRAFO* Trafos(int i) const { return GetTrafos(i); }
  // Replaces the transformer at i (a null t is ignored); the old one is destroyed.
  void SetTrafos(int i, std::unique_ptr<tTRAFO> t);

  // A new transformer with the defaults, appended.
  tTRAFO* novotrafo();
  // Takes the transformer at i out of the list and destroys it; nothing for a
  // position outside the list.
  void remove(int i);
  void destroyitens() { itens_.clear(); }

  // Sum of kva (0 when empty).
  double pot_tot() const;
  // Sum of inom·imag.
  double inrush_total() const;
  // imag·inom of the transformer with the largest imag·kva (the first of equal
  // products) plus inom of every other one. Both sums read inom, which the
  // calculation sets first.
  double inrush_parcial() const;

  auto begin() const { return itens_.begin(); }
  auto end() const { return itens_.end(); }

 private:
  std::vector<std::unique_ptr<tTRAFO>> itens_;
};

}  // namespace tarvinel
