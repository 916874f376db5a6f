#include "core/post/PostTable.h"

#include <algorithm>

PostTable::PostTable(QObject* parent) : TextTable(ColumnCount, InitialRows + 1, parent) {
    Reset();
}

QString PostTable::HeaderCaption(int col) {
    switch (col) {
        case ColNumber:
            return QStringLiteral("Номер");
        case ColCommand:
            return QStringLiteral("Команда");
        case ColJump:
            return QStringLiteral("Отсылка");
        case ColComment:
            return QStringLiteral("Комментарии");
        default:
            return QString();
    }
}

void PostTable::SetProgramRows(int n) {
    const int old = ProgramRows();
    SetRowCount(std::max(n, 1) + 1);
    for (int row = old + 1; row <= ProgramRows(); ++row) {
        Renumber(row);
    }
}

void PostTable::Renumber(int row) {
    if (IsProgramRow(row)) {
        SetCell(ColNumber, row, QString::number(row));
    }
}

void PostTable::Reset() {
    SetRowCount(InitialRows + 1);
    ClearAll();
    for (int row = 1; row <= ProgramRows(); ++row) {
        Renumber(row);
    }
}
