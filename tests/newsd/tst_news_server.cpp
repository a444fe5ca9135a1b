#include "newsd/news_server.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <unistd.h>
#include <vector>

namespace {

struct Reply {
    QByteArray raw;
    bool closed = false;
    int status = 0; // 0 when the answer is not HTTP
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    QByteArray header(const QByteArray &name) const {
        for (const auto &[key, value] : headers)
            if (key.compare(name, Qt::CaseInsensitive) == 0)
                return value;
        return {};
    }
};

Reply parseReply(const QByteArray &raw, bool closed) {
    Reply reply{raw, closed, 0, {}, {}};
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (!raw.startsWith("HTTP/1.1 ") || end < 0)
        return reply;
    const QList<QByteArray> lines = raw.left(end).split('\n');
    reply.status = lines.first().mid(9, 3).toInt();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        reply.headers.append({line.left(colon), line.mid(colon + 1).trimmed()});
    }
    reply.body = raw.mid(end + 4);
    return reply;
}

// A client socket driven from the test's event loop, where the server runs too.
class Client {
public:
    explicit Client(quint16 port) {
        QObject::connect(&m_socket, &QTcpSocket::readyRead, [this] { m_received += m_socket.readAll(); });
        QObject::connect(&m_socket, &QTcpSocket::disconnected, [this] { m_closed = true; });
        m_socket.connectToHost(QHostAddress::LocalHost, port);
    }

    void send(const QByteArray &bytes) { m_socket.write(bytes); }

    // Waits until the server closes the connection, or the timeout passes.
    Reply finish(int timeoutMs = 5000) {
        QElapsedTimer timer;
        timer.start();
        while (!m_closed && timer.elapsed() < timeoutMs)
            QTest::qWait(5);
        return parseReply(m_received, m_closed);
    }

    bool closed() const { return m_closed; }
    const QByteArray &received() const { return m_received; }
    QTcpSocket &socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
    bool m_closed = false;
};

Reply exchange(quint16 port, const QByteArray &request) {
    Client client(port);
    client.send(request);
    return client.finish();
}

QByteArray get(const QByteArray &target, const QByteArray &method = "GET") {
    return method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
}

// Resident memory of this process, where both the server and its clients run.
qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLongLong() * ::sysconf(_SC_PAGESIZE);
}

void writeFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

class TestNewsServer : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void servesFilesWithTypeAndLength_data();
    void servesFilesWithTypeAndLength();
    void answersByTarget_data();
    void answersByTarget();
    void refusesBadRequests_data();
    void refusesBadRequests();
    void refusesPathsLeavingRoot_data();
    void refusesPathsLeavingRoot();
    void listensOnTwoPortsAndLogsThePort();
    void listenFailsOnTakenPort();
    void routesTakePrecedence_data();
    void routesTakePrecedence();
    void hangingRouteKeepsSocketOpenWithoutBlockingOthers();
    void delayHoldsBackTheAnswer();
    void headArrivingInPiecesIsBuffered();
    void oversizedHeadIsRefused();
    void largeFileIsStreamedWhole();
    void manyConnectionsAtOnce();

private:
    QString rootPath() const { return m_dir->filePath(QStringLiteral("root")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<NewsServer> m_server;
    quint16 m_port = 0;
};

void TestNewsServer::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("root")));
    m_server = std::make_unique<NewsServer>();
    m_server->setRoot(rootPath());
    m_port = m_server->listenAny();
    QVERIFY2(m_port != 0, qPrintable(m_server->errorString()));
}

void TestNewsServer::cleanup() {
    m_server.reset();
    m_dir.reset();
}

void TestNewsServer::servesFilesWithTypeAndLength_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QByteArray>("contentType");

    QTest::newRow("htm") << "news.htm" << QByteArray("/news.htm") << QByteArray("text/html");
    QTest::newRow("html in folder") << "a/b/page.html" << QByteArray("/a/b/page.html")
                                    << QByteArray("text/html");
    QTest::newRow("query ignored") << "sports.htm" << QByteArray("/sports.htm?t=1&x=%2e%2e")
                                   << QByteArray("text/html");
    QTest::newRow("css") << "s.css" << QByteArray("/s.css") << QByteArray("text/css");
    QTest::newRow("js") << "s.js" << QByteArray("/s.js") << QByteArray("text/javascript");
    QTest::newRow("png") << "i.png" << QByteArray("/i.png") << QByteArray("image/png");
    QTest::newRow("upper-case jpg") << "P.JPG" << QByteArray("/P.JPG") << QByteArray("image/jpeg");
    QTest::newRow("jpeg") << "p.jpeg" << QByteArray("/p.jpeg") << QByteArray("image/jpeg");
    QTest::newRow("gif") << "i.gif" << QByteArray("/i.gif") << QByteArray("image/gif");
    QTest::newRow("svg") << "i.svg" << QByteArray("/i.svg") << QByteArray("image/svg+xml");
    QTest::newRow("ico") << "f.ico" << QByteArray("/f.ico") << QByteArray("image/x-icon");
    QTest::newRow("txt") << "r.txt" << QByteArray("/r.txt") << QByteArray("text/plain");
    QTest::newRow("pdf") << "d.pdf" << QByteArray("/d.pdf") << QByteArray("application/pdf");
    QTest::newRow("json") << "d.json" << QByteArray("/d.json") << QByteArray("application/json");
    QTest::newRow("mht") << "saved.mht" << QByteArray("/saved.mht") << QByteArray("multipart/related");
    QTest::newRow("unknown") << "blob.dat" << QByteArray("/blob.dat")
                             << QByteArray("application/octet-stream");
    QTest::newRow("no extension") << "README" << QByteArray("/README")
                                  << QByteArray("application/octet-stream");
    QTest::newRow("encoded utf-8 name")
        << QStringLiteral("体育 新闻.htm") << QByteArray("/%E4%BD%93%E8%82%B2%20%E6%96%B0%E9%97%BB.htm")
        << QByteArray("text/html");
}

void TestNewsServer::servesFilesWithTypeAndLength() {
    QFETCH(QString, file);
    QFETCH(QByteArray, target);
    QFETCH(QByteArray, contentType);
    const QByteArray content = "content of " + file.toUtf8() + QByteArray(300, '\x7f') + "\0end";
    writeFile(QDir(rootPath()).filePath(file), content);

    const Reply got = exchange(m_port, get(target));
    QCOMPARE(got.status, 200);
    QCOMPARE(got.header("Content-Type"), contentType);
    QCOMPARE(got.header("Content-Length"), QByteArray::number(content.size()));
    QCOMPARE(got.body, content);
    QVERIFY(got.closed);

    const Reply head = exchange(m_port, get(target, "HEAD"));
    QCOMPARE(head.status, 200);
    QCOMPARE(head.header("Content-Type"), contentType);
    QCOMPARE(head.header("Content-Length"), QByteArray::number(content.size()));
    QCOMPARE(head.body, QByteArray());
}

void TestNewsServer::answersByTarget_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("location");

    const QByteArray none;
    QTest::newRow("root index.htm") << QStringList{"index.htm", "index.html"} << QByteArray("/") << 200
                                    << QByteArray("index.htm") << none;
    QTest::newRow("root index.html") << QStringList{"index.html"} << QByteArray("/?q") << 200
                                     << QByteArray("index.html") << none;
    QTest::newRow("root without index") << QStringList{"other.htm"} << QByteArray("/") << 404 << none << none;
    QTest::newRow("folder index") << QStringList{"sub/index.htm"} << QByteArray("/sub/") << 200
                                  << QByteArray("sub/index.htm") << none;
    QTest::newRow("folder without slash")
        << QStringList{"sub/index.htm"} << QByteArray("/sub?a=1") << 301 << none << QByteArray("/sub/?a=1");
    QTest::newRow("missing file") << QStringList{"news.htm"} << QByteArray("/sports.htm") << 404 << none
                                  << none;
    QTest::newRow("missing folder") << QStringList{"news.htm"} << QByteArray("/x/news.htm") << 404 << none
                                    << none;
    QTest::newRow("dot segment") << QStringList{"a/b.htm"} << QByteArray("/a/./b.htm") << 200
                                 << QByteArray("a/b.htm") << none;
    QTest::newRow("double slash") << QStringList{"a/b.htm"} << QByteArray("//a//b.htm") << 200
                                  << QByteArray("a/b.htm") << none;
    QTest::newRow("double-encoded dots are a name")
        << QStringList{"news.htm"} << QByteArray("/%252e%252e/news.htm") << 404 << none << none;
}

void TestNewsServer::answersByTarget() {
    QFETCH(QStringList, files);
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, location);
    for (const QString &file : files)
        writeFile(QDir(rootPath()).filePath(file), file.toUtf8());

    const Reply got = exchange(m_port, get(target));
    QCOMPARE(got.status, status);
    if (!body.isEmpty())
        QCOMPARE(got.body, body);
    QCOMPARE(got.header("Location"), location);
    QCOMPARE(got.header("Content-Length"), QByteArray::number(got.body.size()));
}

void TestNewsServer::refusesBadRequests_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");

    QTest::newRow("POST") << get("/news.htm", "POST") << 405;
    QTest::newRow("DELETE") << get("/news.htm", "DELETE") << 405;
    QTest::newRow("OPTIONS") << get("/news.htm", "OPTIONS") << 405;
    QTest::newRow("not HTTP") << QByteArray("HELLO THERE\r\n\r\n") << 400;
    QTest::newRow("binary") << QByteArray("\x16\x03\x01\x02\x00\r\n\r\n", 9) << 400;
    QTest::newRow("unknown version") << QByteArray("GET /news.htm HTTP/9.9\r\n\r\n") << 400;
    QTest::newRow("relative target") << QByteArray("GET news.htm HTTP/1.1\r\n\r\n") << 400;
    QTest::newRow("extra words") << QByteArray("GET /news.htm x HTTP/1.1\r\n\r\n") << 400;
    QTest::newRow("header without colon") << QByteArray("GET /news.htm HTTP/1.1\r\nHost\r\n\r\n") << 400;
    QTest::newRow("bare LF ends") << QByteArray("GET /news.htm HTTP/1.0\nHost: a\n\n") << 200;
}

void TestNewsServer::refusesBadRequests() {
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    writeFile(QDir(rootPath()).filePath(QStringLiteral("news.htm")), "news");

    const Reply got = exchange(m_port, request);
    QCOMPARE(got.status, status);
    QVERIFY(got.closed);
    if (status == 405)
        QCOMPARE(got.header("Allow"), QByteArray("GET, HEAD"));
    if (status != 200)
        QVERIFY(!got.body.contains("news"));
}

void TestNewsServer::refusesPathsLeavingRoot_data() {
    QTest::addColumn<QByteArray>("target");

    QTest::newRow("dot dot") << QByteArray("/../x");
    QTest::newRow("dot dot deep") << QByteArray("/a/../../x");
    QTest::newRow("encoded dots") << QByteArray("/%2e%2e/x");
    QTest::newRow("mixed-case encoded dots") << QByteArray("/a/%2E%2E/%2e%2e/x");
    QTest::newRow("half-encoded dots") << QByteArray("/.%2e/x");
    QTest::newRow("encoded slash") << QByteArray("/..%2fx");
    QTest::newRow("upper-case encoded slash") << QByteArray("/..%2Fx");
    QTest::newRow("all encoded") << QByteArray("/%2e%2e%2f%78");
    QTest::newRow("backslashes") << QByteArray("/a\\..\\..\\x");
    QTest::newRow("encoded backslashes") << QByteArray("/a%5c..%5C..%5cx");
    QTest::newRow("symlink to file outside") << QByteArray("/link");
    QTest::newRow("symlink to folder outside") << QByteArray("/dirlink/x");
    QTest::newRow("encoded symlink name") << QByteArray("/%6c%69%6e%6b");
}

void TestNewsServer::refusesPathsLeavingRoot() {
    QFETCH(QByteArray, target);
    const QByteArray secret = "secret outside the root";
    writeFile(m_dir->filePath(QStringLiteral("x")), secret);
    writeFile(QDir(rootPath()).filePath(QStringLiteral("a/inside.htm")), "inside");
    QVERIFY(
        QFile::link(m_dir->filePath(QStringLiteral("x")), QDir(rootPath()).filePath(QStringLiteral("link"))));
    QVERIFY(QFile::link(m_dir->path(), QDir(rootPath()).filePath(QStringLiteral("dirlink"))));

    const Reply got = exchange(m_port, get(target));
    QCOMPARE(got.status, 403);
    QVERIFY(!got.raw.contains(secret));

    // A link that stays inside is served.
    QVERIFY(QFile::link(QDir(rootPath()).filePath(QStringLiteral("a/inside.htm")),
                        QDir(rootPath()).filePath(QStringLiteral("inlink.htm"))));
    QCOMPARE(exchange(m_port, get("/inlink.htm")).body, QByteArray("inside"));
}

void TestNewsServer::listensOnTwoPortsAndLogsThePort() {
    writeFile(QDir(rootPath()).filePath(QStringLiteral("news.htm")), "12345");
    const quint16 second = m_server->listenAny();
    QVERIFY(second != 0 && second != m_port);
    QCOMPARE(m_server->ports(), (QList<quint16>{m_port, second}));
    QCOMPARE(m_server->baseUrl(second), QStringLiteral("http://127.0.0.1:%1/").arg(second));

    QSignalSpy received(m_server.get(), &NewsServer::requestReceived);
    QSignalSpy logged(m_server.get(), &NewsServer::logged);
    QCOMPARE(exchange(second, get("/news.htm?from=mirror")).status, 200);
    QCOMPARE(exchange(m_port, get("/missing.htm", "HEAD")).status, 404);

    const QList<NewsServer::Request> requests = m_server->requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[0].method, QByteArray("GET"));
    QCOMPARE(requests[0].target, QByteArray("/news.htm?from=mirror"));
    QCOMPARE(requests[0].port, second);
    QCOMPARE(requests[0].header("host"), QByteArray("127.0.0.1"));
    QCOMPARE(requests[1].method, QByteArray("HEAD"));
    QCOMPARE(requests[1].port, m_port);

    QCOMPARE(received.size(), 2);
    QCOMPARE(received[0][0].value<NewsServer::Request>().port, second);
    QCOMPARE(logged.size(), 2);
    QCOMPARE(logged[0][0].toString(), QStringLiteral("%1 GET /news.htm?from=mirror 200 5").arg(second));
    QCOMPARE(logged[1][0].toString(), QStringLiteral("%1 HEAD /missing.htm 404 0").arg(m_port));

    m_server->clearRequests();
    QVERIFY(m_server->requests().isEmpty());
}

void TestNewsServer::listenFailsOnTakenPort() {
    NewsServer other;
    QVERIFY(!other.listen(m_port));
    QVERIFY(!other.errorString().isEmpty());
    QVERIFY(other.ports().isEmpty());
    // The first server still answers.
    QCOMPARE(exchange(m_port, get("/nothing")).status, 404);
}

void TestNewsServer::routesTakePrecedence_data() {
    QTest::addColumn<NewsServer::Route>("route");
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("headerName");
    QTest::addColumn<QByteArray>("headerValue");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("fixed status over file")
        << NewsServer::Route::fixed(503, "text/plain", "busy", {{"Retry-After", "5"}})
        << QByteArray("/news.htm") << 503 << QByteArray("Content-Type") << QByteArray("text/plain")
        << QByteArray("busy");
    QTest::newRow("fixed with extra header")
        << NewsServer::Route::fixed(200, "text/html", "<title>x</title>", {{"Retry-After", "5"}})
        << QByteArray("/news.htm?x=1") << 200 << QByteArray("Retry-After") << QByteArray("5")
        << QByteArray("<title>x</title>");
    QTest::newRow("header replaces default")
        << NewsServer::Route::fixed(200, "text/html", "abc", {{"content-type", "text/html; charset=gbk"}})
        << QByteArray("/news.htm") << 200 << QByteArray("Content-Type")
        << QByteArray("text/html; charset=gbk") << QByteArray("abc");
    QTest::newRow("redirect") << NewsServer::Route::redirect("http://127.0.0.1:1/sports.htm")
                              << QByteArray("/news.htm") << 302 << QByteArray("Location")
                              << QByteArray("http://127.0.0.1:1/sports.htm") << QByteArray();
    QTest::newRow("garbage") << NewsServer::Route::garbage() << QByteArray("/news.htm") << 0 << QByteArray()
                             << QByteArray() << QByteArray();
    QTest::newRow("close immediately") << NewsServer::Route::closeImmediately() << QByteArray("/news.htm")
                                       << 0 << QByteArray() << QByteArray() << QByteArray();
}

void TestNewsServer::routesTakePrecedence() {
    QFETCH(NewsServer::Route, route);
    QFETCH(QByteArray, target);
    QFETCH(int, status);
    QFETCH(QByteArray, headerName);
    QFETCH(QByteArray, headerValue);
    QFETCH(QByteArray, body);
    writeFile(QDir(rootPath()).filePath(QStringLiteral("news.htm")), "file body");
    m_server->setRoute("/news.htm", route);

    const Reply got = exchange(m_port, get(target));
    QVERIFY(got.closed);
    QCOMPARE(got.status, status);
    QVERIFY(!got.raw.contains("file body"));
    if (status != 0) {
        QCOMPARE(got.header(headerName), headerValue);
        QCOMPARE(got.body, body);
    } else if (route.kind == NewsServer::Route::Kind::Garbage) {
        QVERIFY(!got.raw.isEmpty());
    } else {
        QCOMPARE(got.raw, QByteArray());
    }
    QCOMPARE(m_server->requests().size(), 1);

    // Other paths still come from the folder, and removing the route gives the file back.
    QCOMPARE(exchange(m_port, get("/other.htm")).status, 404);
    m_server->removeRoute("/news.htm");
    QCOMPARE(exchange(m_port, get("/news.htm")).body, QByteArray("file body"));
}

void TestNewsServer::hangingRouteKeepsSocketOpenWithoutBlockingOthers() {
    writeFile(QDir(rootPath()).filePath(QStringLiteral("news.htm")), "news");
    m_server->setRoute("news.htm", NewsServer::Route::hang());
    QSignalSpy received(m_server.get(), &NewsServer::requestReceived);

    Client hung(m_port);
    hung.send(get("/news.htm"));
    QVERIFY(received.wait(5000));
    m_server->setRoute("/news.htm", NewsServer::Route::fixed(200, "text/html", "later"));
    QCOMPARE(exchange(m_port, get("/news.htm")).body, QByteArray("later"));
    QTest::qWait(200);
    QVERIFY(!hung.closed());
    QCOMPARE(hung.received(), QByteArray());
    QCOMPARE(hung.socket().state(), QAbstractSocket::ConnectedState);
}

void TestNewsServer::delayHoldsBackTheAnswer() {
    writeFile(QDir(rootPath()).filePath(QStringLiteral("slow.htm")), "slow");
    m_server->setDelay("/slow.htm", 400);
    QSignalSpy received(m_server.get(), &NewsServer::requestReceived);

    QElapsedTimer timer;
    timer.start();
    Client slow(m_port);
    slow.send(get("/slow.htm"));
    QVERIFY(received.wait(5000));
    // Undelayed paths are not held up behind it.
    QCOMPARE(exchange(m_port, get("/fast.htm")).status, 404);
    QVERIFY(!slow.closed());
    QCOMPARE(slow.finish().body, QByteArray("slow"));
    QVERIFY(timer.elapsed() >= 400);

    m_server->setDelay("/slow.htm", 0);
    timer.restart();
    QCOMPARE(exchange(m_port, get("/slow.htm")).body, QByteArray("slow"));
    QVERIFY(timer.elapsed() < 400);
}

void TestNewsServer::headArrivingInPiecesIsBuffered() {
    writeFile(QDir(rootPath()).filePath(QStringLiteral("news.htm")), "news");
    Client client(m_port);
    const QList<QByteArray> pieces = {
        "GE", "T /news.htm HT", "TP/1.1\r", "\nHost: piece\r\n", "X-Test: 1\r\n\r", "\n"};
    for (const QByteArray &piece : pieces) {
        QVERIFY(m_server->requests().isEmpty());
        QVERIFY(client.received().isEmpty());
        client.send(piece);
        QTest::qWait(30);
    }
    const Reply got = client.finish();
    QCOMPARE(got.status, 200);
    QCOMPARE(got.body, QByteArray("news"));
    QCOMPARE(m_server->requests().size(), 1);
    QCOMPARE(m_server->requests().first().header("Host"), QByteArray("piece"));
    QCOMPARE(m_server->requests().first().header("x-test"), QByteArray("1"));
}

void TestNewsServer::oversizedHeadIsRefused() {
    Client client(m_port);
    client.send("GET /news.htm HTTP/1.1\r\nX-Long: " + QByteArray(100 * 1024, 'a'));
    const Reply got = client.finish();
    QCOMPARE(got.status, 431);
    QVERIFY(m_server->requests().isEmpty());
}

void TestNewsServer::largeFileIsStreamedWhole() {
    constexpr qint64 chunkSize = 1024 * 1024;
    constexpr qint64 chunks = 40;
    QCryptographicHash expected(QCryptographicHash::Sha1);
    {
        QFile file(QDir(rootPath()).filePath(QStringLiteral("big.pdf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray chunk(chunkSize, Qt::Uninitialized);
        for (qint64 n = 0; n < chunks; ++n) {
            for (qint64 i = 0; i < chunkSize; ++i)
                chunk[i] = char((i * 131 + n * 7) & 0xff);
            QCOMPARE(file.write(chunk), chunkSize);
            expected.addData(chunk);
        }
    }

    // A client that stops reading: the server may hold only a window of the file in memory.
    const qint64 residentBefore = residentBytes();
    QTcpSocket stalled;
    stalled.setReadBufferSize(64 * 1024);
    stalled.connectToHost(QHostAddress::LocalHost, m_port);
    stalled.write(get("/big.pdf"));
    QTRY_VERIFY(stalled.bytesAvailable() > 0);
    QTest::qWait(300);
    QVERIFY2(residentBytes() - residentBefore < 16 * chunkSize,
             qPrintable(QString::number(residentBytes() - residentBefore)));
    // It leaves early; the server must carry on.
    stalled.abort();

    const Reply got = exchange(m_port, get("/big.pdf"));
    QCOMPARE(got.status, 200);
    QCOMPARE(got.header("Content-Length"), QByteArray::number(chunks * chunkSize));
    QCOMPARE(got.body.size(), chunks * chunkSize);
    QCOMPARE(QCryptographicHash::hash(got.body, QCryptographicHash::Sha1), expected.result());
}

void TestNewsServer::manyConnectionsAtOnce() {
    writeFile(QDir(rootPath()).filePath(QStringLiteral("news.htm")), "news");
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < 60; ++i)
        clients.push_back(std::make_unique<Client>(m_port));
    // Send in reverse order of connecting: no connection waits for an earlier one.
    for (auto it = clients.rbegin(); it != clients.rend(); ++it)
        (*it)->send(get("/news.htm?n=" + QByteArray::number(it - clients.rbegin())));
    for (auto &client : clients) {
        const Reply got = client->finish();
        QCOMPARE(got.status, 200);
        QCOMPARE(got.body, QByteArray("news"));
    }
    QCOMPARE(m_server->requests().size(), 60);
}

QTEST_GUILESS_MAIN(TestNewsServer)
#include "tst_news_server.moc"
