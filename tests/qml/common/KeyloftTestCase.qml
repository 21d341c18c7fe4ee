// The test case of the vault's QML tests: its waits on conditions take their
// limits from one place, the run's time scale (the context property
// testTimeScale, from KEYLOFT_TEST_TIME_SCALE, which the sanitizer build
// lengthens), times the limit a plain build needs: the one a test names, or
// 5000 ms.
import QtTest 1.12

TestCase {
    readonly property real timeScale: typeof testTimeScale === "number" && testTimeScale > 1
                                      ? testTimeScale : 1

    // The limit of a wait that takes ms milliseconds (5000 by default) on a
    // plain build.
    function waitLimit(ms) {
        return Math.ceil((ms || 5000) * timeScale)
    }

    // Waits, polling every 50 ms as TestCase does, until done() or the
    // limit; returns done()'s last answer.
    function __waitFor(done, limit) {
        if (!done())
            wait(0)
        for (var i = 0; i < limit && !done(); i += 50)
            wait(50)
        return done()
    }

    // As TestCase's own, with the scaled limit; failures name the test's line.
    function tryCompare(obj, prop, value, timeout, msg) {
        if (typeof prop !== "string" && typeof prop !== "number")
            qtest_fail("A property name as string or index is required for tryCompare", 1)
        if (arguments.length < 3)
            qtest_fail("A value is required for tryCompare", 1)
        if (timeout !== undefined && typeof timeout !== "number")
            qtest_fail("timeout should be a number", 1)
        var limit = waitLimit(timeout)
        if (!__waitFor(function () { return qtest_compareInternal(obj[prop], value) }, limit))
            qtest_fail((msg === undefined ? "property " + prop : msg)
                       + "\n   Actual   : " + qtest_results.stringify(obj[prop])
                       + "\n   Expected : " + qtest_results.stringify(value)
                       + "\n   Waited   : " + limit + " ms", 1)
    }

    function tryVerify(expressionFunction, timeout, msg) {
        if (typeof expressionFunction !== "function")
            qtest_fail("First argument must be a function", 1)
        if (timeout !== undefined && typeof timeout !== "number")
            qtest_fail("timeout argument must be a number", 1)
        if (msg !== undefined && typeof msg !== "string")
            qtest_fail("message argument must be a string", 1)
        var limit = waitLimit(timeout)
        if (!__waitFor(expressionFunction, limit))
            qtest_fail((msg === undefined ? "function returned false" : msg)
                       + " (waited " + limit + " ms)", 1)
    }
}
