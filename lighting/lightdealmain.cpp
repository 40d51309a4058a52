#include "lighting/lightdealmain.h"

lightDealMain::lightDealMain(QObject *parent) : QObject(parent)
{ }
