// Renders the program's SVG icon to the PNG sizes of the hicolor icon theme:
//   iconpng ICON.svg OUTDIR NAME SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/NAME.png for every size. Menus and docks that
// cannot scale SVG pick the PNG nearest their size.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() < 5) {
        err << "usage: iconpng ICON.svg OUTDIR NAME SIZE...\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        err << "iconpng: cannot read " << args.at(1) << '\n';
        return 1;
    }
    for (int i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args.at(i).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            err << "iconpng: bad size " << args.at(i) << '\n';
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString file = folder + '/' + args.at(3) + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            err << "iconpng: cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
