#include "devicelink/deviceoperations.h"

#include "platform/logcategories.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

#include <memory>

DeviceOperations::DeviceOperations(QObject *parent) : QObject(parent)
{ }

DeviceOperations *DeviceOperations::instance()
{
    // Lives with the application object; operations and quit paths all run while it does.
    static QPointer<DeviceOperations> registry;
    if (!registry)
        registry = new DeviceOperations(QCoreApplication::instance());
    return registry;
}

void DeviceOperations::begin(QObject *operation, const QString &what)
{
    if (!operation || m_running.contains(operation))
        return;
    m_running.insert(operation, what);
    qCDebug(lcApp).noquote() << "Long device operation begins:" << what;
    // An operation that goes away without ending must not hold a quit for ever.
    connect(operation, &QObject::destroyed, this, [this, operation] { end(operation); });
}

void DeviceOperations::end(QObject *operation)
{
    if (!m_running.contains(operation))
        return;
    const QString what = m_running.take(operation);
    qCDebug(lcApp).noquote() << "Long device operation ends:" << what;
    disconnect(operation, &QObject::destroyed, this, nullptr);
    if (m_running.isEmpty())
        Q_EMIT sigIdle();
}

void DeviceOperations::whenIdle(QObject *context, const std::function<void()> &then)
{
    if (!isBusy()) {
        then();
        return;
    }
    // Once: the connection goes with its first call (or with the context).
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(this, &DeviceOperations::sigIdle, context, [connection, then] {
        QObject::disconnect(*connection);
        then();
    });
}

void DeviceOperations::waitUntilIdle()
{
    if (!isBusy())
        return;
    QEventLoop loop;
    connect(this, &DeviceOperations::sigIdle, &loop, &QEventLoop::quit);
    loop.exec();
}
