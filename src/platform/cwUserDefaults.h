#pragma once

#include <QMap>
#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// The per-user preferences store with registered defaults. A key never stored answers its
// registered default. The command-line modes switch the store to a private, in-memory one
// before its first use, so that they neither read nor change the user's stored preferences.
class cwUserDefaults
{
public:
    static cwUserDefaults& standardUserDefaults();

    // From now on every read and write goes to memory only; the registered defaults stay.
    void useInMemoryStore();

    void registerDefaults(const QMap<QString, QVariant>& defaults);
    bool boolForKey(const QString& key) const;
    QString stringForKey(const QString& key) const;
    void setBool(bool value, const QString& key);
    void setObject(const QString& value, const QString& key);

private:
    cwUserDefaults();
    ~cwUserDefaults();
    QVariant valueForKey(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    QSettings* settings() const;

    QMap<QString, QVariant> _registered;
    QMap<QString, QVariant> _memory;
    bool _inMemory = false;
    mutable std::unique_ptr<QSettings> _settings;  // opened at first use, after tests chose its folder
};
