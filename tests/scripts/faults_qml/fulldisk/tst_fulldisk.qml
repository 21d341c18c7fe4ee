import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB
import "../faults.js" as Faults
import "../../../qml/common"

// The keypad vault of faults_qml/setup on a small tmpfs (a few hundred KiB
// free): a save too large for the space left is refused without a throw,
// the row keeps every byte, the vault in memory is the one on disk, and the
// next save that fits goes through.
KeyloftTestCase {
    name: "FullDisk"

    function key() {
        return Qt.md5(Faults.KEYPAD_PIN)
    }

    function bigText(chars) {
        var s = "0123456789abcdef"
        while (s.length < chars)
            s += s
        return s.substring(0, chars)
    }

    function test_tooLargeEntry() {
        verify(Faults.open(LocalStorage, Encryptor, Util))
        verify(DB.login(key()))
        var row = Faults.storedRow()
        var before = Faults.canonical(DB.root)

        var item = DB.addPwdItem()
        item.account = "big"
        item.note = bigText(1536 * 1024)
        var result
        try {
            result = DB.save()
        } catch (e) {
            fail("threw: " + e)
        }
        compare(result, false)
        compare(Faults.canonical(DB.root), before)
        var after = Faults.storedRow()
        compare(after.date, row.date)
        compare(after.wrapkey, row.wrapkey)
        verify(after.content === row.content, "the row changed")
        compare(Faults.vaultOnDisk(key()), before)

        // Room enough for a small entry: it is written.
        var small = DB.addPwdItem()
        small.account = "small"
        verify(DB.save())
        var expected = Faults.canonical(DB.root)
        verify(Faults.storedRow().content !== row.content)
        compare(Faults.vaultOnDisk(key()), expected)
    }
}
