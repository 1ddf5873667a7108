#include "unsetup/removal.h"

#include "unsetup/common_texts.h"
#include "unsetup/registry_protection.h"

#include <array>

namespace ky::unsetup {

namespace {

// The sections whose entries the progress bar counts.
constexpr std::array<QStringView, 9> kCountedSections{
    section::sharedFiles, section::standardFiles, section::fonts,          section::appFiles, section::appFolders,
    section::appDir,      section::registryKeys,  section::registryValues, section::iniKeys,
};

QString quoted(const QString& path) { return u'"' + path + u'"'; }

QString failureText(const QString& prefix, const QString& item) {
    return prefix.isEmpty() ? quoted(item) : prefix + u' ' + quoted(item);
}

}  // namespace

QStringList RemovalReport::failureTexts() const {
    QStringList texts;
    for (const LeftItem& item : failures) texts.append(item.text);
    return texts;
}

Removal::Removal(const SetupLog& log, RemovalActions& actions, RemovalObserver& observer, SharedFilePolicy policy)
    : log_(log), actions_(actions), observer_(observer) {
    if (policy != SharedFilePolicy::Ask) removeAllShared_ = policy == SharedFilePolicy::Remove;
}

RemovalReport Removal::run() {
    int total = 0;
    for (QStringView name : kCountedSections) total += log_.entryCount(name);
    observer_.rangeSet(total);

    runProgramBeforeRemoval();
    unregisterLibraries();
    removeSharedFiles(section::sharedFiles);
    observer_.stageDone(Stage::SharedFiles);
    removeSharedFiles(section::standardFiles);
    removeFonts();
    observer_.stageDone(Stage::StandardFiles);
    removeApplicationFiles();
    observer_.stageDone(Stage::FolderItems);
    removeFolders(section::appFolders);
    observer_.stageDone(Stage::ProgramFolders);
    removeFolders(section::appDir);
    observer_.stageDone(Stage::ProgramDirectory);
    removeRegistryKeys();
    removeRegistryValues();
    removeIniKeys();
    observer_.stageDone(Stage::Registry);
    return report_;
}

QStringList Removal::entries(QStringView section) const {
    QStringList list;
    const int count = log_.entryCount(section);
    for (int i = 0; i < count; ++i) list.append(log_.entry(section, i));
    return list;
}

void Removal::fileFailed(const QString& path, const QString& why) {
    report_.failures.push_back({failureText(commonText(log_, text::fileFailed), path), why});
}

void Removal::folderFailed(const QString& path, const QString& why) {
    report_.failures.push_back({failureText(commonText(log_, text::folderFailed), path), why});
}

void Removal::skipped(QStringView section, const QString& why) {
    report_.notes.append(QStringLiteral("[%1] skipped: %2").arg(section, why));
}

void Removal::runProgramBeforeRemoval() {
    const QString value = log_.value(section::runApps, u"BeforeUninstall");
    if (value.isEmpty()) return;
    auto program = readProgramEntry(value);
    if (!program) return skipped(section::runApps, program.error());
    if (Status started = actions_.startProgram(program.value()); !started)
        report_.notes.append(QStringLiteral("BeforeUninstall: %1").arg(started.error()));
}

void Removal::unregisterLibraries() {
    const QStringList libraries = entries(section::libraries);
    if (libraries.isEmpty()) return;
    if (Status done = actions_.unregisterLibraries(libraries); !done) {
        observer_.problem(QStringLiteral("Error"), QStringLiteral("Cannot unregister DLL"));
        report_.notes.append(QStringLiteral("Cannot unregister DLL: %1").arg(done.error()));
    }
}

void Removal::removeSharedFiles(QStringView section) {
    for (const QString& entry : entries(section)) {
        if (auto path = readPathEntry(entry))
            removeSharedFile(path.value());
        else
            skipped(section, path.error());
        observer_.entryDone();
    }
}

void Removal::removeSharedFile(const QString& path) {
    auto counter = actions_.releaseSharedCounter(path);
    if (!counter) return report_.notes.append(QStringLiteral("shared file %1 left: %2").arg(path, counter.error()));
    if (!counter.value()) return deleteInUseFile(path);
    if (*counter.value() > 0 || !actions_.fileExists(path)) return;
    if (!mayRemoveSharedFile(path)) return;
    deleteInUseFile(path);
    if (Status done = actions_.deleteSharedCounter(path); !done) fileFailed(path, done.error());
}

bool Removal::mayRemoveSharedFile(const QString& path) {
    if (removeAllShared_) return *removeAllShared_;
    switch (observer_.askSharedFile(path)) {
    case SharedFileAnswer::YesToAll:
        removeAllShared_ = true;
        return true;
    case SharedFileAnswer::NoToAll:
        removeAllShared_ = false;
        return false;
    case SharedFileAnswer::Yes:
        return true;
    case SharedFileAnswer::No:
        break;
    }
    return false;
}

// A shared file may be in use by a running program; what cannot go now goes
// at the next restart.
void Removal::deleteInUseFile(const QString& path) {
    const Status deleted = actions_.deleteFile(path);
    if (deleted) return;
    if (Status scheduled = actions_.deleteAtRestart(path); !scheduled)
        return fileFailed(path, deleted.error() + QStringLiteral("; ") + scheduled.error());
    report_.notes.append(QStringLiteral("%1 will be deleted at restart: %2").arg(path, deleted.error()));
}

void Removal::removeFonts() {
    for (const QString& entry : entries(section::fonts)) {
        if (auto font = readFontEntry(entry)) {
            if (Status done = actions_.deleteFontValue(font->valueName); !done)
                report_.notes.append(QStringLiteral("font value %1 left: %2").arg(font->valueName, done.error()));
            if (Status done = actions_.deleteFile(font->file); !done) fileFailed(font->file, done.error());
        } else {
            skipped(section::fonts, font.error());
        }
        observer_.entryDone();
    }
}

void Removal::removeApplicationFiles() {
    for (const QString& entry : entries(section::appFiles)) {
        if (auto path = readPathEntry(entry)) {
            if (Status done = actions_.deleteFile(path.value()); !done) fileFailed(path.value(), done.error());
        } else {
            skipped(section::appFiles, path.error());
        }
        observer_.entryDone();
    }
}

void Removal::removeFolders(QStringView section) {
    for (const QString& entry : entries(section)) {
        if (auto path = readPathEntry(entry)) {
            if (Status done = actions_.removeFolder(path.value()); !done) folderFailed(path.value(), done.error());
        } else {
            skipped(section, path.error());
        }
        observer_.entryDone();
    }
}

void Removal::removeRegistryKeys() {
    for (const QString& entry : entries(section::registryKeys)) {
        if (auto key = readRegistryKeyEntry(entry)) {
            const QString name = registryKeyText(key->hive, key->path);
            if (isProtectedKey(key->hive, key->path))
                skipped(section::registryKeys, QStringLiteral("%1 is protected").arg(name));
            else if (Status done = actions_.deleteRegistryKey(key.value()); !done)
                fileFailed(name, done.error());
        } else {
            skipped(section::registryKeys, key.error());
        }
        observer_.entryDone();
    }
}

void Removal::removeRegistryValues() {
    for (const QString& entry : entries(section::registryValues)) {
        if (auto value = readRegistryValueEntry(entry)) {
            const QString name = registryKeyText(value->hive, value->path) + u'\\' + value->name;
            if (isProtectedKey(value->hive, value->path))
                skipped(section::registryValues, QStringLiteral("%1 is in a protected key").arg(name));
            else if (Status done = actions_.deleteRegistryValue(value.value()); !done)
                fileFailed(name, done.error());
        } else {
            skipped(section::registryValues, value.error());
        }
        observer_.entryDone();
    }
}

void Removal::removeIniKeys() {
    for (const QString& entry : entries(section::iniKeys)) {
        if (auto key = readIniKeyEntry(entry)) {
            if (Status done = actions_.deleteIniKey(key.value()); !done)
                fileFailed(QStringLiteral("%1 [%2] %3").arg(key->file, key->section, key->key), done.error());
        } else {
            skipped(section::iniKeys, key.error());
        }
        observer_.entryDone();
    }
}

QString reportText(const RemovalReport& report) {
    QString text;
    for (const LeftItem& item : report.failures) text += item.text + QStringLiteral(": ") + item.reason + u'\n';
    for (const QString& note : report.notes) text += note + u'\n';
    return text;
}

}  // namespace ky::unsetup
