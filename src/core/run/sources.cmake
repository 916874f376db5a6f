list(APPEND ZEBRIN_CORE_SOURCES
    core/run/ControlStates.h
    core/run/RunController.cpp core/run/RunController.h
    core/run/StepHistory.cpp core/run/StepHistory.h
    core/run/TapeHistory.cpp core/run/TapeHistory.h
    core/run/RunEnabling.cpp core/run/RunEnabling.h
    core/run/OutcomeReporter.cpp core/run/OutcomeReporter.h
    core/run/LoopFinder.cpp core/run/LoopFinder.h
    core/run/LoopReporter.cpp core/run/LoopReporter.h
    core/run/Breakpoints.cpp core/run/Breakpoints.h
    core/run/ChunkedLog.h
)
