#include "keyboardview/dvirtualkeyboardtool.h"

#include "app/ddatamanager.h"
#include "keyboardview/dsoftkeyboardpage.h"
#include "ui_dvirtualkeyboardtool.h"
#include "widgets/arrowwidget.h"
#include "widgets/readablecolour.h"

DVirtualKeyboardTool::DVirtualKeyboardTool(int mode, QWidget *parent)
    : QWidget(parent), ui(new Ui::DVirtualKeyboardTool)
{
    ui->setupUi(this);
    ui->label->setText(QObject::tr("Virtual Keyboard"));
    m_softKeyboard = new DSoftKeyboardPage(ui->frame_SoftKeyboard);
    m_softKeyboard->setMode(mode);
    connect(m_softKeyboard, &DSoftKeyboardPage::sigSoftKeyboardClicked, this,
            &DVirtualKeyboardTool::onSoftKeyboardClicked);
    m_softKeyboard->loadKeyboardInfo(QString::fromLatin1(kProductName));
    ui->frame_SoftKeyboard->layout()->addWidget(m_softKeyboard);
}

DVirtualKeyboardTool::~DVirtualKeyboardTool()
{
    delete ui;
}

void DVirtualKeyboardTool::retranslateTexts()
{
    ui->retranslateUi(this);
    ui->label->setText(QObject::tr("Virtual Keyboard"));
    m_softKeyboard->retranslateCaptions();
}

void DVirtualKeyboardTool::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColorInfo theme = dm->getThemeColorInfo();
    ui->frame_255->setStyleSheet(QStringLiteral("QFrame#frame_255{border:none; border-bottom: 2px solid rgb(%1);}")
                                     .arg(theme.DeviceBorderColor));
    QFont font = dm->getFont(1);
    font.setPointSize(12);
    ui->label->setFont(font);
    // The title lies on the pop-up's bubble, not on the page the accent colour is made for.
    const QColor title = ReadableColour::on(ArrowWidget::colorFromThemeText(theme.AllBgColor),
                                            ArrowWidget::colorFromThemeText(theme.TextCheckedColor),
                                            ReadableColour::kDrawnTextContrast);
    ui->label->setStyleSheet(QStringLiteral("QLabel#label{color: rgb(%1);}").arg(ReadableColour::sheetText(title)));
    m_softKeyboard->applyTheme();
}

void DVirtualKeyboardTool::setKeyHighlightEnabled(bool enabled)
{
    m_softKeyboard->setKeyHighlightEnabled(enabled);
}

void DVirtualKeyboardTool::highlightKey(int keyDec)
{
    m_softKeyboard->highlightKey(keyDec);
}

void DVirtualKeyboardTool::clearKeyHighlights()
{
    m_softKeyboard->clearKeyHighlights();
}

void DVirtualKeyboardTool::onSoftKeyboardClicked(int keyDec, const QString &)
{
    Q_EMIT sigSoftKeyboardClicked_VirtualKB(keyDec);
}
