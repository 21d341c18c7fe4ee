import QtQuick 2.12
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// The grid of password boxes with their entry counts.
BoxGridView {
    id: idRoot

    property alias pwdBoxList: idRoot.boxList

    getBoxList: DB.getPwdBoxList
    getBoxItemCount: DB.getPwdBoxItemCount
    storedListName: "pwdBoxList"
    hintFlagName: "pwdBoxEdit"
}
