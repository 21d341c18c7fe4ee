import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.HttpClient 1.0
import "qrc:/cloudbackup"
import "qrc:/js/pubfun.js" as Pubfun
import "../common"

// How every answer of the services is judged: the step the caller hears,
// the message shown, the busy indicator, over real transfers to the fake.
Item {
    id: idRoot
    width: 400
    height: 650

    QtObject {
        id: idMsgs
        property var shown: []
        function showMsg(msg, sticky) { shown.push({ msg: msg, sticky: sticky }) }
    }

    CloudRequest {
        id: idRequest
        msgTarget: idMsgs
    }

    SignalSpy {
        id: idAnswers
        target: idRequest.http
        signalName: "responsed"
    }

    FakeCloud {
        id: idFake
        testCase: idCase
    }

    KeyloftTestCase {
        id: idCase
        name: "CloudRequest"
        when: windowShown

        property var heard: []

        function init() {
            idFake.reset()
            idMsgs.shown = []
            heard = []
            idRequest.stickyErrors = true
            idRequest.hostUnknownMessage = ""
        }

        function url(script, query) {
            return Util.configValue("KEYLOFT_CLOUD_HOST") + idFake.apiRoot + script + "?" + query
        }

        // Sends and waits for the step; returns what the handlers heard.
        function sendAndWait(u, extra) {
            heard = []
            var h = {
                document: extra && extra.document,
                resultType: extra && extra.resultType,
                members: extra && extra.members,
                codes: [CloudErr.SMSCODE_CHECK],
                success: function(result) {
                    if (extra && extra.decode)
                        JSON.parse(decodeURIComponent(result.attached_data))
                    if (extra && extra.refuse)
                        throw new Error(extra.refuse)
                    idCase.heard.push({ kind: "success", result: result })
                },
                code: function(code) { idCase.heard.push({ kind: "code", code: code }) },
                failed: function(step) { idCase.heard.push(step) }
            }
            verify(idRequest.send(u, "GET", h))
            verify(idRequest.running)
            tryVerify(function() { return idCase.heard.length === 1 }, 20000)
            verify(!idRequest.running)
            tryVerify(function() { return !idCase.busy().visible })
            return heard[0]
        }

        function busy() {
            return findChild(idRequest, "cloudBusy")
        }

        function lastMsg() {
            return idMsgs.shown.length ? idMsgs.shown[idMsgs.shown.length - 1] : null
        }

        function test_steps_data() {
            return [
                { tag: "success", next: null, kind: "success", msg: null },
                { tag: "told-apart code", next: { error: 102, message: "wrong" }, kind: "code", msg: null },
                { tag: "other code with its message", next: { error: 3, message: "db <b>down</b>" },
                  kind: "other", msg: "错误: db <b>down</b>" },
                { tag: "HTML body", next: { body: "<html><body>502</body></html>", content_type: "text/html" },
                  kind: "data", msgStart: "数据错误: " },
                { tag: "JSON array", next: { body: "[1,2]" }, kind: "data", msg: "数据错误: not an object" },
                { tag: "error not a number", next: { body: "{\"error\":\"0\",\"result\":{}}" },
                  kind: "data", msg: "数据错误: error is not an integer" },
                { tag: "result of the wrong type", next: { result: [1] }, resultType: "object",
                  kind: "data", msg: "数据错误: result is not an object" },
                { tag: "needed members present", members: { formatted: "text", code: "string" },
                  next: { result: { formatted: "+86 138", code: "" } }, kind: "success", msg: null },
                { tag: "needed text empty", members: { formatted: "text" }, next: { result: { formatted: "" } },
                  kind: "data", msg: "数据错误: formatted is empty" },
                { tag: "needed member of an array", members: { formatted: "text" }, next: { result: [] },
                  kind: "data", msg: "数据错误: result is not an object" },
                { tag: "attached_data not URI-decodable", decode: true,
                  next: { result: { attached_data: "%E0%A4%A" } }, kind: "data", msgStart: "数据错误: " },
                { tag: "attached_data not JSON", decode: true,
                  next: { result: { attached_data: "%7Bx" } }, kind: "data", msgStart: "数据错误: " },
                { tag: "HTTP 500 is curl 22", next: { status: 500, body: "oops" }, kind: "network", msg: "网络错误: 22" },
                { tag: "optional member missing", members: { expiration_date: "optional" },
                  next: { result: {} }, kind: "success", msg: null },
                { tag: "optional member null", members: { expiration_date: "optional" },
                  next: { result: { expiration_date: null } }, kind: "success", msg: null },
                { tag: "optional member of the wrong type", members: { expiration_date: "optional" },
                  next: { result: { expiration_date: 20310101 } }, kind: "data",
                  msg: "数据错误: expiration_date is not a text" },
                // A JSON document of its own (the web site's help index).
                { tag: "document: an array, whole", document: true, next: { body: "[{\"groupItems\":[]}]" },
                  kind: "success", msg: null, result: [{ groupItems: [] }] },
                { tag: "document: not JSON", document: true, next: { body: "<html></html>" },
                  kind: "data", msgStart: "数据错误: " },
                { tag: "document: refused by the caller", document: true, refuse: "wrong format",
                  next: { body: "{\"error\":0}" }, kind: "data", msg: "数据错误: wrong format" }
            ]
        }
        function test_steps(data) {
            idFake.seed({ accounts: [{ phone_number: "13800138000" }] })
            if (data.next)
                idFake.next(data.next)
            var step = sendAndWait(url("user.php", "method=check_phone&phone_number=13800138000"),
                                   { resultType: data.resultType, decode: data.decode,
                                     members: data.members, document: data.document, refuse: data.refuse })
            compare(step.kind, data.kind)
            if (data.result !== undefined)
                compare(step.result, data.result)
            if (data.msg === null) {
                compare(idMsgs.shown.length, 0)
            } else if (data.msg !== undefined) {
                compare(lastMsg().msg, data.msg)
                compare(lastMsg().sticky, true)
            } else {
                compare(lastMsg().msg.indexOf(data.msgStart), 0)
                verify(lastMsg().msg.length > data.msgStart.length)
            }
        }

        // A message of 1 MB is shown cut to a couple of hundred characters (and
        // logged cut); the caller's step still has the whole of it.
        function test_longMessageShownCut() {
            var message = new Array(1000001).join("长")
            idFake.next({ error: 3, message: message })
            var step = sendAndWait(url("user.php", "method=check_phone&phone_number=13800138000"))
            compare(step.kind, "other")
            compare(step.message.length, message.length)
            verify(step.detail.length <= 2010, step.detail.length)
            var shown = lastMsg().msg
            compare(shown, "错误: " + message.substring(0, Pubfun.SHOWN_TEXT_MAX - 1) + "…")
        }

        // A method the client does not know is refused at once: nothing is
        // sent, nothing waits, and the next request goes out.
        function test_unknownMethod() {
            heard = []
            var h = {
                success: function() { idCase.heard.push({ kind: "success" }) },
                failed: function(step) { idCase.heard.push(step) }
            }
            var u = url("user.php", "method=check_phone&phone_number=13800138000")
            verify(!idRequest.send(u, "PUT", h))
            compare(heard.length, 1)
            compare(heard[0].kind, "unsent")
            verify(!idRequest.running)
            compare(lastMsg().msg, "请求未能发出，请稍后再试")
            tryVerify(function() { return !idCase.busy().visible })
            compare(idFake.requests().length, 0)
            idFake.seed({ accounts: [{ phone_number: "13800138000" }] })
            compare(sendAndWait(u).kind, "success")
            compare(idFake.requestsOf("user.php", "check_phone").length, 1)
        }

        // No listener: curl 7; a connection the server never takes up:
        // curl 28 after the ten-second connect timeout; ordinary toasts when
        // the caller asks for them.
        function test_transferErrors() {
            idRequest.stickyErrors = false
            var step = sendAndWait("https://127.0.0.1:1/x")
            compare(step.kind, "network")
            compare(step.curlerr, 7)
            compare(lastMsg().msg, "网络错误: 7")
            compare(lastMsg().sticky, false)

            idFake.next({ stall: "connect" })
            step = sendAndWait(url("user.php", "method=check_phone&phone_number=13800138000"))
            compare(step.curlerr, 28)
            compare(lastMsg().msg, "网络错误: 28")
            idFake.release()
        }

        // An unresolvable host (curl 6) has a message of its own where the
        // caller gives one.
        function test_hostUnknown() {
            var h = { failed: function(step) { idCase.heard.push(step) } }
            idRequest.__judge(6, "", h)
            compare(lastMsg().msg, "网络错误: 6")
            idRequest.hostUnknownMessage = "网络连接失败，请检查网络设置"
            idRequest.__judge(6, "", h)
            compare(lastMsg().msg, "网络连接失败，请检查网络设置")
            compare(heard.length, 2)
        }

        // One request at a time; the busy indicator stays up while a
        // stalled request waits, and comes down with its answer.
        function test_oneAtATimeAndBusy() {
            idFake.next({ stall: true })
            var h = { success: function() { idCase.heard.push({ kind: "success" }) } }
            verify(idRequest.send(url("user.php", "method=check_phone&phone_number=13800138000"), "GET", h))
            tryCompare(busy(), "opened", true)
            verify(!idRequest.send(url("user.php", "method=check_phone&phone_number=13900139000"), "GET", h))
            idFake.waitForRequests(1)
            idFake.release()
            tryVerify(function() { return idCase.heard.length === 1 }, 20000)
            compare(heard[0].kind, "success")
            tryCompare(busy(), "visible", false)
            compare(idFake.requestsOf("user.php", "check_phone").length, 1)
        }

        // A request the client refuses (its own transfer still running, as
        // when it is used directly) is told as failed at once: nothing waits
        // for an answer that cannot come, and the late answer of the other
        // transfer is no step.
        function test_refusedWhileClientBusy() {
            idFake.next({ stall: true })
            idAnswers.clear()
            idRequest.http.url = url("user.php", "method=check_phone&phone_number=13800138000")
            verify(idRequest.http.request())
            var h = {
                success: function() { idCase.heard.push({ kind: "success" }) },
                failed: function(step) { idCase.heard.push(step) }
            }
            verify(!idRequest.send(url("user.php", "method=check_phone&phone_number=13900139000"), "GET", h))
            compare(heard.length, 1)
            compare(heard[0].kind, "unsent")
            verify(!idRequest.running)
            compare(lastMsg().msg, "请求未能发出，请稍后再试")
            compare(lastMsg().sticky, true)
            tryVerify(function() { return !idCase.busy().visible })
            idFake.waitForRequests(1)
            idFake.release()
            tryCompare(idAnswers, "count", 1, 20000)
            compare(heard.length, 1)
            compare(idFake.requestsOf("user.php", "check_phone").length, 1)
        }
    }
}
