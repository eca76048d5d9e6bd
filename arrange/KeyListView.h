#pragma once

#include <QListView>

// The page list: Delete asks for the selected pages to be removed.
class KeyListView : public QListView
{
    Q_OBJECT
public:
    explicit KeyListView(QWidget *parent = nullptr);

Q_SIGNALS:
    void keyDelete();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
