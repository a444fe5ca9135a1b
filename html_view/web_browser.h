#pragma once
// The HTML view control: one embedded browser pane. The engine itself stays behind this class;
// nothing else in the program sees it.
#include "html_view/ole_variant.h"

#include <QList>
#include <QUrl>
#include <QWidget>
#include <memory>

class QTimer;
class QWebEngineView;
class QWebEngineNewWindowRequest;
class QWebEngineLoadingInfo;
class QWebEngineDownloadRequest;
class HtmlPage;
class BrowserObject;
class PageSaver;

enum OLECMDID { OLECMDID_SAVEAS = 4 };
enum OLECMDEXECOPT { OLECMDEXECOPT_DODEFAULT = 0 };

class TWebBrowser : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool scriptPopupsAllowed READ scriptPopupsAllowed WRITE setScriptPopupsAllowed)

public:
    explicit TWebBrowser(QWidget *parent = nullptr);
    ~TWebBrowser() override;

    // Starts loading an absolute URL or a full local file path; returns at once.
    void Navigate(const QString &url);

    // The view's top-level automation object; "Document", its "body" and the body's "Scroll"
    // are reached from it by name.
    OleVariant Application();

    // OLECMDID_SAVEAS shows the save dialog for the shown document. Throws EOleError on failure.
    void ExecWB(OLECMDID cmdId, OLECMDEXECOPT cmdExecOpt);

    // Pop-ups that scripts open outside a user's click reach OnNewWindow2 only when allowed.
    bool scriptPopupsAllowed() const { return m_scriptPopupsAllowed; }
    void setScriptPopupsAllowed(bool allowed);

    // A load that has not finished after this long is abandoned and shows the error page.
    void setLoadTimeout(int milliseconds);

    // The process that renders the pane's page, or 0.
    qint64 rendererProcessId() const;

signals:
    // Every navigation asked of the pane through Navigate, as the address it was formed into.
    void navigationRequested(const QUrl &url);
    void OnTitleChange(const QString &text);
    // Raised for every document that finishes loading: top documents, frames and error pages.
    void OnDocumentComplete(const OleVariant &pDisp, const QString &url);
    // Connect directly: the handler fills in the view that is to receive the new window, or
    // sets the cancel flag. Left empty, the request gets the default handling (the desktop's browser).
    void OnNewWindow2(OleVariant &ppDisp, bool &cancel);
    // A save that ExecWB started finishes after it returns; a failure is told here.
    void SaveCompleted(const QString &path);
    void SaveFailed(const QString &message);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class BrowserObject;
    friend class DocumentObject;
    friend class BodyObject;
    friend class PageSaver;

    void startEngine();
    void load(const QUrl &url);
    void onLoadingChanged(const QWebEngineLoadingInfo &info);
    void onFrameReport(const QString &json);
    void onNewWindowRequested(QWebEngineNewWindowRequest &request);
    void onRendererGone();
    void onDownloadRequested(QWebEngineDownloadRequest *download);
    void showErrorPage(const QUrl &failedUrl, const QString &reason);
    void hideScrollBars();
    bool hasDocument() const { return m_document.loaded; }
    bool hasBody() const { return m_document.hasBody; }

    QWebEngineView *m_view = nullptr;
    HtmlPage *m_page = nullptr;
    QList<QUrl> m_pendingLoads;
    bool m_scriptPopupsAllowed = false;
    bool m_waitingForFirstPaint = false;
    QTimer *m_loadTimer = nullptr;
    QUrl m_errorPageFor;
    std::shared_ptr<BrowserObject> m_application;
    std::unique_ptr<PageSaver> m_saver;

    // What is known of the top document shown now.
    struct DocumentState {
        bool loaded = false;
        bool hasBody = false;
    } m_document;
};
