import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import Lib.HttpClient 1.0
import "qrc:/widgets"
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/pubfun.js" as Pubfun

// The SMS-code rows of the sign-in and account-closing pages: the phone
// number, "发送验证码" with its 60-second resend countdown, and the 6-digit
// code input.
ButtonGroupPanel {
    id: idRows

    // Where the SMS request's messages go.
    property var msgTarget: null
    // The account's number in stored form, to which the code is sent.
    property string phoneNumber: ""
    property string phoneText: ""
    // The phone row reports taps (switching the account) when true.
    property bool phoneClickable: false
    // Milliseconds since the epoch; tests replace it to step the countdown.
    property var clock: function() { return Date.now() }
    readonly property bool counting: idCountdown.running

    property double __countdownStart: 0

    signal phoneClicked()
    signal sendClicked()

    // Starts the countdown and asks the service to send a code; the code
    // in the answer (when the service puts it there) fills the input.
    function requestSmsCode() {
        startCountdown()
        idRequest.send(CloudApi.userSmsCodeUrl(phoneNumber), "GET", {
            resultType: "object",
            success: function(result) {
                idRows.setCode(Pubfun.shownText(result.code))
            },
            codes: [CloudErr.SMSCODE_LIMIT],
            code: function() {
                if (idRows.msgTarget)
                    idRows.msgTarget.showMsg(qsTr("请稍后再试"), false)
            }
        })
    }

    // The code as typed (or filled in).
    function codeText() {
        var e = panelModel[2].editText
        return e === undefined || e === null ? "" : String(e)
    }

    function setCode(text) {
        panelModel[2].editText = text === undefined || text === null ? "" : String(text)
        updateItem(2)
    }

    function setPhone(text) {
        phoneText = text
        panelModel[0].text = text
        updateItem(0)
    }

    // Disables the send row at once and counts down from 60; the row reads
    // "重新发送" again 59 s after the start.
    function startCountdown() {
        __countdownStart = clock()
        idCountdown.restart()
        tick()
    }

    function tick() {
        var left = 60 - Math.floor((clock() - __countdownStart) / 1000)
        var row = panelModel[1]
        if (left <= 1) {
            idCountdown.stop()
            row.text = qsTr("重新发送")
            row.disabled = false
            row.textColor = Theme.textBlueColor
            row.textFontBold = true
            row.textFontPointSize = Util.relativeFontPoint(-2)
        } else {
            row.text = qsTr("%1秒后可重新发送").arg(left)
            row.disabled = true
            row.textColor = Theme.textColor4
            row.textFontBold = false
            row.textFontPointSize = Util.relativeFontPoint(-4)
        }
        updateItem(1)
    }

    panelModel: [
        { text: "", hideIndicator: true, disabled: true },
        { text: qsTr("发送验证码"), textColor: Theme.textBlueColor, textFontBold: true,
          hideIndicator: true },
        { editText: "", placeholderText: qsTr("输入6位验证码"), editValidator: /\d{6}/,
          inputMethodHints: Qt.ImhDigitsOnly }
    ]

    onPhoneClickableChanged: {
        panelModel[0].disabled = !phoneClickable
        updateItem(0)
    }
    Component.onCompleted: {
        panelModel[0].disabled = !phoneClickable
        updateItem(0)
    }

    onItemClicked: {
        if (itemIdx === 0)
            phoneClicked()
        else if (itemIdx === 1)
            sendClicked()
    }

    CloudRequest {
        id: idRequest
        logName: "SmsCode"
        msgTarget: idRows.msgTarget
    }

    Timer {
        id: idCountdown
        interval: 1000
        repeat: true
        onTriggered: idRows.tick()
    }
}
