import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "../faults.js" as Faults
import "../../../qml/frame/Fixture.js" as Fixture
import "../../../qml/common"

// Stores a vault in the data directory of APPDATA, before the directory is
// made read-only or its disk full. One function per kind of login; the
// driving script picks one per data directory.
KeyloftTestCase {
    name: "Setup"

    function makeVault(pwd, typeIndex) {
        Fixture.reset(LocalStorage, Encryptor, Util)
        DB.loginPassword = Qt.md5(pwd)
        // The one-use hints are spent: they would stand in front of the pages.
        var prompt = DB.root.app.prompt
        for (var k in prompt)
            prompt[k] = false
        var box = DB.addPwdBox()
        box.name = "Work"
        box.iconId = 3
        var mail = DB.addPwdItem()
        mail.label = "Mail"
        mail.account = "alice@example.com"
        mail.password = "m41l-pw"
        mail.boxId = box.id
        var bank = DB.addPwdItem()
        bank.label = "Bank"
        bank.account = "alice"
        bank.password = "b4nk-pw"
        var note = DB.addNoteItem()
        note.title = "Note"
        note.note = "a note"
        Fixture.makeVault(Encryptor, pwd, typeIndex, ["a", "b"], 0)

        verify(Faults.open(LocalStorage, Encryptor, Util))
        verify(DB.login(Qt.md5(pwd)))
        compare(DB.root.app.login.typeIndex, typeIndex)
        compare(DB.root.data.pwdItemList.length, 2)
        compare(DB.getPwdBox(box.id).name, "Work")
    }

    function test_keypadVault() {
        makeVault(Faults.KEYPAD_PIN, 0)
    }

    function test_textVault() {
        makeVault(Faults.TEXT_PASSWORD, 1)
    }
}
