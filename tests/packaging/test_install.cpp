// The installed tree, as `cmake --install` lays it out in a fresh prefix: the
// programs, the desktop entry, the metainfo, the document types, the icons,
// the manual pages, the package's copyright and changelog and the examples
// are in place, agree with each other, pass the freedesktop validators where
// those are installed, and the installed runner passes every installed
// example on its cases.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QMimeDatabase>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kAppId = QStringLiteral("org.zebrin42.zebrin42");
const QString kPostType = QStringLiteral("application/x-zebrin42-post");
const QString kTuringType = QStringLiteral("application/x-zebrin42-turing");
const QStringList kIconSizes = {QStringLiteral("16"),  QStringLiteral("22"), QStringLiteral("24"),
                                QStringLiteral("32"),  QStringLiteral("48"), QStringLiteral("64"),
                                QStringLiteral("128"), QStringLiteral("256")};

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

Finished Run(const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Finished f;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        f.err = QStringLiteral("%1 did not finish").arg(program);
        return f;
    }
    f.exitCode = process.exitCode();
    f.out = QString::fromUtf8(process.readAllStandardOutput());
    f.err = QString::fromUtf8(process.readAllStandardError());
    return f;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of `key` in a desktop entry, or a null string.
QString EntryValue(const QString& entry, const QString& key) {
    const QRegularExpression line(QStringLiteral("^%1=(.*)$").arg(QRegularExpression::escape(key)),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = line.match(entry);
    return m.hasMatch() ? m.captured(1) : QString();
}

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyFileInPlace();
    void desktopEntry();
    void metainfo();
    void documentTypes();
    void icons();
    void manualPages();
    void changelog();
    void installedExamplesPass();

private:
    QString Path(const QString& relative) const { return prefix_.filePath(relative); }
    // Whether a validator is on the PATH; the checks that need it skip when not.
    bool HaveTool(const QString& name) { return !QStandardPaths::findExecutable(name).isEmpty(); }

    QTemporaryDir prefix_;
};

void TestInstall::initTestCase() {
    QVERIFY(prefix_.isValid());
    const Finished install = Run(QStringLiteral(ZEBRIN_CMAKE),
                                 {QStringLiteral("--install"), QStringLiteral(ZEBRIN_BUILD_DIR),
                                  QStringLiteral("--prefix"), prefix_.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.err));
}

void TestInstall::everyFileInPlace() {
    QStringList expected = {
        QStringLiteral("bin/zebrin42"),
        QStringLiteral("bin/zebrin42-run"),
        QStringLiteral("share/applications/%1.desktop").arg(kAppId),
        QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId),
        QStringLiteral("share/mime/packages/zebrin42.xml"),
        QStringLiteral("share/man/man1/zebrin42.1.gz"),
        QStringLiteral("share/man/man1/zebrin42-run.1.gz"),
        QStringLiteral("share/doc/zebrin42/copyright"),
        QStringLiteral("share/doc/zebrin42/changelog.gz"),
    };
    for (const QString& size : kIconSizes) {
        const QString dir = QStringLiteral("share/icons/hicolor/%1x%1/").arg(size);
        expected << dir + QStringLiteral("apps/zebrin42.png")
                 << dir + QStringLiteral("mimetypes/application-x-zebrin42-post.png")
                 << dir + QStringLiteral("mimetypes/application-x-zebrin42-turing.png");
    }
    expected << QStringLiteral("share/icons/hicolor/scalable/apps/zebrin42.svg")
             << QStringLiteral(
                    "share/icons/hicolor/scalable/mimetypes/application-x-zebrin42-post.svg")
             << QStringLiteral(
                    "share/icons/hicolor/scalable/mimetypes/application-x-zebrin42-turing.svg");
    for (const QString& file : expected) {
        QVERIFY2(QFileInfo(Path(file)).isFile(), qPrintable(file + QStringLiteral(" is missing")));
    }
    QVERIFY(QFileInfo(Path(QStringLiteral("bin/zebrin42"))).isExecutable());
    QVERIFY(QFileInfo(Path(QStringLiteral("bin/zebrin42-run"))).isExecutable());
}

void TestInstall::desktopEntry() {
    const QString path = Path(QStringLiteral("share/applications/%1.desktop").arg(kAppId));
    const QString entry = ReadText(path);
    // Exec names an installed program and hands it the one document opened;
    // the icon and both document types exist.
    const QString exec = EntryValue(entry, QStringLiteral("Exec")).section(u' ', 0, 0);
    QVERIFY2(QFileInfo(Path(QStringLiteral("bin/") + exec)).isExecutable(), qPrintable(exec));
    QCOMPARE(EntryValue(entry, QStringLiteral("Exec")).section(u' ', 1), QStringLiteral("%f"));
    const QString icon = EntryValue(entry, QStringLiteral("Icon"));
    for (const QString& size : kIconSizes) {
        QVERIFY(QFileInfo::exists(
            Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/%2.png").arg(size, icon))));
    }
    const QString types = ReadText(Path(QStringLiteral("share/mime/packages/zebrin42.xml")));
    const QStringList offered =
        EntryValue(entry, QStringLiteral("MimeType")).split(u';', Qt::SkipEmptyParts);
    QCOMPARE(offered, QStringList({kPostType, kTuringType}));
    for (const QString& type : offered) {
        QVERIFY2(types.contains(QStringLiteral("type=\"%1\"").arg(type)), qPrintable(type));
    }
    // The class Qt's xcb platform gives the window: the application's name.
    QCOMPARE(EntryValue(entry, QStringLiteral("StartupWMClass")), QStringLiteral("Zebrin42"));
    QVERIFY(EntryValue(entry, QStringLiteral("Categories")).split(u';').contains(u"Education"));
    const QRegularExpression cyrillic(QStringLiteral("[А-Яа-я]"));
    QVERIFY(EntryValue(entry, QStringLiteral("Comment[ru]")).contains(cyrillic));
    QVERIFY(EntryValue(entry, QStringLiteral("GenericName[ru]")).contains(cyrillic));
    QVERIFY(!EntryValue(entry, QStringLiteral("Name[ru]")).isEmpty());

    if (!HaveTool(QStringLiteral("desktop-file-validate"))) {
        QSKIP("desktop-file-validate is not installed (scripts/setup installs it)");
    }
    const Finished v = Run(QStringLiteral("desktop-file-validate"), {path});
    QVERIFY2(v.exitCode == 0 && v.out.isEmpty(), qPrintable(v.out + v.err));
}

void TestInstall::metainfo() {
    const QString path = Path(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(kAppId));
    const QString text = ReadText(path);
    QVERIFY(text.contains(QStringLiteral("<id>%1</id>").arg(kAppId)));
    QVERIFY(text.contains(QStringLiteral(">%1.desktop</launchable>").arg(kAppId)));
    for (const QString& type : {kPostType, kTuringType}) {
        QVERIFY2(text.contains(QStringLiteral("<mediatype>%1</mediatype>").arg(type)),
                 qPrintable(type));
    }
    if (!HaveTool(QStringLiteral("appstreamcli"))) {
        QSKIP("appstreamcli is not installed (scripts/setup installs it)");
    }
    const Finished v =
        Run(QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                             QStringLiteral("--pedantic"), path});
    QVERIFY2(v.exitCode == 0, qPrintable(v.out + v.err));
}

void TestInstall::documentTypes() {
    const QString mimeDir = Path(QStringLiteral("share/mime"));
    if (HaveTool(QStringLiteral("xmllint"))) {
        const Finished lint = Run(QStringLiteral("xmllint"),
                                  {QStringLiteral("--noout"), mimeDir + "/packages/zebrin42.xml"});
        QVERIFY2(lint.exitCode == 0, qPrintable(lint.err));
    }
    if (!HaveTool(QStringLiteral("update-mime-database"))) {
        QSKIP("update-mime-database is not installed (scripts/setup installs it)");
    }
    // Our share first, then the system's types.
    qputenv("XDG_DATA_DIRS",
            (Path(QStringLiteral("share")) + ":/usr/local/share:/usr/share").toLocal8Bit());
    const Finished update = Run(QStringLiteral("update-mime-database"), {mimeDir});
    QVERIFY2(update.exitCode == 0 && update.err.isEmpty(), qPrintable(update.err));

    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    const QMimeDatabase db;
    const QString examples = Path(QStringLiteral("share/zebrin42/examples/"));
    QCOMPARE(db.mimeTypeForFile(examples + "post-add.pst").name(), kPostType);
    QCOMPARE(db.mimeTypeForFile(examples + "turing-palindrome.tur").name(), kTuringType);

    // The magic decides where the name says nothing.
    QFile post(examples + "post-add.pst");
    QFile turing(examples + "turing-palindrome.tur");
    QVERIFY(post.open(QIODevice::ReadOnly) && turing.open(QIODevice::ReadOnly));
    QCOMPARE(db.mimeTypeForData(post.readAll()).name(), kPostType);
    QCOMPARE(db.mimeTypeForData(turing.readAll()).name(), kTuringType);
    QCOMPARE(
        db.mimeTypeForFileNameAndData(QStringLiteral("work.dat"), QByteArray("Zebrin42[tur]\x01"))
            .name(),
        kTuringType);
    const QMimeType postType = db.mimeTypeForName(kPostType);
    const QMimeType turingType = db.mimeTypeForName(kTuringType);
    QCOMPARE(postType.comment(), QStringLiteral("Машина Поста"));
    QCOMPARE(turingType.comment(), QStringLiteral("Машина Тьюринга"));
    QCOMPARE(postType.iconName(), QStringLiteral("application-x-zebrin42-post"));
    QCOMPARE(turingType.iconName(), QStringLiteral("application-x-zebrin42-turing"));
}

void TestInstall::icons() {
    const QString hicolor = Path(QStringLiteral("share/icons/hicolor/"));
    const QStringList names = {QStringLiteral("apps/zebrin42"),
                               QStringLiteral("mimetypes/application-x-zebrin42-post"),
                               QStringLiteral("mimetypes/application-x-zebrin42-turing")};
    for (const QString& name : names) {
        for (const QString& size : kIconSizes) {
            const QString file = QStringLiteral("%1x%1/%2.png").arg(size, name);
            const QImage image(hicolor + file);
            QCOMPARE(image.size(), QSize(size.toInt(), size.toInt()));
            // Drawn, not empty: the middle is opaque, a corner transparent.
            QVERIFY2(qAlpha(image.pixel(image.width() / 2, image.height() / 2)) == 255,
                     qPrintable(file));
            QVERIFY2(qAlpha(image.pixel(0, 0)) == 0, qPrintable(file));
        }
        QXmlStreamReader svg(ReadText(hicolor + "scalable/" + name + ".svg"));
        QVERIFY(svg.readNextStartElement());
        QCOMPARE(svg.name(), QStringLiteral("svg"));
        while (!svg.atEnd()) {
            svg.readNext();
        }
        QVERIFY2(!svg.hasError(), qPrintable(svg.errorString()));
    }
}

void TestInstall::manualPages() {
    // Each program's page describes every option its --help names, and
    // --help needs no display.
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                                QStringLiteral("QT_QPA_PLATFORM")}) {
        noDisplay.remove(name);
    }
    QString text;
    for (const QString& program : {QStringLiteral("zebrin42"), QStringLiteral("zebrin42-run")}) {
        const QString page = Path(QStringLiteral("share/man/man1/%1.1.gz").arg(program));
        const Finished unpacked = Run(QStringLiteral("gzip"), {QStringLiteral("-dc"), page});
        QCOMPARE(unpacked.exitCode, 0);
        text = unpacked.out;
        text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
        const Finished help =
            Run(Path(QStringLiteral("bin/") + program), {QStringLiteral("--help")}, noDisplay);
        QVERIFY2(help.exitCode == 0, qPrintable(program + u'\n' + help.err));
        const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
        int options = 0;
        for (const QRegularExpressionMatch& m : option.globalMatch(help.out)) {
            QVERIFY2(text.contains(m.captured(0)), qPrintable(program + u' ' + m.captured(0)));
            ++options;
        }
        QVERIFY(options >= (program == u"zebrin42" ? 2 : 10));
    }
    // The runner's page, read last, has the sections a teacher looks for.
    for (const QString& section :
         {QStringLiteral(".SH CASES FILE"), QStringLiteral(".SH EXIT STATUS"),
          QStringLiteral(".SH EXAMPLES")}) {
        QVERIFY2(text.contains(section), qPrintable(section));
    }
    if (!HaveTool(QStringLiteral("groff"))) {
        QSKIP("groff is not installed");
    }
    for (const QString& name :
         {QStringLiteral("zebrin42.1.gz"), QStringLiteral("zebrin42-run.1.gz")}) {
        QProcess groff;
        groff.setStandardInputFile(Path(QStringLiteral("share/man/man1/")) + name);
        groff.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"), QStringLiteral("gzip -dc | groff -man -Tutf8 -K utf8 "
                                                          "-ww -z")});
        QVERIFY(groff.waitForFinished(60000));
        QVERIFY2(groff.exitCode() == 0 && groff.readAllStandardError().isEmpty(), qPrintable(name));
    }
}

void TestInstall::changelog() {
    // A well-formed Debian changelog whose entry is the version the programs
    // report.
    if (!HaveTool(QStringLiteral("dpkg-parsechangelog"))) {
        QSKIP("dpkg-parsechangelog is not installed (scripts/setup installs dpkg-dev)");
    }
    QProcess parse;
    parse.setStandardInputFile(Path(QStringLiteral("share/doc/zebrin42/changelog.gz")));
    parse.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("gzip -dc | dpkg-parsechangelog -l - -S Version")});
    QVERIFY(parse.waitForFinished(60000));
    const QByteArray errors = parse.readAllStandardError();
    QVERIFY2(parse.exitCode() == 0 && errors.isEmpty(), errors.constData());
    QCOMPARE(parse.readAllStandardOutput().trimmed(), QByteArray(ZEBRIN_VERSION));
}

void TestInstall::installedExamplesPass() {
    const QDir examples(Path(QStringLiteral("share/zebrin42/examples")));
    const QStringList post = examples.entryList({QStringLiteral("*.pst")}, QDir::Files);
    const QStringList turing = examples.entryList({QStringLiteral("*.tur")}, QDir::Files);
    QVERIFY(post.size() >= 6);
    QVERIFY(turing.size() >= 6);
    for (const QString& document : post + turing) {
        const QString cases = examples.filePath(QFileInfo(document).completeBaseName() + ".cases");
        QVERIFY2(QFileInfo::exists(cases), qPrintable(cases));
        const Finished f = Run(Path(QStringLiteral("bin/zebrin42-run")),
                               {QStringLiteral("--cases"), cases, examples.filePath(document)});
        QVERIFY2(f.exitCode == 0 && f.out.contains(QStringLiteral(" 0 failed")),
                 qPrintable(document + u'\n' + f.out + f.err));
    }
}

QTEST_GUILESS_MAIN(TestInstall)
#include "test_install.moc"
