#include "report/PrintModule.h"

#include "BuildConfig.h"
#include "report/PrintSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPluginLoader>

#include <utility>

namespace {

PrintModule *installedModule = nullptr;

QStringList nativePaths(const QStringList &paths)
{
    QStringList native;
    for (const QString &path : paths)
        native << QDir::toNativeSeparators(path);
    return native;
}

} // namespace

PrintModule::PrintModule(QStringList folders)
    : folders(std::move(folders))
{ }

QStringList PrintModule::foldersFor(const QString &programFolder)
{
    const QDir program(programFolder);
    return {program.absolutePath(),
            QDir::cleanPath(program.absoluteFilePath(
                    QString::fromUtf8(BuildConfig::printModuleFromProgram)))};
}

PrintSystem *PrintModule::printSystem(QString *whyUnavailable)
{
    if (loaded)
        return loaded;
    const QString path = locate();
    if (path.isEmpty()) {
        //: Why printing is not available: %1 is the print module's file name, %2 the folders
        //: it was looked for in, as a list ("A and B").
        *whyUnavailable = tr("The print module %1 was not found in %2.")
                                  .arg(QString::fromUtf8(BuildConfig::printModuleFile),
                                       QLocale().createSeparatedList(nativePaths(folders)));
        return nullptr;
    }
    QPluginLoader loader(path);
    QObject *instance = loader.instance();
    loaded = qobject_cast<PrintSystem *>(instance);
    if (!instance) {
        *whyUnavailable = loader.errorString();
    } else if (!loaded) {
        loader.unload();
        //: Why printing is not available: %1 is the path of a print module that belongs to
        //: another version of the program.
        *whyUnavailable = tr("%1 is not the print module of this version of the program.")
                                  .arg(QDir::toNativeSeparators(path));
    }
    return loaded;
}

QString PrintModule::locate() const
{
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(QString::fromUtf8(BuildConfig::printModuleFile));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

PrintModule &printModule()
{
    static PrintModule programs(PrintModule::foldersFor(QCoreApplication::applicationDirPath()));
    return installedModule ? *installedModule : programs;
}

PrintModule *setPrintModule(PrintModule *replacement)
{
    return std::exchange(installedModule, replacement);
}
