list(APPEND ZEBRIN_CORE_SOURCES
    core/machine/Machine.cpp core/machine/Machine.h
    core/machine/MachineKind.h
)
