#pragma once
// The calculation project: everything the user enters for one customer
// installation (utility data at the delivery point, customer data, current
// transformer options, setting factors, the transformers and the two relays)
// plus the few results that other parts read back. Stored as a ".ajuste"
// file: one "proj-calc{" block with the two relays and the transformers
// nested in it.
//
// The project owns its transformers and both relays. It does not check its
// own values; the calculation refuses unusable ones (calcexec.h).

#include <memory>
#include <string>
#include <vector>

#include "core/calculation/trafo.h"
#include "core/coordination/ajuste_religa.h"
#include "core/foundation/projbase.h"
#include "core/foundation/stringarq.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

// Names of the pick lists, in value order.
const std::vector<std::string>& lim_pot_names();  // "Menor valor", "Contratada", "Instalada"
const std::vector<std::string>& inr_met_names();  // "Parcial", "Total", "Real", "ENERGISA"
const std::vector<std::string>& red_inp_names();  // "ohm", "pu", ... "Automatico"
// The name at a value, or the first name for a value outside the list (the
// calculation treats such values as the first choice).
std::string lim_pot_name(int v);
std::string inr_met_name(int v);

// Forms of the network impedance (`red_inp_mod`).
inline constexpr int RED_OHM = 0;
inline constexpr int RED_PU = 1;
inline constexpr int RED_OHM_POLAR = 2;
inline constexpr int RED_PU_POLAR = 3;
inline constexpr int RED_AUTOMATICO = 4;

class tPRJCALC : public tPROJBASE {
 public:
  // The example project of a new calculation: every default, two example
  // transformers, the customer relay green "Cliente" (reduced grid) and the
  // utility relay red "Concessionária".
  tPRJCALC();
  ~tPRJCALC() override = default;
  tPRJCALC(const tPRJCALC&) = delete;
  tPRJCALC& operator=(const tPRJCALC&) = delete;

  std::string empresa = "exemplo";
  std::string projetista = "exemplo";
  double tensaomt = 13.8;  // kV, also the base voltage
  double potbase = 100;    // MVA
  double demanda = 1000;   // kW
  double fatorp = 0.92;
  bool inc_rele_con = false;
  double cabolen = 500;  // m
  double rfalta = 40;    // ohm
  double fat_ipf = 0.3;  // fractions
  double fat_iif = 0.4;
  double fat_ipn = 0.1;
  double fat_iin = 0.2;
  int fun_27 = 90;  // % of tensaomt
  int fun_59 = 110;
  double fun_27t = 0.3;  // s
  double fun_59t = 2.0;
  tCPLX z1caboohm{0.67, 0.149};  // ohm/km
  tCPLX z0caboohm{0.5695, 0.12665};
  tCPLX z1r{3.2086, 4.1679};  // in the form of red_inp_mod
  tCPLX z0r{4.7273, 16.7438};
  int red_inp_mod = RED_PU;
  tCURTO icc_con{795, 811, 450, 307, 482};  // utility, A; <= 1 A means not given
  std::string rtc_pre = "10";
  std::string rtc_rea = "B";
  int rtc_fat = 50;       // service factor, %
  double rtc_bur = 0.35;  // ohm
  bool rtc_10k = false;
  int lim_pot = 0;
  tTRAFO_LISTA trafos;
  int inr_met = 0;
  double inr_neu = 0;
  std::unique_ptr<tAJUSTE_RELIGA> rele_cli;  // pickups computed by the calculation
  std::unique_ptr<tAJUSTE_RELIGA> rele_con;  // user input, for comparison
  // Results.
  double iccmin = 0;
  double iccmax = 0;
  tCURTO icc_cli;

  // Nothing for an empty name; otherwise the whole file, atomically. Throws
  // tERROARQ.
  void savetofile(const std::string& filename) override;
  // Reads every "proj-calc{" block of the file. Transformers of the file are
  // appended: a caller replacing the project's ones empties the list first.
  // Throws tERROARQ, also when the file holds no "proj-calc{" block (it is
  // not a calculation: nothing has changed then).
  void loadfromfile(const std::string& filename) override;
  // The same over lines already in memory, read from arq's current line on.
  void loadfromarq(tSTRINGARQ& arq);

  // The power that limits the phase pickup: kW, kVA or the smaller as plain
  // numbers, chosen by lim_pot.
  double lim_pot_get() const;

  void saveblock(tSTRINGARQ& arq) const;
  // Reads the lines after "proj-calc{" through its closer.
  void loadblock(tSTRINGARQ& arq);
};

// A calculation file read into a project as the program opens one: the file
// is read whole first (tERROARQ; the project is unchanged when the file cannot
// be read), then the project's transformers are dropped and the file's values
// and transformers read in. A file that is no calculation throws tERROARQ
// after the transformers are gone: the caller drops the project then.
void prjcalc_abre(tPRJCALC& proj, const std::string& filename);

}  // namespace tarvinel
