#pragma once
// The command line of zebrin42-run: the documents, the settings every run
// shares, and how to run and report them. File names are kept byte for
// byte, whatever their encoding, and an argument that looks like an option
// but names an existing file ("-v.pst") is a document.

#include <QString>
#include <QStringList>
#include <QVector>
#include <cstdio>
#include <optional>

#include "runner/BatchRun.h"

struct RunnerOptions {
    QStringList files;
    RunSpec base;
    std::optional<QString> casesFile;
    QVector<int> caseLines;  // --case: only the cases on these lines
    int threads = 1;
    bool json = false;
    bool similar = false;
    bool growth = false;  // --growth: how each document's steps grow over the cases
    QString reportFile;   // --report: the CSV or XLSX table, when not empty
    QString diagramFile;  // --diagram: the picture, when not empty; nothing is run
    QString historyFile;  // --history: the picture of the run, when not empty
    QString pdfFile;      // --pdf: the class's pages, when not empty

    // Whether the command line asks for --pdf, which needs Qt Gui's
    // application: looked at before any application is made.
    static bool WantsPdf(int argc, char** argv);
};

// Reads the command line into `options`. Returns an exit status when the
// program is to end at once (help printed, or a usage error reported).
std::optional<int> ReadOptions(int argc, char** argv, RunnerOptions& options);

// A line of text on `stream`, in UTF-8.
void Print(FILE* stream, const QString& text);
// Reports a usage error on stderr; returns the exit status 2.
int Usage(const QString& message);
