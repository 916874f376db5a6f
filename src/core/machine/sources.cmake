list(APPEND ZEBRIN_CORE_SOURCES
    core/machine/EditKind.cpp core/machine/EditKind.h
    core/machine/Machine.cpp core/machine/Machine.h
    core/machine/MachineHost.h
    core/machine/MachineKind.h
    core/machine/RunPosition.h
    core/machine/StatusLine.cpp core/machine/StatusLine.h
    core/machine/StatusListener.h
    core/machine/StepOutcome.cpp core/machine/StepOutcome.h
)
