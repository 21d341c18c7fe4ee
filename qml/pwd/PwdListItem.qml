import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Lib.Encryptor 1.0
import Widgets.Theme 1.0
import ZV.OPTClient 1.0
import "qrc:/widgets"
import "qrc:/js/db.js" as DB
import "qrc:/js/icon.js" as Icon

// One row of the entry list: icon and label (hold for the menu), account and
// password or the live one-time code, and the reveal button.
Rectangle {
    id: idRoot

    property var pwdListView: null
    property var pwdListModel: null
    property var pwdItem: null

    // 0: account and password; 1: one-time code and ring
    property int viewIndex: 0
    property string pwdText: "******"

    readonly property bool isConfidential: pwdItem !== null && pwdItem.securityLevel !== 0
    readonly property bool hasOtp: pwdItem !== null && pwdItem.otpUrl !== undefined
                                   && pwdItem.otpUrl !== ""
    readonly property bool isCurrentRow: pwdListView !== null && pwdItem !== null
                                         && pwdListView.currentIndex >= 0
                                         && pwdListModel !== null
                                         && pwdListView.currentIndex < pwdListModel.length
                                         && pwdListModel[pwdListView.currentIndex].id === pwdItem.id

    signal itemOpenClicked(int itemId)
    signal itemDelayClicked(int itemId)
    signal pinRequested(var itemObj)

    color: Theme.pageBoxColor

    function __decrypt(text) {
        return text ? Encryptor.aesDecrypt(DB.pinCode, text) : ""
    }

    function switchTotpPassword() {
        if (idOptClient.url !== "") {
            viewIndex = 1
            idOptClient.start()
        } else {
            viewIndex = 0
            idOptClient.stop()
        }
    }

    // After a passed PIN check: show the password (or the live code).
    function showPwd() {
        idOptClient.url = ""
        if (isConfidential) {
            pwdText = __decrypt(pwdItem.password)
            idRevealButton.checked = true
            if (hasOtp)
                idOptClient.url = __decrypt(pwdItem.otpUrl)
        } else {
            pwdText = pwdItem.password
            idRevealButton.checked = true
            if (hasOtp)
                idOptClient.url = pwdItem.otpUrl
        }
        switchTotpPassword()
    }

    function __revealClicked() {
        idOptClient.url = ""
        if (!isConfidential) {
            if (idRevealButton.checked) {
                pwdText = pwdItem.password
                if (hasOtp)
                    idOptClient.url = pwdItem.otpUrl
            } else {
                pwdText = "******"
            }
        } else if (DB.pinCode !== "") {
            if (idRevealButton.checked) {
                pwdText = __decrypt(pwdItem.password)
                if (hasOtp)
                    idOptClient.url = __decrypt(pwdItem.otpUrl)
            } else {
                pwdText = "******"
            }
        } else {
            idRevealButton.checked = false
            idRoot.pinRequested(idRoot)
        }
        switchTotpPassword()
    }

    function __findRow() {
        if (!pwdListModel)
            return -1
        for (var i = 0; i < pwdListModel.length; ++i) {
            if (pwdListModel[i].id === pwdItem.id)
                return i
        }
        return -1
    }

    Component.onDestruction: idOptClient.stop()

    OPTClient {
        id: idOptClient
        objectName: "rowOptClient"
    }

    RowLayout {
        anchors.fill: parent
        spacing: 0

        DelayButton {
            id: idHoldButton
            objectName: "holdButton"
            Layout.preferredWidth: Util.unitHeight * 9
            Layout.fillHeight: true
            delay: 500
            padding: 0
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idFocusFrame.keyPressed(event)
            Keys.onReleased: idFocusFrame.keyReleased(event)
            onActivated: {
                checked = false
                if (idRoot.pwdListView)
                    idRoot.pwdListView.currentIndex = idRoot.__findRow()
                idRoot.itemDelayClicked(idRoot.pwdItem.id)
            }
            onReleased: {
                checked = false
                if (!idRoot.isCurrentRow)
                    idRoot.itemOpenClicked(idRoot.pwdItem.id)
            }
            background: Rectangle {
                color: (idHoldButton.down || idRoot.isCurrentRow) ? Theme.pageBoxHiColor
                                                                   : "transparent"
                ZVPixelLine {
                    visible: !(idHoldButton.down || idRoot.isCurrentRow)
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    width: 1
                    height: Util.unitHeight * 4
                    color: Theme.pageBoxSpacingColor
                }
            }
            contentItem: Item {
                Column {
                    anchors.centerIn: parent
                    spacing: 0
                    Image {
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Util.unitHeight * 3
                        height: Util.unitHeight * 3
                        source: idRoot.pwdItem ? Icon.getIconUrl(idRoot.pwdItem.iconId) : ""
                    }
                    ZVText {
                        objectName: "labelText"
                        anchors.horizontalCenter: parent.horizontalCenter
                        width: Util.unitHeight * 8
                        visible: text !== ""
                        text: idRoot.pwdItem ? idRoot.pwdItem.label : ""
                        font.pointSize: Util.relativeFontPoint(-4)
                        horizontalAlignment: Text.AlignHCenter
                        maximumLineCount: 2
                        wrapMode: Text.WordWrap
                        elide: Text.ElideRight
                    }
                }
            }

            FocusFrame {
                id: idFocusFrame
                margin: 2
                radius: Util.unitHeight / 2
            }
        }

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true

            Column {
                visible: idRoot.viewIndex === 0
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.leftMargin: Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                spacing: Util.unitHeight * 0.5
                ZVText {
                    objectName: "accountText"
                    width: parent.width
                    text: idRoot.pwdItem ? idRoot.pwdItem.account : ""
                    font.pointSize: Util.relativeFontPoint(-2)
                    elide: Text.ElideRight
                }
                ZVText {
                    id: idPwdText
                    objectName: "pwdText"
                    width: parent.width
                    text: idRoot.pwdText
                    font.pointSize: Util.relativeFontPoint(-2)
                    elide: Text.ElideRight
                    color: idRoot.hasOtp ? Theme.buttonGreenColor
                                         : (idRoot.pwdText === "******" ? Theme.textColor3
                                                                        : Theme.textColor)
                }
            }

            OtpCode {
                visible: idRoot.viewIndex === 1
                anchors.left: parent.left
                anchors.leftMargin: Util.unitHeight
                anchors.verticalCenter: parent.verticalCenter
                client: idOptClient
            }
        }

        Item {
            Layout.preferredWidth: Util.unitHeight * 6
            Layout.fillHeight: true

            IconButton {
                id: idRevealButton
                objectName: "revealButton"
                anchors.centerIn: parent
                checkable: true
                readonly property bool __unlocked: checked && DB.pinCode !== ""
                imgSource: idRoot.isConfidential
                           ? (__unlocked ? "qrc:/img/pwd/unlock.png" : "qrc:/img/pwd/lock.png")
                           : (checked ? "qrc:/img/pwd/eye.png" : "qrc:/img/pwd/eyeClosed.png")
                imgHiSource: idRoot.isConfidential
                             ? (__unlocked ? "qrc:/img/pwd/unlockHi.png"
                                           : "qrc:/img/pwd/lockHi.png")
                             : (checked ? "qrc:/img/pwd/eyeHi.png"
                                        : "qrc:/img/pwd/eyeClosedHi.png")
                onClicked: idRoot.__revealClicked()
            }
        }
    }
}
