#pragma once
// An observer that records what the removal reports and answers shared-file
// questions from a script.

#include "unsetup/removal.h"

#include <deque>
#include <vector>

namespace ky::unsetup::testing_support {

class RecordingObserver : public RemovalObserver {
public:
    explicit RecordingObserver(std::deque<SharedFileAnswer> answers = {}) : answers_(std::move(answers)) {}

    void rangeSet(int total) override { range = total; }
    void entryDone() override { ++entries; }
    void stageDone(Stage stage) override { stages.push_back(stage); }
    SharedFileAnswer askSharedFile(const QString& path) override {
        questions.append(path);
        if (answers_.empty()) return SharedFileAnswer::No;
        const SharedFileAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void problem(const QString& title, const QString& text) override { problems.append(title + u'/' + text); }

    int range = -1;
    int entries = 0;
    std::vector<Stage> stages;
    QStringList questions;
    QStringList problems;

private:
    std::deque<SharedFileAnswer> answers_;
};

}  // namespace ky::unsetup::testing_support
