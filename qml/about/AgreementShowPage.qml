import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The user agreement or the privacy policy: linkUrl is the page's full
// address, loaded with a fresh time stamp at every opening; "同意" closes it.
WebDrawerPage {
    id: idPage

    property string linkUrl: ""
    readonly property alias agreeButton: idAgreeButton

    title: qsTr("帮助")
    errorText: qsTr("网络请求失败，请检查网络设置")
    homeIndicator: true
    footerHeight: idFooter.height
    pageUrl: function () {
        return idPage.linkUrl + "?v=" + new Date().getTime()
    }

    // The footer: the button, under the web view, above the home indicator.
    Rectangle {
        id: idFooter
        anchors.bottom: parent.bottom
        width: parent.width
        height: 6 * Util.unitHeight
        color: idPage.pageColor

        LineTxtButton {
            id: idAgreeButton
            objectName: "agreeButton"
            anchors.centerIn: parent
            width: 10 * Util.unitHeight
            height: 4 * Util.unitHeight
            text: qsTr("同意")
            onClicked: idPage.close()
        }
    }
}
