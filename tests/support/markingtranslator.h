#pragma once

#include <QTranslator>

// Marks every text it translates (pattern's %1 is the source text), so a test sees
// which texts a language change reached. An empty context marks every context.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(QString pattern = QStringLiteral("~%1"), QByteArray context = "QObject")
        : m_pattern(std::move(pattern)), m_context(std::move(context))
    { }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (!m_context.isEmpty() && m_context != context)
            return QString();
        return m_pattern.arg(QString::fromUtf8(source));
    }

private:
    QString m_pattern;
    QByteArray m_context;
};
