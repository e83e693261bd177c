#include "recipes/fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace {

void setReason(QString* reason, const QFileDevice& file, const char* fallback)
{
    if (!reason)
        return;
    *reason = file.error() != QFileDevice::NoError ? file.errorString()
                                                    : QCoreApplication::translate("ReceptsDialog", fallback);
}

} // namespace

bool readWholeFile(const QString& path, QByteArray* contents, QString* reason)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The file cannot be opened."));
        return false;
    }
    *contents = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The file cannot be read."));
        return false;
    }
    return true;
}

bool saveFileAtomically(const QString& path, const QByteArray& contents, QString* reason)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setReason(reason, file, QT_TRANSLATE_NOOP("ReceptsDialog", "The file cannot be opened for writing."));
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
