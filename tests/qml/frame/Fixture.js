.import "qrc:/js/db.js" as DB

// Shared set-up of the frame, login and security tests: a fresh vault
// database, and stored vaults as a previous run would have left them.

function reset(localStorage, encryptor, util) {
    DB.localStorage = localStorage
    DB.libEncryptor = encryptor
    DB.wrapKey = Qt.md5(util.deviceCode)
    DB.load()
    DB.clear()
    DB.loginPassword = ""
    DB.pinCode = ""
    DB.securityAnswer = ""
    DB.load()
}

// Stores a vault with the login password `pwd` entered through input type
// `typeIndex`; `answers` (two texts, optional) sets security questions,
// `pwdTry` a count of earlier failures. Returns with the store as after a
// new start: loaded, nobody logged in.
function makeVault(encryptor, pwd, typeIndex, answers, pwdTry) {
    DB.loginPassword = Qt.md5(pwd)
    DB.root.app.login.typeIndex = typeIndex
    if (answers) {
        var key = Qt.md5(answers[0] + answers[1])
        DB.root.security.securityQuestion1 = "q1"
        DB.root.security.securityQuestion2 = "q2"
        DB.root.security.verifiedSecurityAnswer = Qt.md5(key)
        DB.root.security.encryptedLoginPassword = encryptor.aesEncrypt(key, DB.loginPassword)
    }
    if (pwdTry)
        DB.root.app.login.pwdTry = pwdTry
    if (!DB.save())
        throw new Error("vault not saved")
    DB.loginPassword = ""
    DB.pinCode = ""
    DB.securityAnswer = ""
    DB.load()
}
