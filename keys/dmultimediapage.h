#pragma once

#include "keys/dkeycodechoicepage.h"

namespace Ui {
class DMultimediaPage;
}

// The "Multimedia" function page: media, volume, application and brightness keys.
class DMultimediaPage : public DKeyCodeChoicePage
{
    Q_OBJECT

public:
    explicit DMultimediaPage(QWidget *parent = nullptr);
    ~DMultimediaPage() override;

protected:
    void retranslateForm() override;

private:
    Ui::DMultimediaPage *ui;
};
