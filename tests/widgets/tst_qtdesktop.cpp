#include "widgets/QtDesktop.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

// The real desktop's save dialog, driven as a person drives it: the file type chosen decides the
// suffix of a name typed without one.
class TestQtDesktop : public QObject
{
    Q_OBJECT

private slots:
    void saveDialogAddsTheChosenTypesSuffix_data();
    void saveDialogAddsTheChosenTypesSuffix();
};

void TestQtDesktop::saveDialogAddsTheChosenTypesSuffix_data()
{
    QTest::addColumn<int>("typesDown");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("first type") << 0 << "ana"
                                << "ana.zod";
    QTest::newRow("second type") << 1 << "ana"
                                 << "ana.pdf";
    QTest::newRow("second type, then back to the first") << 2 << "ana"
                                                         << "ana.zod";
    QTest::newRow("a suffix typed stays") << 1 << "ana.zod"
                                          << "ana.zod";
}

void TestQtDesktop::saveDialogAddsTheChosenTypesSuffix()
{
    QFETCH(int, typesDown);
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    bool native = false;
    QTimer::singleShot(0, [typesDown, typed, &native] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // Where the platform shows its own dialog (Windows does), Qt's makes no fields of its own.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name) {
            native = true;
            dialog->reject();
            return;
        }
        auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int step = 0; step < typesDown; ++step)
            QTest::keyClick(types, step == 0 ? Qt::Key_Down : Qt::Key_Up);
        name->setText(typed);
        QTest::keyClick(name, Qt::Key_Return);
    });
    QtDesktop desktop;
    const QString path = desktop.askSavePath(
            nullptr,
            {QStringLiteral("Save"), QStringLiteral("Saved reading (*.zod);;PDF document (*.pdf)"),
             QStringLiteral("zod")});
    if (native)
        QSKIP("The platform's own file dialog shows, which a test cannot type into");
    QCOMPARE(QFileInfo(path).fileName(), saved);
}

QTEST_MAIN(TestQtDesktop)
#include "tst_qtdesktop.moc"
