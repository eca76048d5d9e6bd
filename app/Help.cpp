#include "app/Help.h"

#include "app/Shell.h"
#include "app/AppLog.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString english = QStringLiteral("en");

// Whether one of the folders `paths` holds the page of the relative URL
// `page` ("20.htm#crop": the fragment aside).
bool pageExists(const QStringList &paths, const QUrl &page)
{
    const QString file = page.path();
    if (file.isEmpty())
        return false;
    for (const QString &dir : paths) {
        if (QFileInfo(QDir(dir).filePath(file)).isFile())
            return true;
    }
    return false;
}

} // namespace

Help::Help(const QString &applicationDir, QWidget *parent)
    : QDialog(parent, Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint), m_applicationDir(applicationDir)
{
    qCDebug(lcApp) << "Help ->" << applicationDir;
    setWindowTitle(QCoreApplication::applicationName());
    setModal(false);

    backButton = new QPushButton(QStringLiteral("<<"), this);
    contentsButton = new QPushButton(QObject::tr("Contents"), this);
    forwardButton = new QPushButton(QStringLiteral(">>"), this);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(true);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(0);
    buttons->addWidget(backButton);
    buttons->addWidget(contentsButton);
    buttons->addWidget(forwardButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(browser);

    connect(backButton, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(contentsButton, &QPushButton::clicked, this, &Help::index);
    connect(browser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::sourceChanged, this, &Help::fitPictures);
    browser->viewport()->installEventFilter(this);
    const QScreen *s = screen();
    resize(s ? openingSize(s->availableGeometry()) : QSize(640, 480));
}

QSize Help::openingSize(const QRect &available)
{
    // Beside the pictures: the page's margins, a scroll bar and the frame.
    const QSize wanted(800 + 60, available.height() * 17 / 20);
    return wanted.boundedTo(available.size() - QSize(16, 48)).expandedTo(QSize(320, 240));
}

bool Help::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == browser->viewport() && event->type() == QEvent::Resize)
        fitPictures();
    return QDialog::eventFilter(watched, event);
}

void Help::fitPictures()
{
    QTextDocument *doc = browser->document();
    // The browser draws a picture's pixels as those of a 96-dpi screen.
    const qreal dpiScale = browser->viewport()->logicalDpiX() / 96.0;
    const int room = int((browser->viewport()->width() - 2 * doc->documentMargin() - 2) / dpiScale);
    if (room <= 0)
        return;
    struct Picture
    {
        int from, length;
        QTextImageFormat format;
    };
    QVector<Picture> pictures;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QVariant data = doc->resource(QTextDocument::ImageResource, QUrl(format.name()));
            QSize natural = data.value<QImage>().size();
            if (natural.isEmpty())
                natural = data.value<QPixmap>().size();
            if (natural.isEmpty())
                natural = QImage::fromData(data.toByteArray()).size();
            if (natural.isEmpty())
                continue;
            const int width = qMin(natural.width(), room);
            const int height = natural.height() * width / natural.width();
            if (qRound(format.width()) == width && qRound(format.height()) == height)
                continue;
            format.setWidth(width);
            format.setHeight(height);
            pictures.append({fragment.position(), fragment.length(), format});
        }
    }
    for (const Picture &p : qAsConst(pictures)) {
        QTextCursor cursor(doc);
        cursor.setPosition(p.from);
        cursor.setPosition(p.from + p.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(p.format);
    }
}

QStringList Help::searchPaths(const QString &applicationDir, const QString &language)
{
    QStringList paths;
    const QStringList languages = language == english || language.isEmpty() ? QStringList{english}
                                                                             : QStringList{language, english};
    // Each language's folder lies beside the program (the build tree, a
    // copied folder) or in ../share/velmora (installed), as the translations.
    for (const QString &lang : languages) {
        const QString dir = Shell::dataFolder(applicationDir, QStringLiteral("Help_") + lang);
        if (QFileInfo(dir).isDir())
            paths << dir;
    }
    return paths;
}

void Help::setPage(const QString &language, const QString &page)
{
    m_language = language;
    // Pages are opened by their relative names, so every link and picture
    // is looked up in the search folders too: a page or a picture missing in
    // one language comes from the English pages.
    browser->setSearchPaths(searchPaths(m_applicationDir, language));
    const QUrl url(page);
    if (!pageExists(browser->searchPaths(), url)) {
        qCDebug(lcApp) << "no help page" << page << "for" << language;
        browser->clear();
        return;
    }
    if (browser->source() == url)
        browser->reload();
    else
        browser->setSource(url);
    fitPictures();
}

void Help::retranslate(const QString &language)
{
    contentsButton->setText(QObject::tr("Contents"));
    const QUrl shown = browser->source();
    if (!shown.isEmpty())
        setPage(language, shown.toString());
}

void Help::index() { setPage(m_language, QStringLiteral("index.htm")); }
