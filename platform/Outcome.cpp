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

namespace {

// The sentence, then the file message with the detail, whose own full stop
// (as in "Stream Error 10.") is not doubled.
QString fileMessage(const QString &sentence, const char *message, const QString &path, QString detail)
{
    if (detail.endsWith(QLatin1Char('.')))
        detail.chop(1);
    return sentence + QStringLiteral("\n\n")
           + QCoreApplication::translate("QObject", message).arg(QDir::toNativeSeparators(path), detail);
}

} // namespace

QString Outcome::readMessage(const QString &path) const
{
    return fileMessage(sentence(), "Cannot read file %1:\n%2.", path, m_detail);
}

QString Outcome::writeMessage(const QString &path) const
{
    return fileMessage(sentence(), "Cannot write file %1:\n%2.", path, m_detail);
}

const Outcome &Outcome::logged(const QLoggingCategory &category, const char *action, const QString &path) const
{
    if (!ok())
        qCWarning(category).nospace() << action << ' ' << path << ": " << m_sentence << " (" << m_detail << ')';
    return *this;
}
