#include "widgets/questiondialog.h"

#include "app/ddatamanager.h"
#include "app/themecolorinfo.h"
#include "widgets/arrowwidget.h"
#include "widgets/themeddialog.h"
#include "widgets/windowshape.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kRadius = 12;
constexpr int kTitleHeight = 40;
constexpr int kTextWidth = 340;  // long questions wrap instead of widening the window

}  // namespace

QuestionDialog::QuestionDialog(const QString &title, const QString &text, Escape escape, QWidget *parent)
    : QDialog(parent), m_escape(escape)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    WindowShape::followRoundedRect(this, kRadius);  // no black corners without a compositor
    setWindowTitle(title);
    setModal(true);

    m_title = new QLabel(title, this);
    m_title->setObjectName(QStringLiteral("label_Title"));
    m_title->setFixedHeight(kTitleHeight);
    m_text = new QLabel(text, this);
    m_text->setObjectName(QStringLiteral("label_Question"));
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(kTextWidth);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_yes = new QPushButton(QObject::tr("Yes"), this);
    m_no = new QPushButton(QObject::tr("No"), this);
    m_yes->setDefault(true);
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_yes);
    buttons->addWidget(m_no);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(24, 18, 24, 18);
    body->setSpacing(18);
    body->addWidget(m_text);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_title);
    layout->addLayout(body);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    applyTheme();
}

bool QuestionDialog::ask(QWidget *parent, const QString &title, const QString &text, Escape escape)
{
    QuestionDialog dialog(title, text, escape, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QuestionDialog::reject()
{
    if (m_escape == Escape::AnswersNo)
        QDialog::reject();
}

void QuestionDialog::applyTheme()
{
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    // Texts and buttons as in the themed message boxes; the window itself is
    // painted in paintEvent, rounded like the program's other dialogs.
    setStyleSheet(ThemedDialog::styleSheet(t)
                  + QStringLiteral("QuestionDialog{background:transparent;}"
                                   "QLabel#label_Title{color:rgb(%1); background:transparent; padding-left:16px;"
                                   " font-size:12pt; font-weight:bold;}")
                        .arg(t.TextCheckedColor));
    update();
}

void QuestionDialog::paintEvent(QPaintEvent *)
{
    // Body, title bar and the line under it; the window's shape is the rounded outline.
    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outline, kRadius, kRadius);
    painter.fillPath(shape, ArrowWidget::colorFromThemeText(t.SettingsBgColor));
    painter.save();
    painter.setClipPath(shape);
    painter.fillRect(QRect(0, 0, width(), kTitleHeight), ArrowWidget::colorFromThemeText(t.SettingsTitleColorStart));
    painter.fillRect(QRect(0, kTitleHeight - 3, width(), 3), ArrowWidget::colorFromThemeText(t.SettingsBorderColor));
    painter.restore();
    painter.setPen(QPen(ArrowWidget::colorFromThemeText(t.TextCheckedColor), 1));
    painter.drawPath(shape);
}
