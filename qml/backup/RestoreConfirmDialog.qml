import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import "qrc:/widgets"
import "qrc:/js/pubfun.js" as Pubfun

// Asks whether to restore a backup, showing its modification and backup
// times and its item counts; "是" in the warning style.
QuestionDialog {
    id: idConfirmDialog

    property string modifiedText: ""
    property string backupText: ""
    property string pwdCount: ""
    property string noteCount: ""

    // Fills the rows from a backup document's summary and opens.
    function ask(summary) {
        var s = summary || {}
        modifiedText = Pubfun.millisecToDateTimeStr(s.modifiedDate || 0)
        backupText = Pubfun.millisecToDateTimeStr(s.backupDate || 0)
        pwdCount = String(s.pwdItemCount || 0)
        noteCount = String(s.noteItemCount || 0)
        open()
    }

    title: qsTr("是否恢复以下备份数据?")
    acceptButtonText: qsTr("是")
    acceptButtonWarning: true
    rejectedButtonText: qsTr("否")
    client: Component {
        GridLayout {
            columns: 2
            columnSpacing: Util.unitHeight
            rowSpacing: Math.ceil(Util.unitHeight / 2)
            ZVText { text: qsTr("修改时间: "); font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { objectName: "restoreModified"; text: idConfirmDialog.modifiedText; font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { text: qsTr("备份时间: "); font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { objectName: "restoreBackupDate"; text: idConfirmDialog.backupText; font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { text: qsTr("密码: "); font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { objectName: "restorePwdCount"; text: idConfirmDialog.pwdCount; font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { text: qsTr("便签: "); font.pointSize: Util.relativeFontPoint(-4) }
            ZVText { objectName: "restoreNoteCount"; text: idConfirmDialog.noteCount; font.pointSize: Util.relativeFontPoint(-4) }
        }
    }
}
