import QtQuick 2.12
import QtTest 1.12
import QtQuick.LocalStorage 2.12
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "StoreFixture.js" as Fx
import "../common"

// Boxes and entries of both sides.
KeyloftTestCase {
    id: idCase
    name: "StoreBoxes"

    function init() {
        Fx.LS = LocalStorage
        Fx.dropAll()
        DB.localStorage = LocalStorage
        DB.libEncryptor = Encryptor
        DB.wrapKey = Qt.md5("device")
        DB.loginPassword = Qt.md5("123456")
        DB.load()
    }

    function ids(list) {
        return list.map(function (e) { return e.id })
    }

    // The operations of one side, so both run through the same checks.
    function side(tag) {
        if (tag === "pwd") {
            return { addBox: DB.addPwdBox, removeBox: DB.removePwdBox, getBox: DB.getPwdBox,
                     boxList: DB.getPwdBoxList, chooseList: DB.getPwdBoxChooseList,
                     count: DB.getPwdBoxItemCount, addItem: DB.addPwdItem,
                     removeItem: DB.removePwdItem, getItem: DB.getPwdItem,
                     itemList: DB.getPwdItemList, moveFront: DB.movePwdItemFront,
                     rawBoxes: function () { return DB.root.data.pwdBoxList },
                     rawItems: function () { return DB.root.data.pwdItemList } }
        }
        return { addBox: DB.addNoteBox, removeBox: DB.removeNoteBox, getBox: DB.getNoteBox,
                 boxList: DB.getNoteBoxList, chooseList: DB.getNoteBoxChooseList,
                 count: DB.getNoteBoxItemCount, addItem: DB.addNoteItem,
                 removeItem: DB.removeNoteItem, getItem: DB.getNoteItem,
                 itemList: DB.getNoteItemList, moveFront: DB.moveNoteItemFront,
                 rawBoxes: function () { return DB.root.data.noteBoxList },
                 rawItems: function () { return DB.root.data.noteItemList } }
    }

    function test_boxes_data() {
        return [{ tag: "pwd" }, { tag: "note" }]
    }
    function test_boxes(row) {
        var s = side(row.tag)
        compare(ids([s.addBox(), s.addBox(), s.addBox()]), [1, 2, 3])
        compare(s.getBox(2).name, "")
        compare(s.getBox(2).iconId, 0)
        var a = s.addItem(); a.boxId = 3
        var b = s.addItem(); b.boxId = 3
        var c = s.addItem(); c.boxId = 1
        compare(s.count(3), 2)
        compare(s.count(-1), 3)
        compare(s.count(0), 0)
        // No uncategorised entry: no "uncateg" box in the grid.
        compare(ids(s.boxList()), [-1, 1, 2, 3])
        compare(ids(s.chooseList()), [0, 1, 2, 3])

        s.removeBox(3)
        compare(a.boxId, 0)
        compare(b.boxId, 0)
        compare(c.boxId, 1)
        compare(s.getBox(3), null)
        compare(ids(s.boxList()), [-1, 1, 2, 0])
        compare(s.count(0), 2)
        compare(s.addBox().id, 4)

        // Pseudo ids are never removed or found in the list.
        s.removeBox(-1)
        s.removeBox(0)
        s.removeBox(-7)
        compare(s.rawBoxes()[0].id, -1)
        compare(s.rawBoxes().length, 4)
        compare(s.getBox(-1).name, "all")
        compare(s.getBox(-1).iconId, -1)
        compare(s.getBox(0).name, "uncateg")
        compare(s.getBox(-2), null)
        compare(s.getBox("1"), null)
        compare(s.getBox(1).id, 1)
        // The pseudo boxes are shared by both sides.
        compare(DB.getPwdBox(-1), DB.getNoteBox(-1))
        compare(DB.getPwdBox(0), DB.getNoteBox(0))
        // Lists are copies.
        s.boxList().push({ id: 99 })
        compare(s.rawBoxes().length, 4)
    }

    function test_items_data() {
        return [{ tag: "pwd" }, { tag: "note" }]
    }
    function test_items(row) {
        var s = side(row.tag)
        var box = s.addBox()
        var e1 = s.addItem()
        var e2 = s.addItem(); e2.boxId = box.id
        var e3 = s.addItem()
        var e4 = s.addItem(); e4.boxId = box.id
        compare(ids(s.rawItems()), [1, 2, 3, 4])
        compare(ids(s.itemList(-1)), [1, 2, 3, 4])
        compare(ids(s.itemList(7)), [])
        compare(ids(s.itemList(box.id)), [2, 4])
        compare(ids(s.itemList(0)), [3, 1])
        compare(s.count("1"), 0)
        s.moveFront(3)
        compare(ids(s.rawItems()), [3, 1, 2, 4])
        s.moveFront(42)
        compare(ids(s.rawItems()), [3, 1, 2, 4])
        compare(s.getItem(99), null)
        compare(s.getItem("2"), null)

        // With a duplicated id the entry nearest the end is found and removed.
        var twin = JSON.parse(JSON.stringify(e1))
        twin.boxId = box.id
        s.rawItems().push(twin)
        compare(s.getItem(1).boxId, box.id)
        s.removeItem(1)
        compare(ids(s.rawItems()), [3, 1, 2, 4])
        compare(s.getItem(1), e1)
        s.removeItem(3)
        s.removeItem(3)
        compare(ids(s.rawItems()), [1, 2, 4])
        compare(s.addItem().id, 5)

        verify(DB.save())
        compare(DB.root.summary.pwdItemCount, DB.root.data.pwdItemList.length)
        compare(DB.root.summary.noteItemCount, DB.root.data.noteItemList.length)
    }

    function test_newEntryShapes() {
        var t0 = new Date().getTime()
        var p = DB.addPwdItem()
        compare(Object.keys(p), ["id", "securityLevel", "boxId", "iconId", "label", "account",
                                 "password", "note", "otpUrl", "date"])
        verify(p.date >= t0)
        var n = DB.addNoteItem()
        compare(Object.keys(n), ["id", "securityLevel", "boxId", "colorIndex", "note", "date",
                                 "title", "summary"])
        compare(Object.keys(DB.addNoteBox()), ["id", "iconId", "name"])
        compare(Object.keys(DB.root.data), ["pwdBoxIncrement", "pwdBoxList", "pwdItemIncrement",
                                            "pwdItemList", "noteBoxIncrement", "noteBoxList",
                                            "noteItemIncrement", "noteItemList"])
        compare(Object.keys(DB.root.security), ["encryptedLoginPassword", "securityQuestion1",
                                                "securityQuestion2", "verifiedSecurityAnswer",
                                                "verifiedPinCode"])
        compare(JSON.stringify(DB.root.app), "{\"name\":\"Ormel Keyloft\",\"version\":1,\"login\":"
                + "{\"pwdTry\":0,\"pwdTryMax\":5,\"typeIndex\":0},\"prompt\":{\"pwdBoxEdit\":true,"
                + "\"pwdItemEdit\":true,\"noteBoxEdit\":true,\"noteItemEdit\":true,\"noteAttrEdit\":true}}")
    }
}
