#pragma once
// The failure that public members of the component's classes report to their
// caller, the stand-in for a COM error: an HRESULT-style code and a message.

#include <QString>

#include <cstdint>
#include <exception>

namespace ky {

using HResult = std::int32_t;

namespace hresult {
inline constexpr HResult ok = 0;
inline constexpr HResult falseResult = 1;
inline constexpr HResult fail = static_cast<HResult>(0x80004005u);
inline constexpr HResult noInterface = static_cast<HResult>(0x80004002u);
inline constexpr HResult pointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult invalidArgument = static_cast<HResult>(0x80070057u);
inline constexpr HResult classNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult classNotRegistered = static_cast<HResult>(0x80040154u);
inline constexpr HResult registrationFailed = static_cast<HResult>(0x80040201u);
// The scripting runtime's errors 6 (overflow) and 9 (subscript out of range).
inline constexpr HResult overflow = static_cast<HResult>(0x800A0006u);
inline constexpr HResult subscriptOutOfRange = static_cast<HResult>(0x800A0009u);
}  // namespace hresult

class ComError : public std::exception {
public:
    explicit ComError(QString message, HResult code = hresult::fail)
        : message_(std::move(message)), utf8_(message_.toUtf8()), code_(code) {}

    const QString& message() const noexcept { return message_; }
    HResult code() const noexcept { return code_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
    HResult code_;
};

}  // namespace ky
