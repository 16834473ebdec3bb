#pragma once
// The per-user settings store: the user curves and a few small program values
// (last folders used, the last change history shown). The store itself is a
// section/value facility given by the platform (QSettings in the program, an
// in-memory map in tests and tools).

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/curves/freliga.h"

namespace tarvinel {

// Sections hold named values of three kinds: text, 8-byte real, integer.
class tSTORE {
 public:
  virtual ~tSTORE() = default;
  // A section counts as present when it holds at least one value.
  virtual bool hassection(const std::string& section) const = 0;
  virtual std::optional<std::string> readtext(const std::string& section,
                                              const std::string& name) const = 0;
  virtual std::optional<double> readreal(const std::string& section,
                                         const std::string& name) const = 0;
  virtual std::optional<int> readint(const std::string& section, const std::string& name) const = 0;
  virtual void writetext(const std::string& section, const std::string& name,
                         const std::string& value) = 0;
  virtual void writereal(const std::string& section, const std::string& name, double value) = 0;
  virtual void writeint(const std::string& section, const std::string& name, int value) = 0;
  virtual void removesection(const std::string& section) = 0;
  // Every section that holds values, by full name ("curvas/curva3").
  virtual std::vector<std::string> sectionnames() const = 0;
  // Makes the writes durable (the platform store may buffer them).
  virtual void flush() {}
};

// In-memory store, for tests and for runs that must not touch the user's store.
class tMEMSTORE : public tSTORE {
 public:
  struct tVALOR {
    enum { texto, real, inteiro } kind = texto;
    std::string txt;
    double real_ = 0;
    int int_ = 0;
  };
  using tSECAO = std::map<std::string, tVALOR>;

  bool hassection(const std::string& section) const override;
  std::optional<std::string> readtext(const std::string& section,
                                      const std::string& name) const override;
  std::optional<double> readreal(const std::string& section,
                                 const std::string& name) const override;
  std::optional<int> readint(const std::string& section, const std::string& name) const override;
  void writetext(const std::string& section, const std::string& name,
                 const std::string& value) override;
  void writereal(const std::string& section, const std::string& name, double value) override;
  void writeint(const std::string& section, const std::string& name, int value) override;
  void removesection(const std::string& section) override;
  std::vector<std::string> sectionnames() const override;

  // Sections by name; "curvas/curva0" and the like.
  std::map<std::string, tSECAO> secoes;
};

// The program's settings store; the user curves live in usercurves().
class tINIFILEx {
 public:
  explicit tINIFILEx(std::unique_ptr<tSTORE> store);

  // Reads the consecutive sections "curvas/curva0", "curvas/curva1", ... up to
  // the first missing one into usercurves(), replacing what it held.
  void loadcurves();
  // Writes every curve to its section and removes the sections past the end,
  // so a deleted curve does not come back.
  void savecurves();
  // init, then every value of the section, each with its default.
  void loadcurve(const std::string& section, int position, tUSERCURVE& rec) const;
  void savecurve(const std::string& section, const tUSERCURVE& rec);

  std::string readstr(const std::string& section, const std::string& name,
                      const std::string& def) const;
  void writestr(const std::string& section, const std::string& name, const std::string& value);

  tSTORE& store() { return *store_; }

  static std::string curvesection(int position);

 private:
  std::unique_ptr<tSTORE> store_;
};

// The one instance, opened at start before any window (inifile_open) and
// written back at the end by whoever owns the run (the desktop program).
void inifile_open(std::unique_ptr<tSTORE> store);
bool inifile_isopen();
tINIFILEx& inifile();
void inifile_close();

}  // namespace tarvinel
