// The profile menu and the profile operations behind it, the layer switch and the
// reset of the current profile. The operations themselves are the profile
// controller's; the page keeps it pointed at the current layer file and profile,
// shows its notices and passes its requests to the current keyboard.
#include "app/ddatamanager.h"
#include "devicelink/ddevicekeyboardlink.h"
#include "devicepage/ddevicepage.h"
#include "devicepage/dprofilemenutoolwidget.h"
#include "devicepage/profilecontroller.h"
#include "keys/dcustomkeyspage.h"
#include "ui_ddevicepage.h"
#include "widgets/arrowwidget.h"
#include "widgets/cbnotice.h"

void DDevicePage::initProfileController()
{
    profiles = new ProfileController(this);
    profiles->setDesktopPath(desktopPath);
    profiles->setDialogParent(this);
    profiles->setLayerFileMaker([this] { return makeMissingLayerFiles(); });
    connect(profiles, &ProfileController::sigNotice, this, [this](const QString &text, int place) {
        notice->showMessageAt(text, place == ProfileController::AtCentre ? rect().center() : tipPosition());
    });
    connect(profiles, &ProfileController::sigProfileListChanged, this, &DDevicePage::loadProfileList);
    connect(profiles, &ProfileController::sigCurrentProfileChanged, this, &DDevicePage::onProfileSwitched);
    connect(profiles, &ProfileController::sigResetKeyboard, this, [this] {
        if (currentLink)
            currentLink->resetKeyboard();
    });
    connect(profiles, &ProfileController::sigAskSleepTime, this, [this] {
        if (currentLink)
            currentLink->checkSleepTime();
    });
    connect(profiles, &ProfileController::sigSendSleepTime, this, [this](int light, int keyboard, int prohibit) {
        if (currentLink)
            currentLink->setSleepTime(light, keyboard, prohibit);
    });
}

void DDevicePage::onProfileSwitched()
{
    profilePath = profiles->profilePath();
    currentLayer = profiles->currentLayer();
    loadProfileData();
}

void DDevicePage::on_pushButton_ProfileOperate_clicked()
{
    auto *menu = new DProfileMenuToolWidget(this);
    menu->setWindowOpacity(1.0);
    connect(menu, &DProfileMenuToolWidget::sigCloseMenuWidow, this, &DDevicePage::onCloseMenuWidow);
    connect(menu, &DProfileMenuToolWidget::sigProfileCreate, this, &DDevicePage::onProfileCreate);
    connect(menu, &DProfileMenuToolWidget::sigProfileDelete, this, &DDevicePage::onProfileDelete);
    connect(menu, &DProfileMenuToolWidget::sigProfileExport, this, &DDevicePage::onProfileExport);
    connect(menu, &DProfileMenuToolWidget::sigProfileImport, this, &DDevicePage::onProfileImport);
    connect(menu, &DProfileMenuToolWidget::sigProfileModifyName, this, &DDevicePage::onProfileModifyName);

    // A new pop-up on every click; the one before goes with it.
    if (arrowPopup && arrowPopup->findChild<DProfileMenuToolWidget *>())
        arrowPopup->deleteLater();
    auto *popup = new ArrowWidget(ArrowWidget::ArrowBottom, this);
    popup->setCenterWidget(menu);
    popup->setFixedSize(160, 180);
    popup->setArrowPosX(120);
    arrowPopup = popup;
    QPushButton *button = ui->pushButton_ProfileOperate;
    popup->popUpAt(button->mapToGlobal(QPoint(button->width() / 2, button->height() - 6)) - QPoint(127, 200));
}

void DDevicePage::onCloseMenuWidow()
{
    if (arrowPopup)
        arrowPopup->hide();
}

void DDevicePage::onProfileCreate()
{
    profiles->createProfile();
}

void DDevicePage::onProfileDelete()
{
    // A download reads the current profile until it ends.
    if (customKeysPage->isDownloading())
        return;
    profiles->deleteProfile();
}

void DDevicePage::onProfileExport()
{
    profiles->exportProfile();
}

void DDevicePage::onProfileImport()
{
    profiles->importProfile();
}

void DDevicePage::onProfileModifyName()
{
    QString name;
    if (!profiles->currentProfileName(&name))
        return;
    ui->lineEdit_profileName->setText(name);
    ui->stackedWidget_2->setCurrentWidget(ui->page_ModifyName);
    // Typing goes into the name at once, replacing it.
    ui->lineEdit_profileName->setFocus(Qt::OtherFocusReason);
    ui->lineEdit_profileName->selectAll();
}

void DDevicePage::on_pushButton_Save_clicked()
{
    // A refused name leaves the edit open.
    if (profiles->renameProfile(ui->lineEdit_profileName->text()))
        ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
}

void DDevicePage::on_pushButton_Cancel_clicked()
{
    ui->lineEdit_profileName->clear();
    ui->stackedWidget_2->setCurrentWidget(ui->page_ProfileList);
}

void DDevicePage::onRestoreCurrentProfile()
{
    if (customKeysPage->isDownloading())
        return;
    profiles->resetProfile();
}

void DDevicePage::onDefaultLayerAndFnLayerSwitch(int pageIndex)
{
    if (customKeysPage->isDownloading())
        return;
    if (!profiles->switchLayer(pageIndex))
        return;
    // The keys the keyboard reserves for itself cannot be given a function on the FN layer.
    if (currentLink)
        ProfileController::setKeysSelectable(currentLink->getCustomKeyList(), pageIndex == 0);
    DDataManager *dm = DDataManager::getInstance();
    if (dm->isMagneticKeyboard()) {
        customKeysPage->setPressModeSelectable(pageIndex);
        dm->setDefaultLayer(pageIndex == 0);
    }
}
