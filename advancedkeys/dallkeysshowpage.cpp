#include "advancedkeys/dallkeysshowpage.h"
#include "platform/logcategories.h"

#include "advancedkeys/dallkeysitemkey.h"
#include "keyboardview/layoutjson.h"
#include "ui_dallkeysshowpage.h"
#include "widgets/flowlayout.h"

#include <QFile>

namespace {

constexpr int kApostropheKey = 52;

}  // namespace

DAllKeysShowPage::DAllKeysShowPage(QWidget *parent) : QWidget(parent), ui(new Ui::DAllKeysShowPage)
{
    ui->setupUi(this);
    ui->label_15->setText(QObject::tr("Key Combination"));
    ui->label_16->setText(QObject::tr("Normal Keys"));
    ui->label_17->setText(QObject::tr("Special Keys"));
    QWidget *areas[3] = {ui->widget_KeyCombination, ui->widget_NormalKeys, ui->widget_SpecialKeys};
    for (int i = 0; i < 3; ++i)
        m_groups[i] = new FlowLayout(areas[i], -1, -1, -1);
    loadKeyboardInfo();
}

DAllKeysShowPage::~DAllKeysShowPage()
{
    delete ui;
}

void DAllKeysShowPage::loadKeyboardInfo()
{
    QFile file(QStringLiteral(":/images/configDir/AllKeysInfo.config"));
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcKeys) << "The keyboard layout file cannot be read:";
        return;
    }
    parseKeyboardInfo(file.readAll());
}

void DAllKeysShowPage::parseKeyboardInfo(const QByteArray &text)
{
    const LayoutJson::Ptr root = LayoutJson::parseFirstValue(text);
    if (root) {
        for (int group = 1; group <= 3; ++group) {
            const cJSON *keys = cJSON_GetObjectItemCaseSensitive(root.get(), LayoutJson::rowName(group).constData());
            if (!cJSON_IsArray(keys))
                continue;
            const int count = cJSON_GetArraySize(keys);
            for (int i = 0; i < count; ++i) {
                const cJSON *entry = cJSON_GetArrayItem(keys, i);
                int code = 0;
                // An entry without a key code cannot be picked.
                if (!LayoutJson::intMember(entry, "Dec", &code))
                    continue;
                QString caption = LayoutJson::caption(cJSON_GetObjectItemCaseSensitive(entry, "Character"));
                // The apostrophe key's value is a lone double quote, which the caption rule removes.
                if (code == kApostropheKey)
                    caption = QStringLiteral("' \"");
                auto *button = new DAllKeysItemKey;
                connect(button, &QPushButton::clicked, this, &DAllKeysShowPage::onKeyButtonClicked);
                button->setMinimumSize(30, 30);
                button->setKeyInfo(code, caption);
                m_groups[group - 1]->addWidget(button);
                m_keysMap.insert(code, caption);
            }
        }
    }
    Q_EMIT sigAllKeysInfoAlreadyLoadedA();
}

void DAllKeysShowPage::onKeyButtonClicked()
{
    auto *button = qobject_cast<DAllKeysItemKey *>(sender());
    if (!button)
        return;
    Q_EMIT sigKeyListClicked(button->keyDec(), button->keyCharacter());
}
