// Helpers for the tests of the vault's pages: finding items in pages and
// popups, a fresh store, typing, keypads, holds, toasts, PIN checks and
// screenshots.
.pragma library
.import "qrc:/js/db.js" as DB
.import "qrc:/js/keypress.js" as KeyPress

function __kids(obj) {
    var out = []
    if (!obj)
        return out
    var k
    if (obj.contentItem && obj.contentItem !== obj && obj.contentItem.parent !== obj)
        out.push(obj.contentItem)
    if (obj.data)
        for (k = 0; k < obj.data.length; ++k)
            out.push(obj.data[k])
    else if (obj.children)
        for (k = 0; k < obj.children.length; ++k)
            out.push(obj.children[k])
    return out
}

// Breadth-first search from root, through children, resources and the
// content of popups, for the first object accepted by pred.
function search(root, pred) {
    var queue = [root]
    var seen = []
    while (queue.length > 0) {
        var obj = queue.shift()
        if (!obj || seen.indexOf(obj) >= 0)
            continue
        seen.push(obj)
        if (obj !== root && pred(obj))
            return obj
        var kids = __kids(obj)
        for (var i = 0; i < kids.length; ++i)
            queue.push(kids[i])
    }
    return null
}

function find(root, name) {
    return search(root, function (o) {
        return o.objectName === name
    })
}

function findAll(root, pred) {
    var found = []
    search(root, function (o) {
        if (pred(o))
            found.push(o)
        return false
    })
    return found
}

// Shown: every ancestor visible and not transparent, with a size.
function isShown(item) {
    for (var p = item; p; p = p.parent) {
        if (p.visible === false || p.opacity === 0)
            return false
    }
    return item.width > 0 && item.height > 0
}

// A visible item showing exactly text (a button, a text, a menu row).
function findText(root, text) {
    return search(root, function (o) {
        return o.text === text && o.x !== undefined && isShown(o)
    })
}

// The first object of the QML type typeName.
function findType(root, typeName) {
    return search(root, function (o) {
        return String(o).indexOf(typeName + "_QMLTYPE") === 0 || String(o).indexOf(typeName + "(") === 0
    })
}

var PIN = "135790"

// An empty store, nobody logged in: as at the first start of the program.
function clearStore(localStorage, encryptor, wrapKey) {
    DB.localStorage = localStorage
    DB.libEncryptor = encryptor
    DB.wrapKey = wrapKey
    DB.load()
    DB.clear()
    reload()
}

// As at a new start of the program: no key held, the stored row read again.
function reload() {
    DB.loginPassword = ""
    DB.pinCode = ""
    DB.securityAnswer = ""
    DB.load()
}

// The pseudo boxes carry the names the frame gives them at start.
function namePseudoBoxes() {
    DB.getPwdBox(DB.constBoxIdAll).name = "全部"
    DB.getPwdBox(DB.constBoxIdUncateg).name = "未分类"
}

// A fresh, open, empty vault with the pseudo boxes named as the frame names
// them and the one-use hints already spent (they would block input).
function resetStore(localStorage, encryptor) {
    clearStore(localStorage, encryptor, Qt.md5("pwd-test-device"))
    DB.loginPassword = Qt.md5("123456")
    var prompt = DB.root.app.prompt
    prompt.pwdBoxEdit = false
    prompt.pwdItemEdit = false
    prompt.noteBoxEdit = false
    prompt.noteItemEdit = false
    prompt.noteAttrEdit = false
    DB.save()
    namePseudoBoxes()
}

// A PIN exists (as the PIN change page leaves it), its key not held.
function setPin() {
    DB.root.security.verifiedPinCode = Qt.md5(Qt.md5(PIN))
    DB.pinCode = ""
    DB.save()
}

function pinKey() {
    return Qt.md5(PIN)
}

// Sets fields on a new store item and saves; a confidential item's
// `secretFields` are stored under the PIN key, as the editors store them.
function fillItem(item, fields, secretFields, encryptor) {
    for (var k in fields)
        item[k] = fields[k]
    if (item.securityLevel === 1) {
        for (var i = 0; i < secretFields.length; ++i)
            item[secretFields[i]] = encryptor.aesEncrypt(pinKey(), item[secretFields[i]])
    }
    DB.save()
    return item
}

// A new entry at the head of the list, as the edit page files it.
function addEntry(fields, encryptor) {
    var item = DB.addPwdItem()
    DB.movePwdItemFront(item.id)
    return fillItem(item, fields, ["password", "note", "otpUrl"], encryptor)
}

// The toast shows text and would close by itself; it is then dismissed so
// that the page under it (the toast is modal) takes input again without
// waiting for its timer.
function expectToast(tc, toast, text) {
    tc.tryCompare(toast, "opened", true)
    tc.compare(toast.msg, text)
    tc.compare(toast.autoClose, true)
    toast.close()
    tc.tryCompare(toast, "visible", false)
}

// A sticky toast shows text and stays after its time until it is tapped.
function expectStickyToast(tc, toast, text) {
    tc.tryCompare(toast, "opened", true)
    tc.compare(toast.msg, text)
    tc.compare(toast.autoClose, false)
    tc.tryCompare(toast, "autoClose", true, 5000)
    tc.verify(toast.visible)
    tap(tc, toast.contentItem)
    tc.tryCompare(toast, "visible", false)
}

// The ring of a one-time code once its client has ticked at least twice:
// the seconds left as its text and, in degrees, the part of the period gone
// by as its progress. The last tick waited for is not the first second of a
// step, so that part is never 0.
function expectRingFollows(tc, ring, client, period) {
    var first = client.expire
    tc.tryVerify(function () { return client.expire !== first }, 3000, "the client did not tick")
    var second = client.expire
    tc.tryVerify(function () { return client.expire !== second && client.expire < period }, 3000,
                 "the client did not tick again")
    tc.compare(client.period, period)
    tc.compare(ring.text, String(client.expire))
    tc.compare(ring.progress, (period - client.expire) * 360 / period)
}

// Waits as a person does between a key that pressed a button and the next
// Return: until the page that press brought has come in (a Return sooner
// presses nothing).
function waitReturnSettled(tc) {
    tc.tryVerify(function () { return KeyPress.returnSettled() }, 1000,
                 "Return still settling after the last press")
}

function typeText(tc, text) {
    for (var i = 0; i < text.length; ++i)
        tc.keyClick(text[i])
}

function openPopup(tc, popup) {
    popup.open()
    tc.tryCompare(popup, "opened", true)
}

function closePopup(tc, popup) {
    popup.close()
    tc.tryCompare(popup, "visible", false)
}

// The deepest visible item drawn at the scene point (x, y) under item, or
// null. The popup overlay counts only where a popup (or its dimmer) lies.
function __itemAt(item, x, y) {
    // Topmost first: higher z, then later among equals.
    var kids = []
    for (var k = 0; k < item.children.length; ++k)
        kids.push(item.children[k])
    kids = kids.map(function (kid, index) { return { kid: kid, index: index } })
    kids.sort(function (a, b) { return a.kid.z !== b.kid.z ? a.kid.z - b.kid.z : a.index - b.index })
    for (var i = kids.length - 1; i >= 0; --i) {
        var kid = kids[i].kid
        if (!kid.visible || kid.opacity === 0)
            continue
        var p = kid.mapFromItem(null, x, y)
        var inside = p.x >= 0 && p.y >= 0 && p.x < kid.width && p.y < kid.height
        if (!inside && kid.clip)
            continue
        var deeper = __itemAt(kid, x, y)
        if (deeper)
            return deeper
        if (inside && String(kid).indexOf("QQuickOverlay") !== 0)
            return kid
    }
    return null
}

// True when a tap at the centre of item reaches it: shown, with a size, laid
// out where it is drawn and not covered.
function reachable(item) {
    if (!item || !isShown(item))
        return false
    var root = item
    while (root.parent)
        root = root.parent
    var c = item.mapToItem(null, item.width / 2, item.height / 2)
    for (var hit = __itemAt(root, c.x, c.y); hit; hit = hit.parent) {
        if (hit === item)
            return true
    }
    return false
}

// Clicks item once a tap reaches it. Right after a page, tab or popup
// changed, rows, columns and layouts are placed only at the next frame, and
// a click before it lands on whatever stood there.
function tap(tc, item) {
    tc.verify(item, "nothing to tap")
    tc.tryVerify(function () { return reachable(item) }, 5000, "not reachable: " + item)
    tc.mouseClick(item)
}

// Clicks into edit and types text at its cursor.
function typeInto(tc, edit, text) {
    tap(tc, edit)
    typeText(tc, text)
    return edit
}

// Clicks the digit keys of a keypad (a PIN or login keypad, or a page
// holding one).
function clickDigits(tc, pad, digits) {
    for (var i = 0; i < digits.length; ++i)
        tap(tc, find(pad, "key" + digits[i]))
}

// A keypad empties itself after a finished code (accepted or refused).
function waitPadEmpty(tc, pad) {
    tc.tryCompare(find(pad, "echo"), "pwdStr", "")
}

// Presses item until popup opens, then lets go.
function hold(tc, item, popup) {
    tc.verify(item, "nothing to hold")
    tc.tryVerify(function () { return reachable(item) }, 5000, "not reachable: " + item)
    tc.mousePress(item)
    tc.tryCompare(popup, "opened", true, 3000)
    tc.mouseRelease(item)
}

// Passes (with PIN) or cancels the PIN check page found under root, which
// is opening or open.
function answerPinCheck(tc, root, pass) {
    var check = find(root, "checkPinCodePage")
    tc.tryCompare(check, "opened", true)
    if (pass)
        clickDigits(tc, check, PIN)
    else
        tap(tc, findType(check, "CloseButton"))
    tc.tryCompare(check, "visible", false)
}

// Types the two answers into a security-question check page and presses
// its check button.
function answerQuestions(tc, check, answer1, answer2) {
    typeInto(tc, check.answer1.edit, answer1)
    typeInto(tc, check.answer2.edit, answer2)
    tap(tc, check.checkButton)
}

// Saves the window, with its open popups, as NAME.png under dir (the test
// artefact directory).
function shoot(tc, window, dir, name) {
    if (!dir) {
        tc.warn("KEYLOFT_ARTIFACT_DIR not set: " + name + " not saved")
        return
    }
    // The window's root item: an application window's content item does
    // not hold the popups' overlay.
    var root = window.contentItem
    while (root.parent)
        root = root.parent
    var path = dir + "/" + name + ".png"
    var saved = null
    tc.verify(root.grabToImage(function (result) { saved = result.saveToFile(path) }))
    tc.tryVerify(function () { return saved !== null }, 5000)
    tc.verify(saved, "cannot write " + path)
}
