#include "window/dialogs/AboutDialog.h"
#include "core/text/Language.h"

#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <array>

namespace {

// The box's texts are kept in the binary scrambled with a one-byte key and
// turned back into text when the box is built, so they cannot be edited in
// the executable with a plain text search.
constexpr char Key = 0x5A;

template <std::size_t N>
struct Scrambled {
    std::array<char, N - 1> bytes{};
};

template <std::size_t N>
constexpr Scrambled<N> Scramble(const char (&text)[N]) {
    Scrambled<N> scrambled{};
    for (std::size_t i = 0; i + 1 < N; ++i)
        scrambled.bytes[i] = char(text[i] ^ Key);
    return scrambled;
}

template <std::size_t N>
QString Unscramble(const Scrambled<N>& scrambled) {
    QByteArray bytes(scrambled.bytes.data(), int(scrambled.bytes.size()));
    for (char& c : bytes)
        c = char(c ^ Key);
    return QString::fromUtf8(bytes);
}

constexpr auto TextL1 = Scramble("Учебная программа");
constexpr auto TextL2 = Scramble("Zebrin42");
constexpr auto TextL5 = Scramble("Версия:");
constexpr auto TextL6 = Scramble("0.1.0");
constexpr auto TextL7 = Scramble("Вопросы и пожелания:");
constexpr auto TextL8 = Scramble("Письмо автору");
constexpr auto TextL9 = Scramble("Страничка в сети:");
constexpr auto TextL10 = Scramble("Сайт Zebrin42");
// The same texts for the translation tools: never used, so the program holds
// them scrambled only.
[[maybe_unused]] constexpr const char* kTranslatedTexts[] = {
    QT_TRANSLATE_NOOP("AboutDialog", "Учебная программа"),
    QT_TRANSLATE_NOOP("AboutDialog", "Версия:"),
    QT_TRANSLATE_NOOP("AboutDialog", "Вопросы и пожелания:"),
    QT_TRANSLATE_NOOP("AboutDialog", "Письмо автору"),
    QT_TRANSLATE_NOOP("AboutDialog", "Страничка в сети:"),
    QT_TRANSLATE_NOOP("AboutDialog", "Сайт Zebrin42")};

// A scrambled text in the current language.
template <std::size_t N>
QString Shown(const Scrambled<N>& scrambled) {
    return Tr("AboutDialog", Unscramble(scrambled).toUtf8().constData());
}

constexpr auto MailAddress = Scramble("mailto:zebrin42@example.org");
constexpr auto PageAddress = Scramble("https://example.org/zebrin42/");

QFrame* MakePanel(QWidget* parent, const char* name, int top) {
    // A raised inner and a lowered outer bevel: an engraved frame.
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(5, top, 268, 60);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QColor& colour, bool bold, int pixelSize = 0) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(bold);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(left, top);
    label->resize(label->sizeHint());
    return label;
}

QLineEdit* MakeLink(QWidget* parent, const char* name, const QString& text, int left, int top,
                    const QString& hint) {
    auto* link = new QLineEdit(text, parent);
    link->setObjectName(QLatin1String(name));
    link->setReadOnly(true);
    link->setFrame(false);
    link->setFocusPolicy(Qt::NoFocus);
    link->setContextMenuPolicy(Qt::NoContextMenu);
    link->setCursor(Qt::ArrowCursor);
    link->setGeometry(left, top, 121, 21);
    link->setToolTip(hint);
    QFont font = link->font();
    font.setBold(true);
    font.setUnderline(true);
    link->setFont(font);
    QPalette palette = link->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, Qt::blue);
    link->setPalette(palette);
    link->setCursorPosition(0);
    return link;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(Tr("AboutDialog", "О программе"));
    setWindowIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    setFixedSize(276, 167);

    QFrame* panel1 = MakePanel(this, "Panel1", 5);
    MakeLabel(panel1, "L1", Shown(TextL1), 5, 10, Qt::blue, false);
    MakeLabel(panel1, "L2", Unscramble(TextL2), 150, 3, Qt::red, true, 21)
        ->setAlignment(Qt::AlignCenter);
    MakeLabel(panel1, "L5", Shown(TextL5), 5, 35, Qt::blue, true);
    MakeLabel(panel1, "L6", Unscramble(TextL6), 110, 33, Qt::red, true, 13);

    QFrame* panel3 = MakePanel(this, "Panel3", 69);
    MakeLabel(panel3, "L7", Shown(TextL7), 5, 10, Qt::blue, false);
    MakeLabel(panel3, "L9", Shown(TextL9), 5, 35, Qt::blue, false);
    mailLink_ = MakeLink(panel3, "L8", Shown(TextL8), 145, 10,
                         Tr("AboutDialog", "Кликни сюда чтобы написать мне письмо"));
    pageLink_ = MakeLink(panel3, "L10", Shown(TextL10), 145, 35,
                         Tr("AboutDialog", "Кликни сюда и попадешь на мою страничку"));
    mailLink_->installEventFilter(this);
    pageLink_->installEventFilter(this);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(7, 136, 266, 25);
    ok->setDefault(true);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QUrl AboutDialog::MailUrl() const {
    return QUrl(Unscramble(MailAddress));
}

QUrl AboutDialog::PageUrl() const {
    return QUrl(Unscramble(PageAddress));
}

void AboutDialog::ShowModal() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    exec();
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == mailLink_ || watched == pageLink_) &&
        event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* link = static_cast<QLineEdit*>(watched);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            QDesktopServices::openUrl(link == mailLink_ ? MailUrl() : PageUrl());
        return true;
    }
    // The links are read-only captions: no selection, no double-click word pick.
    if ((watched == mailLink_ || watched == pageLink_) &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove ||
         event->type() == QEvent::MouseButtonDblClick))
        return true;
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::keyPressEvent(QKeyEvent* event) {
    // The box has no cancel button: Esc leaves it open.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
