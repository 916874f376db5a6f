// The diagram panel in the window: shown from "Вид", it follows edits (a
// text alone lays nothing out again), highlights a run's row and the arrow
// it took, selects a clicked node's row, and exports SVG and PNG.

#include <QAction>
#include <QDockWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "core/documents/PostFile.h"
#include "core/run/RunController.h"
#include "window/diagram/DiagramCanvas.h"
#include "window/diagram/DiagramPanel.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"

class TestDiagramPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void followsEditsRunsAndClicks() {
        MainWindow form;
        form.show();
        Workbench& bench = form.Bench();
        QVERIFY(ReadPostFile(bench, QStringLiteral(ZEBRIN_EXAMPLES "/post-add.pst")));
        const int width = form.width();
        form.Bars().Menu().viewDiagramAction->trigger();
        QVERIFY(form.DiagramDock()->isVisible());
        QVERIFY(form.width() > width);  // the table keeps its room
        DiagramPanel& panel = *form.Diagram();
        DiagramCanvas& canvas = *panel.Canvas();
        panel.RebuildNow();
        QCOMPARE(int(canvas.Diagram().nodes.size()), 5);
        const int layouts = panel.LayoutCount();

        PostTable& table = bench.Post().table;
        table.SetCell(PostTable::ColComment, 2, QStringLiteral("другой комментарий"));
        panel.RebuildNow();
        QCOMPARE(panel.LayoutCount(), layouts);
        table.SetCell(PostTable::ColJump, 4, QStringLiteral("1"));
        panel.RebuildNow();
        QCOMPARE(panel.LayoutCount(), layouts + 1);
        table.SetCell(PostTable::ColJump, 4, QStringLiteral("5"));
        panel.RebuildNow();

        // Two ticks: row 1 announced, then executed, row 2 next.
        RunController& run = bench.RunControl();
        run.Step();
        run.Tick(bench.Post());
        run.Step();
        run.Tick(bench.Post());
        QCOMPARE(run.Position(bench.Post()).at, 2);
        QCOMPARE(canvas.HighlightedNode(), canvas.Diagram().NodeOfRow(2));
        const int taken = canvas.HighlightedEdge();
        QVERIFY(taken >= 0);
        QCOMPARE(canvas.Diagram().edges[std::size_t(taken)].from, canvas.Diagram().NodeOfRow(1));
        run.Break();
        QCOMPARE(canvas.HighlightedNode(), -1);

        const DiagramLayout::NodeBox& box = canvas.Geometry().nodes[3];
        const QPointF at = (box.centre - canvas.Geometry().bounds.topLeft() +
                            QPointF(DiagramCanvas::kMargin, DiagramCanvas::kMargin)) *
                           canvas.Scale();
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(table.Row(), canvas.Diagram().nodes[3].tableRow);
    }

    void exportsSvgAndPng() {
        MainWindow form;
        QVERIFY(ReadPostFile(form.Bench(), QStringLiteral(ZEBRIN_EXAMPLES "/post-add.pst")));
        QTemporaryDir dir;
        const QString svg = dir.filePath(QStringLiteral("a.svg"));
        QCOMPARE(form.Diagram()->Export(svg), QString());
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList ids;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                ids << xml.attributes().value(QStringLiteral("id")).toString();
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(ids.contains(QStringLiteral("node-1")));
        QVERIFY(ids.contains(QStringLiteral("node-5")));
        const QString png = dir.filePath(QStringLiteral("a.png"));
        QCOMPARE(form.Diagram()->Export(png), QString());
        QVERIFY(!QImage(png).isNull());
        QVERIFY(!form.Diagram()->Export(dir.path()).isEmpty());  // not a regular file
    }
};

QTEST_MAIN(TestDiagramPanel)
#include "test_diagram_panel.moc"
