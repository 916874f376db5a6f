// zebrin42-examples: writes every example document and its cases file into
// a folder. Run by the "examples" target to refresh examples/ in the source
// tree, and by a test that compares a fresh run with the committed files.
//
// Usage: zebrin42-examples OUTDIR
// Exit status 0 when every example was written, 1 otherwise.

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "ExampleSource.h"
#include "ExampleWriter.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zebrin42-examples OUTDIR\n");
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zebrin42-examples: cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    auto report = [&failures](const QString& name, const QString& error) {
        if (!error.isEmpty()) {
            std::fprintf(stderr, "zebrin42-examples: %s: %s\n", qPrintable(name),
                         qPrintable(error));
            ++failures;
        }
    };
    for (const PostExample& example : PostExamples()) {
        report(example.name, WritePostExample(example, folder));
    }
    for (const TuringExample& example : TuringExamples()) {
        report(example.name, WriteTuringExample(example, folder));
    }
    return failures == 0 ? 0 : 1;
}
