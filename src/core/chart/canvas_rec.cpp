#include "core/chart/canvas_rec.h"

#include <ostream>

namespace tarvinel {

const char* opname(tOPKIND kind) {
  switch (kind) {
    case tOPKIND::line:
      return "line";
    case tOPKIND::polyline:
      return "polyline";
    case tOPKIND::polygon:
      return "polygon";
    case tOPKIND::rectangle:
      return "rectangle";
    case tOPKIND::fillrect:
      return "fillrect";
    case tOPKIND::ellipse:
      return "ellipse";
    case tOPKIND::text:
      return "text";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& os, tOPKIND kind) {
  return os << opname(kind);
}

tCANVASOP& tCANVASREC::record(tOPKIND kind) {
  tCANVASOP& op = ops.emplace_back();
  op.kind = kind;
  op.pen = pen();
  op.brush = brush();
  op.font = font();
  op.clipped = hasclip();
  if (op.clipped) op.clip = clip();
  return op;
}

void tCANVASREC::drawline(tPOINTI from, tPOINTI to) {
  record(tOPKIND::line).pts = {from, to};
}

void tCANVASREC::polyline(const tPOINTI* pts, int count) {
  if (pts == nullptr || count < 0) count = 0;
  record(tOPKIND::polyline).pts.assign(pts, pts + count);
}

void tCANVASREC::polygon(const tPOINTI* pts, int count) {
  if (pts == nullptr || count < 0) count = 0;
  record(tOPKIND::polygon).pts.assign(pts, pts + count);
}

void tCANVASREC::rectangle(int x1, int y1, int x2, int y2) {
  record(tOPKIND::rectangle).pts = {{x1, y1}, {x2, y2}};
}

void tCANVASREC::fillrect(int x1, int y1, int x2, int y2) {
  record(tOPKIND::fillrect).pts = {{x1, y1}, {x2, y2}};
}

void tCANVASREC::ellipse(int x1, int y1, int x2, int y2) {
  record(tOPKIND::ellipse).pts = {{x1, y1}, {x2, y2}};
}

void tCANVASREC::textout(int x, int y, std::string_view text) {
  tCANVASOP& op = record(tOPKIND::text);
  op.pts = {{x, y}};
  op.text = text;
}

int tCANVASREC::textwidth(std::string_view text) {
  int n = 0;
  // Count code points: every byte that is not a UTF-8 continuation byte.
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n * kCharWidth;
}

int tCANVASREC::textheight(std::string_view) {
  return kTextHeight;
}

std::vector<tCANVASOP> tCANVASREC::of(tOPKIND kind) const {
  std::vector<tCANVASOP> r;
  for (const tCANVASOP& op : ops)
    if (op.kind == kind) r.push_back(op);
  return r;
}

int tCANVASREC::count(tOPKIND kind) const {
  int n = 0;
  for (const tCANVASOP& op : ops)
    if (op.kind == kind) ++n;
  return n;
}

std::vector<std::string> tCANVASREC::texts() const {
  std::vector<std::string> r;
  for (const tCANVASOP& op : ops)
    if (op.kind == tOPKIND::text) r.push_back(op.text);
  return r;
}

const tCANVASOP* tCANVASREC::findtext(std::string_view text) const {
  for (const tCANVASOP& op : ops)
    if (op.kind == tOPKIND::text && op.text == text) return &op;
  return nullptr;
}

}  // namespace tarvinel
