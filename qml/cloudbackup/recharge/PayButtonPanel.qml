import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The payment channel: WeChat Pay (0) or Alipay (1).
Row {
    id: idPanel

    property int choosedButtonIndex: 0

    spacing: 2 * Util.unitHeight
    leftPadding: 2 * Util.unitHeight
    topPadding: Util.unitHeight
    bottomPadding: Util.unitHeight

    Repeater {
        model: [
            { text: qsTr("微信"), icon: "qrc:/img/cloudbackup/weipay_icon.png" },
            { text: qsTr("支付宝"), icon: "qrc:/img/cloudbackup/alipay_icon.png" }
        ]

        Button {
            id: idButton
            objectName: "payButton" + index
            readonly property bool selected: index === idPanel.choosedButtonIndex
            width: (idPanel.width - 2 * idPanel.leftPadding - idPanel.spacing) / 2
            height: 6 * Util.unitHeight
            opacity: selected ? 1 : 0.9
            focusPolicy: Qt.TabFocus
            Keys.onPressed: idFocusFrame.keyPressed(event)
            Keys.onReleased: idFocusFrame.keyReleased(event)
            onClicked: idPanel.choosedButtonIndex = index
            contentItem: Column {
                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 3 * Util.unitHeight
                    height: 3 * Util.unitHeight
                    sourceSize: Qt.size(width * 2, height * 2)
                    source: modelData.icon
                }
                ZVText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: modelData.text
                }
            }
            background: Rectangle {
                radius: Util.unitHeight / 2
                color: idButton.down ? Theme.pageBoxHiColor : Theme.pageBoxColor
                border.width: idButton.selected ? 2 : 1
                border.color: idButton.selected ? Theme.textGreenColor : Theme.pageBoxSpacingColor
            }

            FocusFrame {
                id: idFocusFrame
                margin: -3
                radius: Util.unitHeight / 2 + 3
            }
        }
    }
}
