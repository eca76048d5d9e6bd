#pragma once

#include <QString>

class QWidget;

// The user's image editor, a separate program chosen once; the application
// keeps it in its settings ("/EditFileName").
class ExternalEditor
{
public:
    QString program() const { return m_program; }
    void setProgram(const QString &program) { m_program = program; }

    // Opens `fileName` in the editor; asks for the editor first when none is
    // chosen. An empty name, or a cancelled choice, does nothing.
    void edit(const QString &fileName, QWidget *parent);

    // Starts `program` with `fileName` as its one argument, detached: a name
    // with blanks or quotes reaches the editor as it is. Earlier editors stay
    // running. False when the program could not be started.
    static bool launch(const QString &program, const QString &fileName);

    // Asks for the editor program: executable files (programs and scripts on
    // Windows). Empty when cancelled.
    static QString chooseProgram(QWidget *parent);

private:
    QString m_program;
};
