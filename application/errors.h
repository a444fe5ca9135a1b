#pragma once
// The error types that handlers raise. The standard error report shows message().
#include <QString>
#include <exception>

class Exception : public std::exception {
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_what(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    QString m_message;
    QByteArray m_what;
};

// A file could not be created, written or closed; the text is the runtime's.
class EInOutError : public Exception {
public:
    EInOutError(QString message, int errorCode) : Exception(std::move(message)), m_errorCode(errorCode) {}
    int errorCode() const noexcept { return m_errorCode; }

private:
    int m_errorCode;
};

// The settings store could not write its file.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// A late-bound call on an HTML view object, or a view command, failed.
class EOleError : public Exception {
public:
    using Exception::Exception;
};
