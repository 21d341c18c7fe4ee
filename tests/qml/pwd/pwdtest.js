// Helpers for the passwords tab tests: finding items in pages and popups.
.pragma library

function __kids(obj) {
    var out = []
    if (!obj)
        return out
    var k
    if (obj.contentItem && obj.contentItem !== obj && obj.contentItem.parent !== obj)
        out.push(obj.contentItem)
    if (obj.data)
        for (k = 0; k < obj.data.length; ++k)
            out.push(obj.data[k])
    else if (obj.children)
        for (k = 0; k < obj.children.length; ++k)
            out.push(obj.children[k])
    return out
}

// Breadth-first search from root, through children, resources and the
// content of popups, for the first object accepted by pred.
function search(root, pred) {
    var queue = [root]
    var seen = []
    while (queue.length > 0) {
        var obj = queue.shift()
        if (!obj || seen.indexOf(obj) >= 0)
            continue
        seen.push(obj)
        if (obj !== root && pred(obj))
            return obj
        var kids = __kids(obj)
        for (var i = 0; i < kids.length; ++i)
            queue.push(kids[i])
    }
    return null
}

function find(root, name) {
    return search(root, function (o) {
        return o.objectName === name
    })
}

function findAll(root, pred) {
    var found = []
    search(root, function (o) {
        if (pred(o))
            found.push(o)
        return false
    })
    return found
}

function isShown(item) {
    for (var p = item; p; p = p.parent) {
        if (p.visible === false || p.opacity === 0)
            return false
    }
    return item.width > 0 && item.height > 0
}

// A visible item showing exactly text (a button, a text, a menu row).
function findText(root, text) {
    return search(root, function (o) {
        return o.text === text && o.x !== undefined && isShown(o)
    })
}
