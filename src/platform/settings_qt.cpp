#include "platform/settings_qt.h"

#include <QByteArray>
#include <QSet>
#include <QStringList>
#include <cstring>

namespace tarvinel {

namespace {
QString qkey(const std::string& section, const std::string& name) {
  return QString::fromStdString(section) + '/' + QString::fromStdString(name);
}
}  // namespace

tSTOREQT::tSTOREQT() : s_(std::make_unique<QSettings>("orbelin", "tarvinel v2")) {}

tSTOREQT::tSTOREQT(const QString& inipath)
    : s_(std::make_unique<QSettings>(inipath, QSettings::IniFormat)) {}

bool tSTOREQT::hassection(const std::string& section) const {
  s_->beginGroup(QString::fromStdString(section));
  const bool any = !s_->childKeys().isEmpty();
  s_->endGroup();
  return any;
}

std::optional<std::string> tSTOREQT::readtext(const std::string& section,
                                              const std::string& name) const {
  const QVariant v = s_->value(qkey(section, name));
  if (!v.isValid()) return std::nullopt;
  if (v.typeId() == QMetaType::QByteArray) return v.toByteArray().toStdString();
  return v.toString().toStdString();
}

std::optional<double> tSTOREQT::readreal(const std::string& section,
                                         const std::string& name) const {
  const QVariant v = s_->value(qkey(section, name));
  if (!v.isValid()) return std::nullopt;
  if (v.typeId() == QMetaType::QByteArray) {
    const QByteArray b = v.toByteArray();
    if (b.size() != 8) return std::nullopt;
    double d;
    std::memcpy(&d, b.constData(), 8);
    return d;
  }
  // A number typed in by hand as text is accepted too.
  bool ok = false;
  const double d = v.toString().replace(',', '.').toDouble(&ok);
  return ok ? std::optional<double>(d) : std::nullopt;
}

std::optional<int> tSTOREQT::readint(const std::string& section, const std::string& name) const {
  const QVariant v = s_->value(qkey(section, name));
  if (!v.isValid()) return std::nullopt;
  bool ok = false;
  const int i = v.toString().toInt(&ok);
  return ok ? std::optional<int>(i) : std::nullopt;
}

void tSTOREQT::writetext(const std::string& section, const std::string& name,
                         const std::string& value) {
  s_->setValue(qkey(section, name), QString::fromStdString(value));
}

void tSTOREQT::writereal(const std::string& section, const std::string& name, double value) {
  QByteArray b(8, '\0');
  std::memcpy(b.data(), &value, 8);
  s_->setValue(qkey(section, name), b);
}

void tSTOREQT::writeint(const std::string& section, const std::string& name, int value) {
  s_->setValue(qkey(section, name), value);
}

void tSTOREQT::removesection(const std::string& section) {
  s_->remove(QString::fromStdString(section));
}

std::vector<std::string> tSTOREQT::sectionnames() const {
  QSet<QString> seen;
  std::vector<std::string> out;
  for (const QString& k : s_->allKeys()) {
    const int slash = k.lastIndexOf('/');
    if (slash <= 0) continue;
    const QString sec = k.left(slash);
    if (!seen.contains(sec)) {
      seen.insert(sec);
      out.push_back(sec.toStdString());
    }
  }
  return out;
}

void tSTOREQT::flush() {
  s_->sync();
}

}  // namespace tarvinel
