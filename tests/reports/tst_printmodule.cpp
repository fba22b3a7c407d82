#include "report/PrintModule.h"
#include "report/PrintSystem.h"

#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

const QString moduleFile = QStringLiteral(ZEL_PRINT_MODULE_FILE);

QString programFolder()
{
    const QDir tests(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(tests.filePath(QStringLiteral(ZEL_PROGRAM_FROM_TESTS)));
}

QString builtModule()
{
    return QDir(programFolder()).filePath(moduleFile);
}

} // namespace

class TestPrintModule : public QObject
{
    Q_OBJECT

private slots:
    void builtProgramLoadsItsModule();
    void moduleThatCannotBeLoadedIsExplained_data();
    void moduleThatCannotBeLoadedIsExplained();
};

void TestPrintModule::builtProgramLoadsItsModule()
{
    PrintModule module(PrintModule::foldersFor(programFolder()));
    QString why;
    PrintSystem *system = module.printSystem(&why);
    QVERIFY2(system, qPrintable(why));
    QCOMPARE(module.printSystem(&why), system);
    // Whatever this machine's printers, the module sees them as Qt's print support does.
    QCOMPARE(system->defaultPrinterName(), QPrinterInfo::defaultPrinterName());
    const QTextDocument document(QStringLiteral("A job for a printer that is not there"));
    QCOMPARE(system->print(document, QStringLiteral("No such printer 7f3a"), QStringLiteral("Job")),
             PrintOutcome::PrinterUnavailable);
}

void TestPrintModule::moduleThatCannotBeLoadedIsExplained_data()
{
    // What lies where the module should be; nothing when empty.
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a library") << QByteArray("not a library\n");
}

void TestPrintModule::moduleThatCannotBeLoadedIsExplained()
{
    QFETCH(QByteArray, fileBytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(moduleFile);
    if (!fileBytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(fileBytes), qint64(fileBytes.size()));
    }
    PrintModule module({folder.path()});
    QString why;
    QVERIFY(!module.printSystem(&why));
    if (fileBytes.isEmpty()) {
        QCOMPARE(why,
                 QStringLiteral("The print module %1 was not found in %2.")
                         .arg(moduleFile, QDir::toNativeSeparators(folder.path())));
    } else {
        // The loader's own words, which name the file it refused.
        QVERIFY2(why.contains(QDir::toNativeSeparators(path)), qPrintable(why));
    }

    // A module put in place later is loaded on the next print, without a restart.
    QFile::remove(path);
    QVERIFY(QFile::copy(builtModule(), path));
    QVERIFY2(module.printSystem(&why), qPrintable(why));
}

QTEST_MAIN(TestPrintModule)
#include "tst_printmodule.moc"
