#include "keys/dkeywithtextpage.h"

#include "app/ddatamanager.h"
#include "keys/keyoperateinfo.h"
#include "keys/keyoperatetype.h"
#include "keys/keytextlimit.h"
#include "sdk/tavrixxml.h"
#include "ui_dkeywithtextpage.h"

#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

namespace {

// The scroll bar takes its sheet only once the text box has been laid out.
constexpr int kScrollSheetDelayMs = 200;

}  // namespace

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent) : DKeyFunctionPage(parent), ui(new Ui::DKeyWithTextPage)
{
    ui->setupUi(this);
    // Pasted HTML is taken as its plain text, like everything the box shows.
    ui->textEdit_keyText->setAcceptRichText(false);
    retranslateTexts();
}

DKeyWithTextPage::~DKeyWithTextPage()
{
    delete ui;
}

void DKeyWithTextPage::retranslateTexts()
{
    ui->retranslateUi(this);
    ui->label_8->setText(QObject::tr("Text"));
    ui->textEdit_keyText->setPlaceholderText(QObject::tr("Enter text ..."));
    ui->pushButton_OK->setText(QObject::tr("OK"));
    ui->pushButton_Cancel->setText(QObject::tr("Cancel"));
}

void DKeyWithTextPage::applyTheme()
{
    const ThemeColorInfo theme = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(QStringLiteral("QTextEdit{ background-color: rgb(%1); color: rgb(%2); font: 75 10pt \"%4\"; "
                                 "border: 1px solid rgb(%5); border-radius: 4px; }"
                                 "QTextEdit:hover{ border: 1px solid rgb(%3); }"
                                 "QTextEdit:pressed{ border: 1px solid rgb(%3); }")
                      .arg(theme.DeviceRightBgColor, theme.TextDefaultColor, theme.TextCheckedColor, theme.TextFont,
                           theme.DeviceBorderColor));
    m_scrollSheet
        = QStringLiteral("QScrollBar:vertical{ background: transparent; width: 4px; margin: 3px 0px 3px 0px; }"
                         "QScrollBar::handle:vertical{ background: rgb(%2); min-height: 20px; "
                         "border-radius: 2px; }"
                         "QScrollBar::handle:vertical:hover{ background: rgb(%3); }"
                         "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical{ height: 0px; }"
                         "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical{ "
                         "background: rgb(%1); border-radius: 3px; }")
              .arg(theme.AllScrollBgColor, theme.AllScrollBarColorDef, theme.AllScrollBarColorHover);
    ui->label_8->setStyleSheet(QStringLiteral(" QLabel{ color: rgb(%1); }\t").arg(theme.TextDefaultColor));
    const QFont font = themeFont(12);
    ui->label_8->setFont(font);
    for (QPushButton *button : {ui->pushButton_OK, ui->pushButton_Cancel}) {
        button->setStyleSheet(buttonSheet());
        button->setFont(font);
    }
    QTimer::singleShot(kScrollSheetDelayMs, this, &DKeyWithTextPage::onScrollSheetSet);
}

void DKeyWithTextPage::onScrollSheetSet()
{
    ui->textEdit_keyText->verticalScrollBar()->setStyleSheet(m_scrollSheet);
}

void DKeyWithTextPage::loadKeyInfo()
{
    DKeyFunctionPage::loadKeyInfo();
    ui->textEdit_keyText->clear();
    ui->textEdit_keyText->setFocus();

    KeyOperateInfo item = KeyOperateInfo::empty();
    CTavrixXML_SelectProFileKeyOperateInfo(m_profilePath, QByteArray::number(m_profileIndex),
                                           QByteArray::number(m_keyCode), &item);
    if (keyOperateNumber(item.keyDec) == -1 || keyOperateNumber(item.operateType) != KeyOperateType_Text)
        return;
    // Plain text: a stored text that looks like HTML stays exactly what it is.
    ui->textEdit_keyText->setPlainText(QString::fromUtf8(keyOperateField(item.value)));
    ui->textEdit_keyText->moveCursor(QTextCursor::End);
}

QString DKeyWithTextPage::boxText() const
{
    // The raw text, so that no-break spaces stay what they are; its positions
    // are the text cursor's.
    QString text = ui->textEdit_keyText->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    const QString text = boxText();
    if (KeyTextLimit::fits(text)) {
        m_currentText = text;
        return;
    }
    // Cut what was typed or pasted last, then put the cursor where the cut began.
    const KeyTextLimit fitted = KeyTextLimit::fit(text, ui->textEdit_keyText->textCursor().position());
    m_currentText = fitted.text;
    {
        const QSignalBlocker blocker(ui->textEdit_keyText);
        ui->textEdit_keyText->setPlainText(fitted.text);
    }
    QTextCursor cursor = ui->textEdit_keyText->textCursor();
    cursor.setPosition(fitted.cursor);
    ui->textEdit_keyText->setTextCursor(cursor);
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    if (m_currentText.isEmpty()) {
        emit sigCustomKeyInfoSaveFailed(KeyOperateType_Text, SaveFailure_Refused);
        return;
    }
    saveKeyItem(KeyOperateType_Text, "1", "1", m_currentText.toUtf8());
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
