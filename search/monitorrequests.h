#pragma once
// What the folder change monitor asks of its owner. Each request runs in the
// user-interface thread while the monitor waits, so the owner may touch
// widgets and documents freely here; the monitor itself never does.
//
// A request that throws counts as an unexpected failure of the monitor's turn
// (the exception is caught, it never crosses the event loop).

// The notice shown when a turn fails.
inline constexpr char kUnexpectedFailureMessage[] = "予期せぬエラーが発生しました";

class MonitorRequests {
public:
    virtual ~MonitorRequests() = default;

    // Something changed in the watched folder: rebuild the action tree if
    // the owner currently allows automatic rebuilds.
    virtual void refreshRequest() = 0;

    // Something changed in the program folder: run the hand-over check.
    virtual void handoverRequest() = 0;

    // A turn failed; both watches are closed until the next retarget. By
    // default the user is told kUnexpectedFailureMessage in a plain message
    // box with an OK button, through the prompt service.
    virtual void unexpectedFailure();
};
