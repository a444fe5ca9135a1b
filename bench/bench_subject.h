#pragma once
// The window the scenario drives: the reader, or the bare engine window it is compared with.
#include <QObject>

class QWebEngineView;
class QWidget;

class BenchSubject : public QObject {
    Q_OBJECT

public:
    // The top-level window.
    virtual QWidget *window() const = 0;
    // The engine view inside the headline pane, once there is one.
    virtual QWebEngineView *headlineView() const = 0;
    // Shows headline page n (1 to 11) the way a click on its category would.
    virtual void showCategory(int n) = 0;

signals:
    // Every document completed in the headline pane or in the article pane.
    void headlineCompleted(const QString &url);
    void articleCompleted(const QString &url);
};
