#pragma once
#include "vantor/framework/DialogSite.hpp"

#include <vector>

namespace vantor::test {

// A typed dialog site that records how the dialog was ended.
class RecordingSite : public DialogSite {
public:
    void EndDialog(int32_t result, Variant& answer) override {
        results.push_back(result);
        answers.push_back(answer);
    }
    std::vector<int32_t> results;
    std::vector<Variant> answers;
};

} // namespace vantor::test
