#include "widgets/dialogstartfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString dialogStartFolder()
{
    for (const auto location : {QStandardPaths::DesktopLocation, QStandardPaths::DocumentsLocation}) {
        const QString folder = QStandardPaths::writableLocation(location);
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}
