// zebrin-fuzz-seeds DIR: writes the seed corpus (SeedInputs.h) into
// DIR/<target>/, one file per seed, replacing files of the same name.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "SeedInputs.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: zebrin-fuzz-seeds DIR\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    int written = 0;
    for (const FuzzSeeds::Seed& seed : FuzzSeeds::Seeds()) {
        if (seed.bytes.isEmpty() && seed.target.endsWith(QStringLiteral("_file"))) {
            std::fprintf(stderr, "the writer failed for %s\n", qUtf8Printable(seed.name));
            return 1;
        }
        QFile file(root.filePath(seed.target + u'/' + seed.name));
        if (!root.mkpath(seed.target) || !file.open(QIODevice::WriteOnly) ||
            file.write(seed.bytes) != seed.bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qUtf8Printable(file.fileName()));
            return 1;
        }
        ++written;
    }
    std::printf("%d seeds in %s\n", written, qUtf8Printable(root.path()));
    return 0;
}
