#pragma once

#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;

// What the key tip shows for one key.
struct CustomEventTipInfo
{
    QString keyName;
    QString functionName;
    QString functionDetail;
    bool canRemap = true;  // false for a key that cannot be remapped
};

// Three-line tip of a key of the keyboard picture: its caption, the kind of
// function assigned to it and what exactly that function does.
class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDetailWidth = 215;

    explicit DCustomEventTipExplain(QWidget *parent = nullptr);

    void setInfo(CustomEventTipInfo info);
    void setHighlighted(bool highlighted);
    static QString elideToWidth(QString text, QFont font, int width);

    QLabel *keyNameLabel() const { return m_keyName; }
    QLabel *functionNameLabel() const { return m_functionName; }
    QLabel *detailLabel() const { return m_detail; }

private:
    QLabel *m_keyName = nullptr;
    QLabel *m_functionName = nullptr;
    QLabel *m_detail = nullptr;
};
