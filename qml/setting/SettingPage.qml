import QtQuick 2.12

// Stand-in for the settings tab until its page arrives.
Item {
}
