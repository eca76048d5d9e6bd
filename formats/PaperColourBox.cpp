#include "formats/PaperColourBox.h"

#include "formats/PaperColour.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <iterator>

namespace {

const RenderingIntent intents[] = {RenderingIntent::Perceptual, RenderingIntent::Relative, RenderingIntent::Saturation,
                                   RenderingIntent::Absolute};

} // namespace

PaperColourBox::PaperColourBox(QHash<int, PaperColour> *papers, int paper, QWidget *parent)
    : QGroupBox(parent), m_papers(papers), m_profileLabel(new QLabel(this)), m_profileCombo(new QComboBox(this)),
      m_browseButton(new QPushButton(this)), m_intentLabel(new QLabel(this)), m_intentCombo(new QComboBox(this))
{
    setObjectName(QStringLiteral("colourGroup"));
    m_profileCombo->setObjectName(QStringLiteral("profileCombo"));
    m_intentCombo->setObjectName(QStringLiteral("intentCombo"));
    m_browseButton->setObjectName(QStringLiteral("profileBrowse"));
    m_profileCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_profileCombo->setMinimumContentsLength(20);
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_profileLabel, 0, 0);
    grid->addWidget(m_profileCombo, 0, 1);
    grid->addWidget(m_browseButton, 0, 2);
    grid->addWidget(m_intentLabel, 1, 0);
    grid->addWidget(m_intentCombo, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    m_paper = paper;
    retranslate();
    connect(m_profileCombo, QOverload<int>::of(&QComboBox::activated), this, &PaperColourBox::profileChosen);
    connect(m_intentCombo, QOverload<int>::of(&QComboBox::activated), this, &PaperColourBox::intentChosen);
    connect(m_browseButton, &QPushButton::clicked, this, &PaperColourBox::browse);
}

void PaperColourBox::retranslate()
{
    setTitle(QObject::tr("Colour"));
    m_profileLabel->setText(QObject::tr("Printer profile:"));
    m_browseButton->setText(QObject::tr("Browse..."));
    m_intentLabel->setText(QObject::tr("Rendering intent:"));
    const QSignalBlocker block(m_intentCombo);
    m_intentCombo->clear();
    for (RenderingIntent i : intents)
        m_intentCombo->addItem(intentTitle(i));
    m_intentCombo->setCurrentIndex(int(m_papers->value(m_paper).intent));
    fillProfiles();
}

void PaperColourBox::fillProfiles()
{
    const PaperColour current = m_papers->value(m_paper);
    const QSignalBlocker block(m_profileCombo);
    m_profileCombo->clear();
    m_profileCombo->addItem(QObject::tr("None (sRGB)"), QString());
    QStringList files = PaperColour::installedProfiles();
    if (current.hasProfile() && !files.contains(current.profilePath))
        files.prepend(current.profilePath);
    for (const QString &file : files)
        m_profileCombo->addItem(QFileInfo(file).fileName(), file);
    m_profileCombo->setCurrentIndex(qMax(0, m_profileCombo->findData(current.profilePath)));
    m_profileCombo->setToolTip(current.profilePath);
    m_intentCombo->setEnabled(current.hasProfile());
}

void PaperColourBox::showPaper(int paper)
{
    if (paper == m_paper && m_profileCombo->count() > 0)
        return;
    m_paper = paper;
    const QSignalBlocker block(m_intentCombo);
    m_intentCombo->setCurrentIndex(int(m_papers->value(paper).intent));
    fillProfiles();
}

void PaperColourBox::profileChosen(int row) { store(m_profileCombo->itemData(row).toString()); }

void PaperColourBox::intentChosen(int row)
{
    if (row < 0 || row >= int(std::size(intents)) || !m_papers->contains(m_paper))
        return;
    (*m_papers)[m_paper].intent = intents[row];
}

void PaperColourBox::browse()
{
    const QString file = QFileDialog::getOpenFileName(this, QObject::tr("Printer profile"), PaperColour::profileFolders().constFirst(),
                                                      QObject::tr("ICC profiles (*.icc *.icm *.ICC *.ICM)"));
    if (!file.isEmpty())
        store(file);
}

void PaperColourBox::store(const QString &path)
{
    if (path.isEmpty()) {
        m_papers->remove(m_paper);
    } else {
        QString problem;
        if (ColourProfile::fromFile(path, &problem).isNull()) {
            QMessageBox::warning(this, QCoreApplication::applicationName(), problem);
            fillProfiles();
            return;
        }
        PaperColour &c = (*m_papers)[m_paper];
        c.profilePath = path;
        c.intent = intents[qBound(0, m_intentCombo->currentIndex(), 3)];
    }
    fillProfiles();
}
