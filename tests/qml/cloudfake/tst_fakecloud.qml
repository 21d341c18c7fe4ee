// The fake cloud service seen from a QML test as the pages see it: through
// HttpClient on the configured hosts, trusting the test CA, with the fake
// driven through its control port.
import QtQuick 2.12
import QtTest 1.12
import Lib.HttpClient 1.0
import Lib.Util 1.0
import "../common"

KeyloftTestCase {
    id: idCase
    name: "FakeCloud"

    property var answers: []

    FakeCloud {
        id: idFake
        testCase: idCase
    }

    HttpClient {
        id: idHttp
        onResponsed: idCase.answers.push({ curlerr: curlerr, text: respstr })
    }

    function init() {
        idFake.reset()
        answers = []
    }

    function send(host, script, query, method) {
        var before = answers.length
        idHttp.method = method || "GET"
        idHttp.url = Util.configValue(host) + idFake.apiRoot + script + "?" + query
        idHttp.request()
        tryVerify(function() { return idCase.answers.length > before }, 15000)
        return answers[answers.length - 1]
    }

    function envelope(answer) {
        compare(answer.curlerr, 0, answer.text)
        return JSON.parse(answer.text)
    }

    // The road of an existing account to a registered computer, on both hosts.
    function test_signInRoad_data() {
        return [
            { tag: "china", host: "KEYLOFT_CLOUD_HOST", phone: "13800138000", region: "cn" },
            { tag: "international", host: "KEYLOFT_CLOUD_HOST_FOREIGN",
              phone: "US_2025550123", region: "foreign" }
        ]
    }
    function test_signInRoad(data) {
        idFake.seed({ accounts: [{ phone_number: data.phone }] })
        var ask = "method=query&phone_number=" + data.phone + "&device_code=pc1&recharge_mode=true"
        compare(envelope(send(data.host, "user.php", ask)).error, CloudErr.DEVICE_UNREGISTERED)
        var sms = envelope(send(data.host, "user.php", "method=sms_code&phone_number=" + data.phone))
        compare(sms.error, CloudErr.SUCCESS)
        compare(sms.result.code.length, 6)
        var add = envelope(send(data.host, "device.php", "method=add&phone_number=" + data.phone
                                + "&sms_code=" + sms.result.code
                                + "&device_code=pc1&device_name=My%20PC%20(Linux)"))
        compare(add.error, CloudErr.SUCCESS)
        var user = envelope(send(data.host, "user.php", ask))
        compare(user.error, CloudErr.SUCCESS)
        compare(user.result.creation_time, add.result.creation_time)

        var reqs = idFake.requestsOf("device.php", "add")
        compare(reqs.length, 1)
        compare(reqs[0].region, data.region)
        compare(reqs[0].params.device_name, "My PC (Linux)")
        compare(idFake.state().accounts[data.phone].devices[0].device_name, "My PC (Linux)")
    }

    // An upload travels as a POST body and comes back URI-encoded.
    function test_uploadAndDownload() {
        idFake.seed({ accounts: [{ phone_number: "13800138000",
                                   devices: [{ device_code: "pc1" }] }] })
        var content = "BEGIN BACKUP\nab+c/=&%\nEND BACKUP"
        var up = envelope(send("KEYLOFT_CLOUD_HOST", "backup.php",
                               "method=upload&phone_number=13800138000&device_code=pc1"
                               + "&content_data=" + encodeURIComponent(content)
                               + "&attached_data=" + encodeURIComponent('{"pwdItemCount":2,"noteItemCount":0}'),
                               "POST"))
        compare(up.error, CloudErr.SUCCESS)
        verify(up.result.upload_time.length > 0)
        var list = envelope(send("KEYLOFT_CLOUD_HOST", "backup.php",
                                 "method=list&phone_number=13800138000&device_code=pc1"))
        compare(list.result.length, 1)
        compare(JSON.parse(decodeURIComponent(list.result[0].attached_data)).pwdItemCount, 2)
        var down = envelope(send("KEYLOFT_CLOUD_HOST", "backup.php",
                                 "method=download&phone_number=13800138000&device_code=pc1"
                                 + "&backup_id=" + list.result[0].id))
        compare(decodeURIComponent(down.result.content_data), content)
        var reqs = idFake.requestsOf("backup.php", "upload")
        compare(reqs[0].httpMethod, "POST")
        compare(reqs[0].query, "")
        compare(reqs[0].params.content_data, content)
    }

    // Forced answers reach the client as the pages must judge them.
    function test_forcedAnswers_data() {
        return [
            { tag: "expired", force: { error: CloudErr.USER_EXPIRED, message: "expired" }, curlerr: 0,
              error: 106 },
            { tag: "html", force: { body: "<html>busy</html>" }, curlerr: 0, text: "<html>busy</html>" },
            { tag: "http 500", force: { body: "oops", status: 500 }, curlerr: 22 },
            { tag: "other script first", force: { error: 999, match: { script: "device.php" } },
              curlerr: 0, error: CloudErr.USER_UNREGISTERED }
        ]
    }
    function test_forcedAnswers(data) {
        idFake.next(data.force)
        var a = send("KEYLOFT_CLOUD_HOST", "user.php", "method=query&phone_number=13800138000&device_code=pc1")
        compare(a.curlerr, data.curlerr)
        if (data.error !== undefined)
            compare(JSON.parse(a.text).error, data.error)
        if (data.text !== undefined)
            compare(a.text, data.text)
    }

    // The transfer failures the pages tell apart: a refused connection and
    // a handshake that never comes (the client's 10 s connect timeout).
    function test_transferFailures_data() {
        return [
            { tag: "refused", curlerr: 7 },
            { tag: "connect stall", curlerr: 28 }
        ]
    }
    function test_transferFailures(data) {
        if (data.curlerr === 7)
            idFake.offline()
        else
            idFake.next({ stall: "connect" })
        var a = send("KEYLOFT_CLOUD_HOST", "user.php", "method=check_phone&phone_number=13800138000")
        compare(a.curlerr, data.curlerr)
        idFake.online()
        idFake.release()
        compare(envelope(send("KEYLOFT_CLOUD_HOST", "user.php",
                              "method=check_phone&phone_number=13800138000")).error, 0)
    }

    // A stalled request stays unanswered until released.
    function test_stall() {
        idFake.next({ stall: true })
        var before = answers.length
        idHttp.method = "GET"
        idHttp.url = Util.configValue("KEYLOFT_CLOUD_HOST") + idFake.apiRoot
                + "user.php?method=check_phone&phone_number=13800138000"
        idHttp.request()
        var reqs = idFake.waitForRequests(1)
        compare(reqs.length, 1)
        compare(reqs[0].stalled, true)
        compare(answers.length, before)
        compare(idFake.release(), 1)
        tryVerify(function() { return idCase.answers.length > before }, 10000)
        compare(envelope(answers[before]).result.formatted, "+86 138 0013 8000")
    }
}
