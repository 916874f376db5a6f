list(APPEND ZEBRIN_CORE_SOURCES
    core/checking/CaseList.cpp core/checking/CaseList.h
    core/checking/CaseResults.cpp core/checking/CaseResults.h
    core/checking/CasesFile.cpp core/checking/CasesFile.h
    core/checking/CaseRun.cpp core/checking/CaseRun.h
    core/checking/CaseBench.cpp core/checking/CaseBench.h
    core/checking/GrowthFit.cpp core/checking/GrowthFit.h
    core/checking/ProgramShape.cpp core/checking/ProgramShape.h
)
