#include "sign/SignTable.h"

#include <QFile>

#include <QImageReader>
#include <QTest>

// The pictures compiled into the program, in table order, each with its own stored size (the
// result window stretches it).
class TestAnimalPictures : public QObject
{
    Q_OBJECT

private slots:
    void pictureOfEachSign_data();
    void pictureOfEachSign();
};

void TestAnimalPictures::pictureOfEachSign_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    const struct
    {
        const char *file;
        QSize size;
    } pictures[] = {
            {"01bat.jpg", {124, 123}},     {"02scorpion.jpg", {118, 103}},
            {"03deer.jpg", {124, 106}},    {"04owl.jpg", {116, 116}},
            {"05peacock.jpg", {116, 116}}, {"06lizard.jpg", {123, 123}},
            {"07monkey.jpg", {108, 136}},  {"08hawk.jpg", {137, 103}},
            {"09balam.jpg", {78, 58}},     {"10dog.jpg", {121, 121}},
            {"11snake.jpg", {124, 100}},   {"12rabbit.jpg", {134, 121}},
            {"13turtle.jpg", {122, 105}},
    };
    for (int i = 0; i < 13; ++i) {
        QTest::addRow("%d %s", i + 1, pictures[i].file)
                << i + 1 << QString::fromLatin1(pictures[i].file) << pictures[i].size;
    }
}

void TestAnimalPictures::pictureOfEachSign()
{
    QFETCH(int, number);
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QString path = SignTable::signs().at(number - 1).picture;
    QCOMPARE(path, QStringLiteral(":/animals/") + file);
    const QPixmap picture(path);
    QCOMPARE(picture.size(), size);
    // A colour JPEG, stored without progressive encoding.
    QImageReader reader(QStringLiteral(":/animals/") + file);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY(!image.isGrayscale());
    QCOMPARE(picture.toImage(), QPixmap::fromImage(image).toImage());
    QFile raw(QStringLiteral(":/animals/") + file);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QVERIFY(bytes.contains(QByteArray("\xFF\xC0", 2)));
    QVERIFY(!bytes.contains(QByteArray("\xFF\xC2", 2)));
}

QTEST_MAIN(TestAnimalPictures)
#include "tst_animalpictures.moc"
