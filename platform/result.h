#pragma once
// Errors as values: a result holds either a value or a message that says
// what went wrong and where, for the caller to show or pass on.

#include <QString>

#include <optional>
#include <utility>

namespace ky {

struct Failure {
    QString message;
};

inline Failure fail(QString message) { return Failure{std::move(message)}; }

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Failure failure) : error_(std::move(failure.message)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }

    const QString& error() const { return error_; }

private:
    std::optional<T> value_;
    QString error_;
};

// A result without a value: success, or a message.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Failure failure) : error_(std::move(failure.message)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return error_; }

private:
    QString error_;
    bool failed_ = false;
};

}  // namespace ky
