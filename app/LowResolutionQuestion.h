#pragma once

#include <QList>
#include <QVector>

class QWidget;
struct Page;

// The one question before pages go out when some of their photographs print
// below PrintResolution::LowPpi: it names the pages and offers to go on
// anyway or to cancel.
class LowResolutionQuestion
{
public:
    enum class Output { Print, Export };

    // True when none of the pages `indexes` of `pages` holds such a
    // photograph, or the user chose to go on; false when cancelled.
    static bool confirm(QWidget *parent, const QVector<Page> &pages, const QList<int> &indexes, Output output);
    // "1, 3, 4": the 1-based numbers of `indexes`, the first twenty of them.
    static QString pageList(const QList<int> &indexes);
};
