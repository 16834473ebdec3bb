#include "coordimpressao.h"

#include <fmt/printf.h>

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <ctime>
#include <stdexcept>

#include "canvas_qt.h"
#include "coordination/ajuste_religa.h"
#include "foundation/arquivo.h"
#include "foundation/contato.h"
#include "foundation/estado.h"
#include "foundation/numtxt.h"

namespace tarvinel {

namespace {

constexpr const char* kFORMATOLINHA = "%-20s%-12s%-12s%-12s%-12s";

// Sets `printing` for the job and gives back whatever it was before: the main
// window sets it around printexec, the command line does not.
class tIMPRIMINDO {
 public:
  tIMPRIMINDO() : antes_(printing) { printing = true; }
  ~tIMPRIMINDO() { printing = antes_; }
  tIMPRIMINDO(const tIMPRIMINDO&) = delete;
  tIMPRIMINDO& operator=(const tIMPRIMINDO&) = delete;

 private:
  bool antes_;
};

// "Courier New" when the system has it (or a fixed-pitch substitute under that
// name); otherwise the system's fixed-pitch font, because the summary table
// is aligned by characters and falls apart in a proportional font.
std::string fontemono() {
  static const std::string nome = [] {
    // The same request the drawing surface makes for a font name.
    QFont f(QStringLiteral("Courier New"));
    f.setStyleHint(QFont::SansSerif);
    if (QFontInfo(f).fixedPitch()) return std::string("Courier New");
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
  }();
  return nome;
}

std::string linharele(const std::string& nome, const tFRELIGA& f) {
  return fmt::sprintf(kFORMATOLINHA, nome, num2txt(f.cor_par), num2txt(f.cor_ins), num2txt(f.dt),
                      f.nom_cur);
}

}  // namespace

std::string datahoje() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return fmt::sprintf("%02d/%02d/%02d", tm.tm_mday, tm.tm_mon + 1, tm.tm_year % 100);
}

std::vector<tLINHARESUMO> linhasresumo(const tPRJCOORD& prj, const std::string& data) {
  std::vector<tLINHARESUMO> l;
  l.push_back({""});
  l.push_back({fmt::sprintf("Responável: %s", prj.projetista)});
  l.push_back({fmt::sprintf("Subestação: %s", prj.subestacao)});
  l.push_back({fmt::sprintf("Alimentador: %s", prj.alimentador)});
  l.push_back({fmt::sprintf("Data: %s", data)});
  l.push_back({" "});
  l.push_back({"Resumo dos ajustes dos religadores"});
  l.push_back(
      {fmt::sprintf(kFORMATOLINHA, "Religador", "Partida[A]", "Inst[A]", "DialTime", "Curva")});
  int n = 0;
  for (const auto& a : prj.ajustes) {
    ++n;  // every kind counts, so the number is the relay's place in the item list
    const auto* r = dynamic_cast<const tAJUSTE_RELIGA*>(a.get());
    if (r == nullptr) continue;
    l.push_back({fmt::sprintf("%d-%s: %s", n, r->caption, r->modelo), r->color});
    l.push_back({linharele("  ...Fase", r->relf), r->color});
    l.push_back({linharele("  ...Neutro", r->reln), r->color});
  }
  l.push_back({" "});
  l.push_back({fmt::sprintf("Software: %s/%s", versionline, email_contato)});
  return l;
}

int desenharesumo(tCANVAS& canvas, const std::vector<tLINHARESUMO>& linhas,
                  const std::function<void()>& novapagina) {
  tFONT f;
  f.name = fontemono();
  f.size = 12;
  canvas.setfont(f);
  canvas.setbrushstyle(tBRUSHSTYLE::clear);
  const int x = 5 * canvas.textwidth("A");
  const int h = std::max(1, canvas.textheight("A"));
  const int topo = 2 * h;
  int y = topo;
  int paginas = 1;
  for (const tLINHARESUMO& l : linhas) {
    // A chart with many relays does not end at the page's edge: its rows go
    // on on the next page instead of being cut off unseen.
    if (y + h > canvas.height() && y > topo) {
      novapagina();
      ++paginas;
      y = topo;
    }
    canvas.setfontcolor(l.cor);
    canvas.textout(x, y, l.texto);
    y += h;
  }
  return paginas;
}

int imprimecoord(QPagedPaintDevice& dev, tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                 bool separar, tAJUSTE_CURSOR* cursores, const std::string& data) {
  tIMPRIMINDO imprimindo;
  QPainter painter;
  if (!painter.begin(&dev)) throw std::runtime_error("Não foi possível iniciar a impressão.");
  tCANVASQT canvas(painter);
  const int w = canvas.width();
  const int h = canvas.height();
  const int folga = static_cast<int>(w * 0.05);

  // Paper: the background is left as it is and the lines are thick enough
  // for a printer's resolution. With `printing` set, drawcoord keeps the
  // three display switches set here instead of the window's check boxes.
  tOPCOES_GRAF papel = opt;
  papel.limpafundo = false;
  papel.linhafina = 5;
  papel.linhagrossa = 20;
  chart.showlegend = true;
  chart.show_fase = true;
  chart.show_neutro = !separar;

  int paginas = 1;
  drawcoord(prj, chart, canvas, w, folga, h, papel, cursores);
  dev.newPage();
  ++paginas;
  if (separar) {
    chart.show_fase = false;
    chart.show_neutro = true;
    drawcoord(prj, chart, canvas, w, folga, h, papel, cursores);
    dev.newPage();
    ++paginas;
  }
  paginas += desenharesumo(canvas, linhasresumo(prj, data), [&dev] { dev.newPage(); }) - 1;
  painter.end();
  return paginas;
}

int imprimepdf(const std::string& path, tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
               bool separar, tAJUSTE_CURSOR* cursores) {
  QByteArray bytes;
  int paginas = 0;
  {
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buf);
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    pdf.setCreator(QString::fromStdString(versionline));
    pdf.setTitle(QString::fromStdString(prj.titulo));
    paginas = imprimecoord(pdf, prj, chart, opt, separar, cursores);
  }
  gravarbytes(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  return paginas;
}

namespace {

// The exported picture on any device of w by h: the screen's surface
// settings (cleared background, 1 and 3 pixel lines), margin 50.
void desenhaimagem(QPaintDevice& dev, tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                   tAJUSTE_CURSOR* cursores, int w, int h) {
  tOPCOES_GRAF tela = opt;
  tela.limpafundo = true;
  tela.linhafina = 1;
  tela.linhagrossa = 3;
  QPainter painter(&dev);
  tCANVASQT canvas(painter, w, h);
  drawcoord(prj, chart, canvas, w, 50, h, tela, cursores);
  painter.end();
}

}  // namespace

QImage imagemcoord(tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                   tAJUSTE_CURSOR* cursores, int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  if (img.isNull()) return img;
  img.fill(Qt::white);
  desenhaimagem(img, prj, chart, opt, cursores, w, h);
  return img;
}

QByteArray svgcoord(tPRJCOORD& prj, tCHARTX& chart, const tOPCOES_GRAF& opt,
                    tAJUSTE_CURSOR* cursores, int w, int h) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buf);
  svg.setSize(QSize(w, h));
  svg.setViewBox(QRect(0, 0, w, h));
  // The picture's resolution, so fonts get the same pixel sizes as in the
  // JPEG export.
  svg.setResolution(QImage(1, 1, QImage::Format_RGB32).logicalDpiY());
  svg.setTitle(QString::fromStdString(prj.titulo));
  svg.setDescription(QString::fromStdString(versionline));
  desenhaimagem(svg, prj, chart, opt, cursores, w, h);
  buf.close();
  // The generator gives the size in millimetres, which readers turn into
  // pixels at 90 or at 96 dpi; in pixels every reader shows w by h.
  const int i = bytes.indexOf("<svg width=\"");
  const int j = i < 0 ? -1 : bytes.indexOf('\n', i);
  if (j > i)
    bytes.replace(i, j - i,
                  QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(w).arg(h).toUtf8());
  return bytes;
}

QByteArray codificajpg(const QImage& img) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  QImageWriter w(&buf, "jpg");
  if (!w.write(img)) return {};
  return bytes;
}

void gravajpg(const std::string& path, const QImage& img) {
  const QByteArray bytes = codificajpg(img);
  if (bytes.isEmpty())
    throw tERROARQ(tOPARQ::gravar, path, "o sistema não tem um codificador de imagens JPEG");
  gravarbytes(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace tarvinel
