#pragma once
// The save dialog of "Экспорт диаграммы...": both formats the picture is
// written in, SVG and PNG, as two file types. A name typed without a
// suffix gets the chosen type's (as the dialog adds it, so the question
// about replacing a file asks about the file written); a name ending in
// ".svg" or ".png" is written in that format, any other in the chosen one.

#include "core/text/Language.h"
#include "window/diagram/DiagramPanel.h"
#include "window/dialogs/DocumentFileDialog.h"

class DiagramExportDialog : public DocumentFileDialog {
    Q_OBJECT
public:
    static QString SvgFilter() { return Tr("DiagramExportDialog", "Рисунок SVG (*.svg)"); }
    static QString PngFilter() { return Tr("DiagramExportDialog", "Рисунок PNG (*.png)"); }

    explicit DiagramExportDialog(QWidget* parent);

    // The format of the file type chosen, for a name that does not name
    // one (DiagramPanel::Export).
    DiagramPanel::Format ChosenFormat() const;

    void accept() override;
};
