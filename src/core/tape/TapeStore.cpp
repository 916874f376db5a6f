#include "core/tape/TapeStore.h"

#include <algorithm>

#include "core/tape/TapeWindow.h"

namespace {
constexpr QChar kPostFiller = u'0';
constexpr QChar kBlank = u' ';
constexpr int kTuringHome = 14;
}  // namespace

TapeStore::TapeStore(TapeKind kind, TapeHooks* hooks)
    : kind_(kind),
      hooks_(hooks),
      carriagePos_(kind == TapeKind::Post ? 0 : kTuringHome),
      usedMin_(TapeLimit),
      usedMax_(EmptyUsedMax()) {}

bool TapeStore::StoredTapeValid(TapeKind kind, qint64 carriage, qint64 usedMin, qint64 usedMax,
                                std::initializer_list<qsizetype> stringLengths) {
    const qint64 first = kind == TapeKind::Post ? -TapeLimit : 1;
    const qint64 emptyMax = kind == TapeKind::Post ? -TapeLimit : 0;
    auto onTape = [first](qint64 cell) { return cell >= first && cell <= TapeLimit; };
    const bool bounds = (usedMin == TapeLimit && usedMax == emptyMax) ||
                        (onTape(usedMin) && onTape(usedMax) && usedMin <= usedMax);
    bool lengths = true;
    for (qsizetype length : stringLengths) {
        lengths = lengths && length <= TapeLimit;
    }
    return onTape(carriage) && bounds && lengths;
}

QChar& TapeStore::CellIn(QString& cells, int k, QChar filler) {
    if (k <= cells.size()) {
        return cells.data()[k - 1];
    }
    { cells.append(QString(k - cells.size(), filler)); }
    return cells[k - 1];
}

bool TapeStore::GetPostCellPadding(int index) {
    if (index == 0) {
        return zero_ == u'1';
    }
    if (index < -TapeLimit || index > TapeLimit) {
        return false;
    }
    QString& cells = index > 0 ? right_ : left_;
    return CellIn(cells, std::abs(index), kPostFiller) == u'1';
}

void TapeStore::SetPostCell(int index, bool mark) {
    if (index < -TapeLimit || index > TapeLimit) {
        return;
    }
    Modified();
    const QChar value = mark ? u'1' : u'0';
    if (index == 0) {
        zero_ = value;
    } else {
        CellIn(index > 0 ? right_ : left_, std::abs(index), kPostFiller) = value;
    }
    if (mark) {
        WidenBounds(index);
    } else {
        NarrowBounds(index);
    }
    Changed();
}

QChar TapeStore::GetTuringCellPadding(int index) {
    if (index <= 0 || index > TapeLimit) {
        return kBlank;
    }
    return CellIn(tape_, index, kBlank);
}

void TapeStore::SetTuringCellAnywhere(int index, QChar symbol) {
    if (index < 1 || index > TapeLimit) {
        return;
    }
    Modified();
    CellIn(tape_, index, kBlank) = symbol;
    // The underscore stands for the blank in commands, so writing it counts
    // as erasing for the bounds even though it is stored as it is.
    if (symbol == kBlank || symbol == u'_') {
        NarrowBounds(index);
    } else {
        WidenBounds(index);
    }
    Changed();
}

bool TapeStore::IsUsedCell(int index) {
    return kind_ == TapeKind::Post ? GetPostCell(index) : GetTuringCell(index) != kBlank;
}

void TapeStore::ReadWindowCells() {
    for (int cell = carriagePos_ - TapeWindow::CarriageCol;
         cell <= carriagePos_ + TapeWindow::CarriageCol; ++cell) {
        if (OnTape(cell)) {
            IsUsedCell(cell);
        }
    }
}

void TapeStore::WidenBounds(int index) {
    if (index > usedMax_) {
        usedMax_ = index;
    }
    if (index < usedMin_) {
        usedMin_ = index;
    }
    if (index == usedMax_ || index == usedMin_) {
        ShowUsedBounds();
    }
}

void TapeStore::NarrowBounds(int index) {
    const bool wasEmpty = IsEmpty();
    // Each walk stops on the nearest used cell, and at the latest on the
    // other bound or the tape's end, so bounds that do not match the cells
    // (from a damaged document) can neither run off the tape nor loop.
    if (index == usedMax_ && usedMin_ < usedMax_) {
        const int floor = std::max(usedMin_, FirstCell());
        while (usedMax_ > floor && !IsUsedCell(usedMax_)) {
            --usedMax_;
        }
    }
    if (index == usedMin_ && usedMin_ < usedMax_) {
        const int ceiling = std::min(usedMax_, LastCell());
        while (usedMin_ < ceiling && !IsUsedCell(usedMin_)) {
            ++usedMin_;
        }
    }
    if ((index == usedMax_ && index == usedMin_) || wasEmpty) {
        usedMin_ = TapeLimit;
        usedMax_ = EmptyUsedMax();
        ShowEmptyBounds();
    } else {
        ShowUsedBounds();
    }
}

void TapeStore::SetUsedBounds(int usedMin, int usedMax) {
    usedMin_ = usedMin;
    usedMax_ = usedMax;
    Changed();
}

void TapeStore::ShowUsedBounds() {
    if (shown_ && shown_->numbers && shown_->usedMin == usedMin_ && shown_->usedMax == usedMax_) {
        return;
    }
    if (hooks_) {
        hooks_->ShowTapeBounds(TapeBounds::Numbers);
    }
}

void TapeStore::ShowEmptyBounds() {
    if (hooks_) {
        hooks_->ShowTapeBounds(TapeBounds::Empty);
    }
}

void TapeStore::SetPostStrings(const QString& left, const QString& right, QChar zero) {
    left_ = left;
    right_ = right;
    zero_ = zero;
    Changed();
}

void TapeStore::SetTuringString(const QString& tape) {
    tape_ = tape;
}

void TapeStore::SetCarriagePos(int cell) {
    carriagePos_ = cell;
    Changed();
}

void TapeStore::Clear() {
    Modified();
    left_.clear();
    right_.clear();
    zero_ = kBlank;
    tape_.clear();
    carriagePos_ = kind_ == TapeKind::Post ? 0 : kTuringHome;
    usedMin_ = TapeLimit;
    usedMax_ = EmptyUsedMax();
    if (hooks_) {
        hooks_->ShowTapeBounds(TapeBounds::Cleared);
    }
    Changed();
}

bool TapeStore::Memorise() {
    if (IsEmpty()) {
        return false;
    }
    memorised_ = Saved();
    if (kind_ == TapeKind::Post) {
        // One letter per used cell; capitals where the carriage stands.
        QString picture;
        const int from = std::max(usedMin_, FirstCell());
        const int to = std::min(usedMax_, LastCell());
        for (int cell = from; cell <= to; ++cell) {
            const bool carriage = cell == carriagePos_;
            picture.append(GetPostCell(cell) ? (carriage ? u'V' : u'v') : (carriage ? u'O' : u'o'));
        }
        memorisedPicture_ = picture;
    } else {
        memorisedPicture_ = tape_;
    }
    return true;
}

void TapeStore::PutBack(const TapeContents& contents) {
    Modified();
    left_ = contents.left;
    right_ = contents.right;
    zero_ = contents.zero;
    tape_ = contents.tape;
    carriagePos_ = contents.carriage;
    usedMin_ = contents.usedMin;
    usedMax_ = contents.usedMax;
    if (IsEmpty()) {
        if (hooks_) {
            hooks_->ShowTapeBounds(TapeBounds::Cleared);
        }
    } else {
        ShowUsedBounds();
    }
    Changed();
}

namespace {

// Equal up to the shorter length, and only `filler` past it.
bool SamePadded(const QString& a, const QString& b, QChar filler) {
    const QString& shorter = a.size() <= b.size() ? a : b;
    const QString& longer = a.size() <= b.size() ? b : a;
    if (QStringView(longer).left(shorter.size()) != QStringView(shorter)) {
        return false;
    }
    for (qsizetype i = shorter.size(); i < longer.size(); ++i) {
        if (longer[i] != filler) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool TapeStore::SameCells(const TapeContents& a, const TapeContents& b) const {
    const QChar filler = kind_ == TapeKind::Post ? kPostFiller : kBlank;
    return a.carriage == b.carriage && a.usedMin == b.usedMin && a.usedMax == b.usedMax &&
           a.zero == b.zero && SamePadded(a.left, b.left, filler) &&
           SamePadded(a.right, b.right, filler) && SamePadded(a.tape, b.tape, filler);
}

void TapeStore::Restore() {
    if (memorised_) {
        PutBack(*memorised_);
    }
}
