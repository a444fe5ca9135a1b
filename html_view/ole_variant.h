#pragma once
// Late-bound access to the HTML view's automation objects: properties are read and set by
// name, and a call on something that is not an object fails with an error.
#include <QString>
#include <memory>
#include <variant>

class OleVariant;

class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    // Throws EOleError for a name the object does not know.
    virtual OleVariant getProperty(const QString &name) = 0;
    virtual void setProperty(const QString &name, const OleVariant &value) = 0;
};

class OleVariant {
public:
    OleVariant() = default; // empty: no object
    OleVariant(const QString &text) : m_value(text) {}
    OleVariant(const char *text) : m_value(QString::fromUtf8(text)) {}
    OleVariant(std::shared_ptr<AutomationObject> object) : m_value(std::move(object)) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
    bool isObject() const;
    AutomationObject *object() const;
    QString toString() const;

    // Late-bound calls by name; throw EOleError when this is not an object.
    OleVariant get(const QString &name) const;
    void set(const QString &name, const OleVariant &value) const;

private:
    AutomationObject &requireObject() const;

    std::variant<std::monostate, QString, std::shared_ptr<AutomationObject>> m_value;
};
