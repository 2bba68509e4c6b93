// The error raised by the TSC library: a malformed file, a missing number key, a file that cannot
// be read or written. The message is meant for the player's eyes as it stands.
#pragma once

#include <stdexcept>
#include <string>

class TSCError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
