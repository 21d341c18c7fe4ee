import QtQuick 2.12
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Bottom sheet that creates (pwdBoxId 0) or edits a password box.
BoxEditSheet {
    property int pwdBoxId: 0

    boxId: pwdBoxId
    getBox: DB.getPwdBox
    addBox: DB.addPwdBox
}
