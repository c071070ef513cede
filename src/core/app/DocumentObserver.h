#pragma once
// How the document tells its views what changed.

namespace brivon::app {

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // Every view updates: a new run, a new Y scale, a loaded file, a new sample rate.
    virtual void viewsChanged() { }
    // A commit added a reading: the graph plots the new point (without erasing,
    // and not while a rubber-band drag is on) and the real-time strip refreshes.
    virtual void samplePlotted() { }
    // Every commit of the sample timer, with or without a new reading.
    virtual void sampleCommitted() { }
};

}  // namespace brivon::app
