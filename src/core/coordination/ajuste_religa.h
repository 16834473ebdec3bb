#pragma once
// The settings that carry time-current protection functions: a relay or
// recloser (tAJUSTE_RELIGA, a phase and a neutral function plus the equipment
// model) and a single protection curve (tAJUSTE_CURVA, one function that is
// either a phase or a neutral one). The curve mathematics, the sampling and
// the drawing of a function belong to tFRELIGA; these classes only choose the
// pen, decide which functions are drawn and present the functions in the
// property grid and in the block text file.

#include <memory>
#include <string>

#include "core/coordination/ajuste.h"
#include "core/curves/freliga.h"

namespace tarvinel {

// Relay settings created in this process since the last reset. Every creation
// counts: the window's add menu, the file loader, copy and the calculation
// project. The first two relays after a reset get the defaults of the
// utility's relay ("Concessionária") and of the customer's ("Cliente"); the
// later ones the example defaults ("Exemplo").
int religacount();
// Called just before a new coordination chart is created, so that its two
// relays are "Concessionária" and "Cliente".
void religacount_reset();

// Curve name of the legacy curve numbers of old files ("relf-nbr", "reln-nbr",
// "rel-nbr"): 0..14 pick from a fixed list, any other number gives "IEC-NI".
std::string curvebynbr(int n);

// Relay or recloser: block "ajuste-religador{", kind "Ajuste Rele/Religador".
// Also the two relays of a calculation project, written there as nested blocks.
class tAJUSTE_RELIGA : public tAJUSTE {
 public:
  // Reads religacount for the defaults, then increments it.
  tAJUSTE_RELIGA();

  tFRELIGA relf;  // phase function
  tFRELIGA reln;  // neutral function
  std::string modelo;
  // false: the grid leaves out the general rows, both pickups, both
  // instantaneous currents and both legend positions (the calculation
  // computes the currents of its customer relay). Neither stored nor copied.
  bool showall = true;

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // Pen colour `color`; one function thick and solid, the other thin and
  // dashed, the chart's tra_cur choosing which. show_fase/show_neutro of the
  // chart select the functions. Visibility of the setting is the caller's.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  // Called after the "ajuste-religador{" line; reads through its closer.
  void importprop(tSTRINGARQ& arq) override;
  // The base fields, modelo, relf and reln.
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;
  tREFAJUSTE referencia() const override { return {"retaguarda", "Retaguarda"}; }
  bool protecao() const override { return true; }

 protected:
  std::unique_ptr<tAJUSTE> create() const override;
};

// One protection function: block "ajuste-curva{", kind "Curva de proteção".
class tAJUSTE_CURVA : public tAJUSTE {
 public:
  tAJUSTE_CURVA();

  tFRELIGA rel;
  int tipo = 0;  // 0 = phase function ("FASE"), any other = neutral ("NEUTRO"; 1 as made here)

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // Phase: thick and solid, drawn only with the chart's show_fase; neutral:
  // thin and dashed, only with show_neutro. tra_cur does not apply.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  // Called after the "ajuste-curva{" line; reads through its closer.
  void importprop(tSTRINGARQ& arq) override;
  // The base fields, rel and tipo.
  void assign(tAJUSTE& dest) const override;
  std::string gethint(const std::string& prop) const override;
  tREFAJUSTE referencia() const override { return {"retaguarda", "Retaguarda"}; }
  bool protecao() const override { return true; }

 protected:
  std::unique_ptr<tAJUSTE> create() const override;
};

}  // namespace tarvinel
