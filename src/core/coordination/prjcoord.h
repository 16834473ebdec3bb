#pragma once
// The coordination chart as a document: its descriptive data and the ordered
// list of settings drawn on it, stored as a ".coord" file holding one
// "projeto-coord{" block (the descriptive keys, then one block per setting).
//
// The project owns its list and, through it, every setting. It is made with
// the example content of a new chart; the calculation window empties that list
// and fills it with the calculation's settings.

#include <memory>
#include <string>

#include "core/coordination/ajuste.h"
#include "core/coordination/tipos_ajuste.h"
#include "core/foundation/projbase.h"
#include "core/foundation/stringarq.h"

namespace tarvinel {

class tPRJCOORD : public tPROJBASE {
 public:
  // The example content: the relays, short-circuit markers, ANSI point,
  // inrush marker, fuse pair and cable of a new chart. The relays take their
  // defaults from religacount, so a new chart resets it first (see
  // prjcoord_novo).
  tPRJCOORD();
  ~tPRJCOORD() override = default;
  tPRJCOORD(const tPRJCOORD&) = delete;
  tPRJCOORD& operator=(const tPRJCOORD&) = delete;

  tAJUSTE_LISTA ajustes;  // drawing order = file order = item-list order
  double ten_nom = 13.8;  // kV; handed to every ANSI point before it is drawn
  std::string titulo = "Título Coordenograma";
  std::string subestacao = "exemplo";
  std::string alimentador = "exemplo";
  std::string projetista = "Eng. ...";
  // Required coordination intervals, s: between two relays or curves, and of
  // a relay or curve over a fuse link. Written only when they differ from
  // these defaults.
  static constexpr double kCTI = 0.300;
  static constexpr double kCTI_ELO = 0.200;
  static constexpr double kCTI_MAX = 10;  // read values are clipped to 0..kCTI_MAX
  double cti = kCTI;
  double cti_elo = kCTI_ELO;

  // Atomic save of the whole file; an empty name writes nothing. Throws
  // tERROARQ.
  void savetofile(const std::string& filename) override;
  // Replaces the settings by those of the file's project blocks and takes the
  // descriptive keys the file holds; absent keys leave their fields as they
  // are. References are resolved once the whole list is read (resolve_refs). The file is read
  // before anything changes: when it cannot be read, or holds no "projeto-coord{" block (it is no
  // chart), tERROARQ is thrown and the project keeps its settings.
  void loadfromfile(const std::string& filename) override;

  // Writes the "projeto-coord{" block, every setting included (hidden ones
  // too), references as list numbers.
  void saveblock(tSTRINGARQ& arq) const;
  // Reads the body of a "projeto-coord{" block, called just after its opener,
  // through its closer. A block whose opener the factory does not know is
  // skipped as a unit, with a warning in the message log.
  void loadblock(tSTRINGARQ& arq);
};

// A new chart as the program makes it: the relay counter reset, then the
// example project ("Concessionária" and "Cliente" relays).
std::unique_ptr<tPRJCOORD> prjcoord_novo();
// A chart file as the program opens it: a new chart (prjcoord_novo) with the
// file loaded into it. Throws tERROARQ.
std::unique_ptr<tPRJCOORD> prjcoord_abre(const std::string& filename);

}  // namespace tarvinel
