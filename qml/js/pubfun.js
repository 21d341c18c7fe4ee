.pragma library

// Shared helpers: date texts, backup marker lines, platform tests, the stored
// form of phone numbers and the two test flags of the cloud pages.

// Texts that come from the service or the web host are cut to these many
// characters before they stand on screen or go to the log: laying out a
// long one would hold the window (a toast of 1 MB takes about a minute).
var SHOWN_TEXT_MAX = 200
var LOGGED_TEXT_MAX = 2000

// The Util singleton, assigned by the frame at start.
var LibUtil = null

// Set by gestures of the cloud pages; both set turn on the test purchases.
var testSwitch = { one: false, two: false }

function isTestSwitchOn() {
    return testSwitch.one === true && testSwitch.two === true
}

// text (any value, as a string; "" for undefined and null) of at most max
// characters: a longer one is cut and ends in "…". The cut falls between
// characters: never between the halves of a surrogate pair, nor before a
// combining mark, a variation selector or after a joiner, which belong to
// the character before them.
function cutText(text, max) {
    var s = text === undefined || text === null ? "" : String(text)
    if (s.length <= max)
        return s
    var end = max - 1
    while (end > 0 && (__continuesCharacter(s.charCodeAt(end)) || s.charCodeAt(end - 1) === 0x200D))
        --end
    return s.substring(0, end) + "…"
}

function __continuesCharacter(c) {
    return (c >= 0xDC00 && c <= 0xDFFF)
            || (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF)
            || (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF)
            || (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0xFE00 && c <= 0xFE0F) || c === 0x200D
}

// A text of the service or the web host as it may stand on screen.
function shownText(text) {
    return cutText(text, SHOWN_TEXT_MAX)
}

// The same for a log line.
function loggedText(text) {
    return cutText(text, LOGGED_TEXT_MAX)
}

function __pad2(n) {
    return n < 10 ? "0" + n : "" + n
}

function millisecToDateStr(millisec) {
    var d = new Date(millisec)
    return d.getFullYear() + "-" + __pad2(d.getMonth() + 1) + "-" + __pad2(d.getDate())
}

function millisecToDateTimeStr(millisec) {
    var d = new Date(millisec)
    return millisecToDateStr(millisec) + " " + __pad2(d.getHours()) + ":" + __pad2(d.getMinutes())
}

function millisecToDateTimeSecStr(millisec) {
    var d = new Date(millisec)
    return millisecToDateTimeStr(millisec) + ":" + __pad2(d.getSeconds())
}

function currentDateTimeStr() {
    return millisecToDateTimeSecStr(new Date().getTime())
}

// "yyyy-MM-dd hh:mm:ss" read as local time; a text that is not a date gives 0.
function dateTimeStrToMillisec(str) {
    var m = /^\s*(\d+)-(\d+)-(\d+)(?:[ T]+(\d+):(\d+)(?::(\d+))?)?/.exec(String(str))
    if (!m)
        return 0
    var d = new Date(parseInt(m[1], 10), parseInt(m[2], 10) - 1, parseInt(m[3], 10),
                     m[4] ? parseInt(m[4], 10) : 0, m[5] ? parseInt(m[5], 10) : 0,
                     m[6] ? parseInt(m[6], 10) : 0)
    var t = d.getTime()
    return isNaN(t) ? 0 : t
}

function dateTimeStrRemoveSec(str) {
    return millisecToDateTimeStr(dateTimeStrToMillisec(str))
}

function wrapLine(content, begTxt, endTxt) {
    return "-----" + begTxt + "-----\n" + content + "-----" + endTxt + "-----"
}

// The text between the first top marker line and the last bottom marker, or
// "" when either is missing or they stand the wrong way round. The top
// marker line may end in "\r\n" (text that went through a Windows editor or
// mail program); the lines between are handed on as they are.
function unwrapLine(content, begTxt, endTxt) {
    var text = String(content)
    var top = "-----" + begTxt + "-----"
    var bottom = "-----" + endTxt + "-----"
    var start = -1
    for (var at = text.indexOf(top); at >= 0; at = text.indexOf(top, at + 1)) {
        var after = at + top.length
        if (text.charAt(after) === "\n") {
            start = after + 1
            break
        }
        if (text.substr(after, 2) === "\r\n") {
            start = after + 2
            break
        }
    }
    if (start < 0)
        return ""
    var end = text.lastIndexOf(bottom)
    if (end < 0 || end < start)
        return ""
    return text.substring(start, end)
}

// An object made from the component at qrc under parent, or null when the
// component is not ready at once.
function createQmlObject(parent, qrc) {
    var component = Qt.createComponent(qrc)
    if (component === null)
        return null
    if (component.status !== 1 /* Component.Ready */) {
        if (component.status === 3 /* Component.Error */)
            console.log("createQmlObject error: " + component.errorString())
        return null
    }
    return component.createObject(parent)
}

// This build treats Linux as the desktop too.
function isOnDesktop() {
    var os = Qt.platform.os
    return os === "windows" || os === "osx" || os === "linux"
}

function isOnDesktopDistribution() {
    return isOnDesktop() && LibUtil !== null && LibUtil.isOnDistribution()
}

function currentLanguage() {
    return LibUtil.currentLanguage()
}

function currentRegion() {
    return LibUtil.currentRegion()
}

function splitPhoneNumberStr(phoneNumber) {
    var text = String(phoneNumber)
    if (text.indexOf("_") === 2)
        return { region: text.substring(0, 2), number: text.substring(3) }
    return { region: "CN", number: text }
}

function margePhoneNumberStr(region, number) {
    if (region === "CN")
        return number
    return region + "_" + number
}

function formatedPhoneNumberStr(phoneNumber) {
    var p = splitPhoneNumberStr(phoneNumber)
    var code = LibUtil.countryCodeFromRegion(p.region)
    return "+" + code.number + " " + p.number
}

function regionOfPhoneNumberStr(phoneNumber) {
    return splitPhoneNumberStr(phoneNumber).region
}
