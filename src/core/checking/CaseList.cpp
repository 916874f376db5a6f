#include "core/checking/CaseList.h"

#include <algorithm>

CaseList::CaseList(std::initializer_list<RunCase> cases) {
    for (const RunCase& runCase : cases) {
        append(runCase);
    }
}

CaseList::CaseList(const QVector<RunCase>& cases) {
    for (const RunCase& runCase : cases) {
        append(runCase);
    }
}

CaseList::CaseList(QString text) : text_(std::move(text)) {}

RunCase CaseList::operator[](qsizetype index) const {
    const Entry& entry = entries_[index];
    const Settings& settings = settings_[entry.settings];
    RunCase runCase;
    runCase.line = entry.line;
    runCase.input = Input(index).toString();
    runCase.expected = Expected(index).toString();
    runCase.start = settings.start;
    runCase.carriage = settings.carriage;
    runCase.weight = settings.weight;
    return runCase;
}

QStringView CaseList::Input(qsizetype index) const {
    const Entry& entry = entries_[index];
    return QStringView(text_).sliced(entry.inputFrom, entry.inputLength);
}

QStringView CaseList::Expected(qsizetype index) const {
    const Entry& entry = entries_[index];
    return QStringView(text_).sliced(entry.expectedFrom, entry.expectedLength);
}

qint32 CaseList::SettingsIndex(const Settings& settings) {
    if (settings_.isEmpty() || !(settings_.back() == settings)) {
        settings_.append(settings);
    }
    return qint32(settings_.size() - 1);
}

void CaseList::append(const RunCase& runCase) {
    Entry entry;
    entry.line = runCase.line;
    entry.settings = SettingsIndex({runCase.start, runCase.carriage, runCase.weight});
    entry.inputFrom = qint32(text_.size());
    entry.inputLength = qint32(runCase.input.size());
    text_ += runCase.input;
    entry.expectedFrom = qint32(text_.size());
    entry.expectedLength = qint32(runCase.expected.size());
    text_ += runCase.expected;
    entries_.append(entry);
}

void CaseList::AppendFromText(int line, Span input, Span expected, std::optional<int> start,
                              std::optional<int> carriage, int weight) {
    Entry entry;
    entry.line = line;
    entry.settings = SettingsIndex({start, carriage, weight});
    entry.inputFrom = qint32(input.from);
    entry.inputLength = qint32(input.length);
    entry.expectedFrom = qint32(expected.from);
    entry.expectedLength = qint32(expected.length);
    entries_.append(entry);
}

bool CaseList::HasLine(int line) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [line](const Entry& entry) { return entry.line == line; });
}

CaseList CaseList::OnLines(const QList<int>& lines) const {
    CaseList chosen;
    chosen.text_ = text_;
    chosen.settings_ = settings_;
    for (const Entry& entry : entries_) {
        if (lines.contains(entry.line)) {
            chosen.entries_.append(entry);
        }
    }
    return chosen;
}

void CaseList::FillIn(std::optional<int> start, std::optional<int> carriage) {
    for (Settings& settings : settings_) {
        if (!settings.start) {
            settings.start = start;
        }
        if (!settings.carriage) {
            settings.carriage = carriage;
        }
    }
}
