// Helpers of the cloud page tests: an open vault and cloud state as after
// login, the page's rows, inputs and toasts.
.pragma library
.import "qrc:/js/db.js" as DB
.import "qrc:/js/dbcloud.js" as DBCloud
.import "qrc:/js/pubfun.js" as Pubfun
.import "../common/pagetest.js" as T
.import "../frame/Fixture.js" as Fixture

var QUESTIONS = ["宠物的名字?", "Wang Cai", "出生的城市?", "shanghai"]
var CREATION = "2024-03-01 10:20:30"

// An open vault (login "login-A", security questions unless noQuestions)
// and the cloud state loaded as the frame loads it after login, empty.
function openVault(env, noQuestions) {
    Fixture.reset(env.localStorage, env.encryptor, env.util)
    DB.loginPassword = Qt.md5("login-A")
    if (!noQuestions)
        Fixture.setQuestions(env.encryptor, QUESTIONS)
    if (!DB.save())
        throw new Error("vault not saved")
    Pubfun.LibUtil = env.util
    DBCloud.localStorage = env.localStorage
    DBCloud.libEncryptor = env.encryptor
    DBCloud.clear()
    DBCloud.load()
}

// The cloud state of an account signed in on this computer.
function signIn(phone) {
    DBCloud.root.user.phoneNumber = phone
    DBCloud.root.user.creationTime = CREATION
    DBCloud.root.user.expirationDate = "2099-12-31"
    DBCloud.root.summary.deviceRegistered = true
    if (!DBCloud.save())
        throw new Error("cloud state not saved")
}

// Account answers (of the account query) whose dates are missing or not
// texts, with the data error each is told as (the expiration date, only
// shown, may be missing or empty, but not of another type).
var BAD_DATES = [
    { tag: "no creation_time", result: { expiration_date: "2031-01-01" },
      msg: "数据错误: creation_time missing" },
    { tag: "creation_time a number", result: { creation_time: 1709259630, expiration_date: "2031-01-01" },
      msg: "数据错误: creation_time is not a text" },
    { tag: "expiration_date a number", result: { creation_time: "2025-01-01 00:00:00", expiration_date: 20310101 },
      msg: "数据错误: expiration_date is not a text" }
]

// The cloud state in memory and as stored, as one text to compare.
function cloudState() {
    var memory = JSON.stringify(DBCloud.root)
    DBCloud.load()
    return memory + "\n" + JSON.stringify(DBCloud.root)
}

function row(panel, i) {
    return T.find(panel, "row" + i)
}

function rowText(panel, i) {
    return T.find(row(panel, i), "label").text
}

function forwardText(panel, i) {
    return T.find(row(panel, i), "forwardText").text
}

// Clicks row i of panel, or its button, once a tap reaches it (a page just
// shown places its rows at the next frame).
function clickRow(tc, panel, i) {
    T.tap(tc, row(panel, i))
}

function clickRowButton(tc, panel, i) {
    T.tap(tc, T.find(row(panel, i), "buttonText"))
}

function edit(panel, i) {
    return T.find(row(panel, i), "edit")
}

// The toast of page shows msg; sticky ones are closed without waiting.
function expectMsg(tc, page, msg, sticky) {
    var toast = T.find(page, "pageMsg")
    tc.tryCompare(toast, "opened", true)
    tc.compare(toast.msg, msg)
    tc.compare(toast.autoClose, !sticky)
    toast.close()
    tc.tryCompare(toast, "visible", false)
}

// Waits until the cloud request of page is no longer busy.
function idle(tc, page) {
    tc.tryVerify(function() { return !T.find(page, "cloudBusy").visible }, 15000)
}

function noMsg(tc, page) {
    tc.verify(!T.find(page, "pageMsg").visible)
}
