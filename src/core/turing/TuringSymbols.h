#pragma once
// The alphabet's positions by symbol, rebuilt with the alphabet, so that a
// tick finds the table row of the symbol under the carriage without
// searching: a table for the first 256 code points, a search for the rest.

#include <QString>
#include <array>

class TuringSymbols {
public:
    void Rebuild(const QString& alphabet) {
        alphabet_ = alphabet;
        positions_.fill(0);
        for (qsizetype i = alphabet.size() - 1; i >= 0; --i) {
            const char16_t c = alphabet[i].unicode();
            if (c < positions_.size()) {
                positions_[c] = int(i) + 1;
            }
        }
    }
    // The 1-based position of `symbol` in the alphabet, 0 when it is not there.
    int PositionOf(QChar symbol) const {
        const char16_t c = symbol.unicode();
        if (c < positions_.size()) {
            return positions_[c];
        }
        return int(alphabet_.indexOf(symbol)) + 1;
    }

private:
    QString alphabet_;
    std::array<int, 256> positions_{};
};
