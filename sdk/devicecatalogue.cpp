#include "sdk/devicecatalogue.h"
#include "platform/logcategories.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace {

// Reads a 4-digit hex id. Empty text is allowed only where optional is true
// and then gives 0.
bool readHexId(const QJsonObject &object, const char *key, bool optional, quint16 *id, QString *error)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f]{4}$"));
    const QString text = object.value(QLatin1String(key)).toString();
    if (text.isEmpty() && optional) {
        *id = 0;
        return true;
    }
    if (!pattern.match(text).hasMatch()) {
        *error = QStringLiteral("\"%1\" is not 4 hex digits").arg(QLatin1String(key));
        return false;
    }
    *id = quint16(text.toUInt(nullptr, 16));
    if (*id == 0) {
        *error = QStringLiteral("\"%1\" is 0").arg(QLatin1String(key));
        return false;
    }
    return true;
}

bool readText(const QJsonObject &object, const char *key, QString *text, QString *error)
{
    *text = object.value(QLatin1String(key)).toString();
    if (text->isEmpty()) {
        *error = QStringLiteral("\"%1\" missing").arg(QLatin1String(key));
        return false;
    }
    return true;
}

bool readModel(const QJsonObject &object, CatalogueModel *model, QString *error)
{
    if (!readText(object, "modelName", &model->modelName, error) || !readText(object, "kind", &model->kind, error)
        || !readHexId(object, "vid", false, &model->vid, error)
        || !readHexId(object, "cablePid", false, &model->cablePid, error)
        || !readHexId(object, "receiverPid", true, &model->receiverPid, error))
        return false;
    model->productName = object.value(QLatin1String("productName")).toString();
    model->secondName = object.value(QLatin1String("secondName")).toString();
    model->keyCount = object.value(QLatin1String("keyCount")).toInt(-1);
    if (model->keyCount <= 0 || model->keyCount > 132) {
        *error = QStringLiteral("\"keyCount\" out of range");
        return false;
    }
    model->hidDeviceType = object.value(QLatin1String("hidDeviceType")).toInt();
    model->sideLights = object.value(QLatin1String("sideLights")).toBool();
    model->magnetic = object.value(QLatin1String("magnetic")).toBool();
    model->firmwarePath = object.value(QLatin1String("firmwarePath")).toString();
    return true;
}

}  // namespace

const DeviceCatalogue &DeviceCatalogue::instance()
{
    static const DeviceCatalogue catalogue = [] {
        DeviceCatalogue loaded;
        QString error;
        if (!loaded.loadFile(QString::fromLatin1(kResourcePath), &error))
            qCWarning(lcStore) << "Device catalogue not loaded:" << error;
        return loaded;
    }();
    return catalogue;
}

bool DeviceCatalogue::loadFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_models.clear();
        m_bootloaders.clear();
        if (error)
            *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    return loadJson(file.readAll(), error);
}

bool DeviceCatalogue::loadJson(const QByteArray &json, QString *error)
{
    m_models.clear();
    m_bootloaders.clear();
    QString why;
    QVector<CatalogueModel> models;
    QVector<CatalogueUsbId> bootloaders;

    auto fail = [&](const QString &text) {
        if (error)
            *error = text;
        return false;
    };

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject())
        return fail(parseError.error != QJsonParseError::NoError ? parseError.errorString()
                                                                 : QStringLiteral("not a JSON object"));
    const QJsonArray modelArray = document.object().value(QLatin1String("models")).toArray();
    if (modelArray.isEmpty())
        return fail(QStringLiteral("no models"));

    // A VID/PID or a model name used twice would make the lookup ambiguous.
    QSet<quint32> usedIds;
    QSet<QString> usedNames;
    auto claimId = [&](quint16 vid, quint16 pid) {
        const quint32 key = (quint32(vid) << 16) | pid;
        if (usedIds.contains(key))
            return false;
        usedIds.insert(key);
        return true;
    };

    for (int i = 0; i < modelArray.size(); ++i) {
        CatalogueModel model;
        if (!readModel(modelArray.at(i).toObject(), &model, &why))
            return fail(QStringLiteral("model %1: %2").arg(i).arg(why));
        if (usedNames.contains(model.modelName))
            return fail(QStringLiteral("model %1: name used twice").arg(model.modelName));
        usedNames.insert(model.modelName);
        if (!claimId(model.vid, model.cablePid) || (model.receiverPid && !claimId(model.vid, model.receiverPid)))
            return fail(QStringLiteral("model %1: VID/PID used twice").arg(model.modelName));
        models.append(model);
    }

    const QJsonArray bootArray = document.object().value(QLatin1String("bootloaders")).toArray();
    for (int i = 0; i < bootArray.size(); ++i) {
        const QJsonObject object = bootArray.at(i).toObject();
        CatalogueUsbId id;
        id.name = object.value(QLatin1String("name")).toString();
        if (!readHexId(object, "vid", false, &id.vid, &why) || !readHexId(object, "pid", false, &id.pid, &why))
            return fail(QStringLiteral("bootloader %1: %2").arg(i).arg(why));
        if (!claimId(id.vid, id.pid))
            return fail(QStringLiteral("bootloader %1: VID/PID used twice").arg(i));
        bootloaders.append(id);
    }

    m_models = models;
    m_bootloaders = bootloaders;
    return true;
}

const CatalogueModel *DeviceCatalogue::findModel(const QString &modelName) const
{
    for (const CatalogueModel &model : m_models) {
        if (model.modelName == modelName)
            return &model;
    }
    return nullptr;
}

const CatalogueModel *DeviceCatalogue::match(quint16 vid, quint16 pid, Connection *connection) const
{
    for (const CatalogueModel &model : m_models) {
        if (model.vid != vid)
            continue;
        if (model.cablePid == pid || (model.receiverPid != 0 && model.receiverPid == pid)) {
            if (connection)
                *connection = model.cablePid == pid ? Cable : Receiver;
            return &model;
        }
    }
    return nullptr;
}

bool DeviceCatalogue::isBootloader(quint16 vid, quint16 pid) const
{
    for (const CatalogueUsbId &id : m_bootloaders) {
        if (id.vid == vid && id.pid == pid)
            return true;
    }
    return false;
}

QVector<QPair<quint16, quint16>> DeviceCatalogue::allUsbIds() const
{
    QVector<QPair<quint16, quint16>> ids;
    for (const CatalogueModel &model : m_models) {
        ids.append({model.vid, model.cablePid});
        if (model.receiverPid)
            ids.append({model.vid, model.receiverPid});
    }
    for (const CatalogueUsbId &id : m_bootloaders)
        ids.append({id.vid, id.pid});
    return ids;
}

QString DeviceCatalogue::hexId(quint16 id, bool upperCase)
{
    const QString text = QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0'));
    return upperCase ? text.toUpper() : text;
}
