#include "unsetup/file_removal.h"

#include <QFile>

#include <filesystem>
#include <system_error>

namespace ky::unsetup {

namespace {

namespace fs = std::filesystem;

fs::path nativePath(const QString& path) { return fs::path(QFile::encodeName(path).toStdString()); }

Failure systemFailure(const std::error_code& error) { return fail(QString::fromStdString(error.message())); }

bool isRefusal(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

constexpr fs::perms kWriteBits = fs::perms::owner_write;

}  // namespace

bool pathExists(const QString& path) {
    std::error_code error;
    return fs::symlink_status(nativePath(path), error).type() != fs::file_type::not_found && !error;
}

Status deleteFileAt(const QString& path) {
    const fs::path file = nativePath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (status.type() == fs::file_type::not_found) return {};
    if (status.type() == fs::file_type::directory) return fail(QStringLiteral("is a folder"));
    if (fs::remove(file, error) || !error) return {};
    const bool readOnly = status.type() == fs::file_type::regular && (status.permissions() & kWriteBits) == fs::perms::none;
    if (!isRefusal(error) || !readOnly) return systemFailure(error);

    std::error_code retryError;
    fs::permissions(file, kWriteBits, fs::perm_options::add, retryError);
    if (retryError) return systemFailure(error);
    if (fs::remove(file, retryError)) return {};
    fs::permissions(file, status.permissions(), fs::perm_options::replace, retryError);
    return systemFailure(error);
}

Status removeEmptyFolder(const QString& path) {
    const fs::path folder = nativePath(path);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(folder, error);
    if (status.type() == fs::file_type::not_found) return {};
    if (status.type() != fs::file_type::directory) return fail(QStringLiteral("is not a folder"));
    // remove() on a folder is rmdir: it refuses a folder that is not empty.
    if (fs::remove(folder, error) || !error) return {};
    return systemFailure(error);
}

}  // namespace ky::unsetup
