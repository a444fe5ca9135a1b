#include "bench/bare_window.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>

BareWindow::BareWindow(const QUrl &placeholder)
    : m_headlines(new QWebEngineView(this)), m_articles(new QWebEngineView(this)) {
    // The reader's window and pane sizes with its settings file in place.
    resize(777, 508);
    m_headlines->setGeometry(17, 48, 743, 145);
    m_articles->setGeometry(17, 248, 743, 243);
    connect(m_headlines->page(), &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest &request) { request.openIn(m_articles->page()); });
    m_headlines->load(placeholder);
    m_articles->load(placeholder);
}
