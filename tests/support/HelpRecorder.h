#pragma once
// Stands in for the help viewer and remembers what was asked of it.

#include <vector>

#include "platform/HelpService.h"

class HelpRecorder : public platform::IHelpViewer {
  public:
    HelpRecorder() { platform::SetHelpViewer(this); }
    ~HelpRecorder() override { platform::SetHelpViewer(nullptr); }

    bool ShowTopic(int contextId) override {
        topics.push_back(contextId);
        return true;
    }
    bool ShowContents() override {
        ++contents;
        return true;
    }
    void Quit() override { ++quits; }

    std::vector<int> topics;
    int contents = 0;
    int quits = 0;
};
