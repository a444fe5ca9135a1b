#pragma once
// The baseline: a plain window with two engine views, the placeholder loaded into both and every
// new window of the first opened in the second. Nothing else.
#include <QWidget>

class QWebEngineView;

class BareWindow : public QWidget {
public:
    explicit BareWindow(const QUrl &placeholder);

    QWebEngineView *headlines() const { return m_headlines; }
    QWebEngineView *articles() const { return m_articles; }

private:
    QWebEngineView *m_headlines = nullptr;
    QWebEngineView *m_articles = nullptr;
};
