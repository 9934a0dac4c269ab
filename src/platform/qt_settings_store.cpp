#include "platform/qt_settings_store.h"

#include "base/failure.h"

QtSettingsStore::QtSettingsStore()
    : settings(QStringLiteral("Tagorix"), QStringLiteral("Tagorix"))
{
}

QString QtSettingsStore::get(const QString& section, const QString& key, const QString& fallback) const
{
    settings.sync();
    return settings.value(section + u'/' + key, fallback).toString();
}

bool QtSettingsStore::contains(const QString& section, const QString& key) const
{
    settings.sync();
    return settings.contains(section + u'/' + key);
}

void QtSettingsStore::remove(const QString& section, const QString& key)
{
    settings.remove(section + u'/' + key);
    writeOut();
}

void QtSettingsStore::save(const QString& section, const QString& key, const QString& value)
{
    settings.setValue(section + u'/' + key, value);
    writeOut();
}

void QtSettingsStore::writeOut()
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Failure(FailureNumber::FileAccessError,
                      tr("The settings could not be saved in %1.").arg(settings.fileName()));
}
