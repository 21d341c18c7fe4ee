import QtQuick 2.12
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Bottom sheet "选择分类": the boxes a password entry can be filed in.
BoxChooseSheet {
    loadBoxes: DB.getPwdBoxChooseList
}
