import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/pubfun.js" as Pubfun
import "../common"

// The cloud-state row: its key, what a failed write reports, and how an
// unreadable or old row loads.
KeyloftTestCase {
    id: idCase
    name: "DBCloud"

    function db() {
        return LocalStorage.openDatabaseSync("KeyloftCloud", "1.0", "KeyloftCloud", 1000000)
    }

    function rows() {
        var out = []
        db().transaction(function(tx) {
            var rs = tx.executeSql("SELECT * FROM clouddata")
            for (var i = 0; i < rs.rows.length; ++i)
                out.push(rs.rows.item(i))
        })
        return out
    }

    function init() {
        Pubfun.LibUtil = Util
        DBCloud.localStorage = LocalStorage
        DBCloud.libEncryptor = Encryptor
        DBCloud.clear()
        DBCloud.load()
    }

    function test_emptyDocument() {
        compare(JSON.stringify(DBCloud.root), JSON.stringify({
            summary: { uploadTime: 0, uploadedModifiedDate: 0, deviceRegistered: false },
            user: { phoneNumber: "", creationTime: "", expirationDate: "", formattedPhoneNumber: "" },
            order: { outTradeNo: "", paymentChannel: -1 }
        }))
        compare(rows().length, 0)
    }

    // The row's first date keys every later content.
    function test_saveKeepsFirstDate() {
        DBCloud.root.user.phoneNumber = "13800138000"
        verify(DBCloud.save())
        var first = rows()
        compare(first.length, 1)
        verify(/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/.test(first[0].date))
        DBCloud.root.user.creationTime = "2021-01-02 03:04:05"
        verify(DBCloud.save())
        var second = rows()
        compare(second.length, 1)
        compare(second[0].date, first[0].date)
        var doc = JSON.parse(Encryptor.aesDecrypt(Qt.md5(first[0].date), second[0].content))
        compare(doc.user.creationTime, "2021-01-02 03:04:05")
        DBCloud.root = {}
        DBCloud.load()
        compare(DBCloud.root.user.phoneNumber, "13800138000")
    }

    function test_unreadableRowLoadsEmpty_data() {
        return [
            { tag: "wrong key", content: function(date) { return Encryptor.aesEncrypt(Qt.md5("x"), "{}") } },
            { tag: "not JSON", content: function(date) { return Encryptor.aesEncrypt(Qt.md5(date), "{oops") } },
            { tag: "JSON, no document", content: function(date) { return Encryptor.aesEncrypt(Qt.md5(date), "[1]") } }
        ]
    }
    function test_unreadableRowLoadsEmpty(data) {
        var date = "2020-05-06 07:08:09"
        db().transaction(function(tx) {
            tx.executeSql("CREATE TABLE IF NOT EXISTS clouddata(content TEXT, date TEXT)")
            tx.executeSql("INSERT INTO clouddata VALUES(?, ?)", [data.content(date), date])
        })
        DBCloud.load()
        compare(DBCloud.root.user.phoneNumber, "")
        compare(DBCloud.root.order.paymentChannel, DBCloud.PAYMENTCHANNEL_NONE)
        // The next save overwrites the content under the row's own date.
        DBCloud.root.user.phoneNumber = "1"
        verify(DBCloud.save())
        compare(rows()[0].date, date)
        DBCloud.load()
        compare(DBCloud.root.user.phoneNumber, "1")
    }

    // A document older than formattedPhoneNumber shows the local form.
    function test_oldDocumentShowsLocalNumber() {
        var date = "2020-05-06 07:08:09"
        var old = { summary: { uploadTime: 0, deviceRegistered: true },
                    user: { phoneNumber: "US_2025550123", creationTime: "c", expirationDate: "e" },
                    order: { outTradeNo: "", paymentChannel: -1 } }
        db().transaction(function(tx) {
            tx.executeSql("CREATE TABLE IF NOT EXISTS clouddata(content TEXT, date TEXT)")
            tx.executeSql("INSERT INTO clouddata VALUES(?, ?)",
                          [Encryptor.aesEncrypt(Qt.md5(date), JSON.stringify(old)), date])
        })
        DBCloud.load()
        compare(DBCloud.root.user.formattedPhoneNumber, undefined)
        compare(DBCloud.shownPhoneNumber(), "+1 2025550123")
        verify(DBCloud.isSignedIn())
    }

    // A refused write reports false and throws nothing.
    function test_failedWritesReportFalse() {
        db().transaction(function(tx) { tx.executeSql("DROP TABLE clouddata") })
        DBCloud.root.user.phoneNumber = "13800138000"
        compare(DBCloud.save(), false)
        compare(DBCloud.clear(), false)
        compare(DBCloud.root.user.phoneNumber, "")
        DBCloud.load()
        verify(DBCloud.save())
    }
}
