// Drives the fake cloud service (tests/fake_cloud/fakecloud.py) from a QML
// test through its plain-HTTP control port. Every call waits for the answer
// (through the test case's tryVerify) and returns the parsed control answer;
// a refused call fails the test.
//
//     FakeCloud { id: idFake; testCase: idCase }
//     idFake.reset(); idFake.seed({accounts: [{phone_number: "13800138000"}]})
//     idFake.next({error: CloudErr.USER_EXPIRED, match: {script: "user.php"}})
//     var reqs = idFake.requests()
import QtQuick 2.12

QtObject {
    // The TestCase whose tryVerify and fail are used.
    property var testCase
    // Set by the test runner in directories with a FAKE_CLOUD marker.
    readonly property string control: typeof fakeCloudControl === "string" ? fakeCloudControl : ""
    readonly property bool available: control !== ""
    // Service roots as the client builds them from the configured hosts.
    readonly property string apiRoot: "/product/keyloft/v2_1/wsapi/"

    // waitMs: how long to wait for the answer (20 s by default).
    function call(cmd, arg, waitMs) {
        if (!available)
            testCase.fail("fake cloud not running: mark the test directory with FAKE_CLOUD")
        var state = { done: false, status: 0, text: "" }
        var xhr = new XMLHttpRequest()
        xhr.onreadystatechange = function() {
            if (xhr.readyState === XMLHttpRequest.DONE) {
                state.status = xhr.status
                state.text = xhr.responseText
                state.done = true
            }
        }
        xhr.open("POST", control + "/_fake/" + cmd)
        xhr.send(JSON.stringify(arg || {}))
        testCase.tryVerify(function() { return state.done }, waitMs || 20000, "fake cloud " + cmd)
        var out = null
        try {
            out = JSON.parse(state.text)
        } catch (e) {
            out = null
        }
        if (!out || out.ok !== true)
            testCase.fail("fake cloud " + cmd + ": " + state.status + " " + state.text)
        return out
    }

    function reset() { call("reset") }
    // Accounts, products, sms_codes, trades and settings (README.md); returns the state.
    function seed(data) { return call("seed", data).state }
    function state() { return call("state").state }
    // Forces the next (matching) request: {error, message, result}, {body, status},
    // {stall: true}, {stall: "connect"}, {drop: true}, {delay_ms}, optional {match}.
    function next(override) { return call("next", override).pending }
    function release() { return call("release").released }
    // Closes the service port (connections refused: curl 7) until online() or reset().
    function offline() { call("offline") }
    function online() { call("online") }
    function pay(tradeNo) { call("pay", { trade_no: tradeNo }) }
    // The service requests received, oldest first, with seq above since.
    function requests(since) { return call("requests", { since: since || 0 }).requests }
    // Waits (in the fake, up to timeoutSec, 10 by default) until at least
    // count requests with seq above since have arrived; returns them (fewer
    // when the time ran out).
    function waitForRequests(count, since, timeoutSec) {
        var timeout = (timeoutSec || 10) * (testCase.timeScale || 1)
        return call("requests", { since: since || 0, count: count, timeout: timeout },
                    (timeout + 10) * 1000).requests
    }
    function clearRequests() { call("requests", { clear: true }) }
    // The service requests of one script and method ("user.php", "query").
    function requestsOf(script, method) {
        return requests().filter(function(r) {
            return r.script === script && (method === undefined || r.method === method)
        })
    }
}
