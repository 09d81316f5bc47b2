#pragma once

namespace vantor::model {

// What a file reader keeps of the file a workbook came from, so that saving
// carries through what the model does not hold. The model only keeps it.
class WorkbookSource {
public:
    virtual ~WorkbookSource() = default;
};

} // namespace vantor::model
