#include "application/errors.h"
#include "ini_store/ini_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Bytes of a literal that may hold NUL.
template <qsizetype N> QByteArray raw(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

QByteArray contentsOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Every entry under root with its bytes, to show a failed write left everything as it was.
QMap<QString, QByteArray> snapshot(const QString &root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(path, it.fileInfo().isDir() ? QByteArray("<folder>") : contentsOf(path));
    }
    return entries;
}

QString writeErrorOf(const std::function<void()> &write) {
    try {
        write();
    } catch (const EIniFileException &error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

QString unableToWrite(const QString &path) {
    return QStringLiteral("Unable to write to ") + path;
}

constexpr int SetIdFailed = 100;

// Root may write anywhere, so this runs body in a child process that has become "nobody".
int exitStatusUnprivileged(const std::function<int()> &body) {
    if (::geteuid() != 0)
        return body();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(SetIdFailed);
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

const QByteArray Section = QByteArrayLiteral("option");
const QByteArray OldConfig = QByteArrayLiteral("[option]\r\nnewsurl=http://old/\r\n");

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void readsDefaultWithoutReadableFile();
    void strToIntDef_data();
    void strToIntDef();
    void readInteger_data();
    void readInteger();
    void writeString_data();
    void writeString();
    void writeIntegerInDecimal();
    void writeFailureKeepsEverything_data();
    void writeFailureKeepsEverything();
    void relativeNameReportedInFull();
    void unprivilegedFailureKeepsOldFile_data();
    void unprivilegedFailureKeepsOldFile();
    void cutShortWriteKeepsOldFile();

private:
    QTemporaryDir m_dir;
};

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("ident");
    QTest::addColumn<QByteArray>("defaultValue");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray a2044(2044, 'a');
    const QByteArray a2045(2045, 'a');
    const QByteArray a2046(2046, 'a');
    const QByteArray a2047(2047, 'a');
    const QByteArray zhong = "中"; // three bytes

    QTest::newRow("names ignore case, value kept")
        << QByteArray("[Option]\r\nNewsURL=Http://A/\r\n") << QByteArray("OPTION") << QByteArray("newsurl")
        << QByteArray("d") << QByteArray("Http://A/");
    QTest::newRow("non-ASCII names ignore case") << QByteArray("[Ärger]\r\nÖl=1\r\n") << QByteArray("ärger")
                                                 << QByteArray("öl") << QByteArray("d") << QByteArray("1");
    QTest::newRow("chinese") << QByteArray("[选项]\r\n网址=新闻\r\n") << QByteArray("选项")
                             << QByteArray("网址") << QByteArray("d") << QByteArray("新闻");
    QTest::newRow("blanks trimmed") << QByteArray(" \t[ \toption\t ]\r\n\t key \t=\t a  b \t\r\n") << Section
                                    << QByteArray("key") << QByteArray("d") << QByteArray("a  b");
    QTest::newRow("blanks in the asked names")
        << QByteArray("[option]\r\nkey=v\r\n") << QByteArray(" option\t") << QByteArray(" key ")
        << QByteArray("d") << QByteArray("v");

    QTest::newRow("double quotes") << QByteArray("[s]\r\nk= \" a \" \r\n") << QByteArray("s")
                                   << QByteArray("k") << QByteArray("d") << QByteArray(" a ");
    QTest::newRow("single quotes") << QByteArray("[s]\r\nk='b'\r\n") << QByteArray("s") << QByteArray("k")
                                   << QByteArray("d") << QByteArray("b");
    QTest::newRow("one outer pair only") << QByteArray("[s]\r\nk=\"\"a\"\"\r\n") << QByteArray("s")
                                         << QByteArray("k") << QByteArray("d") << QByteArray("\"a\"");
    QTest::newRow("empty quotes") << QByteArray("[s]\r\nk=\"\"\r\n") << QByteArray("s") << QByteArray("k")
                                  << QByteArray("d") << QByteArray("");
    QTest::newRow("mismatched quotes stay") << QByteArray("[s]\r\nk=\"x'\r\n") << QByteArray("s")
                                            << QByteArray("k") << QByteArray("d") << QByteArray("\"x'");
    QTest::newRow("lone quote stays") << QByteArray("[s]\r\nk=\"\r\n") << QByteArray("s") << QByteArray("k")
                                      << QByteArray("d") << QByteArray("\"");
    QTest::newRow("quoted name is not unquoted") << QByteArray("[s]\r\n\"k\"=v\r\n") << QByteArray("s")
                                                 << QByteArray("k") << QByteArray("d") << QByteArray("d");
    QTest::newRow("quoted name asked with quotes")
        << QByteArray("[s]\r\n\"k\"=v\r\n") << QByteArray("s") << QByteArray("\"k\"") << QByteArray("d")
        << QByteArray("v");

    QTest::newRow("comment") << QByteArray("[s]\r\n;k=v\r\n") << QByteArray("s") << QByteArray("k")
                             << QByteArray("d") << QByteArray("d");
    QTest::newRow("comment never matches") << QByteArray("[s]\r\n \t;k=v\r\n") << QByteArray("s")
                                           << QByteArray(";k") << QByteArray("d") << QByteArray("d");
    QTest::newRow("commented header") << QByteArray(";[s]\r\nk=v\r\n") << QByteArray("s") << QByteArray("k")
                                      << QByteArray("d") << QByteArray("d");
    QTest::newRow("# starts a name") << QByteArray("[s]\r\n#k=v\r\n") << QByteArray("s") << QByteArray("#k")
                                     << QByteArray("d") << QByteArray("v");
    QTest::newRow("# is no comment") << QByteArray("[s]\r\n#k=v\r\n") << QByteArray("s") << QByteArray("k")
                                     << QByteArray("d") << QByteArray("d");
    QTest::newRow("no inline comments") << QByteArray("[s]\r\nk=a ;b # c\r\n") << QByteArray("s")
                                        << QByteArray("k") << QByteArray("d") << QByteArray("a ;b # c");

    QTest::newRow("text after header ignored") << QByteArray("[s] ; about s\r\nk=v\r\n") << QByteArray("s")
                                               << QByteArray("k") << QByteArray("d") << QByteArray("v");
    QTest::newRow("header ends at first ]") << QByteArray("[s]x]\r\nk=v\r\n") << QByteArray("s")
                                            << QByteArray("k") << QByteArray("d") << QByteArray("v");
    QTest::newRow("header is not up to last ]") << QByteArray("[s]x]\r\nk=v\r\n") << QByteArray("s]x")
                                                << QByteArray("k") << QByteArray("d") << QByteArray("d");
    QTest::newRow("[] names section \"\"") << QByteArray("k=0\r\n[]\r\nk=v\r\n") << QByteArray("")
                                           << QByteArray("k") << QByteArray("d") << QByteArray("v");
    QTest::newRow("keys before any header, asked in \"\"")
        << QByteArray("k=v\r\n[s]\r\n") << QByteArray("") << QByteArray("k") << QByteArray("d")
        << QByteArray("d");
    QTest::newRow("keys before any header, asked in s")
        << QByteArray("k=v\r\n[s]\r\n") << QByteArray("s") << QByteArray("k") << QByteArray("d")
        << QByteArray("d");
    QTest::newRow("[ without ] ends no section") << QByteArray("[s]\r\n[t\r\nk=v\r\n") << QByteArray("s")
                                                 << QByteArray("k") << QByteArray("d") << QByteArray("v");

    const QByteArray twoBlocks("[s]\r\na=1\r\n[t]\r\nb=0\r\n[S]\r\nb=2\r\n");
    QTest::newRow("first block of a section only")
        << twoBlocks << QByteArray("s") << QByteArray("b") << QByteArray("d") << QByteArray("d");
    QTest::newRow("first block's key")
        << twoBlocks << QByteArray("s") << QByteArray("a") << QByteArray("d") << QByteArray("1");
    QTest::newRow("first key wins") << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << QByteArray("s")
                                    << QByteArray("k") << QByteArray("d") << QByteArray("1");
    QTest::newRow("line without = is no key") << QByteArray("[s]\r\nk\r\nk v\r\n") << QByteArray("s")
                                              << QByteArray("k") << QByteArray("d") << QByteArray("d");
    QTest::newRow("empty value is no default") << QByteArray("[s]\r\nk=\r\n") << QByteArray("s")
                                               << QByteArray("k") << QByteArray("d") << QByteArray("");
    QTest::newRow("blank value") << QByteArray("[s]\r\nk= \t \r\n") << QByteArray("s") << QByteArray("k")
                                 << QByteArray("d") << QByteArray("");
    QTest::newRow("name ends at first =") << QByteArray("[s]\r\nk = a=b\r\n") << QByteArray("s")
                                          << QByteArray("k") << QByteArray("d") << QByteArray("a=b");

    QTest::newRow("2047 bytes whole") << QByteArray("[s]\r\nk=" + a2047 + "\r\n") << QByteArray("s")
                                      << QByteArray("k") << QByteArray("d") << a2047;
    QTest::newRow("2048 bytes cut") << QByteArray("[s]\r\nk=" + a2047 + "b\r\n") << QByteArray("s")
                                    << QByteArray("k") << QByteArray("d") << a2047;
    QTest::newRow("multibyte ending at 2047")
        << QByteArray("[s]\r\nk=" + a2044 + zhong + "b\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << QByteArray(a2044 + zhong);
    QTest::newRow("multibyte across 2047, one byte over")
        << QByteArray("[s]\r\nk=" + a2045 + zhong + "\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << a2045;
    QTest::newRow("multibyte across 2047, two bytes over")
        << QByteArray("[s]\r\nk=" + a2046 + zhong + "\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << a2046;
    QTest::newRow("four-byte character across 2047")
        << QByteArray("[s]\r\nk=" + a2045 + "\xF0\x9F\x98\x80\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << a2045;
    QTest::newRow("cut after the quotes go")
        << QByteArray("[s]\r\nk=\"" + a2047 + "\"\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << a2047;
    QTest::newRow("long default cut")
        << QByteArray() << QByteArray("s") << QByteArray("k") << QByteArray(a2046 + zhong) << a2046;
    QTest::newRow("default loses trailing spaces")
        << QByteArray("[s]\r\n") << QByteArray("s") << QByteArray("k") << QByteArray(" d \t  ")
        << QByteArray(" d \t");

    QTest::newRow("CR line ends") << QByteArray("[t]\rk=0\r[s]\rk=v\r") << QByteArray("s") << QByteArray("k")
                                  << QByteArray("d") << QByteArray("v");
    QTest::newRow("LF line ends") << QByteArray("[t]\nk=0\n[s]\nk=v\n") << QByteArray("s") << QByteArray("k")
                                  << QByteArray("d") << QByteArray("v");
    QTest::newRow("mixed line ends") << QByteArray("[t]\n\rk=0\r\n[s]\n\r\rk=v\r\nz=1") << QByteArray("s")
                                     << QByteArray("k") << QByteArray("d") << QByteArray("v");
    QTest::newRow("last line without end") << QByteArray("[s]\r\nk=v") << QByteArray("s") << QByteArray("k")
                                           << QByteArray("d") << QByteArray("v");
    QTest::newRow("BOM spoils the first header")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=v\r\n") << QByteArray("s") << QByteArray("k") << QByteArray("d")
        << QByteArray("d");
    QTest::newRow("BOM leaves later headers")
        << QByteArray("\xEF\xBB\xBF[s]\r\nk=1\r\n[s]\r\nk=2\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << QByteArray("2");
    QTest::newRow("binary junk lines")
        << raw("\0\xFF junk\r\n[s]\r\n\x01\x02\x80\r\nk=v\0w\r\n") << QByteArray("s") << QByteArray("k")
        << QByteArray("d") << raw("v\0w");
}

void TestIniFile::readString() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, ident);
    QFETCH(QByteArray, defaultValue);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QVERIFY(writeFile(path, file));

    QCOMPARE(TIniFile(path).ReadString(section, ident, defaultValue), expected);
}

void TestIniFile::readsDefaultWithoutReadableFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    for (const QString &name : {QStringLiteral("missing.ini"), QStringLiteral("folder.ini")}) {
        const TIniFile ini(dir.filePath(name));
        QCOMPARE(ini.ReadString(Section, "newsurl", "http://default/"), QByteArray("http://default/"));
        QCOMPARE(ini.ReadInteger(Section, "width", 775), 775);
    }
}

void TestIniFile::strToIntDef_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("expected");
    const int d = 7;
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("leading spaces") << QByteArray("  42") << 42;
    QTest::newRow("trailing space") << QByteArray("42 ") << d;
    QTest::newRow("leading tab") << QByteArray("\t42") << d;
    QTest::newRow("trailing letters") << QByteArray("12abc") << d;
    QTest::newRow("fraction") << QByteArray("12.0") << d;
    QTest::newRow("plus") << QByteArray("+5") << 5;
    QTest::newRow("minus") << QByteArray("-5") << -5;
    QTest::newRow("blank after sign") << QByteArray("- 5") << d;
    QTest::newRow("sign alone") << QByteArray("-") << d;
    QTest::newRow("empty") << QByteArray("") << d;
    QTest::newRow("spaces only") << QByteArray("   ") << d;
    QTest::newRow("leading zeros") << QByteArray("000000000009") << 9;
    QTest::newRow("largest") << QByteArray("2147483647") << INT_MAX;
    QTest::newRow("one over largest") << QByteArray("2147483648") << d;
    QTest::newRow("smallest") << QByteArray("-2147483648") << INT_MIN;
    QTest::newRow("one under smallest") << QByteArray("-2147483649") << d;
    QTest::newRow("far too large") << QByteArray("99999999999999999999") << d;
    QTest::newRow("0x") << QByteArray("0x300") << 768;
    QTest::newRow("0X mixed case digits") << QByteArray("0XaBc") << 0xABC;
    QTest::newRow("dollar") << QByteArray("$1f") << 31;
    QTest::newRow("x") << QByteArray("x1F") << 31;
    QTest::newRow("X") << QByteArray("X1f") << 31;
    QTest::newRow("0x alone") << QByteArray("0x") << d;
    QTest::newRow("dollar alone") << QByteArray("$") << d;
    QTest::newRow("hex as bit pattern") << QByteArray("$FFFFFFFF") << -1;
    QTest::newRow("hex top bit") << QByteArray("$80000000") << INT_MIN;
    QTest::newRow("negative hex") << QByteArray("-$10") << -16;
    QTest::newRow("nine hex digits") << QByteArray("$123456789") << d;
    QTest::newRow("leading zero hex digits") << QByteArray("$000000001") << 1;
    QTest::newRow("bad hex digit") << QByteArray("$1g") << d;
}

void TestIniFile::strToIntDef() {
    QFETCH(QByteArray, text);
    QFETCH(int, expected);
    QCOMPARE(StrToIntDef(text, 7), expected);
}

// ReadInteger sees the value after trimming and unquoting.
void TestIniFile::readInteger_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << QByteArray("width=775") << 775;
    QTest::newRow("0x") << QByteArray("width=0x300") << 768;
    QTest::newRow("0X") << QByteArray("width=0X1f") << 31;
    QTest::newRow("0x alone") << QByteArray("width=0x") << -9;
    QTest::newRow("negative 0x") << QByteArray("width=-0x10") << -16;
    QTest::newRow("blanks trimmed") << QByteArray("width = 42 ") << 42;
    QTest::newRow("quoted leading space") << QByteArray("width=\" 42\"") << 42;
    QTest::newRow("quoted trailing space") << QByteArray("width=\"42 \"") << -9;
    QTest::newRow("trailing letters") << QByteArray("width=12abc") << -9;
    QTest::newRow("empty") << QByteArray("width=") << -9;
    QTest::newRow("missing") << QByteArray("height=1") << -9;
}

void TestIniFile::readInteger() {
    QFETCH(QByteArray, line);
    QFETCH(int, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QVERIFY(writeFile(path, "[option]\r\n" + line + "\r\n"));

    QCOMPARE(TIniFile(path).ReadInteger(Section, "width", -9), expected);
}

void TestIniFile::writeString_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QList<QByteArrayList>>("writes"); // section, key, value
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("replaced in place, spelling kept")
        << true << QByteArray("[Option]\r\nNewsURL=http://a/\r\nwidth=1\r\n")
        << QList<QByteArrayList>{{"option", "newsurl", "http://b/"}}
        << QByteArray("[Option]\r\nNewsURL=http://b/\r\nwidth=1\r\n");
    QTest::newRow("replaced line loses its blanks")
        << true << QByteArray("[s]\r\n  Key = old ;x\r\n") << QList<QByteArrayList>{{"s", "key", "new"}}
        << QByteArray("[s]\r\nKey=new\r\n");
    QTest::newRow("only the first key replaced")
        << true << QByteArray("[s]\r\nk=1\r\nK=2\r\n") << QList<QByteArrayList>{{"s", "k", "3"}}
        << QByteArray("[s]\r\nk=3\r\nK=2\r\n");
    QTest::newRow("non-ASCII names matched")
        << true << QByteArray("[Ärger]\r\n网址=旧\r\n") << QList<QByteArrayList>{{"ärger", "网址", "新"}}
        << QByteArray("[Ärger]\r\n网址=新\r\n");
    QTest::newRow("new key after last key, before comments and blanks")
        << true << QByteArray("[s]\r\na=1\r\n\r\n; note\r\n\r\n[t]\r\nx=1\r\n")
        << QList<QByteArrayList>{{"s", "b", "2"}}
        << QByteArray("[s]\r\na=1\r\nb=2\r\n\r\n; note\r\n\r\n[t]\r\nx=1\r\n");
    QTest::newRow("new keys in call order") << true << QByteArray("[s]\r\na=1\r\n; end\r\n")
                                            << QList<QByteArrayList>{{"s", "b", "2"}, {"s", "c", "3"}}
                                            << QByteArray("[s]\r\na=1\r\nb=2\r\nc=3\r\n; end\r\n");
    QTest::newRow("comment between keys stays between")
        << true << QByteArray("[s]\r\na=1\r\n;c\r\nb=1\r\n\r\n") << QList<QByteArrayList>{{"s", "n", "v"}}
        << QByteArray("[s]\r\na=1\r\n;c\r\nb=1\r\nn=v\r\n\r\n");
    QTest::newRow("line without = counts as an entry")
        << true << QByteArray("[s]\r\na=1\r\njunk\r\n\r\n") << QList<QByteArrayList>{{"s", "n", "v"}}
        << QByteArray("[s]\r\na=1\r\njunk\r\nn=v\r\n\r\n");
    QTest::newRow("section without keys")
        << true << QByteArray("[s]\r\n\r\n[t]\r\n") << QList<QByteArrayList>{{"s", "k", "v"}}
        << QByteArray("[s]\r\nk=v\r\n\r\n[t]\r\n");
    QTest::newRow("first block of a section")
        << true << QByteArray("[s]\r\na=1\r\n[S]\r\nb=1\r\n") << QList<QByteArrayList>{{"s", "b", "2"}}
        << QByteArray("[s]\r\na=1\r\nb=2\r\n[S]\r\nb=1\r\n");

    QTest::newRow("new section at the end, no blank line")
        << true << QByteArray("[s]\r\na=1\r\n\r\n") << QList<QByteArrayList>{{"t", "k", "v"}}
        << QByteArray("[s]\r\na=1\r\n\r\n[t]\r\nk=v\r\n");
    QTest::newRow("missing file created")
        << false << QByteArray() << QList<QByteArrayList>{{"option", "key", "value"}}
        << QByteArray("[option]\r\nkey=value\r\n");
    QTest::newRow("empty file") << true << QByteArray() << QList<QByteArrayList>{{"option", "key", "value"}}
                                << QByteArray("[option]\r\nkey=value\r\n");
    QTest::newRow("sections and keys in call order")
        << false << QByteArray() << QList<QByteArrayList>{{"a", "k", "1"}, {"b", "k", "2"}, {"a", "j", "3"}}
        << QByteArray("[a]\r\nk=1\r\nj=3\r\n[b]\r\nk=2\r\n");
    QTest::newRow("keys before any header are not section \"\"")
        << true << QByteArray("k=1\r\n") << QList<QByteArrayList>{{"", "k", "2"}}
        << QByteArray("k=1\r\n[]\r\nk=2\r\n");
    QTest::newRow("value written as given")
        << true << QByteArray("[s]\r\n") << QList<QByteArrayList>{{"s", "k", " \"q\" ;x "}}
        << QByteArray("[s]\r\nk= \"q\" ;x \r\n");

    QTest::newRow("last line gets CRLF, new section")
        << true << QByteArray("[s]\r\na=1") << QList<QByteArrayList>{{"t", "k", "v"}}
        << QByteArray("[s]\r\na=1\r\n[t]\r\nk=v\r\n");
    QTest::newRow("last line gets CRLF, header only")
        << true << QByteArray("[s]") << QList<QByteArrayList>{{"s", "k", "v"}}
        << QByteArray("[s]\r\nk=v\r\n");
    QTest::newRow("LF ends kept, last line gets CRLF")
        << true << QByteArray("[s]\nk=1\nz=2") << QList<QByteArrayList>{{"s", "k", "9"}}
        << QByteArray("[s]\nk=9\nz=2\r\n");
    QTest::newRow("binary and CR-only lines kept")
        << true << raw("\0\xFF\xFE junk\r[s]\rbin\x80\x81\r\n; c\xFF\nk=1\r")
        << QList<QByteArrayList>{{"s", "k", "2"}, {"s", "new", "v"}}
        << raw("\0\xFF\xFE junk\r[s]\rbin\x80\x81\r\n; c\xFF\nk=2\rnew=v\r\n");
    QTest::newRow("BOM line is no header")
        << true << QByteArray("\xEF\xBB\xBF[option]\r\nk=1\r\n")
        << QList<QByteArrayList>{{"option", "k", "2"}}
        << QByteArray("\xEF\xBB\xBF[option]\r\nk=1\r\n[option]\r\nk=2\r\n");
}

void TestIniFile::writeString() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, before);
    QFETCH(QList<QByteArrayList>, writes);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    if (exists)
        QVERIFY(writeFile(path, before));

    TIniFile ini(path);
    for (const QByteArrayList &write : writes) {
        QCOMPARE(write.size(), 3);
        ini.WriteString(write[0], write[1], write[2]);
    }
    QCOMPARE(contentsOf(path), after);
}

void TestIniFile::writeIntegerInDecimal() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    TIniFile ini(path);
    ini.WriteInteger(Section, "left", INT_MIN);
    ini.WriteInteger(Section, "width", 0x300);
    QCOMPARE(contentsOf(path), QByteArray("[option]\r\nleft=-2147483648\r\nwidth=768\r\n"));
}

// Nothing under the shared folder may change: no new file, no temporary file left, no old file touched.
void TestIniFile::writeFailureKeepsEverything_data() {
    QTest::addColumn<QString>("path");
    QVERIFY(m_dir.isValid());
    const QDir dir(m_dir.path());

    QTest::newRow("missing folder") << dir.filePath(QStringLiteral("missing/config.ini"));

    QVERIFY(writeFile(dir.filePath(QStringLiteral("plain")), OldConfig));
    QTest::newRow("file where the folder should be") << dir.filePath(QStringLiteral("plain/config.ini"));

    // Root ignores modes; a folder in the file's place refuses the write all the same.
    QVERIFY(dir.mkpath(QStringLiteral("busy/config.ini")));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("busy/config.ini/keep")), OldConfig));
    QTest::newRow("folder named config.ini") << dir.filePath(QStringLiteral("busy/config.ini"));
}

void TestIniFile::writeFailureKeepsEverything() {
    QFETCH(QString, path);
    const QMap<QString, QByteArray> before = snapshot(m_dir.path());

    TIniFile ini(path);
    QCOMPARE(writeErrorOf([&] { ini.WriteString(Section, "newsurl", "http://new/"); }), unableToWrite(path));
    QCOMPARE(writeErrorOf([&] { ini.WriteInteger(Section, "width", 1); }), unableToWrite(path));
    QCOMPARE(snapshot(m_dir.path()), before);
}

void TestIniFile::relativeNameReportedInFull() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString startDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    const QString expected = unableToWrite(QDir::current().filePath(QStringLiteral("missing/config.ini")));
    TIniFile ini(QStringLiteral("missing/config.ini"));
    const QString message = writeErrorOf([&] { ini.WriteString(Section, "newsurl", "http://new/"); });
    QVERIFY(QDir::setCurrent(startDir));

    QCOMPARE(ini.fileName(), QStringLiteral("missing/config.ini"));
    QCOMPARE(message, expected);
}

// The modes only bind an unprivileged user: as root the write runs as "nobody".
void TestIniFile::unprivilegedFailureKeepsOldFile_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode");
    QTest::newRow("read-only folder") << 0555 << 0644;
    // Replacing it would lose every entry we could not read.
    QTest::newRow("unreadable file in a writable folder") << 0777 << 0222;
}

void TestIniFile::unprivilegedFailureKeepsOldFile() {
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("settings"));
    const QString path = folder + QStringLiteral("/config.ini");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("settings")));
    QVERIFY(writeFile(path, OldConfig));
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(fileMode)), 0);
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)), 0);

    const int status = exitStatusUnprivileged([&] {
        const QString message =
            writeErrorOf([&] { TIniFile(path).WriteString(Section, "newsurl", "http://new/"); });
        return message == unableToWrite(path) ? 0 : 1;
    });
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(path).constData(), 0644);
    if (status == SetIdFailed)
        QSKIP("cannot become an unprivileged user here");

    QCOMPARE(status, 0);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("config.ini")});
    QCOMPARE(contentsOf(path), OldConfig);
}

// A file size limit stops the new file midway, as a full disk would.
void TestIniFile::cutShortWriteKeepsOldFile() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    QVERIFY(writeFile(path, OldConfig));
    const QMap<QString, QByteArray> before = snapshot(dir.path());

    rlimit saved{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    const bool isLimited = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    const QString message =
        writeErrorOf([&] { TIniFile(path).WriteString(Section, "newsurl", QByteArray(64 * 1024, 'n')); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    QVERIFY(isLimited);
    QCOMPARE(message, unableToWrite(path));
    QCOMPARE(snapshot(dir.path()), before);
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
