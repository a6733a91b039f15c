// A result with a message, for library code that must not exit or throw across a module boundary.
#pragma once

#include <string>
#include <utility>

namespace host {

struct Status {
    bool ok = true;
    std::string message;

    static Status success() { return {}; }
    static Status error(std::string m) { return {false, std::move(m)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace host
