#include "keys/dcustomkeyspage.h"

#include "app/ddatamanager.h"

DCustomKeysPage::DCustomKeysPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DCustomKeysPage"));
}

void DCustomKeysPage::resetPage(int layer)
{
    m_layer = layer;
    DDataManager::getInstance()->clearClickedKey();
}
