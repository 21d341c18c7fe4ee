import QtQuick 2.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// The account's authorised devices, one group of rows each: name, date of
// authorisation and a remove button ("本设备", disabled, for this computer).
Column {
    id: idPanel

    property var deviceListModel: []

    signal itemClicked(int itemIdx, var itemObj)

    spacing: 2 * Util.unitHeight

    function __text(v) {
        return v === undefined || v === null ? "" : String(v)
    }

    Repeater {
        model: idPanel.deviceListModel

        ButtonGroupPanel {
            objectName: "deviceRecord" + index
            width: idPanel.width
            panelModel: {
                var rec = modelData
                var self = idPanel.__text(rec.device_code) === Util.deviceCode
                return [
                    { text: qsTr("设备名称"), hideIndicator: true, disabled: true,
                      forwardText: idPanel.__text(rec.device_name) },
                    { text: qsTr("授权日期"), hideIndicator: true, disabled: true,
                      forwardText: idPanel.__text(rec.creation_time) },
                    self ? { buttonText: qsTr("本设备"), buttonTextColor: Theme.textColor, disabled: true }
                         : { buttonText: qsTr("移除设备"), buttonTextColor: Theme.textBlueColor }
                ]
            }
            onItemClicked: {
                if (itemIdx === 2)
                    idPanel.itemClicked(index, modelData)
            }
        }
    }
}
