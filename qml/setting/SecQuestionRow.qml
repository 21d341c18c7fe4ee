import QtQuick 2.12
import QtQuick.Layouts 1.12
import Lib.Util 1.0
import Widgets.Theme 1.0
import "qrc:/widgets"

// One labelled edit row of the security-question pages.
TitledRow {
    id: idRow
    property alias label: idRow.title
    property alias edit: idEdit
    property alias text: idEdit.text
    property alias placeholderText: idEdit.placeholderText
    property alias readOnly: idEdit.readOnly
    // The page's confirm button, which Return presses (LineEdit.submitButton).
    property alias submitButton: idEdit.submitButton
    signal edited()

    titleColor: Theme.textColor
    // With the gap, the edits start 7 units after the margin.
    minTitleWidth: Util.unitHeight * 5.5

    LineEdit {
        id: idEdit
        Layout.fillWidth: true
        showBorder: true
        onTextChanged: idRow.edited()
    }
}
