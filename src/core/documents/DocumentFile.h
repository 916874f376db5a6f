#pragma once
// The layering both document formats share: a 13-byte magic stored plainly,
// then a Windows-1251 text of lines with every byte XOR-ed with 0x35. Reading
// splits at CR LF, lone CR and lone LF, drops the empty line after a final
// break, and stops at a NUL byte. Writing ends every line with CR LF and
// replaces the file only once the whole image is on disk, so a failed write
// leaves the previous file intact. A file larger than kMaxDocumentSize is
// refused without being read whole, and one of more than kMaxDocumentLines
// lines is refused before it is split; a document that large is not written
// either. Only regular files are read, and they are opened without blocking,
// so a device or a named pipe given as a document costs neither time nor
// memory and never waits for a writer; a save never replaces a node that is
// not a regular file.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/documents/SharedTextBlock.h"

namespace DocumentFile {

// Why a read failed, for whoever reports it: the window shows its own
// messages, the batch runner names the reason.
enum class ReadStatus {
    Ok,
    CannotOpen,   // the file system refused for another reason, or reading failed
    Missing,      // no such file (or a folder on the way is missing)
    NotRegular,   // a folder, device, named pipe or socket
    NotReadable,  // permission denied
    TooLarge,     // more than kMaxDocumentSize bytes or kMaxDocumentLines lines
    WrongMagic,   // the first bytes name no document of this machine
    Damaged,      // the right first bytes, but the content does not hold together
};

// The text layer of a document as read: the bytes after the magic, unmasked
// in the buffer they were read into and cut at a NUL, and the number of lines
// they hold. A reader takes the lines one by one (LineReader), so no line is
// copied or decoded before its value is wanted.
struct ReadResult {
    ReadStatus status = ReadStatus::CannotOpen;
    QByteArray text;
    qsizetype lineCount = 0;
};

constexpr char kMask = 0x35;
constexpr int kMagicSize = 13;
// The first bytes of each machine's documents.
inline const QByteArray kPostMagic = QByteArrayLiteral("Zebrin42[pst]");
inline const QByteArray kTuringMagic = QByteArrayLiteral("Zebrin42[tur]");
// The largest document read: 8 MiB in at most 2^21 lines. A Turing table
// of every symbol of the code page and 999 states, each cell holding a
// command as long as "a>-2147483648", comes to under 4 MB in about 255,000
// lines; tapes and texts add little. So no document a user makes comes near
// either limit. Each line costs far more memory than its bytes (a list
// entry, a table cell), so the line limit is what keeps the costliest
// accepted file, all empty table cells, within a few hundred MB.
constexpr qint64 kMaxDocumentSize = qint64(8) * 1024 * 1024;
constexpr qsizetype kMaxDocumentLines = qsizetype(1) << 21;

ReadResult Read(const QString& path, const QByteArray& magic);
// The bytes of the regular file at `path` (symbolic links followed), opened
// without blocking. A file of more than `limit` bytes is TooLarge, refused
// by its size before it is read where the size is known.
ReadStatus ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes);
// At most the first `count` bytes of the regular file at `path`.
ReadStatus ReadFileHead(const QString& path, qint64 count, QByteArray& bytes);
// Whether `path` names an existing node (after symbolic links) that is not
// a regular file: a save must not replace it.
bool IsSpecialFile(const QString& path);

// File names whose bytes are not UTF-8: NameFromNative keeps every byte
// that is not part of a UTF-8 sequence as U+DC80 + byte (a lone surrogate no
// text holds), and NativeName turns such a name back into the same bytes,
// so a name given on a command line reaches the file system unchanged.
QString NameFromNative(const QByteArray& bytes);
QByteArray NativeName(const QString& name);
// A name for a reader's eyes: bytes that are not UTF-8 and characters that
// do not print shown as \xHH (each byte of their UTF-8), a backslash as \\.
QString PrintableName(const QString& name);
// Why a file could not be read, in the window's words, short enough for a
// line of the message dialog ("нет такого файла", "документ повреждён" ...;
// the help topic tells the limits); empty for Ok.
QString ReadStatusText(ReadStatus status);

// The lines SplitLines would make of the text, counted on the bytes.
qsizetype CountLines(QByteArrayView text);
// The text layer of an image already in memory (the magic is checked too),
// unmasked in the image's own buffer.
ReadResult Parse(QByteArray image, const QByteArray& magic);

// Splits at CR LF, lone CR and lone LF. A text layer drops the empty piece
// after a final break; a memo keeps it, so its text reads back unchanged.
QStringList SplitLines(const QString& text, bool keepFinalEmpty);

// A memo's text as the lines a document stores (none for an empty memo),
// and back.
QStringList MemoLines(const QString& text);
QString MemoText(const QStringList& lines);

// A value stored on one line: a line break or a NUL inside it would shift
// every line after it, so they are stored as blanks.
QString OneLine(const QString& text);

// Where a writer puts a document's lines: into a list (PostFileLines,
// TuringFileLines) or straight into a file image (ImageComposer), so both
// come from one description of the layout.
class LineSink {
public:
    virtual void Add(const QString& line) = 0;
    // A value kept on one line, as OneLine stores it.
    virtual void AddOneLine(const QString& value) = 0;
    void AddAll(const QStringList& lines) {
        for (const QString& line : lines) {
            Add(line);
        }
    }

protected:
    ~LineSink() = default;
};

class LineList final : public LineSink {
public:
    void Add(const QString& line) override { lines.append(line); }
    void AddOneLine(const QString& value) override { lines.append(OneLine(value)); }
    QStringList lines;
};

// A document's image made line by line: each line is encoded into one
// buffer as it comes, without a copy of its text, and ended with CR LF; the
// text is masked when the image is taken.
class ImageComposer final : public LineSink {
public:
    explicit ImageComposer(const QByteArray& magic);
    void Add(const QString& line) override { Append(line, false); }
    void AddOneLine(const QString& value) override { Append(value, true); }
    qsizetype LineCount() const { return lines_; }
    // The masked image; the composer is empty afterwards.
    QByteArray TakeImage();

private:
    void Append(QStringView line, bool oneLine);

    QByteArray image_;  // its first used_ bytes are the image so far
    qsizetype textStart_ = 0;
    qsizetype used_ = 0;
    qsizetype lines_ = 0;
};

QByteArray Compose(const QByteArray& magic, const QStringList& lines);
bool Write(const QString& path, const QByteArray& magic, const QStringList& lines);
// Stores the composed image at `path` (see the file's comment).
bool Write(const QString& path, ImageComposer& composer);
// Writes `bytes` to `path` through a temporary file that replaces the old
// one only once every byte reached the disk, so a failed write leaves the
// previous file whole. The temporary file stands beside the file replaced
// as ".NAME.zebrin42-save-" and six letters or digits, and has the old
// file's permissions (a new file's mode is 0666 less the umask), and is
// locked until it replaces the old one. One that a killed save left behind,
// made before this program started, is removed by the next save of NAME,
// while a newer or locked one (another instance saving) stays.
// A symbolic link is written through: the file it leads to is replaced, in
// that file's folder, and the link stays. A device, a pipe or a directory is
// never replaced, and a name that is not UTF-8 is refused rather than
// written under another name. Returns why it failed, in plain English, or an
// empty text.
QString WriteBytes(const QString& path, const QByteArray& bytes);
// Why a write to `path` failed, in plain English, as far as the file
// system shows it: "not a regular file", "no such folder", "a name the file
// system cannot take" (counting the temporary name's 22 more bytes), a
// read-only file system, an immutable file or folder, missing permission, or
// else "no room" (the disk is full or a file-size limit is reached).
QString WriteFailureText(const QString& path);

// Reads the lines of a document one after another, straight from the text
// read, each decoded only when it is taken; any missing line or malformed
// number makes `ok` false for good, so a reader can check once at the end of
// a group. A copy goes on from the same line independently, so a reader can
// check a whole document first and come back for its table.
class LineReader {
public:
    explicit LineReader(const ReadResult& file) : text_(file.text), remaining_(file.lineCount) {}
    QString Next();
    // The same, decoded into `block` (made with RemainingBytes() + 1 of
    // room, it holds every line that follows).
    QString Next(SharedTextBlock& block);
    // The next `count` lines joined by "\n", as a memo holds them.
    QString NextJoined(qsizetype count);
    // Passes over `count` lines without decoding them.
    void Skip(qsizetype count);
    // A number line in the integer syntax; blanks around it are tolerated.
    qint32 NextInt();
    qsizetype Remaining() const { return remaining_; }
    qsizetype RemainingBytes() const { return text_.size() - pos_; }
    bool Ok() const { return ok_; }
    void Fail() { ok_ = false; }

private:
    // The next line's bytes, its line break passed over.
    QByteArrayView NextBytes();

    QByteArrayView text_;
    qsizetype pos_ = 0;
    qsizetype remaining_ = 0;
    bool ok_ = true;
};

}  // namespace DocumentFile
