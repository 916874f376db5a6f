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

TuringExample BinaryDecrement() {
    TuringExample e;
    e.name = QStringLiteral("turing-binary-decrement");
    e.statement = {
        QStringLiteral("Вычесть единицу из двоичного числа."),
        QStringLiteral("На ленте записано двоичное число n > 0 без ведущих нулей,"),
        QStringLiteral("каретка стоит на его старшей (самой левой) цифре. Нужно"),
        QStringLiteral("уменьшить число на единицу. Ведущий ноль, если он появился"),
        QStringLiteral("(из 1000 получается 0111), стирается: ответ 111. Из 1"),
        QStringLiteral("получается 0. Число записано со второй клетки: слева от него"),
        QStringLiteral("есть место, чтобы заметить его начало."),
    };
    e.alphabet = QStringLiteral("01");
    e.tape = QStringLiteral("1100");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'0', QStringLiteral("0>0")}, {0, u'1', QStringLiteral("1>0")},
        {0, u'_', QStringLiteral("_<1")}, {1, u'0', QStringLiteral("1<1")},
        {1, u'1', QStringLiteral("0<2")}, {2, u'0', QStringLiteral("0!2")},
        {2, u'1', QStringLiteral("1!2")}, {2, u'_', QStringLiteral("_>3")},
        {3, u'0', QStringLiteral("_>4")}, {4, u'0', QStringLiteral("0!4")},
        {4, u'1', QStringLiteral("1!4")}, {4, u'_', QStringLiteral("0!4")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца числа, на пробеле шаг назад."),
        QStringLiteral("Q1 — заём: 0 меняем на 1 и идём влево; 1 меняем на 0, Q2."),
        QStringLiteral("Q2 — слева ещё цифра: число готово, стоп. Пробел: только что"),
        QStringLiteral("обнулённая единица была старшей цифрой, возвращаемся к ней."),
        QStringLiteral("Q3 — стираем ведущий ноль."),
        QStringLiteral("Q4 — справа есть цифры: стоп; пробел: число было 1, пишем 0."),
    };
    e.cases = QStringLiteral(
        "# Двоичное число с клетки 2, каретка на старшей цифре.\n"
        "--start 2\n"
        "1100 => 1011\n"
        "# n = 1 и n = 2\n"
        "1 => 0\n"
        "10 => 1\n"
        "11 => 10\n"
        "101 => 100\n"
        "1000 => 111\n"
        "100000 => 11111\n"
        "1011 => 1010\n"
        "110001 => 110000\n");
    return e;
}

TuringExample UnarySubtract() {
    TuringExample e;
    e.name = QStringLiteral("turing-unary-subtract");
    e.statement = {
        QStringLiteral("Вычесть из большего числа меньшее в единичной записи."),
        QStringLiteral("На ленте записано выражение вида 1111-11: два числа a и b"),
        QStringLiteral("палочками (a >= b >= 0) и знак минус между ними. Каретка стоит"),
        QStringLiteral("на первом символе. Нужно оставить на ленте разность a - b:"),
        QStringLiteral("11. Если a = b, лента остаётся пустой. Выражение записано со"),
        QStringLiteral("второй клетки: слева от него есть место, чтобы заметить его"),
        QStringLiteral("начало."),
    };
    e.alphabet = QStringLiteral("1-");
    e.tape = QStringLiteral("1111-11");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'1', QStringLiteral("1>0")}, {0, u'-', QStringLiteral("->0")},
        {0, u'_', QStringLiteral("_<1")}, {1, u'1', QStringLiteral("_<2")},
        {1, u'-', QStringLiteral("_!1")}, {2, u'1', QStringLiteral("1<2")},
        {2, u'-', QStringLiteral("-<2")}, {2, u'_', QStringLiteral("_>3")},
        {3, u'1', QStringLiteral("_>0")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца выражения, на пробеле шаг назад."),
        QStringLiteral("Q1 — стираем последнюю единицу вычитаемого; если вместо неё"),
        QStringLiteral("минус, вычитаемое исчерпано: стираем минус, стоп."),
        QStringLiteral("Q2 — идём влево до начала выражения."),
        QStringLiteral("Q3 — стираем первую единицу уменьшаемого и идём в Q0."),
    };
    e.cases = QStringLiteral(
        "# Выражение a-b с клетки 2, каретка на первом символе.\n"
        "--start 2\n"
        "1111-11 => 11\n"
        "11-1 => 1\n"
        "11111111-111 => 11111\n"
        "# b = 0\n"
        "111- => 111\n"
        "1- => 1\n"
        "# a = b: лента пустая\n"
        "1-1 => \n"
        "111-111 => \n"
        "# a = b = 0\n"
        "- => \n");
    return e;
}

TuringExample UnaryMultiply() {
    TuringExample e;
    e.name = QStringLiteral("turing-unary-multiply");
    e.statement = {
        QStringLiteral("Умножить два числа в единичной записи."),
        QStringLiteral("На ленте записано выражение вида 11*111: два числа a и b"),
        QStringLiteral("палочками (a >= 0, b >= 0) и знак умножения между ними."),
        QStringLiteral("Каретка стоит на первом символе. Нужно оставить на ленте"),
        QStringLiteral("произведение: 111111. Если a или b равно нулю, лента"),
        QStringLiteral("остаётся пустой. Выражение записано со второй клетки."),
        QStringLiteral("Подсказка: за каждую единицу числа a допишите справа копию"),
        QStringLiteral("числа b; скопированные единицы временно помечайте буквой x."),
    };
    e.alphabet = QStringLiteral("1*=x");
    e.tape = QStringLiteral("11*111");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'1', QStringLiteral("1>0")}, {0, u'*', QStringLiteral("*>0")},
        {0, u'_', QStringLiteral("=<1")}, {1, u'1', QStringLiteral("1<1")},
        {1, u'*', QStringLiteral("*<1")}, {1, u'_', QStringLiteral("_>2")},
        {2, u'1', QStringLiteral("_>3")}, {2, u'*', QStringLiteral("_>7")},
        {3, u'1', QStringLiteral("1>3")}, {3, u'*', QStringLiteral("*>4")},
        {4, u'1', QStringLiteral("x>5")}, {4, u'=', QStringLiteral("=<6")},
        {4, u'x', QStringLiteral("x>4")}, {5, u'1', QStringLiteral("1>5")},
        {5, u'=', QStringLiteral("=>5")}, {5, u'_', QStringLiteral("1<8")},
        {6, u'*', QStringLiteral("*<1")}, {6, u'x', QStringLiteral("1<6")},
        {7, u'1', QStringLiteral("_>7")}, {7, u'=', QStringLiteral("_!7")},
        {8, u'1', QStringLiteral("1<8")}, {8, u'=', QStringLiteral("=<8")},
        {8, u'x', QStringLiteral("x>4")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца выражения и пишем там знак ="),
        QStringLiteral("(за ним будет расти произведение)."),
        QStringLiteral("Q1 — идём влево до начала выражения."),
        QStringLiteral("Q2 — стираем первую единицу числа a (Q3); если вместо неё"),
        QStringLiteral("знак *, число a исчерпано: стираем его, Q7."),
        QStringLiteral("Q3 — идём вправо до знака *."),
        QStringLiteral("Q4 — ищем в числе b следующую нескопированную единицу и"),
        QStringLiteral("помечаем её буквой x (Q5); знак =: копия b дописана, Q6."),
        QStringLiteral("Q5 — идём вправо в конец произведения и дописываем единицу."),
        QStringLiteral("Q8 — идём влево до последней помеченной единицы, затем Q4."),
        QStringLiteral("Q6 — возвращаем числу b единицы вместо x и идём в Q1."),
        QStringLiteral("Q7 — стираем число b и знак =, стоп: осталось произведение."),
    };
    e.cases = QStringLiteral(
        "# Выражение a*b с клетки 2, каретка на первом символе.\n"
        "--start 2\n"
        "11*111 => 111111\n"
        "1*1 => 1\n"
        "111*1 => 111\n"
        "1*1111 => 1111\n"
        "111*111 => 111111111\n"
        "1111*11111 => 11111111111111111111\n"
        "# один из множителей равен нулю: лента пустая\n"
        "*111 => \n"
        "11* => \n"
        "* => \n");
    return e;
}

TuringExample ReverseWord() {
    TuringExample e;
    e.name = QStringLiteral("turing-reverse-word");
    e.statement = {
        QStringLiteral("Записать слово задом наперёд."),
        QStringLiteral("На ленте записано слово из букв a и b, каретка стоит на его"),
        QStringLiteral("первой букве. Нужно оставить на ленте это слово, записанное"),
        QStringLiteral("в обратном порядке: из aab получается baa. Слово записано со"),
        QStringLiteral("второй клетки. Подсказка: переносите буквы по одной, начиная"),
        QStringLiteral("с последней, за знак = в конце слова; перенесённые буквы"),
        QStringLiteral("временно помечайте буквой x."),
    };
    e.alphabet = QStringLiteral("abx=");
    e.tape = QStringLiteral("aab");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'a', QStringLiteral("a>0")}, {0, u'b', QStringLiteral("b>0")},
        {0, u'_', QStringLiteral("=<1")}, {1, u'a', QStringLiteral("x>2")},
        {1, u'b', QStringLiteral("x>3")}, {1, u'x', QStringLiteral("x<1")},
        {1, u'=', QStringLiteral("=<1")}, {1, u'_', QStringLiteral("_>4")},
        {2, u'a', QStringLiteral("a>2")}, {2, u'b', QStringLiteral("b>2")},
        {2, u'x', QStringLiteral("x>2")}, {2, u'=', QStringLiteral("=>2")},
        {2, u'_', QStringLiteral("a<5")}, {3, u'a', QStringLiteral("a>3")},
        {3, u'b', QStringLiteral("b>3")}, {3, u'x', QStringLiteral("x>3")},
        {3, u'=', QStringLiteral("=>3")}, {3, u'_', QStringLiteral("b<5")},
        {4, u'x', QStringLiteral("_>4")}, {4, u'=', QStringLiteral("_!4")},
        {5, u'a', QStringLiteral("a<5")}, {5, u'b', QStringLiteral("b<5")},
        {5, u'=', QStringLiteral("=<1")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца слова и пишем там знак =."),
        QStringLiteral("Q1 — идём влево через помеченные буквы к последней"),
        QStringLiteral("непомеченной; помечаем её x и запоминаем: a — Q2, b — Q3."),
        QStringLiteral("Пробел: все буквы перенесены, Q4."),
        QStringLiteral("Q2, Q3 — идём вправо в конец ответа и дописываем букву."),
        QStringLiteral("Q5 — идём влево по ответу до знака =, затем Q1."),
        QStringLiteral("Q4 — стираем помеченные буквы и знак =, стоп: остался ответ."),
    };
    e.cases = QStringLiteral(
        "# Слово из a и b с клетки 2, каретка на первой букве.\n"
        "--start 2\n"
        "aab => baa\n"
        "a => a\n"
        "b => b\n"
        "ab => ba\n"
        "abba => abba\n"
        "abbab => babba\n"
        "bbbaaab => baaabbb\n"
        "# пустое слово\n"
        " => \n");
    return e;
}

TuringExample Brackets() {
    TuringExample e;
    e.name = QStringLiteral("turing-brackets");
    e.statement = {
        QStringLiteral("Проверить расстановку скобок."),
        QStringLiteral("На ленте записано слово из круглых скобок ( и ), каретка"),
        QStringLiteral("стоит на его первом символе. Нужно стереть слово и оставить"),
        QStringLiteral("на ленте 1, если скобки расставлены правильно, как в (()())"),
        QStringLiteral("или (())(): у каждой открывающей скобки есть своя закрывающая"),
        QStringLiteral("правее неё и лишних закрывающих нет. Иначе оставить 0."),
        QStringLiteral("Пустое слово расставлено правильно. Слово записано со второй"),
        QStringLiteral("клетки. Подсказка: находите первую закрывающую скобку и"),
        QStringLiteral("ближайшую к ней слева открывающую и вычёркивайте обе,"),
        QStringLiteral("заменяя буквой x."),
    };
    e.alphabet = QStringLiteral("()x01");
    e.tape = QStringLiteral("(()())");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'(', QStringLiteral("(>0")}, {0, u')', QStringLiteral("x<1")},
        {0, u'x', QStringLiteral("x>0")}, {0, u'_', QStringLiteral("_<2")},
        {1, u'(', QStringLiteral("x>0")}, {1, u'x', QStringLiteral("x<1")},
        {1, u'_', QStringLiteral("_>4")}, {2, u'(', QStringLiteral("_<3")},
        {2, u'x', QStringLiteral("_<2")}, {2, u'_', QStringLiteral("1!2")},
        {3, u'(', QStringLiteral("_<3")}, {3, u'x', QStringLiteral("_<3")},
        {3, u'_', QStringLiteral("0!3")}, {4, u'(', QStringLiteral("_>4")},
        {4, u')', QStringLiteral("_>4")}, {4, u'x', QStringLiteral("_>4")},
        {4, u'_', QStringLiteral("0!4")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до первой закрывающей скобки, вычёркиваем"),
        QStringLiteral("её (Q1). Пробел: закрывающих больше нет, Q2."),
        QStringLiteral("Q1 — идём влево до ближайшей открывающей скобки, вычёркиваем"),
        QStringLiteral("её и снова в Q0. Пробел: пары нет, Q4."),
        QStringLiteral("Q2 — идём влево, стирая вычеркнутое; открывающая скобка без"),
        QStringLiteral("пары — Q3; пробел: всё сошлось, пишем 1."),
        QStringLiteral("Q3 — стираем остаток слова влево и пишем 0."),
        QStringLiteral("Q4 — стираем слово вправо и пишем 0."),
    };
    e.cases = QStringLiteral(
        "# Слово из скобок с клетки 2, каретка на первом символе.\n"
        "# Ответ: 1 — скобки расставлены правильно, 0 — нет.\n"
        "--start 2\n"
        "(()()) => 1\n"
        "() => 1\n"
        "()() => 1\n"
        "((())) => 1\n"
        "(())(()()) => 1\n"
        "( => 0\n"
        ") => 0\n"
        ")( => 0\n"
        "(() => 0\n"
        "()) => 0\n"
        "(()))( => 0\n"
        "# пустое слово\n"
        " => 1\n");
    return e;
}

TuringExample BinaryToUnary() {
    TuringExample e;
    e.name = QStringLiteral("turing-binary-to-unary");
    e.statement = {
        QStringLiteral("Перевести число из двоичной записи в единичную."),
        QStringLiteral("На ленте записано двоичное число n, каретка стоит на его"),
        QStringLiteral("старшей (самой левой) цифре. Нужно оставить на ленте то же"),
        QStringLiteral("число палочками: n единиц подряд (для n = 0 лента остаётся"),
        QStringLiteral("пустой). Число записано со второй клетки. Подсказка:"),
        QStringLiteral("вычитайте из двоичного числа по единице и за каждую"),
        QStringLiteral("дописывайте справа, через пробел, палочку; когда вычитать"),
        QStringLiteral("станет нечего, сотрите двоичное число."),
    };
    e.alphabet = QStringLiteral("01");
    e.tape = QStringLiteral("101");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'0', QStringLiteral("0>0")}, {0, u'1', QStringLiteral("1>0")},
        {0, u'_', QStringLiteral("_<1")}, {1, u'0', QStringLiteral("1<1")},
        {1, u'1', QStringLiteral("0>2")}, {1, u'_', QStringLiteral("_>5")},
        {2, u'0', QStringLiteral("0>2")}, {2, u'1', QStringLiteral("1>2")},
        {2, u'_', QStringLiteral("_>3")}, {3, u'1', QStringLiteral("1>3")},
        {3, u'_', QStringLiteral("1<4")}, {4, u'1', QStringLiteral("1<4")},
        {4, u'_', QStringLiteral("_<1")}, {5, u'1', QStringLiteral("_>5")},
        {5, u'_', QStringLiteral("_!5")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца двоичного числа, шаг назад."),
        QStringLiteral("Q1 — вычитаем единицу: 0 меняем на 1 и идём влево (заём);"),
        QStringLiteral("1 меняем на 0, Q2. Пробел: заём ушёл за старшую цифру, число"),
        QStringLiteral("было нулём (теперь оно из одних единиц) — Q5."),
        QStringLiteral("Q2 — идём вправо до пробела за двоичным числом."),
        QStringLiteral("Q3 — идём вправо в конец палочек и дописываем одну."),
        QStringLiteral("Q4 — идём влево через палочки и пробел к двоичному числу."),
        QStringLiteral("Q5 — стираем двоичное число, стоп на пробеле за ним."),
    };
    e.cases = QStringLiteral(
        "# Двоичное число с клетки 2, каретка на старшей цифре.\n"
        "--start 2\n"
        "101 => 11111\n"
        "1 => 1\n"
        "10 => 11\n"
        "11 => 111\n"
        "1000 => 11111111\n"
        "1101 => 1111111111111\n"
        "10100 => 11111111111111111111\n"
        "# ведущие нули не мешают\n"
        "0011 => 111\n"
        "# n = 0\n"
        "0 => \n"
        "000 => \n");
    return e;
}

TuringExample BusyBeaver2() {
    TuringExample e;
    e.name = QStringLiteral("turing-busy-beaver-2");
    e.statement = {
        QStringLiteral("Трудолюбивый бобёр с двумя состояниями."),
        QStringLiteral("Лента пуста. Программа из двух состояний (не считая"),
        QStringLiteral("остановки) над алфавитом из одной единицы должна"),
        QStringLiteral("остановиться, записав на ленту как можно больше единиц."),
        QStringLiteral("Больше четырёх единиц машина с двумя состояниями записать не"),
        QStringLiteral("может, и дольше шести шагов ни одна такая машина, которая"),
        QStringLiteral("останавливается, не работает. Эта программа записывает"),
        QStringLiteral("четыре единицы за 6 шагов (считая шаг остановки)."),
    };
    e.alphabet = QStringLiteral("1");
    e.start = 10;
    e.carriage = 10;
    e.rules = {
        {0, u'_', QStringLiteral("1>1")},
        {0, u'1', QStringLiteral("1<1")},
        {1, u'_', QStringLiteral("1<0")},
        {1, u'1', QStringLiteral("1!1")},
    };
    e.comments = {
        QStringLiteral("Состояния бобра: A — Q0, B — Q1."),
        QStringLiteral("Каретка стоит на клетке 10, чтобы ей хватило места слева."),
    };
    e.cases = QStringLiteral(
        "# Пустая лента, каретка на клетке 10. Бобёр останавливается через\n"
        "# 6 шагов; число шагов файл проверок не проверяет, его печатает\n"
        "# zebrin42-run (\"stopped after 6 steps\").\n"
        "--start 10\n"
        " => 1111\n");
    return e;
}

TuringExample BusyBeaver3() {
    TuringExample e;
    e.name = QStringLiteral("turing-busy-beaver-3");
    e.statement = {
        QStringLiteral("Самый долгий бобёр с тремя состояниями."),
        QStringLiteral("Лента пуста. Программа из трёх состояний (не считая"),
        QStringLiteral("остановки) над алфавитом из одной единицы должна"),
        QStringLiteral("остановиться, сделав как можно больше шагов. Дольше 21 шага"),
        QStringLiteral("ни одна машина с тремя состояниями, которая останавливается,"),
        QStringLiteral("не работает. Эта программа делает 21 шаг (считая шаг"),
        QStringLiteral("остановки) и записывает пять единиц. Больше всего единиц,"),
        QStringLiteral("шесть, записывает другая программа: turing-busy-beaver."),
    };
    e.alphabet = QStringLiteral("1");
    e.start = 10;
    e.carriage = 10;
    e.rules = {
        {0, u'_', QStringLiteral("1>1")}, {0, u'1', QStringLiteral("1!0")},
        {1, u'_', QStringLiteral("1<1")}, {1, u'1', QStringLiteral("_>2")},
        {2, u'_', QStringLiteral("1<2")}, {2, u'1', QStringLiteral("1<0")},
    };
    e.comments = {
        QStringLiteral("Состояния бобра: A — Q0, B — Q1, C — Q2."),
        QStringLiteral("Каретка стоит на клетке 10, чтобы ей хватило места слева."),
    };
    e.cases = QStringLiteral(
        "# Пустая лента, каретка на клетке 10. Бобёр останавливается через\n"
        "# 21 шаг; число шагов файл проверок не проверяет, его печатает\n"
        "# zebrin42-run (\"stopped after 21 steps\").\n"
        "--start 10\n"
        " => 11111\n");
    return e;
}

TuringExample BusyBeaver4() {
    TuringExample e;
    e.name = QStringLiteral("turing-busy-beaver-4");
    e.statement = {
        QStringLiteral("Трудолюбивый бобёр с четырьмя состояниями."),
        QStringLiteral("Лента пуста. Программа из четырёх состояний (не считая"),
        QStringLiteral("остановки) над алфавитом из одной единицы должна"),
        QStringLiteral("остановиться, записав на ленту как можно больше единиц."),
        QStringLiteral("Больше тринадцати единиц машина с четырьмя состояниями"),
        QStringLiteral("записать не может, и дольше 107 шагов ни одна такая машина,"),
        QStringLiteral("которая останавливается, не работает. Эта программа"),
        QStringLiteral("записывает тринадцать единиц за 107 шагов (считая шаг"),
        QStringLiteral("остановки)."),
    };
    e.alphabet = QStringLiteral("1");
    e.start = 12;
    e.carriage = 12;
    e.rules = {
        {0, u'_', QStringLiteral("1>1")}, {0, u'1', QStringLiteral("1<1")},
        {1, u'_', QStringLiteral("1<0")}, {1, u'1', QStringLiteral("_<2")},
        {2, u'_', QStringLiteral("1!2")}, {2, u'1', QStringLiteral("1<3")},
        {3, u'_', QStringLiteral("1>3")}, {3, u'1', QStringLiteral("_>0")},
    };
    e.comments = {
        QStringLiteral("Состояния бобра: A — Q0, B — Q1, C — Q2, D — Q3."),
        QStringLiteral("Каретка стоит на клетке 12: бобёр уходит от неё на десять"),
        QStringLiteral("клеток влево."),
    };
    e.cases = QStringLiteral(
        "# Пустая лента, каретка на клетке 12. Бобёр останавливается через\n"
        "# 107 шагов; число шагов файл проверок не проверяет, его печатает\n"
        "# zebrin42-run (\"stopped after 107 steps\").\n"
        "--start 12\n"
        " => 1_111111111111\n");
    return e;
}

TuringExample CountToPower() {
    TuringExample e;
    e.name = QStringLiteral("turing-count-to-power");
    e.statement = {
        QStringLiteral("Досчитать до 2^n по единице."),
        QStringLiteral("На ленте со второй клетки записаны n нулей: число 0 в n двоичных"),
        QStringLiteral("разрядах. Каретка стоит на старшем разряде. Нужно прибавлять к"),
        QStringLiteral("числу по единице, пока разряды не переполнятся, и записать слева"),
        QStringLiteral("единицу переноса: на ленте получится 2^n, единица и n нулей."),
        QStringLiteral("Программа делает 2^n прибавлений, и её шаги растут как 2^n:"),
        QStringLiteral("это видно на вкладке «Рост» проверки по тестам."),
    };
    e.alphabet = QStringLiteral("01");
    e.tape = QStringLiteral("000");
    e.start = 2;
    e.carriage = 2;
    e.rules = {
        {0, u'0', QStringLiteral("0>0")}, {0, u'1', QStringLiteral("1>0")},
        {0, u'_', QStringLiteral("_<1")}, {1, u'0', QStringLiteral("1>0")},
        {1, u'1', QStringLiteral("0<1")}, {1, u'_', QStringLiteral("1!1")},
    };
    e.comments = {
        QStringLiteral("Q0 — идём вправо до конца числа, на пробеле шаг назад."),
        QStringLiteral("Q1 — прибавляем единицу: 1 меняем на 0 и идём влево; 0 меняем"),
        QStringLiteral("на 1 и снова идём к концу числа. Пробел слева от числа значит,"),
        QStringLiteral("что все разряды переполнились: пишем единицу и останавливаемся."),
    };
    e.cases = QStringLiteral(
        "# n нулей с клетки 2, каретка на старшем разряде; на ленте должно\n"
        "# остаться 2^n: единица в клетке 1 и n нулей.\n"
        "--start 2\n"
        "000 => 1000\n"
        "0 => 10\n"
        "00 => 100\n"
        "0000 => 10000\n"
        "00000 => 100000\n"
        "000000 => 1000000\n"
        "0000000 => 10000000\n"
        "00000000 => 100000000\n");
    return e;
}

}  // namespace

QVector<TuringExample> TuringExamples() {
    return {BinaryIncrement(), UnaryAdd(),    UnaryToBinary(),   Palindrome(),
            CopyWord(),        BusyBeaver(),  BinaryDecrement(), UnarySubtract(),
            UnaryMultiply(),   ReverseWord(), Brackets(),        BinaryToUnary(),
            BusyBeaver2(),     BusyBeaver3(), BusyBeaver4(),     CountToPower()};
}
