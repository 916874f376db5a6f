#include "core/machine/Machine.h"

#include <algorithm>

#include "core/machine/StatusLine.h"
#include "core/text/Language.h"

Machine::Machine(MachineHost& host, MachineKind kind)
    : tape(PerMachine<TapeKind>{TapeKind::Post, TapeKind::Turing}[kind], this),
      host_(host),
      kind_(kind),
      stepPrefix_(PerMachine<QString>{Tr("Machine", "Шаг:  "), Tr("Machine", "Шаг:   ")}[kind]),
      status_(host.Status()) {}

void Machine::SetCurrent(bool on) {
    current_ = on;
    tape.SetShownBounds(on ? &status_.BoundsShown() : nullptr);
}

void Machine::SetModified(bool on) {
    const bool changed = on != modified_;
    modified_ = on;
    tape.SetDocumentMarked(on);
    if (IsCurrent()) {
        status_.SetModified(on);
    }
    if (changed) {
        Q_EMIT ModifiedChanged(on);
    }
}

void Machine::NoteEdit() {
    SetModified(true);
    host_.MachineEdited(*this);
}

void Machine::TapeModified() {
    SetModified(true);
}

void Machine::ShowTapeBounds(TapeBounds form) {
    if (!IsCurrent()) {
        return;
    }
    StatusLine::Bounds bounds = StatusLine::Bounds::Numbers;
    if (form == TapeBounds::Cleared) {
        bounds = StatusLine::Bounds::Cleared;
    } else if (form == TapeBounds::Empty) {
        bounds = StatusLine::Bounds::Empty;
    }
    status_.SetBounds(bounds, tape.UsedMin(), tape.UsedMax());
}

void Machine::TapeChanged() {
    host_.MachineTapeChanged(*this);
}

QString MachineDocument::DisplayedName() const {
    if (!hasFileName && fileName == Untitled()) {
        return fileName;
    }
    const qsizetype cut = std::max(
        {fileName.lastIndexOf(u'\\'), fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u':')});
    return fileName.mid(cut + 1);
}

void Machine::SetStatement(const QString& text) {
    if (text == statement_) {
        return;
    }
    SetModified(true);
    statement_ = text;
    Q_EMIT StatementChanged(statement_);
}

void Machine::SetDocument(const QString& fileName, bool hasFileName) {
    document.fileName = fileName;
    document.hasFileName = hasFileName;
    Q_EMIT DocumentNameChanged();
}

MachineContents Machine::Saved() {
    MachineContents contents;
    contents.statement = statement_;
    contents.tape = tape.Saved();
    contents.table = ProgramTable().Saved();
    return contents;
}

void Machine::PutBack(const MachineContents& contents) {
    NoteEdit();
    SetStatement(contents.statement);
    if (!tape.SameCells(tape.Saved(), contents.tape)) {
        tape.PutBack(contents.tape);
    }
    TextTable& table = ProgramTable();
    if (table.Saved() != contents.table) {
        table.PutBack(contents.table);
    }
}
