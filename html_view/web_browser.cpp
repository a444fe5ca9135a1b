#include "html_view/web_browser.h"

#include "application/errors.h"
#include "html_view/browser_automation.h"
#include "html_view/engine_profile.h"
#include "html_view/error_page.h"
#include "html_view/html_page.h"
#include "html_view/page_saver.h"

#include <QDesktopServices>
#include <QEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {
constexpr int kDefaultLoadTimeoutMs = 30000;
constexpr int kLatestEngineStartMs = 1000;

// Addresses a pane may hand to the desktop; anything else stays inside the reader.
bool isSafeForDesktop(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
           scheme == QLatin1String("mailto");
}
} // namespace

TWebBrowser::TWebBrowser(QWidget *parent)
    : QWidget(parent), m_loadTimer(new QTimer(this)), m_application(std::make_shared<BrowserObject>(this)),
      m_saver(std::make_unique<PageSaver>(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_loadTimer->setSingleShot(true);
    m_loadTimer->setInterval(kDefaultLoadTimeoutMs);
    // Loading the error page replaces the load that takes too long; stopping it first would
    // cancel the error page as well.
    connect(m_loadTimer, &QTimer::timeout, this, [this] {
        showErrorPage(m_page->requestedUrl(), QStringLiteral("服务器没有在规定时间内响应。"));
    });
}

TWebBrowser::~TWebBrowser()
{
    // The view does not own its page; both must go before the shared profile does.
    delete m_view;
    delete m_page;
}

void TWebBrowser::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_view || m_waitingForFirstPaint)
        return;
    // The engine starts once the window has been painted for the first time, so the window never
    // waits for it. Should no paint come (a window shown minimised), it starts a little later.
    m_waitingForFirstPaint = true;
    window()->installEventFilter(this);
    QTimer::singleShot(kLatestEngineStartMs, this, &TWebBrowser::startEngine);
}

bool TWebBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched == window() && m_waitingForFirstPaint) {
        // The paint is under way; the engine comes up right after it.
        QTimer::singleShot(0, this, &TWebBrowser::startEngine);
    }
    return QWidget::eventFilter(watched, event);
}

void TWebBrowser::startEngine()
{
    if (m_waitingForFirstPaint) {
        m_waitingForFirstPaint = false;
        window()->removeEventFilter(this);
    }
    if (m_view)
        return;
    m_page = new HtmlPage(engineProfile(), nullptr);
    m_page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, m_scriptPopupsAllowed);
    m_view = new QWebEngineView(this);
    m_view->setPage(m_page);
    layout()->addWidget(m_view);

    connect(m_page, &QWebEnginePage::titleChanged, this, &TWebBrowser::OnTitleChange);
    connect(m_page, &QWebEnginePage::loadingChanged, this, &TWebBrowser::onLoadingChanged);
    connect(m_page, &HtmlPage::frameReport, this, &TWebBrowser::onFrameReport);
    connect(m_page, &QWebEnginePage::newWindowRequested, this, &TWebBrowser::onNewWindowRequested);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, [this](auto status, int) {
        if (status != QWebEnginePage::NormalTerminationStatus)
            QTimer::singleShot(0, this, &TWebBrowser::onRendererGone);
    });
    m_saver->attach(m_page);
    connect(m_saver.get(), &PageSaver::saveFinished, this, &TWebBrowser::SaveCompleted);
    connect(m_saver.get(), &PageSaver::saveFailed, this, &TWebBrowser::SaveFailed);
    connect(engineProfile(), &QWebEngineProfile::downloadRequested, this, &TWebBrowser::onDownloadRequested);

    const QList<QUrl> pending = std::exchange(m_pendingLoads, {});
    for (const QUrl &url : pending)
        load(url);
}

void TWebBrowser::setScriptPopupsAllowed(bool allowed)
{
    m_scriptPopupsAllowed = allowed;
    if (m_page)
        m_page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, allowed);
}

void TWebBrowser::setLoadTimeout(int milliseconds)
{
    m_loadTimer->setInterval(milliseconds);
}

void TWebBrowser::Navigate(const QString &url)
{
    // Full local paths become file addresses; anything else is formed as the engine would.
    const QUrl address = QUrl::fromUserInput(url);
    emit navigationRequested(address);
    load(address);
}

qint64 TWebBrowser::rendererProcessId() const
{
    return m_page ? m_page->renderProcessPid() : 0;
}

void TWebBrowser::load(const QUrl &url)
{
    if (!m_view) {
        m_pendingLoads.append(url);
        return;
    }
    m_errorPageFor.clear();
    if (!url.isValid()) {
        showErrorPage(url, QStringLiteral("地址无效。"));
        return;
    }
    m_page->load(url);
}

OleVariant TWebBrowser::Application()
{
    return OleVariant(std::static_pointer_cast<AutomationObject>(m_application));
}

void TWebBrowser::ExecWB(OLECMDID cmdId, OLECMDEXECOPT)
{
    if (cmdId != OLECMDID_SAVEAS)
        throw EOleError(QStringLiteral("网页不支持命令 %1").arg(int(cmdId)));
    if (!m_page || !m_document.loaded)
        throw EOleError(QStringLiteral("没有可保存的网页。"));
    m_saver->saveAs();
}

void TWebBrowser::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        m_document = {};
        m_loadTimer->start();
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        m_loadTimer->stop();
        break;
    case QWebEngineLoadingInfo::LoadSucceededStatus: {
        m_loadTimer->stop();
        m_document.loaded = true;
        const QUrl shown = info.url().scheme() == QLatin1String("data") && !m_errorPageFor.isEmpty()
                               ? m_errorPageFor
                               : info.url();
        emit OnDocumentComplete(Application(), shown.toString());
        break;
    }
    case QWebEngineLoadingInfo::LoadFailedStatus:
        m_loadTimer->stop();
        // A server's own error page (404, 500) is a document like any other and shows as it came.
        if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) {
            m_document.loaded = true;
            emit OnDocumentComplete(Application(), info.url().toString());
            break;
        }
        // An aborted load was replaced by another navigation, which reports for itself.
        if (info.errorDomain() == QWebEngineLoadingInfo::InternalErrorDomain ||
            (info.errorDomain() == QWebEngineLoadingInfo::ConnectionErrorDomain && info.errorCode() == -3))
            break;
        showErrorPage(info.url(), info.errorString());
        break;
    }
}

void TWebBrowser::onFrameReport(const QString &json)
{
    const QJsonObject report = QJsonDocument::fromJson(json.toUtf8()).object();
    const bool top = report.value(QLatin1String("top")).toBool();
    if (top) {
        // The top document exists from the moment it is parsed, before its frames have loaded.
        m_document.loaded = true;
        m_document.hasBody = report.value(QLatin1String("body")).toBool();
        return;
    }
    // The engine reports no frame loads of its own; the frame's script does.
    if (report.value(QLatin1String("event")).toString() == QLatin1String("load"))
        emit OnDocumentComplete(OleVariant(std::make_shared<FrameObject>()),
                                report.value(QLatin1String("url")).toString());
}

void TWebBrowser::onNewWindowRequested(QWebEngineNewWindowRequest &request)
{
    // A script address would run in whatever the receiving pane shows, and a remote page has no
    // business opening local files: such windows are not opened at all.
    const QString scheme = request.requestedUrl().scheme().toLower();
    if (scheme == QLatin1String("javascript") ||
        (scheme == QLatin1String("file") && !m_page->url().isLocalFile()))
        return;
    OleVariant target;
    bool cancel = false;
    emit OnNewWindow2(target, cancel);
    if (cancel)
        return;
    auto *receiver = dynamic_cast<BrowserObject *>(target.object());
    if (receiver && receiver->browser()) {
        TWebBrowser *pane = receiver->browser();
        pane->startEngine();
        pane->m_errorPageFor.clear();
        request.openIn(pane->m_page);
        return;
    }
    if (isSafeForDesktop(request.requestedUrl()))
        QDesktopServices::openUrl(request.requestedUrl());
}

void TWebBrowser::onDownloadRequested(QWebEngineDownloadRequest *download)
{
    // A document the pane cannot show (a PDF, an archive) is not downloaded behind the user's back.
    if (download->isSavePageDownload() || download->page() != m_page)
        return;
    const QUrl url = download->url();
    download->cancel();
    showErrorPage(url, QStringLiteral("阅读器无法显示这种类型的文件。"));
}

void TWebBrowser::onRendererGone()
{
    showErrorPage(m_page->requestedUrl(), QStringLiteral("显示此网页的进程意外终止。"));
}

void TWebBrowser::showErrorPage(const QUrl &failedUrl, const QString &reason)
{
    m_loadTimer->stop();
    m_errorPageFor = failedUrl.isEmpty() ? QUrl(QStringLiteral("about:blank")) : failedUrl;
    m_page->setHtml(errorPageHtml(failedUrl, reason));
}

void TWebBrowser::hideScrollBars()
{
    if (!m_page)
        return;
    m_page->runJavaScript(QStringLiteral(
                              "(function(){var b=document.body;if(!b)return;b.setAttribute('scroll','no');"
                              "document.documentElement.style.setProperty('overflow','hidden','important');"
                              "b.style.setProperty('overflow','hidden','important');})()"),
                          QWebEngineScript::ApplicationWorld);
}
