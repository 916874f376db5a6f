// The Turing machine examples. A rule {state, symbol, command} fills the
// cell of that state's column and that symbol's row; "_" is the blank. The
// tape starts at cell 1, so a program that steps left of its word gets the
// word written from cell 2 or further right. Each cases file's first case
// is the tape stored in the document.

#include "ExampleSource.h"

namespace {

TuringExample BinaryIncrement() {
    TuringExample e;
    e.name = QStringLiteral("turing-binary-increment");
    e.statement = {
        QStringLiteral("Прибавить единицу к двоичному числу."),
        QStringLiteral("На ленте записано двоичное число, каретка стоит на его старшей"),
        QStringLiteral("(самой левой) цифре. Нужно увеличить число на единицу."),
        QStringLiteral("Число записано со второй клетки: слева от него остаётся место"),
        QStringLiteral("для новой цифры, когда число вида 11...1 становится 100...0."),
    };
    e.alphabet = QStringLiteral("01");
    e.tape = QStringLiteral("1011");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'0', QStringLiteral("0>0")}, {0, u'1', QStringLiteral("1>0")},
        {0, u'_', QStringLiteral("_<1")}, {1, u'0', QStringLiteral("1!1")},
        {1, u'1', QStringLiteral("0<1")}, {1, u'_', QStringLiteral("1!1")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца числа, на пробеле шаг назад."),
        QStringLiteral("Q1 — перенос: 1 меняем на 0 и идём влево; 0 или пробел"),
        QStringLiteral("меняем на 1 и останавливаемся."),
    };
    e.cases = QStringLiteral(
        "# Двоичное число с клетки 2, каретка на старшей цифре.\n"
        "--start 2\n"
        "1011 => 1100\n"
        "0 => 1\n"
        "1 => 10\n"
        "111 => 1000\n"
        "1001 => 1010\n"
        "100111 => 101000\n");
    return e;
}

TuringExample UnaryAdd() {
    TuringExample e;
    e.name = QStringLiteral("turing-unary-add");
    e.statement = {
        QStringLiteral("Сложить два числа в единичной записи."),
        QStringLiteral("На ленте записано выражение вида 111+11: два числа палочками"),
        QStringLiteral("и знак плюс между ними. Каретка стоит на первом символе."),
        QStringLiteral("Нужно оставить на ленте сумму: 11111."),
    };
    e.alphabet = QStringLiteral("1+");
    e.tape = QStringLiteral("111+11");
    e.rules = {
        {0, u'1', QStringLiteral("1>0")},
        {0, u'+', QStringLiteral("1>0")},
        {0, u'_', QStringLiteral("_<1")},
        {1, u'1', QStringLiteral("_!1")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо, плюс заменяем единицей; на пробеле шаг"),
        QStringLiteral("назад. Единиц стало на одну больше суммы."),
        QStringLiteral("Q1 — стираем последнюю единицу и останавливаемся."),
    };
    e.cases = QStringLiteral(
        "# Сумма двух чисел в единичной записи; каретка на первом символе.\n"
        "111+11 => 11111\n"
        "1+1 => 11\n"
        "11+ => 11\n"
        "+111 => 111\n"
        "11111+1111111 => 111111111111\n");
    return e;
}

TuringExample UnaryToBinary() {
    TuringExample e;
    e.name = QStringLiteral("turing-unary-to-binary");
    e.statement = {
        QStringLiteral("Перевести число из единичной записи в двоичную."),
        QStringLiteral("На ленте записано число n палочками (n единиц подряд),"),
        QStringLiteral("каретка стоит на первой единице. Нужно оставить на ленте то"),
        QStringLiteral("же число в двоичной записи. Число записано с клетки 12:"),
        QStringLiteral("двоичный счётчик растёт влево от него."),
    };
    e.alphabet = QStringLiteral("10");
    e.tape = QStringLiteral("11111");
    e.start = 12;
    e.carriage = 12;
    e.rules = {
        {0, u'1', QStringLiteral("1>0")}, {0, u'_', QStringLiteral("_<1")},
        {1, u'1', QStringLiteral("_<2")}, {1, u'_', QStringLiteral("0!1")},
        {2, u'1', QStringLiteral("1<2")}, {2, u'_', QStringLiteral("_<3")},
        {3, u'0', QStringLiteral("1>4")}, {3, u'1', QStringLiteral("0<3")},
        {3, u'_', QStringLiteral("1>4")}, {4, u'0', QStringLiteral("0>4")},
        {4, u'1', QStringLiteral("1>4")}, {4, u'_', QStringLiteral("_>5")},
        {5, u'1', QStringLiteral("1>0")}, {5, u'_', QStringLiteral("_!5")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца единичного числа."),
        QStringLiteral("Q1 — стираем его последнюю единицу; если единиц не было"),
        QStringLiteral("вовсе, пишем 0 и останавливаемся."),
        QStringLiteral("Q2 — идём влево через остаток числа и пробел к счётчику."),
        QStringLiteral("Q3 — прибавляем к двоичному счётчику единицу."),
        QStringLiteral("Q4 — идём вправо через счётчик и пробел."),
        QStringLiteral("Q5 — единица есть: повторяем; пробел: число исчерпано, стоп."),
    };
    e.cases = QStringLiteral(
        "# Единичное число с клетки 12, каретка на его первой единице.\n"
        "--start 12\n"
        "11111 => 101\n"
        "1 => 1\n"
        "11 => 10\n"
        "111 => 11\n"
        "11111111 => 1000\n"
        "1111111111111 => 1101\n"
        "# n = 0: на ленте ничего нет\n"
        " => 0\n");
    return e;
}

TuringExample Palindrome() {
    TuringExample e;
    e.name = QStringLiteral("turing-palindrome");
    e.statement = {
        QStringLiteral("Проверить, является ли слово палиндромом."),
        QStringLiteral("На ленте записано слово из букв a и b, каретка стоит на его"),
        QStringLiteral("первой букве. Нужно стереть слово и оставить на ленте 1,"),
        QStringLiteral("если оно читается одинаково слева направо и справа налево,"),
        QStringLiteral("и 0, если нет. Пустое слово — палиндром."),
    };
    e.alphabet = QStringLiteral("ab10");
    e.tape = QStringLiteral("abba");
    e.rules = {
        {0, u'a', QStringLiteral("_>1")}, {0, u'b', QStringLiteral("_>4")},
        {0, u'_', QStringLiteral("1!0")}, {1, u'a', QStringLiteral("a>1")},
        {1, u'b', QStringLiteral("b>1")}, {1, u'_', QStringLiteral("_<2")},
        {2, u'a', QStringLiteral("_<3")}, {2, u'b', QStringLiteral("_<6")},
        {2, u'_', QStringLiteral("1!2")}, {3, u'a', QStringLiteral("a<3")},
        {3, u'b', QStringLiteral("b<3")}, {3, u'_', QStringLiteral("_>0")},
        {4, u'a', QStringLiteral("a>4")}, {4, u'b', QStringLiteral("b>4")},
        {4, u'_', QStringLiteral("_<5")}, {5, u'a', QStringLiteral("_<6")},
        {5, u'b', QStringLiteral("_<3")}, {5, u'_', QStringLiteral("1!5")},
        {6, u'a', QStringLiteral("_<6")}, {6, u'b', QStringLiteral("_<6")},
        {6, u'_', QStringLiteral("0!6")},
    };
    e.comments = {
        QStringLiteral("Q0 — стираем первую букву и запоминаем её: a — в Q1, b — в Q4."),
        QStringLiteral("Пробел в Q0: слово стёрто целиком, это палиндром."),
        QStringLiteral("Q1, Q4 — идём вправо до конца слова."),
        QStringLiteral("Q2, Q5 — последняя буква должна совпасть с запомненной:"),
        QStringLiteral("совпала — стираем её и возвращаемся (Q3), нет — Q6."),
        QStringLiteral("Пробел здесь: от слова оставалась одна буква."),
        QStringLiteral("Q3 — идём влево к началу оставшегося слова."),
        QStringLiteral("Q6 — не палиндром: стираем остаток слова, пишем 0."),
    };
    e.cases = QStringLiteral(
        "# Слово из a и b с клетки 1, каретка на первой букве.\n"
        "# Ответ: 1 — палиндром, 0 — нет.\n"
        "abba => 1\n"
        "a => 1\n"
        "aba => 1\n"
        "aabaa => 1\n"
        "baab => 1\n"
        "ab => 0\n"
        "abab => 0\n"
        "bbaa => 0\n"
        "aabab => 0\n"
        " => 1\n");
    return e;
}

TuringExample CopyWord() {
    TuringExample e;
    e.name = QStringLiteral("turing-copy-word");
    e.statement = {
        QStringLiteral("Скопировать слово."),
        QStringLiteral("На ленте записано слово из букв a и b, каретка стоит на его"),
        QStringLiteral("первой букве. Нужно записать справа от слова, через один"),
        QStringLiteral("пробел, его копию: из ab получается ab ab. Слово записано со"),
        QStringLiteral("второй клетки. Скопированные буквы временно помечаются"),
        QStringLiteral("заглавными A и B."),
    };
    e.alphabet = QStringLiteral("abAB");
    e.tape = QStringLiteral("abb");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'a', QStringLiteral("A>1")}, {0, u'b', QStringLiteral("B>4")},
        {0, u'_', QStringLiteral("_<7")}, {1, u'a', QStringLiteral("a>1")},
        {1, u'b', QStringLiteral("b>1")}, {1, u'_', QStringLiteral("_>2")},
        {2, u'a', QStringLiteral("a>2")}, {2, u'b', QStringLiteral("b>2")},
        {2, u'_', QStringLiteral("a<3")}, {3, u'a', QStringLiteral("a<3")},
        {3, u'b', QStringLiteral("b<3")}, {3, u'_', QStringLiteral("_<6")},
        {4, u'a', QStringLiteral("a>4")}, {4, u'b', QStringLiteral("b>4")},
        {4, u'_', QStringLiteral("_>5")}, {5, u'a', QStringLiteral("a>5")},
        {5, u'b', QStringLiteral("b>5")}, {5, u'_', QStringLiteral("b<3")},
        {6, u'a', QStringLiteral("a<6")}, {6, u'b', QStringLiteral("b<6")},
        {6, u'A', QStringLiteral("A>0")}, {6, u'B', QStringLiteral("B>0")},
        {7, u'A', QStringLiteral("a<7")}, {7, u'B', QStringLiteral("b<7")},
        {7, u'_', QStringLiteral("_!7")},
    };
    e.comments = {
        QStringLiteral("Q0 — берём следующую букву слова и помечаем её заглавной:"),
        QStringLiteral("a — в Q1, b — в Q4. Пробел: слово скопировано, Q7."),
        QStringLiteral("Q1, Q4 — идём вправо до конца слова и через пробел."),
        QStringLiteral("Q2, Q5 — идём вправо до конца копии и дописываем букву."),
        QStringLiteral("Q3 — идём влево по копии до пробела."),
        QStringLiteral("Q6 — идём влево по слову до помеченной буквы."),
        QStringLiteral("Q7 — идём влево, возвращая буквам строчный вид; стоп на"),
        QStringLiteral("пробеле перед словом."),
    };
    e.cases = QStringLiteral(
        "# Слово из a и b с клетки 2, каретка на первой букве.\n"
        "--start 2\n"
        "abb => abb_abb\n"
        "a => a_a\n"
        "b => b_b\n"
        "ab => ab_ab\n"
        "babab => babab_babab\n"
        "# пустое слово: копировать нечего\n"
        " => \n");
    return e;
}

TuringExample BusyBeaver() {
    TuringExample e;
    e.name = QStringLiteral("turing-busy-beaver");
    e.statement = {
        QStringLiteral("Трудолюбивый бобёр с тремя состояниями."),
        QStringLiteral("Лента пуста. Программа из трёх состояний (не считая"),
        QStringLiteral("остановки) над алфавитом из одной единицы должна"),
        QStringLiteral("остановиться, записав на ленту как можно больше единиц."),
        QStringLiteral("Больше шести единиц машина с тремя состояниями записать не"),
        QStringLiteral("может; эта программа записывает шесть за 14 шагов."),
    };
    e.alphabet = QStringLiteral("1");
    e.start = 10;
    e.carriage = 10;
    e.rules = {
        {0, u'_', QStringLiteral("1>1")}, {0, u'1', QStringLiteral("1!0")},
        {1, u'_', QStringLiteral("_>2")}, {1, u'1', QStringLiteral("1>1")},
        {2, u'_', QStringLiteral("1<2")}, {2, u'1', QStringLiteral("1<0")},
    };
    e.comments = {
        QStringLiteral("Состояния бобра: A — Q0, B — Q1, C — Q2."),
        QStringLiteral("Каретка стоит на клетке 10, чтобы ей хватило места слева."),
    };
    e.cases = QStringLiteral(
        "# Пустая лента, каретка на клетке 10.\n"
        "--start 10\n"
        " => 111111\n");
    return e;
}

}  // namespace

QVector<TuringExample> TuringExamples() {
    return {BinaryIncrement(), UnaryAdd(), UnaryToBinary(), Palindrome(), CopyWord(), BusyBeaver()};
}
