#pragma once
// Free text or symbol placed at a current/time position of the chart
// (tAJUSTE_TEXTO), and the pair of measuring cursors a and b (tAJUSTE_CURSOR),
// which the coordination window owns and draws on request; the cursor is never
// in a settings list or a file.

#include <memory>
#include <string>

#include "core/coordination/ajuste.h"
#include "core/foundation/tipos.h"

namespace tarvinel {

class tAJUSTE_TEXTO : public tAJUSTE {
 public:
  tAJUSTE_TEXTO();

  std::string text = "seu texto aqui";  // drawn as it is, never as a format
  tPOINTX loc{10, 10};                  // centre of the text: x amperes, y seconds
  int size = 20;                        // font size, points

  void showprop(tPROPGRID& vl) override;
  void getprop(const tPROPGRID& vl) override;
  // The text centred on loc, transparent, in the setting's colour. A position
  // without a place on the log axes (a 0 typed in the grid) draws nothing.
  void drawto(tCHARTX& chart) override;
  void exportprop(tSTRINGARQ& arq) override;
  // Reads its block like every other kind: the "header{" sub-block wherever it
  // stands, its own keys, up to its own closer.
  void importprop(tSTRINGARQ& arq) override;
  void assign(tAJUSTE& dest) const override;

 protected:
  std::unique_ptr<tAJUSTE> create() const override;
};

class tAJUSTE_CURSOR : public tAJUSTE {
 public:
  tAJUSTE_CURSOR();

  int cn = 0;  // points given to pushcur
  tPOINTX c1;  // cursor a (A, s)
  tPOINTX c2;  // cursor b (A, s)

  // Stores p in c1 when cn is even, in c2 when odd; then counts it.
  void pushcur(tPOINTX p);

  // Line from a to b, a small white circle at each end and the letters "a"
  // and "b" on them. An end not yet placed (0, 0) gets no circle or letter.
  void drawto(tCHARTX& chart) override;

 protected:
  std::unique_ptr<tAJUSTE> create() const override;
};

}  // namespace tarvinel
