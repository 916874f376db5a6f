#pragma once
// The words a screen reader says for what the window draws as pictures: a
// tape cell, a Post command row and a Turing command cell. They are composed
// from the models when an accessible name is asked for, never stored, and
// go through Qt's translation ("SpokenText" context) like every other text.
// Reading a tape cell never pads the tape's strings.

#include <QString>

class PostTable;
class TapeStore;

namespace SpokenText {

// "ячейка 3, метка, каретка": the cell's number, its content (Post: «метка»
// or «пусто»; Turing: the symbol or «пробел») and «каретка» on the
// carriage's cell. Post tapes are marked or not; `post` says which kind.
QString TapeCell(const TapeStore& tape, bool post, int cell);

// A Post program row read as words, led by its number: "3: поставить
// метку, затем 4", "5: если нет метки — 7, иначе 2", "6: стоп",
// "2: пусто". A jump field a run would refuse is read as it stands.
QString PostRow(PostTable& table, int row);

// A Turing command cell of state `state` read as words: "Q1: записать 1,
// вправо, в Q2"; the blank is «пробел», the moves «влево», «вправо» and
// «стоп» (the machine halts after writing). An empty cell is «пусто»; a
// text the interpreter cannot read is given as it stands.
QString TuringCell(int state, const QString& command);

}  // namespace SpokenText
