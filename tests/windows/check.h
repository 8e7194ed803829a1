// A minimal check harness for the test programs that run under Wine, where
// the GoogleTest library is not built: each failed check prints where and
// what, and the program's exit status says whether any failed.
#pragma once

#include <cstdio>
#include <string>

namespace wine_check {

inline int& Failures() {
    static int failures = 0;
    return failures;
}

inline bool Check(bool ok, const char* what, const char* file, int line,
                  const std::string& note = {}) {
    if (!ok) {
        std::fprintf(stderr, "%s:%d: FAILED: %s %s\n", file, line, what, note.c_str());
        ++Failures();
    }
    return ok;
}

// 0 when every check passed, else 1; prints a summary line.
inline int Summary(const char* program) {
    std::fprintf(stderr, "%s: %s (%d failed checks)\n", program, Failures() ? "FAILED" : "passed",
                 Failures());
    return Failures() ? 1 : 0;
}

}  // namespace wine_check

#define CHECK(cond) ::wine_check::Check((cond), #cond, __FILE__, __LINE__)
#define CHECK_NOTE(cond, note) ::wine_check::Check((cond), #cond, __FILE__, __LINE__, (note))
