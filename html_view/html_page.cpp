#include "html_view/html_page.h"

#include <QRandomGenerator>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {
const QString kScriptName = QStringLiteral("lumora-frame-report");

// Changes every run; the report script runs in a world of its own, out of the pages' reach.
const QString &reportToken()
{
    static const QString token = QStringLiteral("\x01lumora:%1:")
                                     .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    return token;
}

QString frameReportSource()
{
    return QStringLiteral(R"JS(
(function () {
  var token = %1;
  function report(event) {
    console.log(token + JSON.stringify({event: event, top: window === window.top,
                                        body: !!document.body, url: String(location.href)}));
  }
  // The old scroll="no" body attribute, which the engine ignores, hides the scroll bars.
  var body = document.body;
  if (body && String(body.getAttribute('scroll') || '').toLowerCase() === 'no') {
    document.documentElement.style.setProperty('overflow', 'hidden', 'important');
    body.style.setProperty('overflow', 'hidden', 'important');
  }
  report('ready');
  if (document.readyState === 'complete') report('load');
  else window.addEventListener('load', function () { report('load'); });
})();
)JS")
        .arg(QStringLiteral("\"%1\"").arg(QString(reportToken()).replace(QLatin1Char('\x01'), QStringLiteral("\\u0001"))));
}
} // namespace

HtmlPage::HtmlPage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setSourceCode(frameReportSource());
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(true);
    scripts().insert(script);

    connect(this, &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl &origin, Feature feature) {
                setFeaturePermission(origin, feature, PermissionDeniedByUser);
            });
}

void HtmlPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int,
                                        const QString &)
{
    if (message.startsWith(reportToken()))
        emit frameReport(message.mid(reportToken().size()));
}
