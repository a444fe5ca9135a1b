#include "html_view/html_engine.h"
#include "html_view/engine_profile.h"

#include "code_page/code_page.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

void prepareHtmlEngine()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QWebEngineProfile *engineProfile()
{
    // Off the record: nothing of the engine's is kept outside the program's folder.
    static QWebEngineProfile *profile = [] {
        auto *p = new QWebEngineProfile(QCoreApplication::instance());
        p->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
        p->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        QWebEngineSettings *s = p->settings();
        // Pages that declare no character set are in the system code page, like our local pages.
        s->setDefaultTextEncoding(QString::fromLatin1(systemCodePageName()));
        // A reader of remote pages: no plugins, no local files for remote pages, no mixed content.
        s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
        s->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        s->setAttribute(QWebEngineSettings::AllowRunningInsecureContent, false);
        s->setAttribute(QWebEngineSettings::AllowGeolocationOnInsecureOrigins, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
        s->setAttribute(QWebEngineSettings::AllowWindowActivationFromJavaScript, false);
        s->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
        s->setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);
        s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        s->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
        s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
        // A headline pane has no use for the site's icon; not asking saves a request per page.
        s->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
        // Failed loads show our own error page, not the engine's.
        s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
        s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
        return p;
    }();
    return profile;
}
