import QtQuick 2.12
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Picks the box of a note: "未分类" first, then the user's note boxes.
BoxChooseSheet {
    loadBoxes: DB.getNoteBoxChooseList
}
