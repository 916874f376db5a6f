// How the window looks under a dark palette: every area the window draws
// itself takes the dark colour set, and its texts and marks stand out from
// their ground (a WCAG contrast of at least 4.5 : 1); the ruler's numbers
// keep apart, and the zoom grows the tape and the tables together.

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QtTest>
#include <cmath>
#include <map>
#include <memory>

#include "core/post/PostMachine.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"
#include "window/main/CommandBars.h"
#include "window/main/MainMenu.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"
#include "window/post/PostTableView.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapePanel.h"
#include "window/tape/TapeRulerWidget.h"
#include "window/turing/TuringTablePanel.h"
#include "window/turing/TuringTableView.h"

namespace {

QPalette DarkFusionPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(53, 53, 53));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    return p;
}

double Luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The area's ground is its most frequent colour; its ink the pixel that
// stands out most from that ground.
struct Look {
    QColor ground;
    double contrast = 1;
};

Look LookOf(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    Look look;
    int most = 0;
    for (const auto& [rgb, n] : counts) {
        if (n > most) {
            most = n;
            look.ground = QColor(rgb);
        }
    }
    for (const auto& entry : counts) {
        look.contrast = std::max(look.contrast, Contrast(QColor(entry.first), look.ground));
    }
    return look;
}

}  // namespace

class TestWindowLook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void darkAreasReadWell_data();
    void darkAreasReadWell();
    void rulerNumbersStayApart_data();
    void rulerNumbersStayApart();
    void zoomGrowsTheViewsAndComesBack();

private:
    std::unique_ptr<MainWindow> form_;
};

void TestWindowLook::initTestCase() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkFusionPalette());
    form_ = std::make_unique<MainWindow>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TestWindowLook::darkAreasReadWell_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<bool>("styleSheet");  // dark by a style sheet, not the palette
    for (bool sheet : {false, true}) {
        for (const char* area : {"ruler numbers", "Post tape marks", "selected Post mark",
                                 "highlighted Post row", "Post table text", "status text"}) {
            QTest::newRow((QByteArray(area) + (sheet ? ", style sheet" : "")).constData())
                << QString::fromUtf8(area) << sheet;
        }
    }
}

void TestWindowLook::darkAreasReadWell() {
    QFETCH(QString, area);
    QFETCH(bool, styleSheet);
    if (styleSheet != !qApp->styleSheet().isEmpty()) {
        // A fresh window under the other dark desktop.
        form_.reset();
        QApplication::setPalette(styleSheet ? QPalette() : DarkFusionPalette());
        qApp->setStyleSheet(styleSheet ? QStringLiteral("QWidget { background-color: #2b2b2b; "
                                                        "color: #e0e0e0; }")
                                       : QString());
        form_ = std::make_unique<MainWindow>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    Workbench& bench = form_->Bench();
    TapeStore& tape = bench.Post().tape;
    TapeGridWidget* grid = form_->Tape()->Grid(MachineKind::Post);
    const int markedCol = TapeWindow::CarriageCol + 2;
    tape.SetPostCell(TapeWindow::CellAt(tape.CarriagePos(), markedCol), true);
    PostTableView* table = form_->PostTable();
    PostTable& rows = bench.Post().table;
    for (int row = 1; row <= 3; ++row) {
        rows.SetCode(row, QStringLiteral("2"));
        rows.SetCell(PostTable::ColJump, row, QString::number(row % 3 + 1));
        rows.SetCell(PostTable::ColComment, row, QStringLiteral("вправо"));
    }

    QImage image;
    QRect inside;
    if (area == u"ruler numbers") {
        image = form_->Tape()->Ruler()->grab().toImage();
        inside = image.rect();
    } else if (area == u"Post tape marks" || area == u"selected Post mark") {
        const bool selected = area == u"selected Post mark";
        grid->setFocus();
        grid->Select(markedCol, markedCol);
        if (!selected) {
            grid->clearFocus();
        }
        QCOMPARE(grid->SelectionShown(), selected);
        image = grid->grab().toImage();
        inside = grid->CellRect(markedCol).adjusted(2, 2, -3, -3);
    } else if (area == u"highlighted Post row" || area == u"Post table text") {
        if (area == u"highlighted Post row") {
            bench.RunControl().Run();
            bench.RunControl().PostRunTick();
            bench.RunControl().PostRunTick();
            bench.RunControl().Pause();
            QCOMPARE(bench.RunControl().Position(bench.Post()).at, 2);
        }
        image = table->viewport()->grab().toImage();
        inside = table->CellRect(PostTable::ColComment, 2).adjusted(1, 1, -1, -1);
    } else {
        StatusBarPanel* panel = form_->StatusPanel(0);
        panel->SetText(QStringLiteral("Программа завершена!"));
        image = panel->grab().toImage();
        inside = panel->contentsRect();
    }
    const Look look = LookOf(image.convertToFormat(QImage::Format_RGB32), inside);
    QVERIFY2(Luminance(look.ground) < 0.2, qPrintable(look.ground.name()));
    QVERIFY2(look.contrast >= 4.5, qPrintable(QString::number(look.contrast)));
    if (area == u"highlighted Post row") {
        bench.RunControl().Break();
    }
}

void TestWindowLook::rulerNumbersStayApart_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::newRow("-999 before -998") << 0 << "-999"
                                      << "-998";
    QTest::newRow("-999 before 1000") << 5 << "-999"
                                      << "1000";
    QTest::newRow("999 before 1000") << 20 << "999"
                                     << "1000";
    QTest::newRow("before the carriage") << TapeWindow::CarriageCol - 1 << "-999"
                                         << "-998";
    QTest::newRow("after the carriage") << TapeWindow::CarriageCol << "-999"
                                        << "1000";
}

void TestWindowLook::rulerNumbersStayApart() {
    QFETCH(int, col);
    QFETCH(QString, left);
    QFETCH(QString, right);
    const TapeRulerWidget* ruler = form_->Tape()->Ruler();
    const QRect first = ruler->NumberRect(col, left);
    const QRect second = ruler->NumberRect(col + 1, right);
    QVERIFY2(first.right() + 1 < second.left(),
             qPrintable(QStringLiteral("%1 ends at %2, %3 starts at %4")
                            .arg(left)
                            .arg(first.right())
                            .arg(right)
                            .arg(second.left())));
    QCOMPARE(ruler->NumberFont().family(), form_->font().family());
}

void TestWindowLook::zoomGrowsTheViewsAndComesBack() {
    MainMenu& menu = form_->Bars().Menu();
    TapeGridWidget* grid = form_->Tape()->Grid(MachineKind::Post);
    auto sizes = [&] {
        return QList<QSize>{grid->CellRect(0).size(),
                            form_->PostTable()->CellRect(PostTable::ColJump, 1).size(),
                            form_->TuringPanel()->Table()->CellRect(1, 1).size(),
                            QSize(form_->Tape()->minimumWidth(), form_->Tape()->height())};
    };
    const QList<QSize> normal = sizes();
    menu.zoomInAction->trigger();
    menu.zoomInAction->trigger();
    QCoreApplication::processEvents();
    const QList<QSize> larger = sizes();
    for (int i = 0; i < normal.size(); ++i) {
        QVERIFY2(larger[i].width() > normal[i].width() && larger[i].height() > normal[i].height(),
                 qPrintable(QString::number(i)));
    }
    // The tape panel is laid out at the larger size: nothing is cut off.
    QVERIFY(form_->Tape()->rect().contains(grid->geometry()));
    QVERIFY(form_->rect().contains(QRect(grid->mapTo(form_.get(), QPoint(0, 0)), grid->size())));
    // Up to the largest size the screen has room for, and no further.
    for (int i = 0; i < 8; ++i) {
        menu.zoomInAction->trigger();
    }
    QCoreApplication::processEvents();
    const QRect area = form_->screen()->availableGeometry();
    QVERIFY(area.contains(form_->frameGeometry()));
    menu.zoomResetAction->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(sizes(), normal);
    QCOMPARE(menu.zoomInAction->shortcuts().size(), 2);
}

QTEST_MAIN(TestWindowLook)
#include "test_window_look.moc"
