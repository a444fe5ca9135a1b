#pragma once
// The tests' primary and mirror news servers, each serving a folder of small headline pages.
#include "newsd/news_server.h"

#include <QTemporaryDir>

class NewsSiteFixture {
public:
    NewsSiteFixture();
    // Writes a page into the served folder ("name" relative to the site's root).
    void writePage(const QString &name, const QByteArray &html) const;
    // The requests for targets other than the browser's own extras (favicon).
    QList<QByteArray> targets(const NewsServer &server) const;
    // Waits until the server has seen a request for target.
    bool waitForRequest(const NewsServer &server, const QByteArray &target, int timeoutMs = 15000) const;
    void clearRequests();

    NewsServer primary;
    NewsServer mirror;

    // A headline page carrying the agreed title.
    static QByteArray headlinePage(const QByteArray &body = "headlines");

private:
    QTemporaryDir m_root;
};
