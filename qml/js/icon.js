.pragma library

// Box and entry icons and the note colour pairs.

var iconlist = (function () {
    var list = []
    for (var i = 1; i <= 36; ++i)
        list.push({ id: i, name: (i < 10 ? "0" + i : "" + i) + ".png" })
    return list
})()

// Per colorIndex: dark for the editor bar, colour chip and card border,
// bright for the editor text area and card fill.
var noteColorlistWhite = [
    { dark: "#C8C8C8", bright: "#FEFEFE" },
    { dark: "#F1857D", bright: "#FDDAD7" },
    { dark: "#F1CF66", bright: "#FEF2CC" },
    { dark: "#ABDA75", bright: "#E3F7CC" },
    { dark: "#81D4FA", bright: "#C5E8F8" },
    { dark: "#D6A3DF", bright: "#F6DBFB" }
]

var noteColorlistDark = [
    { dark: "#444444", bright: "#383838" },
    { dark: "#7d4642", bright: "#643835" },
    { dark: "#63552a", bright: "#524724" },
    { dark: "#495e32", bright: "#374625" },
    { dark: "#3a5e71", bright: "#28424d" },
    { dark: "#654e69", bright: "#503d53" }
]

function getIconUrl(id) {
    if (id === -1)
        return "qrc:/img/appicon/all.png"
    if (id === 0)
        return "qrc:/img/appicon/uncateg.png"
    for (var i = 0; i < iconlist.length; ++i) {
        if (iconlist[i].id === id)
            return "qrc:/img/appicon/" + iconlist[i].name
    }
    return "qrc:/img/appicon/" + "01.png"
}

function getNoteColorList(isDark) {
    return isDark ? noteColorlistDark : noteColorlistWhite
}
