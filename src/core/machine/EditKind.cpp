#include "core/machine/EditKind.h"
#include "core/text/Language.h"

QString EditCaption(EditKind kind) {
    switch (kind) {
        case EditKind::None:
            break;
        case EditKind::InsertRow:
            return Tr("EditKind", "вставка строки");
        case EditKind::DeleteRow:
            return Tr("EditKind", "удаление строки");
        case EditKind::AppendRow:
            return Tr("EditKind", "добавление строки");
        case EditKind::InsertColumn:
            return Tr("EditKind", "вставка столбца");
        case EditKind::DeleteColumn:
            return Tr("EditKind", "удаление столбца");
        case EditKind::AppendColumn:
            return Tr("EditKind", "добавление столбца");
        case EditKind::ClearTable:
            return Tr("EditKind", "очистка таблицы");
        case EditKind::ClearRow:
            return Tr("EditKind", "очистка строки");
        case EditKind::ClearColumn:
            return Tr("EditKind", "очистка столбца");
        case EditKind::ClearCell:
            return Tr("EditKind", "очистка ячейки");
        case EditKind::ClearCells:
            return Tr("EditKind", "очистка ячеек");
        case EditKind::ChangeMarks:
            return Tr("EditKind", "изменение меток");
        case EditKind::WriteTape:
            return Tr("EditKind", "запись на ленту");
        case EditKind::ClearTape:
            return Tr("EditKind", "очистка ленты");
        case EditKind::RestoreTape:
            return Tr("EditKind", "восстановление ленты");
        case EditKind::MoveCarriage:
            return Tr("EditKind", "сдвиг каретки");
        case EditKind::LoadTest:
            return Tr("EditKind", "загрузка теста");
        case EditKind::TestResult:
            return Tr("EditKind", "результат теста");
        case EditKind::ClearStatement:
            return Tr("EditKind", "очистка условия задачи");
        case EditKind::ClearComments:
            return Tr("EditKind", "очистка комментариев");
        case EditKind::ClearAlphabet:
            return Tr("EditKind", "очистка алфавита");
        case EditKind::ClearAll:
            return Tr("EditKind", "очистка всего");
        case EditKind::Run:
            return Tr("EditKind", "выполнение программы");
        case EditKind::ChangeTape:
            return Tr("EditKind", "изменение ленты");
        case EditKind::ChangeAlphabet:
            return Tr("EditKind", "изменение алфавита");
        case EditKind::ChangeTable:
            return Tr("EditKind", "изменение таблицы");
        case EditKind::ChangeComments:
            return Tr("EditKind", "изменение комментариев");
        case EditKind::ChangeStatement:
            return Tr("EditKind", "изменение условия задачи");
    }
    return QString();
}
