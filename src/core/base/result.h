#pragma once
// The one way an operation that can fail (a file, the device, a download) reports it: a kind
// that callers branch on and a message for people.
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace oryn7px {

enum class ErrorKind {
    kNotFound,
    kAccessDenied,
    kNotRegular,       // a folder, device, FIFO or socket where a regular file belongs
    kForeignLink,      // a symbolic link the running user may not write through
    kInvalidData,      // read whole, but not what it should be
    kTimedOut,
    kRefused,          // the other side said no: the mouse refused a report, a server an answer
    kCancelled,
    kTooLarge,
    kInvalidArgument,  // asked for what it never does, such as a download from a file: address
    kIo,               // anything else the system reported
};

struct Error {
    ErrorKind kind = ErrorKind::kIo;
    std::string message;
};

// A value or the error that stopped it. Result<void> carries only the error.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool Ok() const { return state_.index() == 0; }
    explicit operator bool() const { return Ok(); }
    T& Value() { return std::get<0>(state_); }
    const T& Value() const { return std::get<0>(state_); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    T& operator*() { return Value(); }
    const T& operator*() const { return Value(); }
    const Error& Failure() const { return std::get<1>(state_); }
    bool FailedWith(ErrorKind kind) const { return !Ok() && Failure().kind == kind; }

private:
    std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}

    bool Ok() const { return !error_; }
    explicit operator bool() const { return Ok(); }
    const Error& Failure() const { return *error_; }
    bool FailedWith(ErrorKind kind) const { return error_ && error_->kind == kind; }

private:
    std::optional<Error> error_;
};

using Status = Result<void>;

}  // namespace oryn7px
