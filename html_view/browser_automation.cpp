#include "html_view/browser_automation.h"

#include "application/errors.h"
#include "html_view/web_browser.h"

namespace {
[[noreturn]] void unknownName(const QString &name)
{
    throw EOleError(QStringLiteral("Unknown name: %1").arg(name));
}

bool is(const QString &name, const char *expected)
{
    return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}
} // namespace

OleVariant BrowserObject::getProperty(const QString &name)
{
    if (is(name, "Document")) {
        if (!m_browser || !m_browser->hasDocument())
            return {};
        return OleVariant(std::make_shared<DocumentObject>(m_browser));
    }
    if (is(name, "Application"))
        return m_browser ? m_browser->Application() : OleVariant();
    unknownName(name);
}

void BrowserObject::setProperty(const QString &name, const OleVariant &)
{
    unknownName(name);
}

OleVariant DocumentObject::getProperty(const QString &name)
{
    if (is(name, "body")) {
        if (!m_browser || !m_browser->hasBody())
            return {};
        return OleVariant(std::make_shared<BodyObject>(m_browser));
    }
    unknownName(name);
}

void DocumentObject::setProperty(const QString &name, const OleVariant &)
{
    unknownName(name);
}

OleVariant BodyObject::getProperty(const QString &name)
{
    unknownName(name);
}

void BodyObject::setProperty(const QString &name, const OleVariant &value)
{
    if (!is(name, "Scroll"))
        unknownName(name);
    // The engine ignores the old scroll attribute; "no" is carried out as hidden overflow.
    if (m_browser && value.toString().compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
        m_browser->hideScrollBars();
}

OleVariant FrameObject::getProperty(const QString &name)
{
    unknownName(name);
}

void FrameObject::setProperty(const QString &name, const OleVariant &)
{
    unknownName(name);
}
