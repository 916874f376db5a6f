list(APPEND ZEBRIN_CORE_SOURCES
    core/checking/CasesFile.cpp core/checking/CasesFile.h
    core/checking/CaseRun.cpp core/checking/CaseRun.h
)
