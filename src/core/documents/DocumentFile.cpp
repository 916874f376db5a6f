#include "core/documents/DocumentFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>
#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>

#include "core/documents/ByteScan.h"
#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"
#include "core/text/Language.h"

namespace DocumentFile {

namespace {

ReadStatus StatusOfError(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return ReadStatus::Missing;
        case EACCES:
        case EPERM:
            return ReadStatus::NotReadable;
        default:
            return ReadStatus::CannotOpen;
    }
}

// An open regular file, closed when it goes.
class RegularFile {
public:
    explicit RegularFile(const QString& path) {
        const QByteArray name = NativeName(path);
        if (name.isEmpty() || name.contains('\0')) {
            status_ = ReadStatus::Missing;
            return;
        }
        // The node is looked at before it is opened, so a device is never
        // opened at all; the open itself does not block, and the open file
        // is looked at again in case the name was replaced in between.
        struct stat info {};
        if (::stat(name.constData(), &info) != 0) {
            status_ = StatusOfError(errno);
            return;
        }
        if (!S_ISREG(info.st_mode)) {
            status_ = ReadStatus::NotRegular;
            return;
        }
        fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0) {
            status_ = StatusOfError(errno);
            return;
        }
        if (::fstat(fd_, &info) != 0) {
            status_ = ReadStatus::CannotOpen;
            return;
        }
        if (!S_ISREG(info.st_mode)) {
            status_ = ReadStatus::NotRegular;
            return;
        }
        size_ = info.st_size;
        status_ = ReadStatus::Ok;
    }
    ~RegularFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    ReadStatus Status() const { return status_; }
    qint64 Size() const { return size_; }

    // Up to `count` bytes from the start, fewer where the file ends. The
    // buffer is sized for the file at once (and one byte more, to meet its
    // end), so a large file is never moved while it is read; only a file
    // that grows meanwhile makes it grow.
    ReadStatus Read(qint64 count, QByteArray& bytes) {
        bytes.clear();
        bytes.reserve(qsizetype(std::min(count, size_ + 1)));
        constexpr qint64 kChunk = 1 << 16;
        while (bytes.size() < count) {
            const qsizetype had = bytes.size();
            const qint64 room = bytes.capacity() - had;
            const qint64 want = std::min({count - had, kChunk, room > 0 ? room : kChunk});
            bytes.resize(had + qsizetype(want));
            const ssize_t got = ::read(fd_, bytes.data() + had, std::size_t(want));
            if (got < 0 && errno == EINTR) {
                bytes.resize(had);
                continue;
            }
            if (got < 0) {
                bytes.clear();
                return ReadStatus::CannotOpen;
            }
            bytes.resize(had + qsizetype(got));
            if (got == 0) {
                break;
            }
        }
        return ReadStatus::Ok;
    }

private:
    int fd_ = -1;
    qint64 size_ = 0;
    ReadStatus status_ = ReadStatus::CannotOpen;
};

// The length of the UTF-8 sequence at `i` when it is a valid one (no
// overlong form, no surrogate, nothing past U+10FFFF), else 0; its code
// point in `code`.
int Utf8Sequence(const QByteArray& bytes, qsizetype i, char32_t& code) {
    const auto byte = [&bytes](qsizetype at) { return uchar(bytes[at]); };
    const uchar lead = byte(i);
    int length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) {
        return 0;
    }
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

constexpr char16_t kRawByteBase = 0xDC00;

bool IsRawByte(const QString& name, qsizetype i) {
    const char16_t c = name[i].unicode();
    return c >= kRawByteBase + 0x80 && c <= kRawByteBase + 0xFF &&
           (i == 0 || !name[i - 1].isHighSurrogate());
}

}  // namespace

qsizetype CountLines(QByteArrayView text) {
    const char* bytes = text.data();
    const qsizetype size = text.size();
    if (size == 0) {
        return 0;
    }
    // A line ends at every LF and at every CR not followed by an LF. The
    // last byte ends a line whatever it is (a CR or LF ends the last line,
    // any other byte an unterminated one), so only the bytes before it are
    // looked at; each of them has a next byte.
    const qsizetype looked = size - 1;
    qsizetype lines = 0;
    qsizetype i = 0;
    for (; i + 8 <= looked; i += 8) {
        const quint64 word = ByteScan::LoadWord(bytes + i);
        // Each byte's next byte: the word moved down by one, with the byte
        // after the word on top.
        const quint64 next = (word >> 8) | (quint64(uchar(bytes[i + 8])) << 56);
        const quint64 ends = ByteScan::BytesEqual(word, '\n') |
                             (ByteScan::BytesEqual(word, '\r') & ~ByteScan::BytesEqual(next, '\n'));
        lines += ByteScan::FlaggedBytes(ends);
    }
    for (; i < looked; ++i) {
        lines += qsizetype(bytes[i] == '\n') + qsizetype(bytes[i] == '\r' && bytes[i + 1] != '\n');
    }
    return lines + 1;
}

ReadStatus ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes) {
    bytes.clear();
    RegularFile file(path);
    if (file.Status() != ReadStatus::Ok) {
        return file.Status();
    }
    if (file.Size() > limit) {
        return ReadStatus::TooLarge;
    }
    // The size may have grown since it was looked at: one byte past the
    // limit is enough to refuse.
    const ReadStatus status = file.Read(limit + 1, bytes);
    if (status == ReadStatus::Ok && bytes.size() > limit) {
        bytes.clear();
        return ReadStatus::TooLarge;
    }
    return status;
}

ReadStatus ReadFileHead(const QString& path, qint64 count, QByteArray& bytes) {
    bytes.clear();
    RegularFile file(path);
    return file.Status() == ReadStatus::Ok ? file.Read(count, bytes) : file.Status();
}

bool IsSpecialFile(const QString& path) {
    struct stat info {};
    return ::stat(NativeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
}

QString NameFromNative(const QByteArray& bytes) {
    QString name;
    name.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t code = 0;
        const int length = Utf8Sequence(bytes, i, code);
        if (length == 0) {
            name.append(QChar(char16_t(kRawByteBase + uchar(bytes[i]))));
            ++i;
            continue;
        }
        name.append(QString::fromUcs4(&code, 1));
        i += length;
    }
    return name;
}

QByteArray NativeName(const QString& name) {
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (IsRawByte(name, i)) {
            bytes.append(QFile::encodeName(name.mid(start, i - start)));
            bytes.append(char(name[i].unicode() - kRawByteBase));
            start = i + 1;
        }
    }
    bytes.append(QFile::encodeName(name.mid(start)));
    return bytes;
}

QString ReadStatusText(ReadStatus status) {
    switch (status) {
        case ReadStatus::Ok:
            return QString();
        case ReadStatus::Missing:
            return Tr("DocumentFile", "нет такого файла");
        case ReadStatus::NotRegular:
            return Tr("DocumentFile", "это не обычный файл");
        case ReadStatus::NotReadable:
            return Tr("DocumentFile", "нет прав на чтение");
        case ReadStatus::TooLarge:
            return Tr("DocumentFile", "файл слишком велик");
        case ReadStatus::WrongMagic:
            return Tr("DocumentFile", "это не документ машины Поста или машины Тьюринга");
        case ReadStatus::Damaged:
            return Tr("DocumentFile", "документ повреждён");
        case ReadStatus::CannotOpen:
            break;
    }
    return Tr("DocumentFile", "файл не удалось открыть");
}

QString PrintableName(const QString& name) {
    QString shown;
    const auto escape = [&shown](const QByteArray& bytes) {
        for (const char b : bytes) {
            shown += QStringLiteral("\\x") +
                     QString::number(uchar(b), 16).toUpper().rightJustified(2, u'0');
        }
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        if (IsRawByte(name, i)) {
            escape(QByteArray(1, char(c.unicode() - kRawByteBase)));
        } else if (c == u'\\') {
            shown += QStringLiteral("\\\\");
        } else if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            const QString pair = name.mid(i, 2);
            if (QChar::isPrint(QChar::surrogateToUcs4(c, name[i + 1]))) {
                shown += pair;
            } else {
                escape(pair.toUtf8());
            }
            ++i;
        } else if (c.isSurrogate()) {
            shown += QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper();
        } else if (c.isPrint()) {
            shown += c;
        } else {
            escape(QString(c).toUtf8());
        }
    }
    return shown;
}

ReadResult Parse(QByteArray image, const QByteArray& magic) {
    ReadResult result;
    if (image.size() < kMagicSize || QByteArrayView(image).first(kMagicSize) != magic) {
        result.status = ReadStatus::WrongMagic;
        return result;
    }
    // The text is unmasked where it was read: removing the magic from an
    // unshared array only moves its start.
    image.remove(0, kMagicSize);
    ByteScan::XorBytes(image.data(), image.size(), kMask);
    const qsizetype nul = image.indexOf('\0');
    if (nul >= 0) {
        image.truncate(nul);
    }
    const qsizetype lines = CountLines(image);
    if (lines > kMaxDocumentLines) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    result.status = ReadStatus::Ok;
    result.text = std::move(image);
    result.lineCount = lines;
    return result;
}

ReadResult Read(const QString& path, const QByteArray& magic) {
    QByteArray image;
    const ReadStatus status = ReadRegularFile(path, kMaxDocumentSize, image);
    if (status != ReadStatus::Ok) {
        ReadResult refused;
        refused.status = status;
        return refused;
    }
    return Parse(std::move(image), magic);
}

ImageComposer::ImageComposer(const QByteArray& magic)
    : image_(magic), textStart_(magic.size()), used_(magic.size()) {}

void ImageComposer::Append(QStringView line, bool oneLine) {
    const qsizetype need = line.size() + 2;
    if (image_.size() - used_ < need) {
        // The room doubles, so appending stays cheap however many lines
        // come; room not written to is never touched, so it costs address
        // space only.
        image_.resize(std::max({used_ + need, image_.size() * 2, qsizetype(4096)}));
    }
    char* out = image_.data() + used_;
    Cp1251::EncodeInto(line, out);
    if (oneLine) {
        ByteScan::BlankBreaks(out, line.size());
    }
    out[line.size()] = '\r';
    out[line.size() + 1] = '\n';
    used_ += need;
    ++lines_;
}

QByteArray ImageComposer::TakeImage() {
    image_.truncate(used_);
    ByteScan::XorBytes(image_.data() + textStart_, image_.size() - textStart_, kMask);
    lines_ = 0;
    textStart_ = 0;
    used_ = 0;
    return std::move(image_);
}

QByteArray Compose(const QByteArray& magic, const QStringList& lines) {
    ImageComposer image(magic);
    image.AddAll(lines);
    return image.TakeImage();
}

bool Write(const QString& path, const QByteArray& magic, const QStringList& lines) {
    ImageComposer image(magic);
    image.AddAll(lines);
    return Write(path, image);
}

bool Write(const QString& path, ImageComposer& composer) {
    const qsizetype lines = composer.LineCount();
    const QByteArray image = composer.TakeImage();
    // A document the reader would refuse is not stored: the previous file
    // stays, and the caller reports a failed write instead of a file that
    // could never be opened again.
    if (image.size() > kMaxDocumentSize || lines > kMaxDocumentLines) {
        return false;
    }
    return WriteBytes(path, image).isEmpty();
}

namespace {

// A save under way is written beside the file it replaces as ".NAME" + this
// mark + six letters or digits, a name that says what it is; a process
// killed before its rename leaves such a file, cleared by the next save of
// NAME.
constexpr char kTemporaryMark[] = ".zebrin42-save-";
constexpr qsizetype kTemporaryTail = 6;
// The bytes the temporary name adds to the file's own.
constexpr qsizetype kTemporaryExtra = 1 + qsizetype(sizeof(kTemporaryMark)) - 1 + kTemporaryTail;
constexpr char kTailCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The moment this program started, on the coarse clock the file system
// stamps files with, so no file made after the start shows an earlier time.
const timespec& ProgramStart() {
    static const timespec start = [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME_COARSE, &now);
        return now;
    }();
    return start;
}
// Taken as the program starts rather than at its first save: a temporary
// file older than the start belongs to a save that can no longer finish,
// while one made since may be another instance's save under way.
[[maybe_unused]] const timespec& kStartTaken = ProgramStart();

bool Before(const timespec& a, const timespec& b) {
    return a.tv_sec < b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec < b.tv_nsec);
}

// The file a save of `path` replaces: symbolic links are followed to their
// end, so the links stay and the file they lead to is replaced. A chain that
// never ends leaves `path` itself.
QByteArray WriteTarget(const QByteArray& path) {
    QByteArray target = path;
    QByteArray link(PATH_MAX + 1, Qt::Uninitialized);
    for (int depth = 0; depth < 40; ++depth) {
        const ssize_t size = readlink(target.constData(), link.data(), std::size_t(link.size()));
        if (size < 0 || size > PATH_MAX) {
            return target;  // not a link (or nothing there yet): this is the file
        }
        QByteArray next(link.constData(), size);
        const qsizetype slash = target.lastIndexOf('/');
        if (!next.startsWith('/') && slash >= 0) {
            next.prepend(target.left(slash + 1));
        }
        target = next;
    }
    return path;
}

// A path split into its folder and its last name ("." for a bare name).
struct PathParts {
    QByteArray folder;
    QByteArray name;
};

PathParts SplitPath(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return {QByteArrayLiteral("."), path};
    }
    return {slash == 0 ? QByteArrayLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

// Whether `entry` is a temporary file of a save of the file whose temporary
// names begin with `prefix`: the prefix, then exactly six letters or digits.
// The bytes are compared as they are, so a name holding * ? [ or . matches
// only itself.
bool IsTemporaryName(QByteArrayView entry, const QByteArray& prefix) {
    if (entry.size() != prefix.size() + kTemporaryTail || !entry.startsWith(prefix)) {
        return false;
    }
    const QByteArrayView tail = entry.sliced(prefix.size());
    return std::all_of(tail.begin(), tail.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

// Removes what saves of `name` in `folder` killed before their rename left:
// regular files (never links) under its temporary name made before this
// program started and not locked by a save still running (a save holds a
// lock on its temporary file until the rename, and a killed process's lock
// goes with it). Nothing else is touched.
void RemoveLeftovers(const QByteArray& folder, const QByteArray& name) {
    DIR* dir = opendir(folder.constData());
    if (!dir) {
        return;
    }
    const QByteArray prefix = '.' + name + kTemporaryMark;
    QList<QByteArray> found;
    while (const dirent* entry = readdir(dir)) {
        if (IsTemporaryName(QByteArrayView(entry->d_name), prefix)) {
            found.append(QByteArray(entry->d_name));
        }
    }
    const int folderFd = dirfd(dir);
    for (const QByteArray& entry : found) {
        struct stat info {};
        if (fstatat(folderFd, entry.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && Before(info.st_mtim, ProgramStart())) {
            const int fd =
                openat(folderFd, entry.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0 || flock(fd, LOCK_EX | LOCK_NB) == 0) {
                unlinkat(folderFd, entry.constData(), 0);
            }
            if (fd >= 0) {
                close(fd);
            }
        }
    }
    closedir(dir);
}

// A new file under the temporary name of a save of `name` in `folder`, open
// for writing and locked; its mode is 0666 less the umask, as any new
// file's. Returns -1 when the folder takes no new file.
int CreateTemporary(const QByteArray& folder, const QByteArray& name, QByteArray& path) {
    const QByteArray stem = folder + "/." + name + kTemporaryMark;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem;
        for (qsizetype i = 0; i < kTemporaryTail; ++i) {
            path.append(kTailCharacters[QRandomGenerator::global()->bounded(
                int(sizeof(kTailCharacters)) - 1)]);
        }
        const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    return -1;
}

// Writes every byte, through short writes and interruptions.
bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written =
            ::write(fd, data, std::size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// Whether the file system refuses every change to `name` (chattr +i).
bool Immutable(const QByteArray& name) {
    const int fd = open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    const bool immutable = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_IMMUTABLE_FL);
    close(fd);
    return immutable;
}

}  // namespace

QString WriteFailureText(const QString& path) {
    if (IsSpecialFile(path)) {
        return QStringLiteral("not a regular file");
    }
    const QByteArray fileName = WriteTarget(NativeName(path));
    const PathParts parts = SplitPath(fileName);
    const QByteArray& folderName = parts.folder;
    struct stat folder {};
    if (::stat(folderName.constData(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
        return QStringLiteral("no such folder");
    }
    const long longestName = pathconf(folderName.constData(), _PC_NAME_MAX);
    // The temporary file's name is the longest a save makes.
    if (parts.name.isEmpty() ||
        parts.name.size() + kTemporaryExtra > (longestName > 0 ? longestName : 255)) {
        return QStringLiteral("a name the file system cannot take");
    }
    // Why the file system refused, where it can be told afterwards.
    const bool exists = access(fileName.constData(), F_OK) == 0;
    struct statvfs volume {};
    const bool measured = statvfs(folderName.constData(), &volume) == 0;
    if (measured && (volume.f_flag & ST_RDONLY)) {
        return QStringLiteral("a read-only file system");
    }
    if (exists && Immutable(fileName)) {
        return QStringLiteral("the file is immutable (chattr +i)");
    }
    if (Immutable(folderName)) {
        return QStringLiteral("the folder is immutable (chattr +i)");
    }
    if (access(folderName.constData(), W_OK) != 0) {
        return QStringLiteral("no permission to write in the folder");
    }
    if (exists && access(fileName.constData(), W_OK) != 0) {
        return QStringLiteral("the file is read-only");
    }
    if (measured && volume.f_bavail == 0) {
        return QStringLiteral("no room: the disk is full");
    }
    rlimit size{};
    if (getrlimit(RLIMIT_FSIZE, &size) == 0 && size.rlim_cur != RLIM_INFINITY) {
        return QStringLiteral("no room: a file-size limit is reached");
    }
    return QStringLiteral("no room: the disk is full or a file-size limit is reached");
}

QString WriteBytes(const QString& path, const QByteArray& bytes) {
    if (IsSpecialFile(path)) {
        return QStringLiteral("not a regular file");
    }
    const QByteArray native = QFile::encodeName(path);
    if (NativeName(path) != native) {
        return QStringLiteral("a name that is not UTF-8 cannot be written");
    }
    if (native.contains('\0')) {
        return QStringLiteral("a name the file system cannot take");
    }
    const QByteArray target = WriteTarget(native);
    const PathParts parts = SplitPath(target);
    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    // A file the user may not change is left alone although its folder
    // would let it be replaced.
    if (parts.name.isEmpty() || (exists && access(target.constData(), W_OK) != 0)) {
        return WriteFailureText(path);
    }
    RemoveLeftovers(parts.folder, parts.name);
    QByteArray temporary;
    const int fd = CreateTemporary(parts.folder, parts.name, temporary);
    if (fd < 0) {
        return WriteFailureText(path);
    }
    // The new file keeps the old one's permissions. A file system without
    // them (FAT) refuses; the save goes on with what it has.
    if (exists) {
        (void)fchmod(fd, old.st_mode & 0777);
    }
    // Only the sync shows that the disk took every byte (a full disk, a
    // file-size limit); the old file is replaced after it, in one rename.
    // The file stays open, and so locked, until then; its close can report
    // nothing the sync did not.
    const bool replaced = WriteAll(fd, bytes) && fdatasync(fd) == 0 &&
                          rename(temporary.constData(), target.constData()) == 0;
    if (!replaced) {
        unlink(temporary.constData());
    }
    close(fd);
    return replaced ? QString() : WriteFailureText(path);
}

QStringList SplitLines(const QString& text, bool keepFinalEmpty) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < size || keepFinalEmpty) {
        lines.append(text.mid(start));
    }
    return lines;
}

QStringList MemoLines(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = SplitLines(text, true);
    for (QString& line : lines) {
        line.replace(QChar(0), u' ');
    }
    return lines;
}

QString MemoText(const QStringList& lines) {
    return lines.join(u'\n');
}

QString OneLine(const QString& text) {
    const auto breaks = [](QChar c) { return c == u'\r' || c == u'\n' || c == QChar(0); };
    // Most values hold no break: they are shared, not copied.
    if (std::none_of(text.cbegin(), text.cend(), breaks)) {
        return text;
    }
    QString line = text;
    std::replace_if(line.begin(), line.end(), breaks, QChar(u' '));
    return line;
}

QByteArrayView LineReader::NextBytes() {
    if (remaining_ <= 0) {
        ok_ = false;
        return {};
    }
    --remaining_;
    const qsizetype start = pos_;
    const qsizetype size = text_.size();
    const qsizetype end = ByteScan::FindLineBreak(text_.data(), start, size);
    pos_ = end + 1;
    if (end < size && text_[end] == '\r' && pos_ < size && text_[pos_] == '\n') {
        ++pos_;
    }
    return text_.sliced(start, end - start);
}

namespace {

// The text of a line of no or one character, shared: one-character lines
// (command codes, symbols) are common, and each byte's text is made once.
const QString* ShortText(QByteArrayView bytes) {
    static const QString kEmpty;
    static const std::array<QString, 256> kSingle = [] {
        std::array<QString, 256> texts;
        for (int b = 0; b < 256; ++b) {
            texts[std::size_t(b)] = QString(Cp1251::DecodeByte(uchar(b)));
        }
        return texts;
    }();
    if (bytes.size() > 1) {
        return nullptr;
    }
    return bytes.isEmpty() ? &kEmpty : &kSingle[uchar(bytes[0])];
}

}  // namespace

QString LineReader::Next() {
    const QByteArrayView bytes = NextBytes();
    const QString* shortText = ShortText(bytes);
    return shortText != nullptr ? *shortText : Cp1251::Decode(bytes);
}

QString LineReader::Next(SharedTextBlock& block) {
    const QByteArrayView bytes = NextBytes();
    const QString* shortText = ShortText(bytes);
    return shortText != nullptr ? *shortText : block.Decode(bytes);
}

QString LineReader::NextJoined(qsizetype count) {
    if (count <= 0) {
        return QString();
    }
    const qsizetype start = pos_;
    QByteArrayView last;
    for (qsizetype i = 0; i < count; ++i) {
        last = NextBytes();
    }
    if (!ok_) {
        return QString();
    }
    // The lines lie one after another in the text: decoded as one span,
    // each line break (CR LF, CR or LF) becomes one "\n".
    const QByteArrayView span =
        text_.sliced(start, qsizetype(last.data() - text_.data()) + last.size() - start);
    QString joined(span.size(), Qt::Uninitialized);
    QChar* out = joined.data();
    for (qsizetype i = 0; i < span.size(); ++i) {
        const char b = span[i];
        if (b == '\r' || b == '\n') {
            *out++ = u'\n';
            if (b == '\r' && i + 1 < span.size() && span[i + 1] == '\n') {
                ++i;
            }
        } else {
            *out++ = Cp1251::DecodeByte(uchar(b));
        }
    }
    joined.truncate(out - joined.constData());
    return joined;
}

void LineReader::Skip(qsizetype count) {
    for (qsizetype i = 0; i < count; ++i) {
        NextBytes();
    }
}

qint32 LineReader::NextInt() {
    const std::optional<qint32> value = ParseInteger(Next().trimmed());
    if (!value) {
        ok_ = false;
        return 0;
    }
    return *value;
}

}  // namespace DocumentFile
