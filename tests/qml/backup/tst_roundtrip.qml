import QtQuick 2.12
import QtQuick.LocalStorage 2.12
import QtTest 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import "qrc:/backup"
import "qrc:/js/db.js" as DB
import "../common/pagetest.js" as T
import "../frame/Fixture.js" as Fixture
import "backuptest.js" as B
import "../common"

// A vault carried through the clipboard into another vault with its own
// login password.
Item {
    id: idWindow
    width: 400
    height: 650

    Component {
        id: idBackupComp
        BackupPage {}
    }

    Component {
        id: idRestoreComp
        RestorePage {}
    }

    KeyloftTestCase {
        id: idCase
        name: "RoundTrip"
        when: windowShown

        readonly property var env: ({ localStorage: LocalStorage, encryptor: Encryptor, util: Util })
        readonly property var questionsA: ["母亲的名字?", "Mei", "儿时最好的玩伴名字?", "Xiao Ming"]
        readonly property var questionsB: ["q?", "b1", "r?", "b2"]
        readonly property string pinA: Qt.md5("135790")

        // Confidential fields as the entry and note editors write them.
        readonly property var secrets: ({
            bankPassword: "b@nk-密码",
            bankNote: "card 1234\nPIN at home",
            bankOtp: "otpauth://totp/bank:me?secret=JBSWY3DPEHPK3PXP&issuer=bank",
            diary: "私密日记\n第二行"
        })

        // Vault A: boxes on both sides (one removed), normal and
        // confidential entries and notes, uncategorised ones too.
        function fillVaultA() {
            var work = DB.addPwdBox()
            work.name = "工作"
            work.iconId = 7
            DB.removePwdBox(DB.addPwdBox().id)
            var money = DB.addPwdBox()
            money.name = "money"
            money.iconId = 36

            var forum = DB.addPwdItem()
            DB.movePwdItemFront(forum.id)
            forum.boxId = work.id
            forum.iconId = 3
            forum.label = "forum"
            forum.account = "me@example.com"
            forum.password = "plain-pwd"
            forum.note = "normal note"
            var bank = DB.addPwdItem()
            DB.movePwdItemFront(bank.id)
            bank.securityLevel = 1
            bank.boxId = money.id
            bank.label = "bank"
            bank.account = "6222 0000"
            bank.password = Encryptor.aesEncrypt(pinA, secrets.bankPassword)
            bank.note = Encryptor.aesEncrypt(pinA, secrets.bankNote)
            bank.otpUrl = Encryptor.aesEncrypt(pinA, secrets.bankOtp)
            var loose = DB.addPwdItem()
            DB.movePwdItemFront(loose.id)
            loose.label = "loose"
            loose.otpUrl = "otpauth://totp/loose?secret=GEZDGNBVGY3TQOJQ"
            DB.removePwdItem(DB.addPwdItem().id)

            var ideas = DB.addNoteBox()
            ideas.name = "ideas"
            ideas.iconId = 12
            var diary = DB.addNoteItem()
            DB.moveNoteItemFront(diary.id)
            diary.securityLevel = 1
            diary.boxId = ideas.id
            diary.colorIndex = 5
            diary.note = Encryptor.aesEncrypt(pinA, secrets.diary)
            var shopping = DB.addNoteItem()
            DB.moveNoteItemFront(shopping.id)
            shopping.colorIndex = 2
            shopping.note = "milk\neggs"
            shopping.title = "milk"
            shopping.summary = "eggs"
            DB.root.security.verifiedPinCode = Qt.md5(pinA)
            verify(DB.save())
        }

        function decrypted(text) {
            return Encryptor.aesDecrypt(pinA, text)
        }

        function checkVaultA(dataA) {
            compare(JSON.stringify(DB.root.data), dataA)
            compare(DB.root.security.verifiedPinCode, Qt.md5(pinA))
            compare(DB.root.security.securityQuestion1, questionsA[0])
            compare(DB.root.security.securityQuestion2, questionsA[2])
            compare(DB.getPwdBoxList().map(function (b) { return b.name }), ["全部", "工作", "money", "未分类"])
            compare(DB.getNoteBoxList().map(function (b) { return b.name }), ["全部", "ideas", "未分类"])
            compare(DB.getPwdItemList(DB.constBoxIdAll).map(function (e) { return e.label }),
                    ["loose", "bank", "forum"])
            var bank = DB.getPwdItem(2)
            compare(decrypted(bank.password), secrets.bankPassword)
            compare(decrypted(bank.note), secrets.bankNote)
            compare(decrypted(bank.otpUrl), secrets.bankOtp)
            compare(decrypted(DB.getNoteItem(1).note), secrets.diary)
            compare(DB.getNoteItem(2).note, "milk\neggs")
            // The next new entry goes on from A's counter.
            compare(DB.root.data.pwdItemIncrement, 4)
            compare(DB.root.data.pwdBoxIncrement, 3)
        }

        function test_vaultAIntoVaultB() {
            B.openVault(env, "alpha-pass", questionsA)
            T.namePseudoBoxes()
            fillVaultA()
            var dataA = JSON.stringify(DB.root.data)

            var backupPage = createTemporaryObject(idBackupComp, idWindow)
            T.openPopup(idCase, backupPage)
            B.backupThroughPage(idCase, backupPage, "Backup-Pass-1")
            T.closePopup(idCase, backupPage)
            var backupText = Util.clipboardText

            // Vault B: cleared and set up anew, with its own password,
            // questions and content; the clipboard meanwhile used for
            // something else.
            verify(DB.clear())
            DB.load()
            DB.loginPassword = Qt.md5("bravo-pass")
            Fixture.setQuestions(Encryptor, questionsB)
            DB.addPwdItem().label = "only in B"
            verify(DB.save())
            DB.pinCode = ""
            Util.clipboardText = "something else"
            Util.clipboardText = "Backup of my vault:\n" + backupText + "\n"

            var restorePage = createTemporaryObject(idRestoreComp, idWindow)
            T.openPopup(idCase, restorePage)
            B.restoreThroughPage(idCase, restorePage, "Backup-Pass-1", questionsA[1], questionsA[3])
            tryCompare(restorePage, "visible", false)
            checkVaultA(dataA)
            compare(DB.loginPassword, Qt.md5("bravo-pass"))

            // B's login password opens the restored vault after a new load.
            DB.loginPassword = ""
            DB.load()
            verify(!DB.tryLogin(Qt.md5("alpha-pass")))
            verify(DB.login(Qt.md5("bravo-pass")))
            checkVaultA(dataA)
            compare(Encryptor.aesDecrypt(Fixture.answerKey(questionsA[1], questionsA[3]),
                                         DB.root.security.encryptedLoginPassword),
                    Qt.md5("bravo-pass"))
            compare(DB.root.summary.pwdItemCount, 3)
            compare(DB.root.summary.noteItemCount, 2)
        }
    }
}
