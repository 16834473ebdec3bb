#pragma once
// Reading back the PDF files the program writes: its pages in order, each
// with its paper size and the widths of the lines its content strokes, in
// millimetres on paper (every width through the transformations in force,
// so a 1200 dpi page and a 600 dpi page of the same drawing read the same).

#include <zlib.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace tarvinel::teste {

struct tPAGINAPDF {
  double largura = 0;  // points
  double altura = 0;
  // Stroke width (mm, rounded to 0.01) -> number of strokes with it.
  std::map<double, int> larguras;
};

namespace pdfdet {

inline std::string inflate(const std::string& in) {
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return {};
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
  z.avail_in = static_cast<uInt>(in.size());
  std::string out;
  char buf[65536];
  int rc = Z_OK;
  while (rc == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buf);
    z.avail_out = sizeof buf;
    rc = inflate(&z, Z_NO_FLUSH);
    out.append(buf, sizeof buf - z.avail_out);
  }
  inflateEnd(&z);
  return rc == Z_STREAM_END ? out : std::string();
}

// The stream of object n, decompressed when it is Flate-encoded.
inline std::string fluxo(const std::string& b, int n) {
  const std::string cab = std::to_string(n) + " 0 obj";
  std::size_t k = 0;
  while ((k = b.find(cab, k)) != std::string::npos) {
    if (k == 0 || b[k - 1] == '\n' || b[k - 1] == '\r') break;
    ++k;
  }
  if (k == std::string::npos) return {};
  const std::size_t fim = b.find("endobj", k);
  std::size_t s = b.find("stream", k);
  if (s == std::string::npos || s > fim) return {};
  const bool flate = b.find("/FlateDecode", k) < s;
  s += 6;
  if (b[s] == '\r') ++s;
  if (b[s] == '\n') ++s;
  const std::size_t e = b.find("endstream", s);
  std::string d = b.substr(s, e - s);
  return flate ? inflate(d) : d;
}

// The strokes of a content stream: q/Q, cm and w followed to every stroking
// operator.
inline std::map<double, int> tracos(const std::string& c) {
  struct tESTADO {
    double m[6] = {1, 0, 0, 1, 0, 0};
    double w = 1;
  };
  std::vector<tESTADO> pilha;
  tESTADO g;
  std::vector<double> nums;
  std::map<double, int> r;
  std::size_t i = 0;
  while (i < c.size()) {
    const char ch = c[i];
    if (std::isspace(static_cast<unsigned char>(ch))) {
      ++i;
      continue;
    }
    if (ch == '(') {  // a string, with its escapes and nested parentheses
      int nivel = 0;
      for (; i < c.size(); ++i) {
        if (c[i] == '\\') {
          ++i;
          continue;
        }
        if (c[i] == '(') ++nivel;
        if (c[i] == ')' && --nivel == 0) break;
      }
      ++i;
      nums.clear();
      continue;
    }
    if (ch == '<' || ch == '[' || ch == ']' || ch == '/' || ch == '>') {
      std::size_t j = i + 1;
      if (ch == '<') j = c.find('>', i) + 1;
      if (ch == '/')
        while (j < c.size() && !std::isspace(static_cast<unsigned char>(c[j])) &&
               std::string("/[]<>()").find(c[j]) == std::string::npos)
          ++j;
      i = j;
      continue;
    }
    std::size_t j = i;
    while (j < c.size() && !std::isspace(static_cast<unsigned char>(c[j])) &&
           std::string("/[]<>()").find(c[j]) == std::string::npos)
      ++j;
    const std::string t = c.substr(i, j - i);
    i = j;
    char* fimnum = nullptr;
    const double v = std::strtod(t.c_str(), &fimnum);
    if (fimnum != t.c_str() && *fimnum == '\0') {
      nums.push_back(v);
      continue;
    }
    if (t == "q") {
      pilha.push_back(g);
    } else if (t == "Q") {
      if (!pilha.empty()) {
        g = pilha.back();
        pilha.pop_back();
      }
    } else if (t == "cm" && nums.size() >= 6) {
      const double* a = &nums[nums.size() - 6];
      const double* m = g.m;
      const double n[6] = {a[0] * m[0] + a[1] * m[2],        a[0] * m[1] + a[1] * m[3],
                           a[2] * m[0] + a[3] * m[2],        a[2] * m[1] + a[3] * m[3],
                           a[4] * m[0] + a[5] * m[2] + m[4], a[4] * m[1] + a[5] * m[3] + m[5]};
      for (int k = 0; k < 6; ++k) g.m[k] = n[k];
    } else if (t == "w" && !nums.empty()) {
      g.w = nums.back();
    } else if (t == "S" || t == "s" || t == "B" || t == "B*" || t == "b" || t == "b*") {
      const double escala = std::sqrt(std::fabs(g.m[0] * g.m[3] - g.m[1] * g.m[2]));
      const double mm = std::round(g.w * escala * 25.4 / 72 * 100) / 100;
      ++r[mm];
    }
    nums.clear();
  }
  return r;
}

}  // namespace pdfdet

// The pages of the PDF bytes b, in order.
inline std::vector<tPAGINAPDF> lepdf(const std::string& b) {
  std::vector<tPAGINAPDF> paginas;
  for (std::size_t k = b.find("/Type /Page"); k != std::string::npos;
       k = b.find("/Type /Page", k + 1)) {
    if (b.compare(k, 12, "/Type /Pages") == 0) continue;
    const std::size_t ini = b.rfind("obj", k);
    const std::size_t fim = b.find("endobj", k);
    const std::string dic = b.substr(ini, fim - ini);
    tPAGINAPDF p;
    const std::size_t mb = dic.find("/MediaBox [");
    if (mb != std::string::npos) {
      double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
      std::sscanf(dic.c_str() + mb + 11, "%lf %lf %lf %lf", &x0, &y0, &x1, &y1);
      p.largura = x1 - x0;
      p.altura = y1 - y0;
    }
    const std::size_t ct = dic.find("/Contents ");
    if (ct != std::string::npos)
      p.larguras = pdfdet::tracos(pdfdet::fluxo(b, std::atoi(dic.c_str() + ct + 10)));
    paginas.push_back(p);
  }
  return paginas;
}

}  // namespace tarvinel::teste
