#pragma once

#include <QString>

// The per-user settings store: text values by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& section, const QString& key, const QString& fallback) const = 0;
    // Throws a failure that names the store when the value cannot be kept.
    virtual void save(const QString& section, const QString& key, const QString& value) = 0;
    // Takes the key out, so that its fallback applies again.
    virtual void remove(const QString& section, const QString& key) = 0;
    // Where the settings live, for messages that tell the user.
    virtual QString fileName() const = 0;
};
