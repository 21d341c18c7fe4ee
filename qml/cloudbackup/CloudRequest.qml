import QtQuick 2.12
import Lib.HttpClient 1.0
import "qrc:/widgets"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun

// One request to the cloud or purchase service (or a JSON document of the
// web site) and the one way its answer is judged: transfer error, data
// error, success, a code the caller tells apart, any other code. Owns the HttpClient and the modal busy indicator; the
// default messages go to msgTarget (an object with showMsg(msg, sticky));
// the caller hears the step through the handlers given to send():
//
//   send(url, "GET", {
//       document: true,                    // the answer is a JSON document
//                                          // of its own, not the service
//                                          // envelope: success gets it whole
//       resultType: "object" | "array",   // checked on success, if given
//       members: { name: "text" | "string" | "optional" },
//                                          // result members read: a
//                                          // non-empty text, any text, or
//                                          // a text when present
//       success: function(result, answer, text) {},
//       codes: [CloudErr.SMSCODE_CHECK],   // codes with a step of their own
//       code: function(code, answer) {},
//       failed: function(step) {}          // after the default message
//   })
//
// A step is { kind: "network" | "data" | "other" | "unsent", curlerr, error,
// message, detail }; "unsent" is a request the client refused (its previous
// transfer still running, or a method it does not know). A success whose
// result lacks a needed member, and a handler that throws (bad server data
// it decodes), count as a data error; nothing escapes, and the busy
// indicator always comes down. The service's texts are shown and logged
// cut (Pubfun.shownText, loggedText); a step's message is the whole text,
// its detail is cut for the log.
Item {
    id: idRoot

    property var msgTarget: null
    // Error messages stay until dismissed (false: they close by themselves).
    property bool stickyErrors: true
    // False: no modal indicator (the caller shows its own, or none).
    property bool modalBusy: true
    // Keeps the indicator up between requests (polling).
    property bool holdBusy: false
    // Shown instead of "网络错误: 6" when the host name cannot be resolved.
    property string hostUnknownMessage: ""
    // Prefix of this request's log lines.
    property string logName: "CloudRequest"

    readonly property bool running: __handlers !== null
    readonly property alias http: idHttp

    property var __handlers: null

    function send(url, method, handlers) {
        if (__handlers !== null) {
            console.log(logName + ": a request is still running, not sent: " + Pubfun.loggedText(url))
            return false
        }
        var h = handlers || {}
        idHttp.method = method || "GET"
        idHttp.url = url
        if (!idHttp.request()) {
            console.log(logName + ": the client refused the request, not sent: " + Pubfun.loggedText(url))
            __fail(h, { kind: "unsent", detail: "client refused" }, qsTr("请求未能发出，请稍后再试"))
            return false
        }
        // The answer comes as a queued signal, never inside request().
        __handlers = h
        return true
    }

    // Writes the cloud state; a refused write is told to the user.
    function saveCloudState() {
        if (DBCloud.save())
            return true
        if (msgTarget)
            msgTarget.showMsg(qsTr("保存数据失败"), true)
        return false
    }

    function __show(msg) {
        if (msgTarget)
            msgTarget.showMsg(msg, stickyErrors)
        else
            console.log(logName + ": " + msg)
    }

    function __fail(h, step, msg) {
        __show(msg)
        if (h.failed)
            h.failed(step)
    }

    function __dataError(h, detail) {
        __fail(h, { kind: "data", detail: Pubfun.loggedText(detail) },
               qsTr("数据错误: ") + Pubfun.shownText(detail))
    }

    function __judge(curlerr, respstr, h) {
        if (curlerr !== 0) {
            var netMsg = (curlerr === 6 && hostUnknownMessage !== "")
                    ? hostUnknownMessage : qsTr("网络错误: ") + curlerr
            __fail(h, { kind: "network", curlerr: curlerr, detail: String(curlerr) }, netMsg)
            return
        }
        var answer
        try {
            answer = JSON.parse(respstr)
        } catch (e) {
            __dataError(h, e.message)
            return
        }
        if (!h.document && (answer === null || typeof answer !== "object" || Array.isArray(answer))) {
            __dataError(h, "not an object")
            return
        }
        var error = h.document ? 0 : answer.error
        if (typeof error !== "number" || Math.floor(error) !== error) {
            __dataError(h, "error is not an integer")
            return
        }
        try {
            if (h.document) {
                if (h.success)
                    h.success(answer, answer, respstr)
                return
            }
            if (error === 0) {
                var result = answer.result
                if (h.resultType === "array" && !Array.isArray(result))
                    throw new Error("result is not an array")
                var isObject = result !== null && typeof result === "object" && !Array.isArray(result)
                if ((h.resultType === "object" || h.members) && !isObject)
                    throw new Error("result is not an object")
                for (var name in h.members) {
                    var member = result[name]
                    if (h.members[name] === "optional" && (member === undefined || member === null))
                        continue
                    if (typeof member !== "string")
                        throw new Error(name + (member === undefined ? " missing" : " is not a text"))
                    if (h.members[name] === "text" && member === "")
                        throw new Error(name + " is empty")
                }
                if (h.success)
                    h.success(result, answer, respstr)
                return
            }
            if (h.codes && h.codes.indexOf(error) >= 0) {
                if (h.code)
                    h.code(error, answer)
                return
            }
        } catch (e2) {
            console.log(logName + ": answer not usable: " + Pubfun.loggedText(e2))
            __dataError(h, e2.message !== undefined ? e2.message : e2)
            return
        }
        var message = answer.message === undefined || answer.message === null ? "" : String(answer.message)
        __fail(h, { kind: "other", error: error, message: message,
                    detail: error + " " + Pubfun.loggedText(message) },
               qsTr("错误: ") + Pubfun.shownText(message))
    }

    HttpClient {
        id: idHttp
        onRequested: console.log(idRoot.logName + " " + method + ": " + Pubfun.loggedText(url))
        onResponsed: {
            console.log(idRoot.logName + " answer: " + curlerr + " " + Pubfun.loggedText(respstr))
            var h = idRoot.__handlers
            idRoot.__handlers = null
            if (h === null)
                return
            idRoot.__judge(curlerr, respstr, h)
        }
    }

    MyBusyIndicator {
        id: idBusy
        objectName: "cloudBusy"
        running: idRoot.modalBusy && (idRoot.running || idRoot.holdBusy)
    }
}
