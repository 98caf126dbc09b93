// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <type_traits>
#include <utility>
#include <variant>

namespace kestive {

// The error alternative of a Result, spelled out where it is made: `return Failure{error};`.
template <class E>
struct Failure {
    E error;
};
template <class E>
Failure(E) -> Failure<E>;

// The value of a Result that carries nothing but success.
struct Done {
    friend bool operator==(Done, Done) = default;
};

// Either a value or the reason there is none: never both, never neither. Every operation of the core and
// the tools that can fail returns one; none throws and none answers with a flag beside a message.
template <class T, class E>
class Result {
public:
    using Value = T;
    using Error = E;

    Result(T value) : v_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit on purpose
    template <class F, class = std::enable_if_t<std::is_constructible_v<E, F>>>
    Result(Failure<F> failure) : v_(std::in_place_index<1>, std::move(failure.error)) {}  // NOLINT

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; asking a failure for it is a programming error and stops the program.
    T& value() & { return std::get<0>(v_); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // The reason; only on failure.
    const E& error() const { return std::get<1>(v_); }

private:
    std::variant<T, E> v_;
};

}  // namespace kestive
