#pragma once
// A setting ("ajuste"): anything drawn on a coordination chart. The base holds
// what every setting shares (name, colour, visibility, notes), writes and reads
// the shared "header{" block and presents the general rows of the property
// grid. tAJUSTE_LISTA owns the settings of one chart in drawing order.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/foundation/grade.h"
#include "core/foundation/stringarq.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

class tCHARTX;

// The reference a kind of setting carries to another setting of its chart:
// the file key and the grid row. Empty for kinds without one.
struct tREFAJUSTE {
  std::string_view chave;  // "retaguarda", "protecao"
  std::string_view linha;  // "Retaguarda", "Proteção"
  bool empty() const { return chave.empty(); }
};

class tAJUSTE {
 public:
  // caption starts as the name of the kind's class ("tAJUSTE_CURSOR").
  explicit tAJUSTE(std::string classname = "tAJUSTE");
  virtual ~tAJUSTE() = default;
  tAJUSTE(const tAJUSTE&) = delete;
  tAJUSTE& operator=(const tAJUSTE&) = delete;

  bool obsolete = false;  // a loader adds a setting read from a file only while false
  std::string caption;
  bool visible = true;
  tCOR color = 0;
  std::string obs;
  int seq = 0;            // 1-based position, refreshed at every drawing; not stored
  std::string paramname;  // name of the kind, shown in the item list; not stored
  // Identity of this setting in the process, unique, for references between
  // the settings of one chart; neither stored nor copied.
  const std::uint64_t uid;
  // The setting this one refers to, by uid, 0 for none: the protection
  // behind a relay, curve or fuse, the protection of a transformer or inrush
  // point. Copied by assign, so a copy refers to the same setting; it counts
  // only while that setting is in the same list (see referencia.h).
  std::uint64_t ref = 0;
  // The reference as a 1-based list number, only while a chart file is read
  // or written: the project fills it before writing and resolves it after
  // reading. The kind's block writes it as its reference key when not 0.
  int refnum = 0;

  // The kind's reference (relay, curve and fuse: "Retaguarda"; transformer
  // and inrush points: "Proteção"); empty for the others.
  virtual tREFAJUSTE referencia() const { return {}; }
  // Relays, curves and fuses: the settings a reference may point to.
  virtual bool protecao() const { return false; }
  // Voltage in kV at which the setting's currents are given; 0 = the chart's
  // voltage. The chart draws the currents of a setting at another voltage
  // times that voltage over the chart's (fator_corrente). Only the kinds
  // that draw equipment currents offer and store it; copied with the
  // setting.
  double tensao_equip = 0;

  // Rows " Dados gerais", "Nome", "Cor", "Visível", "Observações", " Dados específicos".
  virtual void showprop(tPROPGRID& vl);
  virtual void getprop(const tPROPGRID& vl);
  virtual void drawto(tCHARTX& chart);
  // The "header{" block; a kind writes its opener, this block, its keys, "}".
  virtual void exportprop(tSTRINGARQ& arq);
  // Reads the body of a "header{" block through its closer.
  virtual void importprop(tSTRINGARQ& arq);
  // Copies this setting into dest (the receiver is the source): the shared
  // fields, then each kind the fields its file block stores.
  virtual void assign(tAJUSTE& dest) const;
  // A new setting of the same kind with this one's stored fields; seq 0.
  std::unique_ptr<tAJUSTE> copy() const;
  // Hint for a grid row; empty for rows it does not know.
  virtual std::string gethint(const std::string& prop) const;

 protected:
  // The reference key line ("retaguarda 3"), written only when refnum is not
  // 0, so a block without a reference is written as before.
  void exportref(tSTRINGARQ& arq) const;
  // The current line is the kind's reference key: refnum taken. False for
  // any other line.
  bool importref(const tSTRINGARQ& arq);

  // A new setting of this kind, exactly as the kind's constructor makes it.
  virtual std::unique_ptr<tAJUSTE> create() const;

  // The row "Tensão do equipamento [kV]" and the key "tensao_equip" of the
  // kinds that offer them: the row after the kind's own rows, the key after
  // its own keys and only when not 0, so a file that does not use it is
  // written as before. importtensao is true when the line was the key.
  void showtensao(tPROPGRID& vl) const;
  void gettensao(const tPROPGRID& vl);
  void exporttensao(tSTRINGARQ& arq) const;
  bool importtensao(const tSTRINGARQ& arq);
};

// Ordered list that owns its settings; the order is the drawing order, the
// order of the blocks in the file and of the window's item list.
class tAJUSTE_LISTA {
 public:
  tAJUSTE_LISTA() = default;
  ~tAJUSTE_LISTA() { destroyitens(); }
  tAJUSTE_LISTA(const tAJUSTE_LISTA&) = delete;
  tAJUSTE_LISTA& operator=(const tAJUSTE_LISTA&) = delete;

  int count() const { return static_cast<int>(itens_.size()); }
  tAJUSTE* Getajustes(int i) const { return itens_.at(static_cast<std::size_t>(i)).get(); }
  // Replaces the setting at i and hands the previous one back to the caller.
  std::unique_ptr<tAJUSTE> Setajustes(int i, std::unique_ptr<tAJUSTE> s);
  tAJUSTE* add(std::unique_ptr<tAJUSTE> s);
  // Takes the setting out of the list and hands it to the caller; null when
  // it is not in the list. References of the remaining settings to it are
  // cleared (moving keeps every reference, as they name the setting).
  std::unique_ptr<tAJUSTE> remove(const tAJUSTE* s);
  int indexof(const tAJUSTE* s) const;
  // Moves the setting at `from` to position `to` (both clipped to the list).
  void move(int from, int to);
  void destroyitens() { itens_.clear(); }

  auto begin() const { return itens_.begin(); }
  auto end() const { return itens_.end(); }

 private:
  std::vector<std::unique_ptr<tAJUSTE>> itens_;
};

}  // namespace tarvinel
