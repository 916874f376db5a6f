#pragma once
// The cases of a cases file, held compactly, so that the largest file the
// limits allow (millions of cases) costs a few dozen bytes a case: the
// file's text once, and for each case its line, where its input and its
// expected tape lie in that text, and which of the file's few settings
// (--start, --carriage, --weight) it runs with. A case is made whole
// (RunCase) only when it is asked for, and a list passed on is shared, not
// copied.

#include <QList>
#include <QString>
#include <QVector>
#include <initializer_list>
#include <iterator>
#include <optional>

struct RunCase {
    int line = 0;  // 1-based line number in the file
    QString input;
    QString expected;
    std::optional<int> start;
    std::optional<int> carriage;
    int weight = 1;
};

class CaseList {
public:
    CaseList() = default;
    // A list of cases made one by one (a check's own inputs, tests).
    CaseList(std::initializer_list<RunCase> cases);
    CaseList(const QVector<RunCase>& cases);  // NOLINT(google-explicit-constructor)
    // An empty list whose cases lie in `text` (AppendFromText).
    explicit CaseList(QString text);

    qsizetype size() const { return entries_.size(); }
    bool isEmpty() const { return entries_.isEmpty(); }
    RunCase operator[](qsizetype index) const;
    int Line(qsizetype index) const { return entries_[index].line; }
    QStringView Input(qsizetype index) const;
    QStringView Expected(qsizetype index) const;

    void append(const RunCase& runCase);
    // A case whose input and expected tape lie in the text the list was
    // made over, at [from, from + length).
    struct Span {
        qsizetype from = 0;
        qsizetype length = 0;
    };
    void AppendFromText(int line, Span input, Span expected, std::optional<int> start,
                        std::optional<int> carriage, int weight);

    bool HasLine(int line) const;
    // The cases on `lines` alone, in the list's order.
    CaseList OnLines(const QList<int>& lines) const;
    // Every case that sets no start (no carriage) of its own takes `start`
    // (`carriage`).
    void FillIn(std::optional<int> start, std::optional<int> carriage);

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = RunCase;
        using difference_type = qsizetype;
        using pointer = const RunCase*;
        using reference = RunCase;

        const_iterator(const CaseList* list, qsizetype index) : list_(list), index_(index) {}
        RunCase operator*() const { return (*list_)[index_]; }
        const_iterator& operator++() {
            ++index_;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }
        bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

    private:
        const CaseList* list_;
        qsizetype index_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    struct Settings {
        std::optional<int> start;
        std::optional<int> carriage;
        int weight = 1;
        bool operator==(const Settings& other) const {
            return start == other.start && carriage == other.carriage && weight == other.weight;
        }
    };
    struct Entry {
        // A cases file is at most a few million characters: 32 bits hold
        // every place in it.
        qint32 line = 0;
        qint32 settings = 0;
        qint32 inputFrom = 0;
        qint32 inputLength = 0;
        qint32 expectedFrom = 0;
        qint32 expectedLength = 0;
    };
    qint32 SettingsIndex(const Settings& settings);

    QString text_;
    QVector<Entry> entries_;
    // Cases run in long stretches under the same options: a new setting is
    // kept only where the options change.
    QVector<Settings> settings_;
};
