#include "gui/curves/fm_edit_curve.h"

#include <fmt/printf.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>

#include "core/foundation/estado.h"
#include "core/foundation/numtxt.h"
#include "core/foundation/stringarq.h"
#include "gui/comando.h"
#include "gui/dialogos.h"
#include "gui/janela.h"

namespace tarvinel {

namespace {

QString qs(const std::string& s) {
  return QString::fromStdString(s);
}

using L = tLIMITES_CURVA;

std::string_view apara(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A field that reads as a number ("," or "." as the decimal separator).
bool numero(std::string_view s) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  return !std::isnan(txt2real(s, nan, 0, 0));
}

// One line split at ";", or at tabs when it has no ";" (a spreadsheet copies
// its cells with tabs between them).
std::vector<std::string_view> campos(std::string_view linha) {
  const char sep = linha.find(';') != std::string_view::npos ? ';' : '\t';
  std::vector<std::string_view> r;
  for (;;) {
    const auto p = linha.find(sep);
    r.push_back(apara(linha.substr(0, p)));
    if (p == std::string_view::npos) break;
    linha.remove_prefix(p + 1);
  }
  return r;
}

// A point line: index, current, time, and nothing else but blank fields.
bool ponto(const std::vector<std::string_view>& c) {
  if (c.size() < 3 || !numero(c[1]) || !numero(c[2])) return false;
  for (std::size_t i = 3; i < c.size(); ++i)
    if (!c[i].empty()) return false;
  return true;
}

// A line as the message quotes it: not too long for a message box.
std::string citacao(std::string_view linha) {
  constexpr std::size_t kMax = 60;
  if (linha.size() <= kMax) return std::string(linha);
  std::size_t n = kMax;
  // Do not cut a UTF-8 character in two.
  while (n > 0 && (static_cast<unsigned char>(linha[n]) & 0xC0) == 0x80) --n;
  return std::string(linha.substr(0, n)) + "...";
}

}  // namespace

tTABELA_COLADA le_tabela_colada(const std::string& texto) {
  tTABELA_COLADA r;
  const std::string t = delchar(texto, '\r');
  std::vector<std::string_view> linhas;
  for (std::string_view s = t;;) {
    const auto p = s.find('\n');
    linhas.push_back(s.substr(0, p));
    if (p == std::string_view::npos) break;
    s.remove_prefix(p + 1);
  }

  std::size_t primeira = 0;
  while (primeira < linhas.size() && apara(linhas[primeira]).empty()) ++primeira;
  // The title line; a first line that is already a point is kept.
  if (primeira < linhas.size() && !ponto(campos(linhas[primeira]))) ++primeira;

  for (std::size_t i = primeira; i < linhas.size(); ++i) {
    if (apara(linhas[i]).empty()) continue;
    const auto c = campos(linhas[i]);
    if (!ponto(c)) {
      r.pontos.clear();
      r.erro = fmt::sprintf(
          "A linha %d do texto colado não é um ponto da curva (índice;corrente;tempo): "
          "\"%s\".\nNada foi alterado.",
          static_cast<int>(i + 1), citacao(linhas[i]));
      return r;
    }
    r.pontos.push_back({std::string(c[1]), std::string(c[2])});
  }

  if (r.pontos.empty()) {
    r.erro =
        "O texto colado não tem pontos de curva. Copie uma linha de títulos e até 16 linhas "
        "com índice, corrente e tempo separados por \";\".\nNada foi alterado.";
  } else if (r.pontos.size() > static_cast<std::size_t>(Tfm_edit_curve::kPontos)) {
    r.erro = fmt::sprintf(
        "O texto colado tem %d pontos, mas a curva tem no máximo 16.\nNada foi alterado.",
        static_cast<int>(r.pontos.size()));
    r.pontos.clear();
  }
  return r;
}

Tfm_edit_curve::Tfm_edit_curve(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Edição da curva de usuário"));
  setModal(true);

  // Left: the points.
  auto* esquerda = new QVBoxLayout;
  esquerda->addWidget(new QLabel(QStringLiteral("Amostras"), this));
  sgMAIN = new QTableWidget(kPontos, 2, this);
  sgMAIN->setHorizontalHeaderLabels({QStringLiteral("i [A]"), QStringLiteral("t [s]")});
  sgMAIN->verticalHeader()->setDefaultSectionSize(sgMAIN->fontMetrics().height() + 4);
  sgMAIN->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  sgMAIN->setSelectionMode(QAbstractItemView::SingleSelection);
  for (int r = 0; r < kPontos; ++r)
    for (int c = 0; c < 2; ++c) sgMAIN->setItem(r, c, new QTableWidgetItem);
  {
    // Room for "10000.00" in both columns and for all 16 points, so no value
    // is shown cut short.
    const QFontMetrics fm = sgMAIN->fontMetrics();
    const int coluna = fm.horizontalAdvance(QStringLiteral("10000.00")) + 16;
    sgMAIN->verticalHeader()->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("16")) + 8);
    sgMAIN->setMinimumWidth(sgMAIN->verticalHeader()->minimumWidth() + 2 * coluna +
                            sgMAIN->verticalScrollBar()->sizeHint().width() + 4);
    sgMAIN->setMinimumHeight(sgMAIN->horizontalHeader()->sizeHint().height() +
                             kPontos * sgMAIN->verticalHeader()->defaultSectionSize() + 4);
  }
  sgMAIN->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* acColar = new QAction(QStringLiteral("colar"), sgMAIN);
  sgMAIN->addAction(acColar);
  esquerda->addWidget(sgMAIN, 1);

  // Right: name, adjustable flag, pickup and dial, the note, the buttons.
  auto* direita = new QVBoxLayout;
  direita->addWidget(new QLabel(QStringLiteral("Nome"), this));
  leNOME = new QLineEdit(this);
  direita->addWidget(leNOME);
  cbAJUSTAVEL = new QCheckBox(QStringLiteral("Curva ajustável"), this);
  direita->addWidget(cbAJUSTAVEL);
  direita->addWidget(new QLabel(QStringLiteral("IP (corrente de partida)"), this));
  leIP = new QLineEdit(this);
  direita->addWidget(leIP);
  direita->addWidget(new QLabel(QStringLiteral("DT (dial time)"), this));
  leDT = new QLineEdit(this);
  direita->addWidget(leDT);
  auto* obs = new QLabel(
      QStringLiteral("!!! OBS !!! Leia o manual para mais informações sobre o editor de curva."),
      this);
  obs->setWordWrap(true);
  direita->addWidget(obs);
  direita->addStretch(1);
  auto* botoes = new QHBoxLayout;
  btOK = new QPushButton(QStringLiteral("OK"), this);
  btCANCEL = new QPushButton(QStringLiteral("Cancelar"), this);
  btOK->setDefault(true);
  btCANCEL->setAutoDefault(false);
  botoes->addWidget(btOK);
  botoes->addWidget(btCANCEL);
  direita->addLayout(botoes);

  auto* tudo = new QHBoxLayout(this);
  tudo->addLayout(esquerda, 1);
  tudo->addLayout(direita, 1);
  resize(QSize(297, 298).expandedTo(sizeHint()));

  connect(cbAJUSTAVEL, &QCheckBox::toggled, this, [this](bool on) { ajustavel(on); });
  connect(acColar, &QAction::triggered, this, [this] { comando([this] { colar(); }); });
  connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(btCANCEL, &QPushButton::clicked, this, &QDialog::reject);
}

std::string Tfm_edit_curve::edit_curve(int idx_cur) {
  auto& lista = usercurves();
  if (idx_cur < 0 || idx_cur >= static_cast<int>(lista.size())) return {};
  const auto k = static_cast<std::size_t>(idx_cur);
  showcurve(lista[k]);
  centraliza(*this);
  const bool ok = exec() == QDialog::Accepted;
  // The list is looked up again after the modal loop instead of holding a
  // reference across it: nothing should change it meanwhile, but a stale
  // reference would write into freed memory if something did.
  if (k >= lista.size()) return {};
  if (ok) getcurve(lista[k]);
  return lista[k].nom;
}

void Tfm_edit_curve::showcurve(const tUSERCURVE& cur) {
  leNOME->setText(qs(cur.nom));
  leIP->setText(qs(real2txt(cur.ip, 2)));
  leDT->setText(qs(real2txt(cur.dt, 2)));
  cbAJUSTAVEL->setChecked(cur.adj);
  ajustavel(cur.adj);  // also when the box did not change
  for (int k = 0; k < kPontos; ++k) {
    setcelula(0, k + 1, real2txt(cur.amp[static_cast<std::size_t>(k)], 2));
    setcelula(1, k + 1, real2txt(cur.tim[static_cast<std::size_t>(k)], 2));
  }
}

namespace {

// A number shown with two decimals: while its text is still the one shown,
// the value keeps its full precision (a point of 0.0152 s shows "0.02"), only
// brought into range; a changed text is read as typed.
double lido(const std::string& texto, double atual, double min, double max) {
  if (texto == real2txt(atual, 2)) return std::clamp(atual, min, max);
  return txt2real(texto, atual, min, max);
}

}  // namespace

void Tfm_edit_curve::getcurve(tUSERCURVE& cur) const {
  // The name goes into every chart file that uses the curve.
  const std::string nome = leNOME->text().toStdString();
  cur.nom = textoarq(nome);
  if (cur.nom != nome) xprintf("# Nome da curva ajustado para o arquivo: \"%s\"", cur.nom);
  cur.ip = lido(leIP->text().toStdString(), cur.ip, L::ip_min, L::ip_max);
  cur.dt = lido(leDT->text().toStdString(), cur.dt, L::dt_min, L::dt_max);
  cur.adj = cbAJUSTAVEL->isChecked();
  for (int k = 0; k < kPontos; ++k) {
    auto& a = cur.amp[static_cast<std::size_t>(k)];
    auto& t = cur.tim[static_cast<std::size_t>(k)];
    a = lido(celula(0, k + 1), a, L::amp_min, L::amp_max);
    t = lido(celula(1, k + 1), t, L::tim_min, L::tim_max);
  }
}

void Tfm_edit_curve::colar() {
  const tTABELA_COLADA tab = le_tabela_colada(QApplication::clipboard()->text().toStdString());
  if (!tab.erro.empty()) {
    dialogos().erro(tab.erro);
    return;
  }
  for (std::size_t k = 0; k < tab.pontos.size(); ++k) {
    setcelula(0, static_cast<int>(k) + 1, tab.pontos[k].amp);
    setcelula(1, static_cast<int>(k) + 1, tab.pontos[k].tim);
  }
  dialogos().info("OK");
}

std::string Tfm_edit_curve::celula(int col, int row) const {
  const QTableWidgetItem* it =
      row == 0 ? sgMAIN->horizontalHeaderItem(col) : sgMAIN->item(row - 1, col);
  return it ? it->text().toStdString() : std::string();
}

void Tfm_edit_curve::setcelula(int col, int row, const std::string& texto) {
  if (row < 1 || row > kPontos || col < 0 || col > 1) return;
  QTableWidgetItem* it = sgMAIN->item(row - 1, col);
  if (it == nullptr) {
    it = new QTableWidgetItem;
    sgMAIN->setItem(row - 1, col, it);
  }
  it->setText(qs(texto));
}

void Tfm_edit_curve::ajustavel(bool on) {
  leIP->setEnabled(on);
  leDT->setEnabled(on);
}

}  // namespace tarvinel
