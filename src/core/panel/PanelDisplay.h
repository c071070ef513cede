#pragma once
// What the meter panel's display shows: the texts and the bar count that the
// receive path writes from each decoded frame, the download status and the
// off-line flag. The panel only draws them.

#include "core/link/Reading.h"

#include <string>
#include <utility>

namespace brivon::panel {

struct PanelTexts {
    std::string reading;
    std::string unit;
    std::string hold;
    std::string mode;
    std::string range;
    std::string clock;
    std::string clockLabel;
    std::string memoryFlag;
    std::string memoryNumber;
    std::string status;
};

class PanelDisplay {
public:
    // The texts and bar count of a decoded frame.
    void showReading(const link::Reading& reading);
    // The download status line ("DownLoad" while a download runs).
    void setStatusText(std::string text) { texts_.status = std::move(text); }
    // The highest arc tick to draw; values above the last tick are kept as the last tick,
    // a negative value draws none.
    void setBarCount(int count);
    // True until the first valid frame, and again when the port is lost.
    void setOffline(bool offline) { offline_ = offline; }

    const PanelTexts& texts() const { return texts_; }
    int barCount() const { return barCount_; }
    bool offline() const { return offline_; }

private:
    PanelTexts texts_;
    int barCount_ = 0;
    bool offline_ = true;
};

}  // namespace brivon::panel
