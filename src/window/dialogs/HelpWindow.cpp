#include "window/dialogs/HelpWindow.h"
#include "core/text/Language.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "core/text/Language.h"

// The topics live in a static library, whose resource initialiser the linker
// would drop unless something refers to it.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    setWindowTitle(Tr("HelpWindow", "Справка Zebrin42"));
    setWindowIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    resize(600, 480);

    auto* contents = new QPushButton(Tr("HelpWindow", "Содержание"), this);
    auto* back = new QPushButton(Tr("HelpWindow", "Назад"), this);
    auto* forward = new QPushButton(Tr("HelpWindow", "Вперёд"), this);
    auto* close = new QPushButton(Tr("HelpWindow", "Закрыть"), this);
    back->setEnabled(false);
    forward->setEnabled(false);

    browser_ = new QTextBrowser(this);
    // Web and mail links leave for the desktop's own programs; topic links
    // stay in this window.
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(ContentsTopic); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? Tr("HelpWindow", "Справка Zebrin42")
                                       : Tr("HelpWindow", "Справка Zebrin42 - %1").arg(title));
    });
}

// The English pages sit in their own folder with the same names, so a
// relative link between topics stays in the folder of the page it is on.
// A topic without an English page is shown in Russian.
QUrl HelpWindow::TopicUrl(int context) {
    if (Language::English() && QFile::exists(QStringLiteral(":/help/en/%1.html").arg(context)))
        return QUrl(QStringLiteral("qrc:/help/en/%1.html").arg(context));
    return QUrl(QStringLiteral("qrc:/help/%1.html").arg(context));
}

bool HelpWindow::HasTopic(int context) {
    return QFile::exists(QStringLiteral(":/help/%1.html").arg(context)) ||
           (Language::English() && QFile::exists(QStringLiteral(":/help/en/%1.html").arg(context)));
}

void HelpWindow::ShowTopic(int context) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    browser_->setSource(TopicUrl(HasTopic(context) ? context : ContentsTopic));
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
    QGuiApplication::restoreOverrideCursor();
}

int HelpWindow::CurrentTopic() const {
    const QUrl source = browser_->source();
    if (source.scheme() != QLatin1String("qrc"))
        return 0;
    const QString name = source.fileName();
    if (!name.endsWith(QLatin1String(".html")))
        return 0;
    bool ok = false;
    const int context = name.chopped(5).toInt(&ok);
    return ok ? context : 0;
}
