// Articles: every new window of the headline pane opens in the article pane; the save icon saves it.
#include "error_box_catcher.h"
#include "news_site_fixture.h"
#include "reader_fixture.h"
#include "test_main.h"

#include "html_view/web_browser.h"
#include "main_window/category_table.h"
#include "main_window/run_state.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

namespace {

// The widget of a pane that takes the mouse: the engine's view inside it.
QWidget *mouseTarget(QWidget *pane)
{
    QWidget *view = pane->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    return view && view->focusProxy() ? view->focusProxy() : view;
}

QByteArray article(const QByteArray &name)
{
    return "<html><head><meta charset='utf-8'><title>" + name + "</title></head><body><h1>" + name +
           "</h1><p>今日要闻 " + name + "</p><img src='pic.png'></body></html>";
}

// A link or button over the whole pane, so that a click anywhere opens it.
QByteArray wholePane(const QByteArray &element)
{
    return "<title>vorn</title><body style='margin:0'>" + element + "</body>";
}

// Answers the save dialog: picks the file type and name, or cancels.
class SaveDialogDriver : public QObject {
public:
    SaveDialogDriver(const QString &path, int filterIndex) : m_path(path), m_filterIndex(filterIndex)
    {
        connect(&m_timer, &QTimer::timeout, this, &SaveDialogDriver::poll);
        m_timer.start(30);
    }
    QString title, suggestedName;
    QStringList filters;
    bool answered = false;

private:
    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || answered)
            return;
        answered = true;
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            suggestedName = edit->text();
        if (m_filterIndex < 0) {
            dialog->reject();
            return;
        }
        // As a user does: pick the file type, then type the full name.
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        types->setCurrentIndex(m_filterIndex);
        emit types->activated(m_filterIndex);
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(m_path);
        QMetaObject::invokeMethod(dialog, "accept");
    }

    QTimer m_timer;
    QString m_path;
    int m_filterIndex;
};
} // namespace

class ArticlePaneTest : public QObject {
    Q_OBJECT

public slots:
    void openExternally(const QUrl &url) { m_external << url; }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void newWindowsOpenInTheArticlePane_data();
    void newWindowsOpenInTheArticlePane();
    void secondArticleReplacesTheFirst();
    void popupStormEndsWithTheLast();
    void localAddressesAreNotOpened_data();
    void localAddressesAreNotOpened();
    void articlePaneNewWindowGoesToTheDesktop();
    void saveBeforeAnyArticle();
    void saveInEachFormat_data();
    void saveInEachFormat();
    void cancelledSaveIsNoError();
    void failingSaveIsReported();

private:
    void showHeadlines(const QByteArray &page);
    bool waitForArticle(const QString &name, int timeoutMs = 15000);
    QString web2Shows() const;

    std::unique_ptr<NewsSiteFixture> m_site;
    std::unique_ptr<ReaderFixture> m_reader;
    QList<QUrl> m_external;
    int m_category = 1;
};

void ArticlePaneTest::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openExternally");
    m_site = std::make_unique<NewsSiteFixture>();
    for (const char *name : {"a1", "a2", "a3"})
        m_site->writePage(QStringLiteral("%1.htm").arg(name), article(name));
    for (int i = 0; i < 100; ++i)
        m_site->writePage(QStringLiteral("p%1.htm").arg(i), article("p" + QByteArray::number(i)));
    m_site->writePage("pic.png", QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8BQDwAEhQGAhKmMIQAAAABJRU5ErkJggg=="));
    m_reader = std::make_unique<ReaderFixture>();
    m_reader->start();
    QVERIFY(m_reader->waitForBothPanes());
}

void ArticlePaneTest::cleanupTestCase()
{
    m_reader.reset();
    m_site.reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void ArticlePaneTest::init()
{
    m_external.clear();
}

QString ArticlePaneTest::web2Shows() const
{
    const QSignalSpy &spy = m_reader->web2Completions();
    return spy.isEmpty() ? QString() : spy.last().at(1).toString();
}

bool ArticlePaneTest::waitForArticle(const QString &name, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!web2Shows().endsWith(QLatin1Char('/') + name + QStringLiteral(".htm")) && !deadline.hasExpired())
        QTest::qWait(20);
    return web2Shows().endsWith(QLatin1Char('/') + name + QStringLiteral(".htm"));
}

// Shows a headline page in the headline pane through a category of its own.
void ArticlePaneTest::showHeadlines(const QByteArray &page)
{
    m_category = m_category % 11 + 1;
    const char *name = CategoryTable[m_category - 1].pageName;
    m_site->writePage(QString::fromLatin1(name), page);
    QSignalSpy completions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    QTest::mouseClick(m_reader->selector(m_category), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty() &&
                                 completions.last().at(1).toString().endsWith(QLatin1String(name)),
                             15000);
    QTest::qWait(200);
}

void ArticlePaneTest::newWindowsOpenInTheArticlePane_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("click");
    QTest::newRow("target=_blank") << wholePane("<a href='a1.htm' target='_blank' style='display:block;height:145px'>x</a>")
                                   << true;
    QTest::newRow("window.open on click")
        << wholePane("<div onclick=\"window.open('a1.htm')\" style='height:145px'>x</div>") << true;
    QTest::newRow("window.open on load") << wholePane("<script>window.open('a1.htm')</script>x") << false;
}

void ArticlePaneTest::newWindowsOpenInTheArticlePane()
{
    QFETCH(QByteArray, page);
    QFETCH(bool, click);
    const int windowsBefore = QApplication::topLevelWidgets().size();
    m_site->writePage("a1.htm", article("a1"));
    m_reader->web2()->Navigate(m_reader->path("temp.htm"));
    QTRY_VERIFY(web2Shows().endsWith(QLatin1String("temp.htm")));
    showHeadlines(page);
    QSignalSpy headlineCompletions(m_reader->web1(), &TWebBrowser::OnDocumentComplete);
    if (click)
        QTest::mouseClick(mouseTarget(m_reader->web1()), Qt::LeftButton, {}, QPoint(100, 60));
    QVERIFY(waitForArticle("a1"));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(headlineCompletions.isEmpty()); // the headline pane stays where it was
    QVERIFY(m_external.isEmpty());
}

void ArticlePaneTest::secondArticleReplacesTheFirst()
{
    showHeadlines(wholePane("<a id=a href='a2.htm' target='_blank' style='display:block;height:70px'>2</a>"
                            "<a href='a3.htm' target='_blank' style='display:block;height:70px'>3</a>"));
    QTest::mouseClick(mouseTarget(m_reader->web1()), Qt::LeftButton, {}, QPoint(100, 30));
    QVERIFY(waitForArticle("a2"));
    QTest::mouseClick(mouseTarget(m_reader->web1()), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(waitForArticle("a3"));
}

void ArticlePaneTest::popupStormEndsWithTheLast()
{
    const int windowsBefore = QApplication::topLevelWidgets().size();
    showHeadlines(wholePane("<script>for (var i = 0; i < 100; ++i) window.open('p' + i + '.htm');</script>storm"));
    QVERIFY(waitForArticle("p99", 30000));
    QTest::qWait(1000);
    QVERIFY(web2Shows().endsWith(QLatin1String("/p99.htm")));
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    // Still responsive: a category click is carried out at once.
    m_site->clearRequests();
    showHeadlines(wholePane("calm"));
}

void ArticlePaneTest::localAddressesAreNotOpened_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::newRow("file") << QByteArray("file:///etc/hostname");
    QTest::newRow("javascript") << QByteArray("javascript:document.title='opened'");
}

void ArticlePaneTest::localAddressesAreNotOpened()
{
    QFETCH(QByteArray, address);
    m_reader->web2()->Navigate(m_reader->path("temp.htm"));
    QTRY_VERIFY(web2Shows().endsWith(QLatin1String("temp.htm")));
    QTest::qWait(300);
    QSignalSpy completions(m_reader->web2(), &TWebBrowser::OnDocumentComplete);
    QSignalSpy titles(m_reader->web2(), &TWebBrowser::OnTitleChange);
    showHeadlines(wholePane("<a href=\"" + address + "\" target='_blank' style='display:block;height:145px'>x</a>"));
    QTest::mouseClick(mouseTarget(m_reader->web1()), Qt::LeftButton, {}, QPoint(100, 60));
    QTest::qWait(1500);
    // Nothing local or scripted reaches the article pane (the engine may show a blocked blank page).
    for (const QList<QVariant> &completion : completions) {
        const QString url = completion.at(1).toString();
        QVERIFY2(!url.startsWith(QLatin1String("file:")) && !url.startsWith(QLatin1String("javascript:")),
                 qPrintable(url));
    }
    for (const QList<QVariant> &title : titles)
        QVERIFY(title.at(0).toString() != QLatin1String("opened"));
    QVERIFY(m_external.isEmpty());
}

void ArticlePaneTest::articlePaneNewWindowGoesToTheDesktop()
{
    m_site->writePage("a1.htm", wholePane("<a href='http://127.0.0.1:9/elsewhere.htm' target='_blank' "
                                          "style='display:block;height:270px'>out</a>"));
    showHeadlines(wholePane("<script>window.open('a1.htm')</script>"));
    QVERIFY(waitForArticle("a1"));
    QTest::qWait(300);
    const qsizetype articles = m_reader->web2Completions().size();
    QTest::mouseClick(mouseTarget(m_reader->web2()), Qt::LeftButton, {}, QPoint(100, 60));
    QTRY_COMPARE_WITH_TIMEOUT(m_external, QList<QUrl>{QUrl("http://127.0.0.1:9/elsewhere.htm")}, 10000);
    QTest::qWait(500);
    QCOMPARE(m_reader->web2Completions().size(), articles);
    m_site->writePage("a1.htm", article("a1"));
}

void ArticlePaneTest::saveBeforeAnyArticle()
{
    ReaderFixture reader;
    reader.start();
    QVERIFY(reader.waitForBothPanes());
    const QString target = reader.path("saved.htm");
    SaveDialogDriver driver(target, 2);
    QSignalSpy saved(reader.web2(), &TWebBrowser::SaveCompleted);
    QTest::mouseClick(reader.form()->ui()->Image1, Qt::LeftButton);
    QVERIFY(driver.answered);
    QCOMPARE(driver.title, QString("保存网页"));
    QCOMPARE(driver.suggestedName, QString("vorn.htm"));
    QCOMPARE(driver.filters, (QStringList{"网页，全部 (*.htm;*.html)", "Web 档案，单一文件 (*.mht)",
                                          "网页，仅 HTML (*.htm;*.html)", "文本文件 (*.txt)"}));
    QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 15000);
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("#1453BA"));
}

void ArticlePaneTest::saveInEachFormat_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("resources");
    QTest::newRow("complete") << 0 << "complete.htm" << QByteArray("今日要闻 a1") << "complete_files";
    QTest::newRow("archive") << 1 << "archive" << QByteArray("MIME-Version") << "";
    QTest::newRow("html only") << 2 << "single.html" << QByteArray("今日要闻 a1") << "";
    QTest::newRow("text") << 3 << "text" << QByteArray("今日要闻 a1") << "";
}

void ArticlePaneTest::saveInEachFormat()
{
    QFETCH(int, filter);
    QFETCH(QString, name);
    QFETCH(QByteArray, expected);
    QFETCH(QString, resources);
    showHeadlines(wholePane("<script>window.open('a1.htm')</script>"));
    QVERIFY(waitForArticle("a1"));
    QTemporaryDir folder;
    SaveDialogDriver driver(folder.filePath(name), filter);
    QSignalSpy saved(m_reader->web2(), &TWebBrowser::SaveCompleted);
    ErrorBoxCatcher boxes;
    QTest::mouseClick(m_reader->form()->ui()->Image1, Qt::LeftButton);
    QVERIFY(driver.answered);
    QCOMPARE(driver.suggestedName, QString("a1.htm"));
    QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 15000);
    QVERIFY(boxes.texts().isEmpty());
    const QString path = saved.first().at(0).toString();
    QVERIFY(path.startsWith(folder.path()));
    const QString suffix = QStringList{"htm", "mht", "html", "txt"}.at(filter);
    QVERIFY2(path.endsWith(suffix), qPrintable(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY2(bytes.contains(expected), bytes.left(300).constData());
    if (!resources.isEmpty())
        QVERIFY(QFileInfo(folder.filePath(resources)).isDir());
}

void ArticlePaneTest::cancelledSaveIsNoError()
{
    SaveDialogDriver driver(QString(), -1);
    ErrorBoxCatcher boxes;
    QTest::mouseClick(m_reader->form()->ui()->Image1, Qt::LeftButton);
    QVERIFY(driver.answered);
    QTest::qWait(300);
    QVERIFY(boxes.texts().isEmpty());
}

void ArticlePaneTest::failingSaveIsReported()
{
    // A folder nobody can create files in, root included.
    SaveDialogDriver driver(QStringLiteral("/proc/lumora-save.htm"), 2);
    ErrorBoxCatcher boxes;
    QTest::mouseClick(m_reader->form()->ui()->Image1, Qt::LeftButton);
    QTRY_COMPARE(boxes.texts().size(), 1);
    QVERIFY(boxes.texts().first().startsWith("无法保存网页"));
    QVERIFY(!QFile::exists(QStringLiteral("/proc/lumora-save.htm")));
}

LUMORA_TEST_MAIN(ArticlePaneTest)
#include "tst_article_pane.moc"
