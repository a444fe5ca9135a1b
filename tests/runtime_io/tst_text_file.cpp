#include "application/errors.h"
#include "runtime_io/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

ino_t inodeOf(const QString &path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

private slots:
    void writesExactBytes_data();
    void writesExactBytes();
    void emptiesExistingFileInPlace();
    void failures_data();
    void failures();
    void fullDisk();

private:
    QTemporaryDir m_dir;
};

void TestTextFile::writesExactBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no line end added") << QByteArray("<title>vorn</title>");
    QTest::newRow("line ends kept") << QByteArray("a\r\nb\nc\r");
    QTest::newRow("chinese and binary") << QByteArray("\xE6\x96\xB0\xE9\x97\xBB\0\xFF", 8);
    QTest::newRow("several megabytes") << QByteArray(3 * 1024 * 1024, 'x');
}

void TestTextFile::writesExactBytes() {
    QFETCH(QByteArray, bytes);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("temp.htm"));
    writeTextFile(path, bytes);
    QCOMPARE(contentsOf(path), bytes);
}

// The same file is emptied, not replaced: a hard link to it sees the new text.
void TestTextFile::emptiesExistingFileInPlace() {
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("page.htm"));
    const QString link = m_dir.filePath(QStringLiteral("page-link.htm"));
    QVERIFY(writeFile(path, QByteArray(5000, 'o')));
    QCOMPARE(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
    const ino_t inode = inodeOf(path);

    writeTextFile(path, "new");

    QCOMPARE(contentsOf(path), QByteArray("new"));
    QCOMPARE(contentsOf(link), QByteArray("new"));
    QCOMPARE(inodeOf(path), inode);
}

// Tests run as root, so access is refused through a folder where the file should be, not through modes.
void TestTextFile::failures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("code");
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());

    QVERIFY(dir.mkpath(QStringLiteral("folder/temp.htm")));
    QTest::newRow("folder at the file's place")
        << dir.filePath(QStringLiteral("folder/temp.htm")) << QStringLiteral("File access denied") << 5;

    QTest::newRow("missing folder") << dir.filePath(QStringLiteral("missing/temp.htm"))
                                    << QStringLiteral("Path not found") << 3;

    QVERIFY(writeFile(dir.filePath(QStringLiteral("plain")), "x"));
    QTest::newRow("file in the folder's place")
        << dir.filePath(QStringLiteral("plain/temp.htm")) << QStringLiteral("Path not found") << 3;

    // The folder exists but the name leads, through a link, into one that does not.
    QVERIFY(
        QFile::link(dir.filePath(QStringLiteral("gone/x.htm")), dir.filePath(QStringLiteral("dangling"))));
    QTest::newRow("link into a missing folder")
        << dir.filePath(QStringLiteral("dangling")) << QStringLiteral("File not found") << 2;

    QVERIFY(QFile::link(dir.filePath(QStringLiteral("loop")), dir.filePath(QStringLiteral("loop"))));
    QTest::newRow("other errors by number")
        << dir.filePath(QStringLiteral("loop")) << QStringLiteral("I/O error %1").arg(ELOOP) << int(ELOOP);
}

void TestTextFile::failures() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    QFETCH(int, code);
    try {
        writeTextFile(path, "page");
        QFAIL("no error raised");
    } catch (const EInOutError &error) {
        QCOMPARE(error.message(), message);
        QCOMPARE(error.errorCode(), code);
    }
}

void TestTextFile::fullDisk() {
    if (::access("/dev/full", W_OK) != 0)
        QSKIP("/dev/full is not writable here");
    try {
        writeTextFile(QStringLiteral("/dev/full"), "page");
        QFAIL("no error raised");
    } catch (const EInOutError &error) {
        QCOMPARE(error.message(), QStringLiteral("Disk full"));
        QCOMPARE(error.errorCode(), 112);
    }
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_text_file.moc"
