#include "core/documents/DocumentFormat.h"

#include "core/documents/PostFile.h"
#include "core/documents/TuringFile.h"
#include "core/text/Language.h"

const DocumentFormat& DocumentFormat::Of(MachineKind kind) {
    // Made on first use, so it does not depend on the order in which the
    // magic constants and this table are initialised.
    static const PerMachine<DocumentFormat> formats{
        {MachineKind::Post, DocumentFile::kPostMagic, QStringLiteral("pst"),
         Tr("DocumentFormat", "Машина Поста|*.pst"), Tr("DocumentFormat", "Открытие Машины Поста"),
         Tr("DocumentFormat", "Интерпретатор машины Поста"),
         Tr("DocumentFormat", "<Сохранить машину Поста - "), &ReadPostFile, &WritePostFile},
        {MachineKind::Turing, DocumentFile::kTuringMagic, QStringLiteral("tur"),
         Tr("DocumentFormat", "Машина Тьюринга|*.tur"),
         Tr("DocumentFormat", "Открытие Машины Тьюринга"),
         Tr("DocumentFormat", "Интерпретатор машины Тьюринга"),
         Tr("DocumentFormat", "<Сохранить машину Тьюринга - "), &ReadTuringFile, &WriteTuringFile},
    };
    return formats[kind];
}
