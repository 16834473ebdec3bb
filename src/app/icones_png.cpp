// Build-time renderer of the program's icon at the sizes desktops look for:
//   tarvinel-icones ICONE.svg PASTA TAMANHO...
// writes PASTA/<n>x<n>/apps/tarvinel.png for every size n.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 4) {
    std::fputs("uso: tarvinel-icones ICONE.svg PASTA TAMANHO...\n", stderr);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "tarvinel-icones: não foi possível ler %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int n = QString::fromLatin1(argv[i]).toInt();
    if (n <= 0) return 2;
    QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p);
    p.end();
    const QString pasta =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(n);
    if (!QDir().mkpath(pasta) || !img.save(pasta + QStringLiteral("/tarvinel.png"))) {
      std::fprintf(stderr, "tarvinel-icones: não foi possível gravar %s\n", qPrintable(pasta));
      return 1;
    }
  }
  return 0;
}
