#pragma once

#include <QMenu>

class QActionGroup;

// The sort menu of the image panels: an exclusive choice of the key
// (Cancel, Name, Extension, Size, Date Time; data 0..4) and of the direction
// (Forward, Reverse; data 0, 1).
class SortMenu : public QMenu
{
    Q_OBJECT
public:
    explicit SortMenu(QWidget *parent = nullptr);

    QActionGroup *keyGroup() const { return m_keys; }
    QActionGroup *directionGroup() const { return m_directions; }
    // Checks the entries of `key` and `reverse` (an unknown key checks Cancel).
    void setChoice(int key, bool reverse);
    void retranslate();

private:
    QActionGroup *m_keys;
    QActionGroup *m_directions;
};
