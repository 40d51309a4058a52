#pragma once

#include <QByteArray>
#include <QPair>
#include <QString>
#include <QVector>

// One keyboard model the application supports.
struct CatalogueModel
{
    QString modelName;    // also names the model's layout file and picture
    QString productName;  // "Quorin QR108"
    QString secondName;   // second display name
    QString kind;         // "keyboard"
    quint16 vid = 0;
    quint16 cablePid = 0;
    quint16 receiverPid = 0;  // 0: the model has no 2.4 GHz receiver
    int keyCount = 0;
    int hidDeviceType = 0;  // device type of the model's layout file
    bool sideLights = false;
    bool magnetic = false;
    QString firmwarePath;  // "bootloader" or "chipVendor"
};

// A USB identity that is not a keyboard model but must still be reachable
// (firmware update modes).
struct CatalogueUsbId
{
    QString name;
    quint16 vid = 0;
    quint16 pid = 0;
};

// The device catalogue: the supported models and their USB identities, read
// from a JSON document. The application, the keyboard emulator and the tests
// all read the same resource through this class.
class DeviceCatalogue
{
public:
    enum Connection
    {
        Cable = 0,
        Receiver = 1
    };

    static constexpr const char *kResourcePath = ":/images/configDir/deviceCatalogue.json";

    // The catalogue of the built-in resource, read once. Empty (and logged)
    // when the resource is missing or does not parse.
    static const DeviceCatalogue &instance();

    // Replaces the contents with the document; on failure the catalogue is
    // left empty and error (when given) says why.
    bool loadJson(const QByteArray &json, QString *error = nullptr);
    bool loadFile(const QString &path, QString *error = nullptr);

    bool isEmpty() const { return m_models.isEmpty(); }
    const QVector<CatalogueModel> &models() const { return m_models; }
    const QVector<CatalogueUsbId> &bootloaders() const { return m_bootloaders; }

    const CatalogueModel *findModel(const QString &modelName) const;
    // The model one of whose interfaces has this VID/PID; connection (when
    // given) tells which interface. Null when the catalogue does not know it.
    const CatalogueModel *match(quint16 vid, quint16 pid, Connection *connection = nullptr) const;
    bool isBootloader(quint16 vid, quint16 pid) const;

    // Every VID/PID pair the catalogue names: models' interfaces, then bootloaders.
    QVector<QPair<quint16, quint16>> allUsbIds() const;

    // "1209" style text of a 16-bit id.
    static QString hexId(quint16 id, bool upperCase = true);

private:
    QVector<CatalogueModel> m_models;
    QVector<CatalogueUsbId> m_bootloaders;
};
