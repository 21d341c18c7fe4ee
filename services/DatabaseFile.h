#pragma once

#include <QString>

// One database of QML's LocalStorage as it lies on disk: the SQLite file
// "<base>.sqlite" and "<base>.ini" beside it. LocalStorage reads the .ini
// before it opens the database and refuses a .sqlite whose .ini is missing
// or lacks the version ("SQL: database version mismatch"); it makes the
// .sqlite a moment before it writes the .ini, so a first start ended in
// between, a full disk or a deleted .ini leave a sound database that
// LocalStorage would never open again. The two files are judged as one here,
// before LocalStorage opens them.
class DatabaseFile {
public:
    enum class State {
        // No file yet, an empty one, or one SQLite reads and finds whole.
        Sound,
        // Another program holds a lock on it.
        InUse,
        // The user may not read it.
        Denied,
        // Not a database SQLite reads, or one it finds damaged.
        Unreadable
    };

    struct Check {
        State state = State::Sound;
        // What the system or SQLite said; empty for a sound file.
        QString error;
    };

    // base: the path without its extension, as LocalStorage names it.
    explicit DatabaseFile(const QString &base);

    // The files of the database of that name under an offline-storage path.
    static DatabaseFile named(const QString &offlineStoragePath, const QString &name);

    QString sqlitePath() const;
    QString iniPath() const;

    // Judges the database file: its permissions, whether SQLite reads it
    // (waiting at most busyTimeoutMs for another program's lock) and SQLite's
    // integrity check. A sound, non-empty file whose .ini is missing or
    // incomplete gets the .ini that LocalStorage writes for a new database of
    // that name, version, description and estimated size. Nothing else is
    // written, and nothing at all to a file that is not sound.
    Check prepare(const QString &name, const QString &version, const QString &description,
                  int estimatedSize, int busyTimeoutMs) const;

    // "sound", "inUse", "denied" or "unreadable".
    static QString stateName(State state);

private:
    Check judge(int busyTimeoutMs) const;
    bool iniComplete(const QString &name, const QString &version) const;
    Check writeIni(const QString &name, const QString &version, const QString &description,
                   int estimatedSize) const;

    QString m_base;
};
