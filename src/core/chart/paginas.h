#pragma once
// A print job as the page composers see it: a sequence of pages, each a
// tCANVAS, in paper pixels of kDPIPAPEL to the inch.
//
// Every printed page of the program is composed once, on this surface, from
// the page's size alone: the printer of the desktop program, the PDF file,
// tarvinel-cli and the tests only supply the pages. A device of another
// resolution (a 300 dpi printer, a 1200 dpi PDF) maps paper pixels to its own
// pixels, so the frame, the curves, the markers and the texts have the same
// size in millimetres on every device.

#include "core/chart/canvas.h"

namespace tarvinel {

// Paper pixels per inch: the printer pixels of the print layout ("linhafina"
// 5 and "linhagrossa" 20 are 0.21 mm and 0.85 mm on paper).
inline constexpr int kDPIPAPEL = 600;

class tPAGINAS {
 public:
  virtual ~tPAGINAS() = default;
  // The surface of the job: the same object for every page, its width() and
  // height() the printable area of a page in paper pixels.
  virtual tCANVAS& canvas() = 0;
  // Ends the current page and begins the next one on the same surface (its
  // pen, brush and font stay as they were).
  virtual void novapagina() = 0;
};

// The font of the printed text pages (report, summary): "Courier New" 12,
// which the surface replaces by the system's fixed-pitch font when missing,
// on a clear brush. Returns the left margin of those pages: five characters.
inline int fonte_pagina_texto(tCANVAS& canvas) {
  tFONT f;
  f.name = "Courier New";
  f.size = 12;
  canvas.setfont(f);
  canvas.setbrushstyle(tBRUSHSTYLE::clear);
  return 5 * canvas.textwidth("A");
}

}  // namespace tarvinel
