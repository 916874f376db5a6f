#include "window/diagram/DiagramExportDialog.h"
#include "core/text/Language.h"

DiagramExportDialog::DiagramExportDialog(QWidget* parent)
    : DocumentFileDialog(parent,
                         {Tr("DiagramExportDialog", "Экспорт диаграммы"),
                          Tr("DiagramExportDialog", "Рисунок SVG|*.svg"), QStringLiteral("svg"),
                          QStringLiteral("*.svg")},
                         AcceptSave) {
    setNameFilters({SvgFilter(), PngFilter()});
    selectNameFilter(SvgFilter());
}

DiagramPanel::Format DiagramExportDialog::ChosenFormat() const {
    return selectedNameFilter() == PngFilter() ? DiagramPanel::Format::Png
                                               : DiagramPanel::Format::Svg;
}

void DiagramExportDialog::accept() {
    // The type may have been changed since the dialog opened; the suffix
    // added to a bare name follows it.
    setDefaultSuffix(ChosenFormat() == DiagramPanel::Format::Png ? QStringLiteral("png")
                                                                 : QStringLiteral("svg"));
    DocumentFileDialog::accept();
}
