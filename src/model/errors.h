#pragma once

#include <stdexcept>
#include <string>

namespace krizovky {

// The texts with which the run-time reports a failed operation; shown to the
// player in a message box exactly as they stand.
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kRangeCheckError = "Range check error";
inline constexpr const char* kIntegerOverflow = "Integer overflow";

// A failure that ends the running operation: a file that cannot be read or
// written, or a value outside its declared range. what() is the text shown.
class RunError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace krizovky
