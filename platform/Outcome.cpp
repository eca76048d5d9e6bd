#include "platform/Outcome.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

Outcome Outcome::failure(const char *sentence, const QString &detail)
{
    Q_ASSERT(sentence);
    Outcome o;
    o.m_sentence = sentence;
    o.m_detail = detail;
    return o;
}

QString Outcome::sentence() const
{
    return ok() ? QString() : QCoreApplication::translate("QObject", m_sentence);
}

Outcome Outcome::told(const char *sentence) const
{
    return ok() ? *this : failure(sentence, m_detail);
}

QString Outcome::text() const
{
    return m_detail.isEmpty() ? sentence() : sentence() + QStringLiteral("\n\n") + m_detail;
}

QString Outcome::readMessage(const QString &path) const
{
    return sentence() + QStringLiteral("\n\n")
           + QCoreApplication::translate("QObject", "Cannot read file %1:\n%2.")
                 .arg(QDir::toNativeSeparators(path), m_detail);
}

QString Outcome::writeMessage(const QString &path) const
{
    return sentence() + QStringLiteral("\n\n")
           + QCoreApplication::translate("QObject", "Cannot write file %1:\n%2.")
                 .arg(QDir::toNativeSeparators(path), m_detail);
}

const Outcome &Outcome::logged(const QLoggingCategory &category, const char *action, const QString &path) const
{
    if (!ok())
        qCWarning(category).nospace() << action << ' ' << path << ": " << m_sentence << " (" << m_detail << ')';
    return *this;
}
