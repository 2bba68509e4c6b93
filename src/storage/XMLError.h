// The error raised when an XML document file cannot be read or written.
#pragma once

#include <stdexcept>
#include <string>

class XMLError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
