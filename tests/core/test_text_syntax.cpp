// The text conventions every document relies on: the integer syntax and the
// Windows-1251 codec.

#include <QtTest>
#include <optional>

#include "core/text/Cp1251.h"
#include "core/text/IntegerSyntax.h"

class TestTextSyntax : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void integers_data();
    void integers();
    void codecRoundTripsEveryByte();
    void codecKnownLetters_data();
    void codecKnownLetters();
    void sanitizeReplacesWhatTheCodePageCannotHold_data();
    void sanitizeReplacesWhatTheCodePageCannotHold();
};

void TestTextSyntax::integers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("zero") << "0" << true << 0;
    QTest::newRow("plain") << "42" << true << 42;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("plus") << "+13" << true << 13;
    QTest::newRow("minus") << "-999" << true << -999;
    QTest::newRow("max") << "2147483647" << true << INT_MAX;
    QTest::newRow("min") << "-2147483648" << true << INT_MIN;
    QTest::newRow("over max") << "2147483648" << false << 0;
    QTest::newRow("under min") << "-2147483649" << false << 0;
    QTest::newRow("huge") << "99999999999999999999999" << false << 0;
    QTest::newRow("hex") << "$1F" << true << 31;
    QTest::newRow("hex lower") << "$ff" << true << 255;
    QTest::newRow("hex all ones") << "$FFFFFFFF" << true << -1;
    QTest::newRow("hex sign bit") << "$80000000" << true << INT_MIN;
    QTest::newRow("hex leading zeros") << "$000000000A" << true << 10;
    QTest::newRow("hex 33 bits") << "$100000000" << false << 0;
    QTest::newRow("dollar alone") << "$" << false << 0;
    QTest::newRow("signed hex") << "-$5" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("minus alone") << "-" << false << 0;
    QTest::newRow("plus alone") << "+" << false << 0;
    QTest::newRow("leading blank") << " 5" << false << 0;
    QTest::newRow("trailing blank") << "5 " << false << 0;
    QTest::newRow("inner blank") << "1 2" << false << 0;
    QTest::newRow("letters") << "12a" << false << 0;
    QTest::newRow("c prefix") << "0x10" << false << 0;
    QTest::newRow("double sign") << "--1" << false << 0;
    QTest::newRow("arabic-indic digit") << QString(QChar(0x0663)) << false << 0;
}

void TestTextSyntax::integers() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<qint32> parsed = ParseInteger(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
        QTEST(int(*parsed), "value");
    }
}

void TestTextSyntax::codecRoundTripsEveryByte() {
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i) {
        all[i] = char(i);
    }
    const QString text = Cp1251::Decode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(QSet<QChar>(text.begin(), text.end()).size(), 256);
    for (QChar c : text) {
        QVERIFY(Cp1251::Representable(c));
    }
    QCOMPARE(Cp1251::Encode(text), all);
    QCOMPARE(Cp1251::Sanitize(text), text);
}

void TestTextSyntax::codecKnownLetters_data() {
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("A") << 0x41 << 0x41;
    QTest::newRow("unassigned") << 0x98 << 0x98;
    QTest::newRow("euro") << 0x88 << 0x20AC;
    QTest::newRow("Ё") << 0xA8 << 0x0401;
    QTest::newRow("ё") << 0xB8 << 0x0451;
    QTest::newRow("numero") << 0xB9 << 0x2116;
    QTest::newRow("А") << 0xC0 << 0x0410;
    QTest::newRow("я") << 0xFF << 0x044F;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
}

void TestTextSyntax::codecKnownLetters() {
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    QCOMPARE(int(Cp1251::DecodeByte(uchar(byte)).unicode()), codePoint);
    QCOMPARE(Cp1251::Encode(QString(QChar(char16_t(codePoint)))), QByteArray(1, char(byte)));
}

void TestTextSyntax::sanitizeReplacesWhatTheCodePageCannotHold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("clean");
    QTest::newRow("russian kept") << "Машина Поста №1"
                                  << "Машина Поста №1";
    QTest::newRow("latin-1 letter") << "café"
                                    << "caf?";
    QTest::newRow("chinese") << "a中b"
                             << "a?b";
    QTest::newRow("emoji is one character") << "x\U0001F600y"
                                            << "x?y";
}

void TestTextSyntax::sanitizeReplacesWhatTheCodePageCannotHold() {
    QFETCH(QString, text);
    QTEST(Cp1251::Sanitize(text), "clean");
    QCOMPARE(Cp1251::Encode(text).size(), Cp1251::Encode(Cp1251::Sanitize(text)).size() +
                                              (text.size() - Cp1251::Sanitize(text).size()));
}

QTEST_GUILESS_MAIN(TestTextSyntax)
#include "test_text_syntax.moc"
