#pragma once

#include "sdk/tavrixxmlfailure.h"

#include <QString>

#include <functional>

class QWidget;

// What a page does when the store file it needs cannot be read: a damaged file,
// or one the program may not read, is named to the user with the reason, once per file and run, with the choice to keep
// it as it is (the page stays empty) or to move it aside and start a new one; any other failure gives the text of a
// notice.
class StoreFileQuestion
{
public:
    enum Answer
    {
        Keep,
        MoveAside,
    };
    // Asks the user; text names the file. Replaceable so that tests answer
    // without a window.
    using Asker = std::function<Answer(QWidget *parent, const QString &text)>;
    static void setAsker(Asker asker);
    // Forgets which files were asked about (tests).
    static void reset();

    // After a store call on a file failed: true when the file was damaged or
    // unreadable and has been moved aside, so the caller may create a new one. Otherwise
    // *noticeText (when given) receives what to tell the user, empty when the
    // user has been asked already.
    static bool handle(QWidget *parent, const CTavrixXMLFailure &failure, QString *noticeText = nullptr);
};
