#pragma once
// One machine's information tape: its cells, the carriage position, the used
// bounds shown in the status line, and the memorised copy. The Post tape runs
// from cell -999 to 999 and stores marks as '1' (anything else reads as
// unmarked); the Turing tape runs from 1 to 999 and stores symbols, the
// blank being ' '. Cells live in strings that grow by padding whenever a cell
// beyond their end is read or written; they never shrink except by Clear,
// Restore or loading, and documents store them with their padding.
//
// The used bounds are kept step by step by the two write operations and are
// never recomputed by scanning. An empty tape is the pair UsedMin = 999 with
// UsedMax = -999 (Post) or 0 (Turing). The store reaches outward only through
// TapeHooks: marking the document modified and writing the status line's
// bound panels ("min:" and "max:").

#include <QString>
#include <initializer_list>
#include <optional>

enum class TapeKind { Post, Turing };

// How the bound panels show a tape's bounds: with the numbers, bare
// after the last used cell was erased ("min: "), or bare after the tape was
// cleared ("min:").
enum class TapeBounds { Numbers, Empty, Cleared };

class TapeHooks {
public:
    virtual ~TapeHooks() = default;
    virtual void TapeModified() = 0;
    // The bound panels are to show the bounds in the given form.
    virtual void ShowTapeBounds(TapeBounds form) = 0;
    // Any cell, the carriage or the bounds changed: views redraw.
    virtual void TapeChanged() = 0;
};

// What the bound panels show: the bounds as numbers, or a text.
struct ShownBounds {
    bool numbers = false;
    int usedMin = 0;
    int usedMax = 0;
};

// The cells, the carriage and the used bounds at one moment: the memorised
// copy, and what an edit to be taken back saved (the memorised copy is not
// part of it). Strings are shared with the tape until it is written.
struct TapeContents {
    QString left;
    QString right;
    QChar zero = u' ';
    QString tape;
    int carriage = 0;
    int usedMin = 0;
    int usedMax = 0;
};

class TapeStore {
public:
    static constexpr int TapeLimit = 999;

    explicit TapeStore(TapeKind kind, TapeHooks* hooks = nullptr);

    // What a document may bring for a tape of `kind`: a carriage on the
    // tape, bounds that are the empty pair or an ordered pair of cells on
    // the tape, and cell strings no longer than the tape.
    static bool StoredTapeValid(TapeKind kind, qint64 carriage, qint64 usedMin, qint64 usedMax,
                                std::initializer_list<qsizetype> stringLengths);

    TapeKind Kind() const { return kind_; }
    int FirstCell() const { return kind_ == TapeKind::Post ? -TapeLimit : 1; }
    int LastCell() const { return TapeLimit; }
    bool OnTape(int cell) const { return cell >= FirstCell() && cell <= LastCell(); }
    int EmptyUsedMax() const { return kind_ == TapeKind::Post ? -TapeLimit : 0; }
    bool IsEmpty() const { return usedMin_ == TapeLimit && usedMax_ == EmptyUsedMax(); }

    // A cell as stored, read without padding the strings (cells past them
    // are unmarked or blank): for views and histories, whose reading must
    // not change what a document saved after them stores.
    bool PeekPostCell(int index) const {
        if (index == 0) {
            return zero_ == u'1';
        }
        const QString& cells = index > 0 ? right_ : left_;
        const qsizetype k = index > 0 ? index : -qsizetype(index);
        return k <= cells.size() && cells.constData()[k - 1] == u'1';
    }
    QChar PeekTuringCell(int index) const {
        return index >= 1 && index <= tape_.size() ? tape_.constData()[index - 1] : QChar(u' ');
    }

    // Cell access; reading pads the strings just as writing does.
    bool GetPostCell(int index) {
        // The cells already stored are read without touching the strings.
        if (index > 0 && index <= right_.size()) {
            return right_.constData()[index - 1] == u'1';
        }
        if (index < 0 && -index <= left_.size()) {
            return left_.constData()[-index - 1] == u'1';
        }
        return GetPostCellPadding(index);
    }
    void SetPostCell(int index, bool mark);
    QChar GetTuringCell(int index) {
        if (index > 0 && index <= tape_.size()) {
            return tape_.constData()[index - 1];
        }
        return GetTuringCellPadding(index);
    }
    void SetTuringCell(int index, QChar symbol) {
        // A symbol written over a stored cell within the used bounds keeps
        // them; only a write on a bound shows them again.
        if (index >= usedMin_ && index <= usedMax_ && index >= 1 && index <= tape_.size() &&
            symbol != u' ' && symbol != u'_') {
            Modified();
            tape_.data()[index - 1] = symbol;
            if (index == usedMin_ || index == usedMax_) {
                ShowUsedBounds();
            }
            Changed();
            return;
        }
        SetTuringCellAnywhere(index, symbol);
    }
    // Marked (Post) or not blank (Turing).
    bool IsUsedCell(int index);
    // Reads the cells the tape window shows around the carriage, padding the
    // strings as drawing the window does. Loading and saving a document do
    // the same, so a document reads and writes back byte for byte.
    void ReadWindowCells();

    int CarriagePos() const { return carriagePos_; }
    void SetCarriagePos(int cell);
    // Moves the carriage one cell (delta -1 or +1), marking the document
    // modified, as both a run and the scroll buttons do. Returns false, and
    // leaves the carriage, when the cell is off the tape.
    bool MoveCarriageBy(int delta) {
        const int target = carriagePos_ + delta;
        if (!OnTape(target)) {
            return false;
        }
        carriagePos_ = target;
        Modified();
        Changed();
        return true;
    }
    int UsedMin() const { return usedMin_; }
    int UsedMax() const { return usedMax_; }
    // Bounds as a document or a restored copy brings them.
    void SetUsedBounds(int usedMin, int usedMax);

    // The bound panels: "min: " and "max: " followed by the bounds.
    void ShowUsedBounds();

    // A run writes millions of cells: the store tells its hooks that the
    // document was modified only while the document is not already marked
    // (its machine says when the mark goes), and that a cell changed only
    // while somebody shows the tape.
    void SetDocumentMarked(bool on) { documentMarked_ = on; }
    void SetNotifyChanges(bool on) { notifyChanges_ = on; }
    // What the bound panels show while this tape is the one shown (nullptr
    // otherwise): bounds that a write keeps and the panels show already are
    // not shown again.
    void SetShownBounds(const ShownBounds* shown) { shown_ = shown; }

    // The raw strings, for the file formats.
    const QString& LeftString() const { return left_; }
    const QString& RightString() const { return right_; }
    QChar ZeroCell() const { return zero_; }
    const QString& TuringString() const { return tape_; }
    void SetPostStrings(const QString& left, const QString& right, QChar zero);
    void SetTuringString(const QString& tape);

    // Empties the cells and puts the carriage home (Post 0, Turing 14); the
    // panels read "min:" and "max:". Marks the document modified. The
    // memorised copy is kept.
    void Clear();

    // Copies a non-empty tape into the memorised copy and returns true; an
    // empty tape leaves an earlier copy and returns false. Not a modification.
    bool Memorise();
    // Brings the memorised copy back (when present) and shows its bounds.
    void Restore();
    bool HasMemorised() const { return memorised_.has_value(); }
    // The memorised copy as the restore command's hint shows it: the Post
    // tape's used cells as letters ("v" marked, "o" unmarked, capitals under
    // the carriage), the Turing tape's cells as stored.
    const QString& MemorisedPicture() const { return memorisedPicture_; }

    TapeContents Saved() const {
        return {left_, right_, zero_, tape_, carriagePos_, usedMin_, usedMax_};
    }
    // Puts the cells, carriage and bounds back as they were saved, shows the
    // bounds, and marks the document modified.
    void PutBack(const TapeContents& contents);
    // Whether two saved tapes hold the same cells, carriage and bounds: the
    // blanks a string was padded with by reading do not count.
    bool SameCells(const TapeContents& a, const TapeContents& b) const;

private:
    bool GetPostCellPadding(int index);
    QChar GetTuringCellPadding(int index);
    void SetTuringCellAnywhere(int index, QChar symbol);
    void Modified() {
        if (!documentMarked_ && hooks_) {
            documentMarked_ = true;
            hooks_->TapeModified();
        }
    }
    void Changed() {
        if (notifyChanges_ && hooks_) {
            hooks_->TapeChanged();
        }
    }

    void WidenBounds(int index);
    void NarrowBounds(int index);
    void ShowEmptyBounds();
    static QChar& CellIn(QString& cells, int k, QChar filler);

    TapeKind kind_;
    TapeHooks* hooks_;
    QString left_;
    QString right_;
    QChar zero_ = u' ';
    QString tape_;
    int carriagePos_;
    int usedMin_;
    int usedMax_;
    std::optional<TapeContents> memorised_;
    QString memorisedPicture_;
    bool documentMarked_ = false;
    bool notifyChanges_ = false;
    const ShownBounds* shown_ = nullptr;
};
