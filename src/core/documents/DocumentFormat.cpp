#include "core/documents/DocumentFormat.h"

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"

const DocumentFormat& DocumentFormat::Of(MachineKind kind) {
    // Made on first use, so it does not depend on the order in which the
    // magic constants and this table are initialised.
    static const PerMachine<DocumentFormat> formats{
        {MachineKind::Post, DocumentFile::kPostMagic, QStringLiteral("pst"),
         QStringLiteral("Машина Поста|*.pst"), QStringLiteral("Открытие Машины Поста"),
         QStringLiteral("Интерпретатор машины Поста"), QStringLiteral("<Сохранить машину Поста - "),
         &ReadPostFile, &WritePostFile},
        {MachineKind::Turing, DocumentFile::kTuringMagic, QStringLiteral("tur"),
         QStringLiteral("Машина Тьюринга|*.tur"), QStringLiteral("Открытие Машины Тьюринга"),
         QStringLiteral("Интерпретатор машины Тьюринга"),
         QStringLiteral("<Сохранить машину Тьюринга - "), &ReadTuringFile, &WriteTuringFile},
    };
    return formats[kind];
}
