import QtQuick 2.12
import QtTest 1.12
import QtQuick.LocalStorage 2.12
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "qrc:/js/pubfun.js" as Pubfun
import "StoreFixture.js" as Fx
import "../common"

// The stored row: insert and update, row keys, older tables, counted
// failures, unreadable rows and refused writes.
KeyloftTestCase {
    id: idCase
    name: "StoreRows"

    readonly property string deviceWrap: Qt.md5("device-code-A")
    readonly property string key1: Qt.md5("123456")

    function init() {
        Fx.LS = LocalStorage
        Fx.dropAll()
        DB.localStorage = LocalStorage
        DB.libEncryptor = Encryptor
        DB.wrapKey = deviceWrap
        DB.loginPassword = ""
        DB.pinCode = ""
        DB.securityAnswer = ""
        DB.load()
    }

    function rowDoc(row, wrap) {
        var txt = Encryptor.aesDecrypt(Qt.md5(row.date + wrap), row.content)
        verify(txt !== "", "row decrypts")
        return JSON.parse(txt)
    }

    // A first run: login password set, one entry, saved.
    function firstRun() {
        DB.loginPassword = key1
        var item = DB.addPwdItem()
        DB.movePwdItemFront(item.id)
        item.label = "mail"
        item.account = "me@example.org"
        item.password = "s3cret"
        verify(DB.save())
    }

    // Writes a row as an earlier version would have: a two-column table or
    // a "no" row, keyed by the date alone.
    function writeLegacyRow(twoColumns, dateText) {
        var doc = {
            app: { name: "Ormel Keyloft", version: 1, login: { pwdTry: 0, pwdTryMax: 5 } },
            security: { encryptedLoginPassword: "", securityQuestion1: "", securityQuestion2: "",
                        verifiedSecurityAnswer: "", verifiedPinCode: "" },
            summary: { modifiedDate: 1600000000000, backupDate: 0, pwdItemCount: 1, noteItemCount: 0 }
        }
        var data = { pwdBoxIncrement: 0, pwdBoxList: [{ id: -1, iconId: 0, name: "all" }],
                     pwdItemIncrement: 1,
                     pwdItemList: [{ id: 1, securityLevel: 0, boxId: 0, iconId: 0, label: "old",
                                     account: "a", password: "p", note: "", date: 1 }],
                     noteBoxIncrement: 0, noteBoxList: [{ id: -1, iconId: 0, name: "all" }],
                     noteItemIncrement: 0, noteItemList: [] }
        var dataTxt = JSON.stringify(data)
        doc.dataHash = Qt.md5(dataTxt)
        doc.data = Encryptor.aesEncrypt(key1, dataTxt)
        var content = Encryptor.aesEncrypt(Qt.md5(dateText), JSON.stringify(doc))
        Fx.exec("DROP TABLE IF EXISTS pwddata")
        if (twoColumns) {
            Fx.exec("CREATE TABLE pwddata(content TEXT, date TEXT)")
            Fx.exec("INSERT INTO pwddata VALUES(?, ?)", [content, dateText])
        } else {
            Fx.exec("CREATE TABLE pwddata(content TEXT, date TEXT, wrapkey TEXT)")
            Fx.exec("INSERT INTO pwddata VALUES(?, ?, ?)", [content, dateText, "no"])
        }
    }

    function test_noRow() {
        verify(DB.isEmptyPassword())
        compare(Fx.rows("pwddata").length, 0)
        var boxes = DB.getPwdBoxList()
        compare(boxes.length, 1)
        compare(boxes[0].id, -1)
        compare(DB.getNoteBoxList().length, 1)
        compare(DB.getPwdBoxChooseList()[0].id, 0)
        compare(DB.root.data.pwdItemList.length, 0)
        verify(DB.root.dataHash === undefined)
    }

    function test_firstSaveInsertsRowThenKeepsDate() {
        var before = new Date().getTime()
        firstRun()
        var rows = Fx.rows("pwddata")
        compare(rows.length, 1)
        verify(/^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/.test(rows[0].date), rows[0].date)
        var t = Pubfun.dateTimeStrToMillisec(rows[0].date)
        verify(t >= before - 1000 && t <= new Date().getTime() + 1000)
        compare(rows[0].wrapkey, "yes")
        var doc = rowDoc(rows[0], deviceWrap)
        compare(Object.keys(doc), ["app", "local", "security", "summary", "dataHash", "data"])
        compare(Object.keys(doc.summary), ["modifiedDate", "backupDate", "pwdItemCount", "noteItemCount"])
        compare(doc.summary.pwdItemCount, 1)
        verify(doc.summary.modifiedDate >= before)
        var dataTxt = Encryptor.aesDecrypt(key1, doc.data)
        compare(Qt.md5(dataTxt), doc.dataHash)
        compare(JSON.parse(dataTxt).pwdItemList[0].label, "mail")

        // Later saves update the one row and keep its date.
        DB.getPwdItem(1).label = "mail 2"
        verify(DB.saveOnly())
        var again = Fx.rows("pwddata")
        compare(again.length, 1)
        compare(again[0].date, rows[0].date)
        verify(again[0].content !== rows[0].content)
        compare(rowDoc(again[0], deviceWrap).summary.modifiedDate, doc.summary.modifiedDate)
    }

    function test_legacyRowsAreRekeyed_data() {
        return [{ tag: "two-column table", twoColumns: true },
                { tag: "wrapkey no", twoColumns: false }]
    }
    function test_legacyRowsAreRekeyed(row) {
        var dateText = "2020-01-02 03:04:05"
        writeLegacyRow(row.twoColumns, dateText)
        DB.load()
        verify(!DB.isEmptyPassword())
        compare(DB.root.app.login.typeIndex, 0)
        compare(DB.root.app.prompt.noteAttrEdit, true)
        verify(DB.login(key1))
        compare(DB.getPwdItem(1).label, "old")
        verify(Fx.tableSql("pwddata").indexOf("wrapkey") > 0)
        var rows = Fx.rows("pwddata")
        compare(rows.length, 1)
        compare(rows[0].date, dateText)
        compare(rows[0].wrapkey, "yes")
        compare(rowDoc(rows[0], deviceWrap).app.login.pwdTry, 0)
        DB.load()
        verify(DB.login(key1))
    }

    function test_emptyWrapKeyWritesNo() {
        DB.wrapKey = ""
        firstRun()
        var rows = Fx.rows("pwddata")
        compare(rows[0].wrapkey, "no")
        rowDoc(rows[0], "")
        DB.load()
        verify(DB.login(key1))
    }

    function test_wrongKeyCountsAndKeepsData() {
        firstRun()
        DB.load()
        var stored = rowDoc(Fx.rows("pwddata")[0], deviceWrap)
        verify(!DB.login(""))
        verify(!DB.tryLogin(""))
        verify(!DB.tryLogin(Qt.md5("000000")))
        compare(rowDoc(Fx.rows("pwddata")[0], deviceWrap).app.login.pwdTry, 0)
        for (var i = 1; i <= 2; ++i) {
            verify(!DB.login(Qt.md5("000000")))
            var doc = rowDoc(Fx.rows("pwddata")[0], deviceWrap)
            compare(doc.app.login.pwdTry, i)
            compare(doc.data, stored.data)
            compare(doc.dataHash, stored.dataHash)
            compare(doc.summary.modifiedDate, stored.summary.modifiedDate)
        }
        verify(DB.tryLogin(key1))
        compare(DB.root.app.login.pwdTry, 2)
        verify(DB.login(key1))
        compare(rowDoc(Fx.rows("pwddata")[0], deviceWrap).app.login.pwdTry, 0)
    }

    // A successful login writes back the stored data cipher text; that must be
    // byte for byte what a save of the opened data writes.
    function test_loginWritesWhatSaveWould() {
        firstRun()
        var note = DB.addNoteItem()
        note.note = "购物清单 \"milk\"\n😀 tab\t \\ </script> \u0001"
        note.title = "购物清单"
        DB.getPwdItem(1).otpUrl = "otpauth://totp/x?secret=JBSWY3DPEHPK3PXP&issuer=A%20B"
        verify(DB.save())
        DB.load()
        verify(!DB.login(Qt.md5("000000")))
        verify(DB.login(key1))
        var afterLogin = Fx.rows("pwddata")[0].content
        verify(DB.saveOnly())
        compare(Fx.rows("pwddata")[0].content, afterLogin)
        compare(rowDoc(Fx.rows("pwddata")[0], deviceWrap).app.login.pwdTry, 0)
    }

    // Once the data is open, login and tryLogin compare against the key in
    // hand and never write the data as plain JSON.
    function test_loginWhileOpen() {
        firstRun()
        DB.load()
        verify(DB.login(key1))
        verify(DB.tryLogin(key1))
        verify(!DB.tryLogin(Qt.md5("999999")))
        verify(DB.login(key1))
        verify(!DB.login(Qt.md5("999999")))
        var doc = rowDoc(Fx.rows("pwddata")[0], deviceWrap)
        compare(typeof doc.data, "string")
        compare(doc.app.login.pwdTry, 1)
        compare(JSON.parse(Encryptor.aesDecrypt(key1, doc.data)).pwdItemList[0].label, "mail")
        verify(DB.login(key1))
        DB.load()
        verify(DB.login(key1))
        compare(DB.root.app.login.pwdTry, 0)
    }

    function test_refusedWrites() {
        // No login key: nothing is inserted.
        DB.addPwdItem()
        verify(!DB.save())
        compare(Fx.rows("pwddata").length, 0)
        // A key text the encryptor refuses.
        DB.loginPassword = "abc"
        verify(!DB.save())
        verify(!DB.saveOnly())
        compare(Fx.rows("pwddata").length, 0)

        firstRun()
        var content = Fx.rows("pwddata")[0].content
        // Loaded but not logged in: the data is still cipher text.
        DB.load()
        DB.loginPassword = key1
        verify(!DB.save())
        verify(!DB.saveOnly())
        compare(Fx.rows("pwddata")[0].content, content)
        // Logged in, then the key is lost: nothing written, not even the date.
        DB.loginPassword = ""
        verify(DB.login(key1))
        content = Fx.rows("pwddata")[0].content
        var modified = DB.root.summary.modifiedDate
        DB.loginPassword = ""
        verify(!DB.save())
        compare(Fx.rows("pwddata")[0].content, content)
        compare(DB.root.summary.modifiedDate, modified)
    }

    function test_unreadableRowIsKept_data() {
        return [{ tag: "other device", damage: "wrap" },
                { tag: "garbage content", damage: "garbage" },
                { tag: "not JSON", damage: "json" }]
    }
    function test_unreadableRowIsKept(row) {
        firstRun()
        var original = Fx.rows("pwddata")[0]
        if (row.damage === "garbage") {
            Fx.exec("UPDATE pwddata SET content=?", ["bm90IGEgY2lwaGVyIHRleHQ="])
        } else if (row.damage === "json") {
            Fx.exec("UPDATE pwddata SET content=?",
                    [Encryptor.aesEncrypt(Qt.md5(original.date + deviceWrap), "{not json")])
        } else {
            DB.wrapKey = Qt.md5("device-code-B")
        }
        var stored = Fx.rows("pwddata")[0]
        DB.loginPassword = ""
        DB.load()
        verify(DB.isEmptyPassword())
        compare(Fx.rows("pwddata_unreadable").length, 0)

        // The first run again: the new vault replaces the row, the old one is kept.
        DB.loginPassword = Qt.md5("654321")
        verify(DB.save())
        var kept = Fx.rows("pwddata_unreadable")
        compare(kept.length, 1)
        compare(kept[0].content, stored.content)
        compare(kept[0].date, stored.date)
        compare(kept[0].wrapkey, stored.wrapkey)
        var rows = Fx.rows("pwddata")
        compare(rows.length, 1)
        compare(rows[0].date, stored.date)
        verify(rows[0].content !== stored.content)
        // Only the unreadable row is kept, once.
        verify(DB.save())
        compare(Fx.rows("pwddata_unreadable").length, 1)
        if (row.damage === "wrap")
            compare(JSON.parse(Encryptor.aesDecrypt(Qt.md5(kept[0].date + deviceWrap),
                                                    kept[0].content)).summary.pwdItemCount, 1)
        // A load that reads fine keeps nothing more; clear drops both tables.
        DB.load()
        verify(DB.login(Qt.md5("654321")))
        compare(Fx.rows("pwddata_unreadable").length, 1)
        verify(DB.clear())
        compare(Fx.tableSql("pwddata"), null)
        compare(Fx.tableSql("pwddata_unreadable"), null)
        verify(DB.isEmptyPassword())
    }

    function test_clearWithoutTable() {
        Fx.dropAll()
        verify(!DB.clear())
        DB.load()
        verify(DB.isEmptyPassword())
    }
}
