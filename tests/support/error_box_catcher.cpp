#include "error_box_catcher.h"

#include <QAbstractButton>
#include <QApplication>

ErrorBoxCatcher::ErrorBoxCatcher()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ErrorBoxCatcher::poll);
    m_timer.start();
}

QStringList ErrorBoxCatcher::texts() const
{
    QStringList result;
    for (const Box &box : m_boxes)
        result << box.text;
    return result;
}

void ErrorBoxCatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_boxes.append({box->windowTitle(), box->text(), box->icon()});
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}
