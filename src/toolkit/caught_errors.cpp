#include "toolkit/caught_errors.h"

#include <windows.h>

#include <exception>

namespace {

TCaughtErrors Caught;

std::string WhatOf(const std::exception_ptr& error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
    }
    return "unknown exception";
}

} // namespace

void RecordCaughtError(const char* where) noexcept {
    ++Caught.Count;
    try {
        Caught.LastWhere = where ? where : "";
        Caught.LastWhat = WhatOf(std::current_exception());
        const std::string line =
            "Velmora: caught at " + Caught.LastWhere + ": " + Caught.LastWhat + "\n";
        OutputDebugStringA(line.c_str());
    } catch (...) {
        // Out of memory for the text: the count still tells.
    }
}

TCaughtErrors CaughtErrors() {
    return Caught;
}
