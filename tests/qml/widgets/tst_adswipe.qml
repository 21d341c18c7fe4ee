import QtQuick 2.12
import QtTest 1.12
import Lib.Util 1.0
import "qrc:/widgets"
import "../common"

// The picture carousel: its pages every four seconds, and taps.
Item {
    id: idRoot
    width: 400
    height: 650

    Component {
        id: idCarouselComponent
        AdSwipeWidget {
            adListModel: [
                { imageSource: "qrc:/img/appicon/01.png", link: "a" },
                { imageSource: "qrc:/img/appicon/02.png", link: "b" },
                { imageSource: "qrc:/img/appicon/03.png", link: "c" }
            ]
        }
    }

    KeyloftTestCase {
        id: idCase
        name: "AdSwipeWidget"
        when: windowShown

        function test_advancesEveryFourSecondsAndWraps() {
            var started = Date.now()
            var carousel = createTemporaryObject(idCarouselComponent, idRoot)
            verify(carousel)
            compare(carousel.width, Util.screenSize.width)
            compare(carousel.height, Util.screenSize.width * 0.4)
            compare(carousel.currentIndex, 0)
            var steps = []
            var expected = [1, 2, 0]
            for (var i = 0; i < expected.length; ++i) {
                tryCompare(carousel, "currentIndex", expected[i], 8000)
                steps.push(Date.now() - started)
                started = Date.now()
            }
            // 4 s a step (with room for a slow machine on the late side).
            for (var k = 0; k < steps.length; ++k)
                verify(steps[k] >= 3800 && steps[k] < 7000, "step " + k + " took " + steps[k] + " ms")
        }

        function test_tapReportsEntry() {
            var carousel = createTemporaryObject(idCarouselComponent, idRoot)
            var spy = createTemporaryQmlObject(
                        "import QtTest 1.12; SignalSpy { signalName: 'itemClicked' }", idCase)
            spy.target = carousel
            waitForRendering(carousel)
            mouseClick(carousel, carousel.width / 2, carousel.height / 2)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0].link, carousel.adListModel[carousel.currentIndex].link)
        }
    }
}
