#include "recipes/fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("ReceptsDialog", text);
}

void setReason(QString* reason, const QFileDevice& file, const char* fallback)
{
    if (!reason)
        return;
    *reason = file.error() != QFileDevice::NoError ? file.errorString() : translated(fallback);
}

// A new file belongs to whoever saves it, with the default permissions. It gets the old
// file's instead, so that a file saved by root stays its user's and a group-shared file stays
// shared. Only root may give a file away; another user keeps the group when a member of it,
// and otherwise the file becomes the user's own, which is no error.
bool keepAttributes(int fd, const struct stat& old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        if (::geteuid() == 0)
            return false;
        // A user outside the file's group cannot keep it: the file becomes the user's own.
        if (::fchown(fd, uid_t(-1), old.st_gid) != 0 && errno != EPERM)
            return false;
    }
    // After the owner: changing the owner may clear the set-user-ID and set-group-ID bits.
    const mode_t bits = old.st_mode & 07777;
    if ((now.st_mode & 07777) == bits && now.st_uid == old.st_uid && now.st_gid == old.st_gid)
        return true; // the file itself, written in place: another user's file may not be changed
    return ::fchmod(fd, bits) == 0;
}

} // namespace

bool readWholeFile(const QString& path, qint64 maxBytes, QByteArray* contents, QString* reason)
{
    // Checked before opening: opening a FIFO blocks until a writer comes, and a device such
    // as /dev/zero never ends.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (reason)
            *reason = translated(QT_TRANSLATE_NOOP("ReceptsDialog", "It is not a regular file."));
        return false;
    }
    if (info.size() > maxBytes) {
        if (reason)
            *reason = translated(QT_TRANSLATE_NOOP("ReceptsDialog", "The file is larger than %1 MB, the most the "
                                                                    "program reads."))
                          .arg(maxBytes / (qint64(1024) * 1024));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The file cannot be opened."));
        return false;
    }
    *contents = file.read(maxBytes + 1); // one byte more shows a file that grew since
    if (file.error() != QFileDevice::NoError || contents->size() > maxBytes) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The file cannot be read."));
        contents->clear();
        return false;
    }
    return true;
}

bool saveFileAtomically(const QString& path, const QByteArray& contents, QString* reason)
{
    struct stat old {};
    const bool existed = ::stat(QFile::encodeName(path).constData(), &old) == 0;
    QSaveFile file(path);
    // The new file is made in the file's folder. A user who may write the file but not the
    // folder (a shared file in root's folder) can still save: the file is written in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The file cannot be opened for writing."));
        return false;
    }
    if (existed && !keepAttributes(file.handle(), old)) {
        if (reason)
            *reason = translated(QT_TRANSLATE_NOOP("ReceptsDialog", "The file's owner, group and permissions "
                                                                    "could not be kept."));
        file.cancelWriting();
        return false;
    }
    // On a full disk commit() has been seen to succeed after a short write or a failed
    // flush, so every step is checked here and the new file dropped on any shortfall.
    if (file.write(contents) != contents.size() || !file.flush()) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "Not all of the file could be written."));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The new file could not replace the old one."));
        return false;
    }
    return true;
}
