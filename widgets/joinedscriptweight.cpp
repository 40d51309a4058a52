#include "widgets/joinedscriptweight.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>

namespace JoinedScriptWeight {
namespace {

// The thin weight the style sheets use, and the Normal weight standing in for it:
// 401 reads as Normal (401 / 8) and marks the place, so the way back is exact even
// when a page rebuilt its style sheet from the raised one meanwhile.
const QString kThin = QStringLiteral("75");
const QString kRaised = QStringLiteral("401");

QString replaceWeight(const QString &sheet, const QString &from, const QString &to)
{
    // "font: 75 12pt", "font:75 8pt" and "font-weight: 75;".
    const QRegularExpression weight(
        QStringLiteral("(font\\s*:\\s*)%1(?=\\s)|(font-weight\\s*:\\s*)%1(?=\\s*[;}])").arg(from));
    QString result;
    int last = 0;
    QRegularExpressionMatchIterator it = weight.globalMatch(sheet);
    if (!it.hasNext())
        return sheet;
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const int prefix = match.capturedLength(1) + match.capturedLength(2);
        result += sheet.midRef(last, match.capturedStart() - last);
        result += sheet.midRef(match.capturedStart(), prefix);
        result += to;
        last = match.capturedEnd();
    }
    result += sheet.midRef(last);
    return result;
}

void raiseWidget(QWidget *widget)
{
    const QString sheet = widget->styleSheet();
    if (sheet.isEmpty())
        return;
    const QString changed = raised(sheet);
    if (changed != sheet)
        widget->setStyleSheet(changed);  // no thin weight left: this ends here
}

void restoreWidget(QWidget *widget)
{
    const QString sheet = widget->styleSheet();
    const QString changed = restored(sheet);
    if (changed != sheet)
        widget->setStyleSheet(changed);
}

// Raises the style sheet of every widget that gets one, or is polished, while on.
class Watcher : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::StyleChange || type == QEvent::Polish) && watched->isWidgetType())
            raiseWidget(static_cast<QWidget *>(watched));
        return false;
    }
};

QPointer<Watcher> &watcher()
{
    static QPointer<Watcher> instance;
    return instance;
}

}  // namespace

QString raised(const QString &sheet)
{
    return replaceWeight(sheet, kThin, kRaised);
}

QString restored(const QString &sheet)
{
    return replaceWeight(sheet, kRaised, kThin);
}

void setActive(bool active)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (active == isActive() || !app)
        return;
    if (active) {
        watcher() = new Watcher;
        watcher()->setParent(app);
        app->installEventFilter(watcher());
        app->setStyleSheet(raised(app->styleSheet()));
        for (QWidget *widget : QApplication::allWidgets())
            raiseWidget(widget);
    } else {
        delete watcher();
        app->setStyleSheet(restored(app->styleSheet()));
        for (QWidget *widget : QApplication::allWidgets())
            restoreWidget(widget);
    }
}

bool isActive()
{
    return !watcher().isNull();
}

}  // namespace JoinedScriptWeight
