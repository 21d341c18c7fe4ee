import QtQuick 2.12

// A small component for the test of Pubfun.createQmlObject.
Item {
    property string tag: "probe"
}
