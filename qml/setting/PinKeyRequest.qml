import QtQuick 2.12
import QtQuick.Controls 2.12
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Makes sure the store holds the key of the vault's current PIN before a
// confidential field is read or written under it. request(done) calls
// done(true) at once when the key is there and verified; otherwise it asks
// for the PIN (or, when no PIN exists yet and offerNewPin is true, offers to
// set one) and calls done(passed) when the asking ends.
Item {
    id: idRoot

    // Holds sheets only: it takes no room in a layout. Inside a popup that
    // sizes itself to its one content item, declare it in that item.
    visible: false
    width: 0
    height: 0

    // Without a PIN: true asks whether to set one now; false opens the PIN
    // check, which then cannot pass.
    property bool offerNewPin: true

    property var __done: null

    function keyVerified() {
        var verified = DB.root.security.verifiedPinCode
        return verified !== undefined && verified !== "" && DB.pinCode !== ""
                && Qt.md5(DB.pinCode) === verified
    }

    function request(done) {
        if (keyVerified()) {
            done(true)
            return
        }
        __done = done
        var verified = DB.root.security.verifiedPinCode
        if (!offerNewPin || (verified !== undefined && verified !== ""))
            idCheckPinCodePage.open()
        else
            idNoPinDialog.open()
    }

    // Runs action at once for a normal item (securityLevel 0), otherwise
    // once the key is there; onFailed, when given, runs after a failed or
    // cancelled request.
    function guard(item, action, onFailed) {
        if (!item || item.securityLevel === 0) {
            action()
            return
        }
        request(function (passed) {
            if (passed)
                action()
            else if (onFailed)
                onFailed()
        })
    }

    function __finish(passed) {
        var done = __done
        __done = null
        if (done)
            done(passed)
    }

    CheckPinCodePage {
        id: idCheckPinCodePage
        objectName: "checkPinCodePage"
        onClosed: idRoot.__finish(checkPassed)
    }

    QuestionDialog {
        id: idNoPinDialog
        objectName: "noPinDialog"
        property bool __confirmed: false
        msg: qsTr("启用此功能需要设置PIN码，现在设置?")
        onAboutToShow: __confirmed = false
        onAccepted: {
            __confirmed = true
            idChangePinCodePage.open()
        }
        // "取消" and Escape alike end the request.
        onClosed: {
            if (!__confirmed)
                idRoot.__finish(false)
        }
    }

    ChangePinCodePage {
        id: idChangePinCodePage
        objectName: "changePinCodePage"
        onClosed: {
            if (changeSucc) {
                idPopupMsg.show(qsTr("PIN码已修改"))
            }
            idRoot.__finish(changeSucc)
        }
    }

    PopupMsg {
        id: idPopupMsg
        objectName: "pinKeyPopupMsg"
        parent: Overlay.overlay
    }
}
