#pragma once

#include "platform/settings_store.h"

#include <QCoreApplication>
#include <QSettings>

// QSettings with organisation and application "Tagorix": on Linux the file
// ~/.config/Tagorix/Tagorix.conf (or under $XDG_CONFIG_HOME).
class QtSettingsStore : public SettingsStore {
    Q_DECLARE_TR_FUNCTIONS(QtSettingsStore)

public:
    QtSettingsStore();
    QString get(const QString& section, const QString& key, const QString& fallback) const override;
    void save(const QString& section, const QString& key, const QString& value) override;
    void remove(const QString& section, const QString& key) override;
    QString fileName() const override { return settings.fileName(); }
    bool contains(const QString& section, const QString& key) const;

private:
    // Throws a failure that names the file when it cannot be written.
    void writeOut();
    mutable QSettings settings;
};
