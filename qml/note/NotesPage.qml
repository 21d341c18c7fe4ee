import QtQuick 2.12

// Stand-in for the notes tab until its pages arrive.
Item {
    property int goBackCount: 0
    function goBack() { goBackCount++ }
}
