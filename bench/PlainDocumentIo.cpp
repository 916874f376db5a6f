#include "PlainDocumentIo.h"

#include <fcntl.h>
#include <unistd.h>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace plain {

namespace {

constexpr char kMask = 0x35;
constexpr std::string_view kPostMagic = "Zebrin42[pst]";
constexpr std::string_view kTuringMagic = "Zebrin42[tur]";

// The unmasked text after the magic, cut at a NUL; false when the file
// cannot be read or starts otherwise.
bool ReadText(const std::string& path, std::string_view magic, std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    text.resize(size > 0 ? std::size_t(size) : 0);
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    std::fclose(file);
    if (got != text.size() || text.compare(0, magic.size(), magic) != 0) {
        return false;
    }
    text.erase(0, magic.size());
    for (char& b : text) {
        b = char(b ^ kMask);
    }
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos) {
        text.resize(nul);
    }
    return true;
}

// Splits at CR LF, lone CR and lone LF; no empty line after a final break.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

class Lines {
public:
    explicit Lines(const std::vector<std::string_view>& lines) : lines_(lines) {}
    std::string_view Next() {
        if (at_ >= lines_.size()) {
            ok_ = false;
            return {};
        }
        return lines_[at_++];
    }
    int NextInt() {
        std::string_view line = Next();
        while (!line.empty() && line.front() == ' ') {
            line.remove_prefix(1);
        }
        while (!line.empty() && line.back() == ' ') {
            line.remove_suffix(1);
        }
        int value = 0;
        const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
        if (error != std::errc() || end != line.data() + line.size()) {
            ok_ = false;
        }
        return value;
    }
    // `count` lines into `out`; false when fewer are left.
    bool Take(long long count, std::vector<std::string>& out) {
        if (count < 0 || count > Remaining()) {
            ok_ = false;
            return false;
        }
        out.reserve(std::size_t(count));
        for (long long i = 0; i < count; ++i) {
            out.emplace_back(Next());
        }
        return true;
    }
    long long Remaining() const { return (long long)(lines_.size() - at_); }
    bool Ok() const { return ok_; }

private:
    const std::vector<std::string_view>& lines_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

class Image {
public:
    explicit Image(std::string_view magic, std::size_t reserve) {
        bytes_.reserve(reserve);
        bytes_.append(magic);
        textStart_ = bytes_.size();
    }
    void Add(std::string_view line) {
        bytes_.append(line);
        bytes_.append("\r\n");
    }
    void Add(int value) { Add(std::to_string(value)); }
    void AddAll(const std::vector<std::string>& lines) {
        for (const std::string& line : lines) {
            Add(line);
        }
    }
    // Masks the text and puts the image in place of `path`.
    bool Store(const std::string& path) {
        for (std::size_t i = textStart_; i < bytes_.size(); ++i) {
            bytes_[i] = char(bytes_[i] ^ kMask);
        }
        const std::string temporary = path + ".plain-tmp";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) {
            return false;
        }
        std::size_t done = 0;
        while (done < bytes_.size()) {
            const ssize_t wrote = ::write(fd, bytes_.data() + done, bytes_.size() - done);
            if (wrote <= 0) {
                ::close(fd);
                ::unlink(temporary.c_str());
                return false;
            }
            done += std::size_t(wrote);
        }
        if (::close(fd) != 0 || std::rename(temporary.c_str(), path.c_str()) != 0) {
            ::unlink(temporary.c_str());
            return false;
        }
        return true;
    }

private:
    std::string bytes_;
    std::size_t textStart_ = 0;
};

std::size_t Bytes(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const std::string& line : lines) {
        total += line.size() + 2;
    }
    return total;
}

// The lines both layouts begin with: the statement, the carriage and the
// used bounds.
template <typename Document>
void TakeHead(Lines& in, Document& doc) {
    in.Take(in.NextInt(), doc.statement);
    doc.carriage = in.NextInt();
    doc.usedMin = in.NextInt();
    doc.usedMax = in.NextInt();
}

}  // namespace

bool ReadPost(const std::string& path, PostDocument& doc) {
    std::string text;
    if (!ReadText(path, kPostMagic, text)) {
        return false;
    }
    const std::vector<std::string_view> lines = SplitLines(text);
    Lines in(lines);
    TakeHead(in, doc);
    doc.left = in.Next();
    doc.zero = in.Next();
    doc.right = in.Next();
    doc.rows = in.NextInt();
    if (!in.Ok() || doc.rows < 2) {
        return false;
    }
    in.Take((long long)doc.rows * 4, doc.cells);
    return in.Ok();
}

bool ReadTuring(const std::string& path, TuringDocument& doc) {
    std::string text;
    if (!ReadText(path, kTuringMagic, text)) {
        return false;
    }
    const std::vector<std::string_view> lines = SplitLines(text);
    Lines in(lines);
    TakeHead(in, doc);
    doc.tape = in.Next();
    doc.alphabet = in.Next();
    doc.rows = in.NextInt();
    doc.cols = in.NextInt();
    if (!in.Ok() || doc.rows < 2 || doc.cols < 2) {
        return false;
    }
    in.Take((long long)doc.rows * (doc.cols + 1), doc.cells);
    in.Take(in.NextInt(), doc.comments);
    return in.Ok();
}

bool WritePost(const std::string& path, const PostDocument& doc) {
    Image image(kPostMagic, kPostMagic.size() + Bytes(doc.statement) + Bytes(doc.cells) + 256 +
                                doc.left.size() + doc.right.size());
    image.Add(int(doc.statement.size()));
    image.AddAll(doc.statement);
    image.Add(doc.carriage);
    image.Add(doc.usedMin);
    image.Add(doc.usedMax);
    image.Add(doc.left);
    image.Add(doc.zero);
    image.Add(doc.right);
    image.Add(doc.rows);
    image.AddAll(doc.cells);
    return image.Store(path);
}

bool WriteTuring(const std::string& path, const TuringDocument& doc) {
    Image image(kTuringMagic, kTuringMagic.size() + Bytes(doc.statement) + Bytes(doc.cells) +
                                  Bytes(doc.comments) + 256 + doc.tape.size() +
                                  doc.alphabet.size());
    image.Add(int(doc.statement.size()));
    image.AddAll(doc.statement);
    image.Add(doc.carriage);
    image.Add(doc.usedMin);
    image.Add(doc.usedMax);
    image.Add(doc.tape);
    image.Add(doc.alphabet);
    image.Add(doc.rows);
    image.Add(doc.cols);
    image.AddAll(doc.cells);
    image.Add(int(doc.comments.size()));
    image.AddAll(doc.comments);
    return image.Store(path);
}

}  // namespace plain
