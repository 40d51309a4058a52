#pragma once

#include "advancedkeys/seniorkeyinfo.h"
#include "widgets/arrowwidget.h"

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <QStringList>

namespace Ui {
class DSeniorKeysPage;
}
class CbNotice;
class DAllKeysShowPage;
class DDksShowWidget;
class DSeniorKeyEventListItem;
class QButtonGroup;
class QToolButton;

// The advanced-keys editor: creates, edits and deletes the advanced keys of the advanced-key
// file. Every edit is written at once; closing tells the key assignment when keys were
// created or deleted. Built anew on every opening and deleted when it closes.
class DSeniorKeysPage : public QDialog
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget *parent = nullptr);
    ~DSeniorKeysPage() override;

    void reject() override;

    // For the owner's checks: the record shown, whether one is selected, the stored copies.
    SeniorKeyInfo currentRecord() const { return m_current; }
    bool hasSelection() const { return !m_selectedRow.isNull(); }
    DSeniorKeyEventListItem *selectedRow() const;
    QMap<int, SeniorKeyInfo> records() const { return m_records; }
    DDksShowWidget *grid() const { return m_grid; }
    DAllKeysShowPage *picker() const { return m_picker; }
    CbNotice *notice() const { return m_notice; }
    DSeniorKeyEventListItem *row(int bindingIndex) const { return m_rows.value(bindingIndex); }
    ArrowWidget *explainPopup() const { return m_explainPopup; }

    void loadSeniorKeyList();
    void selectSeniorKey(int id);
    QString keyCaption(const QString &keyString) const;

public Q_SLOTS:
    void onScrollSheetSet();
    void onLoadDksPage();
    void onDksPageMouseMovePointXY(int posX, int posY);
    void onTheSeniorKeyInfoStuNeedUpdate_DKS();
    void onOperateTypeChanged(int index);
    void onSksSelKeyChanged(int index);
    void onMtSelKeyChanged(int index);
    void onAllKeysInfoAlreadyLoaded();
    void onKeyListClicked(int keyDec, QString keyCharacter);
    void onDeleteSeniorKeyEventItem(int keyType, int bindingIndex);
    void onSeniorKeyEventItemClick(int bindingIndex);
    void onSliderHoldDurationValue(int HoldDurationValue);
    void onSliderHoldDurationReleased();
    void onLinkActivated_Stroke01(QString str);
    void onLinkActivated_Stroke04(QString str);
    void onTheStrokeConfigViewClose();
    void onTheDKSStrokeStuChanged();
    void on_pushButton_Close_clicked();
    void on_pushButton_NewCreate_clicked();

Q_SIGNALS:
    void sigSeniorKeysPageClose();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Shows why the last store call failed: the file and the reason.
    void showStoreFailure();
    void nameKeySlots();
    void applyTheme();
    void clearEventList();
    void showSeniorKeyInfo(const SeniorKeyInfo &info);
    void showStrokeCaptions(const SeniorKeyInfo &info);
    QString linkCaption(const QString &text) const;
    void showExplainPopup();
    void openStrokeConfigView();
    void addCombinationKey(int keyCode);
    void appendCombinationPart(const QString &part);
    void saveCombinationKey();
    // Puts a key string into the current slot of the current record.
    void putIntoCurrentSlot(const QByteArray &keyString);
    void writeCurrentRecord(const char *what);
    void closeRoutine();

    Ui::DSeniorKeysPage *ui;
    CbNotice *m_notice = nullptr;
    QString m_scrollSheet;
    QString m_accent;
    QString m_fontFamily;
    bool m_changed = false;
    bool m_closing = false;
    QByteArray m_path;
    DDksShowWidget *m_grid = nullptr;
    DAllKeysShowPage *m_picker = nullptr;
    QToolButton *m_slotButton = nullptr;
    int m_currentSlot = 1;
    int m_hoveredSlot = -1;
    SeniorKeyInfo m_current;
    int m_newType = SeniorKeyType_DKS;
    QMap<int, SeniorKeyInfo> m_records;
    QMap<int, DSeniorKeyEventListItem *> m_rows;
    QMap<int, QString> m_keyNames;
    QPointer<DSeniorKeyEventListItem> m_selectedRow;
    bool m_comboActive = false;
    QStringList m_comboParts;
    int m_comboPartCount = 0;
    int m_comboMask = 0;
    int m_comboKey = 0;
    QPointer<ArrowWidget> m_explainPopup;
    QPointer<QWidget> m_dimmingLayer;
    QButtonGroup *m_typeGroup = nullptr;
    QButtonGroup *m_dksSlots = nullptr;
    QButtonGroup *m_mtSlots = nullptr;
};
