#include "app/ddatamanager.h"

#include <QApplication>
#include <QLabel>

// Start-up placeholder: builds the data manager and shows a plain window until the
// real main window and single-instance start-up exist.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DDataManager *data = DDataManager::getInstance();
    DDataManager::logAppRunning();

    QLabel window(QObject::tr("Quorin keyboard driver %1").arg(data->getAppVersion()));
    window.setMinimumSize(640, 360);
    window.setAlignment(Qt::AlignCenter);
    window.show();
    return app.exec();
}
