#include "widgets/ProgramDesktop.h"

#include "BuildConfig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <climits>
#include <optional>

// The real desktop's dialogs, driven as a person drives them: the file type chosen decides the
// suffix of a name typed without one, and a message shows the lines its text asks for.
namespace {

// Save's request as the report window makes it: a saved reading or a PDF.
FileRequest saveRequest(const QString &suggestedName = {})
{
    return {QStringLiteral("Save"), QStringLiteral("Saved reading (*.zod);;PDF document (*.pdf)"),
            QStringLiteral("zod"), suggestedName};
}

} // namespace

class TestQtDesktop : public QObject
{
    Q_OBJECT

private slots:
    void messageShowsItsLines_data();
    void messageShowsItsLines();
    void saveDialogAddsTheChosenTypesSuffix_data();
    void saveDialogAddsTheChosenTypesSuffix();
    void webPageSaveOffersTheChosenTypeAsADownload_data();
    void webPageSaveOffersTheChosenTypeAsADownload();
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
#ifdef Q_OS_WASM
    QSKIP("A web page's Save asks for the type alone (webPageSaveOffersTheChosenTypeAsADownload)");
#endif
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
    // Asked as the program asks: on the desktop the answer comes at once, in a web page once the
    // dialog has closed.
    QtDesktop desktop;
    std::optional<QString> path;
    desktop.askSaveFile(nullptr, saveRequest(), [&path](const QString &chosen) { path = chosen; });
    QTRY_VERIFY(path || native);
    if (native)
        QSKIP("The platform's own file dialog shows, which a test cannot type into");
    QCOMPARE(QFileInfo(*path).fileName(), saved);
}

void TestQtDesktop::webPageSaveOffersTheChosenTypeAsADownload_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("offered");
    QTest::newRow("first type") << "Saved reading (*.zod)"
                                << "Ana"
                                << "Ana.zod";
    QTest::newRow("second type, accents") << "PDF document (*.pdf)"
                                          << "José Peña"
                                          << "José Peña.pdf";
    QTest::newRow("a slash is no folder") << "PDF document (*.pdf)"
                                          << "Ana/Luz"
                                          << "Ana-Luz.pdf";
    QTest::newRow("no name suggested")
            << "Saved reading (*.zod)" << QString()
            << QString::fromLatin1(BuildConfig::executableName) + QStringLiteral(".zod");
    QTest::newRow("cancelled") << QString() << "Ana" << QString();
}

void TestQtDesktop::webPageSaveOffersTheChosenTypeAsADownload()
{
#ifndef Q_OS_WASM
    QSKIP("Only a web page asks for the type alone; the desktop's save dialog names the file");
#else
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QString, offered);
    bool closed = false;
    QTimer::singleShot(0, [&type, &closed] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QObject::connect(box, &QObject::destroyed, [&closed] { closed = true; });
        QAbstractButton *pressed = box->button(QMessageBox::Cancel);
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == type)
                pressed = button;
        }
        pressed->click();
    });
    QString written;
    ProgramDesktop desktop;
    desktop.askSaveFile(nullptr, saveRequest(name), [&written](const QString &path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("reading") > 0);
        written = path;
    });
    QTRY_VERIFY(closed);
    QCOMPARE(QFileInfo(written).fileName(), offered);
    // Handed to the browser, the file leaves nothing in the page's memory.
    if (!written.isEmpty())
        QVERIFY(!QFile::exists(written));
#endif
}

void TestQtDesktop::messageShowsItsLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    const QString news = QStringLiteral("There maybe an update to this software available");
    const QString question = QStringLiteral("Do you want to check for an update?");
    QTest::newRow("update question, carriage return") << news + QChar(13) + question << 2;
    QTest::newRow("carriage return and line feed") << news + QStringLiteral("\r\n") + question << 2;
    QTest::newRow("line feed") << news + QChar(10) + question << 2;
    QTest::newRow("one line") << news << 1;
    // Text that looks like markup is still shown as text, its line break included.
    QTest::newRow("markup") << QStringLiteral("<b>Saved</b>\r<i>/tmp/a.zod</i>") << 2;
}

void TestQtDesktop::messageShowsItsLines()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QString shown;
    int height = 0;
    int needed = INT_MAX;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            shown = label->text();
            height = label->contentsRect().height();
            // Each line is a paragraph of its own, wrapped alone where the box is narrow.
            const QRect room(0, 0, label->contentsRect().width(), INT_MAX);
            needed = 0;
            for (const QString &line : shown.split(QLatin1Char('\n')))
                needed += label->fontMetrics().boundingRect(room, Qt::TextWordWrap, line).height();
        }
        box->button(QMessageBox::No)->click();
    });
    ProgramDesktop desktop;
    std::optional<MessageButton> answer;
    desktop.askMessage({text, QStringLiteral("Zel"), MessageIcon::Information,
                        MessageButton::Yes | MessageButton::No, MessageButton::Yes},
                       [&answer](MessageButton button) { answer = button; });
    QTRY_VERIFY(answer);
    QCOMPARE(*answer, MessageButton::No);
    QCOMPARE(shown.split(QLatin1Char('\n')).size(), lines);
    QVERIFY2(!shown.contains(QChar(13)), qPrintable(shown));
    QVERIFY2(height >= needed,
             qPrintable(
                     QStringLiteral("%1 pixels high, its lines need %2").arg(height).arg(needed)));
}

QTEST_MAIN(TestQtDesktop)
#include "tst_qtdesktop.moc"
