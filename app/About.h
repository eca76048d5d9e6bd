#pragma once

#include <QDialog>

// The About box: the splash picture beside the program's name, version, web
// page and support address. Russian speakers are sent to the Russian pages.
class About : public QDialog
{
    Q_OBJECT
public:
    About(const QString &language, QWidget *parent);

    // The rich text shown beside the picture.
    static QString text(const QString &language);
};
