#pragma once

#include <QString>

// The per-user store named after the executable: section "Settings", each key and value
// scrambled.
namespace SettingsStore {

// An absent key reads as the empty text.
QString read(const QString &key);
// Returns false when the store could not be written.
bool write(const QString &key, const QString &value);

} // namespace SettingsStore
