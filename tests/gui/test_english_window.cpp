// The English window shows whole every text the Russian one shows whole:
// the labels, buttons and status panels of the main window on both machines
// and of the dialogs, each compared with itself in Russian.

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QtTest>
#include <functional>
#include <memory>

#include "ModalAnswer.h"
#include "core/text/Language.h"
#include "window/dialogs/AboutDialog.h"
#include "window/dialogs/CaseCheckDialog.h"
#include "window/dialogs/DialogButton.h"
#include "window/dialogs/MessageDialog.h"
#include "window/main/MainWindow.h"
#include "window/main/StatusBarPanel.h"

namespace {

struct Shown {
    QString text;
    bool whole = true;
};

// A widget's place under `root`: the object names (or classes and places)
// on the way down, the same in both languages.
QString PlaceOf(const QWidget* widget, const QWidget* root) {
    QStringList steps;
    for (const QObject* at = widget; at && at != root; at = at->parent()) {
        const QObject* parent = at->parent();
        const int index = parent ? int(parent->children().indexOf(const_cast<QObject*>(at))) : 0;
        steps.prepend(at->objectName().isEmpty()
                          ? QStringLiteral("%1#%2").arg(at->metaObject()->className()).arg(index)
                          : at->objectName());
    }
    return steps.join(u'/');
}

int LongestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// Every text shown under `root`, and whether it has the room it needs.
QMap<QString, Shown> TextsOf(QWidget* root) {
    QMap<QString, Shown> texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(root) && widget != root) {
            continue;
        }
        QString text;
        int need = 0;
        int room = 0;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap() || Qt::mightBeRichText(label->text())) {
                continue;
            }
            text = label->text();
            need = LongestLine(label->fontMetrics(), text);
            room = label->contentsRect().width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
            need = button->sizeHint().width();
            room = button->width();
        } else if (auto* panel = qobject_cast<StatusBarPanel*>(widget)) {
            text = panel->Text();
            need = panel->WidthFor(text);
            room = panel->width();
        } else if (auto* dialogButton = qobject_cast<DialogButton*>(widget)) {
            text = dialogButton->Caption();
            need = dialogButton->fontMetrics().horizontalAdvance(text) + 4;
            room = dialogButton->width();
        }
        if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model()) {
            // Each section's title in the room the section has.
            for (int section = 0; section < header->count(); ++section) {
                const QString title =
                    header->model()->headerData(section, header->orientation()).toString();
                if (!title.isEmpty() && !header->isSectionHidden(section)) {
                    texts.insert(PlaceOf(widget, root) + QStringLiteral("/%1").arg(section),
                                 {title, header->fontMetrics().horizontalAdvance(title) + 4 <=
                                             header->sectionSize(section)});
                }
            }
        }
        if (!text.trimmed().isEmpty()) {
            texts.insert(PlaceOf(widget, root), {text, need <= room});
        }
    }
    return texts;
}

using Scene = std::function<QMap<QString, Shown>()>;

}  // namespace

class TestEnglishWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { Language::Install(UiLanguage::Russian); }
    void noTextCutInEnglish_data();
    void noTextCutInEnglish();
};

void TestEnglishWindow::noTextCutInEnglish_data() {
    QTest::addColumn<Scene>("scene");
    const auto window = [](bool turing) {
        return [turing] {
            MainWindow form;
            form.resize(form.minimumSize().expandedTo(QSize(800, 600)));
            form.show();
            if (turing) {
                form.ChooseTuringMachine();
            }
            QTest::qWait(10);
            return TextsOf(&form);
        };
    };
    QTest::newRow("Post machine") << Scene(window(false));
    QTest::newRow("Turing machine") << Scene(window(true));
    QTest::newRow("about box") << Scene([] {
        AboutDialog about;
        about.show();
        return TextsOf(&about);
    });
    QTest::newRow("case check") << Scene([] {
        RunCase runCase;
        runCase.line = 1;
        runCase.input = QStringLiteral("11");
        runCase.expected = QStringLiteral("111");
        CaseCheckDialog dialog(MachineKind::Post, {}, {runCase}, QStringLiteral("a.cases"));
        dialog.show();
        dialog.Start();
        for (int i = 0; i < 1000 && !dialog.Finished(); ++i) {
            QTest::qWait(10);
        }
        return TextsOf(&dialog);
    });
    for (MessageKind kind :
         {MessageKind::ErrorWithHelp, MessageKind::Question, MessageKind::QuestionWithHelp,
          MessageKind::GoOnQuestion, MessageKind::RestartQuestion}) {
        QTest::addRow("message dialog %d", int(kind)) << Scene([kind] {
            MessageDialog dialog;
            QMap<QString, Shown> texts;
            WhenModal([&](QWidget*) { texts = TextsOf(&dialog); },
                      [](QWidget* modal) { modal->close(); });
            dialog.Ask({kind, Tr("OutcomeReporter", "Ошибка"),
                        Tr("OutcomeReporter", "Каретка вышла за пределы ленты")});
            return texts;
        });
    }
}

void TestEnglishWindow::noTextCutInEnglish() {
    QFETCH(Scene, scene);
    const QMap<QString, Shown> russian = scene();
    QVERIFY(Language::Install(UiLanguage::English, QStringLiteral(ZEBRIN_QM_FILE)));
    const QMap<QString, Shown> english = scene();
    QVERIFY(!russian.isEmpty());
    QStringList cut;
    int translated = 0;
    for (auto at = russian.begin(); at != russian.end(); ++at) {
        const auto inEnglish = english.constFind(at.key());
        if (inEnglish == english.constEnd()) {
            continue;
        }
        translated += inEnglish->text != at->text ? 1 : 0;
        if (at->whole && !inEnglish->whole) {
            cut << QStringLiteral("%1: «%2» shown whole, «%3» cut")
                       .arg(at.key(), at->text, inEnglish->text);
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    // The English scene is English: most of its texts differ.
    QVERIFY2(translated > 0, "no text was translated");
}

QTEST_MAIN(TestEnglishWindow)
#include "test_english_window.moc"
