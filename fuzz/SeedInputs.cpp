#include "SeedInputs.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "core/documents/DocumentFile.h"
#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/port/ScriptedUi.h"
#include "core/text/Cp1251.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"

namespace FuzzSeeds {

namespace {

// Builds a machine on a fresh Workbench, stores it with the real writer and
// returns the file's bytes.
QByteArray Written(MachineKind kind, const std::function<void(Workbench&)>& build) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kind == MachineKind::Post ? "seed.pst" : "seed.tur");
    ScriptedUi ui(ScriptedUi::Unplanned::FirstButton);
    Workbench bench(ui);
    bench.SetKind(kind);
    build(bench);
    const bool written =
        kind == MachineKind::Post ? WritePostFile(bench, path) : WriteTuringFile(bench, path);
    QFile file(path);
    if (!written || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void SetPostRow(PostMachine& post, int row, const char* code, const QString& jump,
                const QString& comment) {
    post.table.SetCode(row, QString::fromLatin1(code));
    post.table.SetCell(PostTable::ColJump, row, jump);
    post.table.SetCell(PostTable::ColComment, row, comment);
}

QList<Seed> PostDocuments() {
    QList<Seed> seeds;
    seeds.append({"post_file", "fresh.pst", Written(MachineKind::Post, [](Workbench&) {})});
    seeds.append({"post_file", "increment.pst", Written(MachineKind::Post, [](Workbench& bench) {
                      PostMachine& post = bench.Post();
                      post.SetStatement(
                          QStringLiteral("Прибавить единицу\nк числу в унарной записи"));
                      for (int cell = -3; cell <= 2; ++cell) {
                          post.tape.SetPostCell(cell, true);
                      }
                      post.tape.SetCarriagePos(-3);
                      post.table.SetProgramRows(4);
                      SetPostRow(post, 1, "2", QStringLiteral("2"), QStringLiteral("вправо"));
                      SetPostRow(post, 2, "5", QStringLiteral("3,1"), QStringLiteral("метка?"));
                      SetPostRow(post, 3, "3", QStringLiteral("4"), QStringLiteral("ставим"));
                      SetPostRow(post, 4, "6", QString(), QStringLiteral("стоп"));
                  })});
    seeds.append({"post_file", "tape-ends.pst", Written(MachineKind::Post, [](Workbench& bench) {
                      PostMachine& post = bench.Post();
                      post.SetStatement(QString());
                      post.tape.SetPostCell(-999, true);
                      post.tape.SetPostCell(999, true);
                      post.tape.SetCarriagePos(999);
                      post.table.SetProgramRows(2);
                      SetPostRow(post, 1, "1", QStringLiteral(" $A , -1 "), QString());
                      SetPostRow(post, 2, "4", QStringLiteral("1"), QStringLiteral("стереть"));
                  })});
    return seeds;
}

QList<Seed> TuringDocuments() {
    QList<Seed> seeds;
    seeds.append({"turing_file", "fresh.tur", Written(MachineKind::Turing, [](Workbench&) {})});
    seeds.append({"turing_file", "double.tur", Written(MachineKind::Turing, [](Workbench& bench) {
                      TuringMachine& m = bench.Turing();
                      m.SetStatement(QStringLiteral("Удвоить слово\nиз букв a и б\n"));
                      m.EditAlphabetText(QStringLiteral("a  б a"));
                      m.RebuildAlphabet();
                      m.table.AppendStateColumn();
                      m.table.SetCell(1, 1, QStringLiteral("a>0"));
                      m.table.SetCell(6, 2, QStringLiteral("б<$5"));
                      m.table.SetCell(2, 3, QStringLiteral("_!007"));
                      m.tape.SetTuringCell(5, u'a');
                      m.tape.SetTuringCell(9, u'б');
                      m.tape.SetCarriagePos(7);
                      m.SetComments(QStringLiteral("Q0 ищет конец;\n\nQ1 пишет."));
                  })});
    seeds.append({"turing_file", "tape-end.tur", Written(MachineKind::Turing, [](Workbench& bench) {
                      TuringMachine& m = bench.Turing();
                      m.EditAlphabetText(QStringLiteral("1 0 #"));
                      m.RebuildAlphabet();
                      m.table.SetCell(1, 1, QStringLiteral("0<1"));
                      m.table.SetCell(2, 1, QStringLiteral("1!0"));
                      m.table.SetCell(1, 4, QStringLiteral("#>-1"));
                      m.tape.SetTuringCell(999, u'1');
                      m.tape.SetTuringCell(1, u'#');
                      m.tape.SetCarriagePos(999);
                      m.SetComments(QString());
                  })});
    return seeds;
}

// Short texts the way the tables hold them.
QList<Seed> Texts(const QString& target, std::initializer_list<const char*> texts) {
    QList<Seed> seeds;
    int n = 0;
    for (const char* text : texts) {
        seeds.append(
            {target, QStringLiteral("text-%1").arg(++n), Cp1251::Encode(QString::fromUtf8(text))});
    }
    return seeds;
}

// Each document once as its file and once as its bare text layer, the
// form in which the fuzzer's mutations reach the lines (FuzzChecks.h).
QList<Seed> WithTextLayers(const QList<Seed>& documents) {
    QList<Seed> seeds = documents;
    for (const Seed& seed : documents) {
        QByteArray text = seed.bytes.mid(DocumentFile::kMagicSize);
        for (char& b : text) {
            b = char(b ^ DocumentFile::kMask);
        }
        seeds.append({seed.target, seed.name + QStringLiteral(".txt"), text});
    }
    return seeds;
}

}  // namespace

QList<Seed> Seeds() {
    QList<Seed> seeds = WithTextLayers(PostDocuments());
    seeds += WithTextLayers(TuringDocuments());
    seeds += Texts("turing_command", {"01\n1>2", "ab\n_<0", "a б\nб!$1F", "\n  >5 ", "xy\n y < - 3",
                                      "a\na>2147483648", "\n_", "ab\nb>$FFFFFFFF"});
    seeds += Texts("post_jump", {"1", "2,3", " 4 , 5 ", "$A,$b", "-1,0", ",", "", "3,",
                                 "2147483647,-2147483648", "\t1\t,\t2"});
    seeds += Texts("alphabet", {"a b c\n=c b\n+d\n>\n<\n|\n-", "!ab~a~\nba_", "абв\n+_\n+ \n+г\nвг",
                                "!~~x\n<\n<\n<\n=x y", "__ _\n= a a a"});
    return seeds;
}

}  // namespace FuzzSeeds
