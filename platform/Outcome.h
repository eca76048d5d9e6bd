#pragma once

#include <QString>

class QLoggingCategory;

// What became of a read or a write that can fail. Success says nothing more;
// a failure carries a sentence for people, shown first in the language in
// force, and a detail for the log and for whoever looks closer: the file
// format's own code ("Load PageFrame 0:0", "Stream Error 11.") or the
// system's reason ("No space left on device").
//
// The sentence is the English source text of a translation in the "QObject"
// context, marked where it is written with QT_TRANSLATE_NOOP("QObject", ...),
// so the log keeps the English one whatever the language of the window.
class [[nodiscard]] Outcome
{
public:
    // Success.
    Outcome() = default;
    static Outcome failure(const char *sentence, const QString &detail);

    bool ok() const { return m_sentence == nullptr; }
    explicit operator bool() const { return ok(); }

    // The sentence in the language in force (empty on success).
    QString sentence() const;
    QString englishSentence() const { return QString::fromUtf8(m_sentence); }
    QString detail() const { return m_detail; }

    // The same failure told in the words of the caller, who knows what was
    // being read or written: `sentence` instead, the detail kept. Success
    // stays success.
    Outcome told(const char *sentence) const;

    // What a person is shown: the sentence, then the detail on its own
    // lines (for details that name the file themselves).
    QString text() const;
    // What a person is shown: the sentence, then the message of a file that
    // cannot be read ("Cannot read file %1:\n%2.") or written with the path
    // and the detail.
    QString readMessage(const QString &path) const;
    QString writeMessage(const QString &path) const;

    // Notes a failure as a warning in `category`: what was done (`action`,
    // for example "read"), on which file, the English sentence and the
    // detail. Success is not noted. Returns the outcome itself.
    const Outcome &logged(const QLoggingCategory &category, const char *action, const QString &path) const;

private:
    const char *m_sentence = nullptr;
    QString m_detail;
};
