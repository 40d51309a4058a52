#include "keyboardview/dsoftkeyboardpage.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "keyboardview/keylayoutfile.h"
#include "keyboardview/layoutjson.h"
#include "keyboardview/softkeyboardbutcustom.h"
#include "ui_dsoftkeyboardpage.h"

#include <QFile>

namespace {

// A key placed beyond this is a broken file, not a layout.
constexpr int kMaxCoordinate = KeyLayoutFile::kMaxCoordinate;

// Keys whose caption the page sets itself, whatever the file says (the files
// carry local code-page text for most of them).
QString replacedCaption(int keyDec)
{
    switch (keyDec) {
    case 52: return QStringLiteral("' \"");
    case 144: return QObject::tr("Korean/English");
    case 145: return QObject::tr("Chinese");
    case 137: return QObject::tr("K14");
    case 100: return QObject::tr("K45");
    case 135: return QObject::tr("K56");
    case 139: return QObject::tr("K131");
    case 138: return QObject::tr("K132");
    case 136: return QObject::tr("K133");
    default: return QString();
    }
}

// Further captions of layout 91.
QString layout91Caption(int keyDec)
{
    switch (keyDec) {
    case 47: return QStringLiteral("\u00b4 `");
    case 51: return QStringLiteral("\u00c7");
    case 52: return QStringLiteral("~^");
    default: return QString();
    }
}

}  // namespace

DSoftKeyboardPage::DSoftKeyboardPage(QWidget *parent) : QWidget(parent), ui(new Ui::DSoftKeyboardPage)
{
    ui->setupUi(this);
    // The keys sit where they sit on the keyboard, and read as printed on it.
    setLayoutDirection(Qt::LeftToRight);
    setFixedSize(kPageWidth, kPageHeight);
    applyTheme();
}

DSoftKeyboardPage::~DSoftKeyboardPage()
{
    delete ui;
}

void DSoftKeyboardPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
}

QString DSoftKeyboardPage::layoutFileName(int layoutCode)
{
    if (layoutCode == kUsLayoutCode)
        return QStringLiteral("softKeyInfoNormalUS.config");
    return QStringLiteral("softKeyInfoNormal_%1.config").arg(layoutCode);
}

void DSoftKeyboardPage::loadKeyboardInfo(const QString &productName)
{
    loadLayout(DDataManager::getInstance()->getKeyboardLayoutCode(productName));
}

bool DSoftKeyboardPage::loadLayout(int layoutCode)
{
    for (SoftKeyboardButCustom *key : qAsConst(m_keys))
        key->deleteLater();
    m_keys.clear();
    m_captions.clear();
    m_highlighted.clear();
    m_modifierCount = 0;
    m_layoutCode = layoutCode;

    QFile file(QStringLiteral(":/images/configDir/") + layoutFileName(layoutCode));
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcKeys) << "The soft keyboard layout file cannot be read:";
        return false;
    }
    return parseKeyboardInfo(file.readAll());
}

QString DSoftKeyboardPage::captionFor(int keyDec, const QString &fileCaption) const
{
    QString caption = replacedCaption(keyDec);
    if (caption.isEmpty())
        caption = fileCaption;
    if (m_layoutCode == 91) {
        const QString extra = layout91Caption(keyDec);
        if (!extra.isEmpty())
            caption = extra;
    }
    return caption;
}

bool DSoftKeyboardPage::parseKeyboardInfo(const QByteArray &text)
{
    const LayoutJson::Ptr root = LayoutJson::parseFirstValue(text);
    if (!root || !cJSON_IsObject(root.get()))
        return false;
    const QString source = layoutFileName(m_layoutCode);
    for (int row = 1; row <= 6; ++row) {
        const cJSON *array = cJSON_GetObjectItemCaseSensitive(root.get(), LayoutJson::rowName(row).constData());
        if (!cJSON_IsArray(array))
            continue;
        const cJSON *entry = nullptr;
        int place = 0;
        cJSON_ArrayForEach(entry, array)
        {
            int x = 0, y = 0, w = 0, h = 0, dec = 0, vk = 0;
            const bool complete = cJSON_IsObject(entry) && LayoutJson::intMember(entry, "PosX", &x)
                && LayoutJson::intMember(entry, "PosY", &y) && LayoutJson::intMember(entry, "Width", &w)
                && LayoutJson::intMember(entry, "Height", &h) && LayoutJson::intMember(entry, "Dec", &dec)
                && LayoutJson::intMember(entry, "qtDec", &vk);
            const bool placeable = x >= 0 && y >= 0 && w >= 0 && h >= 0 && x <= kMaxCoordinate && y <= kMaxCoordinate
                && w <= kMaxCoordinate && h <= kMaxCoordinate;
            if (!complete || !placeable) {
                // The other keys are still usable; this one is left out.
                qCDebug(lcKeys) << "Soft keyboard layout" << source << "row" << row << "entry" << place << "skipped";
                ++place;
                continue;
            }
            const QString caption
                = captionFor(dec, LayoutJson::caption(cJSON_GetObjectItemCaseSensitive(entry, "Character")));
            auto *key = new SoftKeyboardButCustom(0, this);
            key->setButtonSize(w, h);
            key->setGeometry(x, y, w, h);
            key->setKeyInfo(dec, caption);
            m_captions.insert(dec, caption);
            m_vkToKey.insert(vk, dec);
            if (SoftKeyboardButCustom *earlier = m_keys.value(dec))
                earlier->deleteLater();  // a key code shown twice keeps its last place
            m_keys.insert(dec, key);
            connect(key, &QAbstractButton::clicked, this, &DSoftKeyboardPage::onKeyButtonClicked);
            key->show();
            ++place;
        }
    }
    m_captions.insert(-10, QStringLiteral("Fn"));
    for (SoftKeyboardButCustom *key : qAsConst(m_keys))
        key->setThemeColors(m_textColor, m_highlightColor, m_keyColor);

    DDataManager *dm = DDataManager::getInstance();
    dm->setKeyCharMap(m_captions);
    dm->setVkToHidMap(m_vkToKey);
    Q_EMIT sigSoftKeyboardAlreadyLoad();
    return true;
}

void DSoftKeyboardPage::retranslateCaptions()
{
    bool changed = false;
    for (auto it = m_keys.constBegin(); it != m_keys.constEnd(); ++it) {
        const QString caption = replacedCaption(it.key());
        if (caption.isEmpty() || caption == m_captions.value(it.key()))
            continue;
        it.value()->setKeyInfo(it.key(), caption);
        m_captions.insert(it.key(), caption);
        changed = true;
    }
    if (changed)
        DDataManager::getInstance()->setKeyCharMap(m_captions);
}

bool DSoftKeyboardPage::isModifier(int keyDec)
{
    return keyDec >= 224 && keyDec <= 231;
}

void DSoftKeyboardPage::onKeyButtonClicked()
{
    auto *key = qobject_cast<SoftKeyboardButCustom *>(sender());
    if (!key)
        return;
    if (m_mode == 1 && m_highlightEnabled) {
        bool admitted = true;
        if (isModifier(key->keyDec())) {
            ++m_modifierCount;
            // A combination holds at most two modifiers.
            if (m_modifierCount > 2) {
                --m_modifierCount;
                admitted = false;
            }
        }
        if (admitted) {
            key->setRestoreOnLeave(false);
            key->setKeyState(1);
            m_highlighted.append(key);
        }
    }
    Q_EMIT sigSoftKeyboardClicked(key->keyDec(), m_captions.value(key->keyDec()));
}

void DSoftKeyboardPage::highlightKey(int keyDec)
{
    if (m_mode != 1 || !m_highlightEnabled)
        return;
    SoftKeyboardButCustom *key = m_keys.value(keyDec);
    if (!key || m_highlighted.contains(key))
        return;
    key->setRestoreOnLeave(true);
    key->setKeyState(0);
    m_highlighted.append(key);
}

void DSoftKeyboardPage::clearKeyHighlights()
{
    for (SoftKeyboardButCustom *key : qAsConst(m_highlighted)) {
        key->setRestoreOnLeave(true);
        key->setKeyState(0);
    }
    m_highlighted.clear();
    m_modifierCount = 0;
}

void DSoftKeyboardPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    m_highlightColor = theme.TextCheckedColor;
    m_textColor = theme.DeviceSoftkeyboardButDefaultTextColor;
    m_keyColor = theme.DeviceSoftkeyboardButColor;
    for (SoftKeyboardButCustom *key : qAsConst(m_keys))
        key->setThemeColors(m_textColor, m_highlightColor, m_keyColor);
}
