#pragma once

#include <QString>

#include <stdexcept>

// Errors raised by the FTP client. what() is UTF-8.

// A socket, name lookup or time-bound failure on the control or data connection.
class ESockError : public std::runtime_error {
public:
    explicit ESockError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// The server refused a command; the text is the first line of its reply.
class FTPException : public std::runtime_error {
public:
    explicit FTPException(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// A local file could not be opened, measured or read.
class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// Text of the plain error raised when a command starts without a control connection.
inline constexpr const char* NotConnectedText = "Not Connected";
