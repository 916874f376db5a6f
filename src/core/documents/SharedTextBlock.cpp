#include "core/documents/SharedTextBlock.h"

#include "core/text/Cp1251.h"

namespace DocumentFile {

SharedTextBlock::SharedTextBlock(qsizetype room) {
    if (room <= 0) {
        return;
    }
    // The block holds one reference of its own until it goes. Pages of the
    // room that no text reaches are never touched, so they cost no memory.
    auto [header, data] = QTypedArrayData<char16_t>::allocate(room);
    if (header == nullptr) {
        return;
    }
    header_ = header;
    next_ = data;
    room_ = room;
}

SharedTextBlock::~SharedTextBlock() {
    if (header_ != nullptr && !header_->deref()) {
        QTypedArrayData<char16_t>::deallocate(header_);
    }
}

QString SharedTextBlock::Decode(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    if (size + 1 > room_) {
        return Cp1251::Decode(bytes);
    }
    char16_t* text = next_;
    Cp1251::DecodeInto(bytes, text);
    text[size] = u'\0';
    next_ += size + 1;
    room_ -= size + 1;
    // The text starts inside the block rather than at its start, as a
    // QString does after its front was removed: the string knows the block
    // as its own only once it alone refers to it, and then no other text
    // lives there any more.
    header_->ref();
    return QString(QString::DataPointer(header_, text, size));
}

}  // namespace DocumentFile
