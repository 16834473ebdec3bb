// The commands that draw with Qt: the chart image (.jpg, .png, .svg) and the
// print job as a PDF file, the same pages the printer of the desktop program
// gets (for a chart the chart page, or the phase and the neutral pages, and
// the summary page; for a calculation the report). Also the user's curves,
// which live in the desktop program's settings store. A build without Qt puts
// sem_qt.cpp in this file's place.

#include <fmt/printf.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "cli/comandos.h"
#include "core/calculation/relatorio.h"
#include "core/coordination/ajuste_texto.h"
#include "core/coordination/prjcoord.h"
#include "core/curves/inifile.h"
#include "core/foundation/arquivo.h"
#include "platform/coordimpressao.h"
#include "platform/relatorio_qt.h"
#include "platform/settings_qt.h"

namespace tarvinel::cli {

namespace {

// Qt's own notes (a missing runtime folder, font fallbacks) are in English
// and say nothing about the document; stderr is kept for the program's
// messages.
void mensagemqt(QtMsgType tipo, const QMessageLogContext&, const QString& msg) {
  if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
    std::fputs((msg.toStdString() + "\n").c_str(), stderr);
}

// Fonts and painting need a GUI application object; the command line has no
// screen, so unless the user chose a platform it draws offscreen. Made once
// the words of the command are known to be right, for the rest of the run.
std::unique_ptr<QGuiApplication> aplicacao() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  qInstallMessageHandler(mensagemqt);
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char nome[] = "tarvinel-cli";
  static char* argv[] = {nome, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// The example of a new chart, or the file opened as the program opens it.
std::unique_ptr<tPRJCOORD> coord(const std::string& arq) {
  return arq.empty() ? prjcoord_novo() : prjcoord_abre(arq);
}

void gravaqt(const std::string& path, const QByteArray& bytes) {
  gravarbytes(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// "WxH" with both sides from 200 (the chart's least size) to 10000 pixels,
// which keeps the picture within a few hundred megabytes.
bool tamanho(const std::string& s, int& w, int& h) {
  const std::size_t x = s.find_first_of("xX");
  if (x == std::string::npos) return false;
  const std::string a = s.substr(0, x);
  const std::string b = s.substr(x + 1);
  auto digitos = [](const std::string& t) {
    return !t.empty() && t.size() <= 5 && t.find_first_not_of("0123456789") == std::string::npos;
  };
  if (!digitos(a) || !digitos(b)) return false;
  w = std::stoi(a);
  h = std::stoi(b);
  return w >= 200 && w <= 10000 && h >= 200 && h <= 10000;
}

void gravapng(const std::string& path, const QImage& img) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  QImageWriter w(&buf, "png");
  if (!w.write(img))
    throw tERROARQ(tOPARQ::gravar, path, "não foi possível codificar a imagem PNG");
  gravaqt(path, bytes);
}

int pdf_coord(const std::string& arq, const std::string& saida, bool separar) {
  const std::unique_ptr<tPRJCOORD> prj = coord(arq);
  const auto app = aplicacao();
  tAJUSTE_CURSOR cursores;
  imprimepdf(saida, *prj, tOPCOES_GRAF{}, separar, &cursores);
  return SAIDA_OK;
}

// The report of the calculation, made in memory and written atomically.
int pdf_ajuste(const std::string& arq, const std::string& saida) {
  tRELATORIO r;
  if (!relatorio_ajuste(arq, r)) return SAIDA_ERRO;
  const auto app = aplicacao();
  gravaqt(saida, relatorio_pdf(r.linhas));
  return SAIDA_OK;
}

}  // namespace

int cmd_image(const tARGS& args) {
  std::string arq, saida, tam;
  const std::string msg =
      le_palavras(args, {com_valor("-o", saida), com_valor("--size", tam)}, arq);
  if (!msg.empty()) return erro_uso("image", msg);
  if (saida.empty()) return erro_uso("image", "informe a imagem de saída com -o");
  const bool jpg = tem_extensao(saida, ".jpg") || tem_extensao(saida, ".jpeg");
  const bool svg = tem_extensao(saida, ".svg");
  if (!jpg && !svg && !tem_extensao(saida, ".png"))
    return erro_uso("image", "formato de imagem desconhecido (use .jpg, .png ou .svg): " + saida);
  int w = kJPGLARGURA;
  int h = kJPGALTURA;
  if (!tam.empty() && !tamanho(tam, w, h))
    return erro_uso("image", "tamanho inválido: " + tam + " (LxA, de 200 a 10000 pixels)");
  const auto prj = coord(arq);
  const auto app = aplicacao();
  tAJUSTE_CURSOR cursores;
  // The export's screen settings: legend, phase and neutral on, 1 A to 10 kA;
  // the SVG is the same drawing in vectors.
  if (svg) {
    gravaqt(saida, svgcoord(*prj, tOPCOES_GRAF{}, &cursores, w, h));
    return SAIDA_OK;
  }
  const QImage img = imagemcoord(*prj, tOPCOES_GRAF{}, &cursores, w, h);
  if (img.isNull())
    return erro(fmt::sprintf("memória insuficiente para uma imagem de %dx%d pixels", w, h));
  if (jpg)
    gravajpg(saida, img);
  else
    gravapng(saida, img);
  return SAIDA_OK;
}

int cmd_pdf(const tARGS& args) {
  std::string arq, saida;
  bool separar = false;
  const std::string msg =
      le_palavras(args, {com_valor("-o", saida, "o arquivo"), marca("--separar", separar)}, arq);
  if (!msg.empty()) return erro_uso("pdf", msg);
  if (saida.empty()) return erro_uso("pdf", "informe o arquivo PDF com -o");
  if (arq.empty() || tem_extensao(arq, ".coord")) return pdf_coord(arq, saida, separar);
  if (tem_extensao(arq, ".ajuste")) {
    if (separar) return erro_uso("pdf", "--separar vale só para um coordenograma (.coord)");
    return pdf_ajuste(arq, saida);
  }
  return erro("formato não suportado: " + arq + " (use um arquivo .coord ou .ajuste)");
}

void abre_curvas_usuario() {
  // Read only: the command line never writes the store.
  inifile_open(std::make_unique<tSTOREQT>());
}

}  // namespace tarvinel::cli
