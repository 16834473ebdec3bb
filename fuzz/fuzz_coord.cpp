// A chart file of arbitrary bytes through the whole path of the program:
// opened as the program opens it, drawn, saved and opened again. A file
// without a chart block is refused with a file error; whatever else the file
// held, nothing crashes or hangs, every pixel handed to the surface
// is a bounded integer, and the saved file is stable: opening it and saving
// again writes exactly the same lines.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/chart/canvas_rec.h"
#include "core/chart/chartx.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/coordchart.h"
#include "core/coordination/prjcoord.h"
#include "core/foundation/codec.h"
#include "core/foundation/erroarq.h"

using namespace tarvinel;

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

const std::string& caminho() {
  static const std::string p = "/tmp/fuzz_coord_" + std::to_string(::getpid()) + ".coord";
  return p;
}

void grava(const std::string& bytes) {
  std::ofstream out(caminho(), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  check(static_cast<bool>(out));
}

std::vector<std::string> bloco(const tPRJCOORD& p) {
  tSTRINGARQ arq;
  p.saveblock(arq);
  return arq.lines();
}

void desenha(tPRJCOORD& p) {
  tCANVASREC rec(1024, 768);
  tCHARTX chart;
  tAJUSTE_CURSOR cur;
  cur.pushcur({p.ten_nom, p.ten_nom});
  tOPCOES_GRAF opt;
  opt.cursor = true;
  drawcoord(p, chart, rec, 1024, 50, 768, opt, &cur);
  for (const tCANVASOP& op : rec.ops)
    for (const tPOINTI& pt : op.pts)
      check(pt.x >= -tCHARTX::kPixMax && pt.x <= tCHARTX::kPixMax && pt.y >= -tCHARTX::kPixMax &&
            pt.y <= tCHARTX::kPixMax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  grava(std::string(reinterpret_cast<const char*>(data), size));
  std::unique_ptr<tPRJCOORD> um;
  try {
    um = prjcoord_abre(caminho());
  } catch (const tERROARQ& e) {
    // No chart block: refused, and the message names the file.
    check(std::string(e.what()).find(caminho()) != std::string::npos);
    return 0;
  }
  desenha(*um);

  // The file as the program saves it (without the disk's fsync, which
  // would only slow the search down).
  const std::vector<std::string> l1 = bloco(*um);
  grava(encodelines(l1));
  auto dois = prjcoord_abre(caminho());
  check(dois->ajustes.count() == um->ajustes.count());
  check(bloco(*dois) == l1);
  return 0;
}
