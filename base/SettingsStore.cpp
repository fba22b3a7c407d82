#include "base/SettingsStore.h"

#include "base/AppInfo.h"
#include "base/Scrambler.h"

#include <QSettings>

#include <memory>

namespace SettingsStore {

namespace {

// A store of its own for each access, so that an error of one access never sticks to the next.
// An empty organisation would land under "Unknown Organization"; the executable's name addresses
// the store instead. Qt's default format is the native one (the registry on Windows); the tests
// make it a file in their temporary home, so that no test reaches the person's own store.
std::unique_ptr<QSettings> openStore()
{
    return std::make_unique<QSettings>(QSettings::defaultFormat(), QSettings::UserScope,
                                       AppInfo::executableName());
}

QString settingsKey(const QString &key)
{
    return QStringLiteral("Settings/") + Scrambler::scramble(key);
}

} // namespace

QString read(const QString &key)
{
    return Scrambler::unscramble(openStore()->value(settingsKey(key), QString()).toString());
}

bool write(const QString &key, const QString &value)
{
    const auto store = openStore();
    store->setValue(settingsKey(key), Scrambler::scramble(value));
    store->sync();
    return store->status() == QSettings::NoError;
}

} // namespace SettingsStore
