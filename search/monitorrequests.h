#pragma once
// What the folder change monitor asks of its owner. Each request runs in the
// user-interface thread while the monitor waits, so the owner may touch
// widgets and documents freely here; the monitor itself never does.
//
// A request that throws counts as an unexpected failure of the monitor's turn
// (the exception is caught, it never crosses the event loop).

// The notice the owner shows for unexpectedFailure().
inline constexpr char kUnexpectedFailureMessage[] = "予期せぬエラーが発生しました";

class MonitorRequests {
public:
    virtual ~MonitorRequests() = default;

    // Something changed in the watched folder: rebuild the action tree if
    // the owner currently allows automatic rebuilds.
    virtual void refreshRequest() = 0;

    // Something changed in the program folder: run the hand-over check.
    virtual void handoverRequest() = 0;

    // A turn failed; both watches are closed until the next retarget. The
    // owner tells the user kUnexpectedFailureMessage in a plain message box.
    virtual void unexpectedFailure() = 0;
};
