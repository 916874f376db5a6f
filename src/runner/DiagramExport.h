#pragma once
// zebrin42-run --diagram FILE.svg DOCUMENT: reads the document as a run
// would, builds its program's picture and writes it as SVG rendered by
// Graphviz, without running anything. On the core and the Graphviz adapter
// only.

#include <QString>

struct DiagramExport {
    int exitStatus = 2;  // 0 written; 2 unreadable, not drawable or not written
    QString report;      // for standard output, when written
    QString error;       // for standard error, when not
};

DiagramExport ExportDiagram(const QString& document, const QString& target);
