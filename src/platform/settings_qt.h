#pragma once
// The per-user settings store over QSettings: organisation "orbelin",
// application "tarvinel v2". Sections are QSettings groups ("curvas/curva0");
// reals are kept as 8-byte binary values, flags as integers.

#include <QSettings>
#include <memory>

#include "core/curves/inifile.h"

namespace tarvinel {

class tSTOREQT : public tSTORE {
 public:
  // The user's own store.
  tSTOREQT();
  // A store in a given INI file (tests, portable installs).
  explicit tSTOREQT(const QString& inipath);

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
  void flush() override;

 private:
  std::unique_ptr<QSettings> s_;
};

}  // namespace tarvinel
