#include "advancedkeys/dstrokeconfigview.h"
#include "platform/logcategories.h"

#include "app/ddatamanager.h"
#include "sdk/tavrixxml.h"
#include "ui_dstrokeconfigview.h"
#include "widgets/windowshape.h"

#include <QCloseEvent>

namespace {

constexpr int kMinDepth = 1;   // 0.1 mm
constexpr int kMaxDepth = 36;  // 3.6 mm

QString millimetres(int tenths)
{
    return QString::number(tenths / 10.0, 'f', 1) + QStringLiteral("mm");
}

}  // namespace

DStrokeConfigView::DStrokeConfigView(QWidget *parent) : QWidget(parent), ui(new Ui::DStrokeConfigView)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    WindowShape::followRoundedRect(this, 12);  // no black corners without a compositor
    setFixedSize(460, 150);
    ui->label->setText(QObject::tr("Trigger points for DKS actions"));
    ui->pushButton_Close->setAccessibleName(tr("Close"));
    setWindowTitle(ui->label->text());
    ui->horizontalSlider_StrokeView->setAccessibleName(ui->label->text());

    ui->horizontalSlider_StrokeView->setRange(kMinDepth, kMaxDepth);
    ui->horizontalSlider_StrokeView->setValue(kMinDepth);
    ui->horizontalSlider_StrokeView->setHandleMargins(10, 4);
    connect(ui->horizontalSlider_StrokeView, &QSlider::valueChanged, this, &DStrokeConfigView::onSliderStrokeViewValue);
    connect(ui->horizontalSlider_StrokeView, &QSlider::sliderReleased, this,
            &DStrokeConfigView::onSliderStrokeViewReleased);
    connect(ui->horizontalSlider_StrokeView, &QSlider::sliderPressed, this,
            &DStrokeConfigView::onSliderStrokeViewPressed);
    ui->label_StrokeView->setText(QStringLiteral("1.0mm"));

    const ThemeColorInfo t = DDataManager::getInstance()->getThemeColorInfo();
    setStyleSheet(QStringLiteral("QLabel{ color: rgb(%1); }").arg(t.TextDefaultColor));
    ui->frame_Title->setStyleSheet(QStringLiteral("QFrame#frame_Title{background-color:rgb(%1);border:none;"
                                                  "border-bottom:3px solid rgb(%2);border-top-left-radius:12px;"
                                                  "border-top-right-radius:12px;}"
                                                  "QLabel#label_Title{color:rgb(%3);}")
                                       .arg(t.SettingsTitleColorStart, t.MacroBorderColor, t.TextCheckedColor));
    ui->frame_Bg666->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg666{border:1px solid rgb(%1);background-color:rgb(%2);border-radius:12px;}")
            .arg(t.TextCheckedColor, t.SettingsTitleColorStart));
    ui->horizontalSlider_StrokeView->setStyleSheet(
        QStringLiteral("QSlider::groove:horizontal{height:6px;border-radius:3px;background:rgb(%1);}"
                       "QSlider::handle:horizontal{width:16px;height:16px;margin-top:-5px;margin-bottom:-5px;"
                       "border-image:url(:/images/DKS/slider.png);}"
                       "QSlider::sub-page:horizontal{background:rgb(%2);border-radius:3px;}")
            .arg(t.DeviceBorderColor, t.TextCheckedColor));
    QFont font = DDataManager::getInstance()->getFont(1);
    font.setPointSize(12);
    ui->label->setFont(font);
    ui->label_StrokeView->setFont(font);
}

DStrokeConfigView::~DStrokeConfigView()
{
    delete ui;
}

void DStrokeConfigView::setStuInfo(SeniorKeyInfo info)
{
    m_info = info;
    ui->horizontalSlider_StrokeView->setValue(info.strokes[0]);
    ui->label_StrokeView->setText(millimetres(ui->horizontalSlider_StrokeView->value()));
}

void DStrokeConfigView::onSliderStrokeViewValue(int Value)
{
    ui->label_StrokeView->setText(millimetres(Value));
}

void DStrokeConfigView::onSliderStrokeViewPressed()
{
    qCDebug(lcKeys) << "Travel slider pressed";
}

void DStrokeConfigView::onSliderStrokeViewReleased()
{
    qCDebug(lcKeys) << "Travel slider released";
    const int depth = ui->horizontalSlider_StrokeView->value();
    const QByteArray path = DDataManager::getInstance()->getSeniorKeyXmlPath();
    // The press point and the release end move together.
    m_info.strokes[0] = depth;
    m_info.strokes[3] = depth;
    if (CTavrixXML_SeniorKey_ModifyInfoItem(path, m_info.keyType, m_info))
        Q_EMIT sigTheDKSStrokeStuChanged();
}

void DStrokeConfigView::on_pushButton_Close_clicked()
{
    close();
}

void DStrokeConfigView::closeEvent(QCloseEvent *event)
{
    qCDebug(lcKeys) << "The travel view closes";
    event->accept();
    // However the view is closed (its button, the window manager, Escape), the
    // editor under it takes away the layer that dims it.
    Q_EMIT sigTheStrokeConfigViewClose();
}
