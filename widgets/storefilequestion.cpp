#include "widgets/storefilequestion.h"
#include "widgets/themeddialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>

namespace {

StoreFileQuestion::Answer askWithBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("StoreFileQuestion", "Tip"), text,
                    QMessageBox::NoButton, parent);
    ThemedDialog::apply(&box);
    QPushButton *moveAside = box.addButton(
        QCoreApplication::translate("StoreFileQuestion", "Move aside and start anew"), QMessageBox::DestructiveRole);
    QPushButton *keep
        = box.addButton(QCoreApplication::translate("StoreFileQuestion", "Keep it"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    return box.clickedButton() == moveAside ? StoreFileQuestion::MoveAside : StoreFileQuestion::Keep;
}

StoreFileQuestion::Asker &asker()
{
    static StoreFileQuestion::Asker current = askWithBox;
    return current;
}

QSet<QByteArray> &askedFiles()
{
    static QSet<QByteArray> files;
    return files;
}

}  // namespace

void StoreFileQuestion::setAsker(Asker replacement)
{
    asker() = replacement ? std::move(replacement) : Asker(askWithBox);
}

void StoreFileQuestion::reset()
{
    askedFiles().clear();
}

bool StoreFileQuestion::handle(QWidget *parent, const CTavrixXMLFailure &failure, QString *noticeText)
{
    if (noticeText)
        noticeText->clear();
    // A file that cannot be read shows as little as a damaged one: both are asked
    // about, not passed over with a notice that fades.
    if (!CTavrixXML_IsDamaged(failure.kind) && failure.kind != CTavrixXMLFailureKind::CannotOpen) {
        if (noticeText)
            *noticeText = CTavrixXML_FailureText(failure);
        return false;
    }
    // Asked once: a user who keeps the file is not asked at every page load.
    if (askedFiles().contains(failure.path))
        return false;
    askedFiles().insert(failure.path);
    const QString text
        = QCoreApplication::translate("StoreFileQuestion",
                                      "%1.\nIts content cannot be shown. Keep the file as it is (the page stays "
                                      "empty), or move it aside with the date in its name and start a new one?")
              .arg(CTavrixXML_FailureText(failure));
    if (asker()(parent, text) != MoveAside)
        return false;
    QByteArray movedTo;
    if (!CTavrixXML_MoveDamagedAside(failure.path, &movedTo)) {
        if (noticeText)
            *noticeText = QCoreApplication::translate("StoreFileQuestion", "The file %1 cannot be moved aside")
                              .arg(QDir::toNativeSeparators(QFile::decodeName(failure.path)));
        return false;
    }
    return true;
}
