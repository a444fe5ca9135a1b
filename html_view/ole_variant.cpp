#include "html_view/ole_variant.h"

#include "application/errors.h"

bool OleVariant::isObject() const
{
    auto *object = std::get_if<std::shared_ptr<AutomationObject>>(&m_value);
    return object && *object;
}

AutomationObject *OleVariant::object() const
{
    return isObject() ? std::get<std::shared_ptr<AutomationObject>>(m_value).get() : nullptr;
}

QString OleVariant::toString() const
{
    if (auto *text = std::get_if<QString>(&m_value))
        return *text;
    return {};
}

AutomationObject &OleVariant::requireObject() const
{
    if (!isObject())
        throw EOleError(QStringLiteral("Invalid variant operation"));
    return *object();
}

OleVariant OleVariant::get(const QString &name) const
{
    return requireObject().getProperty(name);
}

void OleVariant::set(const QString &name, const OleVariant &value) const
{
    requireObject().setProperty(name, value);
}
