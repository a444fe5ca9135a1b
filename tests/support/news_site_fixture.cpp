#include "news_site_fixture.h"

#include "main_window/category_table.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

NewsSiteFixture::NewsSiteFixture()
{
    for (const Category &category : CategoryTable) {
        if (category.pageName)
            writePage(QString::fromLatin1(category.pageName), headlinePage(category.caption));
    }
    primary.setRoot(m_root.path());
    mirror.setRoot(m_root.path());
    if (!primary.listen(LUMORA_TEST_PRIMARY_PORT) || !mirror.listen(LUMORA_TEST_MIRROR_PORT))
        qFatal("the test news servers cannot listen on their ports");
}

QByteArray NewsSiteFixture::headlinePage(const QByteArray &body)
{
    return "<html><head><meta charset=\"utf-8\"><title>vorn</title></head><body>" + body + "</body></html>";
}

void NewsSiteFixture::writePage(const QString &name, const QByteArray &html) const
{
    const QString path = m_root.filePath(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(html) != html.size())
        qFatal("cannot write %s", qPrintable(path));
}

QList<QByteArray> NewsSiteFixture::targets(const NewsServer &server) const
{
    QList<QByteArray> result;
    for (const NewsServer::Request &request : server.requests()) {
        if (request.target != "/favicon.ico")
            result << request.target;
    }
    return result;
}

bool NewsSiteFixture::waitForRequest(const NewsServer &server, const QByteArray &target, int timeoutMs) const
{
    QDeadlineTimer deadline(timeoutMs);
    while (!targets(server).contains(target)) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(20);
    }
    return true;
}

void NewsSiteFixture::clearRequests()
{
    primary.clearRequests();
    mirror.clearRequests();
}
