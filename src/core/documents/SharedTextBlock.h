#pragma once
// Texts decoded from a document into one buffer that they share. A table
// read from a large document holds hundreds of thousands of short cells;
// decoded one by one, each cost an allocation of its own, with a header and
// the allocator's rounding often larger than the text. Here they are laid out
// one after another (each ended by a NUL, as every QString's text is) in one
// allocation, and each is an ordinary QString holding a reference to it: a
// copy shares it, a write gives that text a buffer of its own, and the
// buffer goes when the block and the last text using it are gone.

#include <QByteArrayView>
#include <QString>

namespace DocumentFile {

class SharedTextBlock {
public:
    // Room for texts whose byte counts, each plus one, add up to at most
    // `room`; a text past it is decoded on its own.
    explicit SharedTextBlock(qsizetype room);
    ~SharedTextBlock();
    SharedTextBlock(const SharedTextBlock&) = delete;
    SharedTextBlock& operator=(const SharedTextBlock&) = delete;

    // The Windows-1251 `bytes` as text, in the block while it has room.
    QString Decode(QByteArrayView bytes);

private:
    QTypedArrayData<char16_t>* header_ = nullptr;
    char16_t* next_ = nullptr;
    qsizetype room_ = 0;
};

}  // namespace DocumentFile
