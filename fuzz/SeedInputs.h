#pragma once
// The seed corpus of the fuzz targets: documents made by building machines
// through the core's own operations and storing them with the core's own
// writers, and short texts of the kinds the tables hold (commands, jump
// fields, alphabet edits). Nothing here is copied from elsewhere: each run
// makes the seeds anew, so they always match the current writers.

#include <QByteArray>
#include <QList>
#include <QString>

namespace FuzzSeeds {

struct Seed {
    QString target;  // a name from FuzzChecks::Targets()
    QString name;    // a file name within the target's folder
    QByteArray bytes;
};

QList<Seed> Seeds();

}  // namespace FuzzSeeds
