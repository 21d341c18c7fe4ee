import QtQuick 2.12
import Lib.Encryptor 1.0
import "qrc:/js/db.js" as DB

// The entry of a new login password, on the keypad or in the text field: a
// first entry, then the same again to confirm it. A different second entry
// says so, forgets the first and starts over. The prompt follows the steps.
QtObject {
    // The text over the input that names the step.
    property Item prompt: null
    // The prompt at the start ("设置新密码" at the first run).
    property string startText: ""
    // function (msg, sticky): shows a toast over the page.
    property var showMsg
    // MD5 of the first entry; empty before it.
    property string firstPwd: ""

    // Takes the MD5 of an entry; true when it confirms the first entry.
    function enter(md) {
        if (firstPwd === "") {
            firstPwd = md
            prompt.text = qsTr("验证新密码")
            return false
        }
        var same = md === firstPwd
        firstPwd = ""
        if (!same) {
            showMsg(qsTr("密码不匹配，请重新输入"))
            prompt.text = startText
        }
        return same
    }

    // Makes md the login key of the open vault, wrapped again under the
    // security answer when the store holds it, so that the forgotten-password
    // check unwraps the new key. The caller saves.
    function setLoginKey(md) {
        DB.loginPassword = md
        if (DB.securityAnswer !== "")
            DB.root.security.encryptedLoginPassword = Encryptor.aesEncrypt(DB.securityAnswer, md)
    }

    // Makes md the login key (as setLoginKey), entered through input type
    // typeIndex when one is given, and writes the vault. When the write is
    // refused the store puts back the key in force; the page says so and the
    // entry starts over.
    function saveLoginKey(md, typeIndex) {
        setLoginKey(md)
        if (typeIndex !== undefined)
            DB.root.app.login.typeIndex = typeIndex
        if (DB.save())
            return true
        firstPwd = ""
        prompt.text = startText
        showMsg(qsTr("保存数据失败"), true)
        return false
    }
}
