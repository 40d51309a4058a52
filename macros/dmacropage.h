#pragma once

#include "macros/macroeventitem.h"
#include "macros/macroeventmodel.h"

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>

class CbNotice;
class DMacroEventView;
class DMacroListView;
class QButtonGroup;
class QVBoxLayout;

namespace Ui {
class DMacroPage;
}

// The macro editor: the macro list, the recorder, the event list of the current
// macro and the panels that insert and change events. Everything it shows comes
// from the macro store and every change is written there at once; a change of
// the current macro's events is reported with sigMacroListHaveChanged.
class DMacroPage : public QDialog
{
    Q_OBJECT

public:
    explicit DMacroPage(QWidget *parent = nullptr);
    ~DMacroPage() override;

    void setMacroXmlPath(const QByteArray &path) { m_macroXmlPath = path; }
    QByteArray macroXmlPath() const { return m_macroXmlPath; }

    void loadMacroList();
    void clearMacroList();
    void clearEventRows();
    void insertEventRow(QString mark, int delay, QString type, int keyCode, QString codeName, QString operateExplain,
                        int position);
    int nextMarkBase();
    void notifyMacroListChanged();
    void toggleRecording();

    // Limits of an import, each refused with a notice before anything is stored.
    static constexpr qint64 kMaxImportFileBytes = 1024 * 1024;
    static constexpr int kMaxImportEvents = 1000;
    static constexpr int kMaxMacros = 1000;

    // Export and import without their file dialogs: the slots ask for the folder
    // or file, these do the work. Both report the outcome as a notice and return
    // true when the file or the new macro holds the macro.
    bool exportMacroTo(const QString &folder, const QString &strMacroIndex, const QString &strMacroName);
    bool importMacroFile(const QString &filePath);
    // Asked before an export replaces a file (true: replace); null: a question box.
    void setOverwriteQuestion(std::function<bool(const QString &filePath)> ask)
    {
        m_overwriteQuestion = std::move(ask);
    }

    // Millisecond clock used for recorded delays; replaceable for tests.
    void setTickSource(std::function<quint32()> tick) { m_tick = std::move(tick); }

    // State for owners and tests.
    QString currentMacroIndex() const { return curMacroIndex; }
    QString currentMacroName() const { return curMacroName; }
    bool isRecording() const { return m_isRecording; }
    int pressCountValue() const { return pressCount; }
    int totalDelayValue() const { return totalDelay; }
    DMacroListView *macroList() const { return m_macroList; }
    DMacroEventView *eventList() const { return m_eventList; }
    int eventCount() const;
    CbNotice *notice() const { return m_notice; }
    Ui::DMacroPage *form() const { return ui; }

Q_SIGNALS:
    void sigMacroPageClose();
    void sigMacroListHaveChanged(QString strMacroIndex, QString strMacroName);

public Q_SLOTS:
    void onLoadMacroList();
    void onMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void onScrollSheetSet();
    void onKeyboardReceiveStream(int keyCode, int scCode, int flag, int hookFlag);
    void onMouseReceiveStream(int nCode, quintptr wParam, qintptr lParam);

    void onModifyMacroItemNameIsEmpty();
    void onModifyMacroItemNameSuccess();
    void onDeleteMacro(QString strMacroIndex, QString strMacroName);
    void onKeyOrMouseEventClick(int row);
    void onDeleteKeyAndMouseEvent(int row);
    void onExportMacroChildList(QString strMacroIndex, QString strMacroName);

    void reject() override;

private Q_SLOTS:
    void on_pushButton_Close_clicked();
    void on_pushButton_Add_clicked();
    void on_pushButton_Import_clicked();
    void on_pushButton_ClearMacroLst_clicked();
    void on_pushButton_MoveUp_clicked();
    void on_pushButton_MoveDown_clicked();
    void on_pushButton_InsertMacro_clicked();
    void on_pushButton_ModifyMacro_clicked();
    void on_radioButton_Key_clicked();
    void on_radioButton_Mouse_clicked();
    void on_radioButton_KeyboardEvent_clicked();
    void on_radioButton_MouseEvent_clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyTheme();
    void setRecordLook(bool recording);
    void showNotice(const QString &text);
    void showTotalDelay();
    void setPanelsEnabled(bool enabled);
    static MacroEventModel::Event eventRow(const QString &mark, int delay, const QString &type, int keyCode,
                                           const QString &codeName, const QString &operateExplain);
    bool rewriteCurrentMacro();
    bool moveSelectedEvent(int step);
    bool storeActsOnAnother(int row) const;
    // Shows why a store call failed (the file and the reason) when ok is false.
    bool stored(bool ok);
    // Shows the current macro's events as the store holds them.
    void reloadCurrentMacro();
    void emptyEventList();

    void addKeyDownEvent(QString caption, int keyCode);
    void addKeyUpEvent();
    void addMouseDownEvent(QString caption, int message);
    void addMouseUpEvent(QString caption, int message);
    void addEventRow(QString mark, int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void saveRecording();
    void stampDelay(bool firstMayBeZero);

    Ui::DMacroPage *ui;
    QString dialogStartDir;
    QByteArray m_macroXmlPath;
    QVBoxLayout *macroListLayout = nullptr;
    MacroEventModel *m_events = nullptr;
    DMacroEventView *m_eventList = nullptr;
    CbNotice *m_notice = nullptr;
    QMap<int, QString> keyCaptionMap;
    QMap<int, int> vkToKeyCodeMap;
    DMacroListView *m_macroList = nullptr;
    bool m_isRecording = false;
    int lastDelay = 0;
    quint32 lastEventTick = 0;
    bool mouseCaptureSuppressed = false;
    int pressCount = 0;
    int totalDelay = 0;
    QString releaseCaption;
    int releaseKeyCode = -1;
    int releaseMark = -1;
    int markCounter = 0;
    QMap<int, int> pressedMarks;
    QList<MacroEventItem> recordedEvents;
    bool selectFirstOnReload = false;
    QString selectedMark;
    QString selectedOperateExplain;
    int selectedIsUp = -1;
    QString enteredKeyCaption;
    int enteredKeyCode = -1;
    QString curMacroIndex;
    QString curMacroName;
    QString scrollBarSheet;

    QButtonGroup *m_delayModeGroup = nullptr;
    bool m_closeAnnounced = false;
    std::function<quint32()> m_tick;
    std::function<bool(const QString &)> m_overwriteQuestion;
};
