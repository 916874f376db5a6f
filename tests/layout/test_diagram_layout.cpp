// The Graphviz adapter: every node and arrow of a picture gets a place
// inside the picture, arrows run from their node to their node, texts reach
// the SVG unchanged whatever they hold, the SVG reads back as XML with the
// node names, and what cannot be drawn is refused with a reason.

#include <QRandomGenerator>
#include <QXmlStreamReader>
#include <QtTest>

#include "layout/DiagramLayout.h"

namespace {

// Nodes "K:id" (K one of S, R, T, E: state, row, stop, error) separated by
// blanks; arrows "from>to=line/line" separated by ";" (no "=" for none).
ProgramDiagram Diagram(MachineKind machine, const QString& nodes, const QString& edges,
                       int problems = 0) {
    ProgramDiagram diagram;
    diagram.machine = machine;
    for (const QString& spec : nodes.split(u' ', Qt::SkipEmptyParts)) {
        DiagramNode node;
        node.kind = DiagramNode::Kind(QStringLiteral("SRTE").indexOf(spec[0]));
        node.id = spec.mid(2);
        node.lines = QStringList{node.id + QStringLiteral(": узел")};
        diagram.nodes.push_back(node);
    }
    const auto index = [&diagram](const QString& id) {
        for (std::size_t i = 0; i < diagram.nodes.size(); ++i) {
            if (diagram.nodes[i].id == id) {
                return int(i);
            }
        }
        return -1;
    };
    for (const QString& spec : edges.split(u';', Qt::SkipEmptyParts)) {
        const QString ends = spec.section(u'=', 0, 0);
        DiagramEdge edge{index(ends.section(u'>', 0, 0)), index(ends.section(u'>', 1)), {}, {}};
        if (spec.contains(u'=')) {
            edge.lines = spec.section(u'=', 1).split(u'/');
        }
        diagram.edges.push_back(edge);
    }
    for (int i = 0; i < problems; ++i) {
        diagram.problems.push_back({{}, QStringLiteral("Q%1, a: «a>99» — ошибка").arg(i)});
    }
    return diagram;
}

// `states` states, each with arrows to the next and to `extra` random
// others, and `lonely` states without any arrow.
ProgramDiagram Crowd(int states, int extra, int lonely) {
    ProgramDiagram diagram;
    diagram.machine = MachineKind::Turing;
    QRandomGenerator random(7);
    for (int i = 0; i < states + lonely; ++i) {
        diagram.nodes.push_back({QStringLiteral("Q%1").arg(i),
                                 DiagramNode::Kind::State,
                                 {QStringLiteral("Q%1").arg(i)},
                                 i + 1,
                                 -1});
    }
    for (int i = 0; i < states; ++i) {
        diagram.edges.push_back({i, (i + 1) % states, {QStringLiteral("a → b, >")}, {}});
        for (int k = 0; k < extra; ++k) {
            diagram.edges.push_back({i, int(random.bounded(states)), {}, {}});
        }
    }
    return diagram;
}

QRectF Box(const DiagramLayout::NodeBox& node, qreal slack) {
    return QRectF(node.centre - QPointF(node.size.width() / 2, node.size.height() / 2), node.size)
        .adjusted(-slack, -slack, slack, slack);
}

// Points along every Bézier piece of an arrow, its arrowheads included.
std::vector<QPointF> Trace(const DiagramLayout::EdgePath& path) {
    std::vector<QPointF> points;
    for (const DiagramLayout::EdgeCurve& curve : path.curves) {
        for (std::size_t p = 0; p + 3 < curve.points.size(); p += 3) {
            const QPointF* c = &curve.points[p];
            for (int k = 0; k <= 32; ++k) {
                const qreal t = k / 32.0;
                const qreal u = 1 - t;
                points.push_back(u * u * u * c[0] + 3 * u * u * t * c[1] + 3 * u * t * t * c[2] +
                                 t * t * t * c[3]);
            }
        }
        for (const std::optional<QPointF>& tip : {curve.startArrow, curve.endArrow}) {
            if (tip) {
                points.push_back(*tip);
            }
        }
    }
    return points;
}

}  // namespace

class TestDiagramLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutPlacesEverything_data();
    void layoutPlacesEverything();
    void svgKeepsNamesAndTexts_data();
    void svgKeepsNamesAndTexts();
    void refusesWhatItCannotDraw_data();
    void refusesWhatItCannotDraw();
    void labelsKeepClearOfArrows_data();
    void labelsKeepClearOfArrows();
};

void TestDiagramLayout::layoutPlacesEverything_data() {
    QTest::addColumn<ProgramDiagram>("diagram");
    QTest::newRow("empty program") << Diagram(MachineKind::Post, "", "");
    QTest::newRow("Post rows, stop and errors, problems listed") << Diagram(
        MachineKind::Post, "E:0 R:1 R:2 T:3 E:7", "1>2;2>0=нет метки;2>1=есть метка;1>7;2>3", 25);
    QTest::newRow("Turing states, loops, merged labels, stop")
        << Diagram(MachineKind::Turing, "S:Q0 S:Q1 S:Q2 T:stop",
                   "Q0>Q0=0 → 0, >/1 → 1, >;Q0>Q1=_ → _, <;Q1>stop=0 → 1, !/_ → 1, !;"
                   "Q1>Q1=1 → 0, <",
                   25);
    QTest::newRow("a hundred states, cut-short dot") << Crowd(100, 1, 0);
    QTest::newRow("hundreds of states and lonely ones, sfdp") << Crowd(300, 2, 300);
}

// Each node lies inside the picture, and each arrow starts at its own node
// and ends (arrowhead included) at the node it points to.
void TestDiagramLayout::layoutPlacesEverything() {
    QFETCH(ProgramDiagram, diagram);
    const DiagramLayout::Geometry geometry = DiagramLayout::Layout(diagram);
    QVERIFY2(geometry.Ok(), qPrintable(geometry.error));
    QCOMPARE(geometry.nodes.size(), diagram.nodes.size());
    QCOMPARE(geometry.edges.size(), diagram.edges.size());
    const QRectF bounds = geometry.bounds.adjusted(-1, -1, 1, 1);
    for (const DiagramLayout::NodeBox& node : geometry.nodes) {
        QVERIFY(bounds.contains(Box(node, 0)));
    }
    for (std::size_t i = 0; i < diagram.edges.size(); ++i) {
        const DiagramLayout::EdgePath& path = geometry.edges[i];
        QVERIFY(!path.curves.empty());
        const DiagramLayout::EdgeCurve& first = path.curves.front();
        const DiagramLayout::EdgeCurve& last = path.curves.back();
        QVERIFY(first.points.size() >= 4 && (first.points.size() - 1) % 3 == 0);
        const QPointF tip = last.endArrow.value_or(last.points.back());
        QVERIFY(Box(geometry.nodes[std::size_t(diagram.edges[i].from)], 3)
                    .contains(first.points.front()));
        QVERIFY(Box(geometry.nodes[std::size_t(diagram.edges[i].to)], 3).contains(tip));
        QCOMPARE(path.labelSize.isEmpty(), diagram.edges[i].lines.isEmpty());
    }
    QCOMPARE(geometry.noteLines, DiagramLayout::NoteLines(diagram));
    if (!diagram.problems.empty()) {
        // The same heading for both machines' commands left out.
        QCOMPARE(geometry.noteLines.front(),
                 QStringLiteral("Без стрелок (запуск на них остановится с ошибкой):"));
        QCOMPARE(geometry.noteLines.size(), DiagramLayout::kMaxNoteLines + 2);
        QVERIFY(geometry.noteLines.back().contains(QStringLiteral("ещё 5")));
        QVERIFY(bounds.contains(geometry.noteCentre));
        QVERIFY(!geometry.noteSize.isEmpty());
    }
}

void TestDiagramLayout::svgKeepsNamesAndTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("entities and markup") << "&foo; &amp; &#38; <b>x</b>"
                                         << "&foo; &amp; &#38; <b>x</b>";
    QTest::newRow("Graphviz escapes") << "\\N \\G \\E \\n \\l \\"
                                      << "\\N \\G \\E \\n \\l \\";
    QTest::newRow("quotes") << "\"a\" 'b' ]]> --"
                            << "\"a\" 'b' ]]> --";
    QTest::newRow("beyond Latin") << "Ё ж → ↕ ✓ 😀"
                                  << "Ё ж → ↕ ✓ 😀";
    QTest::newRow("control characters") << QStringLiteral(
                                               "a\x01"
                                               "b\tc")
                                        << "a\uFFFDb\uFFFDc";
}

// The texts are what the user wrote, whatever Graphviz would read in them;
// every node carries its name as its title and in its element id.
void TestDiagramLayout::svgKeepsNamesAndTexts() {
    QFETCH(QString, text);
    QFETCH(QString, shown);
    ProgramDiagram diagram = Diagram(MachineKind::Turing, "S:Q0 S:Q1 T:stop", "Q0>Q1;Q1>stop");
    diagram.nodes[1].lines = QStringList{text};
    diagram.edges[0].lines = QStringList{text, QStringLiteral("второй")};
    diagram.problems.push_back({{}, text});
    const DiagramLayout::Svg svg = DiagramLayout::RenderSvg(diagram);
    QVERIFY2(svg.error.isEmpty(), qPrintable(svg.error));

    QXmlStreamReader xml(svg.bytes);
    QStringList titles;
    QStringList ids;
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == u"g") {
            ids.append(xml.attributes().value(QStringLiteral("id")).toString());
        } else if (xml.name() == u"title") {
            titles.append(xml.readElementText());
        } else if (xml.name() == u"text") {
            texts.append(xml.readElementText());
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    for (const char* name : {"Q0", "Q1", "stop", "Q0->Q1", "Q1->stop"}) {
        QVERIFY2(titles.contains(QLatin1String(name)), qPrintable(titles.join(u' ')));
    }
    for (const char* id : {"node-Q0", "node-Q1", "node-stop", "edge-Q0-Q1"}) {
        QVERIFY2(ids.contains(QLatin1String(id)), qPrintable(ids.join(u' ')));
    }
    // The node, the arrow's first line and the problem under the picture.
    QCOMPARE(texts.count(shown), 3);
    QVERIFY(texts.contains(QStringLiteral("второй")));
}

void TestDiagramLayout::refusesWhatItCannotDraw_data() {
    QTest::addColumn<ProgramDiagram>("diagram");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("russian");  // the window's words for it
    QTest::newRow("too many nodes") << Crowd(0, 0, DiagramLayout::kMaxNodes + 1) << "too large"
                                    << "слишком велика: вершин 2001";
    QTest::newRow("too many arrows") << Crowd(DiagramLayout::kMaxEdges / 4 + 1, 3, 0) << "too large"
                                     << "слишком велика";
    QTest::newRow("two nodes of one name")
        << Diagram(MachineKind::Post, "R:1 R:2 R:1", "1>2") << "two nodes"
        << "две вершины";
    QTest::newRow("an arrow to no node")
        << Diagram(MachineKind::Post, "R:1", "1>1;1>9") << "does not exist"
        << "которой нет";
}

void TestDiagramLayout::refusesWhatItCannotDraw() {
    QFETCH(ProgramDiagram, diagram);
    QFETCH(QString, error);
    QFETCH(QString, russian);
    const DiagramLayout::Geometry geometry = DiagramLayout::Layout(diagram);
    QVERIFY2(geometry.error.contains(error), qPrintable(geometry.error));
    // The window's words hold no English.
    const QString words = geometry.failure.Russian();
    QVERIFY2(
        words.contains(russian) && !words.contains(QRegularExpression(QStringLiteral("[a-z]{3}"))),
        qPrintable(words));
    QVERIFY(geometry.nodes.empty());
    const DiagramLayout::Svg svg = DiagramLayout::RenderSvg(diagram);
    QVERIFY2(svg.error.contains(error), qPrintable(svg.error));
    QVERIFY(svg.bytes.isEmpty());
}

void TestDiagramLayout::labelsKeepClearOfArrows_data() {
    QTest::addColumn<ProgramDiagram>("diagram");
    const QString increment = QStringLiteral(
        "Q0>Q0=0 → 0, >/1 → 1, >;Q0>Q1=_ → _, <;Q1>stop=0 → 1, !/_ → 1, !;Q1>Q1=1 → 0, <");
    QTest::newRow("binary increment")
        << Diagram(MachineKind::Turing, "S:Q0 S:Q1 T:stop", increment);
    QTest::newRow("a table with an error listed")
        << Diagram(MachineKind::Turing, "S:Q0 S:Q1 S:Q2 T:stop",
                   increment + QStringLiteral(";Q1>Q2=_ → _, >;Q2>Q2=_ → 1, >/0 → 0, >"), 2);
    QTest::newRow("Post branches both ways")
        << Diagram(MachineKind::Post, "R:1 R:2 R:3 T:4",
                   "1>2;2>3=нет метки;2>1=есть метка;3>3=нет метки;3>4=есть метка");
}

// A label's text lies clear of every arrow, its own included (a loop runs
// round beside its label), of every node and of the other labels.
void TestDiagramLayout::labelsKeepClearOfArrows() {
    QFETCH(ProgramDiagram, diagram);
    const DiagramLayout::Geometry geometry = DiagramLayout::Layout(diagram);
    QVERIFY2(geometry.Ok(), qPrintable(geometry.error));
    const auto text = [&geometry](std::size_t i) {
        const DiagramLayout::EdgePath& path = geometry.edges[i];
        return QRectF(
            path.labelCentre - QPointF(path.labelSize.width() / 2, path.labelSize.height() / 2),
            path.labelSize);
    };
    for (std::size_t i = 0; i < geometry.edges.size(); ++i) {
        if (diagram.edges[i].lines.isEmpty()) {
            continue;
        }
        const QRectF box = text(i);
        const QString name = diagram.edges[i].lines.join(u'/');
        for (std::size_t k = 0; k < geometry.edges.size(); ++k) {
            for (const QPointF& point : Trace(geometry.edges[k])) {
                QVERIFY2(!box.contains(point), qPrintable(name));
            }
            if (k != i && !diagram.edges[k].lines.isEmpty()) {
                QVERIFY2(!box.intersects(text(k)), qPrintable(name));
            }
        }
        for (const DiagramLayout::NodeBox& node : geometry.nodes) {
            QVERIFY2(!box.intersects(Box(node, 0)), qPrintable(name));
        }
    }
}

QTEST_GUILESS_MAIN(TestDiagramLayout)
#include "test_diagram_layout.moc"
