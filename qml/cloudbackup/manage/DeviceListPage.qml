import QtQuick 2.12
import Lib.Util 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/pubfun.js" as Pubfun

// The account's authorised devices: listed at every opening; another device
// can be removed, which ends its cloud backup.
DrawerPage {
    id: idPage

    readonly property alias devicePanel: idDevicePanel
    readonly property alias removeDialog: idRemoveDialog

    title: qsTr("授权设备")
    returnText: qsTr("云备份")
    homeIndicator: true

    function requestList() {
        idRequest.send(CloudApi.deviceListUrl(DBCloud.root.user.phoneNumber, Util.deviceCode), "GET", {
            resultType: "array",
            success: function(result) {
                for (var i = 0; i < result.length; ++i) {
                    if (result[i] === null || typeof result[i] !== "object")
                        throw new Error("device " + i + " is not an object")
                }
                idDevicePanel.deviceListModel = result
            }
        })
    }

    function remove() {
        idRequest.send(idRemoveDialog.url, "GET", {
            success: function() { idPage.requestList() }
        })
    }

    onAboutToShow: {
        idDevicePanel.deviceListModel = []
        requestList()
    }

    Flickable {
        anchors.fill: parent
        contentHeight: idColumn.height
        clip: true

        Column {
            id: idColumn
            width: parent.width
            spacing: 2 * Util.unitHeight
            bottomPadding: 2 * Util.unitHeight

            CloudTitle {
                source: "qrc:/img/cloudbackup/device_title.png"
                text: qsTr("点击“移除”按钮，可关闭该设备的云备份服务。")
            }

            DeviceListPanel {
                id: idDevicePanel
                objectName: "deviceListPanel"
                width: parent.width
                onItemClicked: {
                    idRemoveDialog.url = CloudApi.deviceRemoveUrl(DBCloud.root.user.phoneNumber,
                                                                  String(itemObj.device_code))
                    idRemoveDialog.msg = qsTr("移除设备 ") + "\"" + Pubfun.shownText(itemObj.device_name)
                            + "\"" + " ?"
                    idRemoveDialog.open()
                }
            }
        }
    }

    CloudRequest {
        id: idRequest
        logName: "DeviceListPage"
        msgTarget: idPage
    }

    QuestionDialog {
        id: idRemoveDialog
        objectName: "removeDeviceDialog"
        property string url: ""
        acceptButtonText: qsTr("移除")
        onAccepted: idPage.remove()
    }
}
