#include "core/SafeFile.h"

#include "core/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Fault
{
    QString fileName;
    qint64 afterBytes = -1;
    bool atFlush = false;
};

Fault &pendingFault()
{
    static Fault fault;
    return fault;
}

// The fault planned for this file, used up by asking.
bool takeFault(const QString &path, Fault *out)
{
    Fault &f = pendingFault();
    if (f.fileName.isEmpty() || QFileInfo(path).fileName() != f.fileName)
        return false;
    *out = f;
    f = Fault();
    return true;
}

// write() until every byte is out; a short write is retried, since only an error says why.
bool writeAll(int fd, const char *data, qint64 size, qint64 failAfter)
{
    qint64 done = 0;
    while (done < size) {
        qint64 chunk = size - done;
        if (failAfter >= 0) {
            if (done >= failAfter) {
                errno = ENOSPC;
                return false;
            }
            chunk = std::min(chunk, failAfter - done);
        }
        const ssize_t n = ::write(fd, data + done, size_t(chunk));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += n;
    }
    return true;
}

// The file a write really replaces: a link is followed, so the user's link stays a link.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString target = info.symLinkTarget();
    return target.isEmpty() ? path : target;
}

void syncFolder(const QString &folder)
{
    const int fd
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

QString tooLarge(const QString &path, qint64 maxBytes)
{
    return QStringLiteral("Plik %1 jest za duży (ponad %2 MB).")
        .arg(path)
        .arg(maxBytes / (1024 * 1024));
}

} // namespace

namespace safefile {

void write(const QString &path, const QByteArray &bytes)
{
    const QString target = writeTarget(path);
    const QByteArray native = QFile::encodeName(target);
    mode_t mode = 0666;
    struct stat st
    {
    };
    if (::stat(native.constData(), &st) == 0) {
        // A read-only file stays as it is, even though the folder would let us replace it; and
        // a FIFO or device is never replaced by a plain file.
        if (!S_ISREG(st.st_mode) || !QFileInfo(target).isWritable())
            throw AppError::unableToWrite(path);
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    QByteArray temp = native + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        throw AppError::unableToWrite(path);
    Fault fault;
    const bool faulty = takeFault(target, &fault);
    bool ok = ::fchmod(fd, mode) == 0 || errno == EPERM;
    ok = ok
        && writeAll(
            fd, bytes.constData(), bytes.size(), faulty && !fault.atFlush ? fault.afterBytes : -1);
    // The data must be on the disk before the rename makes it the file: a full disk or a
    // failing device is only reported here on many file systems.
    ok = ok && !(faulty && fault.atFlush) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.constData(), native.constData()) == 0;
    if (!ok) {
        ::unlink(temp.constData());
        throw AppError::unableToWrite(path);
    }
    syncFolder(QFileInfo(target).absolutePath());
}

QByteArray read(const QString &path, qint64 maxBytes)
{
    const QByteArray native = QFile::encodeName(path);
    // Non-blocking, so that opening a FIFO cannot hang; fstat then tells what was opened.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        throw AppError(QStringLiteral("Cannot open file %1. %2")
                           .arg(path, QString::fromLocal8Bit(strerror(errno))));
    struct stat st
    {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw AppError(
            QStringLiteral("%1 nie jest zwykłym plikiem, więc program go nie odczyta.").arg(path));
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        throw AppError(tooLarge(path, maxBytes));
    }
    // Files under /proc report a size of 0 and then deliver without end, so the bound is on what
    // arrives: a file may grow a little while it is read, not without limit.
    const qint64 limit = std::min<qint64>(maxBytes, qint64(st.st_size) + 1024 * 1024);
    QByteArray out;
    out.reserve(qsizetype(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const QString why = QString::fromLocal8Bit(strerror(errno));
            ::close(fd);
            throw AppError(QStringLiteral("Cannot open file %1. %2").arg(path, why));
        }
        if (out.size() + n > limit) {
            ::close(fd);
            throw AppError(tooLarge(path, std::min(maxBytes, limit)));
        }
        out.append(buffer, n);
    }
    ::close(fd);
    return out;
}

bool isRegularFile(const QString &path)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

void removeLeftovers(const QString &path)
{
    const QFileInfo info(writeTarget(path));
    QDir folder = info.absoluteDir();
    const QString prefix = info.fileName() + u'.';
    // mkstemp's six letters and digits after the name; nothing else is touched.
    static const QRegularExpression suffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.startsWith(prefix) && suffix.match(entry.mid(prefix.size())).hasMatch())
            folder.remove(entry);
}

void failNextWriteForTests(const QString &fileName, qint64 afterBytes, bool failAtFlush)
{
    pendingFault() = Fault {fileName, afterBytes, failAtFlush};
}

void clearFaultsForTests()
{
    pendingFault() = Fault();
}

} // namespace safefile
