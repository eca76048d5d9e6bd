#include "app/About.h"

#include "platform/Program.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

struct Addresses
{
    QString web;
    QString support; // mail address, also the link's text
};

Addresses addressesFor(const QString &language)
{
    const QString support = QStringLiteral("support@velmora.example.org");
    if (language == QLatin1String("ru"))
        return {QStringLiteral("https://velmora.example.org/ru/"), support};
    return {QStringLiteral("https://velmora.example.org"), support};
}

QString linkRow(const QString &label, const QString &href, const QString &text)
{
    return QStringLiteral("<tr><td align=\"right\">%1:</td><td><a href=\"%2\">%3</a></td></tr>")
        .arg(label.toHtmlEscaped(), href.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

About::About(const QString &language, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QObject::tr("About"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(QStringLiteral(":/images/splash.png")));
    layout->addWidget(picture);

    auto *words = new QLabel(text(language), this);
    words->setObjectName(QStringLiteral("aboutText"));
    words->setTextFormat(Qt::RichText);
    words->setWordWrap(true);
    words->setFixedWidth(350);
    words->setOpenExternalLinks(true);
    words->setAlignment(Qt::AlignCenter);
    layout->addWidget(words);
}

QString About::text(const QString &language)
{
    const Addresses a = addressesFor(language);
    const QString breaks = QStringLiteral("<br><br><br>");
    return QStringLiteral("<h1>%1\u2122</h1>").arg(Program::name().toHtmlEscaped())
           + QStringLiteral("<p align=\"center\">%1 %2</p>").arg(QObject::tr("Version"), Program::version()) + breaks
           + QStringLiteral("<table width=\"100%\" border=\"0\">")
           + linkRow(QObject::tr("Web"), a.web, QObject::tr("The program web page"))
           + linkRow(QObject::tr("Support"), QStringLiteral("mailto:") + a.support, a.support)
           + QStringLiteral("<tr><td>&nbsp;</td><td>&nbsp;</td></tr></table>") + breaks;
}
