#pragma once
// Up to four K-type fuse links in one setting, drawn from the fuse-link
// catalogue: each link's minimum melting curve solid and its maximum melting
// curve ("<name>-max") dash-dot.

#include <array>
#include <memory>
#include <string>

#include "core/coordination/ajuste.h"

namespace tarvinel {

class tAJUSTE_FUSE : public tAJUSTE {
 public:
  tAJUSTE_FUSE();

  // Catalogue names, "Nenhum" for an empty place. Always exactly four.
  std::array<std::string, 4> fusetag{"100K", "Nenhum", "Nenhum", "Nenhum"};

  // The smallest K link whose rating (the number before the "K") is strictly
  // greater than amp; "100K" when none is. Picks a link for a transformer's
  // nominal current.
  static std::string getfuse(double amp);

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // The four places in order; no phase/neutral filter applies.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;
  tREFAJUSTE referencia() const override { return {"retaguarda", "Retaguarda"}; }
  bool protecao() const override { return true; }

 protected:
  std::unique_ptr<tAJUSTE> create() const override;

 private:
  void drawelo(tCHARTX& chart, const std::string& name) const;
  static void showelo(tPROPGRID& vl, const std::string& key, const std::string& name);
};

}  // namespace tarvinel
