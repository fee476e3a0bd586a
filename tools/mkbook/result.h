// The outcome of a step of the book compiler: a value, or a message for the
// person who runs the build. No exceptions cross the compiler's functions.
#pragma once

#include <string>
#include <utility>

namespace velmora::mkbook {

// Success when `error` is empty.
struct Status {
  std::string error;
  bool ok() const { return error.empty(); }
};

// `value` is meaningful only when `error` is empty.
template <class T>
struct Result {
  T value{};
  std::string error;
  bool ok() const { return error.empty(); }
};

// A failed Result carrying `message`.
template <class T>
Result<T> Failure(std::string message) {
  return Result<T>{T{}, std::move(message)};
}

}  // namespace velmora::mkbook
