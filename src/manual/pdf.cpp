#include "manual/pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace tarvinel::manual {

namespace {

constexpr int kDPI = 300;
const QString kTITULO = QStringLiteral("Tarvinel – Manual do usuário");

QFont fonte_texto() {
  return QFont(QStringLiteral("DejaVu Sans"), 10);
}

// Millimetres to device pixels (painting, page sizes).
double mm(double v) {
  return v * kDPI / 25.4;
}
// Millimetres to the units of text formats (margins, paddings, borders):
// 1/96 in, which the layout scales to the device.
double fm(double v) {
  return v * 96 / 25.4;
}

struct tTITULO {
  int nivel;
  QString texto;
  int pagina;  // in the body, from 0
};

// Documents are laid out in 1/96 in (the layout's own unit, in which the
// text formats' lengths are given) and drawn scaled to the device, as Qt's
// own printing does; a layout bound to the PDF device paginates in one unit
// and draws in another, losing text.
constexpr double kESCALA = kDPI / 96.0;

// Layout of a document on pages of w x h device pixels.
void pagina(QTextDocument& doc, double w, double h) {
  doc.setPageSize(QSizeF(w / kESCALA, h / kESCALA));
}

// Draws page i of a paginated document with the painter's origin at the top
// left of the page's text area.
void desenha_pagina(QPainter& p, QTextDocument& doc, int i) {
  const QSizeF ps = doc.pageSize();
  p.save();
  p.scale(kESCALA, kESCALA);
  p.setClipRect(QRectF(0, 0, ps.width(), ps.height()));
  p.translate(0, -i * ps.height());
  QAbstractTextDocumentLayout::PaintContext ctx;
  ctx.clip = QRectF(0, i * ps.height(), ps.width(), ps.height());
  ctx.palette.setColor(QPalette::Text, Qt::black);
  doc.documentLayout()->draw(&p, ctx);
  p.restore();
}

// Tables with thin rules, code with a grey background, chapters on a new
// page, figures scaled to the text width and centred.
void formata(QTextDocument& doc) {
  const double largura = doc.pageSize().width() - 2 * doc.documentMargin();
  const double altura = doc.pageSize().height();
  QTextCursor c(&doc);
  std::vector<QTextTable*> tabelas;
  bool primeiro = true;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    QTextCursor bc(b);
    QTextBlockFormat bf = b.blockFormat();
    bool muda = false;
    if (bf.headingLevel() == 1) {
      if (!primeiro) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      bf.setBottomMargin(fm(3));
      muda = true;
    } else if (bf.headingLevel() == 2) {
      bf.setTopMargin(fm(5));
      bf.setBottomMargin(fm(1.5));
      muda = true;
    }
    if (bf.hasProperty(QTextFormat::BlockCodeFence)) {
      bf.setBackground(QColor(0xF2, 0xF2, 0xF2));
      bf.setLeftMargin(fm(2));
      muda = true;
    }
    primeiro = false;
    if (QTextTable* t = bc.currentTable()) {
      if (std::find(tabelas.begin(), tabelas.end(), t) == tabelas.end()) tabelas.push_back(t);
    }
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.isValid() || !f.charFormat().isImageFormat()) continue;
      QTextImageFormat img = f.charFormat().toImageFormat();
      const QVariant v = doc.resource(QTextDocument::ImageResource, QUrl(img.name()));
      const QImage im = v.value<QImage>();
      if (im.isNull()) continue;
      const double maxw = largura;
      const double maxh = altura * 0.55;
      double k = std::min({1.0, maxw / im.width(), maxh / im.height()});
      // Screenshots at 96 dpi would be tiny on paper: never below the text width's half.
      k = std::max(k, std::min(maxw * 0.5 / im.width(), maxh / im.height()));
      img.setWidth(im.width() * k);
      img.setHeight(im.height() * k);
      QTextCursor ic(&doc);
      ic.setPosition(f.position());
      ic.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
      ic.setCharFormat(img);
      bf.setAlignment(Qt::AlignHCenter);
      bf.setTopMargin(fm(3));
      muda = true;
    }
    if (muda) bc.setBlockFormat(bf);
  }
  for (QTextTable* t : tabelas) {
    QTextTableFormat tf = t->format();
    tf.setBorder(1);
    tf.setBorderBrush(QColor(0x99, 0x99, 0x99));
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderCollapse(true);
    tf.setCellPadding(fm(0.8));
    tf.setCellSpacing(0);
    tf.setTopMargin(fm(1.5));
    tf.setBottomMargin(fm(1.5));
    tf.setHeaderRowCount(1);  // repeated on every page the table runs over
    t->setFormat(tf);
    for (int col = 0; col < t->columns(); ++col) {
      QTextTableCell cell = t->cellAt(0, col);
      QTextCharFormat cf = cell.format();
      cf.setBackground(QColor(0xE8, 0xEE, 0xF4));
      cell.setFormat(cf);
    }
  }
}

QString escapa(const QString& s) {
  return s.toHtmlEscaped();
}

// The table of contents, page numbers given.
void monta_sumario(QTextDocument& doc, const std::vector<tTITULO>& tit, int deslocamento) {
  QString h =
      QStringLiteral("<h1>Sumário</h1><table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">");
  for (const tTITULO& t : tit) {
    const QString recuo =
        t.nivel == 1 ? QString() : QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;");
    const QString texto =
        t.nivel == 1 ? QStringLiteral("<b>%1</b>").arg(escapa(t.texto)) : escapa(t.texto);
    h += QStringLiteral("<tr><td>%1%2</td><td align=\"right\">%3</td></tr>")
             .arg(recuo, texto)
             .arg(t.pagina + deslocamento);
  }
  h += QStringLiteral("</table>");
  doc.setHtml(h);
}

void rodape(QPainter& p, double w, double y, int numero) {
  p.save();
  QFont f = fonte_texto();
  f.setPointSizeF(8);
  p.setFont(f);
  p.setPen(QColor(0x55, 0x55, 0x55));
  p.drawLine(QPointF(0, y), QPointF(w, y));
  const QRectF r(0, y + mm(1.5), w, mm(6));
  p.drawText(r, Qt::AlignLeft | Qt::AlignTop, kTITULO);
  p.drawText(r, Qt::AlignRight | Qt::AlignTop, QString::number(numero));
  p.restore();
}

void capa(QPainter& p, double w, double h, const std::string& versao) {
  p.save();
  p.setPen(QColor(0x1F, 0x3A, 0x5F));
  QFont f = fonte_texto();
  f.setPointSizeF(36);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(0, h * 0.28, w, mm(20)), Qt::AlignHCenter, QStringLiteral("Tarvinel"));
  f.setPointSizeF(20);
  f.setBold(false);
  p.setFont(f);
  p.drawText(QRectF(0, h * 0.28 + mm(22), w, mm(12)), Qt::AlignHCenter,
             QStringLiteral("Manual do usuário"));
  p.drawLine(QPointF(w * 0.2, h * 0.28 + mm(38)), QPointF(w * 0.8, h * 0.28 + mm(38)));
  f.setPointSizeF(12);
  p.setFont(f);
  p.setPen(Qt::black);
  p.drawText(QRectF(w * 0.1, h * 0.28 + mm(44), w * 0.8, mm(30)),
             Qt::AlignHCenter | Qt::TextWordWrap,
             QStringLiteral("Proteção da subestação de média tensão do cliente: coordenograma, "
                            "cálculo de ajuste do relé, ensaio de relé e curvas do usuário"));
  p.drawText(QRectF(0, h * 0.85, w, mm(8)), Qt::AlignHCenter,
             QStringLiteral("Versão %1").arg(QString::fromStdString(versao)));
  p.restore();
}

}  // namespace

tPDF escreve_pdf(const std::string& markdown, const std::map<std::string, QImage>& telas,
                 const std::string& versao, const std::string& saida) {
  const QString nome = QString::fromStdString(saida);
  QSaveFile arq(nome);
  if (!arq.open(QIODevice::WriteOnly))
    throw std::runtime_error("Não foi possível criar o arquivo \"" + saida +
                             "\": " + arq.errorString().toStdString());
  QPdfWriter pdf(&arq);
  pdf.setTitle(kTITULO);
  pdf.setCreator(QStringLiteral("Tarvinel %1").arg(QString::fromStdString(versao)));
  pdf.setResolution(kDPI);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter);

  const double W = pdf.width();
  const double H = pdf.height();
  const double corpoH = H - mm(9);  // the footer below

  QTextDocument corpo;
  corpo.setDefaultFont(fonte_texto());
  // Resources after the text: reading Markdown clears them.
  corpo.setMarkdown(QString::fromStdString(markdown), QTextDocument::MarkdownDialectGitHub);
  for (const auto& [n, img] : telas)
    corpo.addResource(QTextDocument::ImageResource,
                      QUrl(QStringLiteral("tela:") + QString::fromStdString(n)), QVariant(img));
  pagina(corpo, W, corpoH);
  // Every picture the text names must be there.
  for (QTextBlock b = corpo.begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.isValid() || !f.charFormat().isImageFormat()) continue;
      const QString n = f.charFormat().toImageFormat().name();
      if (corpo.resource(QTextDocument::ImageResource, QUrl(n)).value<QImage>().isNull())
        throw std::runtime_error("Falta a imagem \"" + n.toStdString() + "\" do manual.");
    }
  formata(corpo);

  std::vector<tTITULO> titulos;
  for (QTextBlock b = corpo.begin(); b.isValid(); b = b.next()) {
    const int nivel = b.blockFormat().headingLevel();
    if (nivel != 1 && nivel != 2) continue;
    const double y = corpo.documentLayout()->blockBoundingRect(b).top();
    titulos.push_back({nivel, b.text(), static_cast<int>(y / corpo.pageSize().height())});
  }

  // The contents' own length first (numbers do not change its lines), then
  // the contents with the body's page numbers after the cover and itself.
  QTextDocument sumario;
  sumario.setDefaultFont(fonte_texto());
  monta_sumario(sumario, titulos, 0);
  pagina(sumario, W, corpoH);
  const int nsum = sumario.pageCount();
  monta_sumario(sumario, titulos, 1 + nsum + 1);
  pagina(sumario, W, corpoH);

  QPainter p;
  if (!p.begin(&pdf))
    throw std::runtime_error("Não foi possível escrever o PDF \"" + saida + "\".");
  capa(p, W, H, versao);
  int numero = 1;
  for (int i = 0; i < sumario.pageCount(); ++i) {
    pdf.newPage();
    desenha_pagina(p, sumario, i);
    rodape(p, W, corpoH, ++numero);
  }
  for (int i = 0; i < corpo.pageCount(); ++i) {
    pdf.newPage();
    desenha_pagina(p, corpo, i);
    rodape(p, W, corpoH, ++numero);
  }
  if (!p.end()) throw std::runtime_error("Não foi possível escrever o PDF \"" + saida + "\".");
  if (!arq.commit())
    throw std::runtime_error("Não foi possível gravar o arquivo \"" + saida +
                             "\": " + arq.errorString().toStdString());
  tPDF r;
  r.paginas = numero;
  for (const tTITULO& t : titulos)
    r.sumario.emplace_back(t.texto.toStdString(), t.pagina + 1 + nsum + 1);
  return r;
}

}  // namespace tarvinel::manual
