// Draws the program's SVG pictures into PNG files on the build machine, for a Qt that has no
// SVG module (the Windows Qt built from Debian's sources). Each PNG is drawn at a size from
// which every icon size and the main window's picture scale down sharply, and carries the
// picture's own size in its text field "Velikost" ("WxH"), which the SVG gave the program.
//
//   kresby-png IN.svg OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplikace(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: kresby-png IN.svg OUT.png\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "kresby-png: cannot read %s\n", argv[1]);
        return 1;
    }
    const QSize velikost = svg.defaultSize();
    // The largest icon is 256 pixels; the window picture is drawn at up to twice its size.
    const int delsi = std::max(velikost.width(), velikost.height());
    const double meritko = std::max(256.0 / delsi, 2.0);
    QImage obraz(velikost * meritko, QImage::Format_ARGB32_Premultiplied);
    obraz.fill(Qt::transparent);
    QPainter kreslic(&obraz);
    kreslic.setRenderHint(QPainter::Antialiasing);
    svg.render(&kreslic);
    kreslic.end();
    obraz.setText("Velikost", QString("%1x%2").arg(velikost.width()).arg(velikost.height()));
    if (!obraz.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "kresby-png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
