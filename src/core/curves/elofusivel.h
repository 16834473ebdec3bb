#pragma once
// The fuse-link catalogue: digitised time-current curves of the H, K, T and HH
// distribution fuse links. A link named X may have a companion "X-max"; X is
// the link's minimum melting curve, the left edge of its band (smaller current
// at a given time), and "X-max" its maximum melting curve, the right edge.
// The fuse setting draws both by name; the fuse-link chooser lists the
// catalogue by group.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvinel {

// One digitised point: current in amperes, time in seconds.
struct tELO_PONTO {
  double cor = 0;
  double tem = 0;
};

// One curve. Points stay in the order they were added (slowest first), small
// digitising irregularities included: they are drawn as a polyline, never
// sorted or smoothed.
class tELO_CURVA {
 public:
  std::string elo = "null";  // link name, e.g. "6K" or "6K-max"
  std::string grp = "null";  // catalogue group, e.g. "Tipo K, grupo A"

  void add_ref(double cor, double tem);
  // Current of the first point, in list order, whose time is strictly below
  // tem; 0 when there is none (also for an empty curve). The fuse legend
  // stands at get_cor(0.2).
  double get_cor(double tem) const;

  const std::vector<tELO_PONTO>& pontos() const { return pts_; }

 private:
  std::vector<tELO_PONTO> pts_;
};

// Ordered, owning list of curves. Curves live on the heap, so a pointer from
// find or a reference from add_new stays valid while the list lives.
class tELO_LISTA {
 public:
  std::string grp = "null";  // group given to the next curve add_new creates

  // New curve with the current grp and elo "null", appended and returned.
  tELO_CURVA& add_new();
  // First curve whose elo equals the text exactly (case-sensitive); nullptr
  // when there is none.
  const tELO_CURVA* find(std::string_view elo) const;

  std::size_t size() const { return curvas_.size(); }
  // Throws std::out_of_range past the end.
  const tELO_CURVA& at(std::size_t i) const;
  // Distinct group names in the order they first appear (the chooser's view).
  std::vector<std::string> grupos() const;

 private:
  std::vector<std::unique_ptr<tELO_CURVA>> curvas_;
};

// The program's one catalogue: 90 curves in eight groups, "Nenhum" first with
// a single empty curve named "null". Built on the first call (program start
// calls it before any window opens) and read-only afterwards, which is why
// only a const reference is handed out; it lives until the program ends.
const tELO_LISTA& elolista();

}  // namespace tarvinel
