import QtQuick 2.12

// Stand-in for the automatic cloud upload until the cloud pages arrive.
QtObject {
    property int startCount: 0
    function startBackupTimer() { startCount++ }
}
