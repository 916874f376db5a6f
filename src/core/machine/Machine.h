#pragma once
// What each of the two machines keeps for itself for the whole run of the
// program: its tape, its task statement, its document record (file name),
// its modified flag and its run-active and edited-since-start flags. The
// Post and Turing machines extend it with their tables and texts. A machine
// reports tape changes to the Workbench, which shows them when this machine
// is the current one; views follow the machine through its signals.

#include <QObject>
#include <QString>

#include "core/machine/MachineKind.h"
#include "core/tape/TapeStore.h"

class Workbench;

// The document a machine is stored in: "Без имени" and no file name until a
// path is chosen by Open, Save or Save As.
struct MachineDocument {
    static QString Untitled() { return QStringLiteral("Без имени"); }

    QString fileName = Untitled();  // FileName
    bool hasFileName = false;       // HasFileName

    // The file-name part of the path (after its last "\", "/" or ":"), or
    // "Без имени".
    QString DisplayedName() const;
};

class Machine : public QObject, public TapeHooks {
    Q_OBJECT
public:
    static QString StartStatement() { return QStringLiteral("Условие задачи:"); }

    Machine(Workbench& bench, MachineKind kind);
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    MachineKind Kind() const { return kind_; }
    bool IsCurrent() const;

    TapeStore tape;
    MachineDocument document;

    bool Modified() const { return modified_; }
    bool runActive = false;         // PostRunActive / TuringRunActive
    bool editedSinceStart = false;  // PostEditedSinceStart / TuringEditedSinceStart

    // The task statement (memUsloviePst, memUslovieTur), lines separated by
    // "\n". Setting a different text marks the document modified.
    const QString& Statement() const { return statement_; }
    void SetStatement(const QString& text);

    void SetDocument(const QString& fileName, bool hasFileName);

Q_SIGNALS:
    void StatementChanged(const QString& text);
    // The document's file name changed (the window title follows).
    void DocumentNameChanged();
    // A document was read into the machine: views refresh everything.
    void DocumentLoaded();
    // The writer is about to write the machine to `path`.
    void DocumentWriting(const QString& path);

protected:
    Workbench& bench_;

private:
    friend class Workbench;
    void TapeModified() override;
    void ShowTapeBounds(const QString& minPrefix, const QString& maxPrefix,
                        bool withNumbers) override;
    void TapeChanged() override;

    MachineKind kind_;
    bool modified_ = false;
    QString statement_ = StartStatement();
};
