#pragma once
// Answers the standard error report while a test runs: records what each box said and presses OK.
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

class ErrorBoxCatcher : public QObject {
    Q_OBJECT

public:
    struct Box {
        QString title;
        QString text;
        QMessageBox::Icon icon;
    };

    ErrorBoxCatcher();
    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    void poll();

    QTimer m_timer;
    QList<Box> m_boxes;
};
