.pragma library

// Colour arithmetic for checks on grabbed pixels.

// Largest difference of the red, green and blue channels, in 1/255 steps.
function difference(a, b) {
    var x = Qt.darker(a, 1.0), y = Qt.darker(b, 1.0)
    return Math.max(Math.abs(x.r - y.r), Math.abs(x.g - y.g), Math.abs(x.b - y.b)) * 255
}

// `top` drawn at `alpha` over `bottom`.
function blend(top, alpha, bottom) {
    var t = Qt.darker(top, 1.0), b = Qt.darker(bottom, 1.0)
    return Qt.rgba(t.r * alpha + b.r * (1 - alpha), t.g * alpha + b.g * (1 - alpha),
                   t.b * alpha + b.b * (1 - alpha), 1)
}

// Checks the colour at (x, y) of `item` in `image`, a grab of `root`;
// blends may round by up to two steps.
function check(testCase, image, root, item, x, y, expected, what) {
    var p = item.mapToItem(root, x, y)
    var px = Math.floor(p.x), py = Math.floor(p.y)
    var actual = image.pixel(px, py)
    testCase.verify(difference(actual, expected) < 3,
                    what + " at " + px + "," + py + ": " + actual + " instead of "
                    + Qt.darker(expected, 1.0))
}
