#include "sign/SignTable.h"
#include "tests/common/ProgramWindows.h"
#include "ui/ResultWindow.h"
#include "widgets/LinkLabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPointer>
#include <QTest>

// The pictures drawn past 100 %: every animal picture and hand pointer has a twin twice as large,
// and a window on a screen at 200 % draws the twin, not the small picture scaled up. Runs at the
// scale the environment gives (QT_SCALE_FACTOR), once at 100 % and once at 200 %.
class TestPictureTwins : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void twinIsTheSamePictureTwiceAsLarge_data();
    void twinIsTheSamePictureTwiceAsLarge();
    void resultWindowDrawsThePictureForTheScale_data();
    void resultWindowDrawsThePictureForTheScale();
    void handIsDrawnForTheScale_data();
    void handIsDrawnForTheScale();
};

namespace {

QString twinOf(const QString &path)
{
    const int dot = path.lastIndexOf(u'.');
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

// How far apart two pictures of one size are: the mean difference of their channels, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    qint64 total = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            total += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q))
                    + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return double(total) / (3.0 * left.width() * left.height());
}

// The picture as a label with scaled contents draws it into a box of the given size.
QImage stretched(const QString &path, QSize devicePixels)
{
    return QImage(path)
            .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
}

} // namespace

void TestPictureTwins::cleanup()
{
    closeProgramWindows();
}

void TestPictureTwins::twinIsTheSamePictureTwiceAsLarge_data()
{
    QTest::addColumn<QString>("path");
    for (const Sign &sign : SignTable::signs())
        QTest::newRow(qPrintable(sign.picture)) << sign.picture;
    QTest::newRow("monochrome hand") << ":/cursors/hand-mono.png";
    QTest::newRow("colour hand") << ":/cursors/hand-16.png";
}

void TestPictureTwins::twinIsTheSamePictureTwiceAsLarge()
{
    QFETCH(QString, path);
    QImageReader smallReader(path);
    QImageReader twinReader(twinOf(path));
    QCOMPARE(twinReader.format(), smallReader.format());
    const QImage small = smallReader.read();
    const QImage twin = twinReader.read();
    QVERIFY(!small.isNull() && !twin.isNull());
    QCOMPARE(twin.size(), small.size() * 2);
    // The "@2x" name is what tells Qt the twin's scale.
    QCOMPARE(twin.devicePixelRatio(), 2.0);
    // Drawn from one artwork: reduced to the small size, the twin is the small picture but for
    // the fine detail each size keeps of its own (up to 9 here); two different animals of one size
    // lie 50 apart.
    const QImage reduced
            = twin.convertToFormat(QImage::Format_ARGB32)
                      .scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(reduced, small);
    QVERIFY2(difference < 16.0, qPrintable(QString::number(difference)));
    if (smallReader.format() == "jpeg") {
        // Baseline, as the small pictures: every JPEG reader takes it.
        QFile raw(twinOf(path));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QVERIFY(bytes.contains(QByteArray("\xFF\xC0", 2)));
        QVERIFY(!bytes.contains(QByteArray("\xFF\xC2", 2)));
    }
}

void TestPictureTwins::resultWindowDrawsThePictureForTheScale_data()
{
    QTest::addColumn<int>("signIndex");
    for (int i = 0; i < SignTable::signCount; ++i)
        QTest::newRow(qPrintable(SignTable::signs()[i].picture)) << i;
}

void TestPictureTwins::resultWindowDrawsThePictureForTheScale()
{
    QFETCH(int, signIndex);
    const Reading reading = anaWith(SignTable::signs()[signIndex]);
    const QPointer<ResultWindow> window = ResultWindow::showReading(reading);
    auto *picture = window->findChild<QLabel *>(QStringLiteral("imgAnimalPics"));
    const qreal scale = picture->devicePixelRatioF();
    const QSize devicePixels = picture->contentsRect().size() * scale;
    const QImage shown = picture->grab(picture->contentsRect())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), devicePixels);

    const QString small = reading.sign.picture;
    QCOMPARE(shown, stretched(scale > 1.0 ? twinOf(small) : small, devicePixels));
    if (scale > 1.0)
        QVERIFY(shown != stretched(small, devicePixels));
}

void TestPictureTwins::handIsDrawnForTheScale_data()
{
    QTest::addColumn<LinkLabel::Pointer>("pointer");
    QTest::addColumn<QString>("path");
    QTest::newRow("monochrome") << LinkLabel::MonochromeHand << ":/cursors/hand-mono.png";
    QTest::newRow("colour") << LinkLabel::ColourHand << ":/cursors/hand-16.png";
}

void TestPictureTwins::handIsDrawnForTheScale()
{
    QFETCH(LinkLabel::Pointer, pointer);
    QFETCH(QString, path);
    LinkLabel label;
    label.setPointer(pointer);
    label.show();
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);

    const bool twin = label.devicePixelRatioF() > 1.0;
    const QImage shown = label.cursor().pixmap().toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
             QImage(twin ? twinOf(path) : path).convertToFormat(QImage::Format_ARGB32));
    // The fingertip, in the units of the window wherever Qt takes them so (not on X11).
    QCOMPARE(label.cursor().hotSpot(), QPoint(10, 1));
}

QTEST_MAIN(TestPictureTwins)
#include "tst_picturetwins.moc"
