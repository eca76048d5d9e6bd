#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTextBrowser;

// The help window: a small browser on the HTML pages of the program, one
// folder per language ("Help_en", "Help_ru") beside the executable or, for an
// installed program, in ../share/velmora. A page missing from a language's
// folder is shown from the English one. Not modal; the main window creates it
// once and only changes its page afterwards.
class Help : public QDialog
{
    Q_OBJECT
public:
    explicit Help(const QString &applicationDir, QWidget *parent = nullptr);

    // Shows `page` ("20.htm", "20.htm#crop") in `language`, read afresh from
    // disk. A page found in no folder leaves the browser empty.
    void setPage(const QString &language, const QString &page);
    // After a language switch: new texts, and the page shown is shown again
    // in `language`.
    void retranslate(const QString &language);

    // The folders searched for a page of `language`, in order: that
    // language's folders, then the English ones. Only folders that exist.
    static QStringList searchPaths(const QString &applicationDir, const QString &language);

    // The size the window opens at: room for the pages' pictures (800
    // pixels wide) and a good part of a page's height, within `available`.
    static QSize openingSize(const QRect &available);

protected:
    // Pictures are fitted again whenever the browser's width changes.
    bool eventFilter(QObject *watched, QEvent *event) override;

public Q_SLOTS:
    void index();

private:
    // Pictures wider than the browser are shown scaled to its width (and
    // back at their own size when there is room), so a page never scrolls
    // sideways.
    void fitPictures();

    QString m_applicationDir;
    QString m_language;
    QPushButton *backButton = nullptr;
    QPushButton *contentsButton = nullptr;
    QPushButton *forwardButton = nullptr;
    QTextBrowser *browser = nullptr;
};
