#pragma once

#include <QWidget>

namespace Ui {
class DSeniorKeysRecordExplainDia;
}

// Content of the advanced-keys editor's help pop-up; page 1 explains the two ways of picking
// a key (a single key or a key combination).
class DSeniorKeysRecordExplainDia : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysRecordExplainDia(int page, QWidget *parent = nullptr);
    ~DSeniorKeysRecordExplainDia() override;

private:
    Ui::DSeniorKeysRecordExplainDia *ui;
};
