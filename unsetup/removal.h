#pragma once
// The removal of an installation, section by section in a fixed order. A
// single item that cannot be removed never stops it: the item is listed and
// the rest goes on.

#include "unsetup/removal_actions.h"
#include "unsetup/setup_log.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace ky::unsetup {

// The six steps the progress dialog ticks off.
enum class Stage { SharedFiles, StandardFiles, FolderItems, ProgramFolders, ProgramDirectory, Registry };
inline constexpr int kStageCount = 6;

enum class SharedFileAnswer { Yes, YesToAll, No, NoToAll };
enum class SharedFilePolicy { Ask, Keep, Remove };

// How the removal reports to whoever watches it. Called on the removal's
// own thread.
class RemovalObserver {
public:
    virtual ~RemovalObserver() = default;
    virtual void rangeSet(int total) = 0;
    virtual void entryDone() = 0;
    virtual void stageDone(Stage stage) = 0;
    // A shared file nothing else uses any more: remove it?
    virtual SharedFileAnswer askSharedFile(const QString& path) = 0;
    // A problem the user should see now; the removal goes on.
    virtual void problem(const QString& title, const QString& text) = 0;
};

// An item that could not be removed: the text the details dialog lists
// ("<COMMON 1402 or 1403> \"path\"") and the system's reason.
struct LeftItem {
    QString text;
    QString reason;
};

struct RemovalReport {
    std::vector<LeftItem> failures;
    // Entries skipped (unreadable, protected) and files left for a restart.
    QStringList notes;
    bool everythingRemoved() const { return failures.empty() && notes.isEmpty(); }
    QStringList failureTexts() const;
};

class Removal {
public:
    Removal(const SetupLog& log, RemovalActions& actions, RemovalObserver& observer, SharedFilePolicy policy);
    RemovalReport run();

private:
    void runProgramBeforeRemoval();
    void unregisterLibraries();
    void removeSharedFiles(QStringView section);
    void removeSharedFile(const QString& path);
    bool mayRemoveSharedFile(const QString& path);
    void deleteInUseFile(const QString& path);
    void removeFonts();
    void removeApplicationFiles();
    void removeFolders(QStringView section);
    void removeRegistryKeys();
    void removeRegistryValues();
    void removeIniKeys();

    QStringList entries(QStringView section) const;
    void fileFailed(const QString& path, const QString& why);
    void folderFailed(const QString& path, const QString& why);
    void skipped(QStringView section, const QString& why);

    const SetupLog& log_;
    RemovalActions& actions_;
    RemovalObserver& observer_;
    // Owned by the removal's thread: set by a to-all answer or the policy.
    std::optional<bool> removeAllShared_;
    RemovalReport report_;
};

// Failure texts and notes for a terminal, one per line.
QString reportText(const RemovalReport& report);

}  // namespace ky::unsetup
