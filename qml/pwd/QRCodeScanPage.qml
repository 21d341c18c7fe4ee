import QtQuick 2.12
import QtQuick.Controls 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The full-screen camera page that returns the text of the first QR code it
// decodes in foundTag (empty when it was closed without one). It asks for
// the camera permission when it opens and loads the camera view only once
// the permission is granted.
Popup {
    id: idRoot

    property string foundTag: ""

    readonly property size __screen: Overlay.overlay && Overlay.overlay.width > 0
                                     ? Qt.size(Overlay.overlay.width, Overlay.overlay.height)
                                     : Util.screenSize

    parent: Overlay.overlay
    x: 0
    y: 0
    width: __screen.width
    height: __screen.height
    padding: 0
    modal: true
    dim: false
    focus: true
    closePolicy: Popup.CloseOnEscape

    background: Rectangle {
        color: "black"
    }

    onAboutToShow: foundTag = ""
    onOpened: Util.requestPermissionsCamera()
    onAboutToHide: {
        if (idCameraLoader.item)
            idCameraLoader.item.stop()
    }

    Connections {
        target: PhoneNotify
        enabled: idRoot.visible
        function onCameraPermissionsResult(permission, succ) {
            if (succ) {
                idCameraLoader.active = true
                idCameraLoader.item.start()
            } else {
                idPermissionDialog.open()
            }
        }
    }

    contentItem: Item {
        TitleBar {
            id: idTitleBar
            objectName: "scanTitleBar"
            width: parent.width
            text: qsTr("扫一扫")
            haveReturnButton: true
            returnText: qsTr("关闭")
            onReturnButtonClicked: idRoot.close()
        }

        Loader {
            id: idCameraLoader
            objectName: "cameraLoader"
            anchors.top: idTitleBar.bottom
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            active: false
            sourceComponent: ZVQRCodeCamera {
                objectName: "qrCodeCamera"
                onScanFinished: {
                    // The first decoded frame ends the scan.
                    if (idRoot.foundTag.length > 0 || !idRoot.visible)
                        return
                    idRoot.foundTag = tag
                    idRoot.close()
                }
            }
        }
    }

    QuestionDialog {
        id: idPermissionDialog
        objectName: "cameraPermissionDialog"
        msg: qsTr("请在系统设置中开启\"相机\"权限。")
        hasRejectedButton: false
        onClosed: idRoot.close()
    }
}
