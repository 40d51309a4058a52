#include "devicepage/dperformancepage.h"

DPerformancePage::DPerformancePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DPerformancePage"));
}
