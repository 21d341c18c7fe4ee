.import "qrc:/js/db.js" as DB
.import "../common/pagetest.js" as T

// Shared set-up of the frame, login, security and backup tests: a fresh
// vault database, and stored vaults as a previous run would have left them.

// An empty store under the wrap key the program takes from this device.
function reset(localStorage, encryptor, util) {
    T.clearStore(localStorage, encryptor, Qt.md5(util.deviceCode))
}

function answerKey(answer1, answer2) {
    return Qt.md5(answer1 + answer2)
}

// Security questions as the security-question page sets them, in the open
// vault; questions: [question one, answer one, question two, answer two].
function setQuestions(encryptor, questions) {
    var key = answerKey(questions[1], questions[3])
    var security = DB.root.security
    security.securityQuestion1 = questions[0]
    security.securityQuestion2 = questions[2]
    security.verifiedSecurityAnswer = Qt.md5(key)
    security.encryptedLoginPassword = encryptor.aesEncrypt(key, DB.loginPassword)
    DB.securityAnswer = key
}

// Stores a vault with the login password `pwd` entered through input type
// `typeIndex`; `answers` (two texts, optional) sets security questions "q1"
// and "q2", `pwdTry` a count of earlier failures. Returns with the store as
// after a new start: loaded, nobody logged in.
function makeVault(encryptor, pwd, typeIndex, answers, pwdTry) {
    DB.loginPassword = Qt.md5(pwd)
    DB.root.app.login.typeIndex = typeIndex
    if (answers)
        setQuestions(encryptor, ["q1", answers[0], "q2", answers[1]])
    if (pwdTry)
        DB.root.app.login.pwdTry = pwdTry
    if (!DB.save())
        throw new Error("vault not saved")
    T.reload()
}
