// Draws the keyboard pictures of every model from its layout file, so that the
// picture and the key buttons placed from the same file always agree.
//
//   kbpicture <output folder> [stamp file]
//
// Writes Keyboard_<model>.png for every model of the picture table, plus its
// mode variants Keyboard_<model>_<n>.png where the model has them.

#include "keyboardpicturerenderer.h"
#include "keyboardview/keyboardpicturetable.h"
#include "keyboardview/keylayoutfile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // Drawing needs fonts but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        QTextStream(stderr) << "usage: kbpicture <output folder> [stamp file]\n";
        return 2;
    }
    const QString outDir = args.at(1);
    if (!QDir().mkpath(outDir)) {
        QTextStream(stderr) << "kbpicture: cannot create " << outDir << "\n";
        return 1;
    }
    int failures = 0;
    for (const QString &model : KeyboardPictureTable::models()) {
        KeyLayout layout;
        if (!KeyLayoutFile::load(model, &layout)) {
            QTextStream(stderr) << "kbpicture: no usable layout for " << model << "\n";
            ++failures;
            continue;
        }
        const QSize size = KeyboardPictureTable::pictureSize(model);
        for (int variant = -1; variant < KeyboardPictureTable::variantCount(model); ++variant) {
            const QString path = outDir + "/" + KeyboardPictureTable::pictureFileName(model, variant);
            if (!KeyboardPictureRenderer::render(layout, size, variant).save(path, "PNG")) {
                QTextStream(stderr) << "kbpicture: cannot write " << path << "\n";
                ++failures;
            }
        }
    }
    if (failures == 0 && args.size() > 2) {
        QFile stamp(args.at(2));
        stamp.open(QIODevice::WriteOnly | QIODevice::Truncate);
    }
    return failures == 0 ? 0 : 1;
}
