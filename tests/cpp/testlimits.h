// The time limits of the tests' waits on conditions, from one place: the
// limit a plain build needs, times the run's KEYLOFT_TEST_TIME_SCALE, which
// the sanitizer build lengthens (tests/CMakeLists.txt sets it for every test).
#pragma once

#include <QString>
#include <cmath>

// The limit of a wait that takes `ms` milliseconds on a plain build.
inline int waitLimit(int ms = 5000) {
    bool ok = false;
    const double scale = qEnvironmentVariable("KEYLOFT_TEST_TIME_SCALE").toDouble(&ok);
    return ok && scale > 1 ? int(std::ceil(ms * scale)) : ms;
}
