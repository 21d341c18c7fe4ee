import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/cloudbackup"
import "qrc:/js/db.js" as DB
import "qrc:/js/dbcloud.js" as DBCloud
import "qrc:/js/cloudapi.js" as CloudApi
import "qrc:/js/pubfun.js" as Pubfun

// The account's backup records: listed at every opening; a record is
// downloaded, checked against the account's key and restored through the
// restore page.
DrawerPage {
    id: idPage

    readonly property alias recordPanel: idRecordPanel
    readonly property alias importPage: idImportPage

    title: qsTr("备份记录")
    returnText: qsTr("云备份")
    homeIndicator: true

    function requestList() {
        idRecordPanel.backupListModel = []
        idRequest.send(CloudApi.backupListUrl(DBCloud.root.user.phoneNumber, Util.deviceCode), "GET", {
            resultType: "array",
            success: function(result) {
                var list = []
                for (var i = 0; i < result.length; ++i) {
                    var rec = result[i]
                    if (rec === null || typeof rec !== "object")
                        throw new Error("record " + i + " is not an object")
                    var copy = {}
                    for (var k in rec)
                        copy[k] = rec[k]
                    if (typeof copy.attached_data === "string" && copy.attached_data !== "") {
                        var attached = JSON.parse(decodeURIComponent(copy.attached_data))
                        if (attached === null || typeof attached !== "object")
                            throw new Error("attached_data is not an object")
                        copy.attached_data = attached
                    } else if (copy.attached_data !== undefined && copy.attached_data !== null
                               && copy.attached_data !== "") {
                        throw new Error("attached_data is not a text")
                    }
                    list.push(copy)
                }
                idRecordPanel.backupListModel = list
            }
        })
    }

    function download(record) {
        idRequest.send(CloudApi.backupDownloadUrl(DBCloud.root.user.phoneNumber, Util.deviceCode,
                                                  record.id), "GET", {
            members: { content_data: "string", upload_time: "string" },
            success: function(result) {
                var text = decodeURIComponent(result.content_data)
                var backupTxt = Pubfun.unwrapLine(text, "BEGIN BACKUP", "END BACKUP")
                if (backupTxt === "") {
                    idPage.showMsg(qsTr("无效的备份记录"), false)
                    return
                }
                var backupRoot = DB.verifyBackupPassword(backupTxt, DBCloud.backupKey())
                if (!backupRoot) {
                    idPage.showMsg(DB.backupDamaged ? qsTr("无效的备份记录") : qsTr("备份数据解密失败"),
                                   false)
                    return
                }
                idImportPage.backupDBRoot = backupRoot
                idImportPage.backupTxt = backupTxt
                idImportPage.backupUploadTime = result.upload_time
                idImportPage.open()
            }
        })
    }

    onAboutToShow: requestList()

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
                source: "qrc:/img/cloudbackup/download_title.png"
                text: qsTr("点击“下载”按钮，下载云端备份并恢复到应用中。")
            }

            BackupRecordPanel {
                id: idRecordPanel
                objectName: "backupRecordPanel"
                width: parent.width
                onItemClicked: idPage.download(itemObj)
            }
        }
    }

    CloudRequest {
        id: idRequest
        logName: "BackupDataPage"
        msgTarget: idPage
    }

    ImportCloudBackupPage {
        id: idImportPage
        objectName: "importCloudBackupPage"
        onAccepted: {
            if (cloudStateSaved)
                idPage.showMsg(qsTr("备份已恢复"), false)
            else
                idPage.showMsg(qsTr("保存数据失败"), true)
        }
    }
}
