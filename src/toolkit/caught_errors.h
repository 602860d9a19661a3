#pragma once
// Errors caught where the platform calls into the program: window
// procedures, handlers chained into them, hooks, timers and callbacks.
// Nothing may cross those boundaries, so each one catches everything and the
// window goes on; recording what was caught keeps the failure visible (on the
// debugger's output, and to a test) instead of letting it vanish.
#include <string>

struct TCaughtErrors {
    int Count = 0;
    // The boundary and the exception's text of the last one.
    std::string LastWhere;
    std::string LastWhat;
};

// Records the exception being handled; call it from inside a catch block.
// `where` names the boundary ("form skin handler").
void RecordCaughtError(const char* where) noexcept;
TCaughtErrors CaughtErrors();
