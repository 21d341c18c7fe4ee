import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"
import "qrc:/js/pubfun.js" as Pubfun

// The backup records of the account, one group of rows each: time, device,
// item counts and a "下载" button.
Column {
    id: idPanel

    property var backupListModel: []

    signal itemClicked(int itemIdx, var itemObj)

    spacing: 2 * Util.unitHeight

    function __text(v) {
        return v === undefined || v === null ? "" : String(v)
    }

    Repeater {
        model: idPanel.backupListModel

        ButtonGroupPanel {
            objectName: "backupRecord" + index
            width: idPanel.width
            panelModel: {
                var rec = modelData
                var data = rec.attached_data
                var counts = (data !== null && typeof data === "object")
                        ? qsTr("密码%1，便签%2").arg(idPanel.__text(data.pwdItemCount))
                                              .arg(idPanel.__text(data.noteItemCount))
                        : ""
                return [
                    { text: qsTr("备份时间"), hideIndicator: true, disabled: true,
                      forwardText: Pubfun.dateTimeStrRemoveSec(idPanel.__text(rec.upload_time)) },
                    { text: qsTr("备份设备"), hideIndicator: true, disabled: true,
                      forwardText: idPanel.__text(rec.device_name) },
                    { text: qsTr("数据"), hideIndicator: true, disabled: true, forwardText: counts },
                    { buttonText: qsTr("下载"), buttonTextColor: Theme.textBlueColor }
                ]
            }
            onItemClicked: {
                if (itemIdx === 3)
                    idPanel.itemClicked(index, modelData)
            }
        }
    }
}
