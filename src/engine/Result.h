#pragma once
// What an engine step gives back: its value, or the refusal that a window shows
// the user. A refusal is the user's doing; a programmer's error (a tick vector
// of the wrong length, a digit out of range) throws instead.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace pick3 {

template <typename T> class Result {
  public:
    Result(T value) : value_(std::move(value)) {} // NOLINT: a value is a good result
    static Result refused(std::string_view message) {
        Result result;
        result.refusal_ = std::string(message);
        return result;
    }

    bool ok() const { return value_.has_value(); }
    // The value; asking a refused result for it is a programmer's error.
    const T& operator*() const { return value_.value(); }
    T& operator*() { return value_.value(); }
    const T* operator->() const { return &value_.value(); }
    T* operator->() { return &value_.value(); }
    // The message of a refused result; empty for a good one.
    const std::string& refusal() const { return refusal_; }

  private:
    Result() = default;
    std::optional<T> value_;
    std::string refusal_;
};

} // namespace pick3
