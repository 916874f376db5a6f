#include "core/machine/EditKind.h"

QString EditCaption(EditKind kind) {
    switch (kind) {
        case EditKind::None:
            break;
        case EditKind::InsertRow:
            return QStringLiteral("вставка строки");
        case EditKind::DeleteRow:
            return QStringLiteral("удаление строки");
        case EditKind::AppendRow:
            return QStringLiteral("добавление строки");
        case EditKind::InsertColumn:
            return QStringLiteral("вставка столбца");
        case EditKind::DeleteColumn:
            return QStringLiteral("удаление столбца");
        case EditKind::AppendColumn:
            return QStringLiteral("добавление столбца");
        case EditKind::ClearTable:
            return QStringLiteral("очистка таблицы");
        case EditKind::ClearRow:
            return QStringLiteral("очистка строки");
        case EditKind::ClearColumn:
            return QStringLiteral("очистка столбца");
        case EditKind::ClearCell:
            return QStringLiteral("очистка ячейки");
        case EditKind::ClearCells:
            return QStringLiteral("очистка ячеек");
        case EditKind::ChangeMarks:
            return QStringLiteral("изменение меток");
        case EditKind::WriteTape:
            return QStringLiteral("запись на ленту");
        case EditKind::ClearTape:
            return QStringLiteral("очистка ленты");
        case EditKind::RestoreTape:
            return QStringLiteral("восстановление ленты");
        case EditKind::MoveCarriage:
            return QStringLiteral("сдвиг каретки");
        case EditKind::LoadTest:
            return QStringLiteral("загрузка теста");
        case EditKind::TestResult:
            return QStringLiteral("результат теста");
        case EditKind::ClearStatement:
            return QStringLiteral("очистка условия задачи");
        case EditKind::ClearComments:
            return QStringLiteral("очистка комментариев");
        case EditKind::ClearAlphabet:
            return QStringLiteral("очистка алфавита");
        case EditKind::ClearAll:
            return QStringLiteral("очистка всего");
        case EditKind::Run:
            return QStringLiteral("выполнение программы");
        case EditKind::ChangeTape:
            return QStringLiteral("изменение ленты");
        case EditKind::ChangeAlphabet:
            return QStringLiteral("изменение алфавита");
        case EditKind::ChangeTable:
            return QStringLiteral("изменение таблицы");
        case EditKind::ChangeComments:
            return QStringLiteral("изменение комментариев");
        case EditKind::ChangeStatement:
            return QStringLiteral("изменение условия задачи");
    }
    return QString();
}
