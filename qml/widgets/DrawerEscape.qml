import QtQuick 2.12
import QtQuick.Controls 2.12

// Escape for the bottom-edge drawers that cannot be dragged, which Qt does
// not close on Escape by itself: it closes the drawer, but only while the
// drawer holds the keyboard focus, so that a drawer beneath another popup
// or beneath the lock screen stays as it is.
Shortcut {
    property Drawer drawer: null

    sequence: "Esc"
    enabled: drawer !== null && !drawer.interactive && drawer.opened && drawer.activeFocus
    onActivated: drawer.close()
    onActivatedAmbiguously: drawer.close()
}
