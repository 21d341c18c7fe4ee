import QtQuick 2.12
import "qrc:/widgets"
import "qrc:/js/db.js" as DB

// Creates a note box (noteBoxId 0) or edits the icon and name of one.
BoxEditSheet {
    property int noteBoxId: 0

    boxId: noteBoxId
    getBox: DB.getNoteBox
    addBox: DB.addNoteBox
}
